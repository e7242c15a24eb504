// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/controls.h"
#include "host/forms/csv_table.h"
#include "host/forms/events.h"
#include "host/forms/export_menu.h"
#include "host/forms/form.h"
#include "host/forms/picture_area.h"
#include "host/forms/picture_export.h"
#include "host/forms/png_encoding.h"
#include "host/forms/printer_page.h"
#include "host/numbers/fault.h"
#include "host/tests/support/full_disk.h"
#include "host/tests/support/test_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

using host::ControlKind;
using host::testing::faultKind;
using host::testing::runScriptLines;

// A display of 200 x 100 pixels with a child picture (a 20 x 20 green marker) on it.
class ExportForm : public host::Form
{
public:
    ExportForm()
        : host::Form("ExportForm", "Export", 3600, 2400)
    {
        host::layOut(client(),
                     {
                         {"", "picShow", ControlKind::Picture, "", {300, 300, 3000, 1500}},
                         {"picShow", "picMarker", ControlKind::Picture, "", {0, 0, 300, 300}},
                     });
        area = control<host::PictureArea>("picShow");
        marker = control<host::PictureArea>("picMarker");
        marker->setBackColor(Qt::green);
        area->setScale(0, 10, 20, 0);
        host::onMouseDown(area, [this](int button, int, QPointF) { downs.push_back(button); });
        host::onClick(area, [this] { ++clicks; });
    }

    // Lines, an outlined and a filled box and a text: every kind of drawing call.
    void drawScene()
    {
        host::Canvas::Batch batch(*area);
        area->cls();
        area->setForeColor(Qt::blue);
        area->setDrawWidth(2);
        area->line(QPointF(1, 1), QPointF(19, 9));
        area->setDrawWidth(1);
        area->setForeColor(Qt::red);
        area->filledBox(QPointF(12, 8), QPointF(16, 4));
        area->setForeColor(Qt::black);
        area->box(QPointF(2, 8), QPointF(6, 5));
        area->setCurrentPoint(QPointF(1, 3));
        area->print("Error 0.25");
        area->moveChild(marker, QPointF(17, 9.5));
    }

    host::PictureArea *area = nullptr;
    host::PictureArea *marker = nullptr;
    std::vector<int> downs;
    int clicks = 0;
};

class PictureExport : public host::testing::ShownForm<ExportForm>
{
protected:
    QString file(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

QImage replayed(host::PictureArea *area)
{
    QImage image(area->size(), QImage::Format_RGB32);
    QPainter painter(&image);
    area->replay(painter);
    return image;
}

QImage rgb(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }

// The record since the last clear draws exactly what the screen shows.
TEST_F(PictureExport, ReplayDrawsTheScreensPixels)
{
    form.area->setForeColor(Qt::magenta);
    form.area->line(QPointF(0, 0), QPointF(20, 10)); // cleared below: not part of the picture
    form.drawScene();
    EXPECT_EQ(form.area->recordedCalls(), 4u);
    EXPECT_EQ(replayed(form.area), rgb(form.area->image()));

    // A new back colour clears the area and its record.
    form.area->setBackColor(Qt::yellow);
    EXPECT_EQ(form.area->recordedCalls(), 0u);
    EXPECT_EQ(replayed(form.area).pixelColor(50, 50), QColor(Qt::yellow));
}

// A run that never clears (path after path) keeps at most maxRecordedCalls calls: what came
// before is kept as an image, and the replay still shows everything.
TEST_F(PictureExport, ALongRecordFoldsIntoAnImage)
{
    form.area->cls();
    const std::size_t calls = host::Canvas::maxRecordedCalls + 500;
    {
        host::Canvas::Batch batch(*form.area);
        for (std::size_t n = 0; n < calls; ++n) {
            const double x = double(n % 200) / 10;
            form.area->setForeColor(n % 2 ? Qt::red : Qt::darkCyan);
            form.area->line(QPointF(x, 0), QPointF(x, 10 - double(n % 7)));
        }
    }
    EXPECT_LT(form.area->recordedCalls(), host::Canvas::maxRecordedCalls);
    EXPECT_EQ(replayed(form.area), rgb(form.area->image()));
}

// Every pixel reads back as it was drawn, whatever its neighbours (a field of random colours
// makes every difference from the row above wrap around somewhere), with the resolution.
TEST_F(PictureExport, PngKeepsEveryPixelAndTheResolution)
{
    form.drawScene();
    host::savePng(form.area, file("scene.png"), 2);
    EXPECT_EQ(QImage(file("scene.png")).convertToFormat(QImage::Format_RGB32),
              host::pictureImage(form.area, 2).convertToFormat(QImage::Format_RGB32));

    QImage noise(37, 23, QImage::Format_RGB32);
    uint32_t next = 12345;
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) {
            next = next * 1103515245u + 12345u;
            noise.setPixel(x, y, 0xff000000u | (next >> 8));
        }
    noise.setDotsPerMeterX(5906);
    noise.setDotsPerMeterY(2953);
    const QImage read = QImage::fromData(host::opaquePngBytes(noise), "PNG");
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), noise);
    EXPECT_EQ(read.dotsPerMeterX(), 5906);
    EXPECT_EQ(read.dotsPerMeterY(), 2953);
    EXPECT_TRUE(host::opaquePngBytes(noise.convertToFormat(QImage::Format_ARGB32)).isEmpty());
}

TEST_F(PictureExport, PngAtTheScreensRatioAndAtTwice)
{
    form.drawScene();
    host::savePng(form.area, file("one.png"), form.area->devicePixelRatioF());
    host::savePng(form.area, file("two.png"), 2);
    QImage one(file("one.png"));
    QImage two(file("two.png"));
    ASSERT_EQ(one.size(), form.area->size() * form.area->devicePixelRatioF());
    ASSERT_EQ(two.size(), form.area->size() * 2);
    // The same picture, child included: red box, green marker, white background.
    for (const QImage &image : {one, two}) {
        const double r = double(image.width()) / form.area->width();
        auto at = [&](double x, double y) { return image.pixelColor(int(x * r), int(y * r)); };
        EXPECT_EQ(at(140, 40), QColor(Qt::red));
        EXPECT_EQ(at(180, 15), QColor(Qt::green));
        EXPECT_EQ(at(100, 90), QColor(Qt::white));
    }
    // At twice the resolution the 2-pixel line is drawn again 4 pixels wide, not blurred.
    const QPointF mid = form.area->scale().toDevice(QPointF(10, 5)) * 2;
    EXPECT_EQ(two.pixelColor(mid.toPoint()), QColor(Qt::blue));
}

// The SVG is a document of the area's size that a renderer reads, with the text as text and
// the shapes in their colours.
TEST_F(PictureExport, SvgIsVectorDrawingOfTheSameCalls)
{
    form.drawScene();
    host::saveSvg(form.area, file("picture.svg"));

    QFile svg(file("picture.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    QString viewBox;
    QStringList texts;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("svg"))
                viewBox = xml.attributes().value("viewBox").toString();
            if (xml.name() == QLatin1String("text"))
                texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(viewBox, "0 0 200 100");
    EXPECT_TRUE(texts.contains("Error 0.25")) << texts.join('|').toStdString();

    QSvgRenderer renderer(file("picture.svg"));
    ASSERT_TRUE(renderer.isValid());
    QImage drawn(form.area->size(), QImage::Format_RGB32);
    drawn.fill(Qt::gray);
    QPainter painter(&drawn);
    renderer.render(&painter);
    painter.end();
    EXPECT_EQ(drawn.pixelColor(140, 40), QColor(Qt::red));
    EXPECT_EQ(drawn.pixelColor(180, 15), QColor(Qt::green));
    EXPECT_EQ(drawn.pixelColor(100, 90), QColor(Qt::white));
}

TEST_F(PictureExport, CsvComesFromTheProgramAndFaultsWithoutIt)
{
    EXPECT_EQ(faultKind([&] { host::saveCsv(form.area, file("none.csv")); }),
              host::Fault::Kind::Invalid);
    EXPECT_FALSE(QFile::exists(file("none.csv")));

    host::setCsvData(form.area, [] {
        host::CsvTable table({"cell", "label", "value"});
        for (int cell = 1; cell <= 2; ++cell) {
            table.startRow();
            table.cell(int16_t(cell));
            table.textCell(cell == 1 ? "a, \"b\"" : "");
            table.cell(0.1f * float(cell));
        }
        return table.text();
    });
    host::saveCsv(form.area, file("data.csv"));
    QFile csv(file("data.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().toStdString(), "cell,label,value\n1,\"a, \"\"b\"\"\",0.1\n2,,0.2\n");
}

TEST_F(PictureExport, AFileThatCannotBeWrittenIsAFileFaultAndLeavesNothing)
{
    host::setCsvData(form.area, [] { return std::string("x\n1\n"); });
    const QString missing = file("no such folder/picture");
    for (const auto &save : std::vector<std::function<void()>> {
             [&] { host::savePng(form.area, missing + ".png", 1); },
             [&] { host::savePng(form.area, missing + ".png", 2); },
             [&] { host::saveSvg(form.area, missing + ".svg"); },
             [&] { host::saveCsv(form.area, missing + ".csv"); },
         })
        EXPECT_EQ(faultKind(save), host::Fault::Kind::File);
    EXPECT_EQ(faultKind([&] { host::savePng(form.area, file("x.png"), 0); }),
              host::Fault::Kind::Invalid);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

void writeContents(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A save that fails keeps what the file held before, and leaves no partial file behind; a
// file beside the target is not taken for the save's own.
TEST_F(PictureExport, AFailedSaveKeepsTheEarlierFile)
{
    host::setCsvData(form.area, [] { return std::string("x\n2\n"); });
    writeContents(file("kept.csv.part"), "mine");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.csv")); // a folder cannot be replaced by a file
    EXPECT_EQ(faultKind([&] { host::saveCsv(form.area, file("folder.csv")); }),
              host::Fault::Kind::File);
    EXPECT_TRUE(QFileInfo(file("folder.csv")).isDir());

    host::saveCsv(form.area, file("kept.csv"));
    host::saveCsv(form.area, file("kept.csv")); // replaces a file of its own
    EXPECT_EQ(contents(file("kept.csv")), "x\n2\n");
    EXPECT_EQ(contents(file("kept.csv.part")), "mine");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"folder.csv", "kept.csv", "kept.csv.part"}));
}

// A full disk (a write fails from its first byte, or after a few hundred) and a target marked
// read-only: the fault names the file, an earlier file keeps its bytes and its permissions, a
// new name is left without a file, and a printed page is kept for the next Print.
TEST_F(PictureExport, AFullDiskOrAReadOnlyTargetKeepsTheEarlierFileAndThePage)
{
    form.drawScene();
    host::setCsvData(form.area, [] { return std::string(2000, '1') + "\n"; });
    host::PrinterPage page;
    const std::vector<std::pair<QString, std::function<void(const QString &)>>> saves {
        {"png", [&](const QString &path) { host::savePng(form.area, path, 1); }},
        {"csv", [&](const QString &path) { host::saveCsv(form.area, path); }},
        {"pdf",
         [&](const QString &path) {
             page.print("page");
             host::PrinterPage::setNextPdfPath(path);
             page.endDoc();
         }},
    };
    constexpr qint64 bytesFree = 512;
    for (const auto &[suffix, save] : saves) {
        const QString earlier = file("earlier." + suffix), fresh = file("new." + suffix);
        save(earlier);
        const QByteArray good = contents(earlier);
        ASSERT_GT(good.size(), bytesFree) << suffix.toStdString();
        const bool pdf = suffix == "pdf";
        auto refused = [&, &save = save, pdf](const QString &path, const QString &why) {
            try {
                save(path);
                ADD_FAILURE() << "written: " << path.toStdString();
            } catch (const host::Fault &fault) {
                const QString message = QString::fromUtf8(fault.what());
                EXPECT_TRUE(
                    message.startsWith("The file \"" + path + "\" could not be written: " + why))
                    << fault.what();
                EXPECT_EQ(message.endsWith("The page is kept for the next Print."), pdf)
                    << fault.what();
            }
            EXPECT_EQ(page.isOpen(), pdf);
        };
        for (const qint64 limit : {qint64(0), bytesFree}) {
            host::testing::FullDisk disk(limit);
            refused(earlier, "");
            refused(fresh, "");
        }
        EXPECT_EQ(contents(earlier), good) << suffix.toStdString();
        EXPECT_FALSE(QFileInfo::exists(fresh)) << suffix.toStdString();

        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        ASSERT_TRUE(QFile::setPermissions(earlier, readOnly));
        refused(earlier, "it is read-only.");
        EXPECT_EQ(contents(earlier), good) << suffix.toStdString();
        EXPECT_FALSE(QFileInfo(earlier).permissions()
                     & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
        page.killDoc();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"earlier.csv", "earlier.pdf", "earlier.png"}));
}

// A grab under automation on a full disk is an error naming the file; the earlier picture
// stays and a new name gets no file.
TEST_F(PictureExport, AGrabOnAFullDiskKeepsTheEarlierPicture)
{
    form.drawScene();
    const std::string earlier = file("earlier.png").toStdString();
    const std::string fresh = file("new.png").toStdString();
    runScriptLines("grab picShow " + earlier);
    const QByteArray good = contents(QString::fromStdString(earlier));
    for (const std::string &path : {earlier, fresh}) {
        int status = 0;
        std::string out;
        {
            host::testing::FullDisk disk(512);
            out = runScriptLines("grab picShow " + path, &status);
        }
        EXPECT_EQ(status, 2);
        EXPECT_NE(out.find("The file \"" + path + "\" could not be written: "), std::string::npos)
            << out;
    }
    EXPECT_EQ(contents(QString::fromStdString(earlier)), good);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"earlier.png"}));
}

TEST_F(PictureExport, ScriptExportsWriteTheFilesAndRefuseBadLines)
{
    form.drawScene();
    host::setCsvData(form.area, [] { return std::string("x\n1\n"); });
    const std::string out = runScriptLines(
        "export picShow png " + file("a b.png").toStdString() + "\n" //
        + "export ExportForm.picShow png2x " + file("c.png").toStdString() + "\n" //
        + "export picShow svg " + file("d.svg").toStdString() + "\n" //
        + "export picShow csv " + file("e.csv").toStdString() + "\n" //
        + "export picMarker csv " + file("f.csv").toStdString() + "\n" //
        + "export picShow jpeg " + file("g.jpg").toStdString() + "\n" //
        + "export picShow png\n" //
        + "export picShow clipboard\n");
    EXPECT_EQ(out,
              "fault: The display picMarker has no numbers to save: only its picture can be "
              "saved.\n"
              "error: export picShow jpeg "
                  + file("g.jpg").toStdString()
                  + ": export takes png, png2x, svg, csv or clipboard, not jpeg\n"
                    "error: export picShow png: export png needs a file\n");
    EXPECT_EQ(QImage(file("a b.png")).size(), QSize(200, 100));
    EXPECT_EQ(QImage(file("c.png")).size(), QSize(400, 200));
    EXPECT_TRUE(QSvgRenderer(file("d.svg")).isValid());
    EXPECT_TRUE(QFile::exists(file("e.csv")));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(200, 100));
}

// The right button belongs to the export menu: the area's own handlers never see it (a right
// press would otherwise start a drag whose release the menu takes).
TEST_F(PictureExport, RightButtonIsTheMenusNotTheHandlers)
{
    QTest::mouseClick(form.area, Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_TRUE(form.downs.empty());
    EXPECT_EQ(form.clicks, 0);
    QTest::mouseClick(form.area, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(form.downs, std::vector<int> {1});
    EXPECT_EQ(form.clicks, 1);
}

TEST_F(PictureExport, MenuOffersCsvOnlyWithDataAndNoDialogUnderAScript)
{
    auto items = [](QMenu *menu) {
        QStringList names;
        for (QAction *item : menu->actions())
            if (!item->isSeparator())
                names << item->objectName() + (item->isEnabled() ? "" : "(off)");
        return names.join(' ').toStdString();
    };
    std::unique_ptr<QMenu> menu(host::exportMenu(form.area));
    EXPECT_EQ(items(menu.get()), "exportCopy exportPng exportPng2x exportSvg exportCsv(off)");
    host::setCsvData(form.area, [] { return std::string("x\n"); });
    menu.reset(host::exportMenu(form.area));
    EXPECT_EQ(items(menu.get()), "exportCopy exportPng exportPng2x exportSvg exportCsv");
    EXPECT_EQ(host::exportFileName(form.marker, "svg").toStdString(),
              QGuiApplication::applicationName().toStdString() + "-picMarker.svg");

    // Chosen while a script runs, an item names the command instead of opening a dialog.
    menu.release()->setParent(form.area);
    EXPECT_EQ(runScriptLines("menu ExportForm.exportSvg\n"),
              "fault: No file dialog opens while a script runs: use \"export picShow svg "
              "FILE\".\n");

    // A right click on an area the layout made opens the same menu.
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                 form.area->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(form.marker, &rightClick);
    auto *opened = form.marker->findChild<QMenu *>("picMarker.exportMenu");
    ASSERT_TRUE(opened);
    opened->close();
}

} // namespace

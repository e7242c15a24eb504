// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/picture_export.h"

#include "host/forms/file_write.h"
#include "host/forms/picture_area.h"
#include "host/forms/png_encoding.h"
#include "host/numbers/fault.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

namespace host {

namespace {

// The CSV source of an area lives as a child of it, so that it goes with the area.
class CsvSource : public QObject
{
public:
    static constexpr const char *name = "host.csvData";

    CsvSource(PictureArea *area, std::function<std::string()> text)
        : QObject(area)
        , text(std::move(text))
    {
        setObjectName(name);
    }

    std::function<std::string()> text;
};

const CsvSource *csvSource(const PictureArea *area)
{
    return static_cast<const CsvSource *>(
        area->findChild<QObject *>(CsvSource::name, Qt::FindDirectChildrenOnly));
}

// The drawing of an area and of the child pictures on it, in its device units.
void drawPicture(PictureArea *area, QPainter &painter)
{
    area->replay(painter);
    for (QObject *object : area->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (!child || !child->isVisibleTo(area))
            continue;
        painter.save();
        painter.translate(child->pos());
        painter.setClipRect(QRect(QPoint(), child->size()), Qt::IntersectClip);
        if (auto *picture = qobject_cast<PictureArea *>(child))
            drawPicture(picture, painter);
        else
            child->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
        painter.restore();
    }
}

} // namespace

void setCsvData(PictureArea *area, std::function<std::string()> csvText)
{
    delete csvSource(area);
    new CsvSource(area, std::move(csvText));
}

bool hasCsvData(const PictureArea *area) { return csvSource(area) != nullptr; }

std::string csvData(const PictureArea *area)
{
    const CsvSource *source = csvSource(area);
    if (!source)
        throw Fault(Fault::Kind::Invalid,
                    "The display " + area->objectName().toStdString()
                        + " has no numbers to save: only its picture can be saved.");
    return source->text();
}

QImage pictureImage(PictureArea *area, double ratio)
{
    if (!(ratio >= 0.25 && ratio <= 8))
        throw Fault(Fault::Kind::Invalid, "A picture is saved at 0.25 to 8 pixels per pixel.");
    if (qFuzzyCompare(ratio, area->devicePixelRatioF()))
        return area->grab().toImage();
    QImage image(area->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(area->backColor());
    QPainter painter(&image);
    drawPicture(area, painter);
    return image;
}

QByteArray pictureSvg(PictureArea *area)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    // The document is the area at zoom 1, whatever the zoom it shows at.
    const double zoom = area->zoom();
    const QSize size = (QSizeF(area->size()) / zoom).toSize();
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(), size));
    // Text points become the same pixels as on the screen.
    generator.setResolution(area->logicalDpiY());
    generator.setTitle(area->objectName());
    generator.setDescription(QGuiApplication::applicationName());
    {
        QPainter painter(&generator);
        painter.scale(1 / zoom, 1 / zoom);
        drawPicture(area, painter);
    }
    return buffer.data();
}

void copyPicture(PictureArea *area)
{
    QGuiApplication::clipboard()->setImage(pictureImage(area, area->devicePixelRatioF()));
}

void savePng(PictureArea *area, const QString &path, double ratio)
{
    const QImage image = pictureImage(area, ratio);
    QByteArray bytes = opaquePngBytes(image);
    if (bytes.isEmpty()) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG", 80)) // a light compression, several times faster
            fileNotWritten(path, "the picture could not be made into a PNG image");
    }
    writeWholeFile(path, bytes);
}

void saveSvg(PictureArea *area, const QString &path) { writeWholeFile(path, pictureSvg(area)); }

void saveCsv(const PictureArea *area, const QString &path)
{
    writeWholeFile(path, QByteArray::fromStdString(csvData(area)));
}

} // namespace host

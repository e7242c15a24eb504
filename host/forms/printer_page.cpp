// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/printer_page.h"

#include "host/forms/file_write.h"
#include "host/forms/run_context.h"
#include "host/numbers/fault.h"

#include <QBuffer>
#include <QFileDialog>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace host {

namespace {

// The page is an A4 sheet measured in twips.
const QSizeF pageTwips(11906, 16838);
// One unit of line width is a printer dot of 1/200 inch.
constexpr double twipsPerDot = 1440.0 / 200;
constexpr double twipsPerPoint = 20;

QString &nextPdfPath()
{
    static QString path;
    return path;
}

[[noreturn]] void pageKept(const QString &reason)
{
    throw Fault(Fault::Kind::File,
                (reason + " The page is kept for the next Print.").toStdString());
}

} // namespace

PrinterPage::PrinterPage()
    : Canvas(pageTwips)
{
    setScale(0, 0, pageTwips.width(), pageTwips.height());
}

void PrinterPage::setNextPdfPath(const QString &path) { nextPdfPath() = path; }

void PrinterPage::paint(const DrawCall &call)
{
    // A PDF writes each coordinate as a number of limited range: a place beyond it would
    // corrupt the file. The canvas cuts what it draws to a range far within (user_scale.h);
    // this stops anything else. 2^30 twips are some 745,000 inches.
    constexpr double farthestTwips = 1 << 30;
    if (!UserScale::reaches(call.bounds, farthestTwips))
        throw Fault(Fault::Kind::Invalid,
                    "A drawing on the printed page was refused: it reaches a place the page "
                    "cannot hold.");
    m_open = true;
    m_paintings.push_back(call);
}

double PrinterPage::deviceUnitsPerDrawWidth() const { return twipsPerDot; }

double PrinterPage::lineHeight(const QFont &font) const { return font.pixelSize() * 1.2; }

QFont PrinterPage::deviceFont(const QFont &font) const
{
    QFont onPage = font;
    onPage.setPixelSize(int(std::lround(font.pointSizeF() * twipsPerPoint)));
    return onPage;
}

bool PrinterPage::render(QPagedPaintDevice &device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    // One factor for both directions: on paper of another shape (Letter) the page keeps its
    // proportions instead of being stretched to the sheet.
    double factor
        = std::min(device.width() / pageTwips.width(), device.height() / pageTwips.height());
    painter.scale(factor, factor);
    for (const DrawCall &call : m_paintings)
        call.paint(painter);
    return painter.end();
}

void PrinterPage::writePdf(const QString &path) const
{
    // The document is made in memory, so that the file only takes its place when it is whole.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(600);
        writer.setCreator("neurosims");
        if (!render(writer) || bytes.isEmpty())
            fileNotWritten(path, "the page could not be made into a PDF document");
    }
    writeWholeFile(path, bytes);
}

void PrinterPage::endDoc()
{
    if (!m_open)
        return;
    QString path = nextPdfPath();
    nextPdfPath().clear();
    if (path.isEmpty() && runContext().scripted)
        pageKept("No file was named for the printed page (printto FILE).");
    if (path.isEmpty() && !QPrinterInfo::availablePrinters().isEmpty()) {
        QPrinter device;
        device.setFullPage(true);
        QPrintDialog dialog(&device);
        if (dialog.exec() != QDialog::Accepted)
            pageKept("Printing was cancelled.");
        if (device.outputFormat() != QPrinter::PdfFormat) {
            if (!render(device))
                pageKept("The page could not be sent to the printer.");
            killDoc();
            return;
        }
        // Printing to a file in the dialog writes it as every other file is written.
        path = device.outputFileName();
    } else if (path.isEmpty()) {
        path
            = QFileDialog::getSaveFileName(nullptr, "No printer is installed: save the page as PDF",
                                           "page.pdf", "PDF files (*.pdf)");
    }
    if (path.isEmpty())
        pageKept("Printing was cancelled.");
    try {
        writePdf(path);
    } catch (const Fault &fault) {
        pageKept(fault.what());
    }
    killDoc();
}

void PrinterPage::killDoc()
{
    m_paintings.clear();
    m_open = false;
}

PrinterPage &printer()
{
    static PrinterPage page;
    return page;
}

} // namespace host

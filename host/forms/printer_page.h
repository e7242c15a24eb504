// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/canvas.h"

#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace host {

// The printer: a page that opens with the first drawing and collects what is drawn on it
// (a display list in page units, so it prints at any resolution), until EndDoc sends it or
// KillDoc discards it. Without a scale the page measures in twips of an A4 sheet.
// EndDoc shows the system print dialog, or a save-as-PDF dialog when no printer is
// installed; automation can name a PDF file instead. When the page cannot be sent (the
// dialog was cancelled, the file cannot be written), EndDoc faults and keeps the page.
class PrinterPage : public Canvas
{
public:
    PrinterPage();

    bool isOpen() const { return m_open; }
    void endDoc();
    void killDoc();
    // Paints the collected page onto a paged device (a PDF writer or a printer); false when
    // the device cannot be painted on (a printer that is not ready, a file not writable).
    bool render(QPagedPaintDevice &device) const;
    // Writes the page to a PDF file, or faults (Fault::Kind::File) and leaves the file as it was.
    void writePdf(const QString &path) const;

    // Automation: the next EndDoc writes this PDF file without a dialog.
    static void setNextPdfPath(const QString &path);

protected:
    void paint(const DrawCall &call) override;
    double deviceUnitsPerDrawWidth() const override;
    double lineHeight(const QFont &font) const override;
    QFont deviceFont(const QFont &font) const override;

private:
    std::vector<DrawCall> m_paintings;
    bool m_open = false;
};

// The program's one printer object.
PrinterPage &printer();

} // namespace host

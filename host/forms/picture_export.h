// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>
#include <string>

namespace host {

class PictureArea;

// Exports of what a picture area shows: an image (the screen's pixels, or the drawing made
// again at another resolution), an SVG document drawn by the same calls as the screen, and
// the numbers behind the picture as CSV text, which the program supplies. Child pictures
// (a hand, a target) are part of the picture. Writing faults (Fault::Kind::File) when a file
// cannot be written; nothing else is changed by an export.

// Gives a picture area the CSV text of its numbers (a header row, then the records); an area
// without one has no data to export.
void setCsvData(PictureArea *area, std::function<std::string()> csvText);
bool hasCsvData(const PictureArea *area);
std::string csvData(const PictureArea *area);

// The picture at a device pixel ratio: at the area's own ratio the pixels the screen shows,
// at another the same drawing made again at that resolution (crisp lines at 2x).
QImage pictureImage(PictureArea *area, double ratio);
// The picture as an SVG document of the area's size in pixels.
QByteArray pictureSvg(PictureArea *area);

void copyPicture(PictureArea *area); // to the clipboard, as the screen shows it
void savePng(PictureArea *area, const QString &path, double ratio);
void saveSvg(PictureArea *area, const QString &path);
void saveCsv(const PictureArea *area, const QString &path);

} // namespace host

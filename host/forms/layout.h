#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace host {

// Places a widget at (left, top, width, height) in twips of its container: 15 twips make a
// pixel (Qt scales pixels for HiDPI screens).
void placeTwips(QWidget *widget, int left, int top, int width, int height);
int twipsToPixels(double twips);

// Maps the classic Windows font names onto installed ones of similar metrics.
QFont classicFont(const QString &family, double points, bool bold = false, bool italic = false);

// Name of element Index of a control array: "opInk(4)".
QString arrayName(const QString &name, int index);

} // namespace host

// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/fonts.h"

#include <QFontMetricsF>
#include <QHash>
#include <QStringList>
#include <QWidget>

namespace host {

QFont classicFont(const FontChoice &choice)
{
    static const QHash<QString, QStringList> installed {
        {"MS Sans Serif", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"Helvetica", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"Arial Narrow", {"Liberation Sans Narrow", "DejaVu Sans Condensed", "Liberation Sans"}},
        {"Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"}},
        {"Garamond", {"Liberation Serif", "Tinos", "DejaVu Serif"}},
        {"Book Antiqua", {"Liberation Serif", "Tinos", "DejaVu Serif"}},
        {"Courier New", {"Liberation Mono", "Cousine", "DejaVu Sans Mono"}},
    };
    const QString face = QString::fromUtf8(choice.face);
    QFont font;
    font.setFamilies(installed.value(face, {face}));
    font.setPointSizeF(choice.points);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    return font;
}

void setFittingFont(QWidget *control, const QFont &font, const QString &line, int roomPixels)
{
    QFont fitting = font;
    const double smallest = font.pointSizeF() * 0.75;
    while (QFontMetricsF(fitting).horizontalAdvance(line) > roomPixels
           && fitting.pointSizeF() - 0.25 >= smallest)
        fitting.setPointSizeF(fitting.pointSizeF() - 0.25);
    control->setFont(fitting);
}

} // namespace host

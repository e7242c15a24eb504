// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace host {

// A straight line drawn on its container's background: it lies behind the container's other
// controls and takes no mouse input. Its ends are given in twips of the container.
class LineControl : public QWidget
{
public:
    LineControl(QWidget *container, const QString &name, QColor colour, int widthPixels,
                QPoint fromTwips, QPoint toTwips);

    QColor colour() const { return m_colour; }
    void setColour(QColor colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
    int m_width;
    QPoint m_from, m_to; // in the widget's own pixels
};

// An outlined rectangle, square-cornered or rounded, on its container's background, placed
// in twips; like a line it lies behind the other controls and takes no mouse input.
class ShapeControl : public QWidget
{
public:
    ShapeControl(QWidget *container, const QString &name, QColor colour, QRect twips, bool rounded);

    QColor colour() const { return m_colour; }
    void setColour(QColor colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
    bool m_rounded;
};

} // namespace host

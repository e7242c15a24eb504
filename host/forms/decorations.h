// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QWidget>

namespace host {

// A decoration drawn on its container's background in one colour, its fore colour: it lies
// behind the container's other controls and takes no mouse input.
class Decoration : public QWidget
{
public:
    QColor colour() const { return m_colour; }
    void setColour(QColor colour);

protected:
    Decoration(QWidget *container, const QString &name, QColor colour);

    QColor m_colour;
};

// A line or rectangle of the layout, which the keyboard and free-room searches pass over.
bool isDecoration(const QWidget *widget);

// A straight line; its ends are given in twips of the container.
class LineControl : public Decoration
{
public:
    LineControl(QWidget *container, const QString &name, QColor colour, int widthPixels,
                QPoint fromTwips, QPoint toTwips);

    // Places the line again at a zoom, its width too.
    void zoomTo(double zoom);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_widthAt1;
    QPoint m_fromTwips, m_toTwips;
    int m_width = 1;
    QPoint m_from, m_to; // in the widget's own pixels
};

// An outlined rectangle, square-cornered or rounded, placed in twips.
class ShapeControl : public Decoration
{
public:
    ShapeControl(QWidget *container, const QString &name, QColor colour, QRect twips, bool rounded);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_rounded;
};

} // namespace host

// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>

namespace host {

// The coordinate system of a drawing area: user units given by the coordinates of the
// top-left and bottom-right corners, mapped linearly onto the device area. With top greater
// than bottom, y grows upwards. Without a scale set, an area measures in twips (15 per pixel).
class UserScale
{
public:
    UserScale() = default;
    UserScale(QSizeF deviceSize, double left, double top, double right, double bottom);
    // Twips over the device area: (0, 0) top-left, 15 units per device pixel.
    static UserScale twips(QSizeF deviceSize);

    QPointF toDevice(QPointF user) const;
    QPointF toUser(QPointF device) const;
    double toDeviceWidth(double userWidth) const;
    double toUserHeight(double deviceHeight) const; // signed: negative when y grows upwards

    double left() const { return m_left; }
    double top() const { return m_top; }
    double width() const { return m_right - m_left; } // signed, as the area reports it
    double height() const { return m_bottom - m_top; } // negative when y grows upwards
    QSizeF deviceSize() const { return m_device; }
    // Keeps the corners and maps them onto a new device size (a resized or HiDPI area).
    UserScale resized(QSizeF deviceSize) const;

    bool operator==(const UserScale &) const = default;

    // Drawing at any user place. A place whose device coordinates are not finite numbers (a
    // coordinate that is not a finite number, or one so large that the scale maps it beyond
    // any double) is an Invalid fault naming it. Finite geometry far outside the device area
    // is cut to the square drawableDistance device units around the origin: the part that
    // shows is exactly what the whole would show, and a painter or a printed file only ever
    // sees coordinates it can hold.
    static constexpr double drawableDistance = 1 << 22;
    // The part of a line within that square; nothing when no part of it is.
    std::optional<QLineF> drawableLine(QPointF from, QPointF to) const;
    // A box with its sides moved in to the square where they lie beyond it.
    QRectF drawableBox(QPointF corner, QPointF opposite) const;
    // The device point, or nothing when it lies beyond the square.
    std::optional<QPointF> drawablePoint(QPointF user) const;

    // Whether device coordinates are finite and no further than `farthest` device units from
    // the device origin in either direction (a NaN is not).
    static bool reaches(QPointF device, double farthest);
    static bool reaches(const QRectF &device, double farthest);

private:
    QSizeF m_device {1, 1};
    double m_left = 0, m_top = 0, m_right = 15, m_bottom = 15;
};

} // namespace host

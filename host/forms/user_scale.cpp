// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/user_scale.h"

#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"

#include <algorithm>
#include <cmath>

namespace host {

UserScale::UserScale(QSizeF deviceSize, double left, double top, double right, double bottom)
    : m_device(deviceSize)
    , m_left(left)
    , m_top(top)
    , m_right(right)
    , m_bottom(bottom)
{
}

UserScale UserScale::twips(QSizeF deviceSize)
{
    return UserScale(deviceSize, 0, 0, deviceSize.width() * 15, deviceSize.height() * 15);
}

QPointF UserScale::toDevice(QPointF user) const
{
    return {(user.x() - m_left) / (m_right - m_left) * m_device.width(),
            (user.y() - m_top) / (m_bottom - m_top) * m_device.height()};
}

QPointF UserScale::toUser(QPointF device) const
{
    return {m_left + device.x() / m_device.width() * (m_right - m_left),
            m_top + device.y() / m_device.height() * (m_bottom - m_top)};
}

double UserScale::toDeviceWidth(double userWidth) const
{
    return std::fabs(userWidth / (m_right - m_left) * m_device.width());
}

double UserScale::toUserHeight(double deviceHeight) const
{
    return deviceHeight / m_device.height() * (m_bottom - m_top);
}

namespace {

bool finite(QPointF point) { return std::isfinite(point.x()) && std::isfinite(point.y()); }

// The device point of a place, which must be finite.
QPointF finiteDevicePoint(const UserScale &scale, QPointF user)
{
    const QPointF device = scale.toDevice(user);
    if (finite(device))
        return device;
    std::string place = "(";
    place.append(doubleText(user.x())).append(", ").append(doubleText(user.y())).append(")");
    if (!finite(user))
        throw Fault(Fault::Kind::Invalid,
                    place + " cannot be drawn: a coordinate is not a finite number.");
    throw Fault(Fault::Kind::Invalid,
                place + " cannot be drawn: it lies beyond what the display's scale can map.");
}

// The line from a to b (device units) cut to the square d around the origin, or nothing when
// it misses the square.
std::optional<QLineF> cutLine(QPointF a, QPointF b, double d)
{
    const QPointF delta = b - a;
    if (!std::isfinite(delta.x()) || !std::isfinite(delta.y())) {
        // Ends so far apart that their difference overflows: the halves are cut apart and,
        // being one line, joined again.
        const QPointF middle = a / 2 + b / 2;
        const auto first = cutLine(a, middle, d);
        const auto second = cutLine(middle, b, d);
        if (first && second)
            return QLineF(first->p1(), second->p2());
        return first ? first : second;
    }
    // Liang-Barsky: the line is a + t (b - a) for t in 0..1; each side of the square limits t.
    double enter = 0, leave = 1;
    int enterSide = -1, leaveSide = -1;
    const double steps[4] = {-delta.x(), delta.x(), -delta.y(), delta.y()};
    const double room[4] = {a.x() + d, d - a.x(), a.y() + d, d - a.y()};
    for (int side = 0; side < 4; ++side) {
        if (steps[side] == 0) {
            if (room[side] < 0)
                return std::nullopt; // parallel to this side and outside it
            continue;
        }
        const double t = room[side] / steps[side];
        if (steps[side] < 0 && t > enter)
            enter = t, enterSide = side;
        else if (steps[side] > 0 && t < leave)
            leave = t, leaveSide = side;
    }
    if (enter > leave)
        return std::nullopt;
    // Where the line crosses a side: that coordinate is the side's exactly, the other one is
    // carried from the nearer end (ends 1e30 away would otherwise swamp the area's digits).
    auto crossing = [&](double t, int side) {
        const QPointF along = t < 0.5 ? a + t * delta : b - (1 - t) * delta;
        const double edge = side % 2 == 0 ? -d : d;
        return side < 2 ? QPointF(edge, along.y()) : QPointF(along.x(), edge);
    };
    return QLineF(enterSide < 0 ? a : crossing(enter, enterSide),
                  leaveSide < 0 ? b : crossing(leave, leaveSide));
}

} // namespace

std::optional<QLineF> UserScale::drawableLine(QPointF from, QPointF to) const
{
    return cutLine(finiteDevicePoint(*this, from), finiteDevicePoint(*this, to), drawableDistance);
}

QRectF UserScale::drawableBox(QPointF corner, QPointF opposite) const
{
    auto inside = [](QPointF point) {
        const double d = drawableDistance;
        return QPointF(std::clamp(point.x(), -d, d), std::clamp(point.y(), -d, d));
    };
    return QRectF(inside(finiteDevicePoint(*this, corner)),
                  inside(finiteDevicePoint(*this, opposite)))
        .normalized();
}

std::optional<QPointF> UserScale::drawablePoint(QPointF user) const
{
    const QPointF device = finiteDevicePoint(*this, user);
    if (!reaches(device, drawableDistance))
        return std::nullopt;
    return device;
}

bool UserScale::reaches(QPointF device, double farthest)
{
    // Written so that a NaN fails every comparison and is refused.
    return std::fabs(device.x()) <= farthest && std::fabs(device.y()) <= farthest;
}

bool UserScale::reaches(const QRectF &device, double farthest)
{
    return reaches(device.topLeft(), farthest) && reaches(device.bottomRight(), farthest);
}

UserScale UserScale::resized(QSizeF deviceSize) const
{
    return UserScale(deviceSize, m_left, m_top, m_right, m_bottom);
}

} // namespace host

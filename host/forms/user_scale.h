#pragma once

#include <QPointF>
#include <QSizeF>

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

private:
    QSizeF m_device {1, 1};
    double m_left = 0, m_top = 0, m_right = 15, m_bottom = 15;
};

} // namespace host

#include "host/forms/user_scale.h"

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

UserScale UserScale::resized(QSizeF deviceSize) const
{
    return UserScale(deviceSize, m_left, m_top, m_right, m_bottom);
}

} // namespace host

#include "host/forms/user_scale.h"

#include <gtest/gtest.h>

using host::UserScale;

namespace {

TEST(UserScale, YUpScaleMapsCornersAndOrigin)
{
    // The hand display: 200 units across, 250 up, on 361 x 361 pixels.
    UserScale scale(QSizeF(361, 361), -100, 200, 100, -50);
    EXPECT_EQ(scale.toDevice(QPointF(-100, 200)), QPointF(0, 0));
    EXPECT_EQ(scale.toDevice(QPointF(100, -50)), QPointF(361, 361));
    QPointF origin = scale.toDevice(QPointF(0, 0));
    EXPECT_DOUBLE_EQ(origin.x(), 180.5);
    EXPECT_DOUBLE_EQ(origin.y(), 361 * 0.8);
    EXPECT_DOUBLE_EQ(scale.width(), 200);
    EXPECT_DOUBLE_EQ(scale.left(), -100);
    EXPECT_DOUBLE_EQ(scale.height(), -250);
}

TEST(UserScale, DeviceAndUserRoundTrip)
{
    UserScale scale(QSizeF(360, 360), -2, 2, 2, -1);
    for (QPointF user : {QPointF(0, 0), QPointF(1.5, -0.25), QPointF(-2, 2), QPointF(0.3, 1.7)}) {
        QPointF back = scale.toUser(scale.toDevice(user));
        EXPECT_NEAR(back.x(), user.x(), 1e-12);
        EXPECT_NEAR(back.y(), user.y(), 1e-12);
    }
    EXPECT_DOUBLE_EQ(scale.toDeviceWidth(1), 90);
    EXPECT_DOUBLE_EQ(scale.toUserHeight(120), -1);
}

TEST(UserScale, TwipsAndResizing)
{
    UserScale twips = UserScale::twips(QSizeF(100, 50));
    EXPECT_EQ(twips.toDevice(QPointF(1500, 750)), QPointF(100, 50));
    UserScale hidpi = UserScale(QSizeF(100, 100), -100, 200, 100, -50).resized(QSizeF(200, 200));
    EXPECT_EQ(hidpi.toDevice(QPointF(0, 0)), QPointF(100, 160));
    EXPECT_DOUBLE_EQ(hidpi.left(), -100);
}

} // namespace

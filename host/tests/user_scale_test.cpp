// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/user_scale.h"
#include "host/numbers/fault.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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

// The hand display again: 200 units across 361 pixels.
const UserScale hand(QSizeF(361, 361), -100, 200, 100, -50);
constexpr double far = UserScale::drawableDistance;

TEST(DrawableGeometry, GeometryWithinReachIsUntouched)
{
    const QLineF line = *hand.drawableLine(QPointF(-100, 0), QPointF(100, 0));
    EXPECT_EQ(line.p1(), hand.toDevice(QPointF(-100, 0)));
    EXPECT_EQ(line.p2(), hand.toDevice(QPointF(100, 0)));
    EXPECT_EQ(hand.drawableBox(QPointF(10, 20), QPointF(-10, -20)),
              QRectF(hand.toDevice(QPointF(-10, 20)), hand.toDevice(QPointF(10, -20))));
    EXPECT_EQ(*hand.drawablePoint(QPointF(20, 100)), hand.toDevice(QPointF(20, 100)));
}

TEST(DrawableGeometry, FarGeometryIsCutToWhatShows)
{
    // A line from the origin to a place 1e20 units away keeps its direction up to the edge
    // of the drawable square: the visible part is the same as that of the whole line.
    const QPointF origin = hand.toDevice(QPointF(0, 0));
    const QLineF cut = *hand.drawableLine(QPointF(0, 0), QPointF(1e20, 3e19));
    EXPECT_EQ(cut.p1(), origin);
    EXPECT_DOUBLE_EQ(cut.p2().x(), far);
    const QPointF towards = hand.toDevice(QPointF(1e20, 3e19)) - origin;
    EXPECT_NEAR((cut.p2().y() - origin.y()) / (cut.p2().x() - origin.x()),
                towards.y() / towards.x(), 1e-12);
    // Both ends beyond, on opposite sides: the line crosses the whole area.
    const QLineF across = *hand.drawableLine(QPointF(-1e30, 100), QPointF(1e30, 100));
    EXPECT_DOUBLE_EQ(across.p1().x(), -far);
    EXPECT_DOUBLE_EQ(across.p2().x(), far);
    EXPECT_DOUBLE_EQ(across.p1().y(), hand.toDevice(QPointF(0, 100)).y());
    // Wholly beyond: nothing to draw.
    EXPECT_FALSE(hand.drawableLine(QPointF(1e20, 0), QPointF(2e20, 5)));
    EXPECT_FALSE(hand.drawableLine(QPointF(1e20, 1e20), QPointF(1e20, 1e20)));
    EXPECT_FALSE(hand.drawablePoint(QPointF(0, -1e12)));
    // A box of any size becomes one within the square that covers what it covers.
    EXPECT_EQ(hand.drawableBox(QPointF(-1e38, 1e38), QPointF(1e38, -1e38)),
              QRectF(QPointF(-far, -far), QPointF(far, far)));
    const QRectF half = hand.drawableBox(QPointF(0, 200), QPointF(1e300, -50));
    EXPECT_EQ(half.left(), hand.toDevice(QPointF(0, 0)).x());
    EXPECT_EQ(half.right(), far);
}

// Ends so far apart that the distance between them is beyond any double still make the line
// that crosses the area, not a refusal.
TEST(DrawableGeometry, EndsWhoseDistanceOverflowsStillCrossTheArea)
{
    const UserScale pixels(QSizeF(100, 100), 0, 0, 100, 100);
    const double d = UserScale::drawableDistance;
    EXPECT_EQ(pixels.drawableLine(QPointF(-1.5e308, 50), QPointF(1.5e308, 50)),
              QLineF(QPointF(-d, 50), QPointF(d, 50)));
    EXPECT_FALSE(pixels.drawableLine(QPointF(-1.5e308, 1e300), QPointF(1.5e308, 1e300)));
}

TEST(DrawableGeometry, APlaceThatIsNotFiniteIsAnInvalidFaultNamingIt)
{
    const double inf = std::numeric_limits<double>::infinity();
    struct Case
    {
        QPointF place;
        const char *message;
    };
    for (const Case &bad : {
             Case {{std::nan(""), 5},
                   "(nan, 5) cannot be drawn: a coordinate is not a finite number."},
             Case {{0, -inf}, "(0, -inf) cannot be drawn: a coordinate is not a finite number."},
             // Finite, but the scale maps it beyond any double.
             Case {{1e308, 0},
                   "(1E+308, 0) cannot be drawn: it lies beyond what the display's scale can "
                   "map."},
         }) {
        for (int call = 0; call < 3; ++call) {
            try {
                if (call == 0)
                    (void)hand.drawableLine(QPointF(0, 0), bad.place);
                else if (call == 1)
                    (void)hand.drawableBox(bad.place, QPointF(0, 0));
                else
                    (void)hand.drawablePoint(bad.place);
                ADD_FAILURE() << bad.message;
            } catch (const host::Fault &fault) {
                EXPECT_EQ(fault.kind(), host::Fault::Kind::Invalid);
                EXPECT_STREQ(fault.what(), bad.message);
            }
        }
    }
}

} // namespace

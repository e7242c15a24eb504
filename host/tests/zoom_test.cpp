// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/form.h"
#include "host/forms/layout_table.h"
#include "host/forms/picture_area.h"
#include "host/forms/picture_export.h"
#include "host/forms/scroll_bar.h"
#include "host/forms/twips.h"
#include "host/forms/zoom.h"
#include "host/forms/zoom_style.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QSvgRenderer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using host::ControlKind;
using host::ControlRow;

const std::vector<ControlRow> &rows()
{
    static const std::vector<ControlRow> table {
        {.name = "Frame1",
         .kind = ControlKind::Frame,
         .caption = "Frame",
         .twips = {120, 120, 2400, 1200}},
        {.container = "Frame1",
         .name = "Label1",
         .kind = ControlKind::Label,
         .caption = "Level",
         .twips = {120, 240, 900, 240},
         .font = {"Arial", 12}},
        {.container = "Frame1",
         .name = "txtLevel",
         .kind = ControlKind::TextBox,
         .caption = "1.5",
         .twips = {1140, 240, 600, 300}},
        {.name = "commGo",
         .kind = ControlKind::Button,
         .caption = "Go",
         .twips = {2700, 120, 900, 375}},
        {.name = "hsbLevel",
         .kind = ControlKind::HScrollBar,
         .twips = {2700, 600, 1500, 252},
         .range = {0, 100, 1, 10}},
        {.name = "chkOnline",
         .kind = ControlKind::CheckBox,
         .caption = "Update bar graph online",
         .twips = {2700, 960, 2052, 252}},
        {.name = "picArea", .kind = ControlKind::Picture, .twips = {120, 1500, 3000, 1500}},
        {.container = "picArea",
         .name = "marker",
         .kind = ControlKind::Picture,
         .twips = {0, 0, 150, 150}},
    };
    return table;
}

class ZoomedForm : public ::testing::Test
{
protected:
    ZoomedForm()
        : form("ZoomForm", "Zoom", 4500, 3300)
    {
        host::layOut(form.client(), rows());
        area = form.control<host::PictureArea>("picArea");
        area->setScale(-10, 10, 10, -10);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    ~ZoomedForm() override { host::setProgramZoom(100); }

    QRect at(const QString &name) const { return form.control<QWidget>(name)->geometry(); }

    host::Form form;
    host::PictureArea *area;
};

TEST_F(ZoomedForm, EveryControlIsPlacedAtItsTwipsTimesTheZoomWithItsFontScaled)
{
    const double labelPoints = form.control<QLabel>("Label1")->font().pointSizeF();
    for (int percent : {200, 250, 75}) {
        host::setProgramZoom(percent);
        const double zoom = percent / 100.0;
        for (const ControlRow &row : rows()) {
            if (row.name == "marker")
                continue; // placed in user units below
            const QRect twips = row.twips;
            EXPECT_EQ(at(row.name),
                      QRect(host::twipsToPixels(twips.x(), zoom),
                            host::twipsToPixels(twips.y(), zoom),
                            host::twipsToPixels(twips.width(), zoom),
                            host::twipsToPixels(twips.height(), zoom)))
                << row.name.toStdString() << " at " << percent;
        }
        EXPECT_EQ(form.client()->size(), QSize(4500, 3300) * zoom / 15);
        // Within the few hundredths a caption may lose to keep its width.
        EXPECT_NEAR(form.control<QLabel>("Label1")->font().pointSizeF(), labelPoints * zoom,
                    0.02 * labelPoints * zoom);
    }
    EXPECT_THROW(host::setProgramZoom(110), std::exception);
    EXPECT_EQ(form.zoomPercent(), 75);
}

TEST_F(ZoomedForm, UserPointsStayWhereTheyWereOnThePicture)
{
    auto *marker = form.control<host::PictureArea>("marker");
    area->moveChild(marker, QPointF(2, 3));
    area->setForeColor(Qt::red);
    area->setDrawWidth(3);
    area->line(QPointF(-10, 0), QPointF(10, 0));
    host::setProgramZoom(250);
    // The scale keeps its corners, the child its place in user units.
    EXPECT_DOUBLE_EQ(area->scale().toUser(QPointF(0, 0)).x(), -10);
    EXPECT_DOUBLE_EQ(area->scale().toUser(QPointF(area->size().width(), 0)).x(), 10);
    EXPECT_EQ(area->childPosition(marker), QPointF(2, 3));
    EXPECT_EQ(marker->pos(), area->scale().toDevice(QPointF(2, 3)).toPoint());
    // The line, drawn again from its call: 3 pixels wide at 100 %, 7.5 now (not 3 stretched).
    const double y = area->scale().toDevice(QPointF(0, 0)).y();
    const QImage &image = area->image();
    const double ratio = image.devicePixelRatio();
    EXPECT_EQ(image.pixelColor(10, int((y + 3.4) * ratio)), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(10, int((y + 4.5) * ratio)), QColor(Qt::white));
    // A line drawn now is as wide.
    area->line(QPointF(-10, 5), QPointF(10, 5));
    const double y5 = area->scale().toDevice(QPointF(0, 5)).y();
    EXPECT_EQ(image.pixelColor(10, int((y5 + 3.4) * ratio)), QColor(Qt::red));
    // An image export holds the zoomed pixels, an SVG the picture at 100 %.
    EXPECT_EQ(host::pictureImage(area, 1).size(), QSize(500, 250));
    QSvgRenderer svg(host::pictureSvg(area));
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 200, 100));
}

// At every step a scroll bar is its picture at 100 % grown whole, arrows included, and a click
// finds the arrow where it is drawn; a caption that fits its room at 100 % still fits it.
TEST_F(ZoomedForm, ScrollBarsGrowWholeAndCaptionsKeepTheirLines)
{
    auto *bar = form.control<host::ScrollBar>("hsbLevel");
    auto *box = form.control<QCheckBox>("chkOnline");
    host::ZoomStyle style(QStyleFactory::create("Windows"));
    bar->setStyle(&style);
    box->setStyle(&style);
    auto arrow = [bar] {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Horizontal;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.pageStep = bar->pageStep();
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                            QStyle::SC_ScrollBarAddLine, bar);
    };
    auto captionRoom = [box] {
        QStyleOptionButton option;
        option.initFrom(box);
        return box->width()
            - box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).right() - 1
            - box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, box);
    };
    const QRect arrowAt100 = arrow();
    for (int percent : host::zoomSteps) {
        host::setProgramZoom(percent);
        const double zoom = percent / 100.0;
        EXPECT_NEAR(arrow().width(), arrowAt100.width() * zoom, 1) << percent;
        EXPECT_LE(QFontMetricsF(box->font()).horizontalAdvance(box->text()), captionRoom())
            << percent;
        const int before = bar->value();
        QTest::mouseClick(bar, Qt::LeftButton, {}, arrow().center());
        EXPECT_EQ(bar->value(), before + 1) << percent;
    }
    bar->setStyle(nullptr);
    box->setStyle(nullptr);
}

TEST(Zoom, AFormOpensAtTheLargestStepThatFitsTheScreen)
{
    // 1920 x 1200 at scale 2: 960 x 600 logical pixels, less a panel and the frame.
    const QSize room(960 - 16, 600 - 32 - 40);
    EXPECT_EQ(host::fittingZoom(100, QSizeF(818, 630), room), 75);
    EXPECT_EQ(host::fittingZoom(250, QSizeF(448, 629), QSize(1904, 1128)), 150);
    EXPECT_EQ(host::fittingZoom(150, QSizeF(818, 630), QSize(3840, 2160)), 150);
    EXPECT_EQ(host::fittingZoom(100, QSizeF(818, 630), QSize(300, 200)), 50);
    EXPECT_EQ(host::zoomStepAbove(300), 300);
    EXPECT_EQ(host::zoomStepBelow(125), 100);
}

} // namespace

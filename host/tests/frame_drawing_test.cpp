// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A frame drawn inside a batch paints only where it differs from the frame before: the
// picture is still every pixel of the picture drawn whole, also after a zoom step.

#include "host/forms/picture_area.h"
#include "host/numbers/fault.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>

namespace {

struct Square
{
    double x, y, side;
    bool red;
};

// A grid with its labels that never changes, and squares over it that change a few at a
// time, as the weight diagram and the sensory map do; a slanting line now and then.
void drawFrame(host::PictureArea &area, const std::vector<Square> &squares, bool slant,
               bool batched)
{
    std::optional<host::Canvas::Batch> batch;
    if (batched)
        batch.emplace(area);
    area.cls();
    area.setForeColor(Qt::darkGreen);
    for (int k = 0; k <= 10; ++k) {
        area.line(QPointF(k, 0), QPointF(k, 10));
        area.line(QPointF(0, k), QPointF(10, k));
        area.setCurrentPoint(QPointF(-0.9, k + 0.2));
        area.print(QString::number(k));
    }
    for (const Square &square : squares) {
        area.setForeColor(square.red ? Qt::red : Qt::blue);
        area.filledBox(QPointF(square.x, square.y),
                       QPointF(square.x + square.side, square.y + square.side));
    }
    if (slant) {
        area.setForeColor(Qt::black);
        area.line(QPointF(0.3, 0.2), QPointF(9.7, 6.1));
    }
}

QImage replayed(const host::PictureArea &area)
{
    QImage image(area.image().size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(area.image().devicePixelRatio());
    QPainter painter(&image);
    area.replay(painter);
    return image;
}

void setUpArea(host::PictureArea &area)
{
    area.resize(230, 190);
    area.show();
    area.setBackColor(Qt::white);
    area.setScale(-1, 10.5, 10.5, -0.5);
}

TEST(FrameDrawing, AFrameDrawnInPlacesShowsThePixelsOfTheWholeDrawing)
{
    host::PictureArea inPlaces;
    host::PictureArea whole;
    setUpArea(inPlaces);
    setUpArea(whole);
    std::mt19937 random(23);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<Square> squares;
    for (int n = 0; n < 60; ++n)
        squares.push_back({n % 10 + 0.5, n / 10 + 0.5, 0.5, n % 3 == 0});
    for (int frame = 0; frame < 80; ++frame) {
        // A few squares change, by a little or by much; some frames change none.
        const int changes = frame % 7 == 0 ? 0 : 1 + int(unit(random) * 4);
        for (int c = 0; c < changes; ++c) {
            Square &square = squares[size_t(unit(random) * double(squares.size()))];
            square.side = unit(random) < 0.2 ? 2.5 * unit(random) : square.side + unit(random) / 50;
            square.x = std::floor(square.x) + 0.5 - square.side / 2;
            square.y = std::floor(square.y) + 0.5 - square.side / 2;
            square.red = unit(random) < 0.5;
        }
        const bool slant = frame % 11 == 5;
        if (frame == 40)
            for (host::PictureArea *area : {&inPlaces, &whole}) {
                area->setZoom(2);
                area->resize(460, 380);
                area->finishZoom();
            }
        if (frame == 60)
            for (host::PictureArea *area : {&inPlaces, &whole})
                area->setBackColor(Qt::yellow);
        drawFrame(inPlaces, squares, slant, true);
        drawFrame(whole, squares, slant, false);
        if (frame == 50) // the area takes a new size inside a batch, with a frame waiting
            for (host::PictureArea *area : {&inPlaces, &whole}) {
                host::Canvas::Batch batch(*area);
                area->resize(470, 390);
                area->setScale(-1, 10.5, 10.5, -0.5);
            }
        // Frames in between wait, and are painted together when the image is looked at.
        if (frame % 3 == 2 || frame == 50) {
            ASSERT_EQ(inPlaces.image(), whole.image()) << "frame " << frame;
        }
        // Drawn at the old size into the new, the picture is no longer what its calls draw.
        if (frame % 3 == 2 && frame != 50) {
            ASSERT_EQ(replayed(inPlaces), inPlaces.image()) << "frame " << frame;
        }
    }
}

// A call a frame refuses faults as it does outside a frame, and what came before it shows.
TEST(FrameDrawing, ARefusedCallInAFrameFaultsAndTheFrameShowsUpToIt)
{
    host::PictureArea inPlaces;
    host::PictureArea whole;
    setUpArea(inPlaces);
    setUpArea(whole);
    const std::vector<Square> squares {{2, 2, 3, true}};
    for (host::PictureArea *area : {&inPlaces, &whole}) {
        drawFrame(*area, squares, false, area == &inPlaces);
        drawFrame(*area, squares, false, area == &inPlaces);
        host::Canvas::Batch batch(*area);
        area->cls();
        area->filledBox(QPointF(1, 1), QPointF(4, 3));
        EXPECT_THROW(area->filledBox(QPointF(0, 0), QPointF(std::nan(""), 1)), host::Fault);
    }
    EXPECT_EQ(inPlaces.image(), whole.image());
}

} // namespace

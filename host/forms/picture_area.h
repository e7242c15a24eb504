// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/canvas.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QMenu;

namespace host {

// A picture area: a widget that keeps its drawing in a persistent image (at the screen's
// device pixel ratio) until it is cleared, and shows it when refreshed. Mouse handlers
// (events.h) receive positions in the area's user units; child pictures are moved in user
// units too. A small area with only a back colour serves as a colour swatch, a marker box
// or, with a picture, an image control. Every area keeps a record of its drawing since it was
// last cleared. Its right button opens the menu it was given: the layout table gives every
// area it makes the menu that exports it (export_menu.h).
class PictureArea : public QWidget, public Canvas
{
    Q_OBJECT

public:
    explicit PictureArea(QWidget *parent = nullptr);

    void setBackColor(QColor color) override; // clears the area to the new colour, shown now
    // Shows an image at the top-left corner, kept as part of the persistent drawing.
    void setPicture(const QImage &picture);

    // The zoom of the area's form: a zoom step sets it before the area takes its new size, and
    // finishes it after. The drawing is made again at the new size from the calls that made
    // it (the program then draws from its state); a scale set in user units keeps its corners,
    // so that every user point stays where it was on the picture. Line widths, markers and
    // text follow the zoom.
    void setZoom(double zoom);
    void finishZoom();
    double zoom() const { return m_zoom; }

    // Repaints now what was drawn or moved since the last refresh (children included), so
    // progress shows inside a handler that does not yield.
    void refresh();

    // Places a child widget with its top-left corner at a point in user units.
    void moveChild(QWidget *child, QPointF topLeft);
    // The fault moveChild raises for a place it cannot put a child (not finite, or beyond
    // what the scale can draw), for a handler that checks a place before it changes anything.
    void checkChildPlace(QPointF topLeft) const;
    QPointF childPosition(const QWidget *child) const;

    // The colour drawn at a point in user units (what the user sees there).
    QColor pixelAt(QPointF user) const;
    const QImage &image() const;

    // What a right click opens: a menu made for the area, deleted when it closes. Without
    // one a right click does nothing (it never reaches the control the area lies on).
    using MenuMaker = std::function<QMenu *(PictureArea *)>;
    void setRightClickMenu(MenuMaker makeMenu) { m_rightClickMenu = std::move(makeMenu); }

protected:
    void prepareDevice() override;
    void beginBatch() override;
    void endBatch() override;
    void paint(const DrawCall &call) override;
    void checkCall(const DrawCall &call) const override;
    bool keepsFrames() const override { return true; }
    void showFrame(Frame &shown, const Frame &next) override;
    double deviceUnitsPerDrawWidth() const override { return m_zoom; }
    double lineHeight(const QFont &font) const override;
    QFont deviceFont(const QFont &font) const override;
    QImage snapshot() const override { return image().copy(); }

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // The area takes its presses for itself: they never reach the control it lies on.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // A right click opens the area's menu (setRightClickMenu).
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void allocateImage();
    // Paints the frame that waits, if one does, into the image (see m_painted).
    void paintWaitingFrame();
    // Paints into the image, which shows one frame, where the next differs from it.
    void paintFrameChange(QPainter &painter, const Frame &shown, const Frame &next);
    // Draws a frame's calls again within a place: from the image kept of what lies under its
    // changing calls where that holds, else from the back colour.
    void repaintWithin(QPainter &painter, const QRect &place, const Frame &next);
    // Keeps an image of the back colour and the first calls of a frame.
    void keepUnderImage(const Frame &next, size_t calls);
    // Whether a repaint at once can be seen (else it waits for the event loop or the next).
    bool repaintSeen();
    // Runs a change of the whole image with no batch painter open on it.
    void withImageFree(const std::function<void()> &change);

    QImage m_image;
    QImage m_picture;
    QRegion m_dirty; // drawn or moved since the last refresh
    std::unique_ptr<QPainter> m_batch; // open while a batch of drawing runs
    QRect m_batchBounds; // drawn in the batch so far
    // What lies under the calls that change from frame to frame: the back colour and the
    // frame's first m_underCalls calls, while the record's generation is m_underGeneration.
    QImage m_under;
    size_t m_underCalls = 0;
    unsigned m_underGeneration = 0;
    size_t m_lastSameCalls = 0; // how many first calls the last frame had in common
    std::vector<QRect> m_damage; // kept for its capacity
    // A frame is painted into the image only when something looks at it: a paint event, a
    // pixel read, a copy, or a drawing on top of it. Frames shown in a row faster than a
    // screen shows them (a learning run's diagram after each presentation) are then painted
    // once. While one waits, the image shows m_painted, and the frame to show is the record's,
    // from the record's generation m_waitingGeneration.
    bool m_frameWaits = false;
    Frame m_painted;
    unsigned m_waitingGeneration = 0;
    MenuMaker m_rightClickMenu;
    double m_zoom = 1;
    std::optional<double> m_zoomFrom; // a zoom step under way, from this zoom
};

} // namespace host

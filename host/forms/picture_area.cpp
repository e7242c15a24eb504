// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/picture_area.h"

#include "host/forms/zoom.h"

#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"

#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <span>
#include <utility>

namespace host {

namespace {

// The whole pixels a drawing touches within the area, cut to it before rounding (far outside
// it no whole number holds them).
QRect pixelsWithin(const QRectF &bounds, const QRect &area)
{
    return (bounds & QRectF(area)).toAlignedRect();
}

// Adds a place to a few rectangles that cover all places, joining it with those it touches
// or comes near; many places become the one rectangle around them all.
void addPlace(std::vector<QRect> &places, QRect place)
{
    constexpr int near = 8;
    constexpr size_t most = 16;
    if (place.isEmpty())
        return;
    for (auto joined = places.begin(); joined != places.end();) {
        if (joined->adjusted(-near, -near, near, near).intersects(place)) {
            place |= *joined;
            places.erase(joined);
            joined = places.begin();
        } else
            ++joined;
    }
    places.push_back(place);
    if (places.size() > most) {
        for (const QRect &other : places)
            place |= other;
        places.assign(1, place);
    }
}

} // namespace

PictureArea::PictureArea(QWidget *parent)
    : QWidget(parent)
    , Canvas(QSizeF(1, 1))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setRecording(true);
    allocateImage();
}

void PictureArea::withImageFree(const std::function<void()> &change)
{
    if (m_batch)
        m_batch->end();
    change();
    if (m_batch)
        m_batch->begin(&m_image);
}

void PictureArea::beginBatch()
{
    prepareDevice();
    m_batch = std::make_unique<QPainter>(&m_image);
}

void PictureArea::endBatch()
{
    m_batch.reset();
    m_dirty += m_batchBounds;
    update(m_batchBounds);
    m_batchBounds = QRect();
}

void PictureArea::allocateImage()
{
    // Drawn again from the record at a zoom step, else kept as the image shows it.
    if (m_zoomFrom)
        m_frameWaits = false;
    else
        paintWaitingFrame();
    qreal ratio = devicePixelRatioF();
    QImage image(size().expandedTo(QSize(1, 1)) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(backColor());
    const double zoomWas = m_zoomFrom.value_or(m_zoom);
    if (!m_image.isNull()) {
        QPainter painter(&image);
        if (m_zoomFrom) {
            // Drawn again at the new size from the calls that made it: crisp, not scaled up.
            painter.scale(m_zoom / zoomWas, m_zoom / zoomWas);
            replay(painter);
        } else {
            painter.drawImage(QPointF(0, 0), m_image);
            recordNoLongerShown();
        }
    }
    m_image = image;
    m_dirty += rect();
    const UserScale twipsScale(scale().deviceSize(), 0, 0,
                               scale().deviceSize().width() * 15 / zoomWas,
                               scale().deviceSize().height() * 15 / zoomWas);
    bool customScale = !(scale() == twipsScale);
    resizeDevice(QSizeF(size().expandedTo(QSize(1, 1))));
    if (!customScale)
        setScale(0, 0, width() * 15.0 / m_zoom, height() * 15.0 / m_zoom);
    if (m_zoomFrom) {
        scaleRecord(m_zoom / zoomWas);
        m_zoomFrom.reset();
    }
}

void PictureArea::setZoom(double zoom)
{
    if (zoom == m_zoom)
        return;
    if (!m_zoomFrom)
        m_zoomFrom = m_zoom;
    m_zoom = zoom;
}

void PictureArea::finishZoom()
{
    if (!m_zoomFrom)
        return;
    settleFrame();
    withImageFree([this] { allocateImage(); });
}

QFont PictureArea::deviceFont(const QFont &font) const { return zoomedFont(font, m_zoom); }

// A hidden widget placed with setGeometry gets its resize event only when first shown; the
// image follows the widget's size before any drawing or placing in user units.
void PictureArea::prepareDevice()
{
    if (m_image.size() == size().expandedTo(QSize(1, 1)) * devicePixelRatioF())
        return;
    settleFrame();
    withImageFree([this] { allocateImage(); });
}

void PictureArea::setBackColor(QColor color)
{
    prepareDevice();
    settleFrame();
    Canvas::setBackColor(color);
    m_frameWaits = false;
    withImageFree([this, color] { m_image.fill(color); });
    restartRecord();
    m_dirty += rect();
    if (!m_picture.isNull())
        setPicture(m_picture);
    refresh(); // a new back colour shows at once, also inside a handler that does not yield
}

void PictureArea::setPicture(const QImage &picture)
{
    m_picture = picture;
    draw({.kind = DrawCall::Kind::Image,
          .rect = QRectF(QPointF(0, 0), QSizeF()),
          .image = picture,
          .bounds = QRectF(QPointF(0, 0), picture.deviceIndependentSize())});
}

void PictureArea::refresh()
{
    // What a batch drew so far shows too.
    settleFrame();
    m_dirty += std::exchange(m_batchBounds, QRect());
    if (m_dirty.isEmpty())
        return;
    const QRegion dirty = std::exchange(m_dirty, QRegion());
    if (repaintSeen())
        repaint(dirty);
    else
        update(dirty);
}

bool PictureArea::repaintSeen()
{
    // No screen shows much more than a hundred pictures a second: an area of a window that
    // repainted an area sooner before waits for the next repaint (which paints all that
    // waits) or for the event loop.
    constexpr qint64 shortestFrameNs = 8'000'000;
    constexpr const char *lastRepaint = "host.lastAreaRepaintNs";
    static const QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    const qint64 now = clock.nsecsElapsed();
    const QVariant last = window()->property(lastRepaint);
    if (last.isValid() && now - last.toLongLong() < shortestFrameNs)
        return false;
    if (isVisible())
        window()->setProperty(lastRepaint, now);
    return true;
}

void PictureArea::checkChildPlace(QPointF topLeft) const
{
    // A child goes only where the area can draw: its position is a whole number of pixels.
    if (!scale().drawablePoint(topLeft))
        throw Fault(Fault::Kind::Invalid,
                    "(" + doubleText(topLeft.x()) + ", " + doubleText(topLeft.y())
                        + ") is no place this display can show: it lies beyond what its scale "
                          "can draw.");
}

void PictureArea::moveChild(QWidget *child, QPointF topLeft)
{
    prepareDevice();
    checkChildPlace(topLeft);
    const QPointF device = scale().toDevice(topLeft);
    m_dirty += child->geometry();
    child->move(int(std::lround(device.x())), int(std::lround(device.y())));
    m_dirty += child->geometry();
    child->setProperty("userPosition", topLeft);
    child->setProperty("userPositionPixels", child->pos());
}

QPointF PictureArea::childPosition(const QWidget *child) const
{
    // The position given to moveChild, while the child is still where that put it.
    if (child->property("userPositionPixels").toPoint() == child->pos()
        && child->property("userPosition").isValid())
        return child->property("userPosition").toPointF();
    // Read back from pixels, the division leaves digits no pixel resolves (2579.9999999999995
    // for 2580): twelve significant digits are far finer than a pixel.
    const QPointF at = scale().toUser(QPointF(child->pos()));
    auto trimmed = [](double value) { return QString::number(value, 'g', 12).toDouble(); };
    return {trimmed(at.x()), trimmed(at.y())};
}

const QImage &PictureArea::image() const
{
    // The image is a picture of the record, painted when first looked at.
    const_cast<PictureArea *>(this)->paintWaitingFrame();
    return m_image;
}

QColor PictureArea::pixelAt(QPointF user) const
{
    const QImage &shown = image();
    QPointF device = scale().toDevice(user) * shown.devicePixelRatio();
    // The nearest pixel of the image, clamped before it becomes an integer (and 0 for a NaN).
    auto index = [](double at, int size) {
        return at >= 0 ? int(std::min(std::floor(at), double(size - 1))) : 0;
    };
    return shown.pixelColor(index(device.x(), shown.width()), index(device.y(), shown.height()));
}

void PictureArea::checkCall(const DrawCall &call) const
{
    if (!UserScale::reaches(call.bounds, std::numeric_limits<double>::max()))
        throw Fault(Fault::Kind::Invalid,
                    "A drawing was refused: it reaches a place that is not a finite number.");
}

void PictureArea::paint(const DrawCall &call)
{
    prepareDevice();
    checkCall(call);
    paintWaitingFrame();
    const QRect touched = pixelsWithin(call.bounds, rect());
    if (m_batch) {
        call.paint(*m_batch);
        m_batchBounds |= touched; // one dirty rectangle and one update when the batch ends
        return;
    }
    QPainter painter(&m_image);
    call.paint(painter);
    m_dirty += touched;
    update(touched);
}

void PictureArea::showFrame(Frame &shown, const Frame &)
{
    // Always inside a batch, whose end asks for a repaint of what it touched.
    if (!m_frameWaits)
        std::swap(m_painted, shown);
    m_frameWaits = true;
    m_waitingGeneration = recordGeneration();
    m_batchBounds |= rect();
}

void PictureArea::paintWaitingFrame()
{
    if (!std::exchange(m_frameWaits, false))
        return;
    // The record starts again only at a clear, which paints the whole image anew.
    if (m_waitingGeneration != recordGeneration())
        return;
    // The batch's painter, unless a change of the whole image has set it aside.
    if (m_batch && m_batch->isActive())
        paintFrameChange(*m_batch, m_painted, recordedFrame());
    else {
        QPainter painter(&m_image);
        paintFrameChange(painter, m_painted, recordedFrame());
    }
}

void PictureArea::paintFrameChange(QPainter &painter, const Frame &shown, const Frame &next)
{
    const size_t common = std::min(shown.calls.size(), next.calls.size());
    size_t same = 0;
    if (shown.back == next.back)
        while (same < common && shown.calls[same] == next.calls[same])
            ++same;
    const size_t lastSame = std::exchange(m_lastSameCalls, same);
    const QRect area = rect();
    const qreal ratio = m_image.devicePixelRatio();
    // A whole number of pixels per unit, so that a place is whole pixels on the image too.
    bool inPlaces = shown.back == next.back && ratio == std::floor(ratio);

    // The places that change: each call that differs, where it was and where it is now.
    m_damage.clear();
    for (size_t i = same; inPlaces && i < std::max(shown.calls.size(), next.calls.size()); ++i) {
        if (i < common && shown.calls[i] == next.calls[i])
            continue;
        for (const Frame *frame : {&shown, &next})
            if (i < frame->calls.size())
                addPlace(m_damage, pixelsWithin(frame->calls[i].bounds, area));
    }
    if (m_underGeneration != recordGeneration() || m_underCalls > same)
        m_under = QImage();
    if (inPlaces && m_under.isNull() && same > 0 && same == lastSame)
        keepUnderImage(next, same);
    const size_t from = m_under.isNull() ? 0 : m_underCalls;
    // A slanting line drawn again within a place could take other pixels at its edge.
    for (size_t i = from; inPlaces && i < next.calls.size(); ++i) {
        const DrawCall &call = next.calls[i];
        if (call.kind == DrawCall::Kind::Line && call.line.dx() != 0 && call.line.dy() != 0)
            inPlaces = std::none_of(m_damage.begin(), m_damage.end(), [&](const QRect &place) {
                return call.bounds.intersects(QRectF(place));
            });
    }
    if (!inPlaces) {
        painter.fillRect(QRectF(area), next.back);
        paintCalls(painter, next.calls);
        return;
    }
    for (const QRect &place : m_damage)
        repaintWithin(painter, place, next);
}

void PictureArea::repaintWithin(QPainter &painter, const QRect &place, const Frame &next)
{
    painter.setClipRect(place);
    size_t from = 0;
    if (m_under.isNull())
        painter.fillRect(QRectF(rect()), next.back);
    else {
        const int ratio = int(m_image.devicePixelRatio());
        const QRect pixels(place.topLeft() * ratio, place.size() * ratio);
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            std::memcpy(m_image.scanLine(y) + pixels.left() * 4,
                        m_under.constScanLine(y) + pixels.left() * 4, size_t(pixels.width()) * 4);
        from = m_underCalls;
    }
    const QRectF within(place);
    paintCalls(painter, std::span(next.calls).subspan(from), &within);
    painter.setClipping(false);
}

void PictureArea::keepUnderImage(const Frame &next, size_t calls)
{
    m_under = QImage(m_image.size(), QImage::Format_RGB32);
    m_under.setDevicePixelRatio(m_image.devicePixelRatio());
    QPainter painter(&m_under);
    painter.fillRect(QRectF(rect()), next.back);
    paintCalls(painter, std::span(next.calls).first(calls));
    m_underCalls = calls;
    m_underGeneration = recordGeneration();
}

double PictureArea::lineHeight(const QFont &font) const
{
    return QFontMetricsF(font, this).lineSpacing();
}

void PictureArea::paintEvent(QPaintEvent *event)
{
    paintWaitingFrame();
    QPainter painter(this);
    qreal ratio = m_image.devicePixelRatio();
    for (const QRect &exposed : event->region())
        painter.drawImage(
            exposed, m_image,
            QRectF(QPointF(exposed.topLeft()) * ratio, QSizeF(exposed.size()) * ratio));
}

void PictureArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    settleFrame();
    withImageFree([this] { allocateImage(); });
}

void PictureArea::mousePressEvent(QMouseEvent *event) { event->accept(); }

void PictureArea::mouseMoveEvent(QMouseEvent *event) { event->accept(); }

void PictureArea::mouseReleaseEvent(QMouseEvent *event) { event->accept(); }

void PictureArea::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    if (!m_rightClickMenu)
        return;
    QMenu *menu = m_rightClickMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

} // namespace host

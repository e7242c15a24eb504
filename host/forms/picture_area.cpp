// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/forms/picture_area.h"

#include "host/forms/zoom.h"

#include "host/numbers/fault.h"
#include "host/numbers/number_text.h"

#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>
#include <limits>
#include <utility>

namespace host {

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
    if (m_batchDepth++ == 0) {
        prepareDevice();
        m_batch = std::make_unique<QPainter>(&m_image);
    }
}

void PictureArea::endBatch()
{
    if (--m_batchDepth > 0)
        return;
    m_batch.reset();
    m_dirty += m_batchBounds;
    update(m_batchBounds);
    m_batchBounds = QRect();
}

void PictureArea::allocateImage()
{
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
        } else
            painter.drawImage(QPointF(0, 0), m_image);
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
    if (m_zoomFrom)
        withImageFree([this] { allocateImage(); });
}

QFont PictureArea::deviceFont(const QFont &font) const { return zoomedFont(font, m_zoom); }

// A hidden widget placed with setGeometry gets its resize event only when first shown; the
// image follows the widget's size before any drawing or placing in user units.
void PictureArea::prepareDevice()
{
    if (m_image.size() != size().expandedTo(QSize(1, 1)) * devicePixelRatioF())
        withImageFree([this] { allocateImage(); });
}

void PictureArea::setBackColor(QColor color)
{
    prepareDevice();
    Canvas::setBackColor(color);
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
    draw([picture](QPainter &painter) { painter.drawImage(QPointF(0, 0), picture); },
         QRectF(QPointF(0, 0), picture.deviceIndependentSize()));
}

void PictureArea::refresh()
{
    // What a batch drew so far shows too.
    m_dirty += std::exchange(m_batchBounds, QRect());
    if (m_dirty.isEmpty())
        return;
    QRegion dirty = m_dirty;
    m_dirty = QRegion();
    repaint(dirty);
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

QColor PictureArea::pixelAt(QPointF user) const
{
    QPointF device = scale().toDevice(user) * m_image.devicePixelRatio();
    // The nearest pixel of the image, clamped before it becomes an integer (and 0 for a NaN).
    auto index = [](double at, int size) {
        return at >= 0 ? int(std::min(std::floor(at), double(size - 1))) : 0;
    };
    return m_image.pixelColor(index(device.x(), m_image.width()),
                              index(device.y(), m_image.height()));
}

void PictureArea::paint(const std::function<void(QPainter &)> &painting, const QRectF &bounds)
{
    prepareDevice();
    if (!UserScale::reaches(bounds, std::numeric_limits<double>::max()))
        throw Fault(Fault::Kind::Invalid,
                    "A drawing was refused: it reaches a place that is not a finite number.");
    // Cut to the area before rounding to whole pixels, which far outside it do not exist.
    const QRect touched = (bounds & QRectF(rect())).toAlignedRect();
    if (m_batch) {
        painting(*m_batch);
        m_batchBounds |= touched; // one dirty rectangle and one update when the batch ends
        return;
    }
    QPainter painter(&m_image);
    painting(painter);
    m_dirty += touched;
    update(touched);
}

double PictureArea::lineHeight(const QFont &font) const
{
    return QFontMetricsF(font, this).lineSpacing();
}

void PictureArea::paintEvent(QPaintEvent *event)
{
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

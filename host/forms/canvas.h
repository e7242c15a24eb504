// SPDX-FileCopyrightText: 2026 The neurosims developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/forms/draw_call.h"
#include "host/forms/user_scale.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace host {

// One drawing API in user units over any surface: a picture area's persistent image or the
// printer page. It keeps the state the programs rely on: the scale, the current point
// (where the last line ended, where text is printed), the fore, fill and back colours, the
// line width and the text font. A surface only has to paint in its device units.
class Canvas
{
public:
    virtual ~Canvas() = default;

    void setScale(double left, double top, double right, double bottom);
    const UserScale &scale() const { return m_scale; }
    double scaleLeft() const { return m_scale.left(); }
    double scaleTop() const { return m_scale.top(); }
    double scaleWidth() const { return m_scale.width(); }
    double scaleHeight() const { return m_scale.height(); }

    // Clears to the back colour; the current point goes to (0, 0).
    void cls();

    // Lines leave the current point at their end.
    void line(QPointF from, QPointF to);
    void lineTo(QPointF to);
    void lineBy(QPointF offset); // from the current point
    void lineFromBy(QPointF from, QPointF offset);
    // Outline in the fore colour; the inside in the fill colour when this canvas fills boxes.
    void box(QPointF corner, QPointF opposite);
    // The same with the second corner relative to the first.
    void boxBy(QPointF corner, QPointF offset) { box(corner, corner + offset); }
    // The whole box in the fore colour.
    void filledBox(QPointF corner, QPointF opposite);
    // Text with its top-left at the current point; the current point then moves to the
    // start of the next text line (x back to the scale's left edge).
    void print(const QString &text);

    QPointF currentPoint() const { return m_current; }
    double currentX() const { return m_current.x(); }
    double currentY() const { return m_current.y(); }
    void setCurrentPoint(QPointF point) { m_current = point; }
    void setCurrentX(double x) { m_current.setX(x); }
    void setCurrentY(double y) { m_current.setY(y); }

    QColor foreColor() const { return m_fore; }
    void setForeColor(QColor color) { m_fore = color; }
    QColor fillColor() const { return m_fill; }
    void setFillColor(QColor color) { m_fill = color; }
    bool fillsBoxes() const { return m_fillsBoxes; }
    void setFillsBoxes(bool fills) { m_fillsBoxes = fills; }
    QColor backColor() const { return m_back; }
    virtual void setBackColor(QColor color) { m_back = color; }
    int drawWidth() const { return m_drawWidth; }
    void setDrawWidth(int width);
    QFont font() const { return m_font; }
    void setFontName(const QString &family);
    void setFontSize(double points);

    // Draws again, onto another painter in the same device units, what this canvas drew since
    // it was last cleared: the same calls, so a vector file or an image at another resolution
    // shows the same picture. Empty (only the back colour) unless the surface keeps a record.
    void replay(QPainter &painter) const;
    // The drawing calls kept for replay (a long record is folded into an image of the
    // surface, so that it never holds more than maxRecordedCalls).
    std::size_t recordedCalls() const { return m_record.shown.calls.size(); }
    static constexpr std::size_t maxRecordedCalls = 20000;

    // Holds the surface open while it lives, for many primitives drawn in a row (a whole map
    // with its grid): one set-up instead of one per line or box; what is drawn is the same.
    // A cls inside a batch, on a surface that keeps frames, begins a frame: its calls are
    // kept until the batch ends, and the surface then paints only where they differ from what
    // it shows.
    class Batch
    {
    public:
        explicit Batch(Canvas &canvas)
            : m_canvas(canvas)
        {
            m_canvas.openBatch();
        }
        ~Batch() { m_canvas.closeBatch(); }
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        Canvas &m_canvas;
    };

protected:
    // What a surface shows: its back colour and the calls drawn on it since.
    struct Frame
    {
        QColor back = Qt::white;
        std::vector<DrawCall> calls;
    };

    explicit Canvas(QSizeF deviceSize);

    // The outermost batch opens and closes the surface.
    virtual void beginBatch() { }
    virtual void endBatch() { }

    // Brings the device size up to date before user units are mapped onto it.
    virtual void prepareDevice() { }
    // Paints a call in device units (the scale maps user units onto them) within its bounds.
    // A picture area paints into its image at once; the printer page keeps the call for later.
    virtual void paint(const DrawCall &call) = 0;
    // Refuses a call as paint would, for a call kept in a frame to be painted later.
    virtual void checkCall(const DrawCall &) const { }
    // A surface that keeps frames shows the next one where it differs from the one it shows;
    // it is asked only while the record draws exactly what the surface shows, and the record
    // already holds the next frame. It may take the calls of the one it shows (they are
    // dropped after).
    virtual bool keepsFrames() const { return false; }
    virtual void showFrame(Frame &, const Frame &) { }
    // Shows the frame under way now, so that the surface shows all that was drawn.
    void settleFrame();
    // Device units of one line width unit.
    virtual double deviceUnitsPerDrawWidth() const = 0;
    // Height of one text line in device units, for the given font.
    virtual double lineHeight(const QFont &font) const = 0;
    // The font as the surface draws it (a size in its device units).
    virtual QFont deviceFont(const QFont &font) const = 0;
    void resizeDevice(QSizeF deviceSize)
    {
        m_scale = m_scale.resized(deviceSize);
        m_text.reset(); // a new screen may measure text otherwise
    }

    // Paints as paint() does and keeps the call for replay when the surface records.
    void draw(DrawCall call);
    // A surface that shows its drawing keeps a record of it (the printer page keeps its own).
    void setRecording(bool recording) { m_record.on = recording; }
    // The surface was cleared to the back colour: the record starts again from there.
    void restartRecord();
    // The surface was drawn again larger or smaller by a factor: the record draws so too.
    void scaleRecord(double factor);
    // The surface changed otherwise than by the record's calls (it took a new size): the
    // record still replays, but a frame is no longer compared with it.
    void recordNoLongerShown()
    {
        m_record.exact = false;
        ++m_record.generation;
    }
    // Changes whenever the record stops being the calls of the frame before plus the calls
    // after it, so that a surface knows when what it kept of a frame no longer holds.
    unsigned recordGeneration() const { return m_record.generation; }
    // The last frame shown, as the record holds it.
    const Frame &recordedFrame() const { return m_record.shown; }
    // The surface as it looks now (at its own resolution), for a record grown too long to
    // keep call by call.
    virtual QImage snapshot() const { return {}; }

private:
    QRectF deviceArea() const { return QRectF(QPointF(), m_scale.deviceSize()); }
    // Device bounds of a stroke around a rectangle, wide enough for the pen and its caps.
    QRectF strokeBounds(const QRectF &rect, double penWidth) const;
    void drawBox(QPointF corner, QPointF opposite, QColor inside);
    void prepareUnlessFraming();
    void openBatch();
    void closeBatch();
    void foldLongRecord();

    // What was drawn since the last clear: the surface's image then (or nothing: it was the
    // back colour) and the calls after it. It is exact while the surface shows just that.
    struct Record
    {
        bool on = false;
        bool exact = true;
        unsigned generation = 0;
        QImage base;
        Frame shown;
    };

    UserScale m_scale;
    QPointF m_current;
    QColor m_fore = Qt::black;
    QColor m_fill = Qt::black;
    QColor m_back = Qt::white;
    bool m_fillsBoxes = false;
    int m_drawWidth = 1;
    QFont m_font;
    Record m_record;
    struct TextFont
    {
        QFont font;
        double unit;
        QFont drawn;
        double height;
    };
    std::optional<TextFont> m_text;
    int m_batchDepth = 0;
    bool m_framing = false; // a frame is under way: its calls go to m_next
    Frame m_next;
};

} // namespace host

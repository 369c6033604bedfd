#pragma once
// The drawing surface on a QImage: aliased QPainter drawing in black, glyphs
// from a GlyphSet, and invert drawing that undoes itself when repeated.

#include "platform/QtCanvasCommon.h"

#include <QImage>
#include <QPainter>
#include <QPointF>

namespace sorn {

class GlyphSet;

class QtCanvas : public QtCanvasCommon {
public:
    // Paints `image` (Format_RGB32) from construction to destruction. The
    // image must stay alive and must not be resized, assigned or written to
    // by anyone else meanwhile; read it once the canvas is gone. Starts with
    // line width 1, transparent fill and copy drawing.
    QtCanvas(QImage& image, const GlyphSet& glyphs);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    // Everything drawn from now on, Clear included, stays inside `area`:
    // what lies outside is left as it was.
    void ClipTo(const QRect& area);

    void Clear() override;

    void Line(float x1, float y1, float x2, float y2) override;
    void LineBy(float dx, float dy) override;
    void Box(float x, float y, float width, float height) override;
    void Circle(float cx, float cy, float r) override;
    void Arc(float cx, float cy, float r, float a1, float a2) override;
    void Point(float x, float y) override;
    void Glyph(GlyphKey key, Rect source, Rect target, GlyphMode mode) override;
    void Text(std::string_view text, float x, float y) override;

    float Width() const override;
    float Height() const override;

private:
    // Returns the painter an operation draws with. In invert mode that is a
    // painter on a white scratch image covering `bounds`, which End() then
    // exclusive-ors onto the image, so overlapping strokes of one operation
    // (a disc's outline and fill) invert a pixel once, not twice.
    QPainter& Begin(const QRectF& bounds);
    void End();
    void SetUpPen(QPainter& p, bool fill) const;

    QImage& image_;
    const GlyphSet& glyphs_;
    QPainter painter_;
    QImage scratch_;
    QPainter scratchPainter_;
    QRect scratchArea_;
};

} // namespace sorn

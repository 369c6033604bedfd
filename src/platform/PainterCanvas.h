#pragma once
// The drawing surface on any paint device at any scale: the same page and
// screen coordinates as QtCanvas, drawn as antialiased vectors, the glyphs
// as the font outlines GlyphSet placed for its bitmaps.

#include "platform/GlyphSet.h"
#include "platform/QtCanvasCommon.h"

#include <QBrush>
#include <QPainterPath>
#include <QPointF>
#include <array>
#include <map>
#include <span>
#include <vector>

class QPainter;

namespace sorn {

class PainterCanvas : public QtCanvasCommon {
public:
    // Draws with `painter`, whose transform maps the canvas's coordinates
    // (0, 0)..(width, height) onto its device; the painter must stay active
    // while the canvas lives. Its state is restored when the canvas goes.
    PainterCanvas(QPainter& painter, float width, float height, const GlyphSet& glyphs);
    ~PainterCanvas() override;
    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;

    void Clear() override;

    void Line(float x1, float y1, float x2, float y2) override;
    void LineBy(float dx, float dy) override;
    void Box(float x, float y, float width, float height) override;
    void Circle(float cx, float cy, float r) override;
    void Arc(float cx, float cy, float r, float a1, float a2) override;
    void Point(float x, float y) override;
    void Glyph(GlyphKey key, Rect source, Rect target, GlyphMode mode) override;
    void Text(std::string_view text, float x, float y) override;

    // In a PDF, draws the glyphs' font outlines as the fonts' characters
    // from now on: the fonts are embedded once, but each use is a few bytes.
    void SetGlyphsAsText(bool asText) { glyphsAsText_ = asText && pdf_; }
    // The outline elements drawn for glyphs so far.
    qsizetype GlyphElementsDrawn() const { return glyphElements_; }

    float Width() const override { return width_; }
    float Height() const override { return height_; }

private:
    // Strokes (and fills) a shape in black, or in invert mode inverts the
    // area it covers once, however its outline and fill overlap.
    void Ink(const QPainterPath& shape, bool fillable);

    // The pieces of a glyph that reach into a cell, thickened and cut to it,
    // made once per key and cell: the SVG writer ignores clipping, and
    // cutting outlines is slow.
    const std::vector<QPainterPath>& CutInk(GlyphKey key, const QRect& cell,
                                            std::span<const GlyphOutline::Piece* const> pieces);

    QPainter& painter_;
    const GlyphSet& glyphs_;
    // One brush for all ink: the painter knows it unchanged only when it is
    // the same brush, and a PDF or SVG repeats a changed brush's state.
    const QBrush ink_{Qt::black};
    float width_;
    float height_;
    bool canInvert_ = false;
    bool clipByHand_ = false;
    bool pdf_ = false;
    bool glyphsAsText_ = false;
    qsizetype glyphElements_ = 0;
    std::map<std::array<int, 5>, std::vector<QPainterPath>> cutInk_;
};

} // namespace sorn

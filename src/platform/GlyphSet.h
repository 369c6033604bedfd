#pragma once
// The ten symbols every canvas paints from, taken once from the music and
// serif fonts and sized for a staff whose lines are 8 pixels apart: as
// outlines, and as bitmaps painted from them the first time one is asked
// for (a PDF never needs them).

#include "render/Canvas.h"

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <QTransform>
#include <array>
#include <mutex>
#include <vector>

namespace sorn {

// A glyph as vectors in its bitmap's pixel coordinates: the font outlines
// exactly as they were placed for the bitmap, and its one-pixel staff rows.
struct GlyphOutline {
    struct Piece {
        QPainterPath path;  // placed
        double thicken = 0; // pen width added round the outline
        QRectF bounds;      // of the ink, thickening included
        // The same as text: `text` in `font` drawn with its baseline origin
        // at the glyph's origin under `place`.
        QFont font;
        QString text;
        QTransform place;
    };
    std::vector<Piece> pieces;
    std::vector<int> staffRows;
};

class GlyphSet {
public:
    // Places every glyph; a QGuiApplication must exist.
    GlyphSet();

    // White background, black or grey ink, Format_RGB32, at the size SizeOf(key).
    const QImage& Image(GlyphKey key) const;

    // The same glyph as outlines, for drawing at any scale.
    const GlyphOutline& Outline(GlyphKey key) const { return outlines_[static_cast<int>(key)]; }

    // The set shared by the whole program, made on first use.
    static const GlyphSet& Shared();

private:
    std::array<GlyphOutline, kGlyphCount> outlines_;
    mutable std::once_flag imagesPainted_;
    mutable std::array<QImage, kGlyphCount> images_;
};

} // namespace sorn

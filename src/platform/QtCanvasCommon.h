#pragma once
// What the bitmap and the vector canvas keep alike, so that both draw the
// same picture: the pen state the score drawing sets, the current point,
// where text goes in which font, and which glyph pixels go where.

#include "render/Canvas.h"

#include <QFont>
#include <QPointF>
#include <QRect>
#include <algorithm>
#include <optional>

namespace sorn {

class QtCanvasCommon : public Canvas {
public:
    void SetLineWidth(int width) final { lineWidth_ = std::clamp(width, 1, 3); }
    void SetFillSolid(bool solid) final { solid_ = solid; }
    void SetInvert(bool invert) final { invert_ = invert; }
    void SetTextSize(float pixels, bool bold) final;
    float TextWidth(std::string_view text) const final;

protected:
    QtCanvasCommon();

    // The baseline of text whose top left is (x, y).
    QPointF TextBaseline(float x, float y) const;

    // The glyph pixels a Glyph call takes (inside the glyph) and the
    // target pixels they cover; mirrored when the source counts upward.
    // Nothing when either is empty.
    struct GlyphPlacement {
        QRect source;
        QRect target;
        bool mirrored;
    };
    static std::optional<GlyphPlacement> PlaceGlyph(GlyphKey key, Rect source, Rect target);

    QFont textFont_;
    int lineWidth_ = 1;
    bool solid_ = false;
    bool invert_ = false;
    QPointF current_;
};

} // namespace sorn

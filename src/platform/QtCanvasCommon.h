#pragma once
// What the bitmap and the vector canvas keep alike, so that both draw the
// same picture: the pen state the score drawing sets, the current point,
// and where text goes in which font.

#include "render/Canvas.h"

#include <QFont>
#include <QPointF>
#include <algorithm>

namespace sorn {

class QtCanvasCommon : public Canvas {
public:
    void SetLineWidth(int width) final { lineWidth_ = std::clamp(width, 1, 3); }
    void SetFillSolid(bool solid) final { solid_ = solid; }
    void SetInvert(bool invert) final { invert_ = invert; }

protected:
    QtCanvasCommon();

    // The baseline of text whose top left is (x, y).
    QPointF TextBaseline(float x, float y) const;

    QFont textFont_;
    int lineWidth_ = 1;
    bool solid_ = false;
    bool invert_ = false;
    QPointF current_;
};

} // namespace sorn

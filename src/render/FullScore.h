#pragma once
// Repaints the full score: every part's staff one under another, aligned by
// time on the columns they share, with the parts' names in a band at the
// left and a bracket joining the staves.

#include "layout/ScoreLayout.h"
#include "render/Canvas.h"

#include <cstdint>

namespace sorn {

class SornData;

struct FullScoreCursor {
    std::uint8_t part = 0;
    std::int32_t position = 0;
    std::uint8_t pitch = 128;
    bool shown = true;
};

// The canvas's own size bounds the drawing.
void RedrawFullScore(const SornData& doc, const FullScoreLayout& layout,
                     const FullScoreCursor& cursor, Canvas& canvas);

} // namespace sorn

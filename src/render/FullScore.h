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

// Rows of the picture that must be drawn; a staff that reaches none of them
// is left out, as when only one staff has changed.
struct DrawnRows {
    float top = -1e9f;
    float bottom = 1e9f;
};

// The canvas's own size bounds the drawing.
void RedrawFullScore(const SornData& doc, const FullScoreLayout& layout,
                     const FullScoreCursor& cursor, Canvas& canvas, DrawnRows rows = {});

// How far above and below its staff's band a staff's notes, stems, beams
// and ledger lines may reach, for its visible positions up to last and the
// beams that run on from them.
DrawnRows StaffReach(const SornData& doc, const FullScoreLayout& layout, std::uint8_t part,
                     std::int32_t last);

} // namespace sorn

#pragma once
// The two symbols that reach from one position to later ones.

#include "layout/StaffLayout.h"
#include "render/Canvas.h"

#include <cstdint>

namespace sorn {

class SornData;

// The end of a printed row: a beam group stops at its last position and a
// tie into the next row is cut where its staff lines stop. The screen has
// none; a group or tie is drawn whole there, also past the canvas.
struct RowEnd {
    std::int32_t lastPosition;
    float staffEnd;
    float tieEnd = 0; // where a tie cut by the row's end stops, when not at staffEnd
};

// Draws the stems and beams of the group starting at position and sets
// beamEnd to its last position, or to position - 1 when there is no group.
void DrawBeamGroup(const SornData& doc, Canvas& canvas, std::uint8_t part, std::int32_t position,
                   const StaffLayout& layout, float x, float offset, std::int32_t& beamEnd,
                   const RowEnd* rowEnd = nullptr);

// The arc from the note at position to the next note of the same pitch;
// y is that note's y including the vertical offset. Past the row end only
// its first half is drawn, up to the staff end.
void DrawTie(const SornData& doc, Canvas& canvas, std::uint8_t part, const StaffLayout& layout,
             float x, float y, std::int32_t position, const RowEnd* rowEnd = nullptr);

// The position of the note a tie reaches from an earlier printed row at the
// row's first note (the row holds first..last), or -1 when none does.
std::int32_t TieIntoRow(const SornData& doc, std::uint8_t part, std::int32_t first,
                        std::int32_t last);

// The second half of a tie cut by a row break: from staffStart, where the
// row's notes begin, down (or up) to the note at noteX.
void DrawTieEnd(const SornData& doc, Canvas& canvas, std::uint8_t part, const StaffLayout& layout,
                std::int32_t position, float staffStart, float noteX, float offset);

} // namespace sorn

#pragma once
// The two symbols that reach from one position to later ones.

#include "render/Canvas.h"
#include "render/StaffLayout.h"

#include <cstdint>

namespace sorn {

class SornData;

// Draws the stems and beams of the group starting at position and sets
// beamEnd to its last position, or to position - 1 when there is no group.
void DrawBeamGroup(const SornData& doc, Canvas& canvas, std::uint8_t part, std::int32_t position,
                   const StaffLayout& layout, float x, float offset, std::int32_t& beamEnd);

// The arc from the note at position to the next note of the same pitch;
// y is that note's y including the vertical offset.
void DrawTie(const SornData& doc, Canvas& canvas, std::uint8_t part, const StaffLayout& layout,
             float x, float y, std::int32_t position);

} // namespace sorn

#pragma once
// Drawing one position of one part into its column: notes with stems,
// flags and ledger lines, rests, accidentals and dots here; staff signs,
// beams and ties through their own routines.

#include "layout/StaffLayout.h"
#include "render/Canvas.h"

#include <cstdint>

namespace sorn {

class SornData;
struct RowEnd;

// beamEnd: the last position already covered by a drawn beam group; the
// caller sets it to -1 before the first position of a pass and hands the
// same variable to every position of that pass. rowEnd: where a printed
// row ends, none on the screen.
void DrawPosition(const SornData& doc, std::uint8_t part, std::int32_t position, Canvas& canvas,
                  const StaffLayout& layout, float x, float offset, std::int32_t& beamEnd,
                  const RowEnd* rowEnd = nullptr);

// A sharp, flat or natural left of the head at a staff position.
void DrawAccidentalGlyph(Canvas& canvas, const StaffLayout& layout, float x, float offset,
                         std::uint8_t staffPosition, GlyphKey key);

} // namespace sorn

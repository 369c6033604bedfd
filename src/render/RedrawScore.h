#pragma once
// Repaints the visible stretch of one part: staff, columns and cursor. The
// caller has kept the cursor inside the window and the score beforehand.

#include "layout/StaffLayout.h"
#include "render/Canvas.h"

#include <cstdint>

namespace sorn {

class SornData;

// The horizontal scroll bar as the cursor bounds see it; they may move it.
struct HorizontalScroll {
    std::int32_t value = 0;   // first visible position
    std::int32_t maximum = 0; // the score's Length
};

// The cursor pushes the view a column at a time and never passes the end.
// windowWidth is the main window's inner width, which decides how many
// columns the cursor may use.
void KeepCursorInside(std::int16_t& cursorColumn, HorizontalScroll& scroll,
                      const StaffLayout& layout, float windowWidth, std::int32_t length);

// Everything a redraw reads besides the document.
struct ScoreView {
    std::uint8_t part = 0;
    std::int32_t first = 0; // first visible position
    std::int16_t cursorColumn = 0;
    std::uint8_t cursorPitch = 128;
    StaffLayout layout;
    bool cursor = true; // false leaves the cursor disc out of the picture
};

// The canvas's own width bounds the drawing.
void RedrawScore(const SornData& doc, const ScoreView& view, Canvas& canvas);

} // namespace sorn

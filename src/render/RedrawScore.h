#pragma once
// Repaints the visible stretch of the current part: keeps the cursor inside
// the window and the score, draws staff, columns and cursor, and gives the
// two status texts.

#include "render/Canvas.h"
#include "render/EditorState.h"

#include <cstdint>
#include <string>

namespace sorn {

class SornData;

// The horizontal scroll bar as the redraw sees it; the redraw may move it.
struct HorizontalScroll {
    std::int32_t value = 0;   // first visible position
    std::int32_t maximum = 0; // the score's Length
};

struct StatusTexts {
    std::string position; // "位置 12/30"
    std::string part;     // "パート 1/3  グランドピアノ"
};

// windowWidth is the main window's inner width, which decides how many
// columns the cursor may use; the canvas's own width bounds the drawing.
StatusTexts RedrawScore(const SornData& doc, EditorState& state, HorizontalScroll& scroll,
                        float windowWidth, Canvas& canvas);

} // namespace sorn

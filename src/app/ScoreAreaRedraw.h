#pragma once
// One redraw of the score area as the window and the batch view do it: the
// cursor kept inside the window and the score, the picture, then the two
// status texts.

#include "app/EditorState.h"
#include "render/RedrawScore.h"

#include <string>

namespace sorn {

class SornData;

struct StatusTexts {
    std::string position; // "位置 12/30"
    std::string part;     // "パート 1/3  グランドピアノ"
};

StatusTexts StatusTextsOf(const SornData& doc, const EditorState& state, std::int32_t first);

// windowWidth is the main window's inner width; the canvas's own width
// bounds the drawing. The cursor bounds may move the scroll; without
// `cursor` the disc is left out.
StatusTexts RedrawScoreArea(const SornData& doc, EditorState& state, HorizontalScroll& scroll,
                            float windowWidth, Canvas& canvas, bool cursor = true);

} // namespace sorn

#pragma once
// One redraw of the score area as the window and the batch view do it: the
// cursor kept inside the window and the score, the picture, then the two
// status texts.

#include "app/EditorState.h"
#include "layout/ScoreGrid.h"
#include "render/FullScore.h"
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

// The same for the full score on the grid's columns: the cursor's part is
// kept among the staves shown (firstPart may move) and its cursor inside
// the canvas's width.
StatusTexts RedrawFullScoreArea(const SornData& doc, const ScoreGrid& grid, EditorState& state,
                                HorizontalScroll& scroll, std::uint8_t& firstPart, Canvas& canvas,
                                bool cursor = true, DrawnRows rows = {});
// The bounds of that redraw alone, for a caller that must know the view first.
void KeepFullScoreCursorInside(const SornData& doc, const ScoreGrid& grid, EditorState& state,
                               HorizontalScroll& scroll, std::uint8_t& firstPart, float width,
                               float height);

} // namespace sorn

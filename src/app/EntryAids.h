#pragma once
// What the window adds to the score area to make entry quicker and surer:
// the cursor's pitch and the bar check in the status line, a mark under the
// bars that do not add up (on screen only), and the cursor's jumps.

#include "app/EditorState.h"
#include "layout/ScoreLayout.h"
#include "render/RedrawScore.h"
#include "sound/BarCheck.h"

#include <string>
#include <vector>

class QImage;

namespace sorn {

// "ソ♯4 (G♯4)"
std::string PitchNameText(const PitchSpelling& pitch);
// "この小節は 1 拍多すぎます", "この小節は 0.5 拍足りません"
std::string BarProblemText(const BadBar& bar);

struct EntryStatus {
    std::vector<BadBar> badBars; // those touching the visible positions
    std::string text;            // the cursor's pitch, and its bar's problem if any
};

// first..last are the visible positions; the cursor stands among them.
EntryStatus EntryStatusOf(const SornData& doc, const EditorState& state, std::int32_t first,
                          std::int32_t last);

// A thin line under the staff across the columns of each bad bar.
void PaintBadBars(QImage& image, double zoom, const std::vector<BadBar>& bars,
                  const ScoreLayout& layout, std::uint8_t part);

// Puts the cursor on a position, scrolling as Left and Right do when it
// leaves the window: the target ends at the window's edge it came in from.
void MoveCursorTo(std::int32_t target, EditorState& state, HorizontalScroll& scroll,
                  float windowWidth);

} // namespace sorn

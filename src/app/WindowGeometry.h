#pragma once
// Sizes of the main window that the batch renderer must match.

#include "layout/StaffLayout.h"

#include <cmath>

namespace sorn {

inline constexpr int kClientWidth = 650; // the window's inner width at start
inline constexpr int kClientHeight = 274;
inline constexpr int kScrollBarSize = 17;
inline constexpr int kPicture1Border = 2;
inline constexpr int kScoreAreaHeight = 176 - 2 * kPicture1Border - kScrollBarSize;

// How much taller than at start-up the single view's score area is: the
// zoom scales it, and each verse of the part shown adds a line of lyrics.
inline int ScoreAreaExtra(int zoomPercent, int verses) {
    return static_cast<int>(std::lround(
        ((zoomPercent - 100) * kScoreAreaHeight + zoomPercent * verses * kLyricLineHeight) /
        100.0));
}

// Width of the score area in a window of the given inner width.
inline constexpr int ScoreAreaWidth(int windowWidth) {
    return windowWidth - 2 * kPicture1Border - kScrollBarSize;
}

} // namespace sorn

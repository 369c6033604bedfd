#pragma once
// Sizes of the main window that the batch renderer must match.

namespace sorn {

inline constexpr int kClientWidth = 650; // the window's inner width at start
inline constexpr int kClientHeight = 274;
inline constexpr int kScrollBarSize = 17;
inline constexpr int kPicture1Border = 2;
inline constexpr int kScoreAreaHeight = 176 - 2 * kPicture1Border - kScrollBarSize;

// Width of the score area in a window of the given inner width.
inline constexpr int ScoreAreaWidth(int windowWidth) {
    return windowWidth - 2 * kPicture1Border - kScrollBarSize;
}

} // namespace sorn

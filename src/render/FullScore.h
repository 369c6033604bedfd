#pragma once
// Repaints the full score: every part's staff one under another, aligned by
// time on the columns they share, with the parts' names in a band at the
// left and a bracket joining the staves.

#include "layout/ScoreGrid.h"
#include "render/Canvas.h"
#include "render/StaffLayout.h"

#include <cstdint>

namespace sorn {

class SornData;

// From one staff's top line to the next's: room for ledger lines, dynamics
// and words between the staves.
inline constexpr int kFullScoreStaffSpacing = 116;
// The band at the left that holds the part numbers and names.
inline constexpr int kPartNameBand = 112;

struct FullScoreView {
    std::int32_t firstColumn = 0; // first visible column of the shared row
    std::uint8_t firstPart = 0;   // the part at the top of the picture
    std::uint8_t cursorPart = 0;
    std::int32_t cursorPosition = 0;
    std::uint8_t cursorPitch = 128;
    StaffLayout layout;
    bool cursor = true;
};

// Vertical offset of a part's staff from the single-part view's; parts
// above the first shown come out negative.
inline float StaffOffset(const FullScoreView& view, std::uint8_t part) {
    return static_cast<float>((part - view.firstPart) * kFullScoreStaffSpacing);
}

// Centre x of a grid column in the picture.
inline float FullScoreColumnX(const FullScoreView& view, std::int32_t column) {
    return static_cast<float>(kPartNameBand) +
           static_cast<float>(column - view.firstColumn) *
               static_cast<float>(view.layout.ColumnWidth) +
           static_cast<float>(kStaffLeftMargin) +
           0.5f * static_cast<float>(view.layout.ColumnWidth);
}

// Columns that fit beside the name band.
std::int32_t FullScoreVisibleColumns(const FullScoreView& view, float width);

void RedrawFullScore(const SornData& doc, const ScoreGrid& grid, const FullScoreView& view,
                     Canvas& canvas);

} // namespace sorn

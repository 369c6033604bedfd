#pragma once
// Screen geometry of the staff, shared by drawing and hit-testing.

#include <cmath>
#include <cstdint>

namespace sorn {

// Where the positions of a part stand when they do not each take a column
// of their own width: the full score shares columns between parts by time,
// so that one part's positions may lie columns apart, and a printed page
// spaces them by their durations.
class ColumnMap {
public:
    virtual ~ColumnMap() = default;
    // Pixels from the centre of one position to the centre of a later one.
    virtual float Across(std::int32_t from, std::int32_t to) const = 0;
    // Pixels from a position's centre to the bar line it carries.
    virtual float BarAcross(std::int32_t position) const = 0;
};

struct StaffLayout {
    std::int32_t StaffTop = 56;    // y of the top staff line
    std::int32_t StepHeight = 4;   // pixels from a line to the next space
    std::int32_t ColumnWidth = 40; // one position per column
    std::int32_t SystemGap = 28;   // extra space below a printed system
    // None: each position is a column, as a part drawn alone.
    const ColumnMap* Columns = nullptr;
    // How much lower than usual dynamics and words stand, clear of low notes.
    std::int32_t BelowDrop = 0;
};

// Pixels from the centre of position from to the centre of position to.
inline float Across(const StaffLayout& l, std::int32_t from, std::int32_t to) {
    return l.Columns ? l.Columns->Across(from, to)
                     : static_cast<float>((to - from) * l.ColumnWidth);
}

// Pixels from a position's centre to the bar line it carries: the right
// edge of its column.
inline float BarAcross(const StaffLayout& l, std::int32_t position) {
    return l.Columns ? l.Columns->BarAcross(position) : 0.5f * static_cast<float>(l.ColumnWidth);
}

// The top of the dynamics marks under the staff.
inline std::int32_t DynamicsTop(const StaffLayout& l) {
    return l.StaffTop + 16 * l.StepHeight + l.BelowDrop;
}

// Lyrics stand under the dynamics, one line per verse; a part's area grows
// by a line for each verse it has and no more.
inline constexpr int kLyricLineHeight = 18;
inline std::int32_t LyricLineTop(const StaffLayout& l, int verse) {
    return DynamicsTop(l) + 18 + verse * kLyricLineHeight;
}

// Column 0 starts this far from the left edge of the score.
inline constexpr int kStaffLeftMargin = 20;

// Rounds to the nearest integer, a half to the even neighbour.
inline std::int32_t Nearest(double v) {
    return static_cast<std::int32_t>(std::nearbyint(v));
}

// Whole columns that fit in a width.
inline std::int32_t VisibleColumns(const StaffLayout& l, float width) {
    return Nearest(width - kStaffLeftMargin) / l.ColumnWidth;
}

// Centre x of screen column c.
inline std::int32_t ColumnX(const StaffLayout& l, std::int16_t c) {
    return Nearest((c + 0.5) * l.ColumnWidth + kStaffLeftMargin);
}

// y of a staff position; 128, the middle line, lies four steps below StaffTop.
inline std::int32_t PitchY(const StaffLayout& l, std::uint8_t p) {
    return (128 - p) * l.StepHeight + 4 * l.StepHeight + l.StaffTop;
}

// Staff position under a y coordinate, kept within the editor's 1..254.
// Truncating the quotient makes the band around the middle line 7 pixels
// high (y 69..75) and every other band 4.
inline std::uint8_t PitchAtY(const StaffLayout& l, float y) {
    const std::int32_t p = 128 - Nearest(y - l.StaffTop - 4 * l.StepHeight) / l.StepHeight;
    return static_cast<std::uint8_t>(p < 1 ? 1 : (p > 254 ? 254 : p));
}

// Screen column under an x coordinate; x below 60 is column 0.
inline std::int16_t ColumnAtX(const StaffLayout& l, float x) {
    return static_cast<std::int16_t>(VisibleColumns(l, x));
}

} // namespace sorn

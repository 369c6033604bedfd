#include "layout/ScoreLayout.h"

#include <algorithm>
#include <cmath>

namespace sorn {

FullScoreLayout::FullScoreLayout(const StaffLayout& staff, const ScoreGrid& grid,
                                 std::int32_t firstColumn, std::uint8_t firstPart)
    : ScoreLayout(staff), grid_(grid), firstColumn_(firstColumn), firstPart_(firstPart) {
    tops_.push_back(0);
    for (int p = 0; p < grid.PartCount(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        parts_.emplace_back(grid, part, staff.ColumnWidth);
        verses_.push_back(grid.Score() ? grid.Score()->VerseCount(part) : 0);
        tops_.push_back(tops_.back() + kFullScoreStaffSpacing + VerseRoom(part));
    }
}

float FullScoreLayout::Top(int part) const {
    const int known = static_cast<int>(tops_.size()) - 1;
    if (part <= known) return tops_[static_cast<std::size_t>(part)];
    return tops_.back() + static_cast<float>((part - known) * kFullScoreStaffSpacing);
}

StaffLayout FullScoreLayout::PartStaff(std::uint8_t part) const {
    StaffLayout staff = staff_;
    staff.Columns = &parts_[part];
    return staff;
}

std::uint8_t FullScoreLayout::PartAt(float y, std::uint8_t current) const {
    if (grid_.PartCount() == 0) return current;
    // Each staff owns the band from halfway to the staff above to halfway
    // to the one below, and its lyrics' lines besides.
    const float middle = static_cast<float>(staff_.StaffTop + 4 * staff_.StepHeight);
    const float fromTop = y - middle + Top(firstPart_) + kFullScoreStaffSpacing / 2.0f;
    // The first staff whose band ends below y.
    const auto below = std::upper_bound(tops_.begin() + 1, tops_.end(), fromTop);
    return static_cast<std::uint8_t>(
        std::min<std::ptrdiff_t>(below - tops_.begin() - 1, grid_.PartCount() - 1));
}

std::int32_t FullScoreLayout::PositionAt(std::uint8_t part, float x) const {
    const auto column = static_cast<std::int32_t>(
        std::floor((x - Left()) / static_cast<float>(staff_.ColumnWidth)));
    const std::int32_t wanted = firstColumn_ + std::max(column, -firstColumn_);
    // The position at or before the column, or the next one when that is nearer.
    const std::int32_t before = grid_.PositionAtOrBefore(part, wanted);
    const std::int32_t at = grid_.Column(part, before);
    if (at >= wanted) return before; // on it, or the part's first lies further right
    const auto columns = grid_.Columns(part);
    const auto after = static_cast<std::size_t>(before) + 1;
    if (after < columns.size() && columns[after] - wanted < wanted - at)
        return static_cast<std::int32_t>(after);
    return before;
}

} // namespace sorn

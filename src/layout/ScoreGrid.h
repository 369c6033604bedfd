#pragma once
// The columns of the full score: every part's positions on one row of
// columns ordered by notated time, so that what sounds together stands
// together. Each position takes one column; a column is shared by the
// notes and rests of the parts that start at its onset, and by signs of
// the same kind standing before them.

#include "layout/Timeline.h"
#include "model/SornData.h"

#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace sorn {

class ScoreGrid {
public:
    // Columns past the music, where the parts' empty tails run on.
    static constexpr std::int64_t kAfterTheMusic = std::numeric_limits<std::int64_t>::max();

    ScoreGrid() = default;
    ScoreGrid(const SornData& doc, const Timeline& timeline) { Build(doc, timeline); }
    void Build(const SornData& doc, const Timeline& timeline);

    std::int32_t ColumnCount() const { return static_cast<std::int32_t>(onsets_.size()); }
    int PartCount() const { return static_cast<int>(columnOf_.size()); }
    std::int32_t Column(std::uint8_t part, std::int32_t Iti) const {
        return columnOf_[part][static_cast<std::size_t>(Iti)];
    }
    std::span<const std::int32_t> Columns(std::uint8_t part) const { return columnOf_[part]; }
    // BarColumn of every position of a part.
    std::span<const std::int32_t> BarColumns(std::uint8_t part) const { return barColumnOf_[part]; }
    std::int64_t ColumnOnset(std::int32_t column) const {
        return onsets_[static_cast<std::size_t>(column)];
    }
    // The column a bar line carried by the position closes: its own for a
    // sign; for a note or rest, the last column of a bar line standing on
    // its own at the note's end, or else the last column before the end, so
    // that bar lines at one time stand together whichever position carries them.
    std::int32_t BarColumn(std::uint8_t part, std::int32_t Iti, const Timeline& timeline) const;
    // The position of a part at or before a column (its first when none is).
    std::int32_t PositionAtOrBefore(std::uint8_t part, std::int32_t column) const;
    // The first column at or after an onset.
    std::int32_t ColumnAt(std::int64_t onset) const;

private:
    std::vector<std::int64_t> onsets_;                // per column
    std::vector<bool> loneBar_;                       // per column: a bar line without a note
    std::vector<std::vector<std::int32_t>> columnOf_; // per part and position
    std::vector<std::vector<std::int32_t>> barColumnOf_;
};

} // namespace sorn

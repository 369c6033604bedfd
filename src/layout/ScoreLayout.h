#pragma once
// Model to pixels and back for the score area and its pictures: where a
// part's position stands, where its staff lies, and what is under a point.
// A part alone takes one column per position, as the editor has always
// shown it; the full score stands every part on columns shared by time.
// Coordinates are the score's own pixels (before any zoom).

#include "layout/ScoreGrid.h"
#include "layout/StaffLayout.h"

#include <cstdint>
#include <vector>

namespace sorn {

// From one staff's top line to the next's in the full score: room for
// ledger lines, dynamics and words between the staves. Each line of a
// part's lyrics adds kLyricLineHeight below its staff.
inline constexpr int kFullScoreStaffSpacing = 116;
// The band at the left of the full score that holds the parts' names.
inline constexpr int kPartNameBand = 112;

class ScoreLayout {
public:
    explicit ScoreLayout(const StaffLayout& staff) : staff_(staff) {}
    virtual ~ScoreLayout() = default;

    const StaffLayout& Staff() const { return staff_; }
    // The staff geometry a part is drawn with: which column each position takes.
    virtual StaffLayout PartStaff(std::uint8_t part) const = 0;
    // x where column 0 of the view begins.
    virtual float Left() const = 0;
    // The view's column of a part's position; negative left of the view.
    virtual std::int32_t Column(std::uint8_t part, std::int32_t Iti) const = 0;
    // How far a part's staff lies below the single view's.
    virtual float StaffOffset(std::uint8_t part) const = 0;
    // The part whose staff is nearest y; current when only one is shown.
    virtual std::uint8_t PartAt(float y, std::uint8_t current) const = 0;
    // The position of a part whose column is nearest x.
    virtual std::int32_t PositionAt(std::uint8_t part, float x) const = 0;

    float ColumnLeft(std::uint8_t part, std::int32_t Iti) const {
        return Left() + static_cast<float>(Column(part, Iti) * staff_.ColumnWidth);
    }
    // The centre of a position's column.
    virtual float X(std::uint8_t part, std::int32_t Iti) const {
        return ColumnLeft(part, Iti) + 0.5f * static_cast<float>(staff_.ColumnWidth);
    }
    std::uint8_t PitchAt(std::uint8_t part, float y) const {
        return PitchAtY(staff_, y - StaffOffset(part));
    }
    // Whole columns that fit in a width.
    std::int32_t VisibleColumns(float width) const {
        const auto columns = static_cast<std::int32_t>((width - Left()) / staff_.ColumnWidth);
        return columns < 1 ? 1 : columns;
    }

protected:
    StaffLayout staff_;
};

// One part alone, the view starting at position first.
class ColumnLayout final : public ScoreLayout {
public:
    ColumnLayout(const StaffLayout& staff, std::int32_t first)
        : ScoreLayout(staff), first_(first) {}
    StaffLayout PartStaff(std::uint8_t) const override { return staff_; }
    float Left() const override { return kStaffLeftMargin; }
    std::int32_t Column(std::uint8_t, std::int32_t Iti) const override { return Iti - first_; }
    float StaffOffset(std::uint8_t) const override { return 0; }
    std::uint8_t PartAt(float, std::uint8_t current) const override { return current; }
    std::int32_t PositionAt(std::uint8_t, float x) const override {
        return first_ + ColumnAtX(staff_, x);
    }

private:
    std::int32_t first_;
};

// Every part, one staff under another from firstPart, on the grid's shared
// columns from firstColumn.
class FullScoreLayout final : public ScoreLayout {
public:
    FullScoreLayout(const StaffLayout& staff, const ScoreGrid& grid, std::int32_t firstColumn,
                    std::uint8_t firstPart);
    StaffLayout PartStaff(std::uint8_t part) const override;
    float Left() const override { return kPartNameBand + kStaffLeftMargin; }
    std::int32_t Column(std::uint8_t part, std::int32_t Iti) const override {
        return grid_.Column(part, Iti) - firstColumn_;
    }
    float StaffOffset(std::uint8_t part) const override { return Top(part) - Top(firstPart_); }
    std::uint8_t PartAt(float y, std::uint8_t current) const override;
    // The room a part's lyrics take under its staff, pushing the staves below down.
    float VerseRoom(std::uint8_t part) const {
        return part < verses_.size() ? static_cast<float>(verses_[part] * kLyricLineHeight) : 0;
    }
    std::int32_t PositionAt(std::uint8_t part, float x) const override;

    const ScoreGrid& Grid() const { return grid_; }
    std::int32_t FirstColumn() const { return firstColumn_; }
    std::uint8_t FirstPart() const { return firstPart_; }

private:
    // One part's positions on the grid, as its staff is drawn.
    class PartColumns final : public ColumnMap {
    public:
        PartColumns(const ScoreGrid& grid, std::uint8_t part, std::int32_t width)
            : grid_(&grid), part_(part), width_(width) {}
        float Across(std::int32_t from, std::int32_t to) const override {
            return static_cast<float>((grid_->Column(part_, to) - grid_->Column(part_, from)) *
                                      width_);
        }
        float BarAcross(std::int32_t position) const override {
            return static_cast<float>(
                       (grid_->BarColumn(part_, position) - grid_->Column(part_, position)) *
                       width_) +
                   0.5f * static_cast<float>(width_);
        }

    private:
        const ScoreGrid* grid_;
        std::uint8_t part_;
        std::int32_t width_;
    };

    // How far a part's staff lies below the first part's.
    float Top(int part) const;

    const ScoreGrid& grid_;
    std::int32_t firstColumn_;
    std::uint8_t firstPart_;
    std::vector<PartColumns> parts_;
    std::vector<int> verses_; // per part
    std::vector<float> tops_; // per part, and one past the last
};

} // namespace sorn

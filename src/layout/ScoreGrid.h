#pragma once
// The columns of the full score: every part's positions on one row of
// columns ordered by notated time, so that what sounds together stands
// together. Each position takes one column; a column is shared by the
// notes and rests of the parts that start at its onset, and by signs of
// the same kind standing before them.
//
// The columns are made from the start as far as they are asked for, and an
// edit makes again only what stands at or after its time: a key in a long
// score costs the columns on screen, not the whole score.

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
    // A position the columns made so far have not reached.
    static constexpr std::int32_t kUnplaced = std::numeric_limits<std::int32_t>::max();

    ScoreGrid() = default;
    // Every column at once.
    ScoreGrid(const SornData& doc, const Timeline& timeline) {
        Reset(doc, timeline);
        BuildAll();
    }

    // Starts again on this score; the timeline must be up to date with it
    // whenever a column is asked for.
    void Reset(const SornData& doc, const Timeline& timeline);
    // What stands at or after onset is made again when next asked for.
    void InvalidateFrom(std::int64_t onset);
    void BuildAll() const;

    // The score the columns are made for; none before Reset.
    const SornData* Score() const { return doc_; }
    int PartCount() const { return static_cast<int>(columnOf_.size()); }
    // The columns made so far; all of them after BuildAll.
    std::int32_t ColumnCount() const { return static_cast<std::int32_t>(onsets_.size()); }
    std::int32_t Column(std::uint8_t part, std::int32_t Iti) const;
    // Every position's column; those not reached yet read kUnplaced.
    std::span<const std::int32_t> Columns(std::uint8_t part) const { return columnOf_[part]; }
    std::int64_t ColumnOnset(std::int32_t column) const;
    // The column a bar line carried by the position closes: its own for a
    // sign; for a note or rest, the last column of a bar line standing on
    // its own at the note's end, or else the last column before the end, so
    // that bar lines at one time stand together whichever position carries them.
    std::int32_t BarColumn(std::uint8_t part, std::int32_t Iti) const;
    // The position of a part at or before a column (its first when none is).
    std::int32_t PositionAtOrBefore(std::uint8_t part, std::int32_t column) const;
    // The first column at or after an onset.
    std::int32_t ColumnAt(std::int64_t onset) const;

private:
    // The signs of one onset, merged from every part.
    class SignMerge {
    public:
        std::int32_t Place(std::uint8_t sign, std::size_t& from);
        std::size_t Size() const { return order_.size(); }
        std::uint8_t SignAt(std::size_t m) const {
            return signs_[static_cast<std::size_t>(order_[m])];
        }
        std::vector<std::int32_t> Places() const;
        void Clear();

    private:
        std::vector<std::uint8_t> signs_; // by id
        std::vector<std::int32_t> order_; // ids left to right
    };

    // Merges the next onset of the music; false once it is all merged.
    bool Step() const;
    void PlaceTails(std::int64_t reached) const;
    void MakeBars() const;
    void Finish() const;
    std::int32_t BodyEnd(std::uint8_t part) const;
    std::int32_t ComputeBar(std::uint8_t part, std::int32_t Iti) const;

    const SornData* doc_ = nullptr;
    const Timeline* timeline_ = nullptr;
    // Made as asked for, hence mutable: asking never changes what the answer is.
    mutable std::vector<std::int64_t> onsets_; // per column
    mutable std::vector<bool> loneBar_;        // per column: a bar line without a note
    mutable std::vector<std::vector<std::int32_t>> columnOf_; // per part and position
    mutable std::vector<std::vector<std::int32_t>> barColumnOf_;
    mutable std::vector<std::int32_t> next_;     // per part: its first position not merged
    mutable std::vector<std::int32_t> bodyEnd_;  // per part: where its tail begins
    mutable std::vector<std::int32_t> lastBody_; // per part: its last merged column
    mutable std::vector<std::int32_t> barsDone_; // per part: bar columns made before this
    mutable std::vector<bool> tailPlaced_;
    mutable std::int64_t reached_ = -1; // every onset up to this is merged
    mutable bool through_ = false;      // everything is made
    mutable SignMerge merge_;
    mutable std::vector<std::int32_t> signIds_;
};

} // namespace sorn

#include "layout/ScoreGrid.h"

#include "model/SymbolCodes.h"

#include <algorithm>

namespace sorn {

namespace {

// What a position without time shows, for sharing a column with the same
// sign of another part.
std::uint8_t SignOf(const PositionRecord& r) {
    if (r.Syurui[0] != Kind::Empty) return r.Syurui[0];
    for (const std::uint8_t kind : {Kind::BarLine, Kind::RepeatWord, Kind::Dynamics})
        if (std::find(r.Syurui.begin() + 1, r.Syurui.end(), kind) != r.Syurui.end()) return kind;
    return Kind::Empty;
}

bool IsBlank(const PositionRecord* r) {
    return !r || std::all_of(r->Syurui.begin(), r->Syurui.end(),
                             [](std::uint8_t k) { return k == Kind::Empty; });
}

// How far a sign looks ahead among the columns already made for one to
// share before it takes a column of its own.
constexpr std::size_t kShareLookahead = 16;

} // namespace

// Each part's signs keep their order and take the first column of their
// kind that keeps it. Returns the id of the column the sign takes.
std::int32_t ScoreGrid::SignMerge::Place(std::uint8_t sign, std::size_t& from) {
    const std::size_t stop = std::min(order_.size(), from + kShareLookahead);
    for (std::size_t m = from; m < stop; ++m) {
        if (signs_[static_cast<std::size_t>(order_[m])] != sign) continue;
        from = m + 1;
        return order_[m];
    }
    const auto id = static_cast<std::int32_t>(signs_.size());
    signs_.push_back(sign);
    order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(from), id);
    ++from;
    return id;
}

// Where each id ended up.
std::vector<std::int32_t> ScoreGrid::SignMerge::Places() const {
    std::vector<std::int32_t> place(signs_.size());
    for (std::size_t m = 0; m < order_.size(); ++m)
        place[static_cast<std::size_t>(order_[m])] = static_cast<std::int32_t>(m);
    return place;
}

void ScoreGrid::SignMerge::Clear() {
    signs_.clear();
    order_.clear();
}

void ScoreGrid::Reset(const SornData& doc, const Timeline& timeline) {
    doc_ = &doc;
    timeline_ = &timeline;
    const auto parts = static_cast<std::size_t>(timeline.PartCount());
    const auto positions = static_cast<std::size_t>(std::max(timeline.Length(), -1) + 1);
    onsets_.clear();
    loneBar_.clear();
    columnOf_.assign(parts, std::vector<std::int32_t>(positions, kUnplaced));
    barColumnOf_.assign(parts, std::vector<std::int32_t>(positions, kUnplaced));
    next_.assign(parts, 0);
    lastBody_.assign(parts, -1);
    barsDone_.assign(parts, 0);
    tailPlaced_.assign(parts, false);
    bodyEnd_.resize(parts);
    for (std::size_t p = 0; p < parts; ++p)
        bodyEnd_[p] = BodyEnd(static_cast<std::uint8_t>(p));
    reached_ = -1;
    through_ = parts == 0 || positions == 0;
}

// The music of a part runs to its last note or rest and the signs right
// after it; the empty positions after that are its tail.
std::int32_t ScoreGrid::BodyEnd(std::uint8_t part) const {
    const std::int32_t length = timeline_->Length();
    std::int32_t end = timeline_->PositionAt(part, timeline_->Onset(part, length + 1));
    while (end <= length && !IsBlank(doc_->Record(part, end)))
        ++end;
    return end;
}

void ScoreGrid::InvalidateFrom(std::int64_t onset) {
    if (!doc_) return;
    if (onset <= 0) {
        Reset(*doc_, *timeline_);
        return;
    }
    if (columnOf_.size() != static_cast<std::size_t>(timeline_->PartCount())) {
        Reset(*doc_, *timeline_);
        return;
    }
    through_ = false;
    // Positions come and go at the end of every part when the score's
    // length changes: each tail is placed again.
    const auto positions = static_cast<std::size_t>(timeline_->Length() + 1);
    for (std::size_t p = 0; p < columnOf_.size(); ++p) {
        if (columnOf_[p].size() == positions) continue;
        columnOf_[p].resize(positions, kUnplaced);
        barColumnOf_[p].resize(positions, kUnplaced);
        const auto body = static_cast<std::size_t>(
            std::min<std::int32_t>(bodyEnd_[p], static_cast<std::int32_t>(positions)));
        std::fill(columnOf_[p].begin() + static_cast<std::ptrdiff_t>(body), columnOf_[p].end(),
                  kUnplaced);
        bodyEnd_[p] = static_cast<std::int32_t>(body);
        next_[p] = std::min(next_[p], bodyEnd_[p]);
        barsDone_[p] = std::min(barsDone_[p], bodyEnd_[p]);
        tailPlaced_[p] = false;
    }
    const auto kept = static_cast<std::size_t>(
        std::lower_bound(onsets_.begin(), onsets_.end(), onset) - onsets_.begin());
    onsets_.resize(kept);
    loneBar_.resize(kept);
    reached_ = std::min(reached_, kept > 0 ? onsets_.back() : std::int64_t{-1});
    for (std::size_t p = 0; p < columnOf_.size(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        auto& columns = columnOf_[p];
        const std::int32_t body = BodyEnd(part);
        // A tail after the onset runs on from columns made again.
        if (tailPlaced_[p] &&
            (timeline_->Onset(part, bodyEnd_[p]) >= onset || body != bodyEnd_[p])) {
            std::fill(columns.begin() + std::min(bodyEnd_[p], body), columns.end(), kUnplaced);
            tailPlaced_[p] = false;
        }
        const std::int32_t first = std::min(timeline_->PositionAt(part, onset), body);
        next_[p] = std::min(next_[p], first);
        std::fill(columns.begin() + next_[p], columns.begin() + std::max(next_[p], body),
                  kUnplaced);
        bodyEnd_[p] = body;
        lastBody_[p] = next_[p] > 0 ? columns[static_cast<std::size_t>(next_[p] - 1)] : -1;
        // A note that began before the onset may close its bar after it.
        barsDone_[p] = std::min(barsDone_[p], std::max(0, next_[p] - 1));
    }
}

void ScoreGrid::PlaceTails(std::int64_t reached) const {
    const std::int32_t length = timeline_->Length();
    for (std::size_t p = 0; p < columnOf_.size(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        if (tailPlaced_[p] || next_[p] < bodyEnd_[p]) continue;
        if (bodyEnd_[p] <= length && timeline_->Onset(part, bodyEnd_[p]) > reached) continue;
        // A tail runs on from where a note written there would stand, over
        // the other parts' columns and past them.
        // The columns made so far reach every onset up to this one.
        const std::int64_t end = bodyEnd_[p] > length ? 0 : timeline_->Onset(part, bodyEnd_[p]);
        const auto at = static_cast<std::int32_t>(
            std::lower_bound(onsets_.begin(), onsets_.end(), end) - onsets_.begin());
        const std::int32_t from = bodyEnd_[p] > length ? 0 : std::max(lastBody_[p] + 1, at);
        auto& columns = columnOf_[p];
        for (std::int32_t k = bodyEnd_[p]; k <= length; ++k)
            columns[static_cast<std::size_t>(k)] = from + (k - bodyEnd_[p]);
        tailPlaced_[p] = true;
    }
}

bool ScoreGrid::Step() const {
    if (through_) return false;
    const int parts = static_cast<int>(columnOf_.size());
    std::int64_t onset = kAfterTheMusic;
    for (int p = 0; p < parts; ++p) {
        const auto i = static_cast<std::size_t>(p);
        if (next_[i] < bodyEnd_[i])
            onset = std::min(onset, timeline_->Onset(static_cast<std::uint8_t>(p), next_[i]));
    }
    if (onset == kAfterTheMusic) {
        Finish();
        return false;
    }
    // The tails that begin at or before this onset run on from its columns.
    PlaceTails(onset);

    // Every part's signs at this onset, then one column for the notes and
    // rests that start there.
    merge_.Clear();
    signIds_.clear();
    bool timed = false;
    std::vector<std::int32_t> firstAt(static_cast<std::size_t>(parts), -1);
    for (int p = 0; p < parts; ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        const auto pi = static_cast<std::size_t>(p);
        std::int32_t& i = next_[pi];
        const std::int32_t end = bodyEnd_[pi];
        if (i >= end || timeline_->Onset(part, i) != onset) continue;
        firstAt[pi] = i;
        std::size_t from = 0;
        for (; i < end && timeline_->Duration(part, i) == 0; ++i)
            signIds_.push_back(merge_.Place(SignOf(*doc_->Record(part, i)), from));
        timed = timed || i < end;
    }
    const auto base = static_cast<std::int32_t>(onsets_.size());
    const auto signColumns = static_cast<std::int32_t>(merge_.Size());
    onsets_.insert(onsets_.end(), merge_.Size() + (timed ? 1 : 0), onset);
    for (std::size_t m = 0; m < merge_.Size(); ++m)
        loneBar_.push_back(merge_.SignAt(m) == Kind::BarLine);
    if (timed) loneBar_.push_back(false);
    const std::vector<std::int32_t> places = merge_.Places();
    std::size_t id = 0;
    for (int p = 0; p < parts; ++p) {
        const auto pi = static_cast<std::size_t>(p);
        if (firstAt[pi] < 0) continue;
        auto& columns = columnOf_[pi];
        std::int32_t& i = next_[pi];
        for (std::int32_t k = firstAt[pi]; k < i; ++k)
            columns[static_cast<std::size_t>(k)] =
                base + places[static_cast<std::size_t>(signIds_[id++])];
        if (i < bodyEnd_[pi]) columns[static_cast<std::size_t>(i++)] = base + signColumns;
        lastBody_[pi] = columns[static_cast<std::size_t>(i - 1)];
    }
    reached_ = onset;
    PlaceTails(onset);
    MakeBars();
    return true;
}

void ScoreGrid::Finish() const {
    PlaceTails(kAfterTheMusic);
    std::int32_t count = ColumnCount();
    for (const auto& columns : columnOf_)
        if (!columns.empty()) count = std::max(count, columns.back() + 1);
    onsets_.resize(static_cast<std::size_t>(count), kAfterTheMusic);
    loneBar_.resize(static_cast<std::size_t>(count), false);
    reached_ = kAfterTheMusic;
    through_ = true;
    MakeBars();
}

// A bar line's column is known once the columns reach the end of the note
// that carries it.
void ScoreGrid::MakeBars() const {
    for (std::size_t p = 0; p < columnOf_.size(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        const auto& columns = columnOf_[p];
        auto& bars = barColumnOf_[p];
        std::int32_t& i = barsDone_[p];
        for (; i < static_cast<std::int32_t>(columns.size()); ++i) {
            if (columns[static_cast<std::size_t>(i)] == kUnplaced) break;
            if (timeline_->Duration(part, i) > 0 && timeline_->Onset(part, i + 1) > reached_) break;
            bars[static_cast<std::size_t>(i)] = ComputeBar(part, i);
        }
    }
}

std::int32_t ScoreGrid::ComputeBar(std::uint8_t part, std::int32_t Iti) const {
    const std::int32_t column = columnOf_[part][static_cast<std::size_t>(Iti)];
    if (timeline_->Duration(part, Iti) == 0) return column;
    const std::int64_t end = timeline_->Onset(part, Iti + 1);
    auto at = static_cast<std::int32_t>(
        std::lower_bound(onsets_.begin() + column + 1, onsets_.end(), end) - onsets_.begin());
    std::int32_t bar = at - 1;
    for (; at < ColumnCount() && onsets_[static_cast<std::size_t>(at)] == end; ++at)
        if (loneBar_[static_cast<std::size_t>(at)]) bar = at;
    return bar;
}

void ScoreGrid::BuildAll() const {
    while (Step()) {
    }
}

std::int32_t ScoreGrid::Column(std::uint8_t part, std::int32_t Iti) const {
    const auto i = static_cast<std::size_t>(Iti);
    while (columnOf_[part][i] == kUnplaced && Step()) {
    }
    return columnOf_[part][i];
}

std::int64_t ScoreGrid::ColumnOnset(std::int32_t column) const {
    while (column >= ColumnCount() && Step()) {
    }
    return column < ColumnCount() ? onsets_[static_cast<std::size_t>(column)] : kAfterTheMusic;
}

std::int32_t ScoreGrid::BarColumn(std::uint8_t part, std::int32_t Iti) const {
    while (barsDone_[part] <= Iti && Step()) {
    }
    return barColumnOf_[part][static_cast<std::size_t>(Iti)];
}

std::int32_t ScoreGrid::PositionAtOrBefore(std::uint8_t part, std::int32_t column) const {
    // Every position at or before a column is placed once the columns pass it.
    while (column >= ColumnCount() && Step()) {
    }
    const auto& columns = columnOf_[part];
    const auto after = std::upper_bound(columns.begin(), columns.end(), column);
    return after == columns.begin() ? 0 : static_cast<std::int32_t>(after - columns.begin()) - 1;
}

std::int32_t ScoreGrid::ColumnAt(std::int64_t onset) const {
    while (reached_ < onset && Step()) {
    }
    return static_cast<std::int32_t>(std::lower_bound(onsets_.begin(), onsets_.end(), onset) -
                                     onsets_.begin());
}

} // namespace sorn

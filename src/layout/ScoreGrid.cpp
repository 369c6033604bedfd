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

// The signs of one onset, merged from every part: each part's signs keep
// their order and take the first column of their kind that keeps it.
class SignMerge {
public:
    // Returns the id of the column the sign takes.
    std::int32_t Place(std::uint8_t sign, std::size_t& from) {
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
    std::size_t Size() const { return order_.size(); }
    std::uint8_t SignAt(std::size_t m) const { return signs_[static_cast<std::size_t>(order_[m])]; }
    // Where each id ended up.
    std::vector<std::int32_t> Places() const {
        std::vector<std::int32_t> place(signs_.size());
        for (std::size_t m = 0; m < order_.size(); ++m)
            place[static_cast<std::size_t>(order_[m])] = static_cast<std::int32_t>(m);
        return place;
    }
    void Clear() {
        signs_.clear();
        order_.clear();
    }

private:
    std::vector<std::uint8_t> signs_; // by id
    std::vector<std::int32_t> order_; // ids left to right
};

} // namespace

void ScoreGrid::Build(const SornData& doc, const Timeline& timeline) {
    const int parts = timeline.PartCount();
    const std::int32_t length = timeline.Length();
    onsets_.clear();
    loneBar_.clear();
    columnOf_.assign(static_cast<std::size_t>(parts), {});
    barColumnOf_.assign(static_cast<std::size_t>(parts), {});
    if (parts == 0 || length < 0) return;

    // The music of a part runs to its last note or rest and the signs right
    // after it; the empty positions after that are its tail.
    std::vector<std::int32_t> bodyEnd(static_cast<std::size_t>(parts));
    for (int p = 0; p < parts; ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        columnOf_[static_cast<std::size_t>(p)].assign(static_cast<std::size_t>(length) + 1, 0);
        std::int32_t end = length + 1;
        while (end > 0 && timeline.Duration(part, end - 1) == 0)
            --end;
        while (end <= length && !IsBlank(doc.Record(part, end)))
            ++end;
        bodyEnd[static_cast<std::size_t>(p)] = end;
    }

    std::vector<std::int32_t> next(static_cast<std::size_t>(parts), 0);
    std::vector<std::int32_t> signIds;
    SignMerge merge;
    for (;;) {
        std::int64_t onset = kAfterTheMusic;
        for (int p = 0; p < parts; ++p)
            if (next[static_cast<std::size_t>(p)] < bodyEnd[static_cast<std::size_t>(p)])
                onset = std::min(onset, timeline.Onset(static_cast<std::uint8_t>(p),
                                                       next[static_cast<std::size_t>(p)]));
        if (onset == kAfterTheMusic) break;

        // Every part's signs at this onset, then one column for the notes
        // and rests that start there.
        merge.Clear();
        signIds.clear();
        bool timed = false;
        for (int p = 0; p < parts; ++p) {
            const auto part = static_cast<std::uint8_t>(p);
            const std::int32_t end = bodyEnd[static_cast<std::size_t>(p)];
            std::int32_t& i = next[static_cast<std::size_t>(p)];
            if (i >= end || timeline.Onset(part, i) != onset) continue;
            std::size_t from = 0;
            for (; i < end && timeline.Duration(part, i) == 0; ++i)
                signIds.push_back(merge.Place(SignOf(*doc.Record(part, i)), from));
            timed = timed || i < end;
        }
        const auto base = static_cast<std::int32_t>(onsets_.size());
        const auto signColumns = static_cast<std::int32_t>(merge.Size());
        onsets_.insert(onsets_.end(), merge.Size() + (timed ? 1 : 0), onset);
        for (std::size_t m = 0; m < merge.Size(); ++m)
            loneBar_.push_back(merge.SignAt(m) == Kind::BarLine);
        if (timed) loneBar_.push_back(false);
        const std::vector<std::int32_t> places = merge.Places();
        std::size_t id = 0;
        for (int p = 0; p < parts; ++p) {
            const auto part = static_cast<std::uint8_t>(p);
            auto& columns = columnOf_[static_cast<std::size_t>(p)];
            const std::int32_t end = bodyEnd[static_cast<std::size_t>(p)];
            std::int32_t& i = next[static_cast<std::size_t>(p)];
            // The positions placed above are those before i with this onset.
            std::int32_t first = i;
            while (first > 0 && timeline.Onset(part, first - 1) == onset &&
                   timeline.Duration(part, first - 1) == 0)
                --first;
            if (first == i && !(i < end && timeline.Onset(part, i) == onset)) continue;
            for (std::int32_t k = first; k < i; ++k)
                columns[static_cast<std::size_t>(k)] =
                    base + places[static_cast<std::size_t>(signIds[id++])];
            if (i < end && timeline.Onset(part, i) == onset) {
                columns[static_cast<std::size_t>(i)] = base + signColumns;
                ++i;
            }
        }
    }

    // A tail runs on from where a note written there would stand, over the
    // other parts' columns and past them.
    std::int32_t columnCount = static_cast<std::int32_t>(onsets_.size());
    for (int p = 0; p < parts; ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        auto& columns = columnOf_[static_cast<std::size_t>(p)];
        const std::int32_t end = bodyEnd[static_cast<std::size_t>(p)];
        if (end > length) continue;
        std::int32_t from = ColumnAt(timeline.Onset(part, end));
        if (end > 0) from = std::max(from, columns[static_cast<std::size_t>(end) - 1] + 1);
        for (std::int32_t k = end; k <= length; ++k)
            columns[static_cast<std::size_t>(k)] = from + (k - end);
        columnCount = std::max(columnCount, from + (length - end) + 1);
    }
    onsets_.resize(static_cast<std::size_t>(columnCount), kAfterTheMusic);
    loneBar_.resize(static_cast<std::size_t>(columnCount), false);

    barColumnOf_.assign(static_cast<std::size_t>(parts), {});
    for (int p = 0; p < parts; ++p) {
        auto& bars = barColumnOf_[static_cast<std::size_t>(p)];
        bars.resize(static_cast<std::size_t>(length) + 1);
        for (std::int32_t i = 0; i <= length; ++i)
            bars[static_cast<std::size_t>(i)] =
                BarColumn(static_cast<std::uint8_t>(p), i, timeline);
    }
}

std::int32_t ScoreGrid::BarColumn(std::uint8_t part, std::int32_t Iti,
                                  const Timeline& timeline) const {
    const std::int32_t column = Column(part, Iti);
    if (timeline.Duration(part, Iti) == 0) return column;
    const std::int64_t end = timeline.Onset(part, Iti + 1);
    auto at = static_cast<std::int32_t>(
        std::lower_bound(onsets_.begin() + column + 1, onsets_.end(), end) - onsets_.begin());
    std::int32_t bar = at - 1;
    for (; at < ColumnCount() && onsets_[static_cast<std::size_t>(at)] == end; ++at)
        if (loneBar_[static_cast<std::size_t>(at)]) bar = at;
    return bar;
}

std::int32_t ScoreGrid::PositionAtOrBefore(std::uint8_t part, std::int32_t column) const {
    const auto& columns = columnOf_[part];
    const auto after = std::upper_bound(columns.begin(), columns.end(), column);
    return after == columns.begin() ? 0 : static_cast<std::int32_t>(after - columns.begin()) - 1;
}

std::int32_t ScoreGrid::ColumnAt(std::int64_t onset) const {
    return static_cast<std::int32_t>(std::lower_bound(onsets_.begin(), onsets_.end(), onset) -
                                     onsets_.begin());
}

} // namespace sorn

#include "layout/Timeline.h"

#include "sound/SornCalculater.h"

#include <algorithm>

namespace sorn {

namespace {

std::int64_t Ticks(const SornData& doc, std::uint8_t part, std::int32_t Iti) {
    // Lengths do not depend on what came before, so any calculator will do.
    static const SornCalculater calc;
    const PositionRecord* r = doc.Record(part, Iti);
    return r ? calc.getLengthofSound(*r) : 0;
}

} // namespace

void Timeline::Rebuild(const SornData& doc) {
    changedFrom_ = 0;
    length_ = doc.HasParts() ? doc.Length() : -1;
    parts_.assign(static_cast<std::size_t>(doc.PartCount()), {});
    for (std::size_t p = 0; p < parts_.size(); ++p) {
        parts_[p].onsets.assign(static_cast<std::size_t>(length_) + 2, 0);
        ReadFrom(doc, static_cast<std::uint8_t>(p), parts_[p], 0);
    }
}

void Timeline::ReadFrom(const SornData& doc, std::uint8_t index, Part& part, std::int32_t from) {
    auto& o = part.onsets;
    for (std::size_t k = static_cast<std::size_t>(from); k + 1 < o.size(); ++k)
        o[k + 1] = o[k] + Ticks(doc, index, static_cast<std::int32_t>(k));
    part.stale.clear();
    part.readFrom = kClean;
}

void Timeline::MarkStale(Part& part, std::int32_t Iti) {
    if (Iti >= part.readFrom) return;
    if (part.stale.size() < kMostStale) {
        part.stale.push_back(Iti);
        return;
    }
    // A paste or a long undo: reading on from the first is cheaper than sorting.
    const auto first = std::min_element(part.stale.begin(), part.stale.end());
    part.readFrom = std::min(Iti, *first);
    part.stale.clear();
}

void Timeline::ShiftStale(Part& part, std::int32_t from, std::int32_t by) {
    for (std::int32_t& s : part.stale)
        if (s >= from) s += by;
    if (part.readFrom != kClean && part.readFrom >= from)
        part.readFrom = std::max(from, part.readFrom + by);
}

void Timeline::Resize(std::int32_t length) {
    for (Part& part : parts_) {
        part.onsets.resize(static_cast<std::size_t>(length) + 2, part.onsets.back());
        std::erase_if(part.stale, [&](std::int32_t s) { return s > length; });
        if (part.readFrom != kClean && part.readFrom > length) part.readFrom = kClean;
    }
    length_ = length;
}

void Timeline::InsertEmpty(Part& part, std::int32_t Iti, std::int32_t count) {
    const auto at = part.onsets.begin() + Iti;
    part.onsets.insert(at, static_cast<std::size_t>(count), *at);
    ShiftStale(part, Iti, count);
}

void Timeline::Remove(Part& part, std::int32_t Iti, std::int32_t count) {
    auto& o = part.onsets;
    const auto i = static_cast<std::size_t>(Iti);
    const std::int64_t removed = o[i + static_cast<std::size_t>(count)] - o[i];
    o.erase(o.begin() + Iti + 1, o.begin() + Iti + 1 + count);
    for (std::size_t k = i + 1; k < o.size(); ++k)
        o[k] -= removed;
    std::erase_if(part.stale, [&](std::int32_t s) { return s >= Iti && s < Iti + count; });
    ShiftStale(part, Iti + count, -count);
}

void Timeline::Changing(const DocumentChange& c, bool undoing) {
    using Type = DocumentChange::Type;
    if (length_ < 0) return;
    const bool known = c.part < parts_.size();
    // Nothing before the changed position moves; the earliest such onset
    // over the changes is where the full score must be laid out again.
    const bool atPosition =
        c.type == Type::Position || c.type == Type::InsertSpace || c.type == Type::DeleteSpace;
    if (atPosition && known) {
        const auto& o = parts_[c.part].onsets;
        changedFrom_ = std::min(
            changedFrom_, o[std::min(static_cast<std::size_t>(std::max(c.iti, 0)), o.size() - 1)]);
    } else if (c.type != Type::Speed && c.type != Type::Instrument && !IsWords(c.type)) {
        changedFrom_ = 0;
    }
    switch (c.type) {
    case Type::Position:
        if (known) MarkStale(parts_[c.part], c.iti);
        break;
    case Type::InsertSpace:
        if (!known) break;
        if (!undoing) {
            // The other parts grow by empty positions at their end.
            for (Part& part : parts_)
                if (&part != &parts_[c.part])
                    part.onsets.resize(part.onsets.size() + c.count, part.onsets.back());
            InsertEmpty(parts_[c.part], c.iti, c.count);
            length_ += c.count;
        } else {
            Remove(parts_[c.part], c.iti, c.count);
            parts_[c.part].onsets.resize(parts_[c.part].onsets.size() + c.count,
                                         parts_[c.part].onsets.back());
            Resize(length_ - c.count);
        }
        break;
    case Type::DeleteSpace:
        if (!known) break;
        if (!undoing) {
            // The part keeps its length: an empty position comes in at the end.
            Remove(parts_[c.part], c.iti, 1);
            parts_[c.part].onsets.push_back(parts_[c.part].onsets.back());
        } else {
            Part& part = parts_[c.part];
            InsertEmpty(part, c.iti, 1);
            part.onsets.pop_back();
            std::erase_if(part.stale, [&](std::int32_t s) { return s > length_; });
            MarkStale(part, c.iti);
        }
        break;
    case Type::Length: {
        const std::int32_t to = undoing ? c.iti : c.count;
        const std::int32_t from = length_;
        Resize(to);
        // Taking a shortening back brings the tails back.
        if (undoing && to > from)
            for (Part& part : parts_)
                part.readFrom = std::min(part.readFrom, from + 1);
        break;
    }
    case Type::AddPart:
        if (!undoing) {
            parts_.push_back({});
            parts_.back().onsets.assign(static_cast<std::size_t>(length_) + 2, 0);
        } else if (!parts_.empty()) {
            parts_.pop_back();
        }
        break;
    case Type::DeletePart:
        if (!undoing) {
            if (known) parts_.erase(parts_.begin() + c.part);
        } else if (c.part <= parts_.size()) {
            Part part;
            part.onsets.assign(static_cast<std::size_t>(length_) + 2, 0);
            part.readFrom = 0;
            parts_.insert(parts_.begin() + c.part, std::move(part));
        }
        break;
    case Type::Speed:
    case Type::Instrument:
    case Type::Syllable:
    case Type::ScoreText:
    case Type::PartText:
        break;
    }
}

void Timeline::Update(const SornData& doc) {
    if (doc.PartCount() != PartCount() || (doc.HasParts() ? doc.Length() : -1) != length_) {
        // Changes it was not told of (a file opened into the document).
        Rebuild(doc);
        return;
    }
    for (std::size_t p = 0; p < parts_.size(); ++p) {
        Part& part = parts_[p];
        const auto index = static_cast<std::uint8_t>(p);
        if (part.readFrom != kClean) {
            const auto first = std::min_element(part.stale.begin(), part.stale.end());
            ReadFrom(doc, index, part,
                     first == part.stale.end() ? part.readFrom : std::min(part.readFrom, *first));
            continue;
        }
        if (part.stale.empty()) continue;
        std::sort(part.stale.begin(), part.stale.end());
        part.stale.erase(std::unique(part.stale.begin(), part.stale.end()), part.stale.end());
        auto& o = part.onsets;
        // Each rewritten position moves everything after it by what its
        // length changed; one pass adds the changes up.
        std::vector<std::int64_t> change(part.stale.size());
        for (std::size_t j = 0; j < part.stale.size(); ++j) {
            const auto s = static_cast<std::size_t>(part.stale[j]);
            change[j] = Ticks(doc, index, part.stale[j]) - (o[s + 1] - o[s]);
        }
        std::int64_t moved = 0;
        std::size_t j = 0;
        for (auto k = static_cast<std::size_t>(part.stale.front()) + 1; k < o.size(); ++k) {
            while (j < part.stale.size() && static_cast<std::size_t>(part.stale[j]) < k)
                moved += change[j++];
            o[k] += moved;
        }
        part.stale.clear();
    }
}

std::int32_t Timeline::PositionAt(std::uint8_t part, std::int64_t ticks) const {
    const auto& o = parts_[part].onsets;
    const auto end = o.end() - 1; // the part's end is no position
    return static_cast<std::int32_t>(std::lower_bound(o.begin(), end, ticks) - o.begin());
}

std::size_t Timeline::MemoryBytes() const {
    std::size_t bytes = parts_.capacity() * sizeof(Part);
    for (const Part& part : parts_)
        bytes += part.onsets.capacity() * sizeof(std::int64_t) +
                 part.stale.capacity() * sizeof(std::int32_t);
    return bytes;
}

} // namespace sorn

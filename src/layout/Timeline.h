#pragma once
// The notated onset of every position of every part, in calculator ticks:
// what lines the parts of a score up in time. Notated, not played: repeats
// and D.C. are read as written, and a position without a note or rest takes
// no time. Kept from the changes the document reports, so an edit costs the
// positions it moves rather than a rebuild of the score.

#include "model/DocumentChange.h"
#include "model/SornData.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <utility>
#include <vector>

namespace sorn {

class Timeline : public ChangeObserver {
public:
    Timeline() = default;
    explicit Timeline(const SornData& doc) { Rebuild(doc); }

    void Rebuild(const SornData& doc);
    // Told before the document makes, takes back or makes again a change;
    // the stretches it moves are shifted at once, the lengths of the
    // positions it rewrites are read at the next Update.
    void Changing(const DocumentChange& change, bool undoing) override;
    // Reads what the changes since the last update left to read.
    void Update(const SornData& doc);
    // The earliest onset a change has touched since the last call (0 after
    // a rebuild), or kUntouched; what stands before it is as it was.
    static constexpr std::int64_t kUntouched = std::numeric_limits<std::int64_t>::max();
    std::int64_t TakeChangedFrom() { return std::exchange(changedFrom_, kUntouched); }

    int PartCount() const { return static_cast<int>(parts_.size()); }
    // Positions 0..Length of every part.
    std::int32_t Length() const { return length_; }
    // Where position Iti starts; Iti = Length + 1 is where the part ends.
    std::int64_t Onset(std::uint8_t part, std::int32_t Iti) const {
        return parts_[part].onsets[static_cast<std::size_t>(Iti)];
    }
    std::int64_t Duration(std::uint8_t part, std::int32_t Iti) const {
        return Onset(part, Iti + 1) - Onset(part, Iti);
    }
    std::span<const std::int64_t> Onsets(std::uint8_t part) const { return parts_[part].onsets; }
    // The first position of a part that starts at or after ticks (Length + 1
    // when none does).
    std::int32_t PositionAt(std::uint8_t part, std::int64_t ticks) const;
    std::size_t MemoryBytes() const;

private:
    static constexpr std::int32_t kClean = std::numeric_limits<std::int32_t>::max();
    // Past this many rewritten positions a part is read again from the first.
    static constexpr std::size_t kMostStale = 64;

    struct Part {
        std::vector<std::int64_t> onsets; // Length + 2 entries
        std::vector<std::int32_t> stale;  // positions whose length may have changed
        std::int32_t readFrom = kClean;   // read every position from here on
    };

    void MarkStale(Part& part, std::int32_t Iti);
    void ShiftStale(Part& part, std::int32_t from, std::int32_t by);
    void Resize(std::int32_t length);
    void InsertEmpty(Part& part, std::int32_t Iti, std::int32_t count);
    void Remove(Part& part, std::int32_t Iti, std::int32_t count);
    static void ReadFrom(const SornData& doc, std::uint8_t index, Part& part, std::int32_t from);

    std::vector<Part> parts_;
    std::int32_t length_ = 0;
    std::int64_t changedFrom_ = 0;
};

} // namespace sorn

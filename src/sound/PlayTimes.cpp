#include "sound/PlayTimes.h"

#include "sound/SornMidi.h"

#include <algorithm>

namespace sorn {

namespace {

// Times add up exactly as the export's waiting time and note lengths do,
// each length cut to file ticks on its own.
class TimeListener : public PartListener {
public:
    explicit TimeListener(std::vector<PlayTimes::Entry>& entries) : entries_(entries) {}

    bool Rest(std::int32_t Iti, std::int32_t length) override {
        Add(Iti, SornMidi::FileTicks(length));
        return true;
    }
    bool Note(std::int32_t Iti, std::int16_t, std::uint8_t, std::int32_t length,
              std::int32_t tied) override {
        Add(Iti, SornMidi::FileTicks(length) + SornMidi::FileTicks(tied));
        return true;
    }

private:
    void Add(std::int32_t Iti, std::int64_t ticks) {
        entries_.push_back({now_, Iti});
        now_ += ticks;
    }

    std::vector<PlayTimes::Entry>& entries_;
    std::int64_t now_ = 0;
};

} // namespace

PlayTimes PlayTimes::Of(const SornData& doc, std::uint8_t Part, WalkRange range) {
    PlayTimes times;
    TimeListener listener(times.entries_);
    WalkPart(doc, Part, listener, range);
    return times;
}

std::int32_t PlayTimes::PositionAt(std::int64_t tick) const {
    // Zero-length notes share their tick with what follows; the later one sounds.
    const auto after = std::upper_bound(entries_.begin(), entries_.end(), tick,
                                        [](std::int64_t t, const Entry& e) { return t < e.tick; });
    return after == entries_.begin() ? -1 : std::prev(after)->position;
}

std::int64_t PlayTimes::FirstTickAt(std::int32_t position) const {
    for (const Entry& e : entries_)
        if (e.position >= position) return e.tick;
    return -1;
}

} // namespace sorn

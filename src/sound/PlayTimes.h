#pragma once
// When each position of a part sounds: the times the MIDI export gives its
// notes and rests, in file ticks (480 to a quarter note), in playing order.
// Built from the same walk as the export, so a playing time looked up here
// names the position the listener hears.

#include "model/SornData.h"
#include "sound/PartWalk.h"

#include <cstdint>
#include <vector>

namespace sorn {

class PlayTimes {
public:
    struct Entry {
        std::int64_t tick;     // where the note or rest starts
        std::int32_t position; // the position it stands at
    };

    PlayTimes() = default;
    // The part as SornMidi::SaveToMIDI with the same range plays it.
    static PlayTimes Of(const SornData& doc, std::uint8_t Part, WalkRange range = {});

    // The position sounding at a tick: the last note or rest begun by then.
    // -1 before the first one (or when the part has none).
    std::int32_t PositionAt(std::int64_t tick) const;
    // The tick the music first comes to a position at or after it; -1 when
    // it never does.
    std::int64_t FirstTickAt(std::int32_t position) const;

    const std::vector<Entry>& Entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

} // namespace sorn

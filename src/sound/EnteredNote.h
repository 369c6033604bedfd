#pragma once
// The note a staff position would sound at a position of a part, as the
// music calculator hears it there: clef, key, the bar's accidentals and the
// dynamics in force, the position's own accidental and dynamics included.

#include "model/SornData.h"

#include <cstdint>
#include <optional>

namespace sorn {

struct HeardNote {
    std::uint8_t note;     // MIDI 0..127
    std::uint8_t velocity; // 1..127
};

// nullopt when the position holds no note or the pitch lies outside MIDI.
std::optional<HeardNote> NoteAsHeard(const SornData& doc, std::uint8_t Part, std::int32_t position,
                                     std::uint8_t staffPosition);

} // namespace sorn

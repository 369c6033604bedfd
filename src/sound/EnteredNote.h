#pragma once
// The note a staff position would sound at a position of a part, as the
// music calculator hears it there: clef, key, the bar's accidentals and the
// dynamics in force, the position's own accidental and dynamics included.

#include "model/SornData.h"
#include "model/SymbolCodes.h"

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

// Where a note is written, and under which clef: what the step of a letter
// name is counted from.
struct WrittenPitch {
    std::uint8_t staffPosition = 128;
    std::uint8_t clef = ClefCode::G;
};

// The last note of a part before a position, and the clef it is read with;
// nullopt when the part has none there.
std::optional<WrittenPitch> NoteBefore(const SornData& doc, std::uint8_t Part,
                                       std::int32_t position);

// The clef in force at a position of a part.
std::uint8_t ClefAt(const SornData& doc, std::uint8_t Part, std::int32_t position);

// The staff position, under `clef`, of the letter (0 C, 1 D .. 6 B) whose
// step lies nearest the one written at `from`: within three steps up or
// down, so a melody needs no octave for its steps and thirds. The key and
// the bar's accidentals are left to the music as it is read. Outside the
// editor's staff positions 1..254: nullopt.
std::optional<std::uint8_t> NearestStaffPosition(int letter, WrittenPitch from, std::uint8_t clef);

} // namespace sorn

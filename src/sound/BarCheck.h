#pragma once
// What a reader checks while entering: the pitch the cursor stands for and
// the bars whose notes and rests do not fill their time signature. Both are
// counted as the music calculator counts them, and both look only at the
// stretch of the part that matters, so they can run on every redraw.

#include "model/SornData.h"

#include <cstdint>
#include <vector>

namespace sorn {

// A note's pitch spelled as it is written: letter, the accidental in force
// and the octave of the letter (C4 is middle C), besides the MIDI number.
struct PitchSpelling {
    std::int16_t midi = 0;
    int letter = 0;     // 0..6 for C D E F G A B
    int accidental = 0; // semitones, -2..2
    int octave = 0;
};

// The note at Iti when there is one, otherwise a note at staffPosition there,
// with the clef, key and the accidentals earlier in its bar in force.
PitchSpelling PitchAt(const SornData& doc, std::uint8_t Part, std::int32_t Iti,
                      std::uint8_t staffPosition);

// A bar from first to last (a bar line belongs to the bar it ends) whose
// length differs from its time signature by excess ticks (below 0: short).
struct BadBar {
    std::int32_t first = 0;
    std::int32_t last = 0;
    std::int32_t excess = 0;
    std::int32_t beatTicks = 256; // one beat of its time signature
    bool operator==(const BadBar&) const = default;
};

// The bars touching positions from..to that do not add up. Bars without a
// time signature in force, bars without a note or rest, a short first bar
// (a pickup) and a short last bar are not reported.
std::vector<BadBar> BadBarsBetween(const SornData& doc, std::uint8_t Part, std::int32_t from,
                                   std::int32_t to);

// Where the cursor jumps to: the position after the previous or the next bar
// line, position 0 and the last position when there is none.
std::int32_t PreviousBarStart(const SornData& doc, std::uint8_t Part, std::int32_t Iti);
std::int32_t NextBarStart(const SornData& doc, std::uint8_t Part, std::int32_t Iti);

} // namespace sorn

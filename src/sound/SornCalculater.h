#pragma once
// Reads one part position by position the way a player reads it and turns
// its symbols into sounding values: MIDI note numbers, lengths in calculator
// ticks (1024 to a whole note), velocities and the extra length of ties.
// Clef, key, accidentals and dynamics carry from one position to the next, so
// a calculator is fed the positions of one part in order and then dropped.

#include "model/SornData.h"

#include <array>
#include <cstdint>

namespace sorn {

inline constexpr std::int32_t CalcTicksPerWhole = 1024;

// Division rounding toward minus infinity.
int FloorDiv(int a, int b);
// How far a clef sets its staff positions below the G clef's reading.
int ClefShift(std::uint8_t clef);

// A repeat bar or D.C. at an empty position ends a tie's search for its note:
// the music jumps there.
bool BreaksTie(const PositionRecord& r);

class SornCalculater {
public:
    SornCalculater();

    // MIDI note number of the note in slot 0 after clef, key and accidentals;
    // the position's own accidental is remembered for its step for the rest
    // of the bar. A step shifted below 0 by the clef, and a step too low for
    // MIDI, give a number below 0, which the exporters refuse.
    std::int16_t GetMidiHeight(const SornData& doc, std::uint8_t Part, std::int32_t Iti);
    // Ticks of the note or rest in slot 0, dots included; 0 for anything else.
    std::int32_t getLengthofSound(const SornData& doc, std::uint8_t Part, std::int32_t Iti) const;
    // A bar line of any kind at the position ends the bar's accidentals.
    void SFSyokika(const SornData& doc, std::uint8_t Part, std::int32_t Iti);
    // A key signature sets the key accidentals and cancels those of the bar.
    void SetChogo(std::uint8_t Kigou);
    void SetOnbukigou(std::uint8_t Kigou);
    // Values that are no dynamics mark leave the velocity as it is.
    void SetDynamicsFortePiano(std::uint8_t Kigou);
    std::uint8_t GetOnryou() const { return velocity_; }
    // Extra ticks the notes tied to the note at Iti add; Iti moves to the last
    // note of the chain so that the caller neither sounds nor counts those
    // notes again. A broken chain adds nothing and leaves Iti alone. Signs
    // between tied notes hold the tie while the next note sounds the same
    // pitch; bar lines on the way, the chain's own included, end the bar's
    // accidentals. Saturates at the largest 32-bit number rather than wrapping.
    std::int32_t Tie(const SornData& doc, std::uint8_t Part, std::int32_t& Iti);

    // The same for a position the caller already holds, so that a walk
    // looks each position up once.
    std::int16_t GetMidiHeight(const PositionRecord& position);
    std::int32_t getLengthofSound(const PositionRecord& position) const;
    void SFSyokika(const PositionRecord& position);

    // What GetMidiHeight gives, without remembering the position's accidental.
    std::int16_t SoundingHeight(const PositionRecord& position) const;

private:
    std::uint8_t clef_;
    std::uint8_t velocity_;
    // Indexed by the sounding diatonic step, so an accidental holds for one
    // line or space and not for every octave of its letter.
    std::array<std::uint8_t, 256> keyAccidentals_{};
    std::array<std::uint8_t, 256> currentAccidentals_{};
};

} // namespace sorn

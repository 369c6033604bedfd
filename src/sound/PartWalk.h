#pragma once
// The walk through one part that both exports share: position by position
// with one calculator, repeats, D.C. and Fine played out. The exporter hears
// every rest and note in playing order and decides what to make of them.

#include "model/SornData.h"

#include <cstdint>
#include <limits>

namespace sorn {

class SornCalculater;

class PartListener {
public:
    virtual ~PartListener() = default;
    // Lengths are calculator ticks. Returning false stops the walk.
    virtual bool Rest(std::int32_t Iti, std::int32_t length) = 0;
    // A note at Iti; tied is what the notes tied to it add, already walked
    // past. note is the calculator's number, not yet checked for any range.
    virtual bool Note(std::int32_t Iti, std::int16_t note, std::uint8_t velocity,
                      std::int32_t length, std::int32_t tied) = 0;
    // Once for every position the backward search for a repeat start looks at.
    virtual void SearchedBack() {}
    // Once for every position walked (a tie chain counts as one).
    virtual void PositionDone() {}
    // The written positions from..to were played, in order: one position,
    // or a tie chain with what stands between its notes. Comes before the
    // walk ends at a Fine, so the last positions played are told as well.
    virtual void Passed(std::int32_t /*from*/, std::int32_t /*to*/) {}
    // The walk has come to the first position it reports, with the
    // calculator as the positions before left it. Returning false stops it.
    virtual bool Started(std::int32_t /*Iti*/, const SornCalculater& /*calc*/) { return true; }
};

// Which part of the music a walk reports. The walk always starts at the
// beginning, so clef, key, accidentals, dynamics and repeats are in force as
// played; it stays silent until it first comes to `from` and stops at the
// first position past `to`. A position the music never comes to (behind a
// D.C. that ends at Fine) is played from there with the state the music ended in.
struct WalkRange {
    std::int32_t from = 0;
    std::int32_t to = std::numeric_limits<std::int32_t>::max();
    // Calculator ticks of silence before `from`: parts started at one time
    // whose positions begin at different times stay together.
    std::int32_t lead = 0;
};

// False when the listener stopped the walk.
bool WalkPart(const SornData& doc, std::uint8_t Part, PartListener& listener, WalkRange range = {});

// Where a walk through the repeats stands: playing on, about to go back
// to a repeat's start, in the repeated section, past it, about to go back
// for a D.C., or after the D.C.
enum class RepeatState { Normal, JumpPending, InRepeat, RepeatDone, DCPending, AfterDC };

// Reads the repeat bar lines and words among a position's attached symbols
// into the state; true when it holds a Fine that ends the walk there.
bool ReadRepeatSigns(const PositionRecord& signs, RepeatState& state);

// A repeat bar line: the start, the end, or both.
bool IsRepeatBar(std::uint8_t kind, std::uint8_t value);

} // namespace sorn

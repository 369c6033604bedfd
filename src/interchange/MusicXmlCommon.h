#pragma once
// What the MusicXML export and import share: how a staff position reads as a
// written pitch under a clef, the names of lengths and dynamics, and which
// notes continue a tie, so that both sides decide these the same way.

#include "model/SornData.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace sorn::musicxml {

// Divisions of a quarter note: a dotted sixty-fourth is three of them.
inline constexpr int kDivisions = 32;
// Calculator ticks (256 to a quarter) per division.
inline constexpr int kTicksPerDivision = 256 / kDivisions;

// A written pitch without its alteration: letter 0..6 from C, octave as
// MusicXML counts it (4 holds middle C).
struct WrittenPitch {
    int letter;
    int octave;
};
inline constexpr std::string_view kLetters = "CDEFGAB";

// The pitch a sounding step (staff position after the clef shift) names.
WrittenPitch PitchOfStep(int step);
int StepOfPitch(WrittenPitch pitch);
// MIDI number of the plain letter, as the calculator counts it.
int NaturalMidi(int step);

// MusicXML note-type names of length codes 1..7.
std::string_view TypeName(std::uint8_t lengthCode);
std::optional<std::uint8_t> LengthCodeOfType(std::string_view type);

// Dynamics codes and their element names (mp .. ffff).
std::string_view DynamicsName(std::uint8_t code);
std::optional<std::uint8_t> DynamicsCodeOf(std::string_view name);

// Accidental codes 1..5 and their MusicXML names and semitones.
std::string_view AccidentalName(std::uint8_t code);
std::optional<std::uint8_t> AccidentalCodeOf(std::string_view name);
std::optional<std::uint8_t> AccidentalCodeOfAlter(int alter);

// Key codes and circle-of-fifths numbers.
int FifthsOfKey(std::uint8_t keyCode);
std::optional<std::uint8_t> KeyOfFifths(int fifths);

bool HasSymbol(const PositionRecord& r, std::uint8_t kind);
std::optional<std::uint8_t> SymbolValue(const PositionRecord& r, std::uint8_t kind);

// For every position of a part, whether its note is held over from a tied
// note before it, by the calculator's rule of what breaks a tie. Such a
// note keeps the pitch of the note it continues.
std::vector<bool> TiedContinuations(std::span<const PositionRecord> part);

} // namespace sorn::musicxml

#pragma once
// What the MusicXML export and import share, and the LilyPond export with
// them: how a staff position reads as a written pitch under a clef, the
// names of lengths and dynamics, which notes continue a tie and how notes
// are beamed, so that every side decides these the same way.

#include "model/SornData.h"

#include <array>
#include <cstddef>
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

// Beam values per level of every note, as the screen groups them: notes of
// an eighth or shorter joined by beam marks across empty positions and
// short rests, up to a bar line. At most four levels: a sixty-fourth has
// four beams.
struct Beams {
    std::array<std::string_view, 4> level;
    std::size_t count = 0;
    bool Joined() const { return count && (level[0] == "begin" || level[0] == "continue"); }
};
std::vector<Beams> BeamValues(std::span<const PositionRecord> part);

} // namespace sorn::musicxml

#pragma once
// The vocabulary of a score: what each kind byte (Syurui) and value byte
// (Atai) of a slot means. These numbers are stored in score files, so they
// never change; no other code writes a bare kind or code number.

#include <cstdint>

namespace sorn {

namespace Kind {
inline constexpr std::uint8_t Empty = 0;
// Notes: the kind is the length code, the value the staff position.
inline constexpr std::uint8_t WholeNote = 1;
inline constexpr std::uint8_t HalfNote = 2;
inline constexpr std::uint8_t QuarterNote = 3;
inline constexpr std::uint8_t EighthNote = 4;
inline constexpr std::uint8_t SixteenthNote = 5;
inline constexpr std::uint8_t ThirtySecondNote = 6;
inline constexpr std::uint8_t SixtyFourthNote = 7;
inline constexpr std::uint8_t Rest = 9;           // value: length code
inline constexpr std::uint8_t BarLine = 10;       // value: BarLineCode
inline constexpr std::uint8_t Accidental = 11;    // value: AccidentalCode
inline constexpr std::uint8_t Dot = 12;           // value: 1
inline constexpr std::uint8_t Dynamics = 13;      // value: DynamicsCode
inline constexpr std::uint8_t Clef = 20;          // value: ClefCode
inline constexpr std::uint8_t Tie = 23;           // value: 1
inline constexpr std::uint8_t TimeSignature = 30; // value: packed numerator/denominator
inline constexpr std::uint8_t KeySignature = 31;  // value: KeyCode
inline constexpr std::uint8_t RepeatWord = 64;    // value: RepeatWordCode
inline constexpr std::uint8_t Beam = 96;          // value: 1, joins this note to the next
} // namespace Kind

inline constexpr bool IsNote(std::uint8_t kind) {
    return kind >= Kind::WholeNote && kind <= Kind::SixtyFourthNote;
}
// Kinds that occupy slot 0; everything else attaches in slots 1..14.
inline constexpr bool IsMainSymbol(std::uint8_t kind) {
    return IsNote(kind) || kind == Kind::Rest || kind == Kind::Clef ||
           kind == Kind::TimeSignature || kind == Kind::KeySignature;
}

// Length codes shared by note kinds and rest values.
namespace LengthCode {
inline constexpr std::uint8_t Whole = 1;
inline constexpr std::uint8_t Half = 2;
inline constexpr std::uint8_t Quarter = 3;
inline constexpr std::uint8_t Eighth = 4;
inline constexpr std::uint8_t Sixteenth = 5;
inline constexpr std::uint8_t ThirtySecond = 6;
inline constexpr std::uint8_t SixtyFourth = 7;
} // namespace LengthCode

// Value of kinds that carry only a presence mark: dot, tie, beam.
inline constexpr std::uint8_t MarkPresent = 1;

// Staff positions: one step per line or space; the five lines are 124..132.
namespace StaffPosition {
inline constexpr std::uint8_t Lowest = 1;
inline constexpr std::uint8_t Highest = 254;
inline constexpr std::uint8_t BottomLine = 124;
inline constexpr std::uint8_t MiddleLine = 128;
inline constexpr std::uint8_t TopLine = 132;
inline constexpr std::uint8_t MiddleC = 122; // under the G clef
} // namespace StaffPosition

namespace ClefCode {
inline constexpr std::uint8_t G = 1; // also assumed before the first clef
inline constexpr std::uint8_t F = 2;
inline constexpr std::uint8_t CAlto = 10;
inline constexpr std::uint8_t CTenor = 11;
} // namespace ClefCode

namespace AccidentalCode {
inline constexpr std::uint8_t Sharp = 1;
inline constexpr std::uint8_t DoubleSharp = 2;
inline constexpr std::uint8_t Natural = 3;
inline constexpr std::uint8_t Flat = 4;
inline constexpr std::uint8_t DoubleFlat = 5;
} // namespace AccidentalCode

// Key codes: 0 is C major, 1..7 count sharps, 8..14 count flats (8 = one flat).
namespace KeyCode {
inline constexpr std::uint8_t CMajor = 0;
inline constexpr std::uint8_t MostSharps = 7;
inline constexpr std::uint8_t OneFlat = 8;
inline constexpr std::uint8_t MostFlats = 14;
} // namespace KeyCode

namespace BarLineCode {
inline constexpr std::uint8_t Single = 0;
inline constexpr std::uint8_t Double = 1;
inline constexpr std::uint8_t Final = 2;
inline constexpr std::uint8_t RepeatEnd = 16;   // play back from here
inline constexpr std::uint8_t RepeatStart = 17; // where a repeat goes back to
inline constexpr std::uint8_t RepeatBoth = 18;
} // namespace BarLineCode

namespace DynamicsCode {
// Soft levels count up from 1, loud levels from 9.
inline constexpr std::uint8_t mp = 1;
inline constexpr std::uint8_t p = 2;
inline constexpr std::uint8_t pp = 3;
inline constexpr std::uint8_t ppp = 4;
inline constexpr std::uint8_t pppp = 5;
inline constexpr std::uint8_t mf = 9;
inline constexpr std::uint8_t f = 10;
inline constexpr std::uint8_t ff = 11;
inline constexpr std::uint8_t fff = 12;
inline constexpr std::uint8_t ffff = 13;
} // namespace DynamicsCode

namespace RepeatWordCode {
inline constexpr std::uint8_t DC = 1;     // "D.C."
inline constexpr std::uint8_t DaCapo = 2; // "Da Capo", plays as D.C.
inline constexpr std::uint8_t Fine = 8;
} // namespace RepeatWordCode

// Time signatures pack numerator and denominator exponent into one byte:
// code = (numerator - 1) * 8 + d, denominator = 2^d, d = 0..5.
struct TimeSignature {
    int numerator;
    int denominatorExponent;
    int denominator() const { return 1 << denominatorExponent; }
};
inline constexpr std::uint8_t TimeSignatureCommon = 26; // 4/4
inline constexpr std::uint8_t EncodeTimeSignature(int numerator, int denominatorExponent) {
    return static_cast<std::uint8_t>((numerator - 1) * 8 + denominatorExponent);
}
inline constexpr TimeSignature DecodeTimeSignature(std::uint8_t code) {
    return {code / 8 + 1, code % 8};
}

// What one slot holds.
struct Symbol {
    std::uint8_t kind = Kind::Empty;
    std::uint8_t value = 0;
    bool operator==(const Symbol&) const = default;
};

} // namespace sorn

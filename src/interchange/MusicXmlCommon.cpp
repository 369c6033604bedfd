#include "interchange/MusicXmlCommon.h"

#include "model/SymbolCodes.h"
#include "sound/SornCalculater.h"

#include <array>

namespace sorn::musicxml {

namespace {

constexpr std::array<std::string_view, 8> kTypeNames = {"",       "whole", "half", "quarter",
                                                        "eighth", "16th",  "32nd", "64th"};

// Indexed by dynamics code; empty where no mark has the code.
constexpr std::array<std::string_view, 14> kDynamicsNames = {
    "", "mp", "p", "pp", "ppp", "pppp", "", "", "", "mf", "f", "ff", "fff", "ffff"};

constexpr std::array<std::string_view, 6> kAccidentalNames = {"",        "sharp", "double-sharp",
                                                              "natural", "flat",  "flat-flat"};
constexpr std::array<int, 6> kAccidentalAlter = {0, 1, 2, 0, -1, -2};

// The step of middle C under the G clef, which is MusicXML's C4.
constexpr int kMiddleCStep = 122;

bool IsTied(const PositionRecord& r) {
    for (int k = 1; k < SlotCount; ++k)
        if (r.Syurui[k] == Kind::Tie && r.Atai[k] == MarkPresent) return true;
    return false;
}

} // namespace

WrittenPitch PitchOfStep(int step) {
    const int fromC = step - kMiddleCStep;
    const int octave = FloorDiv(fromC, 7);
    return {fromC - octave * 7, octave + 4};
}

int StepOfPitch(WrittenPitch pitch) {
    return kMiddleCStep + (pitch.octave - 4) * 7 + pitch.letter;
}

int NaturalMidi(int step) {
    static constexpr std::array<int, 7> semitone = {0, 2, 4, 5, 7, 9, 11};
    const WrittenPitch p = PitchOfStep(step);
    return (p.octave + 1) * 12 + semitone[static_cast<std::size_t>(p.letter)];
}

std::string_view TypeName(std::uint8_t lengthCode) {
    return lengthCode < kTypeNames.size() ? kTypeNames[lengthCode] : std::string_view{};
}

std::optional<std::uint8_t> LengthCodeOfType(std::string_view type) {
    for (std::uint8_t code = 1; code < kTypeNames.size(); ++code)
        if (kTypeNames[code] == type) return code;
    return std::nullopt;
}

std::string_view DynamicsName(std::uint8_t code) {
    return code < kDynamicsNames.size() ? kDynamicsNames[code] : std::string_view{};
}

std::optional<std::uint8_t> DynamicsCodeOf(std::string_view name) {
    if (name.empty()) return std::nullopt;
    for (std::uint8_t code = 1; code < kDynamicsNames.size(); ++code)
        if (kDynamicsNames[code] == name) return code;
    return std::nullopt;
}

std::string_view AccidentalName(std::uint8_t code) {
    return code < kAccidentalNames.size() ? kAccidentalNames[code] : std::string_view{};
}

std::optional<std::uint8_t> AccidentalCodeOf(std::string_view name) {
    if (name.empty()) return std::nullopt;
    for (std::uint8_t code = 1; code < kAccidentalNames.size(); ++code)
        if (kAccidentalNames[code] == name) return code;
    if (name == "sharp-sharp") return AccidentalCode::DoubleSharp;
    if (name == "double-flat") return AccidentalCode::DoubleFlat;
    return std::nullopt;
}

std::optional<std::uint8_t> AccidentalCodeOfAlter(int alter) {
    switch (alter) {
    case 2:
        return AccidentalCode::DoubleSharp;
    case 1:
        return AccidentalCode::Sharp;
    case 0:
        return AccidentalCode::Natural;
    case -1:
        return AccidentalCode::Flat;
    case -2:
        return AccidentalCode::DoubleFlat;
    default:
        return std::nullopt;
    }
}

int FifthsOfKey(std::uint8_t keyCode) {
    // The calculator reads the code modulo 16; 15 is as C major.
    const int k = keyCode % 16;
    if (k <= KeyCode::MostSharps) return k;
    if (k <= KeyCode::MostFlats) return -(k - KeyCode::MostSharps);
    return 0;
}

std::optional<std::uint8_t> KeyOfFifths(int fifths) {
    if (fifths >= 0 && fifths <= 7) return static_cast<std::uint8_t>(fifths);
    if (fifths < 0 && fifths >= -7) return static_cast<std::uint8_t>(KeyCode::MostSharps - fifths);
    return std::nullopt;
}

bool HasSymbol(const PositionRecord& r, std::uint8_t kind) {
    return SymbolValue(r, kind).has_value();
}

std::optional<std::uint8_t> SymbolValue(const PositionRecord& r, std::uint8_t kind) {
    for (int k = 1; k < SlotCount; ++k)
        if (r.Syurui[k] == kind) return r.Atai[k];
    return std::nullopt;
}

std::vector<bool> TiedContinuations(std::span<const PositionRecord> part) {
    std::vector<bool> held(part.size(), false);
    std::vector<std::int16_t> chainHeight(part.size(), 0); // what a held note sounds
    // Read in order as the calculator reads it, so that a tie through a
    // clef or key change is judged by what the notes sound.
    SornCalculater calc;
    for (std::size_t i = 0; i < part.size(); ++i) {
        const PositionRecord& r = part[i];
        const std::uint8_t kind = r.Syurui[0];
        if (kind == Kind::Clef) calc.SetOnbukigou(r.Atai[0]);
        if (kind == Kind::KeySignature) calc.SetChogo(r.Atai[0]);
        if (IsNote(kind) && !held[i]) calc.GetMidiHeight(r);
        if (IsNote(kind) && IsTied(r)) {
            SornCalculater ahead = calc;
            const std::int16_t height = held[i] ? chainHeight[i] : ahead.SoundingHeight(r);
            ahead.SFSyokika(r);
            bool reread = false;
            for (std::size_t q = i + 1; q < part.size(); ++q) {
                const PositionRecord& next = part[q];
                const std::uint8_t k = next.Syurui[0];
                if (k == Kind::Empty || k == Kind::TimeSignature || k == Kind::Clef ||
                    k == Kind::KeySignature) {
                    if (BreaksTie(next)) break;
                    if (k == Kind::Clef) ahead.SetOnbukigou(next.Atai[0]);
                    if (k == Kind::KeySignature) ahead.SetChogo(next.Atai[0]);
                    reread = reread || k == Kind::Clef || k == Kind::KeySignature;
                    ahead.SFSyokika(next);
                    continue;
                }
                if (IsNote(k) &&
                    (reread ? ahead.SoundingHeight(next) == height : next.Atai[0] == r.Atai[0])) {
                    held[q] = true;
                    chainHeight[q] = height;
                }
                break;
            }
        }
        calc.SFSyokika(r);
    }
    return held;
}

std::vector<Beams> BeamValues(std::span<const PositionRecord> part) {
    std::vector<Beams> values(part.size());
    auto beamable = [](std::uint8_t k) {
        return k >= Kind::EighthNote && k <= Kind::SixtyFourthNote;
    };
    for (std::size_t start = 0; start < part.size(); ++start) {
        if (!beamable(part[start].Syurui[0])) continue;
        std::vector<std::size_t> members;
        std::size_t i = start;
        for (; i < part.size(); ++i) {
            const PositionRecord& r = part[i];
            bool go = false;
            if (r.Syurui[0] == Kind::Empty) {
                go = true;
            } else if (beamable(r.Syurui[0])) {
                members.push_back(i);
                go = SymbolValue(r, Kind::Beam) == MarkPresent;
            } else if (r.Syurui[0] == Kind::Rest) {
                go = r.Atai[0] != LengthCode::Whole && r.Atai[0] != LengthCode::Half;
            }
            if (HasSymbol(r, Kind::BarLine) || !go) break;
        }
        if (members.size() >= 2) {
            auto levels = [&](std::size_t t) { return part[members[t]].Syurui[0] - 3; };
            for (std::size_t t = 0; t < members.size(); ++t) {
                for (int l = 1; l <= levels(t); ++l) {
                    const bool prev = t > 0 && levels(t - 1) >= l;
                    const bool next = t + 1 < members.size() && levels(t + 1) >= l;
                    Beams& b = values[members[t]];
                    b.level[b.count++] = prev && next ? "continue"
                                         : prev       ? "end"
                                         : next       ? "begin"
                                         : t == 0     ? "forward hook"
                                                      : "backward hook";
                }
            }
        }
        start = members.back();
    }
    return values;
}

} // namespace sorn::musicxml

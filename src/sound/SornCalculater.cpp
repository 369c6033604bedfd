#include "sound/SornCalculater.h"

#include "model/SymbolCodes.h"

#include <algorithm>
#include <limits>

namespace sorn {

namespace {

constexpr PositionRecord kEmptyPosition{};

const PositionRecord& At(const SornData& doc, std::uint8_t Part, std::int32_t Iti) {
    const PositionRecord* r = doc.Record(Part, Iti);
    return r ? *r : kEmptyPosition;
}

// Semitones of accidental codes 0 (none) to 5; other codes count as none.
constexpr std::array<std::int8_t, 6> kAccidentalOffset = {0, 1, 2, 0, -1, -2};

int AccidentalOffset(std::uint8_t code) {
    return code < kAccidentalOffset.size() ? kAccidentalOffset[code] : 0;
}

// Semitone of the letter of step a, indexed by a mod 7 (3 is C).
constexpr std::array<int, 7> kLetterSemitone = {7, 9, 11, 0, 2, 4, 5};

// Ticks of length codes 1..7; index 0 and anything past 7 are no length.
constexpr std::array<std::int32_t, 8> kLengthTicks = {0, 1024, 512, 256, 128, 64, 32, 16};

std::int32_t LengthTicks(std::uint8_t code) {
    return code < kLengthTicks.size() ? kLengthTicks[code] : 0;
}

int FloorMod(int a, int b) {
    return a - FloorDiv(a, b) * b;
}

bool HasMark(const PositionRecord& r, std::uint8_t kind) {
    for (int k = 1; k < SlotCount; ++k)
        if (r.Syurui[k] == kind && r.Atai[k] == MarkPresent) return true;
    return false;
}

} // namespace

int FloorDiv(int a, int b) {
    int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int ClefShift(std::uint8_t clef) {
    switch (clef) {
    case ClefCode::F:
        return 12;
    case ClefCode::CAlto:
        return 6;
    case ClefCode::CTenor:
        return 8;
    default:
        return 0;
    }
}

bool BreaksTie(const PositionRecord& r) {
    for (int k = 1; k < SlotCount; ++k) {
        const std::uint8_t v = r.Atai[k];
        if (r.Syurui[k] == Kind::BarLine &&
            (v == BarLineCode::RepeatEnd || v == BarLineCode::RepeatStart ||
             v == BarLineCode::RepeatBoth))
            return true;
        if (r.Syurui[k] == Kind::RepeatWord &&
            (v == RepeatWordCode::DC || v == RepeatWordCode::DaCapo))
            return true;
    }
    return false;
}

SornCalculater::SornCalculater() : clef_(ClefCode::G), velocity_(90) {}

std::int16_t SornCalculater::GetMidiHeight(const SornData& doc, std::uint8_t Part,
                                           std::int32_t Iti) {
    return GetMidiHeight(At(doc, Part, Iti));
}

std::int16_t SornCalculater::GetMidiHeight(const PositionRecord& r) {
    const std::int16_t height = SoundingHeight(r);
    const int a = r.Atai[0] - ClefShift(clef_);
    if (a < 0 || a >= static_cast<int>(currentAccidentals_.size())) return height;
    for (int k = 1; k < SlotCount; ++k)
        if (r.Syurui[k] == Kind::Accidental) currentAccidentals_[a] = r.Atai[k];
    return height;
}

std::int16_t SornCalculater::SoundingHeight(const PositionRecord& r) const {
    const int a = r.Atai[0] - ClefShift(clef_);
    const bool onStaff = a >= 0 && a < static_cast<int>(currentAccidentals_.size());
    int offset = onStaff ? AccidentalOffset(currentAccidentals_[a]) : 0;
    // Floor division, so that steps below MIDI 0 come out below 0 instead of
    // folding back into the lowest octave.
    const int base = 12 * FloorDiv(a - 87, 7) + kLetterSemitone[FloorMod(a, 7)];
    for (int k = 1; k < SlotCount; ++k) {
        if (r.Syurui[k] != Kind::Accidental) continue;
        const std::uint8_t code = r.Atai[k];
        if (code >= AccidentalCode::Sharp && code <= AccidentalCode::DoubleFlat)
            offset = AccidentalOffset(code);
    }
    return static_cast<std::int16_t>(base + offset);
}

std::int32_t SornCalculater::getLengthofSound(const SornData& doc, std::uint8_t Part,
                                              std::int32_t Iti) const {
    return getLengthofSound(At(doc, Part, Iti));
}

std::int32_t SornCalculater::getLengthofSound(const PositionRecord& r) const {
    std::int32_t length = 0;
    if (IsNote(r.Syurui[0]))
        length = LengthTicks(r.Syurui[0]);
    else if (r.Syurui[0] == Kind::Rest)
        length = LengthTicks(r.Atai[0]);
    // Every dot slot adds half again; at most 14 of them stay far inside 32 bits.
    for (int k = 1; k < SlotCount; ++k)
        if (r.Syurui[k] == Kind::Dot && r.Atai[k] == MarkPresent) length = length * 3 / 2;
    return length;
}

void SornCalculater::SFSyokika(const SornData& doc, std::uint8_t Part, std::int32_t Iti) {
    SFSyokika(At(doc, Part, Iti));
}

void SornCalculater::SFSyokika(const PositionRecord& r) {
    for (int k = 1; k < SlotCount; ++k) {
        if (r.Syurui[k] == Kind::BarLine) {
            currentAccidentals_ = keyAccidentals_;
            return;
        }
    }
}

void SornCalculater::SetChogo(std::uint8_t Kigou) {
    // Letters 0..6 are C D E F G A B.
    constexpr std::array<int, 7> sharpOrder = {3, 0, 4, 1, 5, 2, 6}; // F C G D A E B
    constexpr std::array<int, 7> flatOrder = {6, 2, 5, 1, 4, 0, 3};  // B E A D G C F
    std::array<std::uint8_t, 7> letter{};
    const int k = Kigou % 16;
    if (k >= 1 && k <= KeyCode::MostSharps) {
        for (int i = 0; i < k; ++i)
            letter[sharpOrder[i]] = AccidentalCode::Sharp;
    } else if (k >= KeyCode::OneFlat && k <= KeyCode::MostFlats) {
        for (int i = 0; i < k - KeyCode::MostSharps; ++i)
            letter[flatOrder[i]] = AccidentalCode::Flat;
    }
    for (std::size_t a = 0; a < keyAccidentals_.size(); ++a)
        keyAccidentals_[a] = letter[(a + 4) % 7];
    currentAccidentals_ = keyAccidentals_;
}

void SornCalculater::SetOnbukigou(std::uint8_t Kigou) {
    clef_ = Kigou;
}

void SornCalculater::SetDynamicsFortePiano(std::uint8_t Kigou) {
    switch (Kigou) {
    case DynamicsCode::ffff:
        velocity_ = 127;
        break;
    case DynamicsCode::fff:
        velocity_ = 120;
        break;
    case DynamicsCode::ff:
        velocity_ = 112;
        break;
    case DynamicsCode::f:
        velocity_ = 100;
        break;
    case DynamicsCode::mf:
        velocity_ = 90;
        break;
    case DynamicsCode::mp:
        velocity_ = 80;
        break;
    case DynamicsCode::p:
        velocity_ = 64;
        break;
    case DynamicsCode::pp:
        velocity_ = 48;
        break;
    case DynamicsCode::ppp:
        velocity_ = 32;
        break;
    case DynamicsCode::pppp:
        velocity_ = 16;
        break;
    default:
        break;
    }
}

std::int32_t SornCalculater::Tie(const SornData& doc, std::uint8_t Part, std::int32_t& Iti) {
    const PositionRecord* from = &At(doc, Part, Iti);
    if (!IsNote(from->Syurui[0]) || !HasMark(*from, Kind::Tie)) return 0;
    // The chain sounds the pitch its first note was given.
    const std::int16_t height = SoundingHeight(*from);
    // Followed link by link rather than recursively: a chain may run through
    // the whole part, deeper than the stack allows.
    std::int64_t extra = 0;
    std::int32_t chainEnd = Iti;
    const std::int32_t last = doc.Length();
    for (;;) {
        // A note of the chain that closes its bar ends the bar's accidentals
        // for what follows, as an untied note does.
        SFSyokika(*from);
        const std::uint8_t staffPosition = from->Atai[0];
        // After a clef or key change the same pitch may stand elsewhere or
        // need another accidental, so the chain goes on by what it sounds.
        bool reread = false;
        std::int32_t q = chainEnd + 1;
        const PositionRecord* to = nullptr;
        for (; q <= last; ++q) {
            const PositionRecord& r = At(doc, Part, q);
            const std::uint8_t kind = r.Syurui[0];
            if (kind == Kind::Empty || kind == Kind::TimeSignature || kind == Kind::Clef ||
                kind == Kind::KeySignature) {
                if (BreaksTie(r)) break;
                if (kind == Kind::Clef) SetOnbukigou(r.Atai[0]);
                if (kind == Kind::KeySignature) SetChogo(r.Atai[0]);
                reread = reread || kind == Kind::Clef || kind == Kind::KeySignature;
                // A bar line crossed by the tie still ends the bar.
                SFSyokika(r);
                continue;
            }
            if (IsNote(kind) && (reread ? SoundingHeight(r) == height : r.Atai[0] == staffPosition))
                to = &r;
            break;
        }
        if (!to) break;
        extra += getLengthofSound(*to);
        chainEnd = q;
        if (!HasMark(*to, Kind::Tie)) break;
        from = to;
    }
    Iti = chainEnd;
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(extra, std::numeric_limits<std::int32_t>::max()));
}

} // namespace sorn

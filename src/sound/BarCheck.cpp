#include "sound/BarCheck.h"

#include "model/SymbolCodes.h"
#include "sound/SornCalculater.h"

#include <algorithm>

namespace sorn {

namespace {

bool HasBarLine(const PositionRecord& r) {
    for (int k = 1; k < SlotCount; ++k)
        if (r.Syurui[k] == Kind::BarLine) return true;
    return false;
}

bool Sounds(const PositionRecord& r) {
    return IsNote(r.Syurui[0]) || r.Syurui[0] == Kind::Rest;
}

// The letter of a natural semitone: C D E F G A B sit on 0 2 4 5 7 9 11.
int LetterOf(int semitone) {
    constexpr int kLetter[12] = {0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};
    return kLetter[semitone - 12 * FloorDiv(semitone, 12)];
}

// The part's positions lie in one block, so the scans below read it directly.
const PositionRecord* Positions(const SornData& doc, std::uint8_t Part) {
    return doc.Record(Part, 0);
}

} // namespace

PitchSpelling PitchAt(const SornData& doc, std::uint8_t Part, std::int32_t Iti,
                      std::uint8_t staffPosition) {
    PositionRecord here{};
    here.Syurui[0] = Kind::QuarterNote;
    here.Atai[0] = staffPosition;
    SornCalculater calc;
    std::uint8_t clef = ClefCode::G;
    if (const PositionRecord* rec = Positions(doc, Part)) {
        Iti = std::clamp(Iti, 0, doc.Length());
        // Accidentals last from the previous bar line to Iti.
        std::int32_t start = Iti;
        while (start > 0 && !HasBarLine(rec[start - 1]))
            --start;
        // Clef and key as they stand when the bar begins.
        bool clefFound = false;
        bool keyFound = false;
        for (std::int32_t q = start - 1; q >= 0 && !(clefFound && keyFound); --q) {
            if (!clefFound && rec[q].Syurui[0] == Kind::Clef) {
                clef = rec[q].Atai[0];
                clefFound = true;
            }
            if (!keyFound && rec[q].Syurui[0] == Kind::KeySignature) {
                calc.SetChogo(rec[q].Atai[0]);
                keyFound = true;
            }
        }
        calc.SetOnbukigou(clef);
        for (std::int32_t q = start; q <= Iti; ++q) {
            const PositionRecord& r = rec[q];
            if (r.Syurui[0] == Kind::Clef) {
                clef = r.Atai[0];
                calc.SetOnbukigou(clef);
            } else if (r.Syurui[0] == Kind::KeySignature) {
                calc.SetChogo(r.Atai[0]);
            } else if (IsNote(r.Syurui[0])) {
                if (q == Iti)
                    here = r;
                else
                    calc.GetMidiHeight(r);
            }
        }
    }
    PitchSpelling spelling;
    spelling.midi = calc.GetMidiHeight(here);
    // The same step with no accidental at all names the letter and its octave.
    SornCalculater plain;
    plain.SetOnbukigou(clef);
    PositionRecord bare{};
    bare.Syurui[0] = here.Syurui[0];
    bare.Atai[0] = here.Atai[0];
    const int natural = plain.GetMidiHeight(bare);
    spelling.accidental = spelling.midi - natural;
    spelling.letter = LetterOf(natural);
    spelling.octave = FloorDiv(natural, 12) - 1;
    return spelling;
}

std::vector<BadBar> BadBarsBetween(const SornData& doc, std::uint8_t Part, std::int32_t from,
                                   std::int32_t to) {
    std::vector<BadBar> bad;
    const PositionRecord* rec = Positions(doc, Part);
    const std::int32_t L = doc.Length();
    if (!rec) return bad;
    from = std::clamp(from, 0, L);
    to = std::clamp(to, 0, L);
    auto startsBar = [rec](std::int32_t q) {
        return rec[q].Syurui[0] == Kind::TimeSignature || HasBarLine(rec[q - 1]);
    };
    std::int32_t b = from;
    while (b > 0 && !startsBar(b))
        --b;
    int timeSignature = -1;
    for (std::int32_t q = b; q >= 0 && timeSignature < 0; --q)
        if (rec[q].Syurui[0] == Kind::TimeSignature) timeSignature = rec[q].Atai[0];
    bool soundedBefore = false;
    for (std::int32_t q = b - 1; q >= 0 && !soundedBefore; --q)
        soundedBefore = Sounds(rec[q]);

    const SornCalculater calc;
    while (b <= to) {
        if (rec[b].Syurui[0] == Kind::TimeSignature) timeSignature = rec[b].Atai[0];
        // 64 bits: fourteen dots on every one of many positions outgrow 32.
        std::int64_t sum = 0;
        bool sounds = false;
        std::int32_t e = b;
        for (;; ++e) {
            sum += calc.getLengthofSound(rec[e]);
            sounds = sounds || Sounds(rec[e]);
            if (e == L || HasBarLine(rec[e]) || rec[e + 1].Syurui[0] == Kind::TimeSignature) break;
        }
        if (timeSignature >= 0 && sounds) {
            const TimeSignature t = DecodeTimeSignature(static_cast<std::uint8_t>(timeSignature));
            const std::int32_t beat = CalcTicksPerWhole / t.denominator();
            const std::int64_t excess = sum - std::int64_t{t.numerator} * beat;
            bool soundsAfter = false;
            for (std::int32_t q = e + 1; q <= L && !soundsAfter && excess < 0; ++q)
                soundsAfter = Sounds(rec[q]);
            // A short first bar is a pickup, a short last bar its other half.
            if (excess > 0 || (excess < 0 && soundedBefore && soundsAfter))
                bad.push_back({b, e,
                               static_cast<std::int32_t>(std::clamp<std::int64_t>(
                                   excess, -(std::int64_t{1} << 30), std::int64_t{1} << 30)),
                               beat});
        }
        soundedBefore = soundedBefore || sounds;
        if (e == L) break;
        b = e + 1;
    }
    return bad;
}

std::int32_t PreviousBarStart(const SornData& doc, std::uint8_t Part, std::int32_t Iti) {
    const PositionRecord* rec = Positions(doc, Part);
    if (!rec) return 0;
    for (std::int32_t q = std::min(Iti, doc.Length() + 1) - 2; q >= 0; --q)
        if (HasBarLine(rec[q])) return q + 1;
    return 0;
}

std::int32_t NextBarStart(const SornData& doc, std::uint8_t Part, std::int32_t Iti) {
    const PositionRecord* rec = Positions(doc, Part);
    const std::int32_t L = doc.Length();
    if (!rec) return L;
    for (std::int32_t q = std::max(Iti, 0); q < L; ++q)
        if (HasBarLine(rec[q])) return q + 1;
    return L;
}

} // namespace sorn

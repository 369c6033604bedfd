#include "sound/PartWalk.h"

#include "model/SymbolCodes.h"
#include "sound/SornCalculater.h"

#include <optional>

namespace sorn {

namespace {

// Never written by the editor; sounded like a note, for no time.
constexpr std::uint8_t kZeroLengthNoteKind = 8;

constexpr PositionRecord kEmptyPosition{};

// A player who goes back reads the clef and the key written before the
// place they go back to, not the ones the music had come to; accidentals
// start afresh there, at the start of a bar.
template <typename At>
void ReadSignsBefore(std::int32_t target, const At& at, SornCalculater& calc) {
    std::optional<std::uint8_t> clef, key;
    for (std::int32_t q = target - 1; q >= 0 && !(clef && key); --q) {
        const PositionRecord& r = at(q);
        if (!clef && r.Syurui[0] == Kind::Clef) clef = r.Atai[0];
        if (!key && r.Syurui[0] == Kind::KeySignature) key = r.Atai[0];
    }
    calc.SetOnbukigou(clef.value_or(ClefCode::G));
    calc.SetChogo(key.value_or(KeyCode::CMajor));
}

} // namespace

bool IsRepeatBar(std::uint8_t kind, std::uint8_t value) {
    return kind == Kind::BarLine &&
           (value == BarLineCode::RepeatEnd || value == BarLineCode::RepeatStart ||
            value == BarLineCode::RepeatBoth);
}

bool ReadRepeatSigns(const PositionRecord& signs, RepeatState& state) {
    for (int k = 1; k < SlotCount; ++k) {
        const std::uint8_t sk = signs.Syurui[k];
        const std::uint8_t sv = signs.Atai[k];
        if (sk == Kind::BarLine &&
            (sv == BarLineCode::RepeatEnd || sv == BarLineCode::RepeatBoth)) {
            if (state == RepeatState::Normal)
                state = RepeatState::JumpPending;
            else if (state == RepeatState::InRepeat)
                state = RepeatState::RepeatDone;
        } else if (sk == Kind::RepeatWord &&
                   (sv == RepeatWordCode::DC || sv == RepeatWordCode::DaCapo)) {
            if (state == RepeatState::Normal) state = RepeatState::DCPending;
        } else if (sk == Kind::RepeatWord && sv == RepeatWordCode::Fine &&
                   state == RepeatState::AfterDC) {
            return true;
        }
    }
    return false;
}

bool WalkPart(const SornData& doc, std::uint8_t Part, PartListener& listener, WalkRange range) {
    SornCalculater calc;
    RepeatState state = RepeatState::Normal;
    const std::int32_t last = doc.Length();
    auto at = [&](std::int32_t iti) -> const PositionRecord& {
        const PositionRecord* r = doc.Record(Part, iti);
        return r ? *r : kEmptyPosition;
    };
    // Silent until the walk first comes to range.from.
    bool sounding = false;
    if (range.from > last || range.from > range.to) return true;
    auto start = [&](std::int32_t here) {
        sounding = true;
        return listener.Started(here, calc);
    };

    for (std::int32_t Iti = 0;;) {
        if (Iti > last) {
            if (sounding) break;
            // The music ended without coming to range.from: go on from
            // there, as a player who starts reading at that bar would.
            Iti = range.from;
            state = RepeatState::Normal;
        }
        const std::int32_t here = Iti;
        if (!sounding && here >= range.from && !start(here)) return false;
        if (sounding && here > range.to) break;
        const PositionRecord& r = at(here);
        const std::int32_t length = calc.getLengthofSound(r);
        for (int k = 1; k < SlotCount; ++k)
            if (r.Syurui[k] == Kind::Dynamics) calc.SetDynamicsFortePiano(r.Atai[k]);

        const std::uint8_t kind = r.Syurui[0];
        if (kind == Kind::Rest) {
            if (sounding && !listener.Rest(here, length)) return false;
        } else if (IsNote(kind) || kind == kZeroLengthNoteKind) {
            const std::int16_t note = calc.GetMidiHeight(r);
            const std::uint8_t velocity = calc.GetOnryou();
            const std::int32_t tied = calc.Tie(doc, Part, Iti);
            if (sounding && !listener.Note(here, note, velocity, length, tied)) return false;
        } else if (kind == Kind::Clef) {
            calc.SetOnbukigou(r.Atai[0]);
        } else if (kind == Kind::KeySignature) {
            calc.SetChogo(r.Atai[0]);
        }
        // A tie has moved Iti to the end of its chain: that position closes
        // the bar and carries the repeat signs that count.
        const PositionRecord& signs = Iti == here ? r : at(Iti);
        calc.SFSyokika(signs);
        if (sounding) listener.Passed(here, Iti);

        if (ReadRepeatSigns(signs, state)) {
            if (sounding) break;
            Iti = last + 1;
            continue;
        }

        switch (state) {
        case RepeatState::JumpPending: {
            std::int32_t back = Iti - 1;
            for (; back >= 0; --back) {
                if (sounding) listener.SearchedBack();
                const PositionRecord& b = at(back);
                bool found = false;
                for (int k = 1; k < SlotCount && !found; ++k)
                    found = IsRepeatBar(b.Syurui[k], b.Atai[k]);
                if (found) break;
            }
            // Just after the repeat bar found, or the start when there is none.
            Iti = back + 1;
            ReadSignsBefore(Iti, at, calc);
            state = RepeatState::InRepeat;
            break;
        }
        case RepeatState::DCPending:
            Iti = 0;
            ReadSignsBefore(Iti, at, calc);
            state = RepeatState::AfterDC;
            break;
        case RepeatState::RepeatDone:
            state = RepeatState::Normal;
            ++Iti;
            break;
        default:
            ++Iti;
            break;
        }
        if (sounding) listener.PositionDone();
    }
    return true;
}

} // namespace sorn

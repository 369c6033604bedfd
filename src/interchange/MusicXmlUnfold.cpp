#include "interchange/MusicXmlUnfold.h"

#include "model/SymbolCodes.h"
#include "sound/PartWalk.h"
#include "sound/SornCalculater.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <tuple>

namespace sorn::musicxml {

namespace {

bool IsRepeatSign(std::uint8_t kind, std::uint8_t value) {
    return IsRepeatBar(kind, value) ||
           (kind == Kind::RepeatWord &&
            (value == RepeatWordCode::DC || value == RepeatWordCode::DaCapo ||
             value == RepeatWordCode::Fine));
}

// (notated end time of the position, kind, value) of every repeat sign.
using Sign = std::tuple<std::int64_t, std::uint8_t, std::uint8_t>;
std::vector<Sign> RepeatSigns(const SornData& doc, std::uint8_t part) {
    std::vector<Sign> signs;
    SornCalculater calc;
    std::int64_t time = 0;
    for (std::int32_t i = 0; i <= doc.Length(); ++i) {
        const PositionRecord* r = doc.Record(part, i);
        if (!r) break;
        time += calc.getLengthofSound(*r);
        for (int k = 1; k < SlotCount; ++k)
            if (IsRepeatSign(r->Syurui[k], r->Atai[k]))
                signs.emplace_back(time, r->Syurui[k], r->Atai[k]);
    }
    return signs;
}

// The positions of the walk in order; a jump shows as a position that does
// not follow the one before.
class PassedPositions : public PartListener {
public:
    bool Rest(std::int32_t, std::int32_t) override { return true; }
    bool Note(std::int32_t, std::int16_t, std::uint8_t, std::int32_t, std::int32_t) override {
        return true;
    }
    void Passed(std::int32_t from, std::int32_t to) override { spans.emplace_back(from, to); }
    std::vector<std::pair<std::int32_t, std::int32_t>> spans;
};

// The clef, key and time written last before each position, found in one
// pass: a score may jump back many times.
class SignsBefore {
public:
    static constexpr std::array<std::uint8_t, 3> kKinds = {Kind::Clef, Kind::KeySignature,
                                                           Kind::TimeSignature};
    SignsBefore(const SornData& doc, std::uint8_t part) {
        std::array<std::optional<std::uint8_t>, 3> last;
        for (std::int32_t i = 0; i <= doc.Length(); ++i) {
            before_.push_back(last);
            const PositionRecord& r = *doc.Record(part, i);
            for (std::size_t k = 0; k < kKinds.size(); ++k)
                if (r.Syurui[0] == kKinds[k]) last[k] = r.Atai[0];
        }
    }
    std::optional<std::uint8_t> At(std::int32_t Iti, std::uint8_t kind) const {
        const std::size_t k = static_cast<std::size_t>(
            std::find(kKinds.begin(), kKinds.end(), kind) - kKinds.begin());
        return before_[static_cast<std::size_t>(Iti)][k];
    }

private:
    std::vector<std::array<std::optional<std::uint8_t>, 3>> before_;
};

bool HasBarLine(const PositionRecord& r) {
    for (int k = 1; k < SlotCount; ++k)
        if (r.Syurui[k] == Kind::BarLine) return true;
    return false;
}

// Whether the positions from Iti set the kind again before anything sounds
// or a bar ends: then the jump needs no sign of its own.
bool SetAgain(const SornData& doc, std::uint8_t part, std::int32_t Iti, std::uint8_t kind) {
    for (std::int32_t q = Iti; q <= doc.Length(); ++q) {
        const PositionRecord* r = doc.Record(part, q);
        if (!r) break;
        if (r->Syurui[0] == kind) return true;
        if (IsNote(r->Syurui[0]) || r->Syurui[0] == Kind::Rest || HasBarLine(*r)) return false;
    }
    return false;
}

// Ticks from Iti up to and with the first position with a bar line; none
// when another time comes first, or no bar line.
std::optional<std::int32_t> OpeningBar(const SornData& doc, std::uint8_t part, std::int32_t Iti,
                                       std::uint8_t time) {
    SornCalculater calc;
    std::int32_t ticks = 0;
    for (std::int32_t q = Iti; q <= doc.Length(); ++q) {
        const PositionRecord& r = *doc.Record(part, q);
        if (r.Syurui[0] == Kind::TimeSignature && r.Atai[0] != time) return std::nullopt;
        ticks += calc.getLengthofSound(r);
        if (HasBarLine(r)) return ticks;
    }
    return std::nullopt;
}

// A short bar before a jump and the short bar the music goes back to (a
// pickup) that fill one bar together are one bar of the written-out part,
// so that its bars stay in step with the other parts'. Only when the first
// has no accidental: without the bar line between, it would last into the
// second.
bool JoinsOpeningBar(std::span<const PositionRecord> played, std::int32_t closed,
                     std::optional<std::int32_t> opening, std::optional<std::uint8_t> time) {
    if (!time || !opening || played.empty() || !HasBarLine(played.back())) return false;
    const TimeSignature t = DecodeTimeSignature(*time);
    const std::int32_t full = t.numerator * CalcTicksPerWhole / t.denominator();
    if (closed >= full || closed + *opening != full) return false;
    for (std::size_t i = played.size() - 1; i-- > 0 && !HasBarLine(played[i]);)
        for (int k = 1; k < SlotCount; ++k)
            if (played[i].Syurui[k] == Kind::Accidental) return false;
    for (int k = 1; k < SlotCount; ++k)
        if (played.back().Syurui[k] == Kind::Accidental) return false;
    return true;
}

} // namespace

bool RepeatsAlike(const SornData& doc) {
    const std::vector<Sign> first = RepeatSigns(doc, 0);
    for (int p = 1; p <= doc.PartSuu(); ++p)
        if (RepeatSigns(doc, static_cast<std::uint8_t>(p)) != first) return false;
    return true;
}

bool HasRepeatSigns(const SornData& doc) {
    for (int p = 0; p <= doc.PartSuu(); ++p)
        if (!RepeatSigns(doc, static_cast<std::uint8_t>(p)).empty()) return true;
    return false;
}

PlayedPart PlayThrough(const SornData& doc, std::uint8_t part) {
    PassedPositions walk;
    WalkPart(doc, part, walk);
    const SignsBefore signs(doc, part);
    PlayedPart played;
    std::vector<int> passes(static_cast<std::size_t>(doc.Length()) + 1, 0);
    // What the written-out part has in force, to compare at a jump.
    std::uint8_t clef = ClefCode::G, key = KeyCode::CMajor;
    std::optional<std::uint8_t> time;
    // Ticks of the open bar, and of the bar the last bar line closed.
    SornCalculater lengths;
    std::int32_t filled = 0, closed = 0;
    auto add = [&](const PositionRecord& r, std::int32_t origin) {
        filled += lengths.getLengthofSound(r);
        if (HasBarLine(r)) {
            closed = filled;
            filled = 0;
        }
        if (r.Syurui[0] == Kind::Clef) clef = r.Atai[0];
        if (r.Syurui[0] == Kind::KeySignature) key = r.Atai[0];
        if (r.Syurui[0] == Kind::TimeSignature) time = r.Atai[0];
        played.positions.push_back(r);
        played.origin.push_back(origin);
        played.pass.push_back(origin < 0 ? 0 : passes[static_cast<std::size_t>(origin)]++);
    };
    auto sign = [&](std::uint8_t kind, std::uint8_t value) {
        PositionRecord r;
        r.Syurui[0] = kind;
        r.Atai[0] = value;
        add(r, -1);
    };
    std::int32_t next = 0;
    // Just after a jump, before anything sounds: the opening clef, key and
    // time met again need not be written again when they are in force.
    bool restating = false;
    for (const auto& [from, to] : walk.spans) {
        if (from != next) {
            // The last note before a jump ends its tie chain, so its tie
            // found nothing to join: the note it would now meet after the
            // jump is struck anew.
            auto note = std::find_if(played.positions.rbegin(), played.positions.rend(),
                                     [](const PositionRecord& r) { return IsNote(r.Syurui[0]); });
            if (note != played.positions.rend())
                for (int k = 1; k < SlotCount; ++k)
                    if (note->Syurui[k] == Kind::Tie) note->Syurui[k] = note->Atai[k] = 0;
        }
        restating = restating || from != next;
        played.jumped = played.jumped || from != next;
        if (from != next) {
            // A player going back reads the clef and key written before the
            // place they go back to (as the walk does); the bars they read
            // have the time written before it.
            const std::uint8_t clefThere = signs.At(from, Kind::Clef).value_or(ClefCode::G);
            const std::uint8_t keyThere =
                signs.At(from, Kind::KeySignature).value_or(KeyCode::CMajor);
            const std::optional<std::uint8_t> timeThere = signs.At(from, Kind::TimeSignature);
            const bool clefSign = clefThere != clef && !SetAgain(doc, part, from, Kind::Clef);
            const bool keySign = keyThere != key && !SetAgain(doc, part, from, Kind::KeySignature);
            const bool timeSign =
                timeThere && timeThere != time && !SetAgain(doc, part, from, Kind::TimeSignature);
            if (!clefSign && !keySign && !timeSign && time && !played.positions.empty() &&
                HasBarLine(played.positions.back()) &&
                JoinsOpeningBar(played.positions, closed, OpeningBar(doc, part, from, *time),
                                time)) {
                PositionRecord& end = played.positions.back();
                for (int k = 1; k < SlotCount; ++k)
                    if (end.Syurui[k] == Kind::BarLine) end.Syurui[k] = end.Atai[k] = 0;
                filled = closed;
            }
            if (clefSign) sign(Kind::Clef, clefThere);
            if (keySign) sign(Kind::KeySignature, keyThere);
            if (timeSign) sign(Kind::TimeSignature, *timeThere);
        }
        for (std::int32_t i = from; i <= to; ++i) {
            PositionRecord r = *doc.Record(part, i);
            const std::uint8_t kind = r.Syurui[0];
            const bool inForce = (kind == Kind::Clef && r.Atai[0] == clef) ||
                                 (kind == Kind::KeySignature && r.Atai[0] == key) ||
                                 (kind == Kind::TimeSignature && time == r.Atai[0]);
            if (restating && inForce) r.Syurui[0] = r.Atai[0] = 0;
            if (IsNote(kind) || kind == Kind::Rest || HasBarLine(r)) restating = false;
            for (int k = 1; k < SlotCount; ++k) {
                if (!IsRepeatSign(r.Syurui[k], r.Atai[k])) continue;
                // The bar still ends there; the words are played already.
                if (r.Syurui[k] == Kind::BarLine) {
                    r.Atai[k] = BarLineCode::Single;
                } else {
                    r.Syurui[k] = Kind::Empty;
                    r.Atai[k] = 0;
                }
            }
            add(r, i);
        }
        next = to + 1;
    }
    // A final bar line the music goes on from is a double one: only the
    // last bar line of the part ends it, and where a Fine ended it, it is final.
    if (!walk.spans.empty()) {
        const PositionRecord& end = *doc.Record(part, walk.spans.back().second);
        bool fine = false;
        for (int k = 1; k < SlotCount; ++k)
            fine =
                fine || (end.Syurui[k] == Kind::RepeatWord && end.Atai[k] == RepeatWordCode::Fine);
        for (int k = 1; k < SlotCount && fine; ++k)
            if (played.positions.back().Syurui[k] == Kind::BarLine)
                played.positions.back().Atai[k] = BarLineCode::Final;
    }
    bool last = true;
    for (auto r = played.positions.rbegin(); r != played.positions.rend(); ++r)
        for (int k = 1; k < SlotCount; ++k) {
            if (r->Syurui[k] != Kind::BarLine) continue;
            if (!last && r->Atai[k] == BarLineCode::Final) r->Atai[k] = BarLineCode::Double;
            last = false;
        }
    return played;
}

} // namespace sorn::musicxml

#include "sound/EnteredNote.h"

#include "model/SymbolCodes.h"
#include "sound/PartWalk.h"
#include "sound/SornCalculater.h"

#include <algorithm>

namespace sorn {

namespace {

// Keeps the calculator as the walk brings it to the position, and stops.
class StateAt : public PartListener {
public:
    bool Rest(std::int32_t, std::int32_t) override { return false; }
    bool Note(std::int32_t, std::int16_t, std::uint8_t, std::int32_t, std::int32_t) override {
        return false;
    }
    bool Started(std::int32_t, const SornCalculater& calc) override {
        calc_ = calc;
        return false;
    }

    SornCalculater calc_;
};

} // namespace

std::optional<HeardNote> NoteAsHeard(const SornData& doc, std::uint8_t Part, std::int32_t position,
                                     std::uint8_t staffPosition) {
    const PositionRecord* found = doc.Record(Part, position);
    if (!found || !IsNote(found->Syurui[0])) return std::nullopt;
    StateAt state;
    WalkPart(doc, Part, state, {position, position});
    PositionRecord r = *found;
    r.Atai[0] = staffPosition;
    for (int k = 1; k < SlotCount; ++k)
        if (r.Syurui[k] == Kind::Dynamics) state.calc_.SetDynamicsFortePiano(r.Atai[k]);
    const std::int16_t note = state.calc_.GetMidiHeight(r);
    if (note < 0 || note > 127) return std::nullopt;
    return HeardNote{static_cast<std::uint8_t>(note), state.calc_.GetOnryou()};
}

std::optional<WrittenPitch> NoteBefore(const SornData& doc, std::uint8_t Part,
                                       std::int32_t position) {
    for (std::int32_t i = std::min(position, doc.Length() + 1) - 1; i >= 0; --i) {
        const PositionRecord* r = doc.Record(Part, i);
        if (r && IsNote(r->Syurui[0])) return WrittenPitch{r->Atai[0], ClefAt(doc, Part, i)};
    }
    return std::nullopt;
}

std::uint8_t ClefAt(const SornData& doc, std::uint8_t Part, std::int32_t position) {
    const PositionRecord* r = doc.Record(Part, position);
    if (r && r->Syurui[0] == Kind::Clef) return r->Atai[0];
    std::int32_t at = 0;
    return doc.AtaiBackSerch(Part, position, Kind::Clef, ClefCode::G, at);
}

std::optional<std::uint8_t> NearestStaffPosition(int letter, WrittenPitch from, std::uint8_t clef) {
    // Steps count from the same origin under every clef: the calculator's,
    // where a step's letter is C when the step modulo 7 is 3.
    const int step = from.staffPosition - ClefShift(from.clef);
    const int wanted = (letter + 3) % 7;
    int nearest = step;
    for (int d = -3; d <= 3; ++d)
        if (((step + d) % 7 + 7) % 7 == wanted) nearest = step + d;
    const int position = nearest + ClefShift(clef);
    if (position < 1 || position > 254) return std::nullopt;
    return static_cast<std::uint8_t>(position);
}

} // namespace sorn

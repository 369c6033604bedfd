#include "sound/EnteredNote.h"

#include "model/SymbolCodes.h"
#include "sound/PartWalk.h"
#include "sound/SornCalculater.h"

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

} // namespace sorn

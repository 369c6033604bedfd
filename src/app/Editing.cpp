#include "app/Editing.h"

#include "model/SymbolCodes.h"

#include <string>

namespace sorn::Editing {

namespace {
void Changed(EditorState& state, bool changed) {
    if (changed) state.ScoreModified = true;
}
} // namespace

namespace {
bool HasDot(const SornData& doc, std::uint8_t part, std::int32_t position) {
    for (int k = 1; k < SlotCount; ++k)
        if (doc.GetGSyurui(part, position, static_cast<std::int16_t>(k)) == Kind::Dot) return true;
    return false;
}
} // namespace

void PutNote(SornData& doc, EditorState& state, std::int32_t position, std::uint8_t length) {
    const std::uint8_t part = state.CurrentPart;
    if (!doc.SetGData1(part, position, 0, length, state.CursorPitch)) return;
    doc.DeleteSyuruiGData1(part, position, Kind::Beam);
    if (length >= LengthCode::Eighth) doc.CheckGData1(part, position, Kind::Beam, MarkPresent);
    Changed(state, true);
}

void SetDot(SornData& doc, EditorState& state, std::int32_t position, bool dotted) {
    const std::uint8_t part = state.CurrentPart;
    if (dotted)
        Changed(state, doc.GetGSyurui(part, position, 0) != Kind::Empty &&
                           !HasDot(doc, part, position) &&
                           doc.CheckGData1(part, position, Kind::Dot, MarkPresent));
    else if (HasDot(doc, part, position))
        Changed(state, doc.DeleteSyuruiGData1(part, position, Kind::Dot));
}

void SetNotePitch(SornData& doc, EditorState& state, std::int32_t position, std::uint8_t pitch) {
    const std::uint8_t part = state.CurrentPart;
    if (!IsNote(doc.GetGSyurui(part, position, 0))) return;
    Changed(state, doc.SetGAtai(part, position, 0, pitch));
}

void PutRest(SornData& doc, EditorState& state, std::int32_t position, std::uint8_t length) {
    Changed(state, doc.SetGData1(state.CurrentPart, position, 0, Kind::Rest, length));
}

void ToggleSymbol(SornData& doc, EditorState& state, std::int32_t position, std::uint8_t kind,
                  std::uint8_t value) {
    Changed(state, doc.CheckGData1(state.CurrentPart, position, kind, value));
}

void ClearPosition(SornData& doc, EditorState& state, std::int32_t position) {
    Changed(state, doc.DeleteAllGData1(state.CurrentPart, position));
}

void ClearSyllables(SornData& doc, EditorState& state, std::int32_t position) {
    for (int v = 0; v < doc.VerseCount(state.CurrentPart); ++v)
        if (!doc.GetSyllable(state.CurrentPart, position, v).Empty())
            Changed(state, doc.SetSyllable(state.CurrentPart, position, v, Syllable{}));
}

namespace {
// The passage's syllables at position onward, those beyond `written` positions left out.
void PutSyllables(SornData& doc, std::uint8_t part, std::int32_t position, std::int32_t written,
                  const std::vector<CopiedSyllable>& words) {
    for (const CopiedSyllable& w : words)
        if (w.offset >= 0 && w.offset < written)
            doc.SetSyllable(part, position + w.offset, w.verse, w.syllable);
}
} // namespace

std::int32_t PasteOver(SornData& doc, EditorState& state, std::int32_t position,
                       std::span<const PositionRecord> positions,
                       const std::vector<CopiedSyllable>* words) {
    std::int32_t dropped = 0;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const std::int64_t to = std::int64_t{position} + static_cast<std::int64_t>(i);
        const bool written =
            to <= doc.Length() &&
            doc.SetRecord(state.CurrentPart, static_cast<std::int32_t>(to), positions[i]);
        Changed(state, written);
        if (written && words) ClearSyllables(doc, state, static_cast<std::int32_t>(to));
        dropped += written ? 0 : 1;
    }
    if (words)
        PutSyllables(doc, state.CurrentPart, position,
                     static_cast<std::int32_t>(positions.size()) - dropped, *words);
    return dropped;
}

std::int32_t PasteInsert(SornData& doc, EditorState& state, std::int32_t position,
                         std::span<const PositionRecord> positions,
                         const std::vector<CopiedSyllable>* words) {
    const auto wanted = static_cast<std::int32_t>(positions.size());
    const std::int32_t inserted = doc.InsertSpaces(state.CurrentPart, position, wanted);
    for (std::int32_t i = 0; i < inserted; ++i)
        doc.SetRecord(state.CurrentPart, position + i, positions[static_cast<std::size_t>(i)]);
    if (words) PutSyllables(doc, state.CurrentPart, position, inserted, *words);
    Changed(state, inserted > 0);
    return wanted - inserted;
}

// The structural commands mark the score even when the document refuses,
// as adding a 257th part or deleting the only one always has.
void InsertSpace(SornData& doc, EditorState& state, std::int32_t position) {
    doc.InsertSpace(state.CurrentPart, position);
    Changed(state, true);
}

void DeleteSpace(SornData& doc, EditorState& state, std::int32_t position) {
    doc.DeleteSpace(state.CurrentPart, position);
    Changed(state, true);
}

void ChangeLength(SornData& doc, EditorState& state, std::int32_t by) {
    doc.SetLength(doc.Length() + by);
    Changed(state, true);
}

void AddPart(SornData& doc, EditorState& state) {
    doc.AddPart();
    Changed(state, true);
}

void DeletePart(SornData& doc, EditorState& state, std::uint8_t part) {
    doc.DeletePart(part);
    if (doc.PartSuu() < state.CurrentPart) state.CurrentPart = doc.PartSuu();
    Changed(state, true);
}

// The dialogs mark the score on OK even when nothing was altered.
void RewritePosition(SornData& doc, EditorState& state, std::int32_t position,
                     std::span<const Symbol> symbols) {
    const std::uint8_t part = state.CurrentPart;
    doc.DeleteAllGData1(part, position);
    const Symbol first = symbols.empty() ? Symbol{} : symbols.front();
    doc.SetGData1(part, position, 0, first.kind, first.value);
    for (const Symbol& s : symbols.subspan(symbols.empty() ? 0 : 1))
        doc.CheckGData1(part, position, s.kind, s.value);
    Changed(state, true);
}

void SetSong(SornData& doc, EditorState& state, std::int16_t speed, std::int32_t length) {
    doc.SetSpeed(speed);
    if (length != doc.Length()) doc.SetLength(length);
    Changed(state, true);
}

void SetSongTexts(SornData& doc, EditorState& state,
                  const std::array<std::string, ScoreTextCount>& texts) {
    for (int i = 0; i < ScoreTextCount; ++i)
        doc.SetText(static_cast<ScoreText>(i), texts[static_cast<std::size_t>(i)]);
    Changed(state, true);
}

void SetInstrument(SornData& doc, EditorState& state, std::uint8_t part, int program) {
    if (program >= 0) doc.SetInstrumentNumber(part, std::to_string(program));
    Changed(state, true);
}

void SetPartNames(SornData& doc, EditorState& state, std::uint8_t part, const std::string& name,
                  const std::string& shortName) {
    doc.SetPartText(part, PartText::Name, name);
    doc.SetPartText(part, PartText::ShortName, shortName);
    Changed(state, true);
}

bool SetSyllable(SornData& doc, EditorState& state, std::uint8_t part, std::int32_t position,
                 int verse, const Syllable& syllable) {
    const Syllable before = doc.GetSyllable(part, position, verse);
    if (!doc.SetSyllable(part, position, verse, syllable)) return false;
    const bool changed = doc.GetSyllable(part, position, verse) != before;
    Changed(state, changed);
    return changed;
}

void RepairTempo(SornData& doc) {
    if (doc.Speed() == 0) doc.SetSpeed(DefaultSpeed);
}

void MarkUnchanged(EditorState& state) {
    state.ScoreModified = false;
}

void MarkChanged(EditorState& state) {
    state.ScoreModified = true;
}

} // namespace sorn::Editing

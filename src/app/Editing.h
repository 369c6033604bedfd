#pragma once
// The edit path: every change the keyboard, the Edit menu and the dialogs
// make to the score goes through here, and each marks the score as changed;
// the file commands clear the mark here too. Nothing else writes either.

#include "app/EditorState.h"
#include "model/SornData.h"
#include "model/SymbolCodes.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace sorn::Editing {

// A syllable of a copied passage, by its position counted from the passage's first.
struct CopiedSyllable {
    std::int32_t offset = 0;
    int verse = 0;
    Syllable syllable;
    bool operator==(const CopiedSyllable&) const = default;
};

// A note of a length code at the cursor's pitch; eighth and shorter notes
// come joined to the next note, longer ones unjoined.
void PutNote(SornData& doc, EditorState& state, std::int32_t position, std::uint8_t length);
// A dot on the note or rest at a position, or none.
void SetDot(SornData& doc, EditorState& state, std::int32_t position, bool dotted);
// Moves the note at a position to another staff position.
void SetNotePitch(SornData& doc, EditorState& state, std::int32_t position, std::uint8_t pitch);
// A rest keeps the position's other symbols, beams included.
void PutRest(SornData& doc, EditorState& state, std::int32_t position, std::uint8_t length);
// Adds an attached symbol, replaces one of the same kind, or takes the same one away.
void ToggleSymbol(SornData& doc, EditorState& state, std::int32_t position, std::uint8_t kind,
                  std::uint8_t value);
void ClearPosition(SornData& doc, EditorState& state, std::int32_t position);
// Takes every verse's syllable away from a position of the current part.
void ClearSyllables(SornData& doc, EditorState& state, std::int32_t position);
// Copied positions over the current part from `position` onward; returns how
// many did not fit before the end of the score. With words, the syllables
// under the positions written become the passage's; without (a passage that
// tells nothing of words), those there stay.
std::int32_t PasteOver(SornData& doc, EditorState& state, std::int32_t position,
                       std::span<const PositionRecord> positions,
                       const std::vector<CopiedSyllable>* words = nullptr);
// Copied positions inserted at `position`, the rest of the current part
// shifted right and the score lengthened as space insertion does; returns how
// many the length limit left out.
std::int32_t PasteInsert(SornData& doc, EditorState& state, std::int32_t position,
                         std::span<const PositionRecord> positions,
                         const std::vector<CopiedSyllable>* words = nullptr);

void InsertSpace(SornData& doc, EditorState& state, std::int32_t position);
void DeleteSpace(SornData& doc, EditorState& state, std::int32_t position);
// By a number of positions, positive or negative, within the length limits.
void ChangeLength(SornData& doc, EditorState& state, std::int32_t by);
void AddPart(SornData& doc, EditorState& state);
// Deletes a part and keeps the current part inside the score.
void DeletePart(SornData& doc, EditorState& state, std::uint8_t part);

// What the symbol dialog chose for a position of the current part: the
// position is emptied, symbols[0] goes into slot 0 and the rest take the
// free slots in their order.
void RewritePosition(SornData& doc, EditorState& state, std::int32_t position,
                     std::span<const Symbol> symbols);
// What the song dialog chose. A length equal to the current one is not
// written, so a stored length below the usual floor stays.
void SetSong(SornData& doc, EditorState& state, std::int16_t speed, std::int32_t length);
// The title and credits the song dialog chose, in ScoreText order; the
// dialog has kept each within its limit.
void SetSongTexts(SornData& doc, EditorState& state,
                  const std::array<std::string, ScoreTextCount>& texts);
// What the part dialog chose: a program 0..127, or none to keep the current one.
void SetInstrument(SornData& doc, EditorState& state, std::uint8_t part, int program);
// The part's name and short name; empty shows the instrument's name.
void SetPartNames(SornData& doc, EditorState& state, std::uint8_t part, const std::string& name,
                  const std::string& shortName);
// One syllable typed in lyric entry; an empty one takes the syllable away.
// Marks the score only when it changed something, so a syllable committed
// as it was is no step of the history.
bool SetSyllable(SornData& doc, EditorState& state, std::uint8_t part, std::int32_t position,
                 int verse, const Syllable& syllable);
// A tempo of 0 would stop both exports; the song dialog shows the default
// instead and the score keeps it even when the dialog is cancelled. The
// score is not marked: nothing the user did changed it.
void RepairTempo(SornData& doc);

// New, Open and a successful Save.
void MarkUnchanged(EditorState& state);
// A restored recovery copy: unsaved work, though nothing was edited in this run.
void MarkChanged(EditorState& state);

} // namespace sorn::Editing

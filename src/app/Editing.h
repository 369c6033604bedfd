#pragma once
// Every change the keyboard and the Edit menu make to the score goes
// through here, and each marks the score as changed.

#include "model/SornData.h"
#include "render/EditorState.h"

#include <cstdint>
#include <span>

namespace sorn::Editing {

// A note of a length code at the cursor's pitch; eighth and shorter notes
// come joined to the next note, longer ones unjoined.
void PutNote(SornData& doc, EditorState& state, std::int32_t position, std::uint8_t length);
// A rest keeps the position's other symbols, beams included.
void PutRest(SornData& doc, EditorState& state, std::int32_t position, std::uint8_t length);
// Adds an attached symbol, replaces one of the same kind, or takes the same one away.
void ToggleSymbol(SornData& doc, EditorState& state, std::int32_t position, std::uint8_t kind,
                  std::uint8_t value);
void ClearPosition(SornData& doc, EditorState& state, std::int32_t position);
// Copied positions over the current part from `position` onward; returns how
// many did not fit before the end of the score.
std::int32_t PasteOver(SornData& doc, EditorState& state, std::int32_t position,
                       std::span<const PositionRecord> positions);
// Copied positions inserted at `position`, the rest of the current part
// shifted right and the score lengthened as space insertion does; returns how
// many the length limit left out.
std::int32_t PasteInsert(SornData& doc, EditorState& state, std::int32_t position,
                         std::span<const PositionRecord> positions);

void InsertSpace(SornData& doc, EditorState& state, std::int32_t position);
void DeleteSpace(SornData& doc, EditorState& state, std::int32_t position);
// By a number of positions, positive or negative, within the length limits.
void ChangeLength(SornData& doc, EditorState& state, std::int32_t by);
void AddPart(SornData& doc, EditorState& state);
// Deletes a part and keeps the current part inside the score.
void DeletePart(SornData& doc, EditorState& state, std::uint8_t part);

} // namespace sorn::Editing

#pragma once
// Positions on the system clipboard: exactly, under a type of our own, and
// as readable text beside it. Their syllables go under a second type, so an
// editor that knows only positions still pastes them.

#include "app/Editing.h"
#include "model/SornData.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace sorn::Clipboard {

inline constexpr const char* kMimeType = "application/x-sorn-positions";
inline constexpr const char* kWordsMimeType = "application/x-sorn-syllables";

using Editing::CopiedSyllable;

// The positions first..last of a part, both included.
std::vector<PositionRecord> Copy(const SornData& doc, std::uint8_t part, std::int32_t first,
                                 std::int32_t last);

// Every verse's syllables under the same positions.
std::vector<CopiedSyllable> CopyWords(const SornData& doc, std::uint8_t part, std::int32_t first,
                                      std::int32_t last);

QByteArray Encode(std::span<const PositionRecord> positions);
// Nothing unless the bytes are exactly what Encode writes.
std::optional<std::vector<PositionRecord>> Decode(const QByteArray& bytes);
// The syllables of a passage of `positions` positions, in position and verse order.
QByteArray EncodeWords(std::int32_t positions, std::span<const CopiedSyllable> words);
// Nothing unless the bytes are exactly what EncodeWords writes for that many
// positions, every syllable within its limits.
std::optional<std::vector<CopiedSyllable>> DecodeWords(const QByteArray& bytes,
                                                       std::size_t positions);
// One line per position: the occupied slots as kind:value.
QString PlainText(std::span<const PositionRecord> positions);

void Put(std::span<const PositionRecord> positions, std::span<const CopiedSyllable> words = {});
// Nothing when the clipboard holds no positions of ours.
std::optional<std::vector<PositionRecord>> Take();
// The syllables that came with the positions Take gives (as many as it
// gave), or nothing when they came without any word of them.
std::optional<std::vector<CopiedSyllable>> TakeWords(std::size_t positions);

} // namespace sorn::Clipboard

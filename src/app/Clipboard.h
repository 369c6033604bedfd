#pragma once
// Positions on the system clipboard: exactly, under a type of our own, and
// as readable text beside it.

#include "model/SornData.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace sorn::Clipboard {

inline constexpr const char* kMimeType = "application/x-sorn-positions";

// The positions first..last of a part, both included.
std::vector<PositionRecord> Copy(const SornData& doc, std::uint8_t part, std::int32_t first,
                                 std::int32_t last);

QByteArray Encode(std::span<const PositionRecord> positions);
// Nothing unless the bytes are exactly what Encode writes.
std::optional<std::vector<PositionRecord>> Decode(const QByteArray& bytes);
// One line per position: the occupied slots as kind:value.
QString PlainText(std::span<const PositionRecord> positions);

void Put(std::span<const PositionRecord> positions);
// Nothing when the clipboard holds no positions of ours.
std::optional<std::vector<PositionRecord>> Take();

} // namespace sorn::Clipboard

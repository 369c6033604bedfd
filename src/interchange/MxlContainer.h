#pragma once
// The compressed MusicXML container (.mxl): a zip archive whose
// META-INF/container.xml names the score inside it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace sorn {

// Packs the score text with its mimetype and container entries.
std::error_code WriteMxl(std::string_view score, std::string& archive);

// True when the bytes begin like a zip archive.
bool LooksLikeZip(std::string_view bytes);

// The score the container names, or its first .musicxml/.xml entry outside
// META-INF; nothing when the archive is damaged, holds no score, or the
// score would unpack to more than maxSize bytes.
std::optional<std::string> ReadMxl(std::string_view archive, std::size_t maxSize);

} // namespace sorn

#pragma once
// Reads a MusicXML score (plain text or the compressed .mxl container) into
// the document: each part's first staff, one voice a bar, in time, with
// every symbol the score can hold. Whatever it cannot hold is left out and counted, so
// the user is told once what is missing.

#include "model/Message.h"
#include "model/MessageBoxes.h"
#include "model/SornData.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace sorn {

enum class ImportStatus {
    Imported,    // the document holds the score; summary lists what was left out
    NotMusicXml, // not XML, or XML of another kind; the document is unchanged
    Damaged,     // looked like MusicXML but cannot be read; the document is unchanged
    TooLarge,    // past a limit of what is read, or out of memory; the document is unchanged
};

struct ImportOutcome {
    ImportStatus status = ImportStatus::NotMusicXml;
    // Refused: why, for the user. Imported: what was left out, or empty.
    Message message;
};

// The largest score text read, unpacked or not: it is read a part at a time,
// so this bounds the time taken, not the memory. The largest score we write
// stays below it.
inline constexpr std::uint64_t kMaxMusicXmlBytes = std::uint64_t{2} << 30;
// The largest .mxl archive, which is held whole while its score is unpacked.
inline constexpr std::size_t kMaxMxlArchiveBytes = std::size_t{512} << 20;

ImportOutcome ImportMusicXml(std::string_view bytes, SornData& doc);

// By the file name: .musicxml, .xml and .mxl are opened as MusicXML.
bool IsMusicXmlName(const std::string& path);

// Opens a MusicXML file the way FileOpen opens a score file: on success the
// score is untitled, and what was left out is shown once; a refused file
// leaves the document as it was and says why.
OpenResult OpenMusicXml(SornData& doc, const std::string& path, MessageBoxes& boxes,
                        std::error_code* error = nullptr);

} // namespace sorn

#pragma once
// Writes the whole score as MusicXML 4.0 (partwise): one part per part with
// its instrument, measures cut at the bar lines, pitches spelled as the
// calculator hears them. Element ids carry each symbol's column, so that a
// score read back from our own file lands on the same positions.

#include "model/ProgressSink.h"
#include "model/SornData.h"
#include "sound/ExportError.h"

#include <string>

namespace sorn {

// The MusicXML text of the score, or the error that stops the export.
ExportError MusicXmlText(const SornData& doc, std::string& text);

// Writes path through the one file writer: a name ending in ".mxl" gets the
// compressed container, any other name the plain text. Progress, if given,
// follows the positions written; when it cancels, the old file stays.
ExportError ExportMusicXml(const SornData& doc, const std::string& path,
                           ProgressSink* progress = nullptr);

bool IsCompressedMusicXmlName(const std::string& path);

} // namespace sorn

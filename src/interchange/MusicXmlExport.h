#pragma once
// Writes the whole score as MusicXML 4.0 (partwise): one part per part with
// its instrument, measures cut at the bar lines, pitches spelled as the
// calculator hears them. Element ids carry each symbol's column, so that a
// score read back from our own file lands on the same positions.

#include "model/ProgressSink.h"
#include "model/SornData.h"
#include "sound/ExportError.h"

#include <optional>
#include <string>
#include <string_view>

namespace sorn {

// Other programs take the repeats of one part for all parts. Auto writes
// the parts played through (repeats and D.C. written out, no repeat signs)
// only when their repeats differ; Always and Never force either way.
enum class UnfoldRepeats { Auto, Always, Never };
// "auto", "always", "never".
std::optional<UnfoldRepeats> UnfoldRepeatsNamed(std::string_view name);
std::string_view NameOf(UnfoldRepeats unfold);
// Whether an export with this choice writes repeats out: only when the
// score has any to write out.
bool WritesRepeatsOut(const SornData& doc, UnfoldRepeats unfold);

// The MusicXML text of the score, or the error that stops the export.
ExportError MusicXmlText(const SornData& doc, std::string& text,
                         UnfoldRepeats unfold = UnfoldRepeats::Auto);

// Writes path through the one file writer: a name ending in ".mxl" gets the
// compressed container, any other name the plain text. Progress, if given,
// follows the positions written; when it cancels, the old file stays.
ExportError ExportMusicXml(const SornData& doc, const std::string& path,
                           ProgressSink* progress = nullptr,
                           UnfoldRepeats unfold = UnfoldRepeats::Auto);

bool IsCompressedMusicXmlName(const std::string& path);

} // namespace sorn

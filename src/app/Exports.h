#pragma once
// The exports shared by the menu commands and the batch command line, so
// both write the same bytes and give the same messages. No toolkit here:
// the command line runs them without loading it.

#include "interchange/MusicXmlExport.h"

#include <string>

namespace sorn {

class ProgressSink;
class SornData;
struct LilyPondChoice;

// Writes the whole score as a MIDI file. Returns the message to show when
// the export stopped, or an empty string (also when progress cancelled it).
std::string ExportMidi(const SornData& doc, const std::string& path,
                       ProgressSink* progress = nullptr);

// Writes the whole score as MusicXML, compressed when the name ends in ".mxl".
// Empty also when progress cancelled it.
std::string ExportMusicXmlFile(const SornData& doc, const std::string& path,
                               ProgressSink* progress = nullptr,
                               UnfoldRepeats unfold = UnfoldRepeats::Auto);
// What the user is told once when the export writes the repeats out, or
// an empty string when it keeps them.
std::string UnfoldedNotice(const SornData& doc, UnfoldRepeats unfold);

// Writes the whole score as a LilyPond file. Empty also when progress
// cancelled it.
std::string ExportLilyPondFile(const SornData& doc, const std::string& path,
                               ProgressSink* progress = nullptr);

// The chosen parts engraved by LilyPond into a PDF. Empty also when progress
// cancelled it.
std::string EngravePdfFile(const SornData& doc, const LilyPondChoice& choice,
                           const std::string& path, ProgressSink* progress = nullptr);

} // namespace sorn

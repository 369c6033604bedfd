#pragma once
// The exports shared by the menu commands and the batch command line, so
// both write the same bytes and give the same messages. No toolkit here:
// the command line runs them without loading it.

#include "interchange/MusicXmlExport.h"
#include "model/Message.h"

#include <string>

namespace sorn {

class ProgressSink;
class SornData;
struct LilyPondChoice;

// Writes the whole score as a MIDI file. Returns the message to show when
// the export stopped, or no message (also when progress cancelled it).
Message ExportMidi(const SornData& doc, const std::string& path, ProgressSink* progress = nullptr);

// Writes the whole score as MusicXML, compressed when the name ends in ".mxl".
// No message also when progress cancelled it.
Message ExportMusicXmlFile(const SornData& doc, const std::string& path,
                           ProgressSink* progress = nullptr,
                           UnfoldRepeats unfold = UnfoldRepeats::Auto);
// What the user is told once when the export writes the repeats out, or no
// message when it keeps them.
Message UnfoldedNotice(const SornData& doc, UnfoldRepeats unfold);

// Writes the whole score as a LilyPond file. No message also when progress
// cancelled it.
Message ExportLilyPondFile(const SornData& doc, const std::string& path,
                           ProgressSink* progress = nullptr);

// The chosen parts engraved by LilyPond into a PDF. No message also when
// progress cancelled it.
Message EngravePdfFile(const SornData& doc, const LilyPondChoice& choice, const std::string& path,
                       ProgressSink* progress = nullptr);

} // namespace sorn

#pragma once
// The exports shared by the menu commands and the batch command line, so
// both write the same bytes and give the same messages.

#include "model/Message.h"
#include "platform/AudioExport.h"

#include <cstdint>
#include <string>

namespace sorn {

class ProgressSink;
class SornData;
struct FileDialogRequest;
struct LilyPondChoice;

// Writes the whole score as a MIDI file. Returns the message to show when
// the export stopped, or no message (also when progress cancelled it).
Message ExportMidi(const SornData& doc, const std::string& path, ProgressSink* progress = nullptr);

// Writes the whole score as MusicXML, compressed when the name ends in ".mxl".
// No message also when progress cancelled it.
Message ExportMusicXmlFile(const SornData& doc, const std::string& path,
                           ProgressSink* progress = nullptr);

// Writes the whole score as a LilyPond file. No message also when progress
// cancelled it.
Message ExportLilyPondFile(const SornData& doc, const std::string& path,
                           ProgressSink* progress = nullptr);

// The chosen parts engraved by LilyPond into a PDF. No message also when
// progress cancelled it.
Message EngravePdfFile(const SornData& doc, const LilyPondChoice& choice, const std::string& path,
                       ProgressSink* progress = nullptr);

// The save dialogs propose the score's folder and name with the export's
// extension; a score not yet saved starts in the documents folder.
FileDialogRequest MidiFileDialog(const SornData& doc);
FileDialogRequest MusicXmlFileDialog(const SornData& doc);
// Every part as heard; the format proposed is the one chosen last.
FileDialogRequest AudioFileDialog(const SornData& doc, AudioFormat format);
FileDialogRequest LilyPondFileDialog(const SornData& doc);
// The WAV holds one part; the dialog's title says which.
FileDialogRequest WavFileDialog(const SornData& doc, std::uint8_t part);

} // namespace sorn

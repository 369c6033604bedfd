#pragma once
// What the export commands' save dialogs propose.

#include "platform/AudioExport.h"

#include <cstdint>

namespace sorn {

class SornData;
struct FileDialogRequest;

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

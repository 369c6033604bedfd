#include "app/Exports.h"

#include "platform/FileDialogs.h"
#include "sound/SornMidi.h"

namespace sorn {

std::string ExportMidi(const SornData& doc, const std::string& path, ProgressSink* progress) {
    SornMidi midi;
    if (midi.SaveToMIDI(doc, path, progress) == 1 || midi.Error().Cancelled()) return {};
    return midi.Error().Message();
}

FileDialogRequest MidiFileDialog() {
    return {"MIDIファイル|*.mid", "mid", "", ""};
}

FileDialogRequest WavFileDialog() {
    return {"WAVファイル|*.wav", "wav", "", ""};
}

} // namespace sorn

#include "app/Exports.h"

#include "platform/FileDialogs.h"
#include "sound/SornMidi.h"

namespace sorn {

std::string ExportMidi(SornData& doc, const std::string& path) {
    SornMidi midi;
    if (midi.SaveToMIDI(doc, path) == 1) return {};
    return midi.Error().Message();
}

FileDialogRequest MidiFileDialog() {
    return {"MIDIファイル|*.mid", "mid", "", ""};
}

FileDialogRequest WavFileDialog() {
    return {"WAVファイル|*.wav", "wav", "", ""};
}

} // namespace sorn

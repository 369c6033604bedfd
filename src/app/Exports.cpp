#include "app/Exports.h"

#include "interchange/MusicXmlExport.h"
#include "platform/FileDialogs.h"
#include "sound/SornMidi.h"

namespace sorn {

std::string ExportMidi(const SornData& doc, const std::string& path, ProgressSink* progress) {
    SornMidi midi;
    if (midi.SaveToMIDI(doc, path, progress) == 1 || midi.Error().Cancelled()) return {};
    return midi.Error().Message();
}

std::string ExportMusicXmlFile(const SornData& doc, const std::string& path,
                               ProgressSink* progress) {
    const ExportError error = ExportMusicXml(doc, path, progress);
    return error && !error.Cancelled() ? error.Message() : std::string();
}

FileDialogRequest MusicXmlFileDialog() {
    return {"MusicXMLファイル|*.musicxml|圧縮MusicXMLファイル|*.mxl", "musicxml", "", ""};
}

FileDialogRequest MidiFileDialog() {
    return {"MIDIファイル|*.mid", "mid", "", ""};
}

FileDialogRequest WavFileDialog() {
    return {"WAVファイル|*.wav", "wav", "", ""};
}

} // namespace sorn

#include "app/Exports.h"

#include "interchange/LilyPondEngrave.h"
#include "interchange/LilyPondExport.h"
#include "interchange/MusicXmlExport.h"
#include "model/SornData.h"
#include "platform/FileDialogs.h"
#include "platform/QtFileDialogs.h"
#include "sound/InstrumentNames.h"
#include "sound/SornMidi.h"

#include <filesystem>

namespace sorn {

Message ExportMidi(const SornData& doc, const std::string& path, ProgressSink* progress) {
    SornMidi midi;
    if (midi.SaveToMIDI(doc, path, progress) == 1 || midi.Error().Cancelled()) return {};
    return midi.Error().What();
}

Message ExportMusicXmlFile(const SornData& doc, const std::string& path, ProgressSink* progress) {
    const ExportError error = ExportMusicXml(doc, path, progress);
    return error && !error.Cancelled() ? error.What() : Message();
}

Message ExportLilyPondFile(const SornData& doc, const std::string& path, ProgressSink* progress) {
    const ExportError error = ExportLilyPond(doc, path, progress);
    return error && !error.Cancelled() ? error.What() : Message();
}

Message EngravePdfFile(const SornData& doc, const LilyPondChoice& choice, const std::string& path,
                       ProgressSink* progress) {
    const ExportError error = EngraveScore(doc, choice, path, progress);
    return error && !error.Cancelled() ? error.What() : Message();
}

namespace {

// A score kept under the export's own extension is not proposed: one click
// would write the export over it.
FileDialogRequest ExportDialog(const SornData& doc, std::string filter,
                               const std::string& extension) {
    FileDialogRequest request{std::move(filter), extension, DocumentsFolder(), ""};
    const std::string& score = doc.SornFileName();
    if (score.empty()) return request;
    std::filesystem::path proposed(score);
    proposed.replace_extension(extension);
    if (proposed != score) request.presetName = proposed.string();
    return request;
}

} // namespace

FileDialogRequest MusicXmlFileDialog(const SornData& doc) {
    return ExportDialog(doc, "MusicXMLファイル|*.musicxml|圧縮MusicXMLファイル|*.mxl", "musicxml");
}

FileDialogRequest LilyPondFileDialog(const SornData& doc) {
    return ExportDialog(doc, "LilyPondファイル|*.ly", "ly");
}

FileDialogRequest MidiFileDialog(const SornData& doc) {
    return ExportDialog(doc, "MIDIファイル|*.mid", "mid");
}

FileDialogRequest AudioFileDialog(const SornData& doc, AudioFormat format) {
    FileDialogRequest request =
        ExportDialog(doc, "WAVファイル|*.wav|FLACファイル|*.flac|Ogg Vorbisファイル|*.ogg",
                     ExtensionOf(format) + 1);
    request.title = "音声で保存(全パート)";
    return request;
}

FileDialogRequest WavFileDialog(const SornData& doc, std::uint8_t part) {
    FileDialogRequest request = ExportDialog(doc, "WAVファイル|*.wav", "wav");
    request.title = "パート " + std::to_string(part + 1) + "（" +
                    std::string(InstrumentName(doc.GetInstrumentNumber(part) + 1)) +
                    "）をWAVで保存";
    return request;
}

} // namespace sorn

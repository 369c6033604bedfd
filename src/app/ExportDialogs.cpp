#include "app/ExportDialogs.h"

#include "model/SornData.h"
#include "platform/FileDialogs.h"
#include "platform/MessageText.h"
#include "platform/QtFileDialogs.h"

#include <QCoreApplication>

#include <filesystem>

namespace sorn {

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
    return ExportDialog(
        doc,
        QCoreApplication::translate("sorn::Exports",
                                    "MusicXMLファイル|*.musicxml|圧縮MusicXMLファイル|*.mxl")
            .toStdString(),
        "musicxml");
}

FileDialogRequest LilyPondFileDialog(const SornData& doc) {
    return ExportDialog(
        doc, QCoreApplication::translate("sorn::Exports", "LilyPondファイル|*.ly").toStdString(),
        "ly");
}

FileDialogRequest MidiFileDialog(const SornData& doc) {
    return ExportDialog(
        doc, QCoreApplication::translate("sorn::Exports", "MIDIファイル|*.mid").toStdString(),
        "mid");
}

FileDialogRequest AudioFileDialog(const SornData& doc, AudioFormat format) {
    FileDialogRequest request = ExportDialog(
        doc,
        QCoreApplication::translate(
            "sorn::Exports", "WAVファイル|*.wav|FLACファイル|*.flac|Ogg Vorbisファイル|*.ogg")
            .toStdString(),
        ExtensionOf(format) + 1);
    request.title =
        QCoreApplication::translate("sorn::Exports", "音声で保存(全パート)").toStdString();
    return request;
}

FileDialogRequest WavFileDialog(const SornData& doc, std::uint8_t part) {
    FileDialogRequest request = ExportDialog(
        doc, QCoreApplication::translate("sorn::Exports", "WAVファイル|*.wav").toStdString(),
        "wav");
    request.title = QCoreApplication::translate("sorn::Exports", "パート %1（%2）をWAVで保存")
                        .arg(part + 1)
                        .arg(InstrumentText(doc.GetInstrumentNumber(part)))
                        .toStdString();
    return request;
}

} // namespace sorn

#include "app/Exports.h"

#include "interchange/LilyPondEngrave.h"
#include "interchange/LilyPondExport.h"
#include "interchange/MusicXmlExport.h"
#include "model/SornData.h"
#include "sound/SornMidi.h"

namespace sorn {

std::string ExportMidi(const SornData& doc, const std::string& path, ProgressSink* progress) {
    SornMidi midi;
    if (midi.SaveToMIDI(doc, path, progress) == 1 || midi.Error().Cancelled()) return {};
    return midi.Error().Message();
}

std::string ExportMusicXmlFile(const SornData& doc, const std::string& path, ProgressSink* progress,
                               UnfoldRepeats unfold) {
    const ExportError error = ExportMusicXml(doc, path, progress, unfold);
    return error && !error.Cancelled() ? error.Message() : std::string();
}

std::string UnfoldedNotice(const SornData& doc, UnfoldRepeats unfold) {
    if (!WritesRepeatsOut(doc, unfold)) return {};
    return unfold == UnfoldRepeats::Always
               ? "繰り返しを演奏順に書き出しました。"
               : "パートごとに繰り返しが違うため、繰り返しを演奏順に書き出しました。";
}

std::string ExportLilyPondFile(const SornData& doc, const std::string& path,
                               ProgressSink* progress) {
    const ExportError error = ExportLilyPond(doc, path, progress);
    return error && !error.Cancelled() ? error.Message() : std::string();
}

std::string EngravePdfFile(const SornData& doc, const LilyPondChoice& choice,
                           const std::string& path, ProgressSink* progress) {
    const ExportError error = EngraveScore(doc, choice, path, progress);
    return error && !error.Cancelled() ? error.Message() : std::string();
}

} // namespace sorn

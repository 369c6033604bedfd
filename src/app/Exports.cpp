#include "app/Exports.h"

#include "interchange/LilyPondEngrave.h"
#include "interchange/LilyPondExport.h"
#include "interchange/MusicXmlExport.h"
#include "model/SornData.h"
#include "sound/SornMidi.h"

namespace sorn {

Message ExportMidi(const SornData& doc, const std::string& path, ProgressSink* progress) {
    SornMidi midi;
    if (midi.SaveToMIDI(doc, path, progress) == 1 || midi.Error().Cancelled()) return {};
    return midi.Error().What();
}

Message ExportMusicXmlFile(const SornData& doc, const std::string& path, ProgressSink* progress,
                           UnfoldRepeats unfold) {
    const ExportError error = ExportMusicXml(doc, path, progress, unfold);
    return error && !error.Cancelled() ? error.What() : Message();
}

Message UnfoldedNotice(const SornData& doc, UnfoldRepeats unfold) {
    if (!WritesRepeatsOut(doc, unfold)) return {};
    return unfold == UnfoldRepeats::Always
               ? CoreMessage(SORN_TRANSLATE_NOOP("Core", "繰り返しを演奏順に書き出しました。"))
               : CoreMessage(SORN_TRANSLATE_NOOP(
                     "Core", "パートごとに繰り返しが違うため、繰り返しを演奏順に書き出しました。"));
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

} // namespace sorn

// The batch command line of the program that can draw: every command.

#include "app/Batch.h"
#include "app/BatchRender.h"
#include "platform/AudioExport.h"

namespace sorn {

int RunBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    static constexpr BatchDrawing kDrawing{
        &RenderView,
        &RenderPageImage,
        &PrintPdf,
        &PrintPartsPdf,
        [](const SornData& doc, const std::string& path, const AudioSettings& settings) {
            return ExportAudio(doc, path, settings);
        },
        [](const SornData& doc, const std::string& folder, AudioFormat format,
           const AudioSettings& settings, double balanceDb, bool click) {
            return ExportRehearsalTracks(doc, folder, format, settings, balanceDb, click);
        },
    };
    return RunBatchCommand(args, out, err, &kDrawing);
}

} // namespace sorn

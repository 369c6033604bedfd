// LilyPond: the export of a dense score, 16 parts of 32767 positions,
// written to disk like every export; and the engraving of an example, which
// is LilyPond's own time, set beside the export that feeds it.

#include "BenchFolder.h"
#include "DenseScore.h"
#include "RatioReporter.h"
#include "interchange/LilyPondEngrave.h"
#include "interchange/LilyPondExport.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

using namespace sorn;
using sorn::bench::Folder;

void BM_ExportLilyPond(benchmark::State& state) {
    const std::string target = (Folder() / "dense.ly").string();
    for (auto _ : state)
        if (ExportError error = ExportLilyPond(bench::SixteenDenseParts(), target))
            state.SkipWithError(error.Message().c_str());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(target)));
}

void BM_EngraveChorale(benchmark::State& state) {
    class Quiet : public MessageBoxes {
        MsgResult Show(std::string_view, MsgButtons, MsgIcon) override { return MsgResult::Ok; }
    } quiet;
    SornData doc;
    if (doc.FileOpen(std::string(SORN_SOURCE_DIR) + "/data/examples/chorale.sorn", quiet) !=
        OpenResult::Opened) {
        state.SkipWithError("the example did not open");
        return;
    }
    const std::string target = (Folder() / "chorale.pdf").string();
    for (auto _ : state)
        if (ExportError error = EngraveScore(doc, {}, target))
            state.SkipWithError(error.Message().c_str());
}

BENCHMARK(BM_ExportLilyPond)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_EngraveChorale)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // The engraving has no target of ours: it is reported as LilyPond takes it.
    bench::RatioReporter reporter(
        {{"BM_ExportLilyPond", "", 1000}, {"BM_EngraveChorale", "", 60000}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::filesystem::remove_all(Folder());
    return 0;
}

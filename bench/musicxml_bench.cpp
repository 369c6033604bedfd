// MusicXML of a dense score, 16 parts of 32767 positions: the export written
// to disk and flushed like every export, and the import of that file from
// disk into a score.

#include "BenchFolder.h"
#include "DenseScore.h"
#include "RatioReporter.h"
#include "interchange/MusicXmlExport.h"
#include "interchange/MusicXmlImport.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using namespace sorn;

class SilentBoxes : public MessageBoxes {
public:
    MsgResult Show(std::string_view, MsgButtons, MsgIcon) override { return MsgResult::Ok; }
};

using sorn::bench::Folder;

void BM_ExportMusicXml(benchmark::State& state) {
    const std::string target = (Folder() / "dense.musicxml").string();
    for (auto _ : state)
        if (ExportError error = ExportMusicXml(bench::SixteenDenseParts(), target))
            state.SkipWithError(error.Message().c_str());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(target)));
}

// As the Open command does it: the file read from disk into a score.
void BM_ImportMusicXml(benchmark::State& state) {
    const std::string source = (Folder() / "dense.musicxml").string();
    SilentBoxes boxes;
    for (auto _ : state) {
        SornData doc;
        if (OpenMusicXml(doc, source, boxes) != OpenResult::Opened)
            state.SkipWithError("the file did not import");
        benchmark::DoNotOptimize(doc);
    }
}

BENCHMARK(BM_ExportMusicXml)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_ImportMusicXml)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // One export before timing: the file the import reads.
    if (ExportError error =
            ExportMusicXml(bench::SixteenDenseParts(), (Folder() / "dense.musicxml").string())) {
        std::fprintf(stderr, "%s\n", error.Message().c_str());
        return 1;
    }
    bench::RatioReporter reporter(
        {{"BM_ExportMusicXml", "", 1000}, {"BM_ImportMusicXml", "", 1000}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::filesystem::remove_all(Folder());
    return 0;
}

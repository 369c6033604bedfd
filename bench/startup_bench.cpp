// Whole processes: start-up of the editor to its first shown window,
// offscreen (exec, Qt, fonts, the window and a new score), and a PDF of a
// small score and of the examples as full scores from the command line
// against the peer's command for them.

#include "BenchFolder.h"
#include "RatioReporter.h"
#include "RunProgram.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using sorn::bench::Folder;
using sorn::bench::Run;

void BM_StartUpToFirstWindow(benchmark::State& state) {
    setenv("SORN_QUIT_WHEN_SHOWN", "1", 1);
    for (auto _ : state)
        if (!Run({SORN_EDITOR_EXE})) state.SkipWithError("exit status");
    unsetenv("SORN_QUIT_WHEN_SHOWN");
}
BENCHMARK(BM_StartUpToFirstWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

const std::string kExample = SORN_SOURCE_DIR "/data/examples/kirakira.sorn";

void BM_PrintPdfCommand(benchmark::State& state) {
    const std::string pdf = (Folder() / "ours.pdf").string();
    for (auto _ : state)
        if (!Run({SORN_EDITOR_EXE, "--print-pdf", pdf, kExample})) state.SkipWithError("exit");
}
BENCHMARK(BM_PrintPdfCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// The same score in the peer's own format, made from our MIDI export.
void BM_PeerPrintPdf(benchmark::State& state) {
    const std::string mid = (Folder() / "peer.mid").string();
    const std::string score = (Folder() / "peer.mscz").string();
    const std::string pdf = (Folder() / "peer.pdf").string();
    if (!Run({SORN_EDITOR_EXE, "--export-midi", mid, kExample}) ||
        !Run({"mscore3", "-o", score, mid})) {
        state.SkipWithError("mscore3 (Debian musescore3) is not installed");
        return;
    }
    for (auto _ : state)
        if (!Run({"mscore3", "-o", pdf, score})) state.SkipWithError("mscore3");
}
BENCHMARK(BM_PeerPrintPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// Batch commands that draw nothing: the cost of loading the program.
void BM_VersionCommand(benchmark::State& state) {
    for (auto _ : state)
        if (!Run({SORN_EDITOR_EXE, "--version"})) state.SkipWithError("exit");
}
BENCHMARK(BM_VersionCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

void BM_InfoCommand(benchmark::State& state) {
    for (auto _ : state)
        if (!Run({SORN_EDITOR_EXE, "--info", kExample})) state.SkipWithError("exit");
}
BENCHMARK(BM_InfoCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

void BM_MidiCommand(benchmark::State& state) {
    const std::string mid = (Folder() / "ours.mid").string();
    for (auto _ : state)
        if (!Run({SORN_EDITOR_EXE, "-o", mid, kExample})) state.SkipWithError("exit");
}
BENCHMARK(BM_MidiCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

// The peer writing MIDI of the MusicXML we export of the same score.
void BM_PeerMidi(benchmark::State& state) {
    const std::string score = (Folder() / "peer-midi.musicxml").string();
    const std::string mid = (Folder() / "peer-out.mid").string();
    if (!Run({SORN_EDITOR_EXE, "-o", score, kExample})) {
        state.SkipWithError("export");
        return;
    }
    for (auto _ : state)
        if (!Run({"mscore3", "-o", mid, score})) {
            state.SkipWithError("mscore3 (Debian musescore3) is not installed");
            return;
        }
}
BENCHMARK(BM_PeerMidi)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

// The four examples as full scores for reading, each a whole process,
// against the peer printing the MusicXML we export of them.
const char* const kExamples[] = {"kirakira", "sakura", "canon", "chorale"};

void BM_ScorePdfCommand(benchmark::State& state) {
    const std::string pdf = (Folder() / "score.pdf").string();
    for (auto _ : state)
        for (const char* name : kExamples)
            if (!Run({SORN_EDITOR_EXE, "-o", pdf, "--score",
                      SORN_SOURCE_DIR "/data/examples/" + std::string(name) + ".sorn"}))
                state.SkipWithError("exit");
}
BENCHMARK(BM_ScorePdfCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_PeerScorePdf(benchmark::State& state) {
    std::vector<std::string> scores;
    for (const char* name : kExamples) {
        scores.push_back((Folder() / (std::string(name) + ".musicxml")).string());
        if (!Run({SORN_EDITOR_EXE, "-o", scores.back(),
                  SORN_SOURCE_DIR "/data/examples/" + std::string(name) + ".sorn"})) {
            state.SkipWithError("export");
            return;
        }
    }
    const std::string pdf = (Folder() / "peer-score.pdf").string();
    for (auto _ : state)
        for (const std::string& score : scores)
            if (!Run({"mscore3", "-o", pdf, score})) {
                state.SkipWithError("mscore3 (Debian musescore3) is not installed");
                return;
            }
}
BENCHMARK(BM_PeerScorePdf)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    benchmark::Initialize(&argc, argv);
    sorn::bench::RatioReporter reporter({{"BM_StartUpToFirstWindow", "", 300},
                                         {"BM_VersionCommand", "", 10},
                                         {"BM_InfoCommand", "", 10},
                                         {"BM_MidiCommand", "BM_PeerMidi", 0.05},
                                         {"BM_PrintPdfCommand", "BM_PeerPrintPdf", 0.1},
                                         {"BM_ScorePdfCommand", "BM_PeerScorePdf", 1.0 / 3}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::filesystem::remove_all(Folder());
    return 0;
}

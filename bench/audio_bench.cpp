// Whole-score audio. The chorale example as a whole process against
// FluidSynth's own file renderer on our MIDI export with the same SoundFont
// (`fluidsynth -ni -F out.wav -r 44100 <sf2> score.mid`); and 16 parts of
// 2000 positions rendered in the process, reported as a multiple of real
// time.

#include "BenchFolder.h"
#include "DenseScore.h"
#include "RatioReporter.h"
#include "RunProgram.h"
#include "platform/AudioExport.h"
#include "platform/FluidSequencer.h"

#include <benchmark/benchmark.h>

namespace {

using sorn::bench::Folder;
using sorn::bench::Run;

const std::string kChorale = SORN_SOURCE_DIR "/data/examples/chorale.sorn";

void BM_ChoraleAudioCommand(benchmark::State& state) {
    const std::string out = (Folder() / "ours.wav").string();
    for (auto _ : state)
        if (!Run({SORN_EDITOR_EXE, "--export-audio", out, kChorale})) state.SkipWithError("exit");
}
BENCHMARK(BM_ChoraleAudioCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_PeerFluidsynthFile(benchmark::State& state) {
    const std::string mid = (Folder() / "chorale.mid").string();
    const std::string out = (Folder() / "peer.wav").string();
    const std::string soundFont = sorn::FindSoundFont(sorn::FluidOptions::DefaultSoundFonts());
    if (!Run({SORN_EDITOR_EXE, "--export-midi", mid, kChorale}) || soundFont.empty()) {
        state.SkipWithError("export");
        return;
    }
    for (auto _ : state)
        if (!Run({"fluidsynth", "-ni", "-F", out, "-r", "44100", soundFont, mid})) {
            state.SkipWithError("fluidsynth (Debian fluidsynth) is not installed");
            return;
        }
}
BENCHMARK(BM_PeerFluidsynthFile)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// Seconds of audio per second of rendering.
void BM_RenderSixteenParts(benchmark::State& state) {
    sorn::SornData doc;
    sorn::bench::FillDense(doc, 16, 2000);
    double seconds = 0;
    for (auto _ : state) {
        std::string error;
        const auto audio = sorn::RenderScoreAudio(doc, {}, {}, nullptr, error);
        if (!audio) {
            state.SkipWithError(error.c_str());
            return;
        }
        seconds = static_cast<double>(audio->samples.size()) / 2 / audio->sampleRate;
    }
    state.counters["audio_s"] = seconds;
    state.counters["x_realtime"] = benchmark::Counter(
        seconds * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderSixteenParts)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    sorn::bench::RatioReporter reporter({{"BM_ChoraleAudioCommand", "BM_PeerFluidsynthFile", 1.2}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::filesystem::remove_all(Folder());
    return 0;
}

// Loading ".hki2" timbres at the line limit: 1024 harmonics 1..1024 with
// small alternating amplitudes, and 1024 lines of harmonics far past the
// table (multiples of it and near the 32-bit limit), where the shared sine
// table has to fall back to the direct formula most often. Figure: time per
// load, against an absolute limit (the WAV command loads the timbre while the
// user waits).

#include "BenchFolder.h"
#include "RatioReporter.h"
#include "sound/Timbre.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace sorn;

using sorn::bench::Folder;

std::string Write(const std::string& name, const std::string& text) {
    const std::string path = (Folder() / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string Harmonics() {
    std::string text = "# 1024 harmonics\n";
    for (int n = 1; n <= 1024; ++n)
        text += "sin " + std::to_string(n) + (n % 2 ? " 0.0009" : " -0.0009") + "\n";
    return Write("harmonics.hki2", text);
}

std::string FarHarmonics() {
    std::string text;
    for (int k = 1; k <= 1024; ++k)
        text += "sin " + std::to_string(k % 2 ? 100000 * k : 2147483647 - k) + " -0.0009\n";
    return Write("far.hki2", text);
}

void Load(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        Timbre timbre;
        if (ExportError error = LoadTimbre("", path, timbre))
            state.SkipWithError(error.Message().c_str());
        benchmark::DoNotOptimize(timbre.Table().data());
    }
}

void BM_LoadHki2_1024Harmonics(benchmark::State& state) {
    Load(state, Harmonics());
}
BENCHMARK(BM_LoadHki2_1024Harmonics)->Unit(benchmark::kMillisecond);

void BM_LoadHki2_1024FarHarmonics(benchmark::State& state) {
    Load(state, FarHarmonics());
}
BENCHMARK(BM_LoadHki2_1024FarHarmonics)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    sorn::bench::RatioReporter reporter(
        {{"BM_LoadHki2_1024Harmonics", "", 100}, {"BM_LoadHki2_1024FarHarmonics", "", 100}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::filesystem::remove_all(Folder());
    return 0;
}

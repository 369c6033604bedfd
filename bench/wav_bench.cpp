// WAV export of one part: ten minutes of eighth notes (26.5 million samples)
// with the default violin timbre, written to disk and flushed like every
// export. Its peer is FluidSynth rendering the same part's MIDI file to a WAV
// file, what `fluidsynth -ni -F out.wav -r 44100 <sf2> part.mid` does, through
// the same library calls so that no process start is counted.

#include "BenchFolder.h"
#include "RatioReporter.h"
#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "sound/SornMidi.h"
#include "sound/SornWav.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fluidsynth.h>
#include <string>

namespace {

using namespace sorn;

constexpr std::int16_t kTempo = 120;
// An eighth is 8 × 1378 samples at tempo 120; 2401 of them pass ten minutes.
constexpr std::int32_t kLength = 2400;
constexpr double kSeconds = (kLength + 1) * 8.0 * 1378 / WavSampleRate;

void FillPart(SornData& doc) {
    doc.FileNew();
    doc.SetLength(kLength);
    doc.SetSpeed(kTempo);
    doc.SetGData1(0, 0, 0, Kind::EighthNote, 122);
    for (std::int32_t i = 1; i <= kLength; ++i) {
        doc.SetGData1(0, i, 0, Kind::EighthNote, static_cast<std::uint8_t>(118 + (i * 5) % 15));
        if (i % 3 == 0) doc.CheckGData1(0, i, Kind::Accidental, AccidentalCode::Sharp);
        if (i % 8 == 0) doc.CheckGData1(0, i, Kind::BarLine, BarLineCode::Single);
        if (i % 16 == 5)
            doc.CheckGData1(0, i, Kind::Dynamics, i % 32 == 5 ? DynamicsCode::f : DynamicsCode::p);
    }
}

SornData& Part() {
    static SornData doc = [] {
        SornData d;
        FillPart(d);
        return d;
    }();
    return doc;
}

using sorn::bench::Folder;

std::string SoundFont() {
    if (const char* env = std::getenv("SORN_SOUNDFONT"); env && *env) return env;
    for (const char* path :
         {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2"})
        if (std::filesystem::exists(path)) return path;
    return {};
}

void BM_SaveToWav(benchmark::State& state) {
    const std::string target = (Folder() / "part.wav").string();
    for (auto _ : state) {
        SornWav wav(SORN_BIN_DIR "/");
        if (wav.SaveToWav(Part(), target, 0, DefaultTimbreName) != 1)
            state.SkipWithError(wav.Error().Message().c_str());
    }
    state.counters["x_real_time"] = benchmark::Counter(
        kSeconds * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// fluidsynth -ni -F out.wav -r 44100 <sf2> part.mid
bool RenderWithFluidSynth(const std::string& soundFont, const std::string& midi,
                          const std::string& wav) {
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setstr(settings, "audio.file.name", wav.c_str());
    fluid_settings_setnum(settings, "synth.sample-rate", 44100);
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_settings_setint(settings, "synth.lock-memory", 0);
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = new_fluid_player(synth);
    bool ok = fluid_synth_sfload(synth, soundFont.c_str(), 1) != FLUID_FAILED &&
              fluid_player_add(player, midi.c_str()) == FLUID_OK &&
              fluid_player_play(player) == FLUID_OK;
    fluid_file_renderer_t* renderer = ok ? new_fluid_file_renderer(synth) : nullptr;
    ok = ok && renderer;
    while (ok && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING)
        ok = fluid_file_renderer_process_block(renderer) == FLUID_OK;
    if (renderer) delete_fluid_file_renderer(renderer);
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return ok;
}

void BM_FluidSynthToWav(benchmark::State& state) {
    const std::string soundFont = SoundFont();
    const std::string midi = (Folder() / "part.mid").string();
    const std::string wav = (Folder() / "fluidsynth.wav").string();
    if (soundFont.empty()) {
        for (auto _ : state) {
        }
        state.SkipWithError("no General MIDI SoundFont found");
        return;
    }
    for (auto _ : state)
        if (!RenderWithFluidSynth(soundFont, midi, wav)) state.SkipWithError("fluidsynth");
    state.counters["x_real_time"] = benchmark::Counter(
        kSeconds * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_SaveToWav)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(BM_FluidSynthToWav)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    // The MIDI file FluidSynth plays, and a check that both exports work.
    SornMidi midi;
    SornWav wav(SORN_BIN_DIR "/");
    if (midi.SaveToMIDI(Part(), (Folder() / "part.mid").string()) != 1 ||
        wav.SaveToWav(Part(), (Folder() / "part.wav").string(), 0, DefaultTimbreName) != 1) {
        std::fprintf(stderr, "%s%s\n", midi.Error().Message().c_str(),
                     wav.Error().Message().c_str());
        return 1;
    }
    std::printf("%.1f s of sound, %.1f million samples\n", kSeconds,
                kSeconds * WavSampleRate / 1e6);
    bench::RatioReporter reporter(
        {{"BM_SaveToWav", "", 600}, {"BM_SaveToWav", "BM_FluidSynthToWav", 0.1}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::filesystem::remove_all(Folder());
    return 0;
}

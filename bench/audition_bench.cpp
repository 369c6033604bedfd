// The audition command from the menu to the window shown, for a four-part
// score of three minutes: the MIDI export, the SoundFont load, the audio
// output and the window. Beside it, its two largest parts alone. Then the
// memory the open window holds.

#include "RatioReporter.h"
#include "app/Audition.h"
#include "dialogs/Form4.h"
#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "platform/FluidSequencer.h"
#include "sound/SornMidi.h"
#include "support/Scripted.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fluidsynth.h>
#include <fstream>
#include <unistd.h>

namespace {

using namespace sorn;
using Clock = std::chrono::steady_clock;

// Four parts of eighth notes at 120 beats a minute: 720 eighths are three
// minutes.
SornData& FourPartsThreeMinutes() {
    static SornData doc = [] {
        SornData d;
        d.FileNew();
        for (int p = 1; p < 4; ++p)
            d.AddPart();
        constexpr std::int32_t kNotes = 720;
        d.SetLength(kNotes + 2);
        d.SetSpeed(120);
        const char* instruments[] = {"0", "40", "73", "32"};
        for (int pi = 0; pi < 4; ++pi) {
            const auto part = static_cast<std::uint8_t>(pi);
            d.SetInstrumentNumber(part, instruments[pi]);
            d.SetGData1(part, 0, 0, Kind::Clef, pi == 3 ? ClefCode::F : ClefCode::G);
            for (std::int32_t i = 1; i <= kNotes; ++i) {
                d.SetGData1(part, i, 0, Kind::EighthNote,
                            static_cast<std::uint8_t>(122 + (i * 3 + pi * 2) % 11));
                if (i % 8 == 1) d.CheckGData1(part, i, Kind::BarLine, BarLineCode::Single);
            }
        }
        return d;
    }();
    return doc;
}

const std::string& Folder() {
    static const std::string folder = [] {
        auto dir = std::filesystem::temp_directory_path() / "sorn-audition-bench";
        std::filesystem::create_directories(dir);
        return dir.string() + "/";
    }();
    return folder;
}

double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
}

struct Shown {
    double seconds = -1;
    double residentMegabytes = 0;
};

// The menu command as the editor runs it; the clock stops when the modal
// window's event loop first runs, and the window is closed unmeasured.
Shown MenuToWindowShown() {
    test::ScriptedMessageBoxes boxes;
    Shown shown;
    const auto start = Clock::now();
    QTimer::singleShot(0, [&] {
        Form4* form = Form4::Current();
        if (!form || !form->isVisible()) return;
        shown.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        shown.residentMegabytes = ResidentMegabytes();
        form->close();
    });
    if (RunAudition(nullptr, FourPartsThreeMinutes(), boxes) != AuditionResult::Shown)
        shown.seconds = -1;
    return shown;
}

void BM_MenuToWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        const Shown shown = MenuToWindowShown();
        if (shown.seconds < 0) {
            state.SkipWithError("the window was not shown");
            break;
        }
        state.SetIterationTime(shown.seconds);
    }
}

void BM_SaveListenMid(benchmark::State& state) {
    for (auto _ : state) {
        SornMidi midi;
        if (midi.SaveToMIDI(FourPartsThreeMinutes(), Folder() + "Listen.mid") != 1)
            state.SkipWithError(midi.Error().Message().c_str());
    }
}

void BM_LoadSoundFont(benchmark::State& state) {
    const auto fonts = FluidOptions::DefaultSoundFonts();
    const auto found = std::find_if(fonts.begin(), fonts.end(), [](const std::string& path) {
        return std::filesystem::is_regular_file(path);
    });
    if (found == fonts.end()) {
        state.SkipWithError("no SoundFont");
        return;
    }
    state.SetLabel(*found);
    for (auto _ : state) {
        fluid_settings_t* settings = new_fluid_settings();
        fluid_synth_t* synth = new_fluid_synth(settings);
        if (fluid_synth_sfload(synth, found->c_str(), 1) == FLUID_FAILED)
            state.SkipWithError("the SoundFont did not load");
        delete_fluid_synth(synth);
        delete_fluid_settings(settings);
    }
}

BENCHMARK(BM_MenuToWindowShown)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(20)
    ->Repetitions(3);
BENCHMARK(BM_SaveListenMid)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1);
BENCHMARK(BM_LoadSoundFont)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    // Memory first, in a fresh process: what opening the window adds, and
    // what is still held once it has closed.
    const double before = ResidentMegabytes();
    const Shown first = MenuToWindowShown();
    const double after = ResidentMegabytes();
    if (first.seconds < 0) {
        std::fprintf(stderr, "the audition window was not shown\n");
        return 1;
    }
    {
        FluidSequencer probe;
        probe.SetFileName(Folder() + "Listen.mid");
        probe.Open();
        std::printf("first audition: %.1f ms to the window, through output \"%s\"\n",
                    first.seconds * 1e3, probe.OutputName().c_str());
    }
    std::printf("memory while the window is open: %.1f MB more than before (%.1f MB resident);"
                " %.1f MB more once it has closed\n\n",
                first.residentMegabytes - before, first.residentMegabytes, after - before);

    bench::RatioReporter reporter({{"BM_MenuToWindowShown", "", 300}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // Growth here, after dozens of auditions, would be memory never let go.
    std::printf("resident after every run: %.1f MB\n", ResidentMegabytes());
    std::filesystem::remove_all(Folder());
    return 0;
}

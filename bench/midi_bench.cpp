// MIDI export of a dense score: 16 parts of 32768 positions of eighth notes
// with accidentals, ties, dynamics, repeats and a D.C., written to disk and
// flushed like every export. Figures: time per export and bytes written per
// second. Shown beside it: cp and sync of the same file, what the disk
// alone costs.

#include "BenchFolder.h"
#include "RatioReporter.h"
#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "sound/SornMidi.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using namespace sorn;

constexpr int kParts = 16;

void FillDense(SornData& doc) {
    doc.FileNew();
    for (int p = 1; p < kParts; ++p)
        doc.AddPart();
    doc.SetLength(MaxLength);
    doc.SetSpeed(132);
    for (int pi = 0; pi < kParts; ++pi) {
        const auto part = static_cast<std::uint8_t>(pi);
        doc.SetInstrumentNumber(part, std::to_string(pi * 7 % 128));
        doc.SetGData1(part, 0, 0, Kind::Clef, pi % 2 ? ClefCode::F : ClefCode::G);
        doc.SetGData1(part, 1, 0, Kind::KeySignature, 3);
        std::uint8_t pitch = 128;
        for (std::int32_t i = 2; i <= MaxLength; ++i) {
            // A tied note is followed by the same pitch, so its tie holds.
            if (i % 7 != 1) pitch = static_cast<std::uint8_t>(120 + (i * 5 + pi) % 15);
            doc.SetGData1(part, i, 0, Kind::EighthNote, pitch);
            if (i % 7 == 0) doc.CheckGData1(part, i, Kind::Tie, MarkPresent);
            if (i % 3 == 0) doc.CheckGData1(part, i, Kind::Accidental, AccidentalCode::Sharp);
            if (i % 8 == 1) doc.CheckGData1(part, i, Kind::BarLine, BarLineCode::Single);
            if (i % 16 == 5)
                doc.CheckGData1(part, i, Kind::Dynamics,
                                i % 32 == 5 ? DynamicsCode::mf : DynamicsCode::p);
            // Every 512 positions a section of 64 played twice.
            if (i % 512 == 401) doc.CheckGData1(part, i, Kind::BarLine, BarLineCode::RepeatStart);
            if (i % 512 == 465) doc.CheckGData1(part, i, Kind::BarLine, BarLineCode::RepeatEnd);
        }
        doc.CheckGData1(part, MaxLength / 2, Kind::RepeatWord, RepeatWordCode::Fine);
        doc.CheckGData1(part, MaxLength, Kind::RepeatWord, RepeatWordCode::DC);
    }
}

using sorn::bench::Folder;

SornData& Dense() {
    static SornData doc = [] {
        SornData d;
        FillDense(d);
        return d;
    }();
    return doc;
}

void BM_SaveToMIDI(benchmark::State& state) {
    SornData& doc = Dense();
    const std::string target = (Folder() / "dense.mid").string();
    for (auto _ : state) {
        SornMidi midi;
        if (midi.SaveToMIDI(doc, target) != 1) state.SkipWithError(midi.Error().Message().c_str());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(target)));
}

void BM_CopyWithCpAndSync(benchmark::State& state) {
    const std::string source = (Folder() / "dense.mid").string();
    const std::string copy = (Folder() / "copy.mid").string();
    const std::string command = "cp '" + source + "' '" + copy + "' && sync '" + copy + "'";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("cp");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(source)));
}

BENCHMARK(BM_SaveToMIDI)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_CopyWithCpAndSync)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

// The shared report, plus the export's throughput against its floor.
class MidiReporter : public bench::RatioReporter {
public:
    using RatioReporter::RatioReporter;

    void ReportRuns(const std::vector<Run>& runs) override {
        RatioReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred && run.run_name.function_name == "BM_SaveToMIDI" &&
                run.counters.count("bytes_per_second"))
                bytesPerSecond_ = run.counters.at("bytes_per_second");
    }

    void Finalize() override {
        RatioReporter::Finalize();
        const double mbps = bytesPerSecond_ / 1e6;
        std::printf("%-34s %12.1f %12s %9s %6.0fMB/s %s\n", "BM_SaveToMIDI MB/s written", mbps, "-",
                    "-", kMinMegabytesPerSecond, mbps >= kMinMegabytesPerSecond ? "ok" : "MISSED");
    }

private:
    static constexpr double kMinMegabytesPerSecond = 100;
    double bytesPerSecond_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // One export before timing: the file cp copies, and a check that it works.
    SornMidi first;
    if (first.SaveToMIDI(Dense(), (Folder() / "dense.mid").string()) != 1) {
        std::fprintf(stderr, "%s\n", first.Error().Message().c_str());
        return 1;
    }
    MidiReporter reporter({{"BM_SaveToMIDI", "", 100}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::filesystem::remove_all(Folder());
    return 0;
}

// Open and Save of the largest score the editor allows (256 parts of 32768
// positions, about 252 MB) against copying the same file with cp; and of a
// choir's score with a syllable under every note against the same without.

#include "RatioReporter.h"
#include "model/SornData.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <memory>
#include <string>

namespace {

struct QuietBoxes : sorn::MessageBoxes {
    sorn::MsgResult Show(std::string_view, sorn::MsgButtons, sorn::MsgIcon) override {
        return sorn::MsgResult::Ok;
    }
};

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        auto dir = std::filesystem::temp_directory_path() / "sorn-file-bench";
        std::filesystem::create_directories(dir);
        sorn::SornData doc;
        doc.FileNew();
        for (int i = 1; i < sorn::MaxParts; ++i)
            doc.AddPart();
        doc.SetLength(sorn::MaxLength);
        // Some content everywhere, so nothing is a hole in the file.
        for (int p = 0; p <= doc.PartSuu(); ++p)
            for (int iti = 0; iti <= doc.Length(); iti += 2)
                doc.SetGData1(static_cast<std::uint8_t>(p), iti, 0, 3,
                              static_cast<std::uint8_t>(120 + iti % 16));
        if (doc.FileSave((dir / "largest.sorn").string())) std::abort();
        // A choir's score: 16 parts of notes everywhere, once without words
        // and once with a syllable under every note.
        sorn::SornData choir;
        choir.FileNew();
        for (int i = 1; i < 16; ++i)
            choir.AddPart();
        choir.SetLength(sorn::MaxLength);
        for (int p = 0; p <= choir.PartSuu(); ++p)
            for (int iti = 0; iti <= choir.Length(); ++iti)
                choir.SetGData1(static_cast<std::uint8_t>(p), iti, 0, 3,
                                static_cast<std::uint8_t>(120 + iti % 16));
        if (choir.FileSave((dir / "choir.sorn").string())) std::abort();
        const char* syllables[] = {"ら", "かな", "la", "Glo", "ri", "ア"};
        for (int p = 0; p <= choir.PartSuu(); ++p)
            for (int iti = 0; iti <= choir.Length(); ++iti)
                choir.SetSyllable(static_cast<std::uint8_t>(p), iti, 0,
                                  {syllables[iti % 6], static_cast<sorn::Syllabic>(iti % 4)});
        if (choir.FileSave((dir / "choir-words.sorn").string())) std::abort();
        return dir;
    }();
    return folder;
}

std::string Largest() {
    return (Folder() / "largest.sorn").string();
}

void Shell(const std::string& command) {
    if (std::system(command.c_str()) != 0) std::abort();
}

void BM_Open(benchmark::State& state) {
    QuietBoxes boxes;
    for (auto _ : state) {
        sorn::SornData doc;
        if (doc.FileOpen(Largest(), boxes) != sorn::OpenResult::Opened) state.SkipWithError("open");
        benchmark::DoNotOptimize(doc.Length());
    }
}

void BM_Save(benchmark::State& state) {
    QuietBoxes boxes;
    sorn::SornData doc;
    doc.FileOpen(Largest(), boxes);
    const std::string target = (Folder() / "saved.sorn").string();
    for (auto _ : state)
        if (doc.FileSave(target)) state.SkipWithError("save");
}

// Each open starts from memory handed back to the system, as in an editor
// that has not just opened the same score: otherwise the allocator's reuse
// of the last open's memory decides the figure. With save: what the figure
// is about, a score opened and saved again.
void OpenChoir(benchmark::State& state, const char* name, bool save = false) {
    QuietBoxes boxes;
    const std::string path = (Folder() / name).string();
    const std::string target = (Folder() / "choir-saved.sorn").string();
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<sorn::SornData>();
        ::malloc_trim(0);
        state.ResumeTiming();
        if (doc->FileOpen(path, boxes) != sorn::OpenResult::Opened) state.SkipWithError("open");
        if (save && doc->FileSave(target)) state.SkipWithError("save");
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
}

void SaveChoir(benchmark::State& state, const char* name) {
    QuietBoxes boxes;
    sorn::SornData doc;
    doc.FileOpen((Folder() / name).string(), boxes);
    const std::string target = (Folder() / "choir-saved.sorn").string();
    for (auto _ : state)
        if (doc.FileSave(target)) state.SkipWithError("save");
}

void BM_OpenAndSaveChoir(benchmark::State& state) {
    OpenChoir(state, "choir.sorn", true);
}
void BM_OpenAndSaveChoirWithLyrics(benchmark::State& state) {
    OpenChoir(state, "choir-words.sorn", true);
}

void BM_OpenChoir(benchmark::State& state) {
    OpenChoir(state, "choir.sorn");
}
void BM_OpenChoirWithLyrics(benchmark::State& state) {
    OpenChoir(state, "choir-words.sorn");
}
void BM_SaveChoir(benchmark::State& state) {
    SaveChoir(state, "choir.sorn");
}
void BM_SaveChoirWithLyrics(benchmark::State& state) {
    SaveChoir(state, "choir-words.sorn");
}

// Our save flushes the file to disk before it replaces the old one; cp
// alone does not, so both are shown.
void BM_CopyWithCp(benchmark::State& state) {
    const std::string command =
        "cp '" + Largest() + "' '" + (Folder() / "copy.sorn").string() + "'";
    for (auto _ : state)
        Shell(command);
}

void BM_CopyWithCpAndSync(benchmark::State& state) {
    const std::string copy = (Folder() / "copy.sorn").string();
    const std::string command = "cp '" + Largest() + "' '" + copy + "' && sync '" + copy + "'";
    for (auto _ : state)
        Shell(command);
}

BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_CopyWithCp)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_CopyWithCpAndSync)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_OpenChoir)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1);
BENCHMARK(BM_OpenChoirWithLyrics)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1);
BENCHMARK(BM_SaveChoir)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1);
BENCHMARK(BM_SaveChoirWithLyrics)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1);
BENCHMARK(BM_OpenAndSaveChoir)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1);
BENCHMARK(BM_OpenAndSaveChoirWithLyrics)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Folder();
    sorn::bench::RatioReporter reporter(
        {{"BM_Open", "BM_CopyWithCp", 1.5},
         {"BM_Save", "BM_CopyWithCp", 1.5},
         {"BM_Save", "BM_CopyWithCpAndSync", 1.5},
         {"BM_OpenChoirWithLyrics", "BM_OpenChoir", 1.5},
         {"BM_SaveChoirWithLyrics", "BM_SaveChoir", 1.5},
         {"BM_OpenAndSaveChoirWithLyrics", "BM_OpenAndSaveChoir", 1.5}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::filesystem::remove_all(Folder());
    return 0;
}

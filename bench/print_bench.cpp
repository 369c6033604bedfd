// Printing: one page image, and every page of the longest part into a
// vector PDF; one page as a PNG file.

#include "DenseScore.h"
#include "RatioReporter.h"
#include "app/BatchRender.h"
#include "platform/PrintJob.h"
#include "platform/QtPrinter.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

const sorn::SornData& LongestPart() {
    static sorn::SornData doc = [] {
        sorn::SornData d;
        sorn::bench::FillDense(d, 1, sorn::MaxLength);
        return d;
    }();
    return doc;
}

void BM_RenderPage(benchmark::State& state) {
    QImage image = sorn::NewPageImage();
    int page = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(sorn::RenderPage(LongestPart(), 0, false, page++ % 90, image));
}
BENCHMARK(BM_RenderPage)->Unit(benchmark::kMillisecond)->Repetitions(3);

void BM_PrintLongestPartToPdf(benchmark::State& state) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "sorn-print-bench.pdf").string();
    QImage image = sorn::NewPageImage();
    for (auto _ : state) {
        sorn::QtPrinter printer;
        if (sorn::PrintPart(LongestPart(), 0, false, sorn::PaperSize::A4, 1, printer, path,
                            &image) != sorn::PrintResult::Printed)
            state.SkipWithError("print");
    }
    state.counters["pages"] = sorn::RenderPage(LongestPart(), 0, false, 0, image) + 1;
    std::filesystem::remove(path);
}
BENCHMARK(BM_PrintLongestPartToPdf)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

// One full page of a busy part to a PNG file, as `-o page.png` writes it.
// Its figure is the CPU time: the real time adds the disk's flush.
void BM_PagePng(benchmark::State& state) {
    sorn::SornData doc;
    sorn::bench::FillDense(doc, 1, 12 * 24);
    const std::string path =
        (std::filesystem::temp_directory_path() / "sorn-page-bench.png").string();
    for (auto _ : state)
        if (!sorn::RenderPageImage(doc, sorn::PageRequest{}, path).empty())
            state.SkipWithError("png");
    std::filesystem::remove(path);
}
BENCHMARK(BM_PagePng)->Unit(benchmark::kMillisecond)->Repetitions(3);

// Every page of 16 parts of the longest length as a full score for reading:
// laying it out once, then drawing every page into a vector PDF.
void BM_PrintFullScoreToPdf(benchmark::State& state) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "sorn-score-bench.pdf").string();
    sorn::PrintChoice choice;
    choice.reading = true;
    choice.parts.clear();
    for (int p = 0; p < 16; ++p)
        choice.parts.push_back(static_cast<std::uint8_t>(p));
    sorn::bench::SixteenDenseParts();
    for (auto _ : state) {
        sorn::QtPrinter printer;
        if (sorn::PrintChosen(sorn::bench::SixteenDenseParts(), choice, 1, printer, path) !=
            sorn::PrintResult::Printed)
            state.SkipWithError("print");
    }
    state.counters["pages"] =
        sorn::PrintPages(sorn::bench::SixteenDenseParts(), choice).PageCount();
    std::filesystem::remove(path);
}
BENCHMARK(BM_PrintFullScoreToPdf)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(1);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    sorn::bench::RatioReporter reporter({{"BM_RenderPage", "", 20},
                                         {"BM_PrintLongestPartToPdf", "", 2000},
                                         {"BM_PrintFullScoreToPdf", "", 3000}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return 0;
}

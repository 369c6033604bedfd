// Undo and redo on the largest score, key press to repainted score area, for
// each kind of step; and what the history holds in memory.

#include "DenseScore.h"
#include "RatioReporter.h"
#include "app/Form1.h"
#include "app/ScoreArea.h"
#include "support/Scripted.h"

#include <QAction>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

// One window on a dense score of 256 parts. The largest score cannot grow, so
// the score is a little shorter than the longest, which lets space be inserted.
struct LargestScore {
    sorn::test::ScriptedMessageBoxes boxes;
    sorn::test::ScriptedFileDialogs dialogs;
    sorn::test::RecordingShell shell;
    std::unique_ptr<sorn::Form1> form;

    LargestScore(int parts, std::int32_t length) {
        form = std::make_unique<sorn::Form1>(sorn::Services{boxes, dialogs, shell}, "/tmp");
        form->Form_Load("");
        // Filled as a file would be read: outside the history.
        form->Document().SetJournal(nullptr);
        sorn::bench::FillDense(form->Document(), parts, length);
        form->Document().SetJournal(&form->History());
        form->ForgetHistory();
        form->FlatScrollBar2->setMaximum(form->Document().PartSuu());
        form->FlatScrollBar1->setMaximum(form->Document().Length());
        form->show();
        form->resize(1920, form->height());
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get())) std::fprintf(stderr, "no active window\n");
        form->FlatScrollBar1->setValue(length / 2);
        form->FlatScrollBar2->setValue(parts / 2);
        form->State().CursorColumn = 20;
        QCoreApplication::processEvents();
    }
    ~LargestScore() { form->State().ScoreModified = false; }

    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(form.get(), key, mods);
        form->Picture2->repaint();
    }
};

// Made once in main, for every benchmark.
std::unique_ptr<LargestScore> largest;

LargestScore& Shared() {
    return *largest;
}

// The steps measured, each taken once before its benchmark.
const std::function<void(LargestScore&)> kSteps[] = {
    [](LargestScore& s) { s.Key(Qt::Key_F); },
    [](LargestScore& s) { s.form->mnuEditInsertspace->trigger(); },
    [](LargestScore& s) { s.form->mnuEditDeletespace->trigger(); },
    [](LargestScore& s) { s.form->mnuEditShorter20->trigger(); },
    [](LargestScore& s) { s.form->mnuEditLessPart->trigger(); },
    [](LargestScore& s) {
        for (int i = 0; i < 16; ++i)
            s.Key(Qt::Key_Right, Qt::ShiftModifier);
        s.Key(Qt::Key_C, Qt::ControlModifier);
        s.Key(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    },
};
const char* kStepNames[] = {"note",       "insert space", "delete space",
                            "shorten 20", "delete part",  "insert-paste 16"};

// Ctrl+Z (or Ctrl+Y when redo) timed, the other untimed, so every
// iteration starts from the same state.
void UndoOrRedo(benchmark::State& state, bool redo) {
    LargestScore& s = Shared();
    s.form->ForgetHistory();
    kSteps[state.range(0)](s);
    state.SetLabel(kStepNames[state.range(0)]);
    for (auto _ : state) {
        if (redo) s.Key(Qt::Key_Z, Qt::ControlModifier);
        const auto start = Clock::now();
        s.Key(redo ? Qt::Key_Y : Qt::Key_Z, Qt::ControlModifier);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        if (!redo) s.Key(Qt::Key_Y, Qt::ControlModifier);
    }
}

void BM_UndoToPaint(benchmark::State& state) {
    UndoOrRedo(state, false);
}
void BM_RedoToPaint(benchmark::State& state) {
    UndoOrRedo(state, true);
}
BENCHMARK(BM_UndoToPaint)
    ->DenseRange(0, 5)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(3);
BENCHMARK(BM_RedoToPaint)
    ->DenseRange(0, 5)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(3);

// The same window taking an ordinary key, for reading the figures above on a
// busy machine: R toggles a sharp, an edit step, a redraw and a paint.
void BM_KeyToPaintLargest(benchmark::State& state) {
    LargestScore& s = Shared();
    s.form->ForgetHistory();
    for (auto _ : state)
        s.Key(Qt::Key_R);
    s.form->ForgetHistory();
}
BENCHMARK(BM_KeyToPaintLargest)->Unit(benchmark::kMicrosecond)->Repetitions(3);

// The edit itself for comparison: Ctrl+I timed, its undo untimed.
void BM_InsertSpaceToPaint(benchmark::State& state) {
    LargestScore& s = Shared();
    s.form->ForgetHistory();
    for (auto _ : state) {
        const auto start = Clock::now();
        s.Key(Qt::Key_I, Qt::ControlModifier);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        s.Key(Qt::Key_Z, Qt::ControlModifier);
    }
    s.form->ForgetHistory();
}
BENCHMARK(BM_InsertSpaceToPaint)->UseManualTime()->Unit(benchmark::kMicrosecond)->Repetitions(3);

// Ctrl+Shift+V of 16 copied positions timed, its undo untimed.
void BM_InsertPasteToPaint(benchmark::State& state) {
    LargestScore& s = Shared();
    s.form->ForgetHistory();
    for (int i = 0; i < 16; ++i)
        s.Key(Qt::Key_Right, Qt::ShiftModifier);
    s.Key(Qt::Key_C, Qt::ControlModifier);
    for (auto _ : state) {
        const auto start = Clock::now();
        s.Key(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        s.Key(Qt::Key_Z, Qt::ControlModifier);
    }
    s.form->ForgetHistory();
}
BENCHMARK(BM_InsertPasteToPaint)->UseManualTime()->Unit(benchmark::kMicrosecond)->Repetitions(3);

std::size_t HeapInUse() {
    return mallinfo2().uordblks;
}

// What clearing the history gives back is what it held.
double HistoryBytes(LargestScore& s, const std::function<void()>& steps) {
    s.form->ForgetHistory();
    steps();
    const std::size_t before = HeapInUse();
    s.form->ForgetHistory();
    return static_cast<double>(before) - static_cast<double>(HeapInUse());
}

void PrintRow(const char* figure, double value, const char* unit, double target) {
    char row[256];
    std::snprintf(row, sizeof row, "%-34s %12.1f %12s %9s %8.0f%s %s\n", figure, value, "-", "-",
                  target, unit, value < target ? "ok" : "MISSED");
    std::printf("%s", row);
    if (const char* path = std::getenv("SORN_BENCH_TABLE"))
        if (std::FILE* table = std::fopen(path, "a")) {
            std::fputs(row, table);
            std::fclose(table);
        }
}

void MemoryFigures() {
    LargestScore& s = Shared();
    const double perInsert = HistoryBytes(s, [&] {
        for (int i = 0; i < 100; ++i)
            s.form->mnuEditInsertspace->trigger();
    });
    PrintRow("history per inserted space (B)", perInsert / 100, "B", 1024);

    // Any score will do for single notes; one with room for 10000 of them.
    LargestScore fresh(1, 20200);
    const double notes = HistoryBytes(fresh, [&] {
        for (int i = 0; i < 10000; ++i) {
            fresh.Key(i % 2 ? Qt::Key_D : Qt::Key_F);
            fresh.Key(Qt::Key_Right);
        }
    });
    PrintRow("history of 10000 notes (MiB)", notes / (1024 * 1024), "MiB", 10);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    std::vector<sorn::bench::Comparison> figures;
    for (const char* which : {"BM_UndoToPaint/", "BM_RedoToPaint/"})
        for (int k = 0; k <= 5; ++k)
            figures.push_back({which + std::to_string(k), "", 2.0});
    figures.push_back({"BM_KeyToPaintLargest", "", 2.0});
    figures.push_back({"BM_InsertSpaceToPaint", "", 2.0});
    figures.push_back({"BM_InsertPasteToPaint", "", 2.0});
    largest = std::make_unique<LargestScore>(sorn::MaxParts, sorn::MaxLength - 1000);
    sorn::bench::RatioReporter reporter(figures);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    MemoryFigures();
    largest.reset();
    return 0;
}

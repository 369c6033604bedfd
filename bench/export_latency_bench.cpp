// How the window keeps up while a 10-minute WAV export runs from the menu:
// the longest gap between two paints of the score area (asked for every
// millisecond) and between two turns of the event loop, while the export runs.

#include "RatioReporter.h"
#include "app/Form1.h"
#include "app/ScoreArea.h"
#include "dialogs/frmOnsyoku.h"
#include "model/SymbolCodes.h"
#include "platform/BackgroundWork.h"
#include "support/Scripted.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

using Clock = std::chrono::steady_clock;

// Ten minutes of quarter notes at 60 beats a minute.
void TenMinutes(sorn::SornData& doc) {
    doc.FileNew();
    doc.SetLength(599);
    for (std::int32_t i = 0; i <= 599; ++i)
        doc.SetGData1(0, i, 0, sorn::Kind::QuarterNote, static_cast<std::uint8_t>(122 + i % 13));
}

// Paints and event-loop turns seen while the export runs; the longest gaps.
class GapMeter : public QObject {
public:
    double longestPaintGap = 0, longestTurnGap = 0;
    int paints = 0;

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && sorn::BackgroundWork::Busy()) {
            Note(lastPaint_, longestPaintGap);
            ++paints;
        }
        return false;
    }
    void Turn(QWidget* area) {
        if (!sorn::BackgroundWork::Busy()) {
            lastPaint_ = lastTurn_ = {};
            return;
        }
        Note(lastTurn_, longestTurnGap);
        area->update(); // an expose: the area must paint again
    }

private:
    static void Note(Clock::time_point& last, double& longest) {
        const auto now = Clock::now();
        if (last != Clock::time_point{})
            longest = std::max(longest, std::chrono::duration<double>(now - last).count());
        last = now;
    }
    Clock::time_point lastPaint_{}, lastTurn_{};
};

void BM_RepaintGapDuringWavExport(benchmark::State& state) {
    const std::string folder = (std::filesystem::temp_directory_path() / "sorn-latency").string();
    std::filesystem::create_directories(folder);
    sorn::test::ScriptedMessageBoxes boxes;
    sorn::test::ScriptedFileDialogs dialogs;
    sorn::test::RecordingShell shell;
    sorn::Form1 form(sorn::Services{boxes, dialogs, shell}, SORN_BIN_DIR);
    form.Form_Load("");
    TenMinutes(form.Document());
    form.show();
    QCoreApplication::processEvents();
    GapMeter meter;
    form.Picture2->installEventFilter(&meter);
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] { meter.Turn(form.Picture2); });
    ticks.start(1);
    for (auto _ : state) {
        meter.longestPaintGap = meter.longestTurnGap = 0;
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<sorn::frmOnsyoku*>(QApplication::activeModalWidget())) {
                dialog->List1->setCurrentRow(0);
                dialog->Command1->click();
            }
        });
        dialogs.answers = {folder + "/ten-minutes.wav"};
        QElapsedTimer export_;
        export_.start();
        form.mnuFileGmfsave->trigger();
        if (!boxes.shown.empty()) {
            state.SkipWithError(boxes.shown.back().text.c_str());
            break;
        }
        state.SetIterationTime(meter.longestPaintGap);
        state.counters["turn_gap_ms"] = meter.longestTurnGap * 1000;
        state.counters["paints"] = meter.paints;
        state.counters["export_ms"] = static_cast<double>(export_.elapsed());
    }
    form.State().ScoreModified = false;
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RepaintGapDuringWavExport)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    sorn::bench::RatioReporter reporter({{"BM_RepaintGapDuringWavExport", "", 50.0}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return 0;
}

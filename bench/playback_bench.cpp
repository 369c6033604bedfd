// Playback that follows the score: a key press until the note-on reaches
// the synthesizer (where FluidSynth is called), and one frame of the follow
// mark on the largest score the editor can hold.

#include "DenseScore.h"
#include "RatioReporter.h"
#include "app/Form1.h"
#include "app/NoteEcho.h"
#include "model/SornData.h"
#include "support/Scripted.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// Stands where FluidSynth's note-on call would be and notes the time.
class TimingSynth : public sorn::NoteSynth {
public:
    explicit TimingSynth(Clock::time_point& at) : at_(at) {}
    bool Start() override { return true; }
    void ProgramChange(std::uint8_t, std::uint8_t) override {}
    void NoteOn(std::uint8_t, std::uint8_t, std::uint8_t) override { at_ = Clock::now(); }
    void NoteOff(std::uint8_t, std::uint8_t) override {}
    std::string ErrorMessage() const override { return {}; }

private:
    Clock::time_point& at_;
};

struct LargestScore {
    sorn::test::ScriptedMessageBoxes boxes;
    sorn::test::ScriptedFileDialogs dialogs;
    sorn::test::RecordingShell shell;
    sorn::Form1 form{sorn::Services{boxes, dialogs, shell}, "/tmp"};

    LargestScore() {
        form.Form_Load("");
        sorn::bench::FillDense(form.Document(), 1, sorn::MaxLength);
        form.FlatScrollBar1->setMaximum(form.Document().Length());
        form.show();
        form.resize(1920, form.height());
        QCoreApplication::processEvents();
    }
};

// The note key at the end of the largest score: the edit, the walk to the
// position for the pitch in force there, and the note-on.
void BM_KeyToNoteOn(benchmark::State& state) {
    LargestScore s;
    Clock::time_point noteOn;
    s.form.UseNoteSynth([&] { return std::make_unique<TimingSynth>(noteOn); });
    s.form.Echo().SetEnabled(true);
    s.form.FlatScrollBar1->setValue(sorn::MaxLength - 30);
    s.form.State().CursorColumn = 20;
    const Qt::Key keys[] = {Qt::Key_D, Qt::Key_Up, Qt::Key_Down};
    // The synthesizer opens off the window's thread with the first note,
    // which it does not sound: it is opened before the clock runs.
    QKeyEvent first(QEvent::KeyPress, keys[0], Qt::NoModifier);
    QCoreApplication::sendEvent(&s.form, &first);
    while (!s.form.Echo().Ready())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    int k = 1;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, keys[k], Qt::NoModifier);
        k = (k + 1) % 3;
        const auto start = Clock::now();
        QCoreApplication::sendEvent(&s.form, &press);
        state.SetIterationTime(std::chrono::duration<double>(noteOn - start).count());
    }
    s.form.State().ScoreModified = false;
}
BENCHMARK(BM_KeyToNoteOn)->UseManualTime()->Unit(benchmark::kMillisecond)->Repetitions(5);

// One status notification of the audition window, the costly kind: every
// frame the mark moves on by a sixteenth (120 ticks), the score area is drawn
// again and the page turns at the right edge.
void BM_FollowFrame(benchmark::State& state) {
    LargestScore s;
    s.form.BeginFollow({});
    std::int32_t tick = 0;
    for (auto _ : state) {
        s.form.FollowPlayback(tick);
        tick += 120;
    }
    s.form.EndFollow();
}
BENCHMARK(BM_FollowFrame)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    sorn::bench::RatioReporter reporter(
        {{"BM_KeyToNoteOn", "", 30.0}, {"BM_FollowFrame", "", 1.0}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return 0;
}

// The redraw of the score area onto the real canvas, by window width, and a
// key press delivered to the main window until the score area has painted.

#include "DenseScore.h"
#include "RatioReporter.h"
#include "app/EntryAids.h"
#include "app/Form1.h"
#include "app/ScoreArea.h"
#include "app/ScoreAreaRedraw.h"
#include "layout/StaffLayout.h"
#include "layout/Timeline.h"
#include "platform/GlyphSet.h"
#include "platform/PainterCanvas.h"
#include "platform/QtCanvas.h"
#include "support/Scripted.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

void Redraw(benchmark::State& state, const sorn::SornData& doc, int height) {
    const int width = static_cast<int>(state.range(0));
    QImage image(width - 21, height, QImage::Format_RGB32);
    sorn::EditorState editor;
    sorn::HorizontalScroll scroll{3, doc.Length()};
    for (auto _ : state) {
        sorn::QtCanvas canvas(image, sorn::GlyphSet::Shared());
        benchmark::DoNotOptimize(
            sorn::RedrawScoreArea(doc, editor, scroll, static_cast<float>(width), canvas));
    }
}

void BM_RedrawScore(benchmark::State& state) {
    sorn::SornData doc;
    sorn::bench::FillDense(doc, 1, 2000);
    Redraw(state, doc, 155);
}
BENCHMARK(BM_RedrawScore)
    ->Arg(640)
    ->Arg(1280)
    ->Arg(1920)
    ->Arg(3840)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5);

// The same redraw with two verses under every note, one in kana, hyphens
// and extenders: the score area as tall as two lines of words make it.
void BM_RedrawScoreLyrics(benchmark::State& state) {
    sorn::SornData doc;
    sorn::bench::FillDense(doc, 1, 2000);
    const char* kana[] = {"さ", "く", "ら", "か", "な"};
    for (std::int32_t i = 2; i <= doc.Length(); ++i) {
        doc.SetSyllable(0, i, 0, {"la", i % 3 ? sorn::Syllabic::Begin : sorn::Syllabic::End});
        doc.SetSyllable(0, i, 1, {kana[i % 5], sorn::Syllabic::Single, i % 4 == 0});
    }
    Redraw(state, doc, 155 + 2 * sorn::kLyricLineHeight);
}
BENCHMARK(BM_RedrawScoreLyrics)->Arg(1920)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// The tint of a selection over the whole width, as select-all leaves it at
// every key: over the dense score just drawn, as each redraw tints it.
void BM_SelectionTint(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    sorn::SornData doc;
    sorn::bench::FillDense(doc, 1, 2000);
    QImage drawn(width - 21, 155, QImage::Format_RGB32);
    sorn::EditorState editor;
    sorn::HorizontalScroll scroll{3, doc.Length()};
    sorn::QtCanvas canvas(drawn, sorn::GlyphSet::Shared());
    sorn::RedrawScoreArea(doc, editor, scroll, static_cast<float>(width), canvas);
    QImage image = drawn.copy();
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(image.bits(), drawn.constBits(), static_cast<std::size_t>(drawn.sizeInBytes()));
        state.ResumeTiming();
        sorn::TintPixels(image, image.rect(), qRgb(204, 224, 255));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_SelectionTint)->Arg(1920)->Arg(3840)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// The same redraw at 200 %: twice the pixels each way, drawn as vectors.
void BM_RedrawScoreZoomed(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    constexpr double kZoom = 2;
    sorn::SornData doc;
    sorn::bench::FillDense(doc, 1, 2000);
    QImage image(width - 21, static_cast<int>(155 * kZoom), QImage::Format_RGB32);
    sorn::EditorState editor;
    sorn::HorizontalScroll scroll{3, doc.Length()};
    for (auto _ : state) {
        QPainter painter(&image);
        painter.scale(kZoom, kZoom);
        sorn::PainterCanvas canvas(painter, static_cast<float>(image.width() / kZoom), 155,
                                   sorn::GlyphSet::Shared());
        benchmark::DoNotOptimize(
            sorn::RedrawScoreArea(doc, editor, scroll, static_cast<float>(width / kZoom), canvas));
    }
}
BENCHMARK(BM_RedrawScoreZoomed)->Arg(1920)->Unit(benchmark::kMicrosecond)->Repetitions(5);

void BM_KeyToPaint(benchmark::State& state) {
    sorn::test::ScriptedMessageBoxes boxes;
    sorn::test::ScriptedFileDialogs dialogs;
    sorn::test::RecordingShell shell;
    sorn::Form1 form(sorn::Services{boxes, dialogs, shell}, "/tmp");
    form.Form_Load("");
    sorn::bench::FillDense(form.Document(), 4, 2000);
    form.FlatScrollBar1->setMaximum(form.Document().Length());
    form.show();
    form.resize(1920, form.height());
    QCoreApplication::processEvents();
    form.State().CursorColumn = 20;
    // R toggles a sharp: every press is an edit, a redraw and a paint.
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_R, Qt::NoModifier, QStringLiteral("r"));
        QCoreApplication::sendEvent(&form, &press);
        form.Picture2->repaint();
    }
    form.State().ScoreModified = false;
}
BENCHMARK(BM_KeyToPaint)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// The same key in the full score of the largest dense score the figures
// name: 16 parts of 32767 positions, 1920 x 1080.
void BM_KeyToPaintFullScore(benchmark::State& state) {
    sorn::test::ScriptedMessageBoxes boxes;
    sorn::test::ScriptedFileDialogs dialogs;
    sorn::test::RecordingShell shell;
    sorn::Form1 form(sorn::Services{boxes, dialogs, shell}, "/tmp");
    form.Form_Load("");
    sorn::SornData dense;
    sorn::bench::FillDense(dense, 16, sorn::MaxLength);
    form.Document().TakeScore(std::move(dense));
    form.ForgetHistory();
    form.FlatScrollBar1->setMaximum(form.Document().Length());
    form.FlatScrollBar2->setMaximum(form.Document().PartSuu());
    form.show();
    form.resize(1920, 1080);
    form.mnuViewFullScore->setChecked(true);
    QCoreApplication::processEvents();
    form.FlatScrollBar2->setValue(7);
    form.State().CursorColumn = 20;
    QCoreApplication::processEvents();
    // The window paints what the key left to paint, as it would on screen;
    // only that, so the clock and the autosave do not run inside the figure.
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_R, Qt::NoModifier, QStringLiteral("r"));
        QCoreApplication::sendEvent(&form, &press);
        QCoreApplication::sendPostedEvents(&form, QEvent::UpdateRequest);
    }
    form.State().ScoreModified = false;
    form.mnuViewFullScore->setChecked(false);
}
BENCHMARK(BM_KeyToPaintFullScore)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// The drawing alone of that full score's view, every column already made.
void BM_RedrawFullScore(benchmark::State& state) {
    sorn::SornData doc;
    sorn::bench::FillDense(doc, 16, sorn::MaxLength);
    const sorn::Timeline timeline(doc);
    sorn::ScoreGrid grid;
    grid.Reset(doc, timeline);
    QImage image(1899, 950, QImage::Format_RGB32);
    sorn::EditorState editor;
    editor.CurrentPart = 7;
    editor.CursorColumn = 20;
    sorn::HorizontalScroll scroll{100, doc.Length()};
    std::uint8_t firstPart = 0;
    for (auto _ : state) {
        sorn::QtCanvas canvas(image, sorn::GlyphSet::Shared());
        benchmark::DoNotOptimize(
            sorn::RedrawFullScoreArea(doc, grid, editor, scroll, firstPart, canvas));
    }
}
BENCHMARK(BM_RedrawFullScore)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// One edit told to the timeline of that score and read back: a dot that
// lengthens a note near the start moves every later onset of its part.
void BM_TimelineEdit(benchmark::State& state) {
    sorn::SornData doc;
    sorn::bench::FillDense(doc, 16, sorn::MaxLength);
    sorn::Timeline timeline(doc);
    for (auto _ : state) {
        timeline.Changing({.type = sorn::DocumentChange::Type::Position, .part = 7, .iti = 100},
                          false);
        doc.CheckGData1(7, 100, sorn::Kind::Dot, sorn::MarkPresent);
        timeline.Update(doc);
        benchmark::DoNotOptimize(timeline.Onset(7, doc.Length()));
    }
    state.counters["bytes_per_position"] =
        static_cast<double>(timeline.MemoryBytes()) / (16.0 * (doc.Length() + 1));
}
BENCHMARK(BM_TimelineEdit)->Unit(benchmark::kMicrosecond)->Repetitions(5);

// What the bar check and the cursor's pitch add to a redraw at 1920 px: the
// dense score in 3/8, so every bar is over-full and marked, viewed at the end
// of the longest part, where the searches back for the time signature, clef
// and key are longest.
void BM_EntryAids(benchmark::State& state) {
    const int width = 1920;
    sorn::SornData doc;
    sorn::bench::FillDense(doc, 1, sorn::MaxLength);
    doc.SetGData1(0, 2, 0, sorn::Kind::TimeSignature, sorn::EncodeTimeSignature(3, 3));
    QImage image(width - 21, 155, QImage::Format_RGB32);
    sorn::EditorState editor;
    editor.CursorColumn = 20;
    const std::int32_t columns = sorn::VisibleColumns(editor.Layout, static_cast<float>(width));
    const std::int32_t first = doc.Length() - columns;
    for (auto _ : state) {
        const sorn::EntryStatus status = sorn::EntryStatusOf(doc, editor, first, first + columns);
        sorn::PaintBadBars(image, 1.0, status.badBars, sorn::ColumnLayout(editor.Layout, first), 0);
        benchmark::DoNotOptimize(status.text.data());
        if (status.badBars.empty()) state.SkipWithError("no bar marked");
    }
}
BENCHMARK(BM_EntryAids)->Unit(benchmark::kMicrosecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    sorn::bench::RatioReporter reporter({{"BM_RedrawScore/640", "", 1.0},
                                         {"BM_RedrawScore/1280", "", 1.0},
                                         {"BM_RedrawScore/1920", "", 1.0},
                                         {"BM_RedrawScore/3840", "", 1.0},
                                         {"BM_RedrawScoreLyrics/1920", "", 1.0},
                                         {"BM_RedrawScoreZoomed/1920", "", 2.0},
                                         {"BM_SelectionTint/3840", "", 0.2},
                                         {"BM_KeyToPaint", "", 2.0},
                                         {"BM_KeyToPaintFullScore", "", 2.0},
                                         {"BM_RedrawFullScore", "", 2.0},
                                         {"BM_TimelineEdit", "", 0.2},
                                         {"BM_EntryAids", "", 0.1}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return 0;
}

// The Listen menu: audition of the whole score, from the cursor or of the
// selection, the mark that follows it in the score area, and the sound of
// notes as they are entered.

#include "app/Audition.h"
#include "app/Form1.h"
#include "app/NoteEcho.h"
#include "app/ScoreArea.h"
#include "platform/FluidNoteSynth.h"

#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>

namespace sorn {

namespace {

// Multiplied over the drawn score like the selection band, in a colour of
// its own, so the symbols stay black on top of it.
const QColor kFollowTint(255, 214, 150);

} // namespace

void Form1::BuildListenItems() {
    mnuListenFromCursor = mnuListen->addAction(tr("カーソルから試聴"));
    mnuListenFromCursor->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    mnuListen->addSeparator();
    mnuListenEcho = mnuListen->addAction(tr("入力した音を鳴らす"));
    mnuListenEcho->setCheckable(true);

    echo_ = new NoteEcho([] { return std::make_unique<FluidNoteSynth>(); }, this);
    echo_->ProblemShown = [this](const QString& message) { ShowStatusMessage(message); };
    mnuListenEcho->setChecked(echo_->Enabled());
    connect(mnuListenEcho, &QAction::toggled, this, [this](bool on) { echo_->SetEnabled(on); });
    connect(mnuListenFromCursor, &QAction::triggered, this, &Form1::mnuListenFromCursor_Click);
}

void Form1::UseSequencer(Sequencer& device, std::string listenFile) {
    testDevice_ = &device;
    testListenFile_ = std::move(listenFile);
}

void Form1::UseNoteSynth(std::function<std::unique_ptr<NoteSynth>()> factory) {
    echo_->UseSynth(std::move(factory));
}

// From the cursor on, or only the selection when there is one.
void Form1::mnuListenFromCursor_Click() {
    if (!document_.HasParts()) return;
    WalkRange range{CursorPosition()};
    if (selection_.Active()) range = {selection_.First(), selection_.Last(document_.Length())};
    Listen(range, FullScore() && !selection_.Active());
}

// In the full score every part starts at the time the cursor stands at,
// not at its position number: each from its first position at or after
// that time, after the silence up to it.
std::vector<WalkRange> Form1::PartsFromCursorTime() {
    UpdateGrid();
    const std::int64_t time = timeline_.Onset(state_.CurrentPart, CursorPosition());
    std::vector<WalkRange> ranges;
    for (int p = 0; p < document_.PartCount(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        const std::int32_t from = std::min(timeline_.PositionAt(part, time), document_.Length());
        const std::int64_t lead = std::max<std::int64_t>(timeline_.Onset(part, from) - time, 0);
        ranges.push_back({from, WalkRange{}.to,
                          static_cast<std::int32_t>(std::min<std::int64_t>(lead, WalkRange{}.to))});
    }
    return ranges;
}

void Form1::Listen(WalkRange range, bool everyPartFromItsTime) {
    if (!document_.HasParts()) return;
    BeginFollow(range);
    AuditionOptions options{range,
                            everyPartFromItsTime ? PartsFromCursorTime() : std::vector<WalkRange>{},
                            [this](std::int32_t tick) { FollowPlayback(tick); },
                            [this](const std::string& text) {
                                // Once: the next auditions are as silent.
                                if (silentAuditionTold_) return;
                                silentAuditionTold_ = true;
                                ShowStatusMessage(QString::fromStdString(text));
                            }};
    if (testDevice_)
        Audition(this, document_, testListenFile_, *testDevice_, services_.boxes, options);
    else
        RunAudition(this, document_, services_.boxes, options);
    EndFollow();
}

void Form1::BeginFollow(WalkRange range) {
    follow_ = PlaybackFollow{true, PlayTimes::Of(document_, state_.CurrentPart, range), -1,
                             FlatScrollBar1->value(), state_.CursorColumn};
}

void Form1::EndFollow() {
    if (!follow_.active) return;
    // The view goes back to where it was before the music moved it.
    state_.CursorColumn = follow_.savedCursorColumn;
    {
        const QSignalBlocker blocker(FlatScrollBar1);
        FlatScrollBar1->setValue(follow_.savedScroll);
    }
    follow_ = PlaybackFollow{};
    RedrawScore();
}

// Called on the audition window's clock; the score is drawn again only when
// the mark moves to another position.
void Form1::FollowPlayback(std::int32_t tick) {
    if (!follow_.active) return;
    const std::int32_t position = follow_.times.PositionAt(tick);
    if (position == follow_.marked) return;
    follow_.marked = position;
    const std::int32_t scroll = PlaybackFollow::PageScroll(
        position, FlatScrollBar1->value(),
        VisibleColumns(state_.Layout, static_cast<float>(Picture2->width() * 100.0 / zoom_)),
        FlatScrollBar1->maximum());
    if (scroll != FlatScrollBar1->value()) {
        const QSignalBlocker blocker(FlatScrollBar1);
        FlatScrollBar1->setValue(scroll);
    }
    RedrawScore();
}

void Form1::PaintFollowMark() {
    if (!follow_.active || follow_.marked < 0) return;
    // Across every staff in the full score: the columns stand by time.
    const auto layout = ViewLayout();
    if (layout->Column(state_.CurrentPart, follow_.marked) < 0) return;
    const int left = static_cast<int>(layout->ColumnLeft(state_.CurrentPart, follow_.marked));
    TintScoreColumns(left, left + state_.Layout.ColumnWidth, kFollowTint);
}

void Form1::SoundEnteredNote(std::int32_t position) {
    echo_->Sound(document_, state_.CurrentPart, position, state_.CursorPitch);
}

} // namespace sorn

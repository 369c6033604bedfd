// Undo and redo, the selection and the clipboard commands of the main window.

#include "app/Clipboard.h"
#include "app/Editing.h"
#include "app/Form1.h"
#include "app/LyricEntry.h"
#include "app/MdMain.h"
#include "app/PanelBar.h"
#include "app/ScoreArea.h"

#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <limits>

namespace sorn {

namespace {

// The status panel for messages of the clipboard commands.
constexpr int kMessagePanel = 2;
constexpr int kMessageMilliseconds = 5000;
// Multiplied over the drawn score, so black symbols stay black and white
// paper takes the tint: the band lies under the symbols.
const QColor kSelectionTint(204, 224, 255);

} // namespace

void Form1::BuildHistoryAndClipboardItems() {
    auto item = [this](const QString& caption, QList<QKeySequence> shortcuts) {
        QAction* action = mnuEdit->addAction(caption);
        action->setShortcuts(shortcuts);
        return action;
    };
    mnuEditUndo = item(tr("元に戻す(&U)"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    mnuEditRedo = item(tr("やり直し(&R)"), {QKeySequence(Qt::CTRL | Qt::Key_Y),
                                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    mnuEdit->addSeparator();
    mnuEditCut = item(tr("切り取り(&T)"), {QKeySequence(Qt::CTRL | Qt::Key_X)});
    mnuEditCopy = item(tr("コピー(&C)"), {QKeySequence(Qt::CTRL | Qt::Key_C)});
    mnuEditPaste = item(tr("貼り付け(&P)"), {QKeySequence(Qt::CTRL | Qt::Key_V)});
    mnuEditPasteInsert =
        item(tr("挿入して貼り付け"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)});
    mnuEditSelectAll = item(tr("すべて選択(&A)"), {QKeySequence(Qt::CTRL | Qt::Key_A)});
    mnuEdit->addSeparator();

    connect(mnuEditUndo, &QAction::triggered, this, &Form1::mnuEditUndo_Click);
    connect(mnuEditRedo, &QAction::triggered, this, &Form1::mnuEditRedo_Click);
    connect(mnuEditCut, &QAction::triggered, this, &Form1::mnuEditCut_Click);
    connect(mnuEditCopy, &QAction::triggered, this, &Form1::mnuEditCopy_Click);
    connect(mnuEditPaste, &QAction::triggered, this, [this] { mnuEditPaste_Click(false); });
    connect(mnuEditPasteInsert, &QAction::triggered, this, [this] { mnuEditPaste_Click(true); });
    connect(mnuEditSelectAll, &QAction::triggered, this, &Form1::mnuEditSelectAll_Click);
    connect(&history_->Stack(), &QUndoStack::indexChanged, this, &Form1::UpdateHistoryItems);
    connect(Picture2, &ScoreArea::MouseDrag, this, &Form1::Picture2_MouseDrag);

    statusMessageTimer_ = new QTimer(this);
    statusMessageTimer_->setSingleShot(true);
    connect(statusMessageTimer_, &QTimer::timeout, this,
            [this] { StatusBar1->SetPanelText(kMessagePanel, entryText_); });
    // A notice tells of the last thing done: the next edit, or undoing one, ends it.
    connect(&history_->Stack(), &QUndoStack::indexChanged, this, [this] {
        if (!statusMessageTimer_->isActive()) return;
        statusMessageTimer_->stop();
        StatusBar1->SetPanelText(kMessagePanel, entryText_);
    });
    UpdateHistoryItems();
}

EditHistory::Step Form1::Step(const QString& label) {
    return EditHistory::Step(
        *history_, label, state_.ScoreModified,
        EditPlace{state_.CurrentPart, FlatScrollBar1->value(), state_.CursorColumn});
}

void Form1::ForgetHistory() {
    // The box of lyric entry belongs to the score that goes.
    if (lyrics_) lyrics_->Leave(false);
    history_->Clear();
    selection_.Clear();
    // A score read from a file was not told to the timeline change by change,
    // nor is what the full score showed of the old one worth keeping. Until
    // it is read afresh the timeline holds no score, so that it takes no
    // change: one told to the old score's timeline (or to none laid out yet)
    // would land outside its positions.
    timeline_.Rebuild(SornData{});
    timelineStale_ = true;
    shownColumns_.clear();
}

// The items name the step they would take back or make again.
void Form1::UpdateHistoryItems() {
    const QUndoStack& stack = history_->Stack();
    mnuEditUndo->setEnabled(stack.canUndo());
    mnuEditUndo->setText(stack.canUndo() ? tr("元に戻す(&U): ") + stack.undoText()
                                         : tr("元に戻す(&U)"));
    mnuEditRedo->setEnabled(stack.canRedo());
    mnuEditRedo->setText(stack.canRedo() ? tr("やり直し(&R): ") + stack.redoText()
                                         : tr("やり直し(&R)"));
}

void Form1::mnuEditUndo_Click() {
    EditPlace place;
    if (history_->Undo(place)) GoTo(place);
}

void Form1::mnuEditRedo_Click() {
    EditPlace place;
    if (history_->Redo(place)) GoTo(place);
}

// Back to where the step was taken, with the scroll ranges of the score as
// it is now.
void Form1::GoTo(EditPlace place) {
    state_.ScoreModified = !history_->IsClean();
    {
        const QSignalBlocker block1(FlatScrollBar1);
        const QSignalBlocker block2(FlatScrollBar2);
        FlatScrollBar2->setMaximum(document_.PartSuu());
        FlatScrollBar1->setMaximum(document_.Length());
        FlatScrollBar2->setValue(place.part);
        FlatScrollBar1->setValue(place.scroll);
    }
    state_.CurrentPart = static_cast<std::uint8_t>(FlatScrollBar2->value());
    state_.CursorColumn = place.column;
    RedrawScore();
}

void Form1::mnuEditCopy_Click() {
    if (!document_.HasParts()) return;
    const std::int32_t P = CursorPosition();
    const std::int32_t first = selection_.Active() ? selection_.First() : P;
    const std::int32_t last = selection_.Active() ? selection_.Last(document_.Length()) : P;
    const auto positions = Clipboard::Copy(document_, state_.CurrentPart, first, last);
    if (positions.empty()) return;
    Clipboard::Put(positions, Clipboard::CopyWords(document_, state_.CurrentPart, first, last));
    ShowStatusMessage(tr("%1 個の位置をコピーしました").arg(positions.size()));
}

void Form1::mnuEditCut_Click() {
    if (!document_.HasParts()) return;
    mnuEditCopy_Click();
    const QString copied =
        statusMessageTimer_->isActive() ? StatusBar1->PanelText(kMessagePanel) : QString();
    {
        const auto step = Step(tr("切り取り"));
        const std::int32_t P = CursorPosition();
        const std::int32_t first = selection_.Active() ? selection_.First() : P;
        const std::int32_t last = selection_.Active() ? selection_.Last(document_.Length()) : P;
        // The syllables went to the clipboard with their notes.
        for (std::int32_t i = first; i <= last; ++i) {
            Editing::ClearPosition(document_, state_, i);
            Editing::ClearSyllables(document_, state_, i);
        }
    }
    // The cut's own step would end the copy's notice at once.
    if (!copied.isEmpty()) ShowStatusMessage(copied);
    RedrawScore();
}

void Form1::mnuEditPaste_Click(bool insert) {
    if (!document_.HasParts()) return;
    const auto positions = Clipboard::Take();
    if (!positions) {
        ShowStatusMessage(tr("クリップボードに貼り付けられる楽譜がありません"));
        return;
    }
    std::int32_t dropped = 0;
    {
        const auto step = Step(insert ? tr("挿入して貼り付け") : tr("貼り付け"));
        const std::int32_t P = CursorPosition();
        const auto words = Clipboard::TakeWords(positions->size());
        const auto* syllables = words ? &*words : nullptr;
        dropped = insert ? Editing::PasteInsert(document_, state_, P, *positions, syllables)
                         : Editing::PasteOver(document_, state_, P, *positions, syllables);
    }
    MdMain::RefreshAfterEdit(*this);
    if (dropped > 0)
        ShowStatusMessage(insert ? tr("曲の長さの上限のため %1 個の位置を貼り付けません"
                                      "でした")
                                       .arg(dropped)
                                 : tr("曲の終わりを越える %1 個の位置を貼り付けません"
                                      "でした")
                                       .arg(dropped));
}

void Form1::mnuEditSelectAll_Click() {
    if (!document_.HasParts()) return;
    selection_ = Selection{0, document_.Length(), false};
    RedrawScore();
}

void Form1::ClearSelectedPositions() {
    const auto step = Step(tr("削除"));
    for (std::int32_t i = selection_.First(); i <= selection_.Last(document_.Length()); ++i)
        Editing::ClearPosition(document_, state_, i);
}

// Shift with Left or Right: the selection starts at the cursor and its end
// follows the cursor (the redraw puts the end where the cursor bounds leave it).
void Form1::ExtendSelection() {
    if (!selection_.Active()) selection_ = Selection{CursorPosition(), CursorPosition(), true};
    selection_.followsCursor = true;
}

// The columns dragged over, from the press onward; the cursor follows the
// pointer, and the view scrolls as the cursor bounds make it.
void Form1::Picture2_MouseDrag(QPointF position) {
    if (dragStart_ < 0 || !document_.HasParts()) return;
    const auto x = static_cast<float>(position.x() / (zoom_ / 100.0));
    const auto column = static_cast<std::int16_t>(ViewLayout()->PositionAt(state_.CurrentPart, x) -
                                                  FlatScrollBar1->value());
    // A press that wobbles within its column selects nothing.
    if (!selection_.Active() && FlatScrollBar1->value() + column == dragStart_) return;
    state_.CursorColumn = column;
    if (!selection_.Active()) selection_ = Selection{dragStart_, dragStart_, true};
    RedrawScore();
}

void Form1::PaintSelection() {
    if (!selection_.Active()) return;
    if (selection_.followsCursor) selection_.end = CursorPosition();
    const std::int32_t scroll = FlatScrollBar1->value();
    const std::int32_t first = std::max(selection_.First(), scroll);
    const std::int32_t last = selection_.Last(document_.Length());
    if (first > last) return;
    // Over the current part's staff: the selection is that part's.
    const auto layout = ViewLayout();
    const std::uint8_t part = state_.CurrentPart;
    const int left = static_cast<int>(layout->ColumnLeft(part, first));
    const int right = static_cast<int>(layout->ColumnLeft(part, last)) + state_.Layout.ColumnWidth;
    if (!FullScore()) {
        TintScoreColumns(left, right, kSelectionTint);
        return;
    }
    const int top = static_cast<int>(layout->StaffOffset(part)) + kFullScoreStaffSpacing / 4;
    const auto verses =
        static_cast<int>(static_cast<const FullScoreLayout&>(*layout).VerseRoom(part));
    TintScoreColumns(left, right, kSelectionTint, top, top + kFullScoreStaffSpacing + verses);
}

void Form1::ShowStatusMessage(const QString& text) {
    StatusBar1->SetPanelText(kMessagePanel, text);
    statusMessageTimer_->start(kMessageMilliseconds);
}

// A mode that takes the keys names itself where the messages go, for as
// long as it lasts: the message timer held running keeps the redraws from
// writing the cursor's pitch over it. An empty text ends it.
void Form1::ShowModeStatus(const QString& text) {
    if (text.isEmpty()) {
        statusMessageTimer_->stop();
        StatusBar1->SetPanelText(kMessagePanel, entryText_);
        return;
    }
    StatusBar1->SetPanelText(kMessagePanel, text);
    statusMessageTimer_->start(std::numeric_limits<int>::max());
}

} // namespace sorn

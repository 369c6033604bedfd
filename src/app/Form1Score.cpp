// The full score in the main window: every part's staff at once, aligned by
// time. The cursor stays on one part and keeps the single view's terms (the
// horizontal scroll is that part's first position shown), so every key and
// command acts on the part exactly as in the single view.

#include "app/Form1.h"
#include "app/ScoreArea.h"
#include "platform/EditorSettings.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

namespace sorn {

namespace {
const QString kFullScoreSetting = QStringLiteral("view/fullScore");
// What lies under the score frame in the window: the buttons' row and the status line.
} // namespace

void Form1::BuildFullScoreItem() {
    mnuView->addSeparator();
    mnuViewFullScore = mnuView->addAction(QStringLiteral("総譜(&T)"));
    mnuViewFullScore->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuViewFullScore->setCheckable(true);
    mnuViewFullScore->setChecked(EditorSettings().value(kFullScoreSetting, false).toBool());
    connect(mnuViewFullScore, &QAction::toggled, this, [this](bool on) {
        EditorSettings().setValue(kFullScoreSetting, on);
        PlaceScoreFrame();
        if (on) MoveToPart(state_.CurrentPart);
        RedrawScore();
    });
}

bool Form1::FullScore() const {
    return mnuViewFullScore && mnuViewFullScore->isChecked();
}

void Form1::UpdateGrid() {
    if (timelineStale_ || timeline_.PartCount() != document_.PartCount()) {
        timeline_.Rebuild(document_);
        timelineStale_ = false;
    } else {
        timeline_.Update(document_);
    }
    // The columns are made again from the earliest time an edit touched,
    // and only as far as they are asked for.
    const std::int64_t changed = timeline_.TakeChangedFrom();
    if (changed == 0 || grid_.PartCount() != timeline_.PartCount())
        grid_.Reset(document_, timeline_);
    else if (changed != Timeline::kUntouched)
        grid_.InvalidateFrom(changed);
}

std::unique_ptr<ScoreLayout> Form1::ViewLayout() {
    if (!FullScore()) return std::make_unique<ColumnLayout>(state_.Layout, FlatScrollBar1->value());
    UpdateGrid();
    return std::make_unique<FullScoreLayout>(
        state_.Layout, grid_, grid_.Column(state_.CurrentPart, FlatScrollBar1->value()),
        firstPart_);
}

// The view stays where it is; the cursor goes to the new part's position
// whose column is nearest the cursor's, at or before it.
void Form1::MoveToPart(std::uint8_t part) {
    if (!document_.HasParts()) return;
    UpdateGrid();
    const std::uint8_t from = std::min<std::uint8_t>(state_.CurrentPart, document_.PartSuu());
    PlaceCursor(part, grid_.PositionAtOrBefore(part, grid_.Column(from, CursorPosition())));
}

void Form1::PlaceCursor(std::uint8_t part, std::int32_t position) {
    UpdateGrid();
    const std::uint8_t from = std::min<std::uint8_t>(state_.CurrentPart, document_.PartSuu());
    const std::int32_t firstColumn = grid_.Column(from, FlatScrollBar1->value());
    const auto columns = grid_.Columns(part);
    auto scroll = static_cast<std::int32_t>(
        std::lower_bound(columns.begin(), columns.end(), firstColumn) - columns.begin());
    scroll = std::min({scroll, position, document_.Length()});
    {
        const QSignalBlocker blockScroll(FlatScrollBar1);
        const QSignalBlocker blockPart(FlatScrollBar2);
        FlatScrollBar1->setValue(scroll);
        FlatScrollBar2->setValue(part);
    }
    state_.CurrentPart = part;
    state_.CursorColumn = static_cast<std::int16_t>(position - scroll);
}

} // namespace sorn

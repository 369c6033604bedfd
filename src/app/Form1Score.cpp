// The full score in the main window: every part's staff at once, aligned by
// time. The cursor stays on one part and keeps the single view's terms (the
// horizontal scroll is that part's first position shown), so every key and
// command acts on the part exactly as in the single view.

#include "app/Form1.h"
#include "app/ScoreArea.h"
#include "model/SymbolCodes.h"
#include "platform/EditorSettings.h"
#include "render/FullScore.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

namespace sorn {

namespace {
const QString kFullScoreSetting = QStringLiteral("view/fullScore");
} // namespace

void Form1::BuildFullScoreItem() {
    mnuView->addSeparator();
    mnuViewFullScore = mnuView->addAction(tr("総譜(&T)"));
    mnuViewFullScore->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuViewFullScore->setCheckable(true);
    mnuViewFullScore->setChecked(EditorSettings().value(kFullScoreSetting, false).toBool());
    connect(mnuViewFullScore, &QAction::toggled, this, [this](bool on) {
        EditorSettings().setValue(kFullScoreSetting, on);
        if (on) GrowForStaves();
        PlaceScoreFrame();
        if (on) MoveToPart(state_.CurrentPart);
        RedrawScore();
    });
}

// A window as low as the single view shows one staff: it grows, as far as
// the screen allows, to show up to four.
void Form1::GrowForStaves() {
    if (!document_.HasParts() || isMaximized() || isFullScreen()) return;
    const auto last = static_cast<std::uint8_t>(std::min(document_.PartCount(), 4) - 1);
    UpdateGrid();
    const FullScoreLayout layout(state_.Layout, grid_, 0, 0);
    const float staves = layout.StaffOffset(last) + layout.VerseRoom(last) + kFullScoreStaffSpacing;
    const int area = static_cast<int>(std::lround((staves + 40) * zoom_ / 100.0));
    const int wanted = height() - Picture2->height() + area;
    int most = wanted;
    if (const QScreen* screen = this->screen())
        most = screen->availableGeometry().height() - (frameGeometry().height() - height());
    const int grown = std::min(wanted, most);
    if (grown > height()) resize(width(), grown);
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
    grid_.PositionAtOrBefore(part, firstColumn); // makes the columns up to it
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

void Form1::ChangeWatch::Changing(const DocumentChange& change, bool undoing) {
    timeline_.Changing(change, undoing);
    using Type = DocumentChange::Type;
    // The title is not drawn in the score area.
    if (change.type == Type::ScoreText) return;
    // A syllable or a name touches its part's staff; one that adds or
    // takes away a verse moves the staves below, which the columns shown
    // (their offsets among them) tell.
    const bool onePart = change.type == Type::Position || change.type == Type::InsertSpace ||
                         change.type == Type::DeleteSpace || change.type == Type::Syllable ||
                         change.type == Type::PartText;
    if (!onePart || (touched_ != kNone && touched_ != change.part))
        touched_ = kMany;
    else
        touched_ = change.part;
}

QRect Form1::ScoreAreaToRepaint() {
    const int touched = changeWatch_.TakeTouched();
    const QRect whole = Picture2->rect();
    if (!FullScore()) {
        shownColumns_.clear();
        return whole;
    }
    // The columns every staff shown stands on, with what frames them.
    const auto layout = ViewLayout();
    const auto& full = static_cast<const FullScoreLayout&>(*layout);
    const double zoom = zoom_ / 100.0;
    const auto width = static_cast<float>(Picture2->width() / zoom);
    const std::int32_t columns = layout->VisibleColumns(width);
    std::vector<std::int32_t> shown = {full.FirstColumn(), full.FirstPart(), Picture2->width(),
                                       Picture2->height(), zoom_};
    for (int p = full.FirstPart(); p < document_.PartCount(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        if (layout->StaffOffset(part) >= Picture2->height() / zoom) break;
        const std::int32_t last = grid_.PositionAtOrBefore(part, full.FirstColumn() + columns);
        const std::int32_t first = grid_.PositionAtOrBefore(part, full.FirstColumn());
        shown.push_back(static_cast<std::int32_t>(layout->StaffOffset(part)));
        shown.push_back(static_cast<std::int32_t>(full.VerseRoom(part)));
        shown.push_back(first);
        for (std::int32_t i = first; i <= last; ++i)
            shown.push_back(grid_.Column(part, i));
    }
    // The rows the cursor's staff reaches: its band, and beyond it as far
    // as its notes, ledger lines and the cursor go.
    const std::uint8_t part = state_.CurrentPart;
    const std::int32_t last = grid_.PositionAtOrBefore(part, full.FirstColumn() + columns);
    DrawnRows reach = StaffReach(document_, full, part, last);
    const float cursorY =
        static_cast<float>(PitchY(state_.Layout, state_.CursorPitch)) + layout->StaffOffset(part);
    reach.top = std::min(reach.top, cursorY - kFullScoreStaffSpacing / 8.0f);
    reach.bottom = std::max(reach.bottom, cursorY + kFullScoreStaffSpacing / 8.0f);
    const QRect band(0, static_cast<int>(std::floor(reach.top * zoom)), Picture2->width(),
                     static_cast<int>(std::ceil((reach.bottom - reach.top) * zoom)) + 1);

    const bool same = shown == shownColumns_ && !follow_.active &&
                      (touched == ChangeWatch::kNone || touched == part);
    const QRect repaint = same ? (band | shownBand_) & whole : whole;
    shownColumns_ = std::move(shown);
    shownBand_ = band;
    return repaint;
}

} // namespace sorn

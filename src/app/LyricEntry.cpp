#include "app/LyricEntry.h"

#include "app/Editing.h"
#include "app/Form1.h"
#include "app/ScoreArea.h"
#include "model/SymbolCodes.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QUndoStack>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace sorn {

namespace {

// A syllable is limited in UTF-8 bytes, which maxLength cannot count: an
// edit that would pass the limit is refused as a whole, an input method's
// text included.
class SyllableBytes final : public QValidator {
public:
    SyllableBytes(std::function<void()> refused, QObject* parent)
        : QValidator(parent), refused_(std::move(refused)) {}
    State validate(QString& input, int&) const override {
        if (static_cast<std::size_t>(input.toUtf8().size()) <= MaxSyllableBytes) return Acceptable;
        refused_();
        return Invalid;
    }

private:
    std::function<void()> refused_;
};

// Every key typed into the box stays with it: the window's own keys (a
// note at A, the symbol dialog at Enter) must not act behind it.
class LyricBox final : public QLineEdit {
public:
    LyricBox(LyricEntry& entry, QWidget* parent) : QLineEdit(parent), entry_(entry) {}

protected:
    bool event(QEvent* e) override {
        // With nothing of its own to take back, Ctrl+Z takes back the last syllable.
        if (e->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(e);
            if ((key->matches(QKeySequence::Undo) && !isUndoAvailable()) ||
                (key->matches(QKeySequence::Redo) && !isRedoAvailable())) {
                e->ignore();
                return true;
            }
        }
        return QLineEdit::event(e);
    }
    void keyPressEvent(QKeyEvent* e) override {
        // While the input method composes, Space and Enter are its own.
        if (composing_ || !entry_.Key(e->key(), e->modifiers(), e->text()))
            QLineEdit::keyPressEvent(e);
        e->accept();
    }
    void inputMethodEvent(QInputMethodEvent* e) override {
        // An input method in kana mode gives Space, pressed with nothing
        // composed, as a space of its own: it ends the syllable all the same.
        const QString& text = e->commitString();
        if (!composing_ && e->preeditString().isEmpty() && e->replacementLength() == 0 &&
            (text == QLatin1String(" ") || text == QStringLiteral("\u3000")) &&
            entry_.Key(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "))) {
            e->accept();
            return;
        }
        composing_ = !e->preeditString().isEmpty();
        QLineEdit::inputMethodEvent(e);
    }
    // A click or Tab elsewhere ends the entry, keeping what was typed; a
    // menu or another window only borrows the focus.
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        const Qt::FocusReason r = e->reason();
        if (r == Qt::MouseFocusReason || r == Qt::TabFocusReason || r == Qt::BacktabFocusReason)
            QMetaObject::invokeMethod(
                &entry_, [&entry = entry_] { entry.Leave(true); }, Qt::QueuedConnection);
    }

private:
    LyricEntry& entry_;
    bool composing_ = false;
};

bool HasSyllable(const SornData& doc, std::uint8_t part, std::int32_t position) {
    for (int v = 0; v < doc.VerseCount(part); ++v)
        if (!doc.GetSyllable(part, position, v).Empty()) return true;
    return false;
}

} // namespace

Syllable EndedSyllable(const SornData& doc, std::uint8_t part, std::int32_t position, int verse,
                       std::string text, SyllableEnd end) {
    Syllable s{.text = std::move(text)};
    if (s.Empty()) return s;
    const Syllable& now = doc.GetSyllable(part, position, verse);
    if (end == SyllableEnd::AsItWas && !now.Empty()) {
        s.syllabic = now.syllabic;
        s.extend = now.extend;
        return s;
    }
    bool afterHyphen = false;
    for (std::int32_t i = position - 1; i >= 0; --i) {
        const Syllable& before = doc.GetSyllable(part, i, verse);
        if (before.Empty()) continue;
        afterHyphen = before.HyphenAfter();
        break;
    }
    if (end == SyllableEnd::Hyphen)
        s.syllabic = afterHyphen ? Syllabic::Middle : Syllabic::Begin;
    else
        s.syllabic = afterHyphen ? Syllabic::End : Syllabic::Single;
    s.extend = end == SyllableEnd::Extend;
    return s;
}

bool TiedToNext(const SornData& doc, std::uint8_t part, std::int32_t iti) {
    const PositionRecord* r = doc.Record(part, iti);
    return r && IsNote(r->Syurui[0]) &&
           std::find(r->Syurui.begin() + 1, r->Syurui.end(), Kind::Tie) != r->Syurui.end();
}

// The next note that is sung: a note tied from the one before only holds it.
std::int32_t NextNote(const SornData& doc, std::uint8_t part, std::int32_t from) {
    bool held = TiedToNext(doc, part, from);
    for (std::int32_t i = from + 1; i <= doc.Length(); ++i) {
        if (!IsNote(doc.GetGSyurui(part, i, 0))) continue;
        if (!held) return i;
        held = TiedToNext(doc, part, i);
    }
    return -1;
}

LyricEntry::LyricEntry(Form1& form)
    : QObject(&form), form_(form), box_(new LyricBox(*this, form.Picture2)) {
    box_->hide();
    box_->setValidator(new SyllableBytes([this] { Refused(); }, box_));
    connect(box_, &QLineEdit::textChanged, this, [this] {
        if (active_) Place();
    });
    // After the step has been taken back, once the window has put the cursor
    // where it was taken.
    connect(
        &form_.History().Stack(), &QUndoStack::indexChanged, this,
        [this] {
            if (!active_) return;
            const bool moved =
                form_.State().CurrentPart != part_ || form_.CursorPosition() != position_;
            if (moved || !box_->isModified()) {
                part_ = form_.State().CurrentPart;
                position_ = form_.CursorPosition();
                Load();
            }
            Place();
            ShowStatus();
        },
        Qt::QueuedConnection);
    // A click or the scroll bars moved the cursor.
    connect(form_.Picture2, &ScoreArea::MouseDown, this, [this] { Follow(true); });
    for (QScrollBar* bar : {form_.FlatScrollBar1, form_.FlatScrollBar2})
        connect(bar, &QScrollBar::valueChanged, this, [this] { Follow(true); });
    // The score drawn larger or smaller, or as the full score.
    for (QAction* view : {form_.mnuViewZoomIn, form_.mnuViewZoomOut, form_.mnuViewZoomNormal,
                          form_.mnuViewFullScore})
        connect(view, &QAction::triggered, this, [this] {
            if (active_) Place();
        });
    connect(form_.Picture2, &ScoreArea::ZoomWheel, this, [this] {
        if (active_) Place();
    });
    form_.Picture2->installEventFilter(this);
}

QLineEdit* LyricEntry::Box() const {
    return box_;
}

bool LyricEntry::Takes(const QObject* watched) const {
    return watched == box_;
}

bool LyricEntry::eventFilter(QObject* watched, QEvent* event) {
    if (active_ && watched == form_.Picture2 && event->type() == QEvent::Resize) Place();
    return false;
}

void LyricEntry::Begin() {
    const SornData& doc = form_.Document();
    if (!doc.HasParts()) return;
    if (active_) {
        box_->setFocus();
        return;
    }
    const std::uint8_t part = form_.State().CurrentPart;
    std::int32_t start = form_.CursorPosition();
    if (!IsNote(doc.GetGSyurui(part, start, 0)) && !HasSyllable(doc, part, start))
        start = NextNote(doc, part, start);
    if (start < 0) {
        form_.ShowStatusMessage(tr("歌詞を付ける音符がありません"));
        return;
    }
    focusBefore_ = QApplication::focusWidget();
    form_.selection_.Clear();
    active_ = true;
    part_ = part;
    MoveTo(start);
}

void LyricEntry::Leave(bool commit) {
    if (!active_) return;
    if (commit) CommitEdited();
    active_ = false;
    problem_.clear();
    box_->hide();
    form_.ShowModeStatus({});
    if (focusBefore_) focusBefore_->setFocus();
}

bool LyricEntry::Key(int key, Qt::KeyboardModifiers mods, const QString& text) {
    if (!active_ || (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    problem_.clear();
    ShowStatus();
    const bool shift = (mods & Qt::ShiftModifier) != 0;
    if (key == Qt::Key_Space && shift) {
        box_->insert(QStringLiteral(" "));
        return true;
    }
    SyllableEnd end;
    if (key == Qt::Key_Space)
        end = SyllableEnd::Word;
    else if (text == QLatin1String("-"))
        end = SyllableEnd::Hyphen;
    else if (text == QLatin1String("_"))
        end = SyllableEnd::Extend;
    else {
        switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down: {
            CommitEdited();
            verse_ = std::clamp(verse_ + (key == Qt::Key_Up ? -1 : 1), 0, MaxVerses - 1);
            Load();
            Place();
            ShowStatus();
            return true;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Leave(true);
            return true;
        case Qt::Key_Escape:
            Leave(false);
            return true;
        default:
            return false;
        }
    }
    Commit(end);
    const std::int32_t next = NextNote(form_.Document(), part_, position_);
    if (next < 0) {
        problem_ = tr("この後に音符はありません");
        Load();
        ShowStatus();
        return true;
    }
    MoveTo(next);
    return true;
}

void LyricEntry::Refused() {
    problem_ = tr("1つの音節は%1バイトまでです").arg(MaxSyllableBytes);
    ShowStatus();
}

void LyricEntry::Commit(SyllableEnd end) {
    const Syllable s = EndedSyllable(form_.Document(), part_, position_, verse_,
                                     box_->text().trimmed().toStdString(), end);
    {
        const EditHistory::Step step(form_.History(), tr("歌詞の入力"), form_.State().ScoreModified,
                                     place_);
        Editing::SetSyllable(form_.Document(), form_.State(), part_, position_, verse_, s);
    }
    box_->setModified(false);
    seen_ = ScoreState();
    form_.RedrawScore();
    ShowStatus();
}

std::pair<std::int64_t, int> LyricEntry::ScoreState() const {
    return {form_.Document().ChangeCount(), form_.History().Stack().index()};
}

void LyricEntry::CommitEdited() {
    if (box_->isModified()) Commit(SyllableEnd::AsItWas);
}

void LyricEntry::MoveTo(std::int32_t position) {
    position_ = position;
    form_.JumpCursorTo(position);
    form_.RedrawScore();
    Load();
    Place();
    ShowStatus();
    box_->show();
    box_->setFocus();
}

void LyricEntry::Follow(bool commitFirst) {
    if (!active_) return;
    // After another command changed the score (a part deleted, a space
    // inserted) the box may no longer stand where its text was meant for.
    if (commitFirst && ScoreState() == seen_) CommitEdited();
    if (!form_.Document().HasParts()) return Leave(false);
    part_ = form_.State().CurrentPart;
    position_ = form_.CursorPosition();
    Load();
    Place();
    ShowStatus();
}

// Selected, so that typing replaces the syllable and End keeps it.
void LyricEntry::Load() {
    const Syllable& s = form_.Document().GetSyllable(part_, position_, verse_);
    box_->setText(QString::fromStdString(s.text));
    box_->selectAll();
    seen_ = ScoreState();
}

// Centred under the note on the verse's line, as wide as its text and at
// least two columns; kept inside the score area when the line lies below it.
void LyricEntry::Place() {
    const auto layout = form_.ViewLayout();
    const double zoom = form_.Zoom() / 100.0;
    const StaffLayout staff = layout->PartStaff(part_);
    // The box's text as large as the words it stands among.
    QFont font = QApplication::font();
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * zoom))));
    else
        font.setPointSizeF(font.pointSizeF() * zoom);
    box_->setFont(font);
    const double x = layout->X(part_, position_) * zoom;
    const double top = (layout->StaffOffset(part_) + LyricLineTop(staff, verse_)) * zoom;
    const int height = box_->sizeHint().height();
    const int width = std::max(static_cast<int>(std::lround(2 * staff.ColumnWidth * zoom)),
                               box_->fontMetrics().horizontalAdvance(box_->text()) + height);
    const QWidget* area = form_.Picture2;
    const int left = std::clamp(static_cast<int>(std::lround(x - width / 2.0)), 0,
                                std::max(0, area->width() - width));
    const int y =
        std::clamp(static_cast<int>(std::lround(top)), 0, std::max(0, area->height() - height));
    box_->setGeometry(left, y, width, height);
    place_ = {part_, form_.FlatScrollBar1->value(), form_.State().CursorColumn};
}

void LyricEntry::ShowStatus() {
    if (!active_) return;
    QString text = tr("歌詞入力 %1番").arg(verse_ + 1);
    if (!problem_.isEmpty()) text += QStringLiteral("  ") + problem_;
    form_.ShowModeStatus(text);
}

} // namespace sorn

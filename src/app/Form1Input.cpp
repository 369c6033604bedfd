// Keyboard, mouse and Edit-menu handling of the main window.

#include "app/Editing.h"
#include "app/EntryAids.h"
#include "app/Form1.h"
#include "app/LyricEntry.h"
#include "app/MdMain.h"
#include "app/PitchNameEntry.h"
#include "app/ScoreArea.h"
#include "app/Zoom.h"
#include "dialogs/PartEdit.h"
#include "dialogs/frmKyokuProp.h"
#include "dialogs/frmOnpu.h"
#include "model/SymbolCodes.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace sorn {

namespace {

struct NoteKey {
    int key;
    std::uint8_t length;
};
// A S D F G H J: whole to sixty-fourth; with Shift the rest of that length.
constexpr NoteKey kNoteKeys[] = {
    {Qt::Key_A, LengthCode::Whole},       {Qt::Key_S, LengthCode::Half},
    {Qt::Key_D, LengthCode::Quarter},     {Qt::Key_F, LengthCode::Eighth},
    {Qt::Key_G, LengthCode::Sixteenth},   {Qt::Key_H, LengthCode::ThirtySecond},
    {Qt::Key_J, LengthCode::SixtyFourth},
};

struct SymbolKey {
    int key;
    std::uint8_t kind;
    std::uint8_t value;
};
// Each press toggles its symbol; another key of the same kind replaces it.
constexpr SymbolKey kSymbolKeys[] = {
    {Qt::Key_Space, Kind::BarLine, BarLineCode::Single},
    {Qt::Key_Q, Kind::Accidental, AccidentalCode::DoubleFlat},
    {Qt::Key_W, Kind::Accidental, AccidentalCode::Flat},
    {Qt::Key_E, Kind::Accidental, AccidentalCode::Natural},
    {Qt::Key_R, Kind::Accidental, AccidentalCode::Sharp},
    {Qt::Key_T, Kind::Accidental, AccidentalCode::DoubleSharp},
    {Qt::Key_Z, Kind::Dot, MarkPresent},
    {Qt::Key_1, Kind::Tie, MarkPresent},
    {Qt::Key_3, Kind::Beam, MarkPresent},
    {Qt::Key_4, Kind::Dynamics, DynamicsCode::pp},
    {Qt::Key_5, Kind::Dynamics, DynamicsCode::p},
    {Qt::Key_6, Kind::Dynamics, DynamicsCode::mp},
    {Qt::Key_7, Kind::Dynamics, DynamicsCode::mf},
    {Qt::Key_8, Kind::Dynamics, DynamicsCode::f},
    {Qt::Key_9, Kind::Dynamics, DynamicsCode::ff},
};

// The signs Shift puts on the digit keys 1..9: JIS, then US where it
// differs. "&" and "(" sit on different digits in the two; the JIS reading
// wins, the keyboard this editor's users type on.
struct ShiftedDigit {
    int key;
    int digit;
};
constexpr ShiftedDigit kShiftedDigits[] = {
    {Qt::Key_Exclam, Qt::Key_1},      {Qt::Key_QuoteDbl, Qt::Key_2},
    {Qt::Key_NumberSign, Qt::Key_3},  {Qt::Key_Dollar, Qt::Key_4},
    {Qt::Key_Percent, Qt::Key_5},     {Qt::Key_Ampersand, Qt::Key_6},
    {Qt::Key_Apostrophe, Qt::Key_7},  {Qt::Key_ParenLeft, Qt::Key_8},
    {Qt::Key_ParenRight, Qt::Key_9},  {Qt::Key_At, Qt::Key_2},
    {Qt::Key_AsciiCircum, Qt::Key_6}, {Qt::Key_Asterisk, Qt::Key_8},
};

// The key table names physical keys, so Shift on a digit key means the
// digit, not the sign Shift puts there. The scan code Linux platforms give
// (evdev + 8, as X11 and Wayland number keys) names the key whatever the
// layout; without one the sign is read back through the layouts above.
int PhysicalKey(const QKeyEvent& event) {
    const int key = event.key();
    if (!(event.modifiers() & Qt::ShiftModifier) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    if (const quint32 code = event.nativeScanCode(); code != 0) {
        constexpr quint32 kDigit1 = 10; // then 2..9 and 0 in a row
        if (code >= kDigit1 && code < kDigit1 + 9)
            return Qt::Key_1 + static_cast<int>(code - kDigit1);
        return key;
    }
    for (const ShiftedDigit& d : kShiftedDigits)
        if (d.key == key) return d.digit;
    return key;
}

std::uint8_t WithinPitchLimits(int pitch) {
    return static_cast<std::uint8_t>(std::clamp(pitch, 1, 254));
}

} // namespace

std::int32_t Form1::CursorPosition() const {
    return static_cast<std::int16_t>(FlatScrollBar1->value() + state_.CursorColumn);
}

// The window sees every key before its controls, as long as it is the
// window the key went to (a dialog's keys stay the dialog's).
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false;
    // The box of lyric entry takes its keys itself, as typed or as the input method gives them.
    if (lyrics_ && lyrics_->Takes(widget)) return false;
    return Form_KeyDown(*static_cast<QKeyEvent*>(event));
}

bool Form1::Form_KeyDown(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers();
    if (!document_.HasParts()) return false;
    // N, free in the one-key entry, turns entry by pitch names on and off.
    if (event.key() == Qt::Key_N && (mods & ~Qt::KeypadModifier) == Qt::NoModifier) {
        mnuEditPitchNames->toggle();
        return true;
    }
    if (mnuEditPitchNames->isChecked() && pitchNames_->Key(event.key(), mods)) {
        selection_.Clear();
        RedrawScore();
        return true;
    }
    // Ctrl with an arrow is no menu shortcut: it jumps to a bar's start.
    if ((mods & ~Qt::KeypadModifier) == Qt::ControlModifier &&
        (event.key() == Qt::Key_Left || event.key() == Qt::Key_Right)) {
        selection_.Clear();
        const std::int32_t P = CursorPosition();
        JumpCursorTo(event.key() == Qt::Key_Left
                         ? PreviousBarStart(document_, state_.CurrentPart, P)
                         : NextBarStart(document_, state_.CurrentPart, P));
        RedrawScore();
        return true;
    }
    // With Ctrl or Alt the key belongs to the menu shortcuts.
    if (mods & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const bool shift = (mods & Qt::ShiftModifier) != 0;
    // Letters and digits count only from the main keyboard.
    const bool keypad = (mods & Qt::KeypadModifier) != 0;
    const int key = PhysicalKey(event);
    const std::int32_t P = CursorPosition();

    bool done = false;
    bool sound = false; // a note entered, or the cursor's pitch moved on a note
    if (!keypad) {
        for (const NoteKey& k : kNoteKeys) {
            if (k.key != key) continue;
            const auto step = Step(shift ? tr("休符の入力") : tr("音符の入力"));
            if (shift)
                Editing::PutRest(document_, state_, P, k.length);
            else
                Editing::PutNote(document_, state_, P, k.length);
            sound = !shift;
            // Moving on belongs to the same step, so undo returns to the note.
            if (mnuEditAdvance->isChecked()) state_.CursorColumn += 1;
            done = true;
        }
        for (const SymbolKey& k : kSymbolKeys) {
            if (k.key != key || done) continue;
            const auto step = Step(tr("記号の入力"));
            Editing::ToggleSymbol(document_, state_, P, k.kind, k.value);
            done = true;
        }
    }
    if (!done) {
        switch (key) {
        case Qt::Key_Delete:
            if (selection_.Active()) {
                ClearSelectedPositions();
            } else {
                const auto step = Step(tr("削除"));
                Editing::ClearPosition(document_, state_, P);
            }
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            ShowSymbolDialog();
            break;
        case Qt::Key_Up:
        case Qt::Key_Down: {
            const bool up = key == Qt::Key_Up;
            if (!shift) selection_.Clear();
            if (shift) {
                const int part = FlatScrollBar2->value();
                if (up && part != 0) FlatScrollBar2->setValue(part - 1);
                if (!up && part != document_.PartSuu()) FlatScrollBar2->setValue(part + 1);
            } else {
                state_.CursorPitch = WithinPitchLimits(state_.CursorPitch + (up ? 1 : -1));
                sound = true;
            }
            break;
        }
        case Qt::Key_Left:
        case Qt::Key_Right:
            // With Shift the cursor moves as without and carries the selection's end.
            if (shift)
                ExtendSelection();
            else
                selection_.Clear();
            state_.CursorColumn += key == Qt::Key_Left ? -1 : 1;
            break;
        case Qt::Key_Home:
        case Qt::Key_End:
            if (shift)
                ExtendSelection();
            else
                selection_.Clear();
            JumpCursorTo(key == Qt::Key_Home ? 0 : document_.Length());
            break;
        default:
            break;
        }
    }
    // Heard before the picture is drawn: the sound is what must not lag.
    if (sound) SoundEnteredNote(P);
    RedrawScore();
    return true;
}

void Form1::JumpCursorTo(std::int32_t target) {
    HorizontalScroll scroll{FlatScrollBar1->value(), FlatScrollBar1->maximum()};
    MoveCursorTo(target, state_, scroll,
                 static_cast<float>(centralWidget()->width() * 100.0 / zoom_));
    if (scroll.value != FlatScrollBar1->value()) {
        // The redraw that follows draws the new view once.
        const QSignalBlocker blocker(FlatScrollBar1);
        FlatScrollBar1->setValue(scroll.value);
    }
}

void Form1::Picture2_MouseDown(Qt::MouseButton button, QPointF position, QPoint globalPosition) {
    if (button == Qt::RightButton) {
        mnuEdit->exec(globalPosition);
        return;
    }
    selection_.Clear();
    // The score's own pixels, whatever the zoom.
    const QPointF at = position / (zoom_ / 100.0);
    const auto x = static_cast<float>(at.x());
    const auto y = static_cast<float>(at.y());
    if (FullScore()) {
        // The staff under the point, and its position nearest the point.
        const auto layout = ViewLayout();
        const std::uint8_t part = layout->PartAt(y, state_.CurrentPart);
        state_.CursorPitch = layout->PitchAt(part, y);
        PlaceCursor(part, layout->PositionAt(part, x));
    } else {
        state_.CursorPitch = PitchAtY(state_.Layout, y);
        state_.CursorColumn = ColumnAtX(state_.Layout, x);
    }
    RedrawScore();
    dragStart_ = CursorPosition();
}

void Form1::ConnectEditMenu() {
    auto edit = [this](QAction* action, auto change) {
        connect(action, &QAction::triggered, this, [this, action, change] {
            {
                const auto step = Step(QString(action->text()).remove(QLatin1Char('&')));
                change();
            }
            MdMain::RefreshAfterEdit(*this);
        });
    };
    edit(mnuEditInsertspace, [this] { Editing::InsertSpace(document_, state_, CursorPosition()); });
    edit(mnuEditDeletespace, [this] { Editing::DeleteSpace(document_, state_, CursorPosition()); });
    edit(mnuEditLonger10, [this] { Editing::ChangeLength(document_, state_, 10); });
    edit(mnuEditLonger50, [this] { Editing::ChangeLength(document_, state_, 50); });
    edit(mnuEditLonger100, [this] { Editing::ChangeLength(document_, state_, 100); });
    edit(mnuEditShorter10, [this] { Editing::ChangeLength(document_, state_, -10); });
    edit(mnuEditShorter20, [this] { Editing::ChangeLength(document_, state_, -20); });
    edit(mnuEditMorePart, [this] { Editing::AddPart(document_, state_); });
    edit(mnuEditLessPart, [this] {
        Editing::DeletePart(document_, state_, static_cast<std::uint8_t>(FlatScrollBar2->value()));
    });

    connect(mnuEditOnpu, &QAction::triggered, this, &Form1::ShowSymbolDialog);
    connect(mnuEditMusicProp, &QAction::triggered, this, &Form1::ShowSongDialog);
    connect(cmdMusic, &QPushButton::clicked, this, &Form1::ShowSongDialog);
    connect(mnuEditStatus, &QAction::triggered, this, &Form1::ShowPartDialog);
    connect(cmdPart, &QPushButton::clicked, this, &Form1::ShowPartDialog);
    connect(Picture2, &ScoreArea::MouseDown, this, &Form1::Picture2_MouseDown);
    connect(Picture2, &ScoreArea::DoubleClicked, this, &Form1::ShowSymbolDialog);
    connect(Picture2, &ScoreArea::ZoomWheel, this,
            [this](int steps) { SetZoom(steps > 0 ? ZoomedIn(zoom_) : ZoomedOut(zoom_)); });
    // Last, so that the window has moved the cursor before the box follows it.
    lyrics_ = new LyricEntry(*this);
    connect(mnuEditLyrics, &QAction::triggered, lyrics_, &LyricEntry::Begin);
}

// Each dialog only reads the document; on OK the window writes what was
// chosen through the edit path, which marks the score changed, and redraws.
void Form1::ShowSymbolDialog() {
    if (!document_.HasParts()) return;
    const std::int32_t position = CursorPosition();
    frmOnpu dialog(document_, state_.CurrentPart, position, state_.CursorPitch, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const auto step = Step(tr("音符の情報"));
    Editing::RewritePosition(document_, state_, position, dialog.Chosen());
    RedrawScore();
}

void Form1::ShowSongDialog() {
    if (!document_.HasParts()) return;
    {
        // A tempo repaired as the dialog opens is part of the step, so it can be taken back.
        const auto step = Step(tr("曲の情報"));
        Editing::RepairTempo(document_);
        frmKyokuProp dialog(document_, services_.boxes, this);
        if (dialog.exec() != QDialog::Accepted) return;
        Editing::SetSong(document_, state_, dialog.ChosenSpeed(), dialog.WorkingLength());
        Editing::SetSongTexts(document_, state_, dialog.ChosenTexts());
    }
    // The length may have changed, and with it the scroll range.
    MdMain::RefreshAfterEdit(*this);
}

void Form1::ShowPartDialog() {
    if (!document_.HasParts()) return;
    const auto step = Step(tr("パートの情報"));
    PartEdit dialog(document_, state_.CurrentPart, services_.boxes, this);
    if (dialog.exec() != QDialog::Accepted) return;
    Editing::SetInstrument(document_, state_, state_.CurrentPart, dialog.ChosenProgram());
    Editing::SetPartNames(document_, state_, state_.CurrentPart, dialog.ChosenName(),
                          dialog.ChosenShortName());
    // The status bar names the part's instrument.
    RedrawScore();
}

} // namespace sorn

// Entering music with keys and the mouse on the real window.

#include "EditorFixture.h"
#include "app/PanelBar.h"
#include "app/PitchNameEntry.h"
#include "app/ScoreArea.h"
#include "model/SymbolCodes.h"
#include "support/Examples.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <cstring>
#include <gtest/gtest.h>
#include <map>

namespace sorn::test {
namespace {

struct Keys : Editor {
    using Editor::Editor;
    void Press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(form.get(), key, mods);
    }
    std::int32_t P() { return form->CursorPosition(); }
    std::uint8_t Kind0(std::int32_t i) { return doc().GetGSyurui(0, i, 0); }
    int Count(std::int32_t i, std::uint8_t kind) {
        int n = 0;
        for (int s = 1; s < SlotCount; ++s)
            n += doc().GetGSyurui(0, i, s) == kind;
        return n;
    }
    std::uint8_t ValueOf(std::int32_t i, std::uint8_t kind) {
        for (int s = 1; s < SlotCount; ++s)
            if (doc().GetGSyurui(0, i, s) == kind) return doc().GetGAtai(0, i, s);
        return 0;
    }
};

TEST(Keys, NotesRestsAndBeams) {
    Keys k;
    k.Press(Qt::Key_A);
    k.Press(Qt::Key_A);
    EXPECT_EQ(k.Kind0(0), Kind::WholeNote);
    EXPECT_EQ(k.doc().GetGAtai(0, 0, 0), 128);
    EXPECT_TRUE(k.state().ScoreModified);

    // F on a beamed half note: an eighth with exactly one beam.
    k.doc().SetGData1(0, 1, 0, Kind::HalfNote, 130);
    k.doc().SetGData1(0, 1, 3, Kind::Beam, 1);
    k.Press(Qt::Key_Right);
    k.Press(Qt::Key_F);
    EXPECT_EQ(k.Kind0(1), Kind::EighthNote);
    EXPECT_EQ(k.Count(1, Kind::Beam), 1);
    // D on it: a quarter without beam.
    k.Press(Qt::Key_D);
    EXPECT_EQ(k.Kind0(1), Kind::QuarterNote);
    EXPECT_EQ(k.Count(1, Kind::Beam), 0);
    // Shift+F on a beamed position keeps the beam on the rest.
    k.Press(Qt::Key_F);
    k.Press(Qt::Key_F, Qt::ShiftModifier);
    EXPECT_EQ(k.Kind0(1), Kind::Rest);
    EXPECT_EQ(k.doc().GetGAtai(0, 1, 0), LengthCode::Eighth);
    EXPECT_EQ(k.Count(1, Kind::Beam), 1);
}

TEST(Keys, SymbolsToggleAndReplace) {
    Keys k;
    k.Press(Qt::Key_4);
    k.Press(Qt::Key_4);
    EXPECT_EQ(k.Count(0, Kind::Dynamics), 0);
    k.Press(Qt::Key_4);
    k.Press(Qt::Key_8);
    EXPECT_EQ(k.Count(0, Kind::Dynamics), 1);
    EXPECT_EQ(k.ValueOf(0, Kind::Dynamics), DynamicsCode::f);

    k.doc().CheckGData1(0, 0, Kind::BarLine, BarLineCode::Double);
    k.Press(Qt::Key_Space);
    EXPECT_EQ(k.ValueOf(0, Kind::BarLine), BarLineCode::Single);
    k.Press(Qt::Key_Space);
    EXPECT_EQ(k.Count(0, Kind::BarLine), 0);

    const std::pair<Qt::Key, std::uint8_t> accidentals[] = {
        {Qt::Key_Q, AccidentalCode::DoubleFlat},
        {Qt::Key_W, AccidentalCode::Flat},
        {Qt::Key_E, AccidentalCode::Natural},
        {Qt::Key_R, AccidentalCode::Sharp},
        {Qt::Key_T, AccidentalCode::DoubleSharp}};
    for (auto [key, code] : accidentals) {
        k.Press(key);
        EXPECT_EQ(k.ValueOf(0, Kind::Accidental), code);
    }
    k.Press(Qt::Key_Z);
    k.Press(Qt::Key_1);
    k.Press(Qt::Key_3);
    EXPECT_EQ(k.Count(0, Kind::Dot) + k.Count(0, Kind::Tie) + k.Count(0, Kind::Beam), 3);
    k.Press(Qt::Key_Delete);
    for (int s = 0; s < SlotCount; ++s)
        EXPECT_EQ(k.doc().GetGSyurui(0, 0, s), 0);
}

// Shift on a symbol key acts on the physical key: the digits as without
// Shift, whether the platform reports the sign of a JIS or a US layout
// (offscreen: no scan code) or the X11/Wayland scan code of the digit key.
TEST(Keys, ShiftWithASymbolKeyActsAsWithout) {
    struct Row {
        Qt::Key digit;
        std::vector<Qt::Key> signs; // with Shift: JIS, then US where it differs
        std::uint8_t kind;
        std::uint8_t value;
    };
    const Row rows[] = {
        {Qt::Key_1, {Qt::Key_Exclam}, Kind::Tie, MarkPresent},
        {Qt::Key_3, {Qt::Key_NumberSign}, Kind::Beam, MarkPresent},
        {Qt::Key_4, {Qt::Key_Dollar}, Kind::Dynamics, DynamicsCode::pp},
        {Qt::Key_5, {Qt::Key_Percent}, Kind::Dynamics, DynamicsCode::p},
        {Qt::Key_6, {Qt::Key_Ampersand, Qt::Key_AsciiCircum}, Kind::Dynamics, DynamicsCode::mp},
        {Qt::Key_7, {Qt::Key_Apostrophe}, Kind::Dynamics, DynamicsCode::mf},
        {Qt::Key_8, {Qt::Key_ParenLeft, Qt::Key_Asterisk}, Kind::Dynamics, DynamicsCode::f},
        {Qt::Key_9, {Qt::Key_ParenRight}, Kind::Dynamics, DynamicsCode::ff},
        {Qt::Key_Q, {Qt::Key_Q}, Kind::Accidental, AccidentalCode::DoubleFlat},
        {Qt::Key_Z, {Qt::Key_Z}, Kind::Dot, MarkPresent},
        {Qt::Key_Space, {Qt::Key_Space}, Kind::BarLine, BarLineCode::Single},
    };
    for (const Row& row : rows) {
        for (Qt::Key sign : row.signs) {
            SCOPED_TRACE(QKeySequence(sign).toString().toStdString());
            Keys k;
            k.Press(sign, Qt::ShiftModifier);
            EXPECT_EQ(k.ValueOf(0, row.kind), row.value);
            k.Press(row.digit, Qt::ShiftModifier); // the digit itself, as some platforms report
            EXPECT_EQ(k.Count(0, row.kind), 0);
            EXPECT_EQ(k.Kind0(0), 0); // never a note or a rest
        }
    }
    // "@" is 2 on a US keyboard: nothing there, and no note either.
    Keys k;
    k.Press(Qt::Key_At, Qt::ShiftModifier);
    k.Press(Qt::Key_QuoteDbl, Qt::ShiftModifier);
    EXPECT_FALSE(k.state().ScoreModified);
    // A scan code names the key: "&" from the key 5 of some layout is p.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Ampersand, Qt::ShiftModifier, 14, 0x26, 0, "&");
    QApplication::sendEvent(k.form.get(), &press);
    EXPECT_EQ(k.ValueOf(0, Kind::Dynamics), DynamicsCode::p);
}

TEST(Keys, CtrlAndAltAndKeypadLeaveTheScoreAlone) {
    Keys k;
    k.dialogs.answers = {std::nullopt};
    k.Press(Qt::Key_S, Qt::ControlModifier); // the Save command, not a half note
    EXPECT_EQ(k.dialogs.saveRequests.size(), 1u);
    k.Press(Qt::Key_A, Qt::AltModifier);
    k.Press(Qt::Key_4, Qt::KeypadModifier);
    EXPECT_EQ(k.Kind0(0), 0);
    EXPECT_EQ(k.Count(0, Kind::Dynamics), 0);
    EXPECT_FALSE(k.state().ScoreModified);
}

TEST(Keys, PitchLimits) {
    Keys k;
    k.state().CursorPitch = 1;
    k.Press(Qt::Key_Down);
    EXPECT_EQ(k.state().CursorPitch, 1);
    k.state().CursorPitch = 254;
    k.Press(Qt::Key_Up);
    EXPECT_EQ(k.state().CursorPitch, 254);
    k.Press(Qt::Key_Down);
    EXPECT_EQ(k.state().CursorPitch, 253);
    EXPECT_FALSE(k.state().ScoreModified);
}

TEST(Keys, RightScrollsAtTheEdgeAndStopsAtTheEnd) {
    Keys k; // 650 wide: 15 columns, score positions 0..30
    for (int i = 0; i < 14; ++i)
        k.Press(Qt::Key_Right);
    EXPECT_EQ(k.state().CursorColumn, 14);
    EXPECT_EQ(k.form->FlatScrollBar1->value(), 0);
    k.Press(Qt::Key_Right);
    EXPECT_EQ(k.state().CursorColumn, 14);
    EXPECT_EQ(k.form->FlatScrollBar1->value(), 1);
    for (int i = 0; i < 40; ++i)
        k.Press(Qt::Key_Right);
    EXPECT_EQ(k.P(), 30);
    EXPECT_EQ(k.form->StatusBar1->PanelText(3), QStringLiteral("位置 30/30"));
    k.Press(Qt::Key_D);
    EXPECT_EQ(k.Kind0(30), Kind::QuarterNote);
}

TEST(Keys, LeftAtTheStartStays) {
    Keys k;
    k.Press(Qt::Key_Left);
    EXPECT_EQ(k.P(), 0);
    EXPECT_EQ(k.state().CursorColumn, 0);
}

TEST(Keys, ShiftUpDownChangeTheEditedPart) {
    Keys k;
    k.doc().AddPart();
    k.form->FlatScrollBar2->setMaximum(1);
    k.Press(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(k.state().CurrentPart, 0);
    k.Press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(k.state().CurrentPart, 1);
    k.Press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(k.state().CurrentPart, 1);
    k.Press(Qt::Key_G);
    EXPECT_EQ(k.doc().GetGSyurui(1, 0, 0), Kind::SixteenthNote);
    EXPECT_EQ(k.Kind0(0), 0);
    EXPECT_EQ(k.form->StatusBar1->PanelText(4), QStringLiteral("パート 2/2  グランドピアノ"));
}

// The full score: Shift+Up/Down and a click land on the position nearest in
// time, and a note typed there is the note the single view types.
TEST(FullScore, MovesByTimeAndTypesAsAlone) {
    auto hymn = [](Keys& k) {
        SornData& d = k.doc();
        d.AddPart();
        d.SetGData1(0, 0, 0, Kind::HalfNote, 128);
        d.CheckGData1(0, 0, Kind::BarLine, BarLineCode::Single);
        d.SetGData1(0, 1, 0, Kind::HalfNote, 130);
        d.SetGData1(1, 0, 0, Kind::QuarterNote, 124);
        d.SetGData1(1, 1, 0, Kind::QuarterNote, 126);
        d.CheckGData1(1, 1, Kind::BarLine, BarLineCode::Single);
        d.SetGData1(1, 2, 0, Kind::HalfNote, 124);
        k.form->FlatScrollBar2->setMaximum(1);
        k.form->ForgetHistory();
    };
    Keys k;
    hymn(k);
    k.form->resize(900, 600);
    k.form->mnuViewFullScore->setChecked(true);
    EXPECT_GT(k.form->Picture2->height(), 155 + kFullScoreStaffSpacing);

    k.Press(Qt::Key_Right); // the melody's second bar, column 2
    k.Press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(k.state().CurrentPart, 1);
    EXPECT_EQ(k.P(), 2);
    k.Press(Qt::Key_Left); // the bass's second quarter, column 1
    k.Press(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(k.state().CurrentPart, 0);
    EXPECT_EQ(k.P(), 0); // the half note sounding then
    // A click on the bass staff at column 1.
    const auto layout = k.form->ViewLayout();
    QTest::mouseClick(
        k.form->Picture2, Qt::LeftButton, Qt::NoModifier,
        QPoint(static_cast<int>(layout->X(1, 1)), static_cast<int>(layout->StaffOffset(1)) + 72));
    EXPECT_EQ(k.state().CurrentPart, 1);
    EXPECT_EQ(k.P(), 1);
    EXPECT_EQ(k.state().CursorPitch, 128);

    // The same note typed in the single view gives the same score.
    k.Press(Qt::Key_Right);
    k.Press(Qt::Key_Right);
    k.Press(Qt::Key_D);
    Keys alone;
    hymn(alone);
    alone.Press(Qt::Key_Down, Qt::ShiftModifier);
    for (int i = 0; i < 3; ++i)
        alone.Press(Qt::Key_Right);
    alone.Press(Qt::Key_D);
    for (std::uint8_t part = 0; part < 2; ++part)
        for (std::int32_t i = 0; i <= k.doc().Length(); ++i)
            ASSERT_EQ(std::memcmp(k.doc().Record(part, i), alone.doc().Record(part, i),
                                  sizeof(PositionRecord)),
                      0)
                << int{part} << " " << i;
    EXPECT_EQ(k.doc().GetGSyurui(1, 3, 0), Kind::QuarterNote);
    // Keys that change only the cursor's staff draw its rows alone: the
    // picture is the one a whole redraw makes.
    k.Press(Qt::Key_Left);
    k.Press(Qt::Key_R);
    for (int i = 0; i < 24; ++i)
        k.Press(Qt::Key_Up);
    k.Press(Qt::Key_Up, Qt::ShiftModifier);
    const QImage partial = k.form->Picture2->Image().copy();
    k.form->ForgetHistory();
    k.form->RedrawScore();
    EXPECT_TRUE(partial == k.form->Picture2->Image());
    k.form->mnuViewFullScore->setChecked(false);
    EXPECT_EQ(k.form->Picture2->height(), 155);
}

TEST(Mouse, ClickPlacesTheCursor) {
    Keys k;
    auto click = [&](int x, int y) {
        QTest::mouseClick(k.form->Picture2, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
        return k.state().CursorPitch;
    };
    EXPECT_EQ(click(50, 60), 131);
    EXPECT_EQ(click(50, 69), 128);
    EXPECT_EQ(click(50, 75), 128);
    EXPECT_EQ(click(50, 76), 127);
    EXPECT_EQ(k.state().CursorColumn, 0);
    click(130, 72);
    EXPECT_EQ(k.state().CursorColumn, 2);
    // The area is taller than the staff needs: pitches stay within 1..254.
    EXPECT_EQ(click(30, 10000), 1);
    EXPECT_EQ(click(30, -10000), 254);
    EXPECT_FALSE(k.state().ScoreModified);
}

TEST(Mouse, RightClickOpensTheEditMenuWithoutMovingTheCursor) {
    Keys k;
    k.state().CursorPitch = 140;
    bool shown = false;
    QTimer::singleShot(50, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            shown = popup == k.form->mnuEdit;
            popup->close();
        }
    });
    QTest::mouseClick(k.form->Picture2, Qt::RightButton, Qt::NoModifier, QPoint(200, 60));
    EXPECT_TRUE(shown);
    EXPECT_EQ(k.state().CursorPitch, 140);
}

// At 200 % in a window twice as wide, the same clicks (at twice the
// coordinates) and keys land on the same positions and pitches; back at
// the normal size the picture is exactly the one drawn before.
TEST(Zoom, TwiceTheSizeDoesWhatTheNormalSizeDoes) {
    const auto session = [](int percent) {
        Keys k;
        k.doc().SetGData1(0, 5, 0, Kind::QuarterNote, 135);
        k.form->RedrawScore();
        const QImage normal = k.form->Picture2->Image().copy();
        if (percent == 200) {
            k.Press(Qt::Key_Equal, Qt::ControlModifier);
            k.Press(Qt::Key_0, Qt::ControlModifier);
            EXPECT_EQ(k.form->Picture2->Image(), normal);
            k.Press(Qt::Key_Equal, Qt::ControlModifier);
            k.Press(Qt::Key_Plus, Qt::ControlModifier);
            QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), {}, QPoint(0, 120), Qt::NoButton,
                              Qt::ControlModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(k.form->Picture2, &wheel);
            EXPECT_EQ(k.form->Zoom(), 200);
            k.form->resize(2 * k.form->width(), k.form->height());
            QCoreApplication::processEvents();
            EXPECT_EQ(k.form->Picture2->height(), 2 * 155);
            EXPECT_GE(k.form->cmdMusic->y(), k.form->Picture1->geometry().bottom());
        }
        const double z = percent / 100.0;
        std::vector<int> seen;
        for (const QPoint at : {QPoint(50, 60), QPoint(50, 76), QPoint(130, 72), QPoint(611, 30)}) {
            QTest::mouseClick(k.form->Picture2, Qt::LeftButton, Qt::NoModifier, at * z);
            seen.insert(seen.end(), {k.P(), k.state().CursorPitch});
        }
        for (int i = 0; i < 25; ++i)
            k.Press(Qt::Key_Right);
        k.Press(Qt::Key_Up);
        k.Press(Qt::Key_D);
        seen.insert(seen.end(), {k.P(), k.state().CursorPitch, k.form->FlatScrollBar1->value(),
                                 k.Kind0(k.P())});
        if (percent == 200) {
            k.Press(Qt::Key_0, Qt::ControlModifier);
            EXPECT_EQ(k.form->Zoom(), 100);
            EXPECT_EQ(k.form->Picture2->height(), 155);
        }
        return seen;
    };
    EXPECT_EQ(session(100), session(200));
}

// Zooming in, or narrowing the window, scrolls rather than moving the cursor
// off its position, where the next note key would overwrite a neighbour.
TEST(Zoom, KeepsTheCursorOnItsPosition) {
    Keys k;
    k.form->resize(1500, k.form->height());
    QCoreApplication::processEvents();
    for (int i = 0; i < 19; ++i)
        k.Press(Qt::Key_Right);
    ASSERT_EQ(k.P(), 19);
    k.Press(Qt::Key_0, Qt::ControlModifier);
    for (int i = 0; i < 3; ++i)
        k.Press(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(k.form->Zoom(), 200);
    EXPECT_EQ(k.P(), 19);
    EXPECT_GT(k.form->FlatScrollBar1->value(), 0);
    k.Press(Qt::Key_D);
    EXPECT_EQ(k.Kind0(19), Kind::QuarterNote);
    EXPECT_EQ(k.Kind0(18), 0);
    k.form->resize(500, k.form->height());
    QCoreApplication::processEvents();
    EXPECT_EQ(k.P(), 19);
    k.form->SetZoom(100);
}

// The zoom lasts into the next run.
TEST(Zoom, IsRememberedBetweenRuns) {
    {
        Keys k;
        k.form->SetZoom(300);
    }
    // The next run, without the fixture's fresh settings.
    ScriptedMessageBoxes boxes;
    ScriptedFileDialogs dialogs;
    RecordingShell shell;
    Form1 form(Services{boxes, dialogs, shell},
               QCoreApplication::applicationDirPath().toStdString());
    form.UseNoteSynth(nullptr);
    form.Form_Load({});
    form.show();
    EXPECT_EQ(form.Zoom(), 300);
    form.mnuViewZoomOut->trigger();
    EXPECT_EQ(form.Zoom(), 200);
    form.SetZoom(100);
}

// The hymn's melody and its second voice, typed by pitch names and typed
// with the arrows and the value keys into the example stripped of its
// notes: one file both ways, and the example's notes again. Its pickup and
// first four bars (3/4, G major, from the D below the staff) take no more
// keys by names, the mode key included, than another program's note input.
TEST(Keys, PitchNamesWriteWhatArrowsAndValueKeysWrite) {
    const std::string example = Example("amazing-grace.sorn");
    SornData hymn;
    {
        Keys original(example);
        hymn = original.doc();
    }
    auto stripped = [&](Keys& k) {
        for (std::uint8_t p = 0; p < 2; ++p)
            for (std::int32_t i = 0; i <= hymn.Length(); ++i) {
                if (!IsNote(hymn.GetGSyurui(p, i, 0))) continue;
                k.doc().SetGData1(p, i, 0, Kind::Empty, 0);
                for (const std::uint8_t mark : {Kind::Dot, Kind::Beam})
                    k.doc().DeleteSyuruiGData1(p, i, mark);
            }
    };
    auto dotted = [&](std::uint8_t p, std::int32_t i) {
        for (int s = 1; s < SlotCount; ++s)
            if (hymn.GetGSyurui(p, i, static_cast<std::int16_t>(s)) == Kind::Dot) return true;
        return false;
    };
    const Qt::Key valueKeys[] = {Qt::Key_A, Qt::Key_S, Qt::Key_D, Qt::Key_F,
                                 Qt::Key_G, Qt::Key_H, Qt::Key_J};
    const Qt::Key letters[] = {Qt::Key_C, Qt::Key_D, Qt::Key_E, Qt::Key_F,
                               Qt::Key_G, Qt::Key_A, Qt::Key_B};

    Keys byArrows(example);
    stripped(byArrows);
    Keys byNames(example);
    stripped(byNames);
    int keys = 0;
    auto press = [&](Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        byNames.Press(key, mods);
        ++keys;
    };
    press(Qt::Key_N);
    std::uint8_t length = LengthCode::Quarter;
    bool dot = false;
    int notes = 0;
    for (std::uint8_t p = 0; p < 2; ++p) {
        if (p > 0) {
            byArrows.Press(Qt::Key_Down, Qt::ShiftModifier);
            byArrows.Press(Qt::Key_Home);
            press(Qt::Key_Down, Qt::ShiftModifier);
            press(Qt::Key_Home);
        }
        for (std::int32_t i = 0; i <= hymn.Length(); ++i) {
            const std::uint8_t kind = hymn.GetGSyurui(p, i, 0);
            const std::uint8_t pitch = hymn.GetGAtai(p, i, 0);
            if (!IsNote(kind)) {
                // The signs stay where they are; the mode writes after them.
                if (byArrows.P() == i) byArrows.Press(Qt::Key_Right);
                continue;
            }
            while (byArrows.state().CursorPitch != pitch)
                byArrows.Press(byArrows.state().CursorPitch < pitch ? Qt::Key_Up : Qt::Key_Down);
            byArrows.Press(valueKeys[kind - 1]);
            if (dotted(p, i)) byArrows.Press(Qt::Key_Z);
            byArrows.Press(Qt::Key_Right);

            if (kind != length) press(static_cast<Qt::Key>(Qt::Key_0 + (length = kind)));
            if (dotted(p, i) != dot) {
                press(Qt::Key_Period);
                dot = !dot;
            }
            // The note's letter under the treble clef: B on the middle line.
            press(letters[((pitch - 128) % 7 + 7 + 6) % 7]);
            ASSERT_EQ(byNames.P(), std::min(i + 1, hymn.Length())) << int(p) << " " << i;
            while (byNames.doc().GetGAtai(p, i, 0) != pitch)
                press(byNames.doc().GetGAtai(p, i, 0) < pitch ? Qt::Key_Up : Qt::Key_Down,
                      Qt::ControlModifier);
            if (++notes == 10) {
                EXPECT_LE(keys, 21) << "the pickup and four bars";
            }
        }
    }
    TempDir dir;
    ASSERT_FALSE(byArrows.doc().SaveCopy(dir.File("arrows.sorn")));
    ASSERT_FALSE(byNames.doc().SaveCopy(dir.File("names.sorn")));
    EXPECT_EQ(ReadBytes(dir.File("names.sorn")), ReadBytes(dir.File("arrows.sorn")));
    for (std::uint8_t p = 0; p < 2; ++p)
        for (std::int32_t i = 0; i <= hymn.Length(); ++i) {
            ASSERT_EQ(byNames.doc().GetGSyurui(p, i, 0), hymn.GetGSyurui(p, i, 0)) << i;
            ASSERT_EQ(byNames.doc().GetGAtai(p, i, 0), hymn.GetGAtai(p, i, 0)) << i;
        }

    // In G major F is written as it stands and sounds F sharp; "=" puts a
    // natural on the note just written, Up moves it a step.
    byNames.Press(Qt::Key_Up, Qt::ShiftModifier);
    byNames.Press(Qt::Key_Home);
    press(Qt::Key_F);
    const std::int32_t f = byNames.P() - 1;
    EXPECT_EQ(byNames.Count(f, Kind::Accidental), 0);
    press(Qt::Key_Equal, Qt::ShiftModifier);
    EXPECT_EQ(byNames.ValueOf(f, Kind::Accidental), AccidentalCode::Natural);
    press(Qt::Key_Up);
    const std::uint8_t moved = byNames.doc().GetGAtai(0, f, 0);
    // Every key one step: undo takes back the move, then the natural.
    byNames.form->mnuEditUndo->trigger();
    EXPECT_EQ(byNames.doc().GetGAtai(0, f, 0), moved - 1);
    // The dynamics keys are not the mode's; N ends it and they are again.
    const std::uint8_t dynamics = byNames.ValueOf(f, Kind::Dynamics);
    press(Qt::Key_8);
    EXPECT_EQ(byNames.ValueOf(f, Kind::Dynamics), dynamics);
    press(Qt::Key_N);
    byNames.Press(Qt::Key_Left);
    byNames.Press(Qt::Key_8);
    EXPECT_EQ(byNames.ValueOf(f, Kind::Dynamics), DynamicsCode::f);
}

// The mode's keys: each kind of key, and those it leaves to the window.
TEST(Keys, PitchNameKeyMap) {
    using A = PitchNameAction;
    const struct {
        int key;
        Qt::KeyboardModifiers mods;
        A::Kind kind;
        int value;
    } rows[] = {
        {Qt::Key_C, Qt::NoModifier, A::Letter, 0},
        {Qt::Key_B, Qt::NoModifier, A::Letter, 6},
        {Qt::Key_E, Qt::NoModifier, A::Letter, 2},
        {Qt::Key_A, Qt::ShiftModifier, A::Refused, 0},
        {Qt::Key_S, Qt::NoModifier, A::Refused, 0},
        {Qt::Key_1, Qt::NoModifier, A::Value, LengthCode::Whole},
        {Qt::Key_7, Qt::KeypadModifier, A::Value, LengthCode::SixtyFourth},
        {Qt::Key_8, Qt::NoModifier, A::Refused, 0},
        {Qt::Key_Period, Qt::NoModifier, A::Dot, 0},
        {Qt::Key_0, Qt::NoModifier, A::Rest, 0},
        {Qt::Key_R, Qt::NoModifier, A::Accidental, AccidentalCode::Sharp},
        {Qt::Key_Q, Qt::NoModifier, A::Accidental, AccidentalCode::DoubleFlat},
        {Qt::Key_Equal, Qt::ShiftModifier, A::Accidental, AccidentalCode::Natural},
        {Qt::Key_Up, Qt::NoModifier, A::Move, 1},
        {Qt::Key_Down, Qt::ControlModifier, A::Move, -7},
        {Qt::Key_Up, Qt::ShiftModifier, A::Usual, 0},
        {Qt::Key_S, Qt::ControlModifier, A::Usual, 0},
        {Qt::Key_Z, Qt::NoModifier, A::Usual, 0},
        {Qt::Key_Space, Qt::NoModifier, A::Usual, 0},
        {Qt::Key_Delete, Qt::NoModifier, A::Usual, 0},
        {Qt::Key_Return, Qt::NoModifier, A::Usual, 0},
        {Qt::Key_Left, Qt::NoModifier, A::Usual, 0},
    };
    for (const auto& row : rows) {
        const A action = PitchNameActionOf(row.key, row.mods);
        EXPECT_EQ(action.kind, row.kind) << std::hex << row.key;
        if (row.kind == A::Refused) {
            EXPECT_NE(action.why, nullptr);
        } else {
            EXPECT_EQ(action.value, row.value) << std::hex << row.key;
        }
    }
}

} // namespace
} // namespace sorn::test

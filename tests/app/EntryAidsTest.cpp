// Entry on the real window: moving on after a note, the jumps, the cursor's
// pitch and the mark under a bar that does not add up.

#include "EditorFixture.h"
#include "app/PanelBar.h"
#include "app/ScoreArea.h"
#include "model/SymbolCodes.h"
#include "platform/EditorSettings.h"

#include <QAction>
#include <QScrollBar>
#include <QTest>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace sorn::test {
namespace {

struct Entry : Editor {
    void Press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(form.get(), key, mods);
    }
    std::int32_t P() { return form->CursorPosition(); }
    int Scroll() { return form->FlatScrollBar1->value(); }
    QString EntryPanel() { return form->StatusBar1->PanelText(2); }
    // Pixels of the bad-bar mark's colour in the score area.
    int MarkPixels() {
        const QImage& image = form->Picture2->Image();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == qRgb(224, 64, 32);
        return n;
    }
};

TEST(EntryAids, NoteKeysMoveOnOnlyWhenAsked) {
    Entry e;
    for (int i = 0; i < 3; ++i)
        e.Press(Qt::Key_D);
    EXPECT_EQ(e.P(), 0);
    EXPECT_EQ(e.doc().GetGSyurui(0, 1, 0), 0);

    e.form->mnuEditAdvance->trigger();
    EXPECT_TRUE(EditorSettings().value(QStringLiteral("edit/advanceAfterInput")).toBool());
    for (int i = 0; i < 3; ++i)
        e.Press(Qt::Key_D);
    e.Press(Qt::Key_F, Qt::ShiftModifier);
    EXPECT_EQ(e.P(), 4);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(e.doc().GetGSyurui(0, i, 0), Kind::QuarterNote) << i;
    EXPECT_EQ(e.doc().GetGSyurui(0, 3, 0), Kind::Rest);
    // Symbol keys stay where they are.
    e.Press(Qt::Key_R);
    EXPECT_EQ(e.P(), 4);
    // One step: undo takes the rest and the move back together.
    e.form->mnuEditUndo->trigger(); // the sharp
    e.form->mnuEditUndo->trigger();
    EXPECT_EQ(e.doc().GetGSyurui(0, 3, 0), 0);
    EXPECT_EQ(e.P(), 3);
    // At the window's right edge the view scrolls as with Right; at the end it stops.
    e.Press(Qt::Key_End);
    e.Press(Qt::Key_Home);
    e.state().CursorColumn = 14;
    e.form->RedrawScore();
    e.Press(Qt::Key_D);
    EXPECT_EQ(e.P(), 15);
    EXPECT_EQ(e.Scroll(), 1);
    e.Press(Qt::Key_End);
    e.Press(Qt::Key_D);
    EXPECT_EQ(e.P(), 30);

    // The next window remembers the choice.
    Form1 next(Services{e.boxes, e.dialogs, e.shell}, e.state().AppPath);
    EXPECT_TRUE(next.mnuEditAdvance->isChecked());
}

TEST(EntryAids, HomeEndAndBarJumpsOnlyMoveTheCursor) {
    Entry e; // 15 columns, positions 0..30
    e.doc().CheckGData1(0, 3, Kind::BarLine, BarLineCode::Single);
    e.doc().CheckGData1(0, 20, Kind::BarLine, BarLineCode::Single);
    e.form->Selected() = Selection{2, 5, false};
    const int steps = e.form->History().Stack().count();
    struct Jump {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        std::int32_t position;
        int scroll;
    };
    const Jump jumps[] = {
        {Qt::Key_End, Qt::NoModifier, 30, 16},        {Qt::Key_End, Qt::NoModifier, 30, 16},
        {Qt::Key_Left, Qt::ControlModifier, 21, 16},  {Qt::Key_Left, Qt::ControlModifier, 4, 4},
        {Qt::Key_Left, Qt::ControlModifier, 0, 0},    {Qt::Key_Left, Qt::ControlModifier, 0, 0},
        {Qt::Key_Right, Qt::ControlModifier, 4, 0},   {Qt::Key_Right, Qt::ControlModifier, 21, 7},
        {Qt::Key_Right, Qt::ControlModifier, 30, 16}, {Qt::Key_Right, Qt::ControlModifier, 30, 16},
        {Qt::Key_Home, Qt::NoModifier, 0, 0},         {Qt::Key_Home, Qt::NoModifier, 0, 0},
    };
    for (const Jump& j : jumps) {
        e.Press(j.key, j.mods);
        EXPECT_EQ(e.P(), j.position) << j.key << " to " << j.position;
        EXPECT_EQ(e.Scroll(), j.scroll) << j.key << " to " << j.position;
        EXPECT_FALSE(e.form->Selected().Active());
    }
    EXPECT_FALSE(e.state().ScoreModified);
    EXPECT_EQ(e.form->History().Stack().count(), steps);
}

TEST(EntryAids, PitchNamedAndOverfullBarMarked) {
    Entry e;
    EXPECT_EQ(e.EntryPanel(), QStringLiteral("シ4 (B4)"));
    e.doc().SetGData1(0, 0, 0, Kind::TimeSignature, EncodeTimeSignature(3, 2));
    e.Press(Qt::Key_Space);
    e.Press(Qt::Key_Right);
    e.form->mnuEditAdvance->trigger();
    e.Press(Qt::Key_Down);
    e.Press(Qt::Key_R); // A#4 on position 1
    for (int i = 0; i < 5; ++i)
        e.Press(Qt::Key_D);
    EXPECT_EQ(e.P(), 6);
    EXPECT_EQ(e.EntryPanel(), QStringLiteral("ラ♯4 (A♯4)  この小節は 2 拍多すぎます"));
    EXPECT_GT(e.MarkPixels(), 0);
    // A message takes the panel for a while.
    e.form->mnuEditCopy->trigger();
    EXPECT_NE(e.EntryPanel().indexOf(QStringLiteral("コピー")), -1);

    // Three quarters fill the bar: no mark, only the pitch, the sharp still carried.
    e.Press(Qt::Key_Left);
    e.Press(Qt::Key_Delete);
    e.Press(Qt::Key_Left);
    e.Press(Qt::Key_Delete);
    EXPECT_EQ(e.MarkPixels(), 0);
    e.form->mnuEditUndo->trigger();
    EXPECT_GT(e.MarkPixels(), 0);
    e.form->mnuEditRedo->trigger();
    EXPECT_EQ(e.MarkPixels(), 0);
}

} // namespace
} // namespace sorn::test

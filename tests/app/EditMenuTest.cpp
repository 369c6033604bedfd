// The Edit menu: positions, length and parts.

#include "EditorFixture.h"
#include "model/SymbolCodes.h"

#include <QAction>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace sorn::test {
namespace {

void MarkColumns(SornData& doc, std::uint8_t part) {
    for (int i = 0; i <= doc.Length(); ++i)
        doc.SetGData1(part, i, 0, Kind::QuarterNote, static_cast<std::uint8_t>(100 + i));
}

TEST(EditMenu, ShortenNeverBelow20AndPullsTheCursorBack) {
    Editor e;
    e.form->mnuEditShorter20->trigger();
    EXPECT_EQ(e.doc().Length(), 20);
    EXPECT_TRUE(e.state().ScoreModified);

    Editor f;
    f.form->FlatScrollBar1->setValue(14);
    f.state().CursorColumn = 14; // position 28
    f.form->RedrawScore();
    f.form->mnuEditShorter10->trigger();
    EXPECT_EQ(f.doc().Length(), 20);
    EXPECT_EQ(f.form->CursorPosition(), 20);
    EXPECT_EQ(f.form->FlatScrollBar1->maximum(), 20);
}

TEST(EditMenu, LengthenStopsAtTheLongestScore) {
    Editor e;
    e.form->mnuEditLonger100->trigger();
    e.form->mnuEditLonger50->trigger();
    e.form->mnuEditLonger10->trigger();
    EXPECT_EQ(e.doc().Length(), 190);
    e.doc().SetLength(MaxLength - 5);
    e.form->mnuEditLonger10->trigger();
    EXPECT_EQ(e.doc().Length(), MaxLength);
    EXPECT_EQ(e.form->FlatScrollBar1->maximum(), MaxLength);
}

TEST(EditMenu, InsertSpaceShiftsOnlyTheCurrentPart) {
    Editor e;
    e.form->mnuEditMorePart->trigger();
    MarkColumns(e.doc(), 0);
    MarkColumns(e.doc(), 1);
    // Past the first positions of a part added before anything was laid out.
    e.state().CursorColumn = 3;
    e.form->mnuEditInsertspace->trigger();
    EXPECT_EQ(e.doc().Length(), 31);
    EXPECT_EQ(e.doc().GetGAtai(0, 2, 0), 102);
    EXPECT_EQ(e.doc().GetGSyurui(0, 3, 0), 0);
    EXPECT_EQ(e.doc().GetGAtai(0, 4, 0), 103);
    EXPECT_EQ(e.doc().GetGAtai(0, 31, 0), 130);
    EXPECT_EQ(e.doc().GetGAtai(1, 0, 0), 100);
    EXPECT_EQ(e.doc().GetGSyurui(1, 31, 0), 0);
}

TEST(EditMenu, DeleteSpaceAtTheEndOnlyEmptiesIt) {
    Editor e;
    MarkColumns(e.doc(), 0);
    e.form->FlatScrollBar1->setValue(16);
    e.state().CursorColumn = 14;
    e.form->RedrawScore();
    ASSERT_EQ(e.form->CursorPosition(), 30);
    e.form->mnuEditDeletespace->trigger();
    EXPECT_EQ(e.doc().GetGSyurui(0, 30, 0), 0);
    EXPECT_EQ(e.doc().GetGAtai(0, 29, 0), 129);
    EXPECT_TRUE(e.state().ScoreModified);
}

TEST(EditMenu, DeletingPartsKeepsACurrentPart) {
    Editor e;
    e.form->mnuEditMorePart->trigger();
    e.form->mnuEditMorePart->trigger();
    e.doc().SetInstrumentNumber(1, "40");
    e.form->FlatScrollBar2->setValue(2);
    e.form->mnuEditLessPart->trigger(); // the last part, while current
    EXPECT_EQ(e.doc().PartSuu(), 1);
    EXPECT_EQ(e.state().CurrentPart, 1);
    EXPECT_EQ(e.form->FlatScrollBar2->value(), 1);

    e.form->FlatScrollBar2->setValue(0);
    e.form->mnuEditLessPart->trigger(); // part 0: the former part 1 takes its place
    EXPECT_EQ(e.doc().PartSuu(), 0);
    EXPECT_EQ(e.state().CurrentPart, 0);
    EXPECT_EQ(e.doc().GetInstrumentNumber(0), 40);
}

TEST(EditMenu, DeletingTheOnlyPartStillMarksTheScore) {
    Editor e;
    e.form->mnuEditLessPart->trigger();
    EXPECT_EQ(e.doc().PartSuu(), 0);
    EXPECT_TRUE(e.state().ScoreModified);
    e.boxes.answers = {MsgResult::Cancel};
    e.form->mnuFileNew->trigger();
    EXPECT_EQ(e.boxes.shown.size(), 1u);
}

} // namespace
} // namespace sorn::test

// The song and part dialogs: tempo text, working length, instrument list.

#include "DialogTest.h"
#include "app/Editing.h"
#include "app/EditorFixture.h"
#include "dialogs/PartEdit.h"
#include "dialogs/frmKyokuProp.h"
#include "support/Scripted.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace sorn::test {
namespace {

// OK as the window handles it: the choice written through the edit path.
void Ok(frmKyokuProp& d, SornData& doc) {
    d.Command1->click();
    EditorState state;
    if (d.result() == QDialog::Accepted)
        Editing::SetSong(doc, state, d.ChosenSpeed(), d.WorkingLength());
}

TEST(SongDialog, TempoZeroBecomesSixtyEvenWhenCancelled) {
    Editor e;
    e.doc().SetSpeed(0);
    QString shown;
    WhenModal<frmKyokuProp>([&](frmKyokuProp& d) {
        shown = d.Text1->text() + "/" + d.Label3->text();
        d.Command2->click();
    });
    e.form->ShowSongDialog();
    EXPECT_EQ(shown, QStringLiteral("60/30"));
    EXPECT_EQ(e.doc().Speed(), 60);
    // The repaired tempo differs from the file, so the save question must come.
    EXPECT_TRUE(e.state().ScoreModified);
}

// A refused text is reported and the dialog stays open for a correction.
TEST(SongDialog, TempoTextIsItsLeadingNumberRoundedToEvenWithinOneTo32767) {
    const std::pair<const char*, int> texts[] = {
        {"120abc", 120}, {"12.5", 12},     {"13.5", 14},   {" +75.49", 75},
        {"１２０", 120}, {"32767", 32767}, {"", 0},        {"abc", 0},
        {"0.5", 0},      {"-5", 0},        {"32767.5", 0}, {"99999999999999999999999", 0}};
    for (auto [text, tempo] : texts) {
        SCOPED_TRACE(text);
        Score s;
        ScriptedMessageBoxes boxes;
        s.doc.SetSpeed(100);
        frmKyokuProp d(s.doc, boxes);
        d.show();
        d.Text1->setText(QString::fromUtf8(text));
        Ok(d, s.doc);
        EXPECT_EQ(s.doc.Speed(), tempo ? tempo : 100);
        EXPECT_EQ(d.isVisible(), tempo == 0);
        if (tempo) {
            EXPECT_TRUE(boxes.shown.empty());
        } else {
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_EQ(boxes.shown[0].text, kTempoOutOfRange);
            d.Text1->setText(QStringLiteral("72"));
            Ok(d, s.doc);
            EXPECT_EQ(s.doc.Speed(), 72);
        }
    }
}

TEST(SongDialog, WorkingLengthStopsAtBothEndsAndIsWrittenOnOk) {
    Score s;
    ScriptedMessageBoxes boxes;
    s.doc.SetLength(25);
    {
        frmKyokuProp d(s.doc, boxes);
        d.Command3->click();
        EXPECT_EQ(d.Label3->text(), QStringLiteral("20"));
        d.Command4->click();
        EXPECT_EQ(d.WorkingLength(), 20);
        d.Command6->click();
        d.Command5->click();
        EXPECT_EQ(s.doc.Length(), 25);
        Ok(d, s.doc);
    }
    EXPECT_EQ(s.doc.Length(), 31);

    s.doc.SetLength(MaxLength - 5);
    frmKyokuProp d(s.doc, boxes);
    d.Command6->click();
    EXPECT_EQ(d.Label3->text(), QString::number(MaxLength));
    d.Command2->click();
    EXPECT_EQ(s.doc.Length(), MaxLength - 5);
}

TEST(PartDialog, ListsEveryProgramAndStoresTheChosenIndex) {
    Score s;
    ScriptedMessageBoxes boxes;
    s.doc.AddPart();
    s.doc.SetInstrumentNumber(1, "40");
    auto choose = [&](int index, bool ok) {
        PartEdit d(s.doc, 1, boxes);
        d.Combo1->setCurrentIndex(index);
        (ok ? d.Command1 : d.Command2)->click();
        EditorState state;
        if (d.result() == QDialog::Accepted)
            Editing::SetInstrument(s.doc, state, 1, d.ChosenProgram());
        return int{s.doc.GetInstrumentNumber(1)};
    };
    {
        PartEdit d(s.doc, 1, boxes);
        ASSERT_EQ(d.Combo1->count(), 128);
        EXPECT_EQ(d.Combo1->itemText(0), QStringLiteral("1  グランドピアノ"));
        EXPECT_EQ(d.Combo1->itemText(127), QStringLiteral("128  ガンショット"));
        EXPECT_EQ(d.Combo1->currentText(), QStringLiteral("41  ヴァイオリン"));
    }
    EXPECT_EQ(choose(0, false), 40);
    EXPECT_EQ(choose(0, true), 0);
    EXPECT_EQ(s.doc.GetInstrumentNumber(0), 0);
    // A program from elsewhere beyond the list: nothing selected, kept on OK.
    s.doc.SetInstrumentNumber(1, "200");
    EXPECT_EQ(PartEdit(s.doc, 1, boxes).Combo1->currentIndex(), -1);
    EXPECT_EQ(choose(-1, true), 200);
}

} // namespace
} // namespace sorn::test

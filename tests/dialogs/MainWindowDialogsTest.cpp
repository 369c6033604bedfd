// The dialogs as the main window opens them: keys, double click, menu and
// buttons; OK marks the score changed, キャンセル leaves it as it was.

#include "DialogTest.h"
#include "app/EditorFixture.h"
#include "app/ScoreArea.h"
#include "dialogs/PartEdit.h"
#include "dialogs/frmKyokuProp.h"
#include "dialogs/frmOnpu.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <array>

namespace sorn::test {
namespace {

TEST(MainWindowDialogs, SymbolDialogOpensAtTheCursorFromKeyMouseAndMenu) {
    Editor e;
    e.doc().SetGData1(0, 2, 0, Kind::QuarterNote, 130);
    QTest::keyClick(e.form.get(), Qt::Key_Right);
    QTest::keyClick(e.form.get(), Qt::Key_Right);
    int loaded = -1;
    WhenModal<frmOnpu>([&](frmOnpu& d) {
        loaded = d.Option2->checkedId();
        d.Option1->button(3)->click();
        d.Command1->click();
    });
    QTest::keyClick(e.form.get(), Qt::Key_Return);
    EXPECT_EQ(loaded, frmOnpu::kNote);
    EXPECT_EQ(e.doc().GetGSyurui(0, 2, 0), Kind::EighthNote);
    EXPECT_TRUE(e.state().ScoreModified);

    WhenModal<frmOnpu>([](frmOnpu& d) {
        d.Check1->click();
        d.Command1->click();
    });
    e.form->mnuEditOnpu->trigger();
    EXPECT_EQ(e.doc().GetGSyurui(0, 2, 1), Kind::BarLine);

    // A double click starts with a press, which moves the cursor; キャンセル
    // then leaves score and mark alone.
    e.state().ScoreModified = false;
    e.doc().SetGData1(0, 3, 0, Kind::Rest, LengthCode::Half);
    WhenModal<frmOnpu>([&](frmOnpu& d) {
        loaded = d.Option2->checkedId();
        d.Option2->button(frmOnpu::kNothing)->click();
        d.Command2->click();
    });
    QTest::mouseClick(e.form->Picture2, Qt::LeftButton, Qt::NoModifier, QPoint(170, 72));
    QTest::mouseDClick(e.form->Picture2, Qt::LeftButton, Qt::NoModifier, QPoint(170, 72));
    EXPECT_EQ(loaded, frmOnpu::kRest);
    EXPECT_EQ(e.doc().GetGSyurui(0, 3, 0), Kind::Rest);
    EXPECT_FALSE(e.state().ScoreModified);
}

TEST(MainWindowDialogs, SongDialogRefusesABadTempoThenWritesAndRefreshes) {
    Editor e;
    WhenModal<frmKyokuProp>([](frmKyokuProp& d) {
        d.Text1->setText(QStringLiteral("0"));
        d.Command1->click();
        d.Text1->setText(QStringLiteral("90"));
        d.Command6->click();
        d.Command1->click();
    });
    e.form->cmdMusic->click();
    ASSERT_EQ(e.boxes.shown.size(), 1u);
    EXPECT_EQ(e.boxes.shown[0].text, kTempoOutOfRange);
    EXPECT_EQ(e.doc().Speed(), 90);
    EXPECT_EQ(e.form->FlatScrollBar1->maximum(), 40);
    EXPECT_TRUE(e.state().ScoreModified);

    // OK marks the score changed even when nothing was altered.
    e.state().ScoreModified = false;
    WhenModal<frmKyokuProp>([](frmKyokuProp& d) { d.Command1->click(); });
    e.form->mnuEditMusicProp->trigger();
    EXPECT_TRUE(e.state().ScoreModified);
}

TEST(MainWindowDialogs, PartDialogSetsTheCurrentPartsInstrument) {
    Editor e;
    WhenModal<PartEdit>([](PartEdit& d) { d.Command2->click(); });
    e.form->cmdPart->click();
    EXPECT_FALSE(e.state().ScoreModified);

    WhenModal<PartEdit>([](PartEdit& d) {
        d.Combo1->setCurrentIndex(40);
        d.Command1->click();
    });
    e.form->mnuEditStatus->trigger();
    EXPECT_EQ(e.doc().GetInstrumentNumber(0), 40);
    EXPECT_TRUE(e.state().ScoreModified);
}

// All the words in two dialogs, each OK one step; a text over its size is
// refused with a message and the dialog stays open with everything typed.
TEST(MainWindowDialogs, SongAndPartWordsAreWrittenOnOkAndTakenBackStepByStep) {
    Editor e;
    const std::array<std::string, ScoreTextCount> texts = {"さくら", "日本古謡", "作曲者",
                                                           "作詞者", "編曲者",   "© 2024"};
    bool stayedOpen = false;
    WhenModal<frmKyokuProp>([&](frmKyokuProp& d) {
        for (std::size_t i = 0; i < texts.size(); ++i)
            d.WordsText[i]->setText(QString::fromStdString(texts[i]));
        d.WordsText[2]->setText(QString(MaxTextBytes / 3 + 1, QChar(0x3042)));
        d.Command1->click();
        stayedOpen = d.isVisible() && d.WordsText[0]->text() == QStringLiteral("さくら");
        d.WordsText[2]->setText(QString::fromStdString(texts[2]));
        d.Command1->click();
    });
    e.form->cmdMusic->click();
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(e.boxes.shown.size(), 1u);
    EXPECT_EQ(e.boxes.shown[0].text,
              "「作曲」は1024バイト（全角でおよそ341文字）までにしてください。");
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(e.doc().Text(static_cast<ScoreText>(i)), texts[i]);

    QString placeholder;
    WhenModal<PartEdit>([&](PartEdit& d) {
        placeholder = d.Text1->placeholderText();
        d.Text1->setText(QStringLiteral("ソプラノ"));
        d.Text2->setText(QStringLiteral("S."));
        d.Command1->click();
    });
    e.form->cmdPart->click();
    EXPECT_EQ(placeholder, QStringLiteral("グランドピアノ"));
    EXPECT_EQ(e.doc().GetPartText(0, PartText::Name), "ソプラノ");
    EXPECT_EQ(e.doc().GetPartText(0, PartText::ShortName), "S.");
    // The dialogs show what the score holds.
    WhenModal<frmKyokuProp>([&](frmKyokuProp& d) {
        EXPECT_EQ(d.WordsText[5]->text().toStdString(), texts[5]);
        d.Command2->click();
    });
    e.form->mnuEditMusicProp->trigger();

    e.form->mnuEditUndo->trigger();
    EXPECT_EQ(e.doc().GetPartText(0, PartText::Name), "");
    EXPECT_EQ(e.doc().GetPartText(0, PartText::ShortName), "");
    EXPECT_EQ(e.doc().Text(ScoreText::Title), "さくら");
    e.form->mnuEditUndo->trigger();
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(e.doc().Text(static_cast<ScoreText>(i)), "");
    EXPECT_FALSE(e.doc().HasWords());
}

} // namespace
} // namespace sorn::test

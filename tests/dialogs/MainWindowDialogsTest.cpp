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

} // namespace
} // namespace sorn::test

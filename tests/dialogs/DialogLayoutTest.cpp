// Every dialog gives its captions the room they ask for, in Japanese and in
// English, keeps its controls inside itself, and answers Enter and Escape.
// With SORN_DIALOG_SHOTS set to a folder, each is also saved there as a PNG.

#include "DialogTest.h"
#include "dialogs/AudioSettingsDialog.h"
#include "dialogs/Form3.h"
#include "dialogs/PartEdit.h"
#include "dialogs/RehearsalDialog.h"
#include "dialogs/frmKyokuProp.h"
#include "dialogs/frmOnpu.h"
#include "dialogs/frmOnpuChogo.h"
#include "dialogs/frmOnpuHyousi.h"
#include "dialogs/frmSyosetsusen.h"
#include "support/Examples.h"
#include "support/FreshSettings.h"
#include "support/RecordingPrinter.h"
#include "support/ScopedLanguage.h"
#include "support/Scripted.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace sorn::test {
namespace {

void ExpectLaidOut(QDialog& dialog, const char* name) {
    SCOPED_TRACE(name);
    dialog.show();
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (!w->isVisible() || !(button || qobject_cast<QLabel*>(w) ||
                                 qobject_cast<QGroupBox*>(w) || qobject_cast<QComboBox*>(w)))
            continue;
        // Widths fixed on purpose must still hold the caption with room.
        int needed = w->sizeHint().width();
        if (w->minimumWidth() == w->maximumWidth())
            needed = button ? w->fontMetrics().horizontalAdvance(button->text()) + 12 : 0;
        const std::string what =
            button ? button->text().toStdString() : w->objectName().toStdString();
        EXPECT_GE(w->width(), needed) << what;
        EXPECT_GE(w->height(), w->sizeHint().height()) << what;
        EXPECT_TRUE(dialog.rect().contains(QRect(w->mapTo(&dialog, QPoint()), w->size()))) << what;
    }
    const QString folder = qEnvironmentVariable("SORN_DIALOG_SHOTS");
    const QString suffix =
        InterfaceIsEnglish() ? QStringLiteral("-en.png") : QStringLiteral(".png");
    if (!folder.isEmpty())
        dialog.grab().save(QDir(folder).filePath(QString::fromUtf8(name) + suffix));
}

class DialogLayout : public ::testing::TestWithParam<bool> {
protected:
    ScopedLanguage language_{GetParam()};
};

TEST_P(DialogLayout, SymbolDialogInEachShapeAndItsSubDialogs) {
    Score s;
    s.Put(0, "3,128 11,1 12,1 10,16 13,11");
    s.Put(1, "30,18 10,17 64,1");
    s.Put(2, "31,3");
    s.Put(3, "20,10 10,2");
    int position = 0;
    for (const char* name : {"frmOnpu-note", "frmOnpu-time", "frmOnpu-key", "frmOnpu-clef"}) {
        frmOnpu d(s.doc, 0, position++, 128);
        ExpectLaidOut(d, name);
    }
    frmOnpu owner(s.doc, 0, 1, 128);
    frmOnpuChogo key(owner);
    ExpectLaidOut(key, "frmOnpuChogo");
    // Keys with as many flats as sharps stand side by side.
    EXPECT_EQ(key.Option1->button(8)->y(), key.Option1->button(1)->y());
    frmOnpuHyousi time(owner);
    ExpectLaidOut(time, "frmOnpuHyousi");
    frmSyosetsusen barLine(owner);
    ExpectLaidOut(barLine, "frmSyosetsusen");

    // Escape cancels, Enter presses the default button.
    QTest::keyClick(&owner, Qt::Key_Escape);
    EXPECT_EQ(s.Slots(1), "30,18 10,17 64,1");
    owner.show();
    owner.Option2->button(frmOnpu::kNothing)->click();
    QTest::keyClick(&owner, Qt::Key_Return);
    EXPECT_EQ(owner.result(), QDialog::Accepted);
    EXPECT_EQ(owner.Chosen(),
              (std::vector<Symbol>{{}, {Kind::BarLine, 17}, {Kind::RepeatWord, 1}}));
}

TEST_P(DialogLayout, SongAndPartDialogs) {
    Score s;
    ScriptedMessageBoxes boxes;
    frmKyokuProp song(s.doc, boxes);
    ExpectLaidOut(song, "frmKyokuProp");
    s.doc.SetInstrumentNumber(0, "40");
    PartEdit part(s.doc, 0, boxes);
    ExpectLaidOut(part, "PartEdit");
    QTest::keyClick(&part, Qt::Key_Return);
    EXPECT_EQ(part.result(), QDialog::Accepted);
}

// The print dialog in the original pages, then in the reading layout of a
// score, upright and sideways.
TEST_P(DialogLayout, PrintDialogInEachLayout) {
    FreshSettings fresh;
    SornData doc;
    ScriptedMessageBoxes boxes;
    ASSERT_EQ(doc.FileOpen(Example("chorale.sorn"), boxes), OpenResult::Opened);
    RecordingPrinter printer;
    ScriptedFileDialogs dialogs;
    RecordingShell shell;
    Form3 print(doc, 0, PrintServices{printer, dialogs, shell, boxes});
    ExpectLaidOut(print, "Form3-original");
    print.optFullScore->setChecked(true);
    ExpectLaidOut(print, "Form3-score");
    print.optLandscape->setChecked(true);
    ExpectLaidOut(print, "Form3-landscape");
}

// The audio dialogs with a score's part names and a file to be written.
TEST_P(DialogLayout, AudioDialogs) {
    FreshSettings fresh;
    SornData doc;
    ScriptedMessageBoxes boxes;
    ASSERT_EQ(doc.FileOpen(Example("amazing-grace.sorn"), boxes), OpenResult::Opened);
    ScriptedFileDialogs dialogs;
    RehearsalDialog rehearsal(doc, dialogs, boxes);
    ExpectLaidOut(rehearsal, "RehearsalDialog");
    AudioSettingsDialog settings(dialogs, boxes, AudioFormat::Ogg,
                                 "/tmp/アメイジング・グレイス.ogg");
    settings.Command1->setText(QCoreApplication::translate("sorn::RehearsalDialog", "書き出す"));
    ExpectLaidOut(settings, "AudioSettingsDialog");
}

INSTANTIATE_TEST_SUITE_P(JapaneseAndEnglish, DialogLayout, ::testing::Bool());

} // namespace
} // namespace sorn::test

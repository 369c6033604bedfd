// The main window as it opens: layout, menus, key hints and status texts.

#include "EditorFixture.h"
#include "app/Language.h"
#include "app/MdMain.h"
#include "app/PanelBar.h"
#include "app/ScoreArea.h"
#include "app/frmAbout.h"
#include "dialogs/frmKyokuProp.h"
#include "platform/EditorSettings.h"
#include "platform/QtShell.h"
#include "support/BatchCommand.h"
#include "support/ScopedLanguage.h"
#include "support/TempDir.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTime>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace sorn::test {
namespace {

QStringList PanelTexts(const PanelBar* bar) {
    QStringList texts;
    for (int i = 1; i <= bar->PanelCount(); ++i)
        texts << bar->PanelText(i);
    return texts;
}

QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

bool HasJapanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() >= 0x3000 && c.unicode() <= 0x9fff) || c.unicode() >= 0xff00;
    });
}

// Every caption of a menu and its submenus, as "menu/item".
void CollectCaptions(const QMenu* menu, QStringList& out) {
    for (const QAction* action : menu->actions()) {
        out << menu->title() + u'/' + action->text();
        if (action->menu()) CollectCaptions(action->menu(), out);
    }
}

// English throughout the window's menus, its title, a message box and a
// dialog; the language items remember the choice and say so in the language
// chosen, each language naming itself.
TEST(Form1, EnglishInterface) {
    ScopedLanguage english(true);
    TempDir dir;
    Editor e;
    Form1& f = *e.form;
    QStringList top;
    for (QAction* a : f.menuBar()->actions())
        top << a->text();
    EXPECT_EQ(top, QStringList({"&File", "&Edit", "&View", "&Listen", "&Help"}));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Untitled — SORN Score Editor"));
    QStringList captions;
    for (const QMenu* menu : {f.mnuFile, f.mnuEdit, f.mnuView, f.mnuListen, f.mnuHelp})
        CollectCaptions(menu, captions);
    for (const QString& caption : captions)
        EXPECT_FALSE(HasJapanese(caption) && !caption.endsWith(QStringLiteral("日本語")))
            << caption.toStdString();
    for (QPushButton* button : {f.cmdMusic, f.cmdPart})
        EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()) + 12)
            << button->text().toStdString();

    ASSERT_EQ(Captions(f.mnuViewLanguage), QStringList({"日本語", "English", "System Language"}));
    const struct {
        int item;
        const char* saved;
        const char* told;
    } choices[] = {{0, "ja", "次回の起動から表示が日本語になります。"},
                   {1, "en", "The interface will be in English from the next start."}};
    for (const auto& choice : choices) {
        f.mnuViewLanguage->actions()[choice.item]->trigger();
        EXPECT_EQ(EditorSettings().value(QStringLiteral("view/language")).toString(),
                  QString::fromUtf8(choice.saved));
        ASSERT_FALSE(e.boxes.shown.empty());
        EXPECT_EQ(e.boxes.shown.back().text, choice.told);
    }
    EXPECT_EQ(SavedLanguageChoice(), LanguageChoice::English);
    f.mnuHelpHelp->trigger();
    ASSERT_FALSE(e.shell.opened.empty());
    EXPECT_EQ(e.shell.opened.back(), e.state().AppPath + "help/help_en.htm");

    std::ofstream(dir.File("readme.txt")) << "hi";
    EXPECT_EQ(MdMain::Open(f, dir.File("readme.txt")), MdMain::kFailed);
    EXPECT_EQ(e.boxes.shown.back().text, "This file is not a score and cannot be opened.\n" +
                                             dir.File("readme.txt") +
                                             "\nThe open score stays as it is.");

    frmKyokuProp song(e.doc(), e.boxes);
    EXPECT_EQ(song.WordsLabel[0]->text(), QStringLiteral("Title"));
    for (const QWidget* w : song.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(w);
        const auto* button = qobject_cast<const QAbstractButton*>(w);
        const QString text = label ? label->text() : button ? button->text() : QString();
        EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
    }
}

TEST(Form1, CaptionAndClientLayout) {
    Editor e;
    Form1& f = *e.form;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("無題 — SORN楽譜エディタ"));
    EXPECT_EQ(f.centralWidget()->size(), QSize(650, 274));
    EXPECT_EQ(f.StatusBar2->geometry(), QRect(0, 0, 650, 17));
    EXPECT_EQ(f.StatusBar3->geometry(), QRect(0, 17, 650, 16));
    EXPECT_EQ(f.Picture1->geometry(), QRect(0, 33, 650, 176));
    EXPECT_EQ(f.cmdMusic->geometry(), QRect(16, 216, 73, 25));
    EXPECT_EQ(f.cmdPart->geometry(), QRect(104, 216, 89, 25));
    EXPECT_EQ(f.StatusBar1->geometry(), QRect(0, 249, 650, 25));
    EXPECT_EQ(f.ProgressBar1->geometry(), QRect(0, 250, 98, 25));
    // Inside Picture1's 2-pixel border: 646 x 172.
    EXPECT_EQ(f.Picture2->geometry(), QRect(2, 2, 629, 155));
    EXPECT_EQ(f.FlatScrollBar1->geometry(), QRect(2, 157, 629, 17));
    EXPECT_EQ(f.FlatScrollBar2->geometry(), QRect(631, 2, 17, 155));
    EXPECT_EQ(f.cmdMusic->text(), QStringLiteral("曲の情報"));
    EXPECT_EQ(f.cmdPart->text(), QStringLiteral("パートの情報"));
}

// Each verse of the part shown adds a line to the single view, as the batch
// view draws it too; the window grows with it and gives the line back.
TEST(Form1, VersesOfThePartShownGrowTheScoreArea) {
    TempDir dir;
    Editor e;
    Form1& f = *e.form;
    f.mnuEditMorePart->trigger();
    ASSERT_TRUE(e.doc().SetSyllable(0, 2, 1, Syllable{"ら"}));
    f.RedrawScore();
    EXPECT_EQ(f.Picture2->height(), 155 + 2 * kLyricLineHeight);
    EXPECT_EQ(f.centralWidget()->height(), 274 + 2 * kLyricLineHeight);
    EXPECT_EQ(f.cmdMusic->y(), 216 + 2 * kLyricLineHeight);
    const std::string score = dir.File("verses.sorn");
    ASSERT_FALSE(e.doc().FileSave(score));
    ASSERT_EQ(Batch({"--render-view", dir.File("v.png"), score}), 0);
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("v.png"))).height(), f.Picture2->height());

    // The second part has no lyrics: the view is as it always was.
    f.FlatScrollBar2->setValue(1);
    EXPECT_EQ(f.Picture2->height(), 155);
    EXPECT_EQ(f.centralWidget()->height(), 274);
    f.FlatScrollBar2->setValue(0);
    ASSERT_TRUE(e.doc().SetSyllable(0, 2, 1, Syllable{}));
    f.RedrawScore();
    EXPECT_EQ(f.Picture2->height(), 155);
    EXPECT_EQ(f.centralWidget()->height(), 274);
    ASSERT_TRUE(e.doc().SetSyllable(0, 2, 0, Syllable{"ら"}));
    f.SetZoom(200);
    EXPECT_EQ(f.Picture2->height(), 2 * (155 + kLyricLineHeight));
    f.SetZoom(100);
    EXPECT_EQ(f.centralWidget()->height(), 274 + kLyricLineHeight);
}

// The first run opens at the size above; a closed window's size and place
// come back at the next start.
TEST(Form1, SizeAndPlaceAreRememberedBetweenRuns) {
    QRect closedAt;
    {
        Editor e;
        e.form->setGeometry(QRect(40, 50, 820, 400));
        QCoreApplication::processEvents();
        closedAt = e.form->geometry();
        EXPECT_TRUE(e.form->close());
    }
    Editor next;
    EXPECT_EQ(next.form->geometry(), closedAt);
    EditorSettings().remove(QStringLiteral("window")); // later tests are first runs again
}

TEST(Form1, ResizeChangesWidthsOnly) {
    Editor e;
    Form1& f = *e.form;
    f.resize(900, f.height() + 100);
    EXPECT_EQ(f.centralWidget()->width(), 900);
    EXPECT_EQ(f.Picture2->geometry(), QRect(2, 2, 900 - 4 - 17, 155));
    EXPECT_EQ(f.FlatScrollBar2->x(), 2 + 900 - 4 - 17);
    EXPECT_EQ(f.FlatScrollBar1->width(), 900 - 4 - 17);
    EXPECT_EQ(f.Picture1->height(), 176);
    EXPECT_EQ(f.StatusBar1->y(), 374 - 25);
    EXPECT_EQ(f.ProgressBar1->y(), 374 - 25 + 1);
}

TEST(Form1, KeyHintPanels) {
    Editor e;
    EXPECT_EQ(PanelTexts(e.form->StatusBar2),
              QStringList({"A 全●", "S 2●", "D 4●", "F 8●", "G 16●", "H 32●", "J 64●", "Shift 休符",
                           "Q ♭♭", "W ♭", "E 互", "R ♯", "T ♯♯", "Space ｜", "Del 削除"}));
    EXPECT_EQ(PanelTexts(e.form->StatusBar3),
              QStringList({"Z 付点", "1 タイ", "3 音符を繋ぐ", "4 pp", "5 p", "6 mp", "7 mf ",
                           "8 f ", "9 ff "}));
}

TEST(Form1, StatusTextsAndClock) {
    Editor e;
    PanelBar* bar = e.form->StatusBar1;
    EXPECT_EQ(bar->PanelText(3), QStringLiteral("位置 0/30"));
    EXPECT_EQ(bar->PanelText(4), QStringLiteral("パート 1/1  グランドピアノ"));
    // The part text names the current part's instrument.
    e.doc().AddPart();
    e.doc().AddPart();
    e.doc().SetInstrumentNumber(1, "40");
    e.state().CurrentPart = 1;
    e.form->RedrawScore();
    EXPECT_EQ(bar->PanelText(4), QStringLiteral("パート 2/3  ヴァイオリン"));
    EXPECT_TRUE(
        QTime::fromString(bar->PanelText(bar->PanelCount()), QStringLiteral("H:mm")).isValid());
}

TEST(Form1, MenusCaptionsAndShortcuts) {
    Editor e;
    Form1& f = *e.form;
    EXPECT_EQ(
        Captions(f.mnuFile),
        QStringList({"新規作成(&N)", "開く(&O)", "保存(&S)", "WAVで保存(&W)",
                     "音声で保存(全パート)(&A)...", "パート練習用の音源(&R)...", "MIDIで保存(&M)",
                     "MusicXMLで保存(&L)", "LilyPondで保存(&Y)", "MusicXMLの繰り返し(&K)", "-",
                     "印刷(P)", "-", "最近使ったファイル", "-", "終了(&X)"}));
    EXPECT_EQ(Captions(f.mnuFileUnfold),
              QStringList({"パートごとに違うときだけ演奏順に書き出す(&A)",
                           "いつも演奏順に書き出す(&U)", "繰り返し記号のまま書き出す(&N)"}));
    EXPECT_EQ(Captions(f.mnuEdit), QStringList({"元に戻す(&U)",
                                                "やり直し(&R)",
                                                "-",
                                                "切り取り(&T)",
                                                "コピー(&C)",
                                                "貼り付け(&P)",
                                                "挿入して貼り付け",
                                                "すべて選択(&A)",
                                                "-",
                                                "選択している音符の情報を見る",
                                                "歌詞入力(&L)",
                                                "-",
                                                "スペースの挿入",
                                                "スペースの削除",
                                                "-",
                                                "曲の情報",
                                                "曲の長さ",
                                                "-",
                                                "パートの情報",
                                                "パート数",
                                                "-",
                                                "入力後に次の位置へ",
                                                "音名入力モード\tN"}));
    EXPECT_TRUE(f.mnuEditAdvance->isCheckable());
    EXPECT_FALSE(f.mnuEditAdvance->isChecked());
    EXPECT_EQ(Captions(f.mnuEditLong),
              QStringList({"曲を長くする(10)", "曲を長くする(50)", "曲を長くする(100)", "-",
                           "曲を短くする(10)", "曲を短くする(20)"}));
    EXPECT_EQ(Captions(f.mnuEditPart), QStringList({"パート数を増やす", "現在のパートを削除"}));
    EXPECT_EQ(Captions(f.mnuListen),
              QStringList({"試聴(&L)", "カーソルから試聴", "-", "入力した音を鳴らす"}));
    EXPECT_EQ(Captions(f.mnuHelp), QStringList({"ヘルプ(&H)", "-", "バージョン情報(&A)"}));
    QStringList top;
    for (QAction* a : f.menuBar()->actions())
        top << a->text();
    EXPECT_EQ(top, QStringList({"ファイル(&F)", "編集(&E)", "表示(&V)", "試聴(&L)", "ヘルプ(&H)"}));
    // One letter, one item: a repeated mnemonic only cycles between its items.
    for (const QMenu* menu : {f.mnuFile, f.mnuEdit, f.mnuView, f.mnuListen, f.mnuHelp}) {
        QList<QKeySequence> letters;
        for (const QAction* action : menu->actions())
            if (const QKeySequence letter = QKeySequence::mnemonic(action->text());
                !letter.isEmpty()) {
                EXPECT_FALSE(letters.contains(letter)) << action->text().toStdString();
                letters << letter;
            }
    }
    EXPECT_EQ(Captions(f.mnuView),
              QStringList({"拡大", "縮小", "等倍", "-", "総譜(&T)", "-", "言語"}));
    EXPECT_EQ(f.mnuViewFullScore->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
    EXPECT_EQ(f.mnuViewZoomIn->shortcuts(),
              QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl++")),
                                   QKeySequence(QStringLiteral("Ctrl+="))}));
    EXPECT_EQ(f.mnuViewZoomOut->shortcut(), QKeySequence(QStringLiteral("Ctrl+-")));
    EXPECT_EQ(f.mnuViewZoomNormal->shortcut(), QKeySequence(QStringLiteral("Ctrl+0")));

    EXPECT_EQ(f.mnuFileNew->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(f.mnuFileOpen->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(f.mnuFileSave->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(f.mnuEditInsertspace->shortcut(), QKeySequence(QStringLiteral("Ctrl+I")));
    EXPECT_EQ(f.mnuEditDeletespace->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
    EXPECT_EQ(f.mnuListenListen->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    EXPECT_EQ(f.mnuListenFromCursor->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+L")));
    EXPECT_TRUE(f.mnuListenEcho->isCheckable());
    EXPECT_TRUE(f.mnuFilePrint->shortcut().isEmpty());
    EXPECT_EQ(f.mnuEditUndo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(f.mnuEditRedo->shortcuts(),
              QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Y")),
                                   QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    EXPECT_EQ(f.mnuEditCut->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    EXPECT_EQ(f.mnuEditCopy->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    EXPECT_EQ(f.mnuEditPaste->shortcut(), QKeySequence(QStringLiteral("Ctrl+V")));
    EXPECT_EQ(f.mnuEditPasteInsert->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+V")));
    EXPECT_EQ(f.mnuEditSelectAll->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    EXPECT_EQ(f.mnuEditLyrics->shortcut(), QKeySequence(QStringLiteral("Ctrl+K")));
    // No key is the shortcut of two items.
    QList<QKeySequence> keys;
    for (const QAction* action : f.findChildren<QAction*>())
        for (const QKeySequence& key : action->shortcuts()) {
            EXPECT_FALSE(keys.contains(key)) << key.toString().toStdString();
            keys << key;
        }
    // Nothing to take back or make again in a fresh score.
    EXPECT_FALSE(f.mnuEditUndo->isEnabled());
    EXPECT_FALSE(f.mnuEditRedo->isEnabled());
}

TEST(Form1, HelpOpensOurPageAndAboutShowsTheVersion) {
    Editor e;
    e.form->mnuHelpHelp->trigger();
    ASSERT_EQ(e.shell.opened.size(), 1u);
    EXPECT_EQ(e.shell.opened[0], e.state().AppPath + "help/help.htm");
    EXPECT_TRUE(std::filesystem::exists(e.shell.opened[0]));
    EXPECT_TRUE(e.boxes.shown.empty());
    // No browser: the message names the page, to be opened by hand.
    e.shell.succeeds = false;
    e.form->mnuHelpHelp->trigger();
    ASSERT_EQ(e.boxes.shown.size(), 1u);
    EXPECT_EQ(e.boxes.shown[0].text,
              "ヘルプのページを開けませんでした。ブラウザーで次のファイルを開いてください。\n" +
                  e.state().AppPath + "help/help.htm");

    frmAbout about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("バージョン情報"));
    EXPECT_EQ(about.Label1->text(), QStringLiteral(" SORN楽譜エディタ\n　　　Ver. 2.5.0"));
    EXPECT_EQ(about.Command1->text(), QStringLiteral("閉じる"));
}

// The desktop's launcher exits 3 when it finds no program for the file;
// that, or no launcher at all, is a failure the window reports.
TEST(QtShell, ALauncherThatFindsNoProgramIsAFailure) {
    TempDir bin;
    const std::string launcher = bin.File("xdg-open");
    {
        std::ofstream script(launcher);
        script << "#!/bin/sh\ncase \"$1\" in *none*) exit 3;; esac\nexit 0\n";
    }
    std::filesystem::permissions(launcher, std::filesystem::perms::owner_all);
    const QByteArray path = qgetenv("PATH");
    std::vector<std::string> failed;
    QtShell shell;
    for (const std::string& dir : {bin.Path().string(), std::string("/nonexistent")}) {
        qputenv("PATH", dir.c_str());
        for (const std::string& file : {dir + "/shown.htm", dir + "/none.htm"})
            shell.Open(file, [&failed, file] { failed.push_back(file); });
    }
    qputenv("PATH", path);
    QTRY_COMPARE(failed.size(), 3u);
    QTest::qWait(200); // the shown file reports nothing, however long it takes
    std::sort(failed.begin(), failed.end());
    EXPECT_EQ(failed, std::vector<std::string>({"/nonexistent/none.htm", "/nonexistent/shown.htm",
                                                bin.File("none.htm")}));
}

} // namespace
} // namespace sorn::test

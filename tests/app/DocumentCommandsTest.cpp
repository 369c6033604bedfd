// New, Open, Save and closing, with the save question answered every way.

#include "EditorFixture.h"
#include "app/CommandLine.h"
#include "app/MdMain.h"
#include "app/ScoreArea.h"
#include "model/ScoreFileTexts.h"
#include "support/TempDir.h"

#include <QAction>
#include <QDropEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace sorn::test {
namespace {

// A two-part score on disk, tempo 90, part 1 on instrument 40.
std::string SaveTwoPartScore(const TempDir& dir, const std::string& name = "two.sorn") {
    SornData doc;
    doc.FileNew();
    doc.AddPart();
    doc.SetSpeed(90);
    doc.SetInstrumentNumber(1, "40");
    doc.SetGData1(1, 5, 0, 4, 126);
    EXPECT_FALSE(doc.FileSave(dir.File(name)));
    return dir.File(name);
}

TEST(CommandLine, QuotedPathOrWholeLine) {
    EXPECT_EQ(FileNameFromCommandLine(""), "");
    EXPECT_EQ(FileNameFromCommandLine("/home/u/My Songs/a.sorn"), "/home/u/My Songs/a.sorn");
    EXPECT_EQ(FileNameFromCommandLine("\"/tmp/x y.sorn\" --extra words"), "/tmp/x y.sorn");
    EXPECT_EQ(FileNameFromCommandLine("\"\""), "");
    // "--" ends the options once; a later one is a name.
    EXPECT_EQ(CommandLineFromArguments({"--", "-a b.sorn"}), "-a b.sorn");
    EXPECT_EQ(CommandLineFromArguments({"x", "--", "--"}), "x --");
}

TEST(StartUp, CommandLineOpensTheScore) {
    TempDir dir;
    const std::string path = SaveTwoPartScore(dir);
    Editor e(path);
    EXPECT_EQ(e.doc().PartSuu(), 1);
    EXPECT_EQ(e.doc().Speed(), 90);
    EXPECT_EQ(e.doc().SornFileName(), path);
    EXPECT_EQ(e.form->FlatScrollBar2->maximum(), 1);
    EXPECT_FALSE(e.state().ScoreModified);
}

TEST(StartUp, QuotedPathWithSpacesThenMoreText) {
    TempDir dir;
    const std::string path = SaveTwoPartScore(dir, "my song.sorn");
    Editor e("\"" + path + "\" ignored");
    EXPECT_EQ(e.doc().PartSuu(), 1);
}

TEST(StartUp, TextFileOrMissingOrDamagedFileGivesANewScore) {
    TempDir dir;
    WriteBytes(dir.File("notes.txt"), {'d', 'o', ' ', 'r', 'e'});
    // 255 parts of 30 positions promised in 23 bytes.
    WriteBytes(dir.File("damaged.sorn"), {'s', 'O', 'R', 'N', 'O', 'R', 'N', '2', 11, 0,  0, 0,
                                          7,   0,   0,   0,   255, 30,  0,   0,   0,  60, 0});
    for (const std::string& line :
         {dir.File("notes.txt"), dir.File("missing.sorn"), dir.File("damaged.sorn")}) {
        Editor e(line);
        // No score was open yet that could stay.
        for (const auto& shown : e.boxes.shown)
            EXPECT_EQ(shown.text.find("開いている楽譜"), std::string::npos) << shown.text;
        EXPECT_TRUE(e.doc().HasParts());
        EXPECT_EQ(e.doc().PartSuu(), 0);
        EXPECT_EQ(e.doc().Length(), 30);
        EXPECT_FALSE(e.state().ScoreModified);
    }
}

TEST(NewCommand, AsksOnlyWhenChanged) {
    Editor e;
    e.form->mnuFileNew->trigger();
    EXPECT_TRUE(e.boxes.shown.empty());

    e.EnterNote();
    e.state().CursorPitch = 140;
    e.boxes.answers = {MsgResult::Cancel};
    e.form->mnuFileNew->trigger();
    ASSERT_EQ(e.boxes.shown.size(), 1u);
    EXPECT_EQ(e.boxes.shown[0].text, MdMain::kUnsavedQuestion);
    EXPECT_EQ(e.boxes.shown[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(e.boxes.shown[0].icon, MsgIcon::Question);
    EXPECT_EQ(e.doc().GetGSyurui(0, 0, 0), 3); // kept, cursor too
    EXPECT_EQ(e.state().CursorPitch, 140);

    e.boxes.answers = {MsgResult::No};
    e.form->mnuFileNew->trigger();
    EXPECT_EQ(e.doc().GetGSyurui(0, 0, 0), 0);
    EXPECT_EQ(e.state().CursorPitch, 128);
    EXPECT_FALSE(e.state().ScoreModified);
}

TEST(NewCommand, YesThenCancelledSaveDialogAbandons) {
    Editor e;
    e.EnterNote();
    e.boxes.answers = {MsgResult::Yes};
    e.dialogs.answers = {std::nullopt};
    e.form->mnuFileNew->trigger();
    EXPECT_EQ(e.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(e.doc().GetGSyurui(0, 0, 0), 3);
    EXPECT_TRUE(e.state().ScoreModified);
}

TEST(OpenCommand, ResetsPartCursorAndPitch) {
    TempDir dir;
    const std::string path = SaveTwoPartScore(dir);
    Editor e(path);
    e.form->FlatScrollBar2->setValue(1);
    EXPECT_EQ(e.state().CurrentPart, 1);
    e.state().CursorPitch = 100;
    e.dialogs.answers = {path};
    e.form->mnuFileOpen->trigger();
    ASSERT_EQ(e.dialogs.openRequests.size(), 1u);
    EXPECT_EQ(e.dialogs.openRequests[0].filter,
              "楽譜ファイル|*.sorn|MusicXMLファイル|*.musicxml;*.xml;*.mxl");
    EXPECT_EQ(e.dialogs.openRequests[0].defaultExtension, "sorn");
    EXPECT_EQ(e.state().CurrentPart, 0);
    EXPECT_EQ(e.form->FlatScrollBar2->value(), 0);
    EXPECT_EQ(e.state().CursorPitch, 128);
}

TEST(OpenCommand, SaveQuestionAnsweredYesSavesFirst) {
    TempDir dir;
    const std::string path = SaveTwoPartScore(dir);
    Editor e;
    e.EnterNote();
    e.boxes.answers = {MsgResult::Yes};
    e.dialogs.answers = {dir.File("first.sorn"), path};
    e.form->mnuFileOpen->trigger();
    EXPECT_EQ(ReadBytes(dir.File("first.sorn")).size(), 958u);
    EXPECT_EQ(e.doc().PartSuu(), 1);
    EXPECT_FALSE(e.state().ScoreModified);
}

TEST(OpenCommand, CancelledDialogOrDamagedFileKeepsEverything) {
    TempDir dir;
    Editor e;
    e.EnterNote();
    e.boxes.answers = {MsgResult::No};
    e.dialogs.answers = {std::nullopt};
    e.form->mnuFileOpen->trigger();
    EXPECT_EQ(e.doc().GetGSyurui(0, 0, 0), 3);
    EXPECT_TRUE(e.state().ScoreModified);

    std::vector<std::uint8_t> damaged = {'s', 'O', 'R', 'N', 'O', 'R', 'N', '2', 11, 0,  0, 0,
                                         7,   0,   0,   0,   255, 30,  0,   0,   0,  60, 0};
    WriteBytes(dir.File("damaged.sorn"), damaged);
    e.boxes.answers = {MsgResult::No};
    e.boxes.shown.clear();
    EXPECT_EQ(MdMain::Open(*e.form, dir.File("damaged.sorn")), MdMain::kFailed);
    ASSERT_EQ(e.boxes.shown.size(), 2u);
    EXPECT_EQ(e.boxes.shown[1].text, texts::DamagedFile);
    EXPECT_EQ(e.doc().GetGSyurui(0, 0, 0), 3);
    EXPECT_TRUE(e.state().ScoreModified);
}

// After "No" to the save question, a file that is not a score is refused
// with a message; the edited score keeps its mark and its history, so New
// still asks.
TEST(OpenCommand, TextFileIsRefusedAndKeepsTheEditedScore) {
    TempDir dir;
    const std::string path = SaveTwoPartScore(dir);
    Editor e(path);
    WriteBytes(dir.File("readme.txt"), {'h', 'i'});
    e.form->FlatScrollBar1->setValue(3);
    e.state().CursorPitch = 99;
    QTest::keyClick(e.form.get(), Qt::Key_D);
    ASSERT_TRUE(e.form->History().Stack().canUndo());
    e.boxes.answers = {MsgResult::No};
    EXPECT_EQ(MdMain::Open(*e.form, dir.File("readme.txt")), MdMain::kFailed);
    ASSERT_EQ(e.boxes.shown.size(), 2u);
    EXPECT_EQ(e.boxes.shown[1].text, "このファイルは楽譜ではないため開くことができません。\n" +
                                         dir.File("readme.txt") +
                                         "\n開いている楽譜はそのまま残ります。");
    EXPECT_EQ(e.doc().SornFileName(), path);
    EXPECT_EQ(e.doc().GetGSyurui(0, 3, 0), 3);
    EXPECT_EQ(e.state().CursorPitch, 99);
    EXPECT_EQ(e.form->FlatScrollBar1->value(), 3);
    EXPECT_TRUE(e.state().ScoreModified);
    EXPECT_TRUE(e.form->History().Stack().canUndo());
    e.boxes.answers = {MsgResult::Cancel};
    e.form->mnuFileNew->trigger();
    EXPECT_EQ(e.boxes.shown.back().text, MdMain::kUnsavedQuestion);
    EXPECT_EQ(e.doc().GetGSyurui(0, 3, 0), 3);
}

TEST(SaveCommand, ProposesTheFileNameAndClearsTheMark) {
    TempDir dir;
    const std::string path = SaveTwoPartScore(dir);
    Editor e(path);
    e.EnterNote();
    e.dialogs.answers = {dir.File("copy.sorn")};
    e.form->mnuFileSave->trigger();
    ASSERT_EQ(e.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(e.dialogs.saveRequests[0].presetName, path);
    EXPECT_FALSE(e.state().ScoreModified);
    EXPECT_EQ(e.doc().SornFileName(), dir.File("copy.sorn"));
}

TEST(SaveCommand, FailureKeepsTheMarkAndSaysWhy) {
    TempDir dir;
    Editor e;
    e.EnterNote();
    e.dialogs.answers = {dir.File("no-such-folder/x.sorn")};
    EXPECT_EQ(MdMain::Save(*e.form), MdMain::kFailed);
    EXPECT_TRUE(e.state().ScoreModified);
    ASSERT_EQ(e.boxes.shown.size(), 1u);
    EXPECT_NE(e.boxes.shown[0].text.find("楽譜を保存できませんでした。"), std::string::npos);
    EXPECT_NE(e.boxes.shown[0].text.find("見つかりません"), std::string::npos);
}

TEST(Closing, SaveQuestionDecides) {
    TempDir dir;
    {
        Editor e;
        e.EnterNote();
        e.boxes.answers = {MsgResult::Cancel};
        EXPECT_FALSE(e.form->close());
        EXPECT_TRUE(e.form->isVisible());
    }
    {
        Editor e;
        e.EnterNote();
        e.boxes.answers = {MsgResult::No};
        EXPECT_TRUE(e.form->close());
        EXPECT_TRUE(e.dialogs.saveRequests.empty());
    }
    {
        Editor e;
        e.EnterNote();
        e.boxes.answers = {MsgResult::Yes};
        e.dialogs.answers = {std::nullopt};
        EXPECT_FALSE(e.form->close()); // the save was cancelled
        e.boxes.answers = {MsgResult::Yes};
        e.dialogs.answers = {dir.File("closing.sorn")};
        EXPECT_TRUE(e.form->close());
        EXPECT_EQ(ReadBytes(dir.File("closing.sorn")).size(), 958u);
    }
    {
        Editor e; // nothing changed: no question at all
        EXPECT_TRUE(e.form->close());
        EXPECT_TRUE(e.boxes.shown.empty());
    }
}

TEST(Dropping, FirstFileOpensAfterTheDrop) {
    TempDir dir;
    const std::string path = SaveTwoPartScore(dir);
    Editor e;
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(path)),
                  QUrl::fromLocalFile(QStringLiteral("/nonexistent/second.sorn"))});
    // A drop arrives as the drag enters, then the drop itself.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(e.form->Picture2, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(e.form->Picture2, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(e.doc().PartSuu(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(e.doc().PartSuu(), 1);
}

} // namespace
} // namespace sorn::test

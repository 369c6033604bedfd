// MusicXML through the window and the command line: the File menu command,
// opening from the dialog, the command line and batch mode, all through the
// same code.

#include "../app/EditorFixture.h"
#include "app/Batch.h"
#include "app/MdMain.h"
#include "app/PanelBar.h"
#include "platform/EditorSettings.h"
#include "support/BatchCommand.h"
#include "support/Examples.h"
#include "support/TempDir.h"

#include <QAction>
#include <QMenu>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace sorn::test {
namespace {

// A song from elsewhere with one chord in it.
constexpr const char* kSong = R"(<?xml version="1.0" encoding="UTF-8"?>
<score-partwise version="4.0"><part-list><score-part id="P1"><part-name>Voice</part-name></score-part></part-list>
<part id="P1"><measure number="1"><attributes><divisions>1</divisions></attributes>
<note><pitch><step>C</step><octave>5</octave></pitch><duration>2</duration><type>half</type></note>
<note><chord/><pitch><step>E</step><octave>5</octave></pitch><duration>2</duration><type>half</type></note>
</measure></part></score-partwise>)";
constexpr const char* kSummary = "この楽譜に書けないものは、読み込むときに次のとおり省きました。\n"
                                 "和音 1 か所は最上音だけを読み込みました。";

TEST(MusicXmlCommands, MenuAndCommandLineWriteTheSameFile) {
    TempDir dir;
    Editor e(Example("sakura.sorn"));
    const auto actions = e.form->mnuFile->actions();
    const auto midi = actions.indexOf(e.form->mnuFileMidisave);
    ASSERT_GE(midi, 0);
    EXPECT_EQ(actions.value(midi + 1), e.form->mnuFileMusicXmlsave);
    EXPECT_EQ(e.form->mnuFileMusicXmlsave->text(), "MusicXMLで保存(&L)");

    e.dialogs.answers = {std::nullopt, dir.File("menu.musicxml")};
    e.form->mnuFileMusicXmlsave->trigger(); // cancelled: nothing written
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    e.form->mnuFileMusicXmlsave->trigger();
    ASSERT_EQ(e.dialogs.saveRequests.size(), 2u);
    EXPECT_EQ(e.dialogs.saveRequests[1].defaultExtension, "musicxml");
    EXPECT_TRUE(e.boxes.shown.empty());

    ASSERT_EQ(Batch({"--export-musicxml", dir.File("batch.musicxml"), Example("sakura.sorn")}), 0);
    ASSERT_EQ(Batch({"-o", dir.File("short.musicxml"), Example("sakura.sorn")}), 0);
    ASSERT_EQ(Batch({"-o", dir.File("packed.mxl"), Example("sakura.sorn")}), 0);
    const auto menu = ReadBytes(dir.File("menu.musicxml"));
    EXPECT_EQ(menu, ReadBytes(dir.File("batch.musicxml")));
    EXPECT_EQ(menu, ReadBytes(dir.File("short.musicxml")));
    EXPECT_EQ(ReadBytes(dir.File("packed.mxl"))[0], 'P');

    // A failed export says why and leaves the old file as it was.
    std::string err;
    SornData bad;
    bad.FileNew();
    bad.SetSpeed(0);
    ASSERT_FALSE(bad.FileSave(dir.File("bad.sorn")));
    EXPECT_EQ(Batch({"-o", dir.File("batch.musicxml"), dir.File("bad.sorn")}, &err), 1);
    EXPECT_NE(err.find("テンポが0以下"), std::string::npos) << err;
    EXPECT_EQ(menu, ReadBytes(dir.File("batch.musicxml")));
}

// The canon's parts repeat differently: both the window and the command
// line write them out and say so once; the choice of the menu is kept and
// matches the option.
TEST(MusicXmlCommands, RepeatsWrittenOutAreSaidOnceAndTheChoiceIsKept) {
    TempDir dir;
    const std::string canon = Example("canon.sorn");
    const std::string notice = "パートごとに繰り返しが違うため、繰り返しを演奏順に書き出しました。";
    Editor e(canon);
    EXPECT_TRUE(e.form->mnuFileUnfoldAuto->isChecked());
    e.dialogs.answers = {dir.File("menu.musicxml"), dir.File("kept.musicxml")};
    e.form->mnuFileMusicXmlsave->trigger();
    EXPECT_TRUE(e.form->StatusBar1->PanelText(2).endsWith(QString::fromStdString(notice)))
        << e.form->StatusBar1->PanelText(2).toStdString();
    std::string err;
    ASSERT_EQ(Batch({"--export-musicxml", dir.File("batch.musicxml"), canon}, &err), 0);
    EXPECT_EQ(err, notice + "\n");
    EXPECT_EQ(ReadBytes(dir.File("menu.musicxml")), ReadBytes(dir.File("batch.musicxml")));

    e.form->mnuFileUnfoldNever->trigger();
    EXPECT_EQ(EditorSettings().value(QStringLiteral("musicxml/unfoldRepeats")).toString(),
              QStringLiteral("never"));
    e.form->mnuFileMusicXmlsave->trigger();
    err.clear();
    ASSERT_EQ(Batch({"-o", dir.File("never.musicxml"), "--unfold-repeats", "never", canon}, &err),
              0);
    EXPECT_EQ(err, "");
    EXPECT_EQ(ReadBytes(dir.File("kept.musicxml")), ReadBytes(dir.File("never.musicxml")));
    EXPECT_EQ(Batch({"-o", dir.File("x.musicxml"), "--unfold-repeats", "some", canon}, &err), 2);
    EXPECT_EQ(Batch({"-o", dir.File("x.mid"), "--unfold-repeats", "never", canon}, &err), 2);
}

// Opened from the dialog, the score is untitled, so Save asks for a new
// name; what was left out is said once.
TEST(MusicXmlCommands, OpenedScoreIsUntitledAndSaysWhatWasLeftOut) {
    TempDir dir;
    std::ofstream(dir.File("song.musicxml")) << kSong;
    Editor e(Example("sakura.sorn"));
    e.dialogs.answers = {dir.File("song.musicxml")};
    e.form->mnuFileOpen->trigger();
    ASSERT_EQ(e.dialogs.openRequests.size(), 1u);
    EXPECT_EQ(e.dialogs.openRequests[0].filter,
              "楽譜ファイル|*.sorn|MusicXMLファイル|*.musicxml;*.xml;*.mxl");
    ASSERT_EQ(e.boxes.shown.size(), 1u);
    EXPECT_EQ(e.boxes.shown[0].text, kSummary);
    EXPECT_EQ(e.doc().GetGSyurui(0, 0, 0), 2); // the half note E5 on its own
    EXPECT_EQ(e.doc().GetGAtai(0, 0, 0), 131);
    EXPECT_FALSE(e.state().ScoreModified);
    e.dialogs.answers = {std::nullopt};
    e.form->mnuFileSave->trigger();
    ASSERT_EQ(e.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(e.dialogs.saveRequests[0].presetName, "");

    // A damaged file is refused and the score stays.
    std::ofstream(dir.File("cut.xml")) << std::string(kSong).substr(0, 200);
    e.boxes.shown.clear();
    e.dialogs.answers = {dir.File("cut.xml")};
    e.form->mnuFileOpen->trigger();
    ASSERT_EQ(e.boxes.shown.size(), 1u);
    EXPECT_NE(e.boxes.shown[0].text.find("壊れています"), std::string::npos);
    EXPECT_EQ(e.doc().GetGAtai(0, 0, 0), 131);

    // The command line opens it the same way.
    Editor started(dir.File("song.musicxml"));
    EXPECT_EQ(started.doc().GetGAtai(0, 0, 0), 131);
    EXPECT_EQ(started.doc().SornFileName(), "");
}

TEST(MusicXmlCommands, BatchReadsMusicXmlAsInput) {
    TempDir dir;
    std::ofstream(dir.File("song.xml")) << kSong;
    std::string err;
    ASSERT_EQ(Batch({"--save-as", dir.File("song.sorn"), dir.File("song.xml")}, &err), 0);
    EXPECT_EQ(err, std::string(kSummary) + "\n");
    SornData saved;
    ScriptedMessageBoxes boxes;
    ASSERT_EQ(saved.FileOpen(dir.File("song.sorn"), boxes), OpenResult::Opened);
    EXPECT_EQ(saved.GetGAtai(0, 0, 0), 131);

    std::ofstream(dir.File("page.xml")) << "<html/>";
    EXPECT_EQ(Batch({"--info", dir.File("page.xml")}, &err), 1);
    EXPECT_NE(err.find("MusicXML ファイルではありません。"), std::string::npos) << err;
}

} // namespace
} // namespace sorn::test

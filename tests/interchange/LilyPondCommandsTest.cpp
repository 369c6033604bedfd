// LilyPond through the window and the command line: the File menu command
// and batch mode write the same file, and the print dialog and batch mode
// engrave through the same code (here with a stand-in for LilyPond).

#include "../app/EditorFixture.h"
#include "dialogs/Form3.h"
#include "support/BatchCommand.h"
#include "support/Environment.h"
#include "support/Examples.h"
#include "support/RecordingPrinter.h"
#include "support/TempDir.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace sorn::test {
namespace {

std::string Read(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

TEST(LilyPondCommands, MenuAndCommandLineWriteTheSameFile) {
    TempDir dir;
    const std::string score = Example("amazing-grace.sorn");
    Editor e(score);
    const auto actions = e.form->mnuFile->actions();
    EXPECT_EQ(actions.value(actions.indexOf(e.form->mnuFileMusicXmlsave) + 1),
              e.form->mnuFileLilyPondsave);
    EXPECT_EQ(e.form->mnuFileLilyPondsave->text(), "LilyPondで保存(&Y)");
    e.dialogs.answers = {dir.File("menu.ly")};
    e.form->mnuFileLilyPondsave->trigger();
    ASSERT_EQ(e.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(e.dialogs.saveRequests[0].defaultExtension, "ly");
    EXPECT_TRUE(e.boxes.shown.empty());

    ASSERT_EQ(Batch({"--export-lilypond", dir.File("batch.ly"), score}), 0);
    ASSERT_EQ(Batch({"-o", dir.File("short.ly"), score}), 0);
    const std::string menu = Read(dir.File("menu.ly"));
    EXPECT_EQ(menu.rfind("\\version \"2.24.0\"\n", 0), 0u);
    EXPECT_EQ(menu, Read(dir.File("batch.ly")));
    EXPECT_EQ(menu, Read(dir.File("short.ly")));
}

// The stand-in writes back the first line of the text it was given; without
// LilyPond both ways say which packages to install.
TEST(LilyPondCommands, PrintDialogAndCommandLineEngrave) {
    TempDir dir;
    std::filesystem::create_directories(dir.Path() / "bin");
    const Environment path("PATH", (dir.Path() / "bin").string());
    const std::string program = dir.File("bin/lilypond");
    std::ofstream(program)
        << "#!/bin/sh\nfor a; do [ \"$prev\" = -o ] && out=$a; prev=$a; done\n"
           "IFS= read -r line < \"$prev\"; printf '%s' \"$line\" > \"$out.pdf\"\n";
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    const std::string score = Example("canon.sorn");
    FreshSettings settings;
    RecordingPrinter printer;
    ScriptedFileDialogs dialogs;
    RecordingShell shell;
    ScriptedMessageBoxes boxes;
    SornData doc;
    ASSERT_EQ(doc.FileOpen(score, boxes), OpenResult::Opened);
    const PrintServices services{printer, dialogs, shell, boxes};

    Form3 form{doc, 0, services};
    form.optFullScore->setChecked(true);
    dialogs.answers = {dir.File("dialog.pdf")};
    form.cmdEngrave->click();
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].presetName,
              (std::filesystem::path(score).parent_path() / "canon.pdf").string());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(Read(dir.File("dialog.pdf")), "\\version \"2.24.0\"");
    EXPECT_EQ(form.result(), QDialog::Accepted);
    ASSERT_EQ(Batch({"--engrave-pdf", dir.File("batch.pdf"), "--part", "2", score}), 0);
    EXPECT_EQ(Read(dir.File("batch.pdf")), "\\version \"2.24.0\"");
    EXPECT_EQ(Batch({"--engrave-pdf", dir.File("x.pdf"), "--part", "3", score}), 1);
    EXPECT_EQ(Batch({"--engrave-pdf", dir.File("x.pdf"), "--part", "1", "--score", score}), 2);

    std::filesystem::remove(program);
    Form3 without{doc, 0, services};
    dialogs.answers = {dir.File("none.pdf")};
    without.cmdEngrave->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("sudo apt install lilypond fonts-noto-cjk"),
              std::string::npos);
    EXPECT_NE(without.result(), QDialog::Accepted);
    std::string err;
    EXPECT_EQ(Batch({"--engrave-pdf", dir.File("none.pdf"), score}, &err), 1);
    EXPECT_NE(err.find("sudo apt install lilypond fonts-noto-cjk"), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("none.pdf")));
}

} // namespace
} // namespace sorn::test

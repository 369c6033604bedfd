// Recovery copies: what a killed editor leaves, what the next start offers,
// and that saving, closing and a second editor leave each other's alone.

#include "EditorFixture.h"
#include "app/AutoSave.h"
#include "app/MdMain.h"
#include "app/RecentFiles.h"
#include "platform/EditorSettings.h"
#include "support/Examples.h"
#include "support/TempDir.h"

#include <QDir>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace sorn::test {
namespace {

constexpr const char* kChildDir = "SORN_RECOVERY_CHILD";
constexpr int kSlowStartMs = 60000; // a sanitized child starts slowly on a busy machine

QStringList Copies() {
    return QDir(RecoveryFolder()).entryList({QStringLiteral("*.sorn")}, QDir::Files);
}

void UseInterval(int seconds) {
    EditorSettings settings;
    settings.setValue(QStringLiteral("autosave/intervalSeconds"), seconds);
    settings.sync();
}

// Keys as a user types them: two notes, then idle until the copy is written.
void TypeAndWaitForCopy(Editor& e, int copiesBefore) {
    QTest::keyClick(e.form.get(), Qt::Key_D);
    QTest::keyClick(e.form.get(), Qt::Key_Right);
    QTest::keyClick(e.form.get(), Qt::Key_F);
    ASSERT_TRUE(e.state().ScoreModified);
    QTRY_COMPARE_WITH_TIMEOUT(Copies().size(), copiesBefore + 1, 10000);
}

std::vector<std::uint8_t> Bytes(const SornData& doc, const std::string& path) {
    SornData copy = doc;
    EXPECT_FALSE(copy.FileSave(path));
    return ReadBytes(path);
}

// The child half of the test below: the same test in a process of its own.
void RunChild(const std::string& dir) {
    Editor e(dir + "/score.sorn");
    TypeAndWaitForCopy(e, 0);
    Bytes(e.doc(), dir + "/typed.sorn");
    WriteBytes(dir + "/ready", {});
    for (;;)
        QTest::qWait(100); // until killed
}

TEST(Recovery, KilledEditorsWorkComesBackAndNoEditorTakesAnothersCopy) {
    if (qEnvironmentVariableIsSet(kChildDir)) return RunChild(qgetenv(kChildDir).toStdString());
    TempDir dir;
    UseInterval(1);
    std::filesystem::copy_file(Example(), dir.File("score.sorn"));

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kChildDir, QString::fromStdString(dir.Path().string()));
    env.insert(QStringLiteral("SORN_TEST_KEEP_XDG"), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=Recovery.KilledEditors*")});
    QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(dir.File("ready")), kSlowStartMs);

    // A second editor while the first runs: not offered its copy, keeps its own.
    Editor other;
    EXPECT_TRUE(other.boxes.shown.empty());
    TypeAndWaitForCopy(other, 1);

    child.kill(); // SIGKILL: nothing of the editor's own clean-up runs
    ASSERT_TRUE(child.waitForFinished(10000));
    ASSERT_EQ(Copies().size(), 2);

    // The next start offers the dead editor's copy, naming its file, and restores it.
    Editor next({}, {MsgResult::Yes});
    ASSERT_EQ(next.boxes.shown.size(), 1u);
    EXPECT_NE(next.boxes.shown[0].text.find("復元用コピー"), std::string::npos);
    EXPECT_NE(next.boxes.shown[0].text.find(dir.File("score.sorn")), std::string::npos);
    EXPECT_TRUE(next.state().ScoreModified);
    EXPECT_EQ(next.doc().SornFileName(), dir.File("score.sorn"));
    EXPECT_EQ(Bytes(next.doc(), dir.File("restored.sorn")), ReadBytes(dir.File("typed.sorn")));
    EXPECT_EQ(Copies().size(), 2); // still protected until saved
    // Taking back an edit made after restoring does not make it look saved.
    QTest::keyClick(next.form.get(), Qt::Key_A);
    next.form->mnuEditUndo->trigger();
    EXPECT_TRUE(next.state().ScoreModified);

    // 保存 writes it back under its own name and removes its copy; the other's stays.
    next.dialogs.answers = {dir.File("score.sorn")};
    next.form->mnuFileSave->trigger();
    EXPECT_EQ(next.dialogs.saveRequests.at(0).presetName, dir.File("score.sorn"));
    EXPECT_EQ(ReadBytes(dir.File("score.sorn")), ReadBytes(dir.File("typed.sorn")));
    EXPECT_EQ(Copies().size(), 1);

    // Opening a file that is not a score leaves the score on screen, and its copy.
    WriteBytes(dir.File("notes.txt"), {'x'});
    other.boxes.answers = {MsgResult::No};
    MdMain::Open(*other.form, dir.File("notes.txt"));
    EXPECT_EQ(Copies().size(), 1);
    EXPECT_FALSE(RecentFiles().contains(QString::fromStdString(dir.File("notes.txt"))));

    // A normal close leaves none.
    EXPECT_TRUE(other.form->close());
    EXPECT_TRUE(Copies().isEmpty());
}

// A copy left behind is kept for later (Cancel), kept after a second thought
// (No, No) or deleted (No, Yes); declining never restores it.
TEST(Recovery, DecliningAsksTwiceBeforeDeleting) {
    struct Case {
        std::deque<MsgResult> answers;
        std::size_t questions;
        bool kept;
    };
    const Case cases[] = {{{MsgResult::Cancel}, 1, true},
                          {{MsgResult::No, MsgResult::No}, 2, true},
                          {{MsgResult::No, MsgResult::Yes}, 2, false}};
    for (const Case& c : cases) {
        const QString base = RecoveryFolder() + QStringLiteral("/left");
        std::filesystem::copy_file(Example(), RecoveryScore(base).toStdString(),
                                   std::filesystem::copy_options::overwrite_existing);
        Editor e({}, c.answers);
        EXPECT_EQ(e.boxes.shown.size(), c.questions);
        EXPECT_EQ(Copies().size(), c.kept ? 1 : 0);
        EXPECT_FALSE(e.state().ScoreModified);
        EXPECT_TRUE(e.doc().SornFileName().empty());
    }
}

} // namespace
} // namespace sorn::test

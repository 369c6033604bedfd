// Recovery copies: what a killed editor leaves, what the next start offers,
// and that saving, closing and a second editor leave each other's alone.

#include "app/Recovery.h"
#include "EditorFixture.h"
#include "app/AutoSave.h"
#include "app/MdMain.h"
#include "app/RecentFiles.h"
#include "app/RecoveryDialog.h"
#include "model/AtomicFile.h"
#include "platform/EditorSettings.h"
#include "support/Examples.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>

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

// Answers the list of left copies once start-up shows it; the rows it showed
// go to *rows.
void WhenListShown(std::function<void(RecoveryDialog&)> answer, QStringList* rows = nullptr) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        auto* dialog = qobject_cast<RecoveryDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll->deleteLater();
        poll->stop();
        for (int i = 0; rows && i < dialog->List->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = dialog->List->topLevelItem(i);
            *rows << item->text(0) + u' ' + item->text(2);
        }
        answer(*dialog);
    });
    poll->start(10);
}

std::string Base(const std::string& name) {
    return (RecoveryFolder() + u'/' + QString::fromStdString(name)).toStdString();
}

bool Mentions(const Editor& e, const std::string& words) {
    for (const ShownMessage& message : e.boxes.shown)
        if (message.text.find(words) != std::string::npos) return true;
    return false;
}

std::vector<std::uint8_t> Bytes(const SornData& doc, const std::string& path) {
    SornData copy = doc;
    EXPECT_FALSE(copy.FileSave(path));
    return ReadBytes(path);
}

// The child half of the test below: the same test in a process of its own.
// It opens the score by a name relative to its own folder.
void RunChild(const std::string& dir) {
    QDir::setCurrent(QString::fromStdString(dir));
    Editor e("score.sorn");
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

    // The next start, in another folder, lists the dead editor's copy under
    // its file's whole name, and restores it.
    const std::string score = std::filesystem::canonical(dir.File("score.sorn")).string();
    QStringList rows;
    WhenListShown([](RecoveryDialog& list) { list.RestoreButton->click(); }, &rows);
    Editor next;
    ASSERT_EQ(rows.size(), 1);
    EXPECT_TRUE(rows[0].startsWith(QString::fromStdString(score))) << rows[0].toStdString();
    EXPECT_TRUE(next.boxes.shown.empty());
    EXPECT_TRUE(next.state().ScoreModified);
    EXPECT_EQ(next.doc().SornFileName(), score);
    EXPECT_EQ(Bytes(next.doc(), dir.File("restored.sorn")), ReadBytes(dir.File("typed.sorn")));
    EXPECT_EQ(Copies().size(), 2); // still protected until saved
    // Taking back an edit made after restoring does not make it look saved.
    QTest::keyClick(next.form.get(), Qt::Key_A);
    next.form->mnuEditUndo->trigger();
    EXPECT_TRUE(next.state().ScoreModified);

    // 保存 writes it back under its own name and removes its copy; the other's stays.
    next.dialogs.answers = {score};
    next.form->mnuFileSave->trigger();
    EXPECT_EQ(next.dialogs.saveRequests.at(0).presetName, score);
    EXPECT_EQ(ReadBytes(dir.File("score.sorn")), ReadBytes(dir.File("typed.sorn")));
    EXPECT_EQ(Copies().size(), 1);

    // Opening a file that is not a score leaves the score on screen, and its copy.
    WriteBytes(dir.File("notes.txt"), {'x'});
    other.boxes.answers = {MsgResult::No};
    MdMain::Open(*other.form, dir.File("notes.txt"));
    EXPECT_EQ(Copies().size(), 1);
    EXPECT_FALSE(RecentFiles().contains(QString::fromStdString(dir.File("notes.txt"))));

    // A normal close, the changes given up, leaves none.
    other.boxes.answers = {MsgResult::No};
    EXPECT_TRUE(other.form->close());
    EXPECT_TRUE(Copies().isEmpty());
}

// Many copies left behind are one list: all kept, all deleted (after a
// second thought), or one restored and the others deleted. A copy shorter
// than its note says is restored with a word; one that is not a score at
// all says why it was not restored, and stays.
TEST(Recovery, OneListForAllLeftCopies) {
    SornData score;
    ScriptedMessageBoxes quiet;
    ASSERT_EQ(score.FileOpen(Example(), quiet), OpenResult::Opened);
    struct Case {
        std::function<void(RecoveryDialog&)> answer;
        std::deque<MsgResult> answers;
        int copiesAfter;
        bool restored;
        const char* says;
    };
    const Case cases[] = {
        {[](RecoveryDialog& d) { d.KeepButton->click(); }, {}, 3, false, nullptr},
        {[](RecoveryDialog& d) { d.DeleteAllButton->click(); }, {MsgResult::No}, 3, false, nullptr},
        {[](RecoveryDialog& d) { d.DeleteAllButton->click(); },
         {MsgResult::Yes},
         0,
         false,
         nullptr},
        {[](RecoveryDialog& d) {
             d.List->setCurrentItem(
                 d.List->findItems(QStringLiteral("不完全"), Qt::MatchExactly, 2).value(0));
             d.DeleteOthersBox->setChecked(true);
             d.RestoreButton->click();
         },
         {MsgResult::Ok, MsgResult::Yes},
         1,
         true,
         "途中で終わって"},
        {[](RecoveryDialog& d) {
             d.List->setCurrentItem(d.List->topLevelItem(d.List->topLevelItemCount() - 1));
             d.RestoreButton->click();
         },
         {},
         3,
         false,
         "中身が楽譜ではありません"},
    };
    for (const Case& c : cases) {
        for (const char* name : {"whole", "cut"})
            ASSERT_FALSE(WriteCopy(score, RecoveryScore(QString::fromStdString(Base(name))),
                                   RecoveryNote(QString::fromStdString(Base(name)))));
        const std::string cut = Base("cut.sorn");
        std::filesystem::resize_file(cut, std::filesystem::file_size(cut) - 30);
        // The empty one is the oldest, at the end of the list.
        WriteBytes(Base("empty.sorn"), {});
        const timeval old[2] = {{1000000000, 0}, {1000000000, 0}};
        ::utimes(Base("empty.sorn").c_str(), old);
        {
            QStringList rows;
            WhenListShown(c.answer, &rows);
            Editor e({}, c.answers);
            EXPECT_EQ(rows.size(), 3);
            EXPECT_EQ(Copies().size(), c.copiesAfter);
            EXPECT_EQ(e.state().ScoreModified, c.restored);
            EXPECT_TRUE(!c.says || Mentions(e, c.says));
            EXPECT_FALSE(Mentions(e, "Success"));
        }
        for (const QString& name : QDir(RecoveryFolder()).entryList(QDir::Files))
            QFile::remove(RecoveryFolder() + u'/' + name);
    }
}

// Nothing planted in the recovery folder or at the settings file is
// followed, waited on or replaced: a copy that is a link to a score, a note
// that is a FIFO, a link in place of a running editor's copy, a settings
// file that is a link to a FIFO. What editors that have gone left behind
// (temporaries, locks) is removed; a running editor's temporary is not.
TEST(Recovery, PlantedFilesAreLeftAloneAndLeftoversRemoved) {
    TempDir dir;
    std::filesystem::copy_file(Example(), dir.File("victim.sorn"));
    const auto victim = ReadBytes(dir.File("victim.sorn"));
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir.File("victim.sorn"), Base("linked.sorn"));
    std::filesystem::copy_file(Example(), Base("piped.sorn"));
    ASSERT_EQ(::mkfifo(Base("piped.json").c_str(), 0600), 0);
    const std::string settings = SettingsFilePath().toStdString();
    std::filesystem::create_directories(std::filesystem::path(settings).parent_path());
    const bool hadSettings = std::filesystem::exists(settings);
    if (hadSettings) std::filesystem::rename(settings, dir.File("settings.conf"));
    std::filesystem::create_symlink(dir.File("fifo"), settings);

    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    QProcess other; // running, but not an editor
    other.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(other.waitForStarted());
    const std::string marker(AtomicFile::TempMarker);
    const std::string stale = Base(".a.sorn" + marker + std::to_string(dead) + "-123456");
    const std::string foreign =
        Base(".b.json" + marker + std::to_string(other.processId()) + "-123456");
    const std::string live = Base(".c.sorn" + marker + std::to_string(::getpid()) + "-123456");
    const std::string lock = Base("gone.lock");
    const std::string note = Base("lost.json");
    for (const std::string& path : {stale, foreign, live, note})
        WriteBytes(path, {1});
    const std::string lockText = std::to_string(dead) + "\nsorn-editor\n\n";
    WriteBytes(lock, {lockText.begin(), lockText.end()});

    {
        Editor e;
        EXPECT_TRUE(Mentions(e, "linked.sorn"));
        EXPECT_TRUE(Mentions(e, "piped.json"));
        EXPECT_TRUE(Mentions(e, "設定ファイル"));
        EXPECT_FALSE(e.state().ScoreModified);
        EXPECT_FALSE(std::filesystem::exists(stale));
        EXPECT_FALSE(std::filesystem::exists(foreign));
        EXPECT_FALSE(std::filesystem::exists(lock));
        EXPECT_FALSE(std::filesystem::exists(note));
        EXPECT_TRUE(std::filesystem::exists(live));

        const std::string copy = RecoveryScore(e.form->AutoSaver().Base()).toStdString();
        std::filesystem::create_symlink(dir.File("victim.sorn"), copy);
        e.EnterNote();
        EXPECT_TRUE(e.form->AutoSaver().Write());
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(copy)));
        struct stat st {};
        ASSERT_EQ(::stat(RecoveryFolder().toStdString().c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
        e.state().ScoreModified = false;
        EXPECT_TRUE(e.form->close()); // writes the window's place
    }
    EXPECT_EQ(ReadBytes(dir.File("victim.sorn")), victim);
    EXPECT_TRUE(std::filesystem::is_symlink(settings));
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("fifo")));

    other.kill();
    other.waitForFinished();
    std::filesystem::remove(settings);
    if (hadSettings) std::filesystem::rename(dir.File("settings.conf"), settings);
    for (const QString& name :
         QDir(RecoveryFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(RecoveryFolder() + u'/' + name);
}

} // namespace
} // namespace sorn::test

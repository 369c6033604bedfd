// What a full disk or a killed process does to the files on disk: the old
// file stays whole, a new one appears only complete, and the editor keeps
// the score marked as changed.

#include "EditorFixture.h"
#include "app/Exports.h"
#include "model/SymbolCodes.h"
#include "support/TempDir.h"

#include <QAction>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace sorn::test {
namespace {

namespace fs = std::filesystem;

// A folder on a 64 KiB disk of its own; without the right to mount, a
// file-size limit on this process stands in for the full disk.
class SmallDisk {
public:
    explicit SmallDisk(const TempDir& dir) : path_(dir.File("disk")) {
        fs::create_directory(path_);
        mounted_ = ::mount("tmpfs", path_.c_str(), "tmpfs", 0, "size=64k") == 0;
        if (!mounted_) {
            ::signal(SIGXFSZ, SIG_IGN);
            ::getrlimit(RLIMIT_FSIZE, &saved_);
            rlimit limit{65536, saved_.rlim_max};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
    }
    ~SmallDisk() {
        if (mounted_) {
            ::umount(path_.c_str());
        } else {
            ::setrlimit(RLIMIT_FSIZE, &saved_);
        }
    }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    std::size_t Entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(path_), {}));
    }

private:
    std::string path_;
    bool mounted_ = false;
    rlimit saved_{};
};

// A score far larger than the small disk: 8 parts of 2001 positions.
void MakeLarge(SornData& doc) {
    doc.FileNew();
    for (int p = 1; p < 8; ++p)
        doc.AddPart();
    doc.SetLength(2000);
    for (int p = 0; p < 8; ++p)
        for (int i = 0; i <= 2000; ++i)
            doc.SetGData1(static_cast<std::uint8_t>(p), i, 0, Kind::EighthNote, 128);
}

TEST(FullDisk, EditorSaveKeepsTheOldFileAndTheMark) {
    TempDir dir;
    SmallDisk disk(dir);
    Editor e;
    e.dialogs.answers = {disk.File("song.sorn")};
    e.form->mnuFileSave->trigger();
    const auto before = ReadBytes(disk.File("song.sorn"));
    ASSERT_EQ(before.size(), 958u);

    MakeLarge(e.doc());
    e.state().ScoreModified = true;
    e.dialogs.answers = {disk.File("song.sorn")};
    e.form->mnuFileSave->trigger();
    EXPECT_TRUE(e.state().ScoreModified);
    ASSERT_EQ(e.boxes.shown.size(), 1u);
    EXPECT_NE(e.boxes.shown[0].text.find("楽譜を保存できませんでした。"), std::string::npos);
    EXPECT_EQ(ReadBytes(disk.File("song.sorn")), before);
    EXPECT_EQ(disk.Entries(), 1u);
}

TEST(FullDisk, MidiExportLeavesNothingHalfWritten) {
    TempDir dir;
    SmallDisk disk(dir);
    SornData doc;
    MakeLarge(doc);
    EXPECT_FALSE(ExportMidi(doc, disk.File("song.mid")).empty());
    EXPECT_EQ(disk.Entries(), 0u);
    // An older export of the same name stays as it was.
    SornData small;
    small.FileNew();
    small.SetGData1(0, 0, 0, Kind::QuarterNote, 128);
    ASSERT_TRUE(ExportMidi(small, disk.File("song.mid")).empty());
    const auto before = ReadBytes(disk.File("song.mid"));
    EXPECT_FALSE(ExportMidi(doc, disk.File("song.mid")).empty());
    EXPECT_EQ(ReadBytes(disk.File("song.mid")), before);
    EXPECT_EQ(disk.Entries(), 1u);
}

// Kills a child in the middle of writing `target` and returns once it is gone.
template <typename Write> void KillWhileWriting(const std::string& folder, Write write) {
    const pid_t child = ::fork();
    if (child == 0) {
        for (;;)
            write(); // keeps rewriting until killed
    }
    // Wait for a temporary file to appear, then give it a moment to grow.
    for (int i = 0; i < 2000; ++i) {
        bool writing = false;
        for (const auto& entry : fs::directory_iterator(folder))
            writing |= entry.path().filename().string().rfind(".", 0) == 0;
        if (writing) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
}

TEST(KilledWhileWriting, SaveAndExportNeverLeaveAPartialFile) {
    TempDir dir;
    SornData doc;
    MakeLarge(doc);
    for (int p = 0; p < 24; ++p)
        doc.AddPart(); // about 15 MB: writing takes a while
    SornData old;
    old.FileNew();
    ASSERT_FALSE(old.FileSave(dir.File("song.sorn")));
    ASSERT_TRUE(ExportMidi(old, dir.File("song.mid")).empty());
    const auto oldScore = ReadBytes(dir.File("song.sorn"));
    const auto oldMidi = ReadBytes(dir.File("song.mid"));

    KillWhileWriting(dir.Path().string(), [&] { (void)doc.FileSave(dir.File("song.sorn")); });
    KillWhileWriting(dir.Path().string(), [&] { (void)ExportMidi(doc, dir.File("song.mid")); });

    // Each name holds either the old file or a complete new one.
    const auto score = ReadBytes(dir.File("song.sorn"));
    const std::size_t fullScore = 23 + 32 * (5 + 30 * 2001);
    EXPECT_TRUE(score == oldScore || score.size() == fullScore) << score.size();
    SornData reread;
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(reread.FileOpen(dir.File("song.sorn"), boxes), OpenResult::Opened);
    const auto midi = ReadBytes(dir.File("song.mid"));
    EXPECT_TRUE(midi == oldMidi || midi.size() > 1000000u) << midi.size();
}

} // namespace
} // namespace sorn::test

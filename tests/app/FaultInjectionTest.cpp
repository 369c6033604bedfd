// What a full disk, a killed process, a link, a pipe or a cancel does to the
// files on disk: the old file stays whole, a new one appears only complete,
// and the editor keeps the score marked as changed.

#include "EditorFixture.h"
#include "app/BatchRender.h"
#include "app/Exports.h"
#include "dialogs/frmOnsyoku.h"
#include "model/AtomicFile.h"
#include "model/SymbolCodes.h"
#include "platform/BackgroundWork.h"
#include "platform/PrintJob.h"
#include "platform/QtPrinter.h"
#include "sound/SornWav.h"
#include "support/Examples.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace sorn::test {
namespace {

// The MIDI export's message in Japanese; empty when it wrote the file.
std::string MidiText(const SornData& doc, const std::string& path,
                     ProgressSink* progress = nullptr) {
    return Text(ExportMidi(doc, path, progress), Language::Japanese);
}

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
    bool Mounted() const { return mounted_; }
    // Takes every byte the disk has left, so that any new write fails.
    void FillUp() const {
        if (!mounted_) return; // the file-size limit already stops big files
        const int fd = ::open(File("filler").c_str(), O_WRONLY | O_CREAT, 0600);
        static const char block[4096] = {};
        for (std::size_t n = sizeof block; n > 0;)
            if (::write(fd, block, n) < 0) n /= 2;
        ::close(fd);
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
    EXPECT_FALSE(MidiText(doc, disk.File("song.mid")).empty());
    EXPECT_EQ(disk.Entries(), 0u);
    // An older export of the same name stays as it was.
    SornData small;
    small.FileNew();
    small.SetGData1(0, 0, 0, Kind::QuarterNote, 128);
    ASSERT_TRUE(MidiText(small, disk.File("song.mid")).empty());
    const auto before = ReadBytes(disk.File("song.mid"));
    EXPECT_FALSE(MidiText(doc, disk.File("song.mid")).empty());
    EXPECT_EQ(ReadBytes(disk.File("song.mid")), before);
    EXPECT_EQ(disk.Entries(), 1u);
}

// Kills a child in the middle of writing into folder and returns how it ended.
template <typename Write>
int KillWhileWriting(const std::string& folder, Write write, int signal = SIGKILL) {
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
    ::kill(child, signal);
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

std::size_t Temporaries(const fs::path& folder) {
    std::size_t n = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        n += entry.path().filename().string().find(AtomicFile::TempMarker) != std::string::npos;
    return n;
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
    ASSERT_TRUE(MidiText(old, dir.File("song.mid")).empty());
    const auto oldScore = ReadBytes(dir.File("song.sorn"));
    const auto oldMidi = ReadBytes(dir.File("song.mid"));

    KillWhileWriting(dir.Path().string(), [&] { (void)doc.FileSave(dir.File("song.sorn")); });
    KillWhileWriting(dir.Path().string(), [&] { (void)MidiText(doc, dir.File("song.mid")); });

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

// Every kind of file the program writes, through the code the menus and
// the command line use.
struct Writer {
    const char* extension;
    std::function<std::string(const SornData&, const std::string&)> write;
};

std::vector<Writer> Writers() {
    return {
        {".sorn",
         [](const SornData& doc, const std::string& path) {
             SornData copy = doc;
             const std::error_code ec = copy.FileSave(path);
             return ec ? ec.message() : std::string();
         }},
        {".mid", [](const SornData& doc, const std::string& path) { return MidiText(doc, path); }},
        {".wav", [](const SornData& doc,
                    const std::string& path) { return ExportWav(doc, 0, Timbre(), path); }},
        {".png", [](const SornData& doc,
                    const std::string& path) { return RenderPageImage(doc, PageRequest{}, path); }},
        {".pdf", [](const SornData& doc,
                    const std::string& path) { return PrintPdf(doc, PageRequest{}, path); }},
        {".svg", [](const SornData& doc,
                    const std::string& path) { return RenderView(doc, ViewRequest{}, path); }},
    };
}

// One note; another kind of note makes another file of every kind.
SornData Small(std::uint8_t kind = Kind::QuarterNote) {
    SornData doc;
    doc.FileNew();
    doc.SetGData1(0, 0, 0, kind, 128);
    return doc;
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(EveryWriter, FullDiskKeepsTheOldFileAndSaysWhy) {
    SornData large;
    MakeLarge(large);
    for (const Writer& w : Writers()) {
        SCOPED_TRACE(w.extension);
        TempDir dir;
        SmallDisk disk(dir);
        if (!disk.Mounted() && std::string(w.extension) == ".png") continue; // fits the limit
        const std::string old = disk.File(std::string("old") + w.extension);
        ASSERT_EQ(w.write(Small(Kind::SixteenthNote), old), "");
        const auto before = ReadBytes(old);
        disk.FillUp();
        const std::size_t entries = disk.Entries();
        const std::string fresh = disk.File(std::string("new") + w.extension);
        for (const std::string& target : {old, fresh}) {
            const std::string problem = w.write(large, target);
            EXPECT_NE(problem, "");
            if (std::string(w.extension) == ".pdf") {
                EXPECT_EQ(problem.rfind("PDF を書き出せませんでした: " + target + "\n", 0), 0u)
                    << problem;
                EXPECT_NE(problem.find(disk.Mounted() ? "ディスクの空き容量が足りません。"
                                                      : "ファイルが大きすぎて書き込めません。"),
                          std::string::npos)
                    << problem;
            }
        }
        EXPECT_EQ(ReadBytes(old), before);
        EXPECT_FALSE(fs::exists(fresh));
        EXPECT_EQ(disk.Entries(), entries);
    }
}

// A link stays a link and its file gets the bytes, also before that file
// exists; an existing file keeps its mode, a new one gets the umask's.
TEST(EveryWriter, KeepsLinksModesAndTheUmask) {
    const mode_t savedMask = ::umask(022);
    for (const Writer& w : Writers()) {
        SCOPED_TRACE(w.extension);
        TempDir dir;
        auto name = [&](const char* stem) { return dir.File(stem + std::string(w.extension)); };
        ASSERT_EQ(w.write(Small(), name("real")), "");
        const auto before = ReadBytes(name("real"));
        fs::create_symlink(name("real"), name("link"));
        fs::create_symlink("sub/../absent" + std::string(w.extension), name("dangling"));
        fs::create_directory(dir.File("sub"));
        ASSERT_EQ(w.write(Small(Kind::HalfNote), name("link")), "");
        ASSERT_EQ(w.write(Small(Kind::HalfNote), name("dangling")), "");
        EXPECT_TRUE(fs::is_symlink(name("link")));
        EXPECT_TRUE(fs::is_symlink(name("dangling")));
        EXPECT_NE(ReadBytes(name("real")), before);
        EXPECT_EQ(ReadBytes(name("absent")).size(), ReadBytes(name("real")).size());

        ::chmod(name("real").c_str(), 0600);
        const bool root = ::geteuid() == 0; // only root can give a file away
        if (root) {
            ASSERT_EQ(::chown(name("real").c_str(), 65534, 65534), 0);
        }
        ASSERT_EQ(w.write(Small(), name("real")), "");
        EXPECT_EQ(ModeOf(name("real")), 0600u);
        struct stat st {};
        ::stat(name("real").c_str(), &st);
        if (root) {
            EXPECT_EQ(st.st_uid, 65534u);
        }
        EXPECT_EQ(ModeOf(name("absent")), 0644u);
        ::umask(077);
        ASSERT_EQ(w.write(Small(), name("private")), "");
        EXPECT_EQ(ModeOf(name("private")), 0600u);
        ::umask(022);
        EXPECT_EQ(Temporaries(dir.Path()), 0u);
        // A folder is no file to replace.
        EXPECT_NE(w.write(Small(), dir.File("sub")), "");
        EXPECT_TRUE(fs::is_directory(dir.File("sub")));
    }
    ::umask(savedMask);
}

// A pipe's reader gets the same bytes a file would, and the pipe stays.
TEST(EveryWriter, StreamsIntoAFifo) {
    for (const Writer& w : Writers()) {
        SCOPED_TRACE(w.extension);
        TempDir dir;
        const std::string fifo = dir.File(std::string("pipe") + w.extension);
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        std::vector<std::uint8_t> read;
        std::thread reader([&] { read = ReadBytes(fifo); });
        EXPECT_EQ(w.write(Small(), fifo), "");
        reader.join();
        const std::string file = dir.File(std::string("file") + w.extension);
        ASSERT_EQ(w.write(Small(), file), "");
        if (std::string(w.extension) == ".pdf")
            EXPECT_EQ(std::string(read.begin(), read.begin() + 5), "%PDF-"); // dated inside
        else
            EXPECT_EQ(read, ReadBytes(file));
        EXPECT_TRUE(fs::is_fifo(fifo));
        EXPECT_EQ(Temporaries(dir.Path()), 0u);
        // A device stays a device (only root may make one to try it on).
        const std::string null = dir.File(std::string("null") + w.extension);
        if (::mknod(null.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0) {
            EXPECT_EQ(w.write(Small(), null), "");
            EXPECT_TRUE(fs::is_character_file(null));
        }
    }
}

// "-" writes to standard output; a folder is refused with a message.
TEST(BatchOutput, DashIsStandardOutput) {
    TempDir dir;
    const std::string example = Example();
    ASSERT_EQ(MidiText(
                  [&] {
                      SornData doc;
                      ScriptedMessageBoxes boxes;
                      doc.FileOpen(example, boxes);
                      return doc;
                  }(),
                  dir.File("file.mid")),
              "");
    const std::string command =
        std::string(SORN_EDITOR_EXE) + " --export-midi - " + example + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::vector<std::uint8_t> out;
    for (int c; (c = std::fgetc(pipe)) != EOF;)
        out.push_back(static_cast<std::uint8_t>(c));
    EXPECT_EQ(::pclose(pipe), 0);
    EXPECT_EQ(out, ReadBytes(dir.File("file.mid")));
    EXPECT_EQ(std::system((std::string(SORN_EDITOR_EXE) + " --export-midi " + dir.Path().string() +
                           " " + example + " 2>" + dir.File("err.txt"))
                              .c_str()),
              1 << 8);
    const auto err = ReadBytes(dir.File("err.txt"));
    EXPECT_NE(std::string(err.begin(), err.end()).find("フォルダが指定されました。"),
              std::string::npos);
}

// Temporary names fit NAME_MAX however long the target's name; what a
// killed writer of the same target left is removed by the next write, what
// a running writer or another target has is not.
TEST(TemporaryNames, LongNamesAndStaleTemporaries) {
    TempDir dir;
    for (const std::string& name : {std::string(250, 'n') + ".mid", [] {
                                        std::string kana;
                                        for (int i = 0; i < 83; ++i)
                                            kana += "あ";
                                        return kana;
                                    }()}) {
        EXPECT_EQ(MidiText(Small(), dir.File(name)), "");
        EXPECT_FALSE(ReadBytes(dir.File(name)).empty());
    }
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ::waitpid(dead, nullptr, 0);
    const std::string marker(AtomicFile::TempMarker);
    const std::string stale = dir.File(".song.mid" + marker + std::to_string(dead) + "-abcdef");
    const std::string live =
        dir.File(".song.mid" + marker + std::to_string(::getpid()) + "-abcdef");
    const std::string other = dir.File(".other.mid" + marker + std::to_string(dead) + "-abcdef");
    for (const std::string& path : {stale, live, other})
        WriteBytes(path, {1, 2, 3});
    EXPECT_EQ(MidiText(Small(), dir.File("song.mid")), "");
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(live));
    EXPECT_TRUE(fs::exists(other));
}

// SIGTERM, SIGINT and SIGHUP end the writer as they would have, but take
// its temporary file with them.
TEST(KilledWhileWriting, CatchableSignalsRemoveTheTemporary) {
    TempDir dir;
    SornData doc;
    MakeLarge(doc);
    const SornData old = Small();
    ASSERT_EQ(ExportWav(old, 0, Timbre(), dir.File("song.wav")), "");
    const auto oldWav = ReadBytes(dir.File("song.wav"));
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        const int status = KillWhileWriting(
            dir.Path().string(), [&] { (void)ExportWav(doc, 0, Timbre(), dir.File("song.wav")); },
            signal);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(Temporaries(dir.Path()), 0u);
        EXPECT_EQ(ReadBytes(dir.File("song.wav")), oldWav);
    }
}

// Escape during a WAV export from the menu stops it: no message, the old
// file as it was, no temporary file.
TEST(CancelledExport, EscapeLeavesTheOldFileAndNoTemporary) {
    TempDir dir;
    Editor e;
    MakeLarge(e.doc());
    WriteBytes(dir.File("song.wav"), {1, 2, 3});
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<frmOnsyoku*>(QApplication::activeModalWidget());
        if (!dialog) return;
        dialog->List1->setCurrentRow(0);
        dialog->Command1->click();
    });
    QTimer escape;
    QObject::connect(&escape, &QTimer::timeout, [&] {
        if (!BackgroundWork::Busy()) return;
        escape.stop();
        QTest::keyClick(e.form.get(), Qt::Key_Escape);
    });
    escape.start(1);
    e.dialogs.answers = {dir.File("song.wav")};
    e.form->mnuFileGmfsave->trigger();
    EXPECT_FALSE(escape.isActive());
    EXPECT_TRUE(e.boxes.shown.empty());
    EXPECT_EQ(ReadBytes(dir.File("song.wav")), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(Temporaries(dir.Path()), 0u);

    // The same for MIDI and PDF, stopped by their progress at once.
    struct Stop : ProgressSink {
        void SetMaximum(int) override {}
        void SetValue(int) override {}
        bool Cancelled() const override { return true; }
    } stop;
    WriteBytes(dir.File("song.mid"), {1, 2, 3});
    EXPECT_EQ(MidiText(e.doc(), dir.File("song.mid"), &stop), "");
    WriteBytes(dir.File("song.pdf"), {1, 2, 3});
    QtPrinter printer;
    EXPECT_EQ(PrintPart(e.doc(), 0, false, PaperSize::A4, 1, printer, dir.File("song.pdf"), nullptr,
                        &stop),
              PrintResult::Cancelled);
    for (const char* name : {"song.mid", "song.pdf"})
        EXPECT_EQ(ReadBytes(dir.File(name)), (std::vector<std::uint8_t>{1, 2, 3})) << name;
    EXPECT_EQ(Temporaries(dir.Path()), 0u);
}

} // namespace
} // namespace sorn::test

// Score files: the exact bytes written, every header variant a reader meets,
// damaged files, and saves that fail.

#include "model/DocumentChange.h"
#include "model/ScoreFileTexts.h"
#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "support/Scripted.h"
#include "support/TempDir.h"

#include <array>
#include <csignal>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sorn {
namespace {

using test::ReadBytes;
using test::ScriptedMessageBoxes;
using test::TempDir;
using test::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& b, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void PutText(Bytes& b, const char* s) {
    b.insert(b.end(), s, s + 4);
}

// A file header as other writers may have made it.
Bytes Header(const char* tag, std::int32_t headerSize, std::int32_t version, std::uint8_t partSuu,
             std::int32_t length, std::int16_t speed, int extraBytes = 0) {
    Bytes b;
    PutText(b, "sORN");
    PutText(b, tag);
    Put(b, static_cast<std::uint32_t>(headerSize), 4);
    Put(b, static_cast<std::uint32_t>(version), 4);
    Put(b, partSuu, 1);
    Put(b, static_cast<std::uint32_t>(length), 4);
    if (headerSize != 9) Put(b, static_cast<std::uint16_t>(speed), 2);
    b.insert(b.end(), static_cast<std::size_t>(extraBytes), 0xEE);
    return b;
}

// A part block whose records carry a recognisable note at every position.
void AppendPart(Bytes& b, std::int32_t partHeaderSize, std::uint8_t instrument, std::int32_t length,
                std::uint8_t notePitch) {
    Put(b, static_cast<std::uint32_t>(partHeaderSize), 4);
    if (partHeaderSize >= 1) b.push_back(instrument);
    for (int i = 1; i < partHeaderSize; ++i)
        b.push_back(0xAB);
    for (int iti = 0; iti <= length; ++iti) {
        Bytes record(30, 0);
        record[0] = Kind::QuarterNote;
        record[15] = notePitch;
        b.insert(b.end(), record.begin(), record.end());
    }
}

struct Opened {
    SornData doc;
    ScriptedMessageBoxes boxes;
    OpenResult result;
};

std::unique_ptr<Opened> OpenBytes(const TempDir& dir, const Bytes& bytes) {
    auto o = std::make_unique<Opened>();
    WriteBytes(dir.File("in.sorn"), bytes);
    o->result = o->doc.FileOpen(dir.File("in.sorn"), o->boxes);
    return o;
}

SornData TwoPartScore() {
    SornData doc;
    doc.FileNew();
    doc.SetLength(20);
    doc.AddPart();
    doc.SetSpeed(132);
    doc.SetInstrumentNumber(0, "40");
    doc.SetInstrumentNumber(1, "73");
    doc.SetGData1(0, 0, 0, Kind::Clef, ClefCode::G);
    doc.SetGData1(0, 1, 0, Kind::EighthNote, 130);
    doc.CheckGData1(0, 1, Kind::Beam, 1);
    doc.SetGData1(1, 20, 0, Kind::Rest, LengthCode::Half);
    doc.CheckGData1(1, 20, Kind::BarLine, BarLineCode::Final);
    return doc;
}

void ExpectSameScore(const SornData& a, const SornData& b) {
    ASSERT_EQ(a.PartSuu(), b.PartSuu());
    ASSERT_EQ(a.Length(), b.Length());
    EXPECT_EQ(a.Speed(), b.Speed());
    for (int pi = 0; pi <= a.PartSuu(); ++pi) {
        const auto p = static_cast<std::uint8_t>(pi);
        EXPECT_EQ(a.GetInstrumentNumber(p), b.GetInstrumentNumber(p));
        for (int iti = 0; iti <= a.Length(); ++iti)
            for (int s = 0; s < SlotCount; ++s) {
                EXPECT_EQ(a.GetGSyurui(p, iti, s), b.GetGSyurui(p, iti, s));
                EXPECT_EQ(a.GetGAtai(p, iti, s), b.GetGAtai(p, iti, s));
            }
    }
}

TEST(ScoreFileWrite, NewScoreIsExactly958KnownBytes) {
    TempDir dir;
    SornData doc;
    doc.FileNew();
    ASSERT_FALSE(doc.FileSave(dir.File("new.sorn")));
    Bytes expected = Header("ORN2", 11, 7, 0, 30, 60);
    Put(expected, 1, 4);
    expected.push_back(0);
    expected.resize(958, 0);
    EXPECT_EQ(ReadBytes(dir.File("new.sorn")), expected);
    EXPECT_EQ(doc.SornFileName(), dir.File("new.sorn"));
}

TEST(ScoreFileWrite, TwoPartsRoundTripWithSecondBlockAt658) {
    TempDir dir;
    SornData doc = TwoPartScore();
    ASSERT_FALSE(doc.FileSave(dir.File("two.sorn")));
    const Bytes bytes = ReadBytes(dir.File("two.sorn"));
    ASSERT_EQ(bytes.size(), 23u + 2 * (5 + 30 * 21));
    EXPECT_EQ(bytes[658], 1); // part header size of part 1
    EXPECT_EQ(bytes[662], 73);
    EXPECT_EQ(bytes[27], 40);

    SornData back;
    ScriptedMessageBoxes boxes;
    ASSERT_EQ(back.FileOpen(dir.File("two.sorn"), boxes), OpenResult::Opened);
    ExpectSameScore(doc, back);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(back.SornFileName(), dir.File("two.sorn"));
}

TEST(ScoreFileWrite, ShorterSaveLeavesNoStaleTail) {
    TempDir dir;
    SornData doc = TwoPartScore();
    doc.SetLength(200);
    ASSERT_FALSE(doc.FileSave(dir.File("s.sorn")));
    doc.SetLength(20);
    ASSERT_FALSE(doc.FileSave(dir.File("s.sorn")));
    EXPECT_EQ(ReadBytes(dir.File("s.sorn")).size(), 23u + 2 * (5 + 30 * 21));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(ScoreFileRead, HeaderSizes) {
    TempDir dir;
    { // 9: no tempo field, the tempo of a new score
        Bytes b = Header("ORN2", 9, 7, 0, 20, 0);
        AppendPart(b, 1, 5, 20, 131);
        auto o = OpenBytes(dir, b);
        ASSERT_EQ(o->result, OpenResult::Opened);
        EXPECT_EQ(o->doc.Speed(), 60);
        EXPECT_EQ(o->doc.Length(), 20);
        EXPECT_EQ(o->doc.GetGAtai(0, 20, 0), 131);
    }
}

TEST(ScoreFileRead, PartHeaderSizes) {
    TempDir dir;
    Bytes b = Header("ORN2", 11, 7, 2, 20, 100);
    AppendPart(b, 0, 0, 20, 120); // no instrument: stays 0
    AppendPart(b, 1, 33, 20, 121);
    AppendPart(b, 3, 44, 20, 122); // two unknown bytes after the instrument
    auto o = OpenBytes(dir, b);
    ASSERT_EQ(o->result, OpenResult::Opened);
    EXPECT_EQ(o->doc.GetInstrumentNumber(0), 0);
    EXPECT_EQ(o->doc.GetInstrumentNumber(1), 33);
    EXPECT_EQ(o->doc.GetInstrumentNumber(2), 44);
    for (std::uint8_t p = 0; p < 3; ++p) {
        EXPECT_EQ(o->doc.GetGAtai(p, 0, 0), 120 + p);
        EXPECT_EQ(o->doc.GetGAtai(p, 20, 0), 120 + p);
    }
}

TEST(ScoreFileRead, NewerVersionWarnsOnceAndOpens) {
    TempDir dir;
    Bytes b = Header("ORN2", 11, 8, 1, 25, 72);
    AppendPart(b, 1, 1, 25, 125);
    AppendPart(b, 1, 2, 25, 126);
    auto o = OpenBytes(dir, b);
    ASSERT_EQ(o->result, OpenResult::Opened);
    ASSERT_EQ(o->boxes.shown.size(), 1u);
    EXPECT_EQ(o->boxes.shown[0].text, texts::NewerVersion);
    EXPECT_EQ(o->boxes.shown[0].icon, MsgIcon::None);
    EXPECT_EQ(o->doc.GetGAtai(1, 25, 0), 126);
}

TEST(ScoreFileRead, OlderFormatHasNoTempoOrInstruments) {
    TempDir dir;
    Bytes b;
    PutText(b, "sORN");
    PutText(b, "ORN1");
    Put(b, 0x11111111, 4);
    Put(b, 0x22222222, 4);
    Put(b, 1, 1);
    Put(b, 22, 4);
    for (std::uint8_t p = 0; p < 2; ++p) {
        b.insert(b.end(), 10, 0x77);
        for (int iti = 0; iti <= 22; ++iti) {
            Bytes record(30, 0);
            record[0] = Kind::Rest;
            record[15] = static_cast<std::uint8_t>(p + 1);
            b.insert(b.end(), record.begin(), record.end());
        }
    }
    SornData doc;
    doc.FileNew();
    ASSERT_FALSE(doc.FileSave(dir.File("previous.sorn")));
    ScriptedMessageBoxes boxes;
    WriteBytes(dir.File("old.sorn"), b);
    ASSERT_EQ(doc.FileOpen(dir.File("old.sorn"), boxes), OpenResult::Opened);
    EXPECT_EQ(doc.PartSuu(), 1);
    EXPECT_EQ(doc.Length(), 22);
    EXPECT_EQ(doc.Speed(), 60);
    EXPECT_EQ(doc.GetInstrumentNumber(1), 0);
    EXPECT_EQ(doc.GetGAtai(1, 22, 0), 2);
    // The older file is not remembered as the place to save to.
    EXPECT_EQ(doc.SornFileName(), dir.File("previous.sorn"));
}

// Files that are no score, or that cannot be one, leave the open score alone.
TEST(ScoreFileRead, RefusedFilesKeepTheOpenScore) {
    TempDir dir;
    SornData doc = TwoPartScore();
    ASSERT_FALSE(doc.FileSave(dir.File("mine.sorn")));

    struct Case {
        const char* name;
        Bytes bytes;
        OpenResult result;
        const char* message;
    };
    Bytes text = {'h', 'e', 'l', 'l', 'o', '\n'};
    Bytes hugeLength = Header("ORN2", 11, 7, 0, 2147483647, 60);
    hugeLength.resize(100, 0);
    Bytes manyParts = Header("ORN2", 11, 7, 255, 30, 60);
    manyParts.resize(100, 0);
    Bytes negativeLength = Header("ORN2", 11, 7, 0, -5, 60);
    AppendPart(negativeLength, 1, 0, 0, 128);
    Bytes negativeHeader = Header("ORN2", -8, 7, 0, 30, 60);
    Bytes newerTag = Header("ORN3", 11, 7, 0, 30, 60);
    AppendPart(newerTag, 1, 0, 30, 128);
    // Header sizes this program never wrote come from a newer version.
    std::vector<Bytes> newerHeaders;
    for (std::int32_t size : {10, 12, 15, 255}) {
        Bytes b = Header("ORN2", size, 7, 0, 30, 60, size > 11 ? size - 11 : 0);
        b.resize(b.size() - (size == 10 ? 1 : 0));
        AppendPart(b, 1, 5, 30, 131);
        newerHeaders.push_back(b);
    }
    const std::vector<Case> cases = {
        {"text", text, OpenResult::NotAScore, nullptr},
        {"empty", {}, OpenResult::NotAScore, nullptr},
        {"huge length", hugeLength, OpenResult::Refused, texts::DamagedFile},
        {"256 parts in 100 bytes", manyParts, OpenResult::Refused, texts::DamagedFile},
        {"negative length", negativeLength, OpenResult::Refused, texts::DamagedFile},
        {"negative header size", negativeHeader, OpenResult::Refused, texts::DamagedFile},
        {"unknown tag", newerTag, OpenResult::Refused, texts::UnknownFormat},
        {"header size 10", newerHeaders[0], OpenResult::Refused, texts::UnknownFormat},
        {"header size 12", newerHeaders[1], OpenResult::Refused, texts::UnknownFormat},
        {"header size 15", newerHeaders[2], OpenResult::Refused, texts::UnknownFormat},
        {"header size 255", newerHeaders[3], OpenResult::Refused, texts::UnknownFormat},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedMessageBoxes boxes;
        WriteBytes(dir.File("bad"), c.bytes);
        EXPECT_EQ(doc.FileOpen(dir.File("bad"), boxes), c.result);
        ExpectSameScore(doc, TwoPartScore());
        EXPECT_EQ(doc.SornFileName(), dir.File("mine.sorn"));
        ASSERT_EQ(boxes.shown.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(boxes.shown[0].text, c.message);
        }
    }
    // Where no score is open, none can stay.
    SornData empty;
    ScriptedMessageBoxes emptyBoxes;
    WriteBytes(dir.File("bad"), hugeLength);
    EXPECT_EQ(empty.FileOpen(dir.File("bad"), emptyBoxes), OpenResult::Refused);
    ASSERT_EQ(emptyBoxes.shown.size(), 1u);
    EXPECT_EQ(emptyBoxes.shown[0].text, texts::DamagedFileNothingOpen);

    std::error_code error;
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(doc.FileOpen(dir.File("missing.sorn"), boxes, &error), OpenResult::Failed);
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);
}

// Each position of the last part holds the bytes the cut file still has
// for it, and nothing after the cut.
void ExpectCutLastPart(const SornData& doc, const Bytes& cut, std::size_t recordsAt) {
    for (std::int32_t i = 0; i <= doc.Length(); ++i) {
        std::array<std::uint8_t, sizeof(PositionRecord)> want{};
        for (std::size_t b = 0; b < want.size(); ++b) {
            const std::size_t at = recordsAt + want.size() * static_cast<std::size_t>(i) + b;
            if (at < cut.size()) want[b] = cut[at];
        }
        const PositionRecord* record = doc.Record(doc.PartSuu(), i);
        ASSERT_NE(record, nullptr);
        ASSERT_EQ(std::memcmp(record, want.data(), want.size()), 0) << "position " << i;
    }
}

// A file cut anywhere either opens with what it holds or is refused; the
// document always stays whole.
TEST(ScoreFileRead, EveryTruncationIsSafe) {
    TempDir dir;
    SornData writer = TwoPartScore();
    ASSERT_FALSE(writer.FileSave(dir.File("full.sorn")));
    const Bytes full = ReadBytes(dir.File("full.sorn"));
    const std::size_t secondBlock = 658;
    for (std::size_t size = 0; size < full.size(); ++size) {
        SCOPED_TRACE(size);
        SornData doc;
        doc.FileNew();
        ScriptedMessageBoxes boxes;
        const Bytes cut(full.begin(), full.begin() + static_cast<long>(size));
        WriteBytes(dir.File("cut.sorn"), cut);
        const OpenResult result = doc.FileOpen(dir.File("cut.sorn"), boxes);
        ASSERT_EQ(doc.PartCount(), doc.PartSuu() + 1);
        if (size >= secondBlock) {
            // Only the last part is short: everything before it is intact.
            ASSERT_EQ(result, OpenResult::Opened);
            EXPECT_EQ(doc.GetGAtai(0, 1, 0), 130);
            EXPECT_EQ(doc.GetInstrumentNumber(0), 40);
            ExpectCutLastPart(doc, cut, secondBlock + 5);
        } else if (result != OpenResult::Opened) {
            EXPECT_EQ(doc.Length(), 30); // the score before stays
        }
        for (int p = 0; p <= doc.PartSuu(); ++p)
            EXPECT_EQ(doc.Record(static_cast<std::uint8_t>(p), doc.Length() + 1), nullptr);
    }

    // A long part, read a piece at a time, cut inside a record far into it.
    writer.SetLength(5000);
    for (std::int32_t i = 0; i <= 5000; i += 7)
        writer.SetGData1(1, i, 0, Kind::EighthNote, static_cast<std::uint8_t>(120 + i % 20));
    ASSERT_FALSE(writer.FileSave(dir.File("long.sorn")));
    const Bytes longFull = ReadBytes(dir.File("long.sorn"));
    const std::size_t lastRecords = longFull.size() - 5001 * sizeof(PositionRecord);
    const Bytes cut(longFull.begin(),
                    longFull.begin() + static_cast<long>(lastRecords + 4099 * 30 + 17));
    WriteBytes(dir.File("cut.sorn"), cut);
    SornData doc;
    ScriptedMessageBoxes boxes;
    ASSERT_EQ(doc.FileOpen(dir.File("cut.sorn"), boxes), OpenResult::Opened);
    ASSERT_EQ(doc.Length(), 5000);
    ExpectCutLastPart(doc, cut, lastRecords);
}

// Runs fn in a child process; returns its exit status.
template <typename Fn> int InChild(Fn fn) {
    pid_t pid = ::fork();
    if (pid == 0) ::_exit(fn());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}

class FailedSave : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(old_.FileSave(dir_.File("score.sorn")));
        oldBytes_ = ReadBytes(dir_.File("score.sorn"));
        big_ = TwoPartScore();
        big_.SetLength(2000); // far more than the small disk below holds
    }
    void ExpectOldFileIntact(const std::filesystem::path& folder) {
        EXPECT_EQ(ReadBytes((folder / "score.sorn").string()), oldBytes_);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    }
    TempDir dir_;
    SornData old_ = TwoPartScore();
    SornData big_;
    Bytes oldBytes_;
};

TEST_F(FailedSave, FullDiskLeavesTheOldFile) {
    const std::string disk = dir_.File("disk");
    std::filesystem::create_directory(disk);
    const bool mounted = ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=16k") == 0;
    const std::string target = disk + "/score.sorn";
    std::filesystem::copy_file(dir_.File("score.sorn"), target);
    int code;
    if (mounted) {
        std::error_code error = big_.FileSave(target);
        EXPECT_EQ(error, std::errc::no_space_on_device);
        code = error ? 0 : 1;
    } else {
        // Without the right to mount, a file-size limit makes the write fail the same way.
        code = InChild([&] {
            ::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{16384, 16384};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            return big_.FileSave(target) ? 0 : 1;
        });
    }
    EXPECT_EQ(code, 0);
    EXPECT_EQ(big_.SornFileName(), "");
    ExpectOldFileIntact(disk);
    if (mounted) ::umount(disk.c_str());
}

// Every mutator, reported to a journal, taken back and made again on a score
// read with a length below the usual floor: the saved bytes come back exactly.
TEST(ScoreFile, UndoAndRedoOfEveryChangeGiveTheSavedBytesBack) {
    struct Journal : ChangeJournal {
        ChangeSet set;
        void Record(DocumentChange&& change) override { set.Add(std::move(change)); }
    };
    const std::function<void(SornData&)> edits[] = {
        [](SornData& d) { d.SetGData1(1, 3, 0, Kind::Rest, 4); },
        [](SornData& d) { d.SetGSyurui(1, 3, 2, Kind::Tie); },
        [](SornData& d) { d.SetGAtai(2, 10, 0, 77); },
        [](SornData& d) { d.CheckGData1(0, 0, Kind::Dot, 1); },
        [](SornData& d) {
            d.CheckGData1(0, 2, Kind::Beam, 1);
            d.CheckGData1(0, 2, Kind::Tie, 1);
            d.DeleteSyuruiGData1(0, 2, Kind::Beam);
        },
        [](SornData& d) { d.DeleteAllGData1(2, 5); },
        [](SornData& d) { d.SetRecord(0, 10, PositionRecord{}); },
        [](SornData& d) { d.SetInstrumentNumber(2, "40"); },
        [](SornData& d) { d.SetSpeed(200); },
        [](SornData& d) { d.InsertSpace(1, 0); },
        [](SornData& d) { d.InsertSpaces(2, 10, 4); },
        [](SornData& d) { d.DeleteSpace(0, 4); },
        [](SornData& d) { d.SetLength(12); }, // raised to 20, taken back to 10
        [](SornData& d) { d.AddPart(); },
        [](SornData& d) { d.DeletePart(1); },
        [](SornData& d) {
            d.SetLength(40);
            d.SetGData1(0, 40, 0, Kind::HalfNote, 1);
            d.SetLength(25);
            d.DeletePart(0);
        },
        [](SornData& d) {
            d.SetSyllable(1, 4, 0, {"き", Syllabic::Begin, true});
        },
        [](SornData& d) { d.SetSyllable(0, 2, 2, {}); },
        [](SornData& d) { d.SetText(ScoreText::Title, "別の曲名"); },
        [](SornData& d) { d.SetPartText(2, PartText::ShortName, "Vc."); },
    };
    TempDir dir;
    Bytes file = Header("ORN2", 11, 7, 2, 10, 90);
    for (std::uint8_t p = 0; p < 3; ++p)
        AppendPart(file, 1, static_cast<std::uint8_t>(p + 5), 10,
                   static_cast<std::uint8_t>(p + 60));
    auto saved = [&](SornData& d) {
        EXPECT_FALSE(d.FileSave(dir.File("out.sorn")));
        return ReadBytes(dir.File("out.sorn"));
    };
    for (std::size_t i = 0; i < std::size(edits); ++i) {
        SCOPED_TRACE(i);
        auto o = OpenBytes(dir, file);
        ASSERT_EQ(o->doc.Length(), 10);
        // Words on positions that the edits move, cut off and delete.
        for (std::uint8_t p = 0; p < 3; ++p) {
            o->doc.SetSyllable(p, 2, 2, {"ら", Syllabic::Middle});
            o->doc.SetSyllable(p, 9, 0, {"end", Syllabic::End, true});
            o->doc.SetPartText(p, PartText::Name, "part");
        }
        o->doc.SetText(ScoreText::Title, "曲名");
        Journal journal;
        o->doc.SetJournal(&journal);
        const Bytes before = saved(o->doc);
        const std::int64_t count = o->doc.ChangeCount();
        edits[i](o->doc);
        EXPECT_GT(o->doc.ChangeCount(), count);
        const Bytes after = saved(o->doc);
        ASSERT_NE(after, before);
        journal.set.Undo(o->doc);
        EXPECT_EQ(saved(o->doc), before);
        journal.set.Redo(o->doc);
        EXPECT_EQ(saved(o->doc), after);
        journal.set.Undo(o->doc);
        EXPECT_EQ(saved(o->doc), before);
    }
}

TEST_F(FailedSave, FolderWithoutWritePermission) {
    const std::string folder = dir_.File("locked");
    std::filesystem::create_directory(folder);
    std::filesystem::copy_file(dir_.File("score.sorn"), folder + "/score.sorn");
    std::filesystem::permissions(dir_.Path(), std::filesystem::perms::all);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all |
                                             std::filesystem::perms::group_exec |
                                             std::filesystem::perms::others_exec);
    // Root may write anywhere, so the save runs as an ordinary user.
    const int code = InChild([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return 2;
        std::error_code error = big_.FileSave(folder + "/score.sorn");
        return error == std::errc::permission_denied ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
    ExpectOldFileIntact(folder);
}

} // namespace
} // namespace sorn

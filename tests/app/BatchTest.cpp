// The batch command line: what it does, what it prints, how it exits.

#include "app/Batch.h"
#include "model/SornData.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace sorn::test {
namespace {

struct BatchRun {
    int code;
    std::string out;
    std::string err;
};

BatchRun Batch(std::vector<std::string> args) {
    std::ostringstream out, err;
    int code = RunBatch(args, out, err);
    return {code, out.str(), err.str()};
}

std::string WriteScore(const TempDir& dir) {
    SornData doc;
    doc.FileNew();
    doc.AddPart();
    doc.AddPart();
    doc.SetSpeed(120);
    doc.SetInstrumentNumber(1, "40");
    doc.SetInstrumentNumber(2, "127");
    doc.SetLength(64);
    doc.SetGData1(2, 64, 0, 9, 3);
    EXPECT_FALSE(doc.FileSave(dir.File("in.sorn")));
    return dir.File("in.sorn");
}

TEST(Batch, WhichArgumentsMeanBatch) {
    EXPECT_FALSE(IsBatchCommandLine({}));
    EXPECT_FALSE(IsBatchCommandLine({"/home/u/a.sorn"}));
    EXPECT_TRUE(IsBatchCommandLine({"--info", "a.sorn"}));
    EXPECT_TRUE(IsBatchCommandLine({"-o", "x.sorn", "a.sorn"}));
}

TEST(Batch, InfoIsOneJsonLine) {
    TempDir dir;
    BatchRun r = Batch({"--info", WriteScore(dir)});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "{\"parts\":3,\"length\":64,\"tempo\":120,\"instruments\":[0,40,127]}\n");
}

TEST(Batch, SaveAsRewritesTheSameScore) {
    TempDir dir;
    const std::string in = WriteScore(dir);
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--save-as", dir.File("out.sorn"), in},
                                               {"-o", dir.File("out2.SORN"), in},
                                               {in, "--export-to", dir.File("out3.sorn")}}) {
        BatchRun r = Batch(args);
        EXPECT_EQ(r.code, 0) << r.err;
    }
    EXPECT_EQ(ReadBytes(dir.File("out.sorn")), ReadBytes(in));
    EXPECT_EQ(ReadBytes(dir.File("out2.SORN")), ReadBytes(in));
    EXPECT_EQ(ReadBytes(dir.File("out3.sorn")), ReadBytes(in));
}

TEST(Batch, OlderFormatIsWrittenAsCurrent) {
    TempDir dir;
    std::vector<std::uint8_t> old = {'s', 'O', 'R', 'N', 'O', 'R', 'N', '1', 0, 0, 0,
                                     0,   0,   0,   0,   0,   0,   20,  0,   0, 0};
    old.resize(21 + 10 + 30 * 21, 0);
    old[31] = 9;      // a rest at position 0
    old[31 + 15] = 2; // of half length
    WriteBytes(dir.File("old.sorn"), old);
    ASSERT_EQ(Batch({"--save-as", dir.File("new.sorn"), dir.File("old.sorn")}).code, 0);
    BatchRun info = Batch({"--info", dir.File("new.sorn")});
    EXPECT_EQ(info.out, "{\"parts\":1,\"length\":20,\"tempo\":60,\"instruments\":[0]}\n");
    const auto bytes = ReadBytes(dir.File("new.sorn"));
    ASSERT_EQ(bytes.size(), 23u + 5 + 30 * 21);
    EXPECT_EQ(bytes[28], 9);
    EXPECT_EQ(bytes[28 + 15], 2);
}

TEST(Batch, FailuresAndBadUsage) {
    TempDir dir;
    WriteBytes(dir.File("text.txt"), {'x'});
    BatchRun notScore = Batch({"--info", dir.File("text.txt")});
    EXPECT_EQ(notScore.code, 1);
    EXPECT_NE(notScore.err.find("楽譜ファイルではありません"), std::string::npos);
    EXPECT_EQ(Batch({"--info", dir.File("missing.sorn")}).code, 1);
    BatchRun cannotWrite = Batch({"--save-as", dir.File("nowhere/out.sorn"), WriteScore(dir)});
    EXPECT_EQ(cannotWrite.code, 1);
    EXPECT_NE(cannotWrite.err.find("楽譜を保存できませんでした。"), std::string::npos);

    EXPECT_EQ(Batch({"--info"}).code, 2);
    EXPECT_EQ(Batch({"--save-as"}).code, 2);
    EXPECT_EQ(Batch({"--frobnicate", "a.sorn"}).code, 2);
    EXPECT_EQ(Batch({"-o", dir.File("x.xyz"), WriteScore(dir)}).code, 2);
    EXPECT_EQ(Batch({"--info", "a.sorn", "b.sorn"}).code, 2);
}

TEST(Batch, HelpAndVersion) {
    BatchRun help = Batch({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("--save-as"), std::string::npos);
    EXPECT_NE(help.out.find("--info"), std::string::npos);
    EXPECT_EQ(Batch({"--version"}).out, "SORN楽譜エディタ 2.5.0\n");
}

// The real program needs no display for batch work.
TEST(Batch, ProgramRunsWithoutADisplay) {
    TempDir dir;
    const std::string in = WriteScore(dir);
    const std::string command =
        std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") + SORN_EDITOR_EXE +
        " --info '" + in + "' > '" + dir.File("out.txt") + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const auto out = ReadBytes(dir.File("out.txt"));
    EXPECT_EQ(std::string(out.begin(), out.end()),
              "{\"parts\":3,\"length\":64,\"tempo\":120,\"instruments\":[0,40,127]}\n");
    EXPECT_EQ(
        WEXITSTATUS(std::system((std::string(SORN_EDITOR_EXE) + " --bogus 2>/dev/null").c_str())),
        2);
}

} // namespace
} // namespace sorn::test

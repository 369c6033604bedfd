// Timbre files: the raw ".hki" table, the sine partials of ".hki2" with
// their exact rounding, what stops a load, the dialog's list, and the
// timbres we ship.

#include "sound/Timbre.h"
#include "support/TempDir.h"

#include <cerrno>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace sorn {
namespace {

using test::TempDir;

class TimbreFiles : public ::testing::Test {
protected:
    std::string AppPath() const { return dir_.Path().string() + "/"; }
    // Loads a ".hki2" of that text; a failed load must leave silence.
    ExportError Load(const std::string& text, Timbre& timbre) {
        std::ofstream(dir_.File("t.hki2"), std::ios::binary) << text;
        timbre.Table()[7] = 99;
        const ExportError error = LoadTimbre(AppPath(), "t.hki2", timbre);
        if (error) {
            EXPECT_EQ(timbre.Table()[7], 0) << text;
        }
        return error;
    }
    Timbre Hki2(const std::string& text) {
        Timbre timbre;
        EXPECT_FALSE(Load(text, timbre)) << text;
        return timbre;
    }
    TempDir dir_;
};

TEST_F(TimbreFiles, HkiIsTheTableLittleEndianPaddedWithZeros) {
    test::WriteBytes(dir_.File("short.hki"), {0x34, 0x12, 0xFF, 0xFF, 0x00, 0x80, 0x7F});
    Timbre timbre;
    timbre.Table()[3] = 5; // left from an earlier load
    ASSERT_FALSE(LoadTimbre(AppPath(), "short.hki", timbre));
    EXPECT_EQ(std::vector<std::int16_t>(timbre.Table().begin(), timbre.Table().begin() + 4),
              (std::vector<std::int16_t>{0x1234, -1, -32768, 0}));

    // Only 100000 entries count; the extension's case does not matter, "\"
    // separates folders as the dialog writes it, and an absolute path is
    // used as it is.
    std::filesystem::create_directory(dir_.Path() / "sub");
    std::vector<std::uint8_t> bytes(2 * TimbreTableSize + 2, 0);
    bytes[2 * TimbreTableSize - 2] = 7;
    bytes[2 * TimbreTableSize] = 9;
    test::WriteBytes(dir_.File("sub/LONG.HKI"), bytes);
    ASSERT_FALSE(LoadTimbre(AppPath(), "sub\\LONG.HKI", timbre));
    EXPECT_EQ(timbre.Table()[TimbreTableSize - 1], 7);
    ASSERT_FALSE(LoadTimbre("/nowhere/", dir_.File("short.hki"), timbre));
    EXPECT_EQ(timbre.Table()[0], 0x1234);
}

TEST_F(TimbreFiles, SinePartialsAreFlooredOneByOneAndAdded) {
    const Timbre sine = Hki2("sin 1 1\n");
    EXPECT_EQ(sine.Table()[0], 0);
    EXPECT_EQ(sine.Table()[25000], 32767);
    EXPECT_EQ(sine.Table()[75000], -32767);
    EXPECT_EQ(sine.Table()[1], 2);      // 2.06
    EXPECT_EQ(sine.Table()[50000], -1); // a hair past the half period: -0.00000000007
    // 0.5 × 32767 = 16383.5 floors to 16383; -0.25 × 32767 = -8191.75 to -8192.
    EXPECT_EQ(Hki2("sin 1 0.5\nsin 3 0.25\n").Table()[25000], 16383 - 8192);
    // A fraction of a harmonic rounds to the even neighbour: 2.5 and 1.5 are
    // both 2, whose peak is at entry 12500.
    EXPECT_EQ(Hki2("sin 2.5 1").Table()[12500], 32767);
    EXPECT_EQ(Hki2("sin 1.5 1").Table()[12500], 32767);
    EXPECT_EQ(Hki2("sin +1 -1.5e-1").Table()[25000], -4916); // the float -0.15: -4915.05
}

TEST_F(TimbreFiles, OnlyLinesStartingWithTheWordSinCount) {
    const Timbre timbre = Hki2("\xEF\xBB\xBF# a pure tone\n"
                               "Sin 3 1\n SIN 3 1\n sin 3 1\nsine 3 1\n\n"
                               "sin 1 1 the fundamental, words after the third are ignored\r\n"
                               "コメント\rsin 3 0");
    EXPECT_EQ(timbre.Table()[25000], 32767);
    EXPECT_EQ(timbre.Table()[75000], -32767);
}

TEST_F(TimbreFiles, WhatStopsALoad) {
    Timbre timbre;
    EXPECT_EQ(Load("# organ\nsin 1  0.5\n", timbre).Message(),
              "1101音色ファイル「t.hki2」の2行目「sin 1  0.5」が読めません。sinの行は「sin "
              "倍音の番号 強さ」の形で、単語の間を空白1つで区切ってください。");
    for (const char* text : {"sin", "sin 1", "sin 1 ", "sin x 1", "sin 1 1e40", "sin 3000000000 1",
                             "sin nan 1", "sin 1 0.5.5", "sin ++1 1"})
        EXPECT_EQ(Load(text, timbre).Number, ExportErrorNumber::TimbreLine) << text;
    EXPECT_EQ(Load("sin 1 0.75\nsin 1 0.25\nsin 1 0.01\n", timbre).Message(),
              "1102音色ファイル「t.hki2」の3行目までの波を足すと16ビットの範囲を超えます。強さの"
              "合計を1以下にしてください。");

    EXPECT_EQ(LoadTimbre(AppPath(), "gone.hki2", timbre).Message(),
              std::to_string(ENOENT) + "音色ファイル「gone.hki2」が見つかりません。");
    EXPECT_EQ(LoadTimbre(AppPath(), "gone.hki", timbre).Number, ENOENT);
    std::filesystem::create_directory(dir_.Path() / "dir.hki");
    EXPECT_EQ(LoadTimbre(AppPath(), "dir.hki", timbre).Number, EISDIR);
    EXPECT_EQ(LoadTimbre(AppPath(), "tone.wav", timbre).Message(),
              "1103「tone.wav」は音色ファイル(.hki または .hki2)ではありません。");
    // The name before any choice is empty: silence, not an error.
    EXPECT_FALSE(LoadTimbre(AppPath(), "", timbre));
}

// A timbre file is bounded: its size, its sine lines, text at all, and a
// name that is a device or a FIFO with no writer neither hangs nor fills
// memory.
TEST_F(TimbreFiles, WhatIsNotATimbreIsRefusedWithItsLimit) {
    Timbre timbre;
    std::string lines;
    for (int n = 1; n <= 1024; ++n)
        lines += "sin " + std::to_string(n) + " 0.0009\n";
    EXPECT_FALSE(Load(lines, timbre)); // the most lines a file may hold
    EXPECT_EQ(Load(lines + "sin 1 0\n", timbre).Message(),
              "1106音色ファイル「t.hki2」はsinの行が多すぎます。sinの行は1024行までです。");
    EXPECT_EQ(Load(std::string(1 << 20, '#'), timbre).Number, 1107); // at the size limit
    EXPECT_EQ(
        Load("sin 1 0.5\n" + std::string(1 << 20, '#'), timbre).Message(),
        "1105音色ファイル「t.hki2」は大きすぎます。音色ファイルは1 MB(1048576バイト)までです。");
    EXPECT_EQ(
        Load("# only a comment\n\n", timbre).Message(),
        "1107音色ファイル「t.hki2」にsinの行がありません。「sin 倍音の番号 強さ」の行を1行以上"
        "書いてください。");
    EXPECT_EQ(Load("", timbre).Number, ExportErrorNumber::TimbreNoPartial);
    EXPECT_EQ(Load(std::string("sin 1 1\n\0\x01\x02", 11), timbre).Message(),
              "1108音色ファイル「t.hki2」はテキストファイルではありません。");
    // Shift-JIS comments, tabs and the old end-of-file mark are still text.
    EXPECT_FALSE(Load("\x89\xB9\tsin\f\nsin 1 1\n\x1A", timbre));

    std::filesystem::create_symlink("/dev/zero", dir_.File("zero.hki2"));
    EXPECT_EQ(LoadTimbre(AppPath(), "zero.hki2", timbre).Number, ExportErrorNumber::TimbreTooLarge);
    ASSERT_EQ(::mkfifo(dir_.File("fifo.hki2").c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(LoadTimbre(AppPath(), "fifo.hki2", timbre).Number,
              ExportErrorNumber::TimbreNoPartial);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// The shared sine table read with a stride gives exactly the direct
// formula's entries, also where a partial lands on a whole number: negative
// amplitudes at the zero crossings, harmonics that are multiples of the
// table, negative and very high harmonics.
TEST_F(TimbreFiles, EveryHarmonicGivesTheDirectFormulasEntries) {
    const std::pair<std::int64_t, float> partials[] = {{2, -0.5f},
                                                       {-3, 0.25f},
                                                       {4, 0.25f},
                                                       {7, -0.125f},
                                                       {12500, -1.0f},
                                                       {50000, 0.3f},
                                                       {100000, -0.001f},
                                                       {200000, 0.75f},
                                                       {99991, 0.4f},
                                                       {1234567, -0.2f},
                                                       {0, 5.0f},
                                                       // Partials of few units, floored run by run.
                                                       {3, 0.0009f},
                                                       {-100000, -0.002f},
                                                       {25000, 0.0039f}};
    for (const auto& [n, a] : partials) {
        const Timbre timbre = Hki2("sin " + std::to_string(n) + " " + std::to_string(a));
        int differ = 0;
        for (std::int32_t i = 0; i < TimbreTableSize; ++i) {
            const double angle =
                static_cast<double>(i) * static_cast<double>(n) * 6.28318530717959 * 1e-5;
            differ +=
                timbre.Table()[i] != std::floor(static_cast<double>(a) * std::sin(angle) * 32767);
        }
        EXPECT_EQ(differ, 0) << n << " " << a;
    }
}

TEST_F(TimbreFiles, TheDialogListsTheDefaultThenHki2ThenHki) {
    for (const char* name :
         {"b.hki2", "a.hki", "c.HKI2", "a.hki2", "Z.Hki", "x.wav", "hki2", "y.hki2.bak"})
        std::ofstream{dir_.File(name)};
    std::filesystem::create_directory(dir_.Path() / "folder.hki");
    EXPECT_EQ(TimbreNames(AppPath()),
              (std::vector<std::string>{DefaultTimbreName, "a.hki2", "b.hki2", "c.HKI2", "Z.Hki",
                                        "a.hki"}));
    EXPECT_EQ(TimbreNames(AppPath() + "missing/"), std::vector<std::string>{DefaultTimbreName});
}

TEST(ShippedTimbres, AllLoadAndTheViolinIsAFullTable) {
    for (const char* name : {"Sine.hki2", "Organ.hki2", "Clarinet.hki2"}) {
        Timbre timbre;
        const ExportError error = LoadTimbre(SORN_SOURCE_DIR "/data/", name, timbre);
        EXPECT_FALSE(error) << name << ": " << error.Message();
        EXPECT_GT(*std::max_element(timbre.Table().begin(), timbre.Table().end()), 20000) << name;
    }
    const std::string bin = SORN_BINARY_DIR "/bin/";
    EXPECT_EQ(std::filesystem::file_size(bin + "デフォルト/Violin.hki"), 2u * TimbreTableSize);
    Timbre violin;
    ASSERT_FALSE(LoadTimbre(bin, DefaultTimbreName, violin));
    const auto [low, high] = std::minmax_element(violin.Table().begin(), violin.Table().end());
    EXPECT_EQ(std::max(-*low, static_cast<int>(*high)), 32767);
}

} // namespace
} // namespace sorn

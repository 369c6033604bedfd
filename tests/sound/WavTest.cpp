// WAV export: the header, how long rests and notes last, how a note steps
// through the timbre and dies away, the shared repeat walk, the progress bar,
// and exports that must stop without touching what is on disk.

#include "ScoreBuilder.h"
#include "sound/SornWav.h"
#include "support/RecordingProgress.h"
#include "support/TempDir.h"

#include <cerrno>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sorn {
namespace {

using test::ReadBytes;
using test::ScoreBuilder;
using test::TempDir;
using Bytes = std::vector<std::uint8_t>;
using Samples = std::vector<std::int16_t>;

// Staff positions under the G clef: MIDI 60, 64, 67, 69 and 81.
constexpr std::uint8_t C4 = 122, E4 = 124, G4 = 126, A4 = 127, A5 = 134;
constexpr std::int32_t t120 = 1378; // samples per 16 ticks at tempo 120

Timbre Filled(std::int16_t value) {
    Timbre timbre;
    std::fill(timbre.Table().begin(), timbre.Table().end(), value);
    return timbre;
}

Bytes Header(std::uint32_t samples) {
    Bytes h = {'R', 'I', 'F', 'F', 0,  0, 0,   0,   'W', 'A',  'V',  'E', 'f', 'm',  't',
               ' ', 16,  0,   0,   0,  1, 0,   1,   0,   0x44, 0xAC, 0,   0,   0x88, 0x58,
               1,   0,   2,   0,   16, 0, 'd', 'a', 't', 'a',  0,    0,   0,   0};
    for (int i = 0; i < 4; ++i) {
        h[4 + i] = static_cast<std::uint8_t>((36 + 2 * samples) >> (8 * i));
        h[40 + i] = static_cast<std::uint8_t>((2 * samples) >> (8 * i));
    }
    return h;
}

// Exports, checks the header against the length, and returns the samples.
Samples Export(const SornData& doc, const Timbre& timbre = Filled(32767), std::uint8_t part = 0,
               ProgressSink* progress = nullptr) {
    TempDir dir;
    EXPECT_EQ(ExportWav(doc, part, timbre, dir.File("out.wav"), progress), "");
    const Bytes bytes = ReadBytes(dir.File("out.wav"));
    const auto count =
        static_cast<std::uint32_t>((std::max<std::size_t>(bytes.size(), 44) - 44) / 2);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + std::min<std::size_t>(bytes.size(), 44)),
              Header(count));
    Samples samples(count);
    for (std::size_t i = 0; i < count; ++i)
        samples[i] = static_cast<std::int16_t>(bytes[44 + 2 * i] | bytes[45 + 2 * i] << 8);
    return samples;
}

// Where each note starts: with a constant table the samples only fall
// within a note.
std::vector<std::size_t> Starts(const Samples& s) {
    std::vector<std::size_t> starts;
    for (std::size_t n = 0; n < s.size(); ++n)
        if (s[n] != 0 && (n == 0 || s[n] > s[n - 1])) starts.push_back(n);
    return starts;
}

TEST(WavFile, RestsAreSilenceOfWholeStepsOfTheTempo) {
    EXPECT_EQ(SornWav::SamplesPer16Ticks(120), t120);
    EXPECT_EQ(SornWav::SamplesPer16Ticks(60), 2756); // 2756.25
    EXPECT_EQ(SornWav::SamplesPer16Ticks(32767), 5);
    ScoreBuilder empty;
    EXPECT_EQ(Export(empty.doc), Samples{}); // 44 bytes, lengths 36 and 0

    const struct {
        std::uint8_t code;
        bool dot;
        std::size_t samples;
    } rests[] = {{LengthCode::Quarter, false, 22048},
                 {LengthCode::Whole, false, 88192},
                 {LengthCode::Quarter, true, 33072},
                 {LengthCode::SixtyFourth, false, t120},
                 {LengthCode::SixtyFourth, true, t120}}; // 24 ticks: one whole step
    for (const auto& r : rests) {
        ScoreBuilder s;
        s.Rest(3, r.code).Main(4, Kind::TimeSignature, TimeSignatureCommon);
        if (r.dot) s.Attach(3, Kind::Dot, MarkPresent);
        s.Main(5, 8, A4); // a note kind the editor never writes: no time at all
        EXPECT_EQ(Export(s.doc), Samples(r.samples, 0)) << int(r.code) << " " << r.dot;
    }
}

TEST(WavFile, OnlyTheChosenPartSounds) {
    ScoreBuilder s(3);
    s.Rest(0, LengthCode::Quarter, 0).Note(0, Kind::EighthNote, C4, 1);
    s.Note(0, Kind::WholeNote, C4, 2);
    EXPECT_EQ(Export(s.doc, Filled(32767), 0), Samples(22048, 0));
    const Samples second = Export(s.doc, Filled(32767), 1);
    EXPECT_EQ(second.size(), 11024u);
    EXPECT_EQ(second.front(), 23039);
}

TEST(WavNote, StartsAtItsVelocityAndHalvesEverySecond) {
    ScoreBuilder s(1, MinLength, 60); // a whole note is four seconds
    s.Note(0, Kind::WholeNote, C4).Note(1, Kind::QuarterNote, C4);
    s.Attach(1, Kind::Dynamics, DynamicsCode::ff);
    const Samples x = Export(s.doc);
    ASSERT_EQ(x.size(), 80u * 2756);
    EXPECT_EQ(x[0], 23039); // 90 / 128 × 32767 = 23039.3
    EXPECT_NEAR(x[44100], 11520, 1);
    EXPECT_NEAR(x[88200], 5760, 1);
    EXPECT_EQ(x[176384], 28671); // ff: 112 / 128 × 32767 = 28671.1
    EXPECT_EQ(Starts(x), (std::vector<std::size_t>{0, 176384}));

    // 90 / 128 × 32 = 22.5 and 90 / 128 × 96 = 67.5 go to the even neighbour.
    for (const auto& [entry, sample] : {std::pair{32, 22}, {96, 68}, {-32, -22}}) {
        Timbre timbre;
        timbre.Table()[0] = static_cast<std::int16_t>(entry);
        EXPECT_EQ(Export(s.doc, timbre).front(), sample) << entry;
    }
}

TEST(WavNote, PeriodStepsTheTableWithoutInterpolation) {
    EXPECT_NEAR(SornWav::Period(69), 99.77, 0.005);
    EXPECT_NEAR(SornWav::Period(81), 49.89, 0.005);
    // A ramp shows the index: the samples fall only where the table starts
    // again, each period from where the last one ended.
    Timbre ramp;
    for (int i = 0; i < TimbreTableSize; ++i)
        ramp.Table()[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i / 4);
    const struct {
        std::uint8_t staff;
        std::int16_t second; // index 1002 or 2004: 89.9986 / 128 × 250 or 501
        std::vector<std::size_t> wraps;
    } notes[] = {{A4, 176, {100, 200, 300, 400, 499, 599, 699, 799, 898, 998}},
                 {A5, 352, {50, 100, 150, 200, 250, 300, 350, 400, 449, 499}}};
    for (const auto& note : notes) {
        ScoreBuilder s;
        s.Note(0, Kind::QuarterNote, note.staff);
        const Samples x = Export(s.doc, ramp);
        EXPECT_EQ(x[0], 0);
        EXPECT_EQ(x[1], note.second);
        std::vector<std::size_t> wraps;
        for (std::size_t n = 1; wraps.size() < note.wraps.size(); ++n)
            if (x[n] < x[n - 1]) wraps.push_back(n);
        EXPECT_EQ(wraps, note.wraps) << int(note.staff);
    }
}

TEST(WavNote, EverySampleIsTheFormulaThroughARealTimbre) {
    // Notes of one velocity share their decay; the second, longer note runs
    // past the first's.
    Timbre saw;
    for (int i = 0; i < TimbreTableSize; ++i)
        saw.Table()[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i % 65536 - 32768);
    ScoreBuilder s(1, MinLength, 30);
    s.Note(0, Kind::QuarterNote, 137).Note(1, Kind::WholeNote, 118); // D6 and F3
    s.Note(2, Kind::EighthNote, E4).Attach(2, Kind::Dynamics, DynamicsCode::pp);
    const std::int64_t t = 2646000 / 30 / 16;
    const struct {
        int midi;
        float velocity;
        std::int64_t samples;
    } notes[] = {{86, 90, 16 * t}, {53, 90, 64 * t}, {64, 48, 8 * t}};
    Samples expected;
    for (const auto& note : notes) {
        const double P = 44100 / (std::pow(2.0, (note.midi - 9) / 12.0) * 442 / 32);
        float a = note.velocity;
        for (std::int64_t n = 0; n < note.samples; ++n) {
            const auto X = static_cast<std::int64_t>(std::floor(static_cast<double>(n) / P * 1e5));
            expected.push_back(static_cast<std::int16_t>(
                std::nearbyint(static_cast<double>(a) / 128 * saw.Table()[X % 100000])));
            a = static_cast<float>(static_cast<double>(a) * std::pow(0.5, 1.0 / 44100));
        }
    }
    const Samples x = Export(s.doc, saw);
    ASSERT_EQ(x.size(), expected.size());
    for (std::size_t n = 0; n < x.size(); ++n)
        ASSERT_EQ(x[n], expected[n]) << "sample " << n;
}

TEST(WavNote, TiedNotesSoundAsOneToneOfTheirSummedSteps) {
    ScoreBuilder s;
    s.Note(0, Kind::HalfNote, E4).Attach(0, Kind::Tie, MarkPresent);
    s.Note(1, Kind::QuarterNote, E4).Attach(1, Kind::Tie, MarkPresent);
    s.Note(2, Kind::EighthNote, E4).Note(3, Kind::QuarterNote, G4);
    const Samples x = Export(s.doc);
    EXPECT_EQ(x.size(), 72u * t120);
    EXPECT_EQ(Starts(x), (std::vector<std::size_t>{0, 56 * t120}));

    // Each length is cut to whole steps before they are added: two dotted
    // sixty-fourths (24 ticks each) last 1 + 1 steps, not 48 / 16 = 3.
    ScoreBuilder dotted;
    dotted.Note(0, Kind::SixtyFourthNote, E4).Attach(0, Kind::Dot, MarkPresent);
    dotted.Attach(0, Kind::Tie, MarkPresent);
    dotted.Note(1, Kind::SixtyFourthNote, E4).Attach(1, Kind::Dot, MarkPresent);
    EXPECT_EQ(Export(dotted.doc).size(), 2u * t120);
}

TEST(WavWalk, RepeatsAndDaCapoArePlayedOutAndTheProgressBarFollows) {
    test::RecordingProgress progress;
    // A |: B :| C D.C., Fine on B: A B B C A B, told apart by their lengths.
    ScoreBuilder s;
    s.Note(0, Kind::QuarterNote, C4).Bar(1, BarLineCode::RepeatStart);
    s.Note(2, Kind::EighthNote, E4).Attach(2, Kind::RepeatWord, RepeatWordCode::Fine);
    s.Bar(3, BarLineCode::RepeatEnd);
    s.Note(4, Kind::HalfNote, G4).Attach(4, Kind::RepeatWord, RepeatWordCode::DC);
    s.Rest(5, LengthCode::Whole); // never reached
    const std::size_t q = 16 * t120, e = 8 * t120, h = 32 * t120;
    EXPECT_EQ(Starts(Export(s.doc, Filled(32767), 0, &progress)),
              (std::vector<std::size_t>{0, q, q + e, q + 2 * e, q + 2 * e + h, 2 * q + 2 * e + h}));
    // Up over positions 0..2, back over 2 and 1 to the repeat bar, up again.
    EXPECT_EQ(progress.maximum, MinLength + 1);
    EXPECT_EQ(progress.values, (std::vector<int>{0, 1, 2, 3, 2, 1, 2, 3, 4, 5, 6, 7}));

    // A D.C. walks on past the maximum; the bar stops there. The longest
    // score's maximum is 32767, not 32768 wrapped round to a negative number.
    ScoreBuilder longest(1, MaxLength);
    longest.Attach(MaxLength, Kind::RepeatWord, RepeatWordCode::DC);
    Export(longest.doc, Filled(32767), 0, &progress);
    EXPECT_EQ(progress.maximum, MaxLength);
    EXPECT_EQ(*std::max_element(progress.values.begin(), progress.values.end()), MaxLength);
}

// Exports that must stop: the message the user sees, and the file on disk.
class WavFailure : public ::testing::Test {
protected:
    void SetUp() override { test::WriteBytes(target_, oldBytes_); }
    std::string AppPath() const { return dir_.Path().string() + "/"; }
    void ExpectRefused(SornData& doc, const std::string& message, std::uint8_t part = 0,
                       const std::string& timbre = "") {
        EXPECT_EQ(ExportWav(doc, part, AppPath(), timbre, target_), message);
        ExpectUntouched();
    }
    // The old file is the only one in the folder, unchanged.
    void ExpectUntouched() {
        EXPECT_EQ(ReadBytes(target_), oldBytes_);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), {}), 1);
    }
    TempDir dir_;
    std::string target_ = dir_.File("song.wav");
    Bytes oldBytes_ = Bytes(5000, 0xAB);
};

TEST_F(WavFailure, ScoresThatCannotBeRendered) {
    for (std::int16_t speed : {0, -120}) {
        ScoreBuilder s(1, MinLength, speed);
        ExpectRefused(s.doc, "1001テンポが0以下のためWAVファイルを作れません。曲の情報でテンポを1"
                             "以上にしてください。");
    }
    ScoreBuilder high(2);
    high.Note(4, Kind::QuarterNote, 161, 1).Note(5, Kind::QuarterNote, 162, 1); // 127, 129
    ExpectRefused(high.doc,
                  "1003パート 2 の位置 5 の音符の高さ(129)が音にできる範囲(0～127)を外れていま"
                  "す。",
                  1);
    ScoreBuilder low;
    low.Note(7, Kind::QuarterNote, 86); // -1
    EXPECT_EQ(ExportWav(low.doc, 0, Timbre(), target_).substr(0, 4), "1003");
    ExpectRefused(low.doc, "1104パート 3 はありません。", 2);
    // At tempo 1 a whole note is 64 × 165375 samples; 203 of them pass 2^31.
    ScoreBuilder slow(1, 300, 1);
    for (std::int32_t iti = 0; iti <= 300; ++iti)
        slow.Rest(iti, LengthCode::Whole);
    ExpectRefused(slow.doc, "1005パート 1 の位置 202 までの音が長すぎてWAVファイルに書けません(WA"
                            "Vファイルは4GBまでです)。");
}

TEST_F(WavFailure, TimbresThatCannotBeLoaded) {
    ScoreBuilder s;
    s.Note(0, Kind::QuarterNote, C4);
    // The default timbre's folder is missing here.
    ExpectRefused(s.doc,
                  std::to_string(ENOENT) + "音色ファイル「デフォルト\\Violin.hki」が見つかりませ"
                                           "ん。",
                  0, DefaultTimbreName);
    std::ofstream(dir_.File("two.hki2")) << "sin  1 1\n";
    EXPECT_EQ(ExportWav(s.doc, 0, AppPath(), "two.hki2", target_).substr(0, 4), "1101");
    std::filesystem::remove(dir_.File("two.hki2"));
    ExpectUntouched();
}

TEST_F(WavFailure, FileErrorsLeaveNothingHalfWrittenAndSuccessReplacesTheWholeFile) {
    ScoreBuilder s;
    EXPECT_EQ(ExportWav(s.doc, 0, Timbre(), dir_.File("missing/song.wav")),
              std::to_string(ENOENT) + "保存先のフォルダが見つかりません。");

    // A write that fails half-way (a file-size limit in a child process).
    ScoreBuilder big(1, 200, 60);
    for (std::int32_t iti = 0; iti <= 200; ++iti)
        big.Note(iti, Kind::WholeNote, C4);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{1 << 20, 1 << 20};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const bool ok = ExportWav(big.doc, 0, Filled(1000), target_) ==
                        std::to_string(EFBIG) + "ファイルが大きすぎて書き込めません。";
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ExpectUntouched();

    s.Rest(0, LengthCode::SixtyFourth);
    std::ofstream(dir_.File("Sine.hki2")) << "sin 1 1\n";
    EXPECT_EQ(ExportWav(s.doc, 0, AppPath(), "Sine.hki2", target_), "");
    EXPECT_EQ(ReadBytes(target_).size(), 44u + 2 * t120);
}

} // namespace
} // namespace sorn

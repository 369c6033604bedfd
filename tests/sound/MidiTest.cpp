// MIDI export: the exact bytes of header, tracks and notes, the repeat walk,
// and exports that must stop without touching what is on disk.

#include "ScoreBuilder.h"
#include "sound/SornMidi.h"
#include "support/RecordingProgress.h"
#include "support/TempDir.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

namespace sorn {
namespace {

using test::ReadBytes;
using test::ScoreBuilder;
using test::TempDir;
using test::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& b : parts)
        all.insert(all.end(), b.begin(), b.end());
    return all;
}

void PutBig(Bytes& b, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        b.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

Bytes Header(unsigned tracks) {
    Bytes b = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    PutBig(b, tracks, 2);
    PutBig(b, 480, 2);
    return b;
}

// A track chunk: program change and tempo, the events, and the end of the
// track after endDelta (already in variable-length form).
Bytes Track(const Bytes& events, const Bytes& endDelta = {0}, std::uint8_t channel = 0,
            std::uint8_t instrument = 0, std::uint32_t tempo = 500000) {
    Bytes data = {0, static_cast<std::uint8_t>(0xC0 | channel), instrument, 0, 0xFF, 0x51, 3};
    PutBig(data, tempo, 3);
    data.insert(data.end(), events.begin(), events.end());
    data.insert(data.end(), endDelta.begin(), endDelta.end());
    data.insert(data.end(), {0xFF, 0x2F, 0});
    Bytes chunk = {'M', 'T', 'r', 'k'};
    PutBig(chunk, static_cast<std::uint32_t>(data.size()), 4);
    return Cat({chunk, data});
}

// A quarter note straight after the previous event.
Bytes Quarter(std::uint8_t note, std::uint8_t velocity = 90, std::uint8_t channel = 0) {
    return {0,    static_cast<std::uint8_t>(0x90 | channel), note, velocity, 0x83,
            0x60, static_cast<std::uint8_t>(0x80 | channel), note, 0};
}

Bytes Export(const SornData& doc, const TempDir& dir, const std::string& name = "out.mid",
             ProgressSink* progress = nullptr) {
    SornMidi midi;
    EXPECT_EQ(midi.SaveToMIDI(doc, dir.File(name), progress), 1) << midi.Error().Message();
    EXPECT_FALSE(midi.Error());
    return ReadBytes(dir.File(name));
}

std::size_t FilesIn(const TempDir& dir) {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(dir.Path()), {}));
}

constexpr std::uint8_t A = 122, B = 124, C = 126, D = 128; // MIDI 60, 64, 67, 71

TEST(MidiFile, QuarterNoteC4IsExactlyTheKnownBytes) {
    TempDir dir;
    ScoreBuilder s;
    s.Note(0, Kind::QuarterNote, StaffPosition::MiddleC);
    const Bytes expected = {0x4D, 0x54, 0x68, 0x64, 0x00, 0x00, 0x00, 0x06, 0x00, 0x01, 0x00, 0x01,
                            0x01, 0xE0, 0x4D, 0x54, 0x72, 0x6B, 0x00, 0x00, 0x00, 0x17, 0x00, 0xC0,
                            0x00, 0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0x90, 0x3C, 0x5A,
                            0x83, 0x60, 0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00};
    EXPECT_EQ(Export(s.doc, dir), expected);
}

TEST(MidiFile, RestsWaitBeforeTheNextNoteAndAtTheEnd) {
    TempDir dir;
    ScoreBuilder s;
    s.Rest(0, LengthCode::Quarter);
    s.Note(1, Kind::EighthNote, B).Attach(1, Kind::Dynamics, DynamicsCode::f);
    s.Rest(2, LengthCode::Half);
    s.Rest(3, LengthCode::Quarter).Attach(3, Kind::Dot, MarkPresent);
    EXPECT_EQ(Export(s.doc, dir),
              Cat({Header(1),
                   Track({0x83, 0x60, 0x90, 64, 100, 0x81, 0x70, 0x80, 64, 0}, {0x8D, 0x10})}));
}

TEST(MidiFile, TieChainSoundsAsOneNote) {
    TempDir dir;
    ScoreBuilder s;
    s.Note(0, Kind::HalfNote, A).Attach(0, Kind::Tie, MarkPresent);
    s.Note(1, Kind::QuarterNote, A).Attach(1, Kind::Tie, MarkPresent);
    s.Note(2, Kind::EighthNote, A);
    s.Note(3, Kind::QuarterNote, B);
    EXPECT_EQ(
        Export(s.doc, dir),
        Cat({Header(1), Track(Cat({{0, 0x90, 60, 90, 0x8D, 0x10, 0x80, 60, 0}, Quarter(64)}))}));
}

TEST(MidiFile, DeltaTimesTakeOneToFourBytes) {
    const struct {
        int wholeRests;
        Bytes delta;
    } cases[] = {
        {0, {0}}, {8, {0xF8, 0x00}}, {9, {0x81, 0x87, 0x00}}, {1093, {0x81, 0x80, 0x8B, 0x00}}};
    for (const auto& c : cases) {
        TempDir dir;
        ScoreBuilder s(1, 1100);
        for (int i = 0; i < c.wholeRests; ++i)
            s.Rest(i, LengthCode::Whole);
        EXPECT_EQ(Export(s.doc, dir), Cat({Header(1), Track({}, c.delta)})) << c.wholeRests;
    }
}

TEST(MidiFile, EveryPartIsATrackWithItsChannelInstrumentAndTempo) {
    TempDir dir;
    ScoreBuilder s(4, MinLength, 4); // the slowest tempo a file can hold: 15 s a beat
    s.doc.SetInstrumentNumber(0, "127");
    s.doc.SetInstrumentNumber(3, "40");
    s.Note(0, Kind::QuarterNote, A, 3);
    const std::uint32_t tempo = 15000000;
    EXPECT_EQ(Export(s.doc, dir),
              Cat({Header(4), Track({}, {0}, 0, 127, tempo), Track({}, {0}, 1, 0, tempo),
                   Track({}, {0}, 2, 0, tempo), Track(Quarter(60, 90, 3), {0}, 3, 40, tempo)}));
    s.doc.SetSpeed(32767);
    EXPECT_EQ(Export(s.doc, dir)[31], 0x27); // 1831 microseconds: 00 07 27
}

TEST(MidiFile, PartsNeverPlayOnThePercussionChannel) {
    const std::pair<int, int> channels[] = {{0, 0},  {8, 8},   {9, 10},  {14, 15}, {15, 0},
                                            {23, 8}, {24, 10}, {29, 15}, {30, 0},  {255, 0}};
    for (const auto& [part, channel] : channels)
        EXPECT_EQ(SornMidi::Channel(part), channel) << "part " << part;

    TempDir dir;
    ScoreBuilder s(10);
    s.Note(0, Kind::QuarterNote, A, 9);
    const Bytes bytes = Export(s.doc, dir);
    const Bytes lastTrack = Track(Quarter(60, 90, 10), {0}, 10);
    ASSERT_GT(bytes.size(), lastTrack.size());
    EXPECT_EQ(Bytes(bytes.end() - static_cast<long>(lastTrack.size()), bytes.end()), lastTrack);
}

TEST(MidiFile, TwoHundredFiftySixPartsFillTheTrackCount) {
    TempDir dir;
    ScoreBuilder s(MaxParts);
    ASSERT_EQ(s.doc.PartSuu(), 255);
    const Bytes bytes = Export(s.doc, dir);
    ASSERT_EQ(bytes.size(), 14u + 256u * Track({}).size());
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 14), Header(256));
    EXPECT_EQ(bytes[10], 0x01);
    EXPECT_EQ(bytes[11], 0x00);
}

// The repeat walk, read back as the notes played in order.
class MidiRepeats : public ::testing::Test {
protected:
    Bytes Played(std::initializer_list<std::uint8_t> notes) {
        Bytes events;
        for (std::uint8_t n : notes)
            events = Cat({events, Quarter(n)});
        return Cat({Header(1), Track(events)});
    }
    TempDir dir_;
    ScoreBuilder s_;
};

TEST_F(MidiRepeats, RepeatedSectionPlaysTwice) {
    s_.Note(0, Kind::QuarterNote, A).Bar(1, BarLineCode::RepeatStart);
    s_.Note(2, Kind::QuarterNote, B).Bar(3, BarLineCode::RepeatEnd);
    s_.Note(4, Kind::QuarterNote, C);
    EXPECT_EQ(Export(s_.doc, dir_), Played({60, 64, 64, 67}));
}

TEST_F(MidiRepeats, RepeatBothBarBetweenTwoSections) {
    s_.Note(0, Kind::QuarterNote, A).Bar(1, BarLineCode::RepeatStart);
    s_.Note(2, Kind::QuarterNote, B).Bar(3, BarLineCode::RepeatBoth);
    s_.Note(4, Kind::QuarterNote, C).Bar(5, BarLineCode::RepeatEnd);
    s_.Note(6, Kind::QuarterNote, D);
    EXPECT_EQ(Export(s_.doc, dir_), Played({60, 64, 64, 67, 67, 71}));
}

TEST_F(MidiRepeats, EndRepeatWithoutStartGoesBackToTheBeginning) {
    s_.Note(0, Kind::QuarterNote, A).Note(1, Kind::QuarterNote, B);
    s_.Bar(2, BarLineCode::RepeatEnd).Note(3, Kind::QuarterNote, C);
    EXPECT_EQ(Export(s_.doc, dir_), Played({60, 64, 60, 64, 67}));
}

TEST_F(MidiRepeats, DaCapoPlaysOnceMoreWithoutRepeatsUntilFine) {
    s_.Note(0, Kind::QuarterNote, A).Bar(1, BarLineCode::RepeatStart);
    s_.Note(2, Kind::QuarterNote, B).Attach(2, Kind::RepeatWord, RepeatWordCode::Fine);
    s_.Bar(3, BarLineCode::RepeatEnd);
    s_.Note(4, Kind::QuarterNote, C).Attach(4, Kind::RepeatWord, RepeatWordCode::DC);
    s_.Rest(5, LengthCode::Whole); // never reached: the Fine ends the track
    EXPECT_EQ(Export(s_.doc, dir_), Played({60, 64, 64, 67, 60, 64}));
}

TEST_F(MidiRepeats, SecondDaCapoIsIgnoredAndWithoutFineThePieceEnds) {
    s_.Note(0, Kind::QuarterNote, A);
    s_.Note(1, Kind::QuarterNote, B).Attach(1, Kind::RepeatWord, RepeatWordCode::DaCapo);
    s_.Note(2, Kind::QuarterNote, C).Attach(2, Kind::RepeatWord, RepeatWordCode::DC);
    EXPECT_EQ(Export(s_.doc, dir_), Played({60, 64, 60, 64, 67}));
}

// Going back, the clef and the key are those written before the place gone
// back to, not the ones the music had come to.
TEST_F(MidiRepeats, JumpsReadTheClefAndKeyWrittenWhereTheyLand) {
    constexpr std::uint8_t F = 125; // F4 under the G clef, A2 under the F clef
    s_.Main(0, Kind::KeySignature, 0).Note(1, Kind::QuarterNote, F);
    s_.Bar(1, BarLineCode::RepeatStart).Note(2, Kind::QuarterNote, F);
    s_.Main(3, Kind::KeySignature, 1).Main(4, Kind::Clef, ClefCode::F);
    s_.Note(5, Kind::QuarterNote, F).Bar(5, BarLineCode::RepeatEnd);
    s_.Note(6, Kind::QuarterNote, F).Attach(6, Kind::RepeatWord, RepeatWordCode::DC);
    EXPECT_EQ(Export(s_.doc, dir_), Played({65, 65, 45, 65, 45, 45, 65, 65, 45, 45}));
}

TEST_F(MidiRepeats, WaitingAndLoudnessCarryAcrossTheJump) {
    s_.Note(0, Kind::QuarterNote, A);
    s_.Rest(1, LengthCode::Quarter).Attach(1, Kind::Dynamics, DynamicsCode::p);
    s_.Bar(1, BarLineCode::RepeatEnd);
    const Bytes expected = Cat(
        {Header(1), Track(Cat({Quarter(60), {0x83, 0x60, 0x90, 60, 64, 0x83, 0x60, 0x80, 60, 0}}),
                          {0x83, 0x60})});
    EXPECT_EQ(Export(s_.doc, dir_), expected);
}

// Every event of a file in playing order per track, at its time from the
// track's start; the text of a name or a lyric as text.
struct Event {
    int track;
    std::int64_t time;
    std::string what;
    bool operator==(const Event&) const = default;
};

std::vector<Event> Events(const Bytes& file) {
    std::vector<Event> out;
    std::size_t p = 14;
    for (int track = 0; p + 8 <= file.size(); ++track) {
        const std::size_t end = p + 8 +
                                (std::size_t{file[p + 4]} << 24 | std::size_t{file[p + 5]} << 16 |
                                 std::size_t{file[p + 6]} << 8 | file[p + 7]);
        p += 8;
        auto number = [&] {
            std::int64_t v = 0;
            for (std::uint8_t b = 0x80; b & 0x80;) {
                b = file.at(p++);
                v = v << 7 | (b & 0x7F);
            }
            return v;
        };
        for (std::int64_t time = 0; p < end;) {
            time += number();
            std::string what;
            if (file[p] == 0xFF) {
                const int type = file[p + 1];
                p += 2;
                const auto size = static_cast<std::size_t>(number());
                what = type == 3   ? "name "
                       : type == 5 ? "lyric "
                                   : "meta " + std::to_string(type) + " ";
                what.append(file.begin() + static_cast<long>(p),
                            file.begin() + static_cast<long>(p + size));
                p += size;
            } else {
                const std::size_t size = (file[p] & 0xF0) == 0xC0 ? 2 : 3;
                for (std::size_t i = 0; i < size; ++i)
                    what += std::to_string(file[p + i]) + " ";
                p += size;
            }
            out.push_back({track, time, what});
        }
    }
    return out;
}

// Words go into the tracks as text: the part's name first, each syllable
// at its note's time, verse n on the n-th pass (verse 1 where verse n says
// nothing); the rest of the file is what it is without them.
TEST(MidiFile, WordsAreTrackNamesAndLyricsAtTheirNotes) {
    TempDir dir;
    ScoreBuilder s(2);
    s.Note(0, Kind::QuarterNote, A).Rest(1, LengthCode::Quarter);
    s.Note(2, Kind::QuarterNote, B).Bar(2, BarLineCode::RepeatEnd);
    s.Note(3, Kind::QuarterNote, C).Attach(3, Kind::RepeatWord, RepeatWordCode::DC);
    s.Note(0, Kind::HalfNote, D, 1);
    const Bytes plain = Export(s.doc, dir, "plain.mid");
    s.doc.SetPartText(0, PartText::Name, "ソプラノ");
    s.doc.SetPartText(1, PartText::ShortName, "A."); // no name: no track name
    const std::vector<std::tuple<int, std::int32_t, int, Syllable>> syllables = {
        {0, 0, 0, {"Hap", Syllabic::Begin}},
        {0, 2, 0, {"py", Syllabic::End, true}},
        {0, 3, 0, {"end"}},
        {0, 2, 1, {"two"}},
        {0, 0, 2, {"さん"}},
        {1, 0, 0, {"la", Syllabic::Middle}},
    };
    for (const auto& [part, i, verse, syllable] : syllables)
        ASSERT_TRUE(s.doc.SetSyllable(static_cast<std::uint8_t>(part), i, verse, syllable));
    std::vector<Event> words = Events(Export(s.doc, dir, "words.mid")), texts, rest;
    for (Event& e : words)
        (e.what.starts_with("name ") || e.what.starts_with("lyric ") ? texts : rest).push_back(e);
    EXPECT_EQ(rest, Events(plain));
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(words.front(), (Event{0, 0, "name ソプラノ"}));
    // Played: 0 2 | 0 2 3 D.C. | 0 2 3, a quarter (480) each and the rest.
    EXPECT_EQ(texts, (std::vector<Event>{{0, 0, "name ソプラノ"},
                                         {0, 0, "lyric Hap-"},
                                         {0, 960, "lyric py"},
                                         {0, 1440, "lyric Hap-"},
                                         {0, 2400, "lyric two"},
                                         {0, 2880, "lyric end"},
                                         {0, 3360, "lyric さん"},
                                         {0, 4320, "lyric py"},
                                         {0, 4800, "lyric end"},
                                         {1, 0, "lyric la-"}}));
}

TEST(MidiProgress, OneStepPerPart) {
    test::RecordingProgress progress;
    TempDir dir;
    ScoreBuilder s(3);
    Export(s.doc, dir, "out.mid", &progress);
    EXPECT_EQ(progress.maximum, 3);
    EXPECT_EQ(progress.values, (std::vector<int>{0, 1, 2, 3}));
}

// Exports that must stop: the message the user sees, and the file on disk.
class MidiFailure : public ::testing::Test {
protected:
    void SetUp() override { WriteBytes(target_, oldBytes_); }
    // Runs the export, expects it to fail with that message, and the old file
    // to be the only file in the folder, unchanged.
    void ExpectRefused(SornData& doc, const std::string& message) {
        SornMidi midi;
        EXPECT_EQ(midi.SaveToMIDI(doc, target_), 0);
        EXPECT_EQ(midi.Error().Message(), message);
        EXPECT_EQ(ReadBytes(target_), oldBytes_);
        EXPECT_EQ(FilesIn(dir_), 1u);
    }
    TempDir dir_;
    std::string target_ = dir_.File("song.mid");
    Bytes oldBytes_ = Bytes(5000, 0xAB);
};

TEST_F(MidiFailure, NotesOutsideMidiNameTheirPartAndPosition) {
    ScoreBuilder high(2);
    high.Note(4, Kind::QuarterNote, 161, 1); // G9, MIDI 127, is still fine
    high.Note(5, Kind::QuarterNote, 162, 1);
    ExpectRefused(high.doc, "1003パート 2 の位置 5 の音符の高さ(129)がMIDIで表せる範囲(0～127)を"
                            "外れています。");
    ScoreBuilder low;
    low.Note(7, Kind::QuarterNote, 86);
    ExpectRefused(low.doc, "1003パート 1 の位置 7 の音符の高さ(-1)がMIDIで表せる範囲(0～127)を外"
                           "れています。");
    ScoreBuilder shifted; // the F clef moves staff position 3 below step 0
    shifted.Main(0, Kind::Clef, ClefCode::F).Note(1, Kind::QuarterNote, 3);
    SornMidi midi;
    EXPECT_EQ(midi.SaveToMIDI(shifted.doc, target_), 0);
    EXPECT_EQ(midi.Error().Number, ExportErrorNumber::NoteOutOfRange);
}

TEST_F(MidiFailure, TemposAFileCannotHold) {
    for (std::int16_t speed : {0, -120}) {
        ScoreBuilder s(1, MinLength, speed);
        ExpectRefused(s.doc, "1001テンポが0以下のためMIDIファイルを作れません。曲の情報でテンポを1"
                             "以上にしてください。");
    }
    ScoreBuilder slow(1, MinLength, 3);
    ExpectRefused(slow.doc, "1002テンポ 3 はMIDIファイルで表せるより遅いため書き出せません。テン"
                            "ポを4以上にしてください。");
}

TEST_F(MidiFailure, InstrumentOutsideTheProgramNumbers) {
    ScoreBuilder s(2);
    s.doc.SetInstrumentNumber(1, "200");
    ExpectRefused(s.doc, "1004パート 2 の楽器番号 200 はMIDIの音色番号(0～127)ではありません。");
}

TEST_F(MidiFailure, WaitLongerThanADeltaTimeCanCarry) {
    ScoreBuilder s(1, 600);
    for (std::int32_t iti = 0; iti <= 600; ++iti) {
        s.Rest(iti, LengthCode::Whole);
        for (int slot = 1; slot < SlotCount; ++slot)
            s.doc.SetGData1(0, iti, static_cast<std::int16_t>(slot), Kind::Dot, MarkPresent);
    }
    ExpectRefused(s.doc, "1005パート 1 の位置 478 までの音または休みが長すぎてMIDIファイルに書"
                         "けません。");
}

TEST_F(MidiFailure, FileErrorsKeepTheirNumber) {
    ScoreBuilder s;
    SornMidi midi;
    EXPECT_EQ(midi.SaveToMIDI(s.doc, dir_.File("missing/song.mid")), 0);
    EXPECT_EQ(midi.Error().Message(),
              std::to_string(ENOENT) + "保存先のフォルダが見つかりません。");

    // A write that fails half-way (a file-size limit in a child process).
    ScoreBuilder big(16, MaxLength);
    for (std::int32_t iti = 0; iti <= MaxLength; ++iti)
        big.Note(iti, Kind::EighthNote, A);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{65536, 65536};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        SornMidi child;
        const bool ok = child.SaveToMIDI(big.doc, target_) == 0 && child.Error().Number == EFBIG &&
                        ReadBytes(target_) == oldBytes_;
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(target_), oldBytes_);
    EXPECT_EQ(FilesIn(dir_), 1u);
}

TEST_F(MidiFailure, SuccessReplacesALongerFileWhole) {
    ScoreBuilder s;
    s.Note(0, Kind::QuarterNote, A);
    SornMidi midi;
    ASSERT_EQ(midi.SaveToMIDI(s.doc, target_), 1);
    EXPECT_EQ(ReadBytes(target_), Cat({Header(1), Track(Quarter(60))}));
    EXPECT_EQ(FilesIn(dir_), 1u);
}

} // namespace
} // namespace sorn

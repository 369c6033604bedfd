// LilyPond: what we write LilyPond reads without a word of complaint, its
// MIDI plays what ours plays, note for note, and the engraving runs it in a
// folder of its own, saying what is missing or what went wrong.

#include "interchange/LilyPondExport.h"
#include "model/SymbolCodes.h"
#include "sound/SornMidi.h"
#include "support/Examples.h"
#include "support/RandomScore.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <tuple>

namespace sorn::test {
namespace {

std::string ReadText(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

// Every note of every track of a Standard MIDI File: onset, key and length
// in 1920ths of a quarter, which both files' divisions divide.
using Note = std::tuple<std::int64_t, int, std::int64_t>;
std::vector<std::vector<Note>> MidiNotes(const std::string& path) {
    const std::vector<std::uint8_t> d = ReadBytes(path);
    std::vector<std::vector<Note>> tracks;
    if (d.size() < 14) return tracks;
    const std::int64_t scale = 1920 / ((d[12] << 8) | d[13]);
    std::size_t at = 14;
    auto number = [&](std::size_t& i) {
        std::int64_t v = 0;
        while (i < d.size()) {
            const std::uint8_t b = d[i++];
            v = (v << 7) | (b & 0x7F);
            if (b < 0x80) break;
        }
        return v;
    };
    while (at + 8 <= d.size()) {
        const std::size_t size =
            (std::size_t{d[at + 4]} << 24) | (d[at + 5] << 16) | (d[at + 6] << 8) | d[at + 7];
        const std::size_t end = std::min(d.size(), at + 8 + size);
        std::size_t i = at + 8;
        at = end;
        std::vector<Note>& notes = tracks.emplace_back();
        std::map<std::pair<int, int>, std::vector<std::int64_t>> sounding;
        std::int64_t time = 0;
        std::uint8_t status = 0;
        while (i < end) {
            time += number(i) * scale;
            if (d[i] == 0xFF) {
                i += 2;
                i += static_cast<std::size_t>(number(i));
                continue;
            }
            if (d[i] & 0x80) status = d[i++];
            const int kind = status & 0xF0, channel = status & 0x0F;
            if (kind == 0xC0 || kind == 0xD0) {
                ++i;
                continue;
            }
            const int key = d[i], velocity = d[i + 1];
            i += 2;
            auto& on = sounding[{channel, key}];
            if (kind == 0x90 && velocity > 0) {
                on.push_back(time);
            } else if ((kind == 0x80 || kind == 0x90) && !on.empty()) {
                // A note of no length is not heard.
                if (time > on.front()) notes.emplace_back(on.front(), key, time - on.front());
                on.erase(on.begin());
            }
        }
        std::sort(notes.begin(), notes.end());
    }
    return tracks;
}

// A score as people write them, at random: bars filled to their time
// signature (a few short or long), notes with accidentals (some not
// needed), dots, ties, beams and dynamics, clef, key and time changes,
// repeats, a Fine and a da capo, lyrics, and names LilyPond must quote.
SornData WrittenScore(unsigned seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    auto chance = [&](int percent) { return pick(100) < percent; };
    SornData doc;
    doc.FileNew();
    const int parts = 1 + pick(3);
    for (int p = 1; p < parts; ++p)
        doc.AddPart();
    doc.SetSpeed(static_cast<std::int16_t>(40 + pick(160)));
    static const std::array<std::string, 8> kNames = {
        "", "Violin 1", "key", "e", "ソプラノ", "Alto \"solo\"", "fis", "Bass\\Continuo"};
    static constexpr std::array<std::uint8_t, 4> kClefs = {ClefCode::G, ClefCode::F,
                                                           ClefCode::CAlto, ClefCode::CTenor};
    static constexpr std::array<std::pair<int, int>, 7> kTimes = {
        {{4, 2}, {3, 2}, {2, 2}, {6, 3}, {2, 1}, {3, 3}, {5, 2}}};
    static constexpr std::array<std::uint8_t, 10> kDynamics = {1, 2, 3, 4, 5, 9, 10, 11, 12, 13};
    if (chance(50)) doc.SetText(ScoreText::Title, "Étude \"No. 1\" \\ 練習曲");
    if (chance(50)) doc.SetText(ScoreText::Composer, "作曲者");
    if (chance(30)) doc.SetText(ScoreText::Copyright, "© 2024");

    // Every part plays the same bars, so that most scores share their
    // measures; a part may still go its own way in length.
    const int bars = 4 + pick(8);
    const bool pickup = chance(25);
    const int dcAt = chance(35) ? bars - 1 : -1;
    const int fineAt = dcAt > 2 && chance(60) ? 1 + pick(dcAt - 1) : -1;
    const int repeatFrom = chance(50) ? pick(bars - 1) : -1;
    const int repeatTo = repeatFrom >= 0 ? repeatFrom + pick(bars - repeatFrom - 1) : -1;
    const bool both = repeatTo >= 0 && repeatTo + 2 < bars && chance(40);
    std::vector<std::pair<int, int>> times(static_cast<std::size_t>(bars));
    std::vector<int> irregular(static_cast<std::size_t>(bars), 0);
    times[0] = kTimes[static_cast<std::size_t>(pick(7))];
    for (int b = 1; b < bars; ++b)
        times[static_cast<std::size_t>(b)] = chance(15) ? kTimes[static_cast<std::size_t>(pick(7))]
                                                        : times[static_cast<std::size_t>(b - 1)];
    for (int b = 1; b + 1 < bars; ++b)
        if (chance(10)) irregular[static_cast<std::size_t>(b)] = chance(50) ? 256 : -128;

    std::int32_t longest = MinLength;
    std::vector<std::vector<PositionRecord>> written(static_cast<std::size_t>(parts));
    std::vector<std::vector<std::pair<std::int32_t, Syllable>>> sung(
        static_cast<std::size_t>(parts));
    for (int p = 0; p < parts; ++p) {
        auto& cols = written[static_cast<std::size_t>(p)];
        auto add = [&](std::uint8_t kind, std::uint8_t value) {
            PositionRecord r{};
            r.Syurui[0] = kind;
            r.Atai[0] = value;
            cols.push_back(r);
        };
        auto attach = [&](std::uint8_t kind, std::uint8_t value) {
            PositionRecord& r = cols.back();
            for (int k = 1; k < SlotCount; ++k)
                if (r.Syurui[k] == Kind::Empty) {
                    r.Syurui[k] = kind;
                    r.Atai[k] = value;
                    return;
                }
        };
        std::uint8_t clef = kClefs[static_cast<std::size_t>(pick(4))];
        add(Kind::Clef, clef);
        add(Kind::KeySignature, static_cast<std::uint8_t>(pick(15)));
        int lastStaff = 128;
        bool tieNext = false;
        const bool lyrics = chance(50);
        for (int b = 0; b < bars; ++b) {
            const auto [numerator, exponent] = times[static_cast<std::size_t>(b)];
            if (b == 0 ||
                times[static_cast<std::size_t>(b)] != times[static_cast<std::size_t>(b - 1)])
                add(Kind::TimeSignature, EncodeTimeSignature(numerator, exponent));
            if (b > 0 && chance(8)) {
                clef = kClefs[static_cast<std::size_t>(pick(4))];
                add(Kind::Clef, clef);
            }
            if (b > 0 && chance(10)) add(Kind::KeySignature, static_cast<std::uint8_t>(pick(15)));
            std::int32_t left =
                numerator * (1024 >> exponent) + irregular[static_cast<std::size_t>(b)];
            if (b == 0 && pickup) left = 1024 >> exponent;
            while (left > 0) {
                // The longest value that fits, or a shorter one now and then.
                std::uint8_t code = LengthCode::Whole;
                while ((1024 >> (code - 1)) > left)
                    ++code;
                if (code < LengthCode::SixtyFourth && chance(50)) ++code;
                if (code < LengthCode::SixtyFourth && chance(30)) ++code;
                std::int32_t ticks = 1024 >> (code - 1);
                // Never a remainder shorter than a sixty-fourth.
                const std::int32_t after = left - ticks * 3 / 2;
                const bool dot = (after == 0 || after >= 16) && chance(20);
                if (dot) ticks = ticks * 3 / 2;
                left -= ticks;
                if (!tieNext && chance(15)) {
                    add(Kind::Rest, code);
                } else {
                    // Around the middle of the staff, in reach of every clef.
                    const int staff = tieNext ? lastStaff : 118 + pick(21);
                    add(code, static_cast<std::uint8_t>(staff));
                    lastStaff = staff;
                    if (!tieNext && chance(20))
                        attach(Kind::Accidental, static_cast<std::uint8_t>(1 + pick(5)));
                    tieNext = chance(12);
                    if (tieNext) attach(Kind::Tie, MarkPresent);
                    if (code >= LengthCode::Eighth && chance(60)) attach(Kind::Beam, MarkPresent);
                    if (lyrics && chance(80)) {
                        static const std::array<std::string, 6> kWords = {"la", "lu",  "さ",
                                                                          "く", "1st", "a_b"};
                        sung[static_cast<std::size_t>(p)].push_back(
                            {static_cast<std::int32_t>(cols.size() - 1),
                             Syllable{kWords[static_cast<std::size_t>(pick(6))],
                                      static_cast<Syllabic>(pick(4)), chance(20)}});
                    }
                }
                if (dot) attach(Kind::Dot, MarkPresent);
                if (chance(8))
                    attach(Kind::Dynamics, kDynamics[static_cast<std::size_t>(pick(10))]);
            }
            std::uint8_t line = chance(10) ? BarLineCode::Double : BarLineCode::Single;
            if (b == repeatFrom - 1) line = BarLineCode::RepeatStart;
            if (b == repeatTo) line = both ? BarLineCode::RepeatBoth : BarLineCode::RepeatEnd;
            if (both && b == repeatTo + 2) line = BarLineCode::RepeatEnd;
            if (b == bars - 1) line = BarLineCode::Final;
            if (b + 1 < bars || chance(80)) attach(Kind::BarLine, line);
            if (b == fineAt) attach(Kind::RepeatWord, RepeatWordCode::Fine);
            if (b == dcAt)
                attach(Kind::RepeatWord, chance(50) ? RepeatWordCode::DC : RepeatWordCode::DaCapo);
        }
        longest = std::max(longest, static_cast<std::int32_t>(cols.size()) - 1);
    }
    doc.SetLength(longest);
    for (int p = 0; p < parts; ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        const auto& cols = written[static_cast<std::size_t>(p)];
        for (std::size_t i = 0; i < cols.size(); ++i)
            doc.SetRecord(part, static_cast<std::int32_t>(i), cols[i]);
        for (const auto& [at, syllable] : sung[static_cast<std::size_t>(p)])
            doc.SetSyllable(part, at, pick(2), syllable);
        doc.SetInstrumentNumber(part, std::to_string(pick(128)));
        doc.SetPartText(part, PartText::Name, kNames[static_cast<std::size_t>(pick(8))]);
        if (chance(40))
            doc.SetPartText(part, PartText::ShortName, "P" + std::to_string(p + 1) + ".");
    }
    return doc;
}

// The examples, scores as people write them and scores of every symbol
// anywhere: LilyPond sets them all without a warning, and where the
// repeats are LilyPond's to play, its MIDI is ours note for note.
TEST(LilyPondExport, ExamplesAndRandomScoresEngraveCleanlyAndPlayAsOurMidi) {
    TempDir dir;
    std::vector<std::pair<std::string, SornData>> corpus;
    struct Quiet : MessageBoxes {
        MsgResult Show(std::string_view, MsgButtons, MsgIcon) override { return MsgResult::Ok; }
    } quiet;
    for (const char* name : {"sakura", "chorale", "canon", "kirakira", "amazing-grace"}) {
        SornData doc;
        ASSERT_EQ(doc.FileOpen(Example(std::string(name) + ".sorn"), quiet), OpenResult::Opened);
        corpus.emplace_back(name, std::move(doc));
    }
    for (unsigned seed = 1; seed <= 14; ++seed)
        corpus.emplace_back("written" + std::to_string(seed), WrittenScore(seed));
    // Of the scores with every symbol anywhere, those our MIDI export
    // takes: the others have notes beyond MIDI, which both exports refuse.
    for (unsigned seed = 1, taken = 0; taken < 8 && seed < 400; ++seed) {
        SornData doc = RandomScore(seed);
        std::string text;
        SornMidi midi;
        const bool refused = midi.SaveToMIDI(doc, dir.File("probe.mid")) != 1;
        EXPECT_EQ(refused, static_cast<bool>(LilyPondText(doc, text))) << seed;
        if (refused) continue;
        corpus.emplace_back("random" + std::to_string(seed), std::move(doc));
        ++taken;
    }

    std::map<std::string, std::vector<int>> drawnOnly;
    std::string files;
    for (const auto& [name, doc] : corpus) {
        std::string text;
        LilyPondNotes notes;
        const ExportError error = LilyPondText(doc, text, {}, &notes);
        ASSERT_FALSE(error) << name << ": " << error.Message();
        SornMidi midi;
        ASSERT_EQ(midi.SaveToMIDI(doc, dir.File(name + ".mid")), 1) << name;
        std::ofstream(dir.File(name + ".ly"), std::ios::binary) << text;
        drawnOnly[name] = notes.repeatsDrawnOnly;
        files += " '" + name + ".ly'";
    }

    const std::string command = "cd '" + dir.Path().string() +
                                "' && lilypond --loglevel=WARN -dno-point-and-click" + files +
                                " >lilypond.log 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadText(dir.File("lilypond.log")), "");

    for (const auto& [name, doc] : corpus) {
        const auto ours = MidiNotes(dir.File(name + ".mid"));
        auto theirs = MidiNotes(dir.File(name + ".midi"));
        ASSERT_FALSE(theirs.empty()) << name;
        theirs.erase(theirs.begin()); // LilyPond's tempo track
        ASSERT_EQ(theirs.size(), ours.size()) << name;
        const std::vector<int>& skip = drawnOnly[name];
        for (std::size_t p = 0; p < ours.size(); ++p) {
            if (std::find(skip.begin(), skip.end(), static_cast<int>(p)) != skip.end()) continue;
            EXPECT_EQ(theirs[p], ours[p]) << name << " part " << p + 1;
        }
    }
}

} // namespace
} // namespace sorn::test

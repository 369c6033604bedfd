// The cursor's pitch against the calculator's own numbers, and the bar sums.

#include "sound/BarCheck.h"
#include "ScoreBuilder.h"
#include "sound/EnteredNote.h"
#include "sound/PartWalk.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace sorn {
namespace {

using test::ScoreBuilder;

// Every note the calculator sounds, by position.
std::map<std::int32_t, std::int16_t> HeardNotes(const SornData& doc) {
    struct Listener : PartListener {
        std::map<std::int32_t, std::int16_t> notes;
        bool Rest(std::int32_t, std::int32_t) override { return true; }
        bool Note(std::int32_t Iti, std::int16_t note, std::uint8_t, std::int32_t,
                  std::int32_t) override {
            notes[Iti] = note;
            return true;
        }
    } listener;
    WalkPart(doc, 0, listener);
    return listener.notes;
}

TEST(CursorPitch, NamesWhatTheCalculatorSounds) {
    constexpr std::uint8_t C = Kind::QuarterNote;
    ScoreBuilder s(1, 40);
    s.Note(0, C, 122) // C4
        .Note(1, C, 123)
        .Attach(1, Kind::Accidental, AccidentalCode::Sharp) // D#4
        .Note(2, C, 123)                                    // carried
        .Note(3, C, 130)
        .Bar(3)                         // D5, bar ends
        .Note(4, C, 123)                // D4: cancelled
        .Main(5, Kind::KeySignature, 2) // D major
        .Note(6, C, 125)                // F#4 by the key
        .Note(7, C, 125)
        .Attach(7, Kind::Accidental, AccidentalCode::Natural)
        .Note(8, C, 125) // F4: the natural carried
        .Note(9, C, 134)
        .Bar(9)
        .Note(10, C, 125) // F#4 again
        .Main(11, Kind::Clef, ClefCode::F)
        .Note(12, C, 124) // G2
        .Note(13, C, 122)
        .Attach(13, Kind::Accidental, AccidentalCode::Flat)
        .Main(14, Kind::KeySignature, KeyCode::OneFlat) // cancels the Eb
        .Note(15, C, 122)
        .Note(16, C, 128)
        .Attach(16, Kind::Accidental, AccidentalCode::DoubleSharp)
        .Main(17, Kind::Clef, ClefCode::CAlto)
        .Note(18, C, 128)
        .Note(19, C, 125)
        .Attach(19, Kind::Accidental, AccidentalCode::DoubleFlat)
        .Rest(20, LengthCode::Quarter);
    const auto heard = HeardNotes(s.doc);
    ASSERT_EQ(heard.size(), 16u);
    for (const auto& [iti, midi] : heard) {
        SCOPED_TRACE(iti);
        // A note names itself whatever the cursor's staff position.
        EXPECT_EQ(PitchAt(s.doc, 0, iti, 200).midi, midi);
    }
    struct Named {
        std::int32_t iti;
        std::uint8_t cursor;
        int letter, accidental, octave, midi;
    };
    const Named named[] = {
        {0, 1, 0, 0, 4, 60},
        {1, 1, 1, 1, 4, 63},
        {2, 1, 1, 1, 4, 63},
        {4, 1, 1, 0, 4, 62},
        {6, 1, 3, 1, 4, 66},
        {8, 1, 3, 0, 4, 65},
        {10, 1, 3, 1, 4, 66},
        {12, 1, 4, 0, 2, 43},
        {13, 1, 2, -1, 2, 39},
        {15, 1, 2, 0, 2, 40},
        {16, 1, 1, 2, 3, 52},
        {18, 1, 0, 0, 4, 60},
        {19, 1, 4, -2, 3, 53},
        // Off the notes, the cursor's staff position with what is in force there.
        {5, 125, 3, 1, 4, 66},   // a key signature's own position hears its key
        {20, 120, 6, -1, 2, 46}, // Bb2 under the alto clef in F major
        {20, 119, 5, 0, 2, 45},
    };
    for (const Named& n : named) {
        SCOPED_TRACE(n.iti);
        const PitchSpelling p = PitchAt(s.doc, 0, n.iti, n.cursor);
        EXPECT_EQ(p.letter, n.letter);
        EXPECT_EQ(p.accidental, n.accidental);
        EXPECT_EQ(p.octave, n.octave);
        EXPECT_EQ(p.midi, n.midi);
    }
}

struct BarCase {
    const char* name;
    void (*build)(ScoreBuilder&);
    std::vector<BadBar> expected; // over the whole part
};

constexpr std::uint8_t kThreeFour = EncodeTimeSignature(3, 2);
constexpr std::uint8_t kSixEight = EncodeTimeSignature(6, 3);

void Quarters(ScoreBuilder& s, std::int32_t from, int count) {
    for (int i = 0; i < count; ++i)
        s.Note(from + i, LengthCode::Quarter, 128);
}

TEST(BarCheck, SumsBarsAsTheCalculatorCountsThem) {
    const BarCase cases[] = {
        {"full bars",
         [](ScoreBuilder& s) {
             s.Main(0, Kind::TimeSignature, kThreeFour);
             Quarters(s, 1, 3);
             s.Bar(3);
             Quarters(s, 4, 3);
         },
         {}},
        {"five quarters in 3/4",
         [](ScoreBuilder& s) {
             s.Main(0, Kind::TimeSignature, kThreeFour).Bar(0);
             Quarters(s, 1, 5);
         },
         {{1, 30, 512, 256}}},
        {"short middle bar, pickup and last bar",
         [](ScoreBuilder& s) {
             s.Main(0, Kind::TimeSignature, kThreeFour);
             Quarters(s, 1, 1); // pickup
             s.Bar(1);
             Quarters(s, 2, 2); // short
             s.Bar(3);
             Quarters(s, 4, 3);
             s.Bar(6);
             Quarters(s, 7, 1); // last
             s.Bar(7, BarLineCode::Final);
         },
         {{2, 3, -256, 256}}},
        {"dotted and tied notes",
         [](ScoreBuilder& s) {
             s.Main(0, Kind::TimeSignature, kSixEight);
             s.Note(1, LengthCode::Quarter, 128).Attach(1, Kind::Dot, MarkPresent);
             s.Note(2, LengthCode::Quarter, 128).Attach(2, Kind::Dot, MarkPresent);
             s.Attach(2, Kind::Tie, MarkPresent).Bar(2);
             s.Note(3, LengthCode::Quarter, 128).Attach(3, Kind::Dot, MarkPresent);
             s.Rest(4, LengthCode::Quarter).Attach(4, Kind::Dot, MarkPresent).Bar(4);
             s.Note(5, LengthCode::Half, 128).Attach(5, Kind::Dot, MarkPresent);
             s.Note(6, LengthCode::Eighth, 128).Bar(6);
             s.Note(7, LengthCode::Eighth, 128);
         },
         {{5, 6, 128, 128}}},
        {"time signature change mid-part",
         [](ScoreBuilder& s) {
             s.Main(0, Kind::TimeSignature, kThreeFour);
             Quarters(s, 1, 3);
             s.Bar(3);
             s.Main(4, Kind::TimeSignature, TimeSignatureCommon);
             Quarters(s, 5, 3); // short: not the last bar
             s.Bar(7);
             Quarters(s, 8, 4);
             s.Bar(11);
             Quarters(s, 12, 1);
         },
         {{4, 7, -256, 256}}},
        {"no time signature",
         [](ScoreBuilder& s) {
             Quarters(s, 0, 5);
             s.Bar(4);
             Quarters(s, 5, 1);
             s.Bar(5);
             Quarters(s, 6, 2);
         },
         {}},
    };
    for (const BarCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScoreBuilder s(1, 30);
        c.build(s);
        EXPECT_EQ(BadBarsBetween(s.doc, 0, 0, 30), c.expected);
        // Any window inside a bar finds that bar as the whole part does.
        for (const BadBar& bar : c.expected)
            EXPECT_EQ(BadBarsBetween(s.doc, 0, bar.last, bar.last), std::vector<BadBar>{bar});
    }
}

TEST(BarCheck, JumpsToTheBarStarts) {
    ScoreBuilder s(1, 20);
    s.Bar(3).Bar(7).Bar(20);
    const std::int32_t previous[][2] = {{0, 0}, {4, 0}, {5, 4}, {8, 4}, {9, 8}, {20, 8}};
    for (const auto& [from, to] : previous)
        EXPECT_EQ(PreviousBarStart(s.doc, 0, from), to) << from;
    const std::int32_t next[][2] = {{0, 4}, {3, 4}, {4, 8}, {8, 20}, {20, 20}};
    for (const auto& [from, to] : next)
        EXPECT_EQ(NextBarStart(s.doc, 0, from), to) << from;
}

// A letter goes to the step of that name nearest the previous note, read
// under each clef; the key is left to the music: in every key the note is
// written plain and sounds as the key has it.
TEST(PitchNames, NearestStepOfTheLetterUnderEveryClefAndKey) {
    const std::uint8_t clefs[] = {ClefCode::G, ClefCode::F, ClefCode::CAlto, ClefCode::CTenor};
    // Semitones of C D E F G A B, and the key's sharps and flats in their order.
    const int natural[] = {0, 2, 4, 5, 7, 9, 11};
    const int sharps[] = {3, 0, 4, 1, 5, 2, 6};
    const int flats[] = {6, 2, 5, 1, 4, 0, 3};
    for (const std::uint8_t before : clefs)
        for (const std::uint8_t clef : clefs)
            for (int key = KeyCode::CMajor; key <= KeyCode::MostFlats; ++key)
                for (int previous = 110; previous <= 146; previous += 5)
                    for (int letter = 0; letter < 7; ++letter) {
                        const auto at = NearestStaffPosition(
                            letter, {static_cast<std::uint8_t>(previous), before}, clef);
                        ASSERT_TRUE(at.has_value());
                        SornData doc;
                        doc.FileNew();
                        doc.SetGData1(0, 0, 0, Kind::Clef, before);
                        doc.SetGData1(0, 1, 0, Kind::QuarterNote,
                                      static_cast<std::uint8_t>(previous));
                        doc.SetGData1(0, 2, 0, Kind::Clef, clef);
                        doc.SetGData1(0, 3, 0, Kind::KeySignature, static_cast<std::uint8_t>(key));
                        doc.SetGData1(0, 4, 0, Kind::QuarterNote, *at);
                        const PitchSpelling was = PitchAt(doc, 0, 1, 0);
                        const PitchSpelling is = PitchAt(doc, 0, 4, 0);
                        const std::string where =
                            "clef " + std::to_string(before) + "->" + std::to_string(clef) +
                            " key " + std::to_string(key) + " from " + std::to_string(previous) +
                            " letter " + std::to_string(letter);
                        ASSERT_EQ(is.letter, letter) << where;
                        const int steps =
                            (is.octave * 7 + is.letter) - (was.octave * 7 + was.letter);
                        EXPECT_LE(std::abs(steps), 3) << where;
                        int expected = 0;
                        for (int k = 0; k < 7; ++k) {
                            if (key >= 1 && key <= KeyCode::MostSharps && k < key &&
                                sharps[k] == letter)
                                expected = 1;
                            if (key >= KeyCode::OneFlat && k <= key - KeyCode::OneFlat &&
                                flats[k] == letter)
                                expected = -1;
                        }
                        EXPECT_EQ(is.midi, (is.octave + 1) * 12 + natural[letter] + expected)
                            << where;
                    }
    // The edges of the staff positions the editor has.
    EXPECT_FALSE(NearestStaffPosition(4, {1, ClefCode::G}, ClefCode::G));
    EXPECT_FALSE(NearestStaffPosition(0, {254, ClefCode::G}, ClefCode::G));
    EXPECT_EQ(NearestStaffPosition(4, {128, ClefCode::G}, ClefCode::F), 138);
}

} // namespace
} // namespace sorn

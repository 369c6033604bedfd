// The music calculator: pitches under clefs, keys and accidentals, lengths
// with dots, loudness, and tie chains.

#include "ScoreBuilder.h"
#include "sound/SornCalculater.h"

#include <gtest/gtest.h>
#include <limits>

namespace sorn {
namespace {

using test::ScoreBuilder;

// Feeds positions 0..last the way the exporters do and returns the pitch of
// every note met.
std::vector<int> Pitches(const SornData& doc, std::int32_t last, SornCalculater& calc) {
    std::vector<int> pitches;
    for (std::int32_t iti = 0; iti <= last; ++iti) {
        const std::uint8_t kind = doc.GetGSyurui(0, iti, 0);
        if (IsNote(kind)) pitches.push_back(calc.GetMidiHeight(doc, 0, iti));
        if (kind == Kind::Clef) calc.SetOnbukigou(doc.GetGAtai(0, iti, 0));
        if (kind == Kind::KeySignature) calc.SetChogo(doc.GetGAtai(0, iti, 0));
        calc.SFSyokika(doc, 0, iti);
    }
    return pitches;
}

std::vector<int> Pitches(const ScoreBuilder& s, std::int32_t last) {
    SornCalculater calc;
    return Pitches(s.doc, last, calc);
}

TEST(CalcPitch, ClefsShiftTheStaff) {
    const struct {
        std::uint8_t clef;
        std::vector<int> expected; // staff positions 122 and 128
    } rows[] = {{ClefCode::G, {60, 71}},
                {ClefCode::F, {40, 50}},
                {ClefCode::CAlto, {50, 60}},
                {ClefCode::CTenor, {47, 57}},
                {7, {60, 71}}}; // an unknown clef reads as the G clef
    for (const auto& row : rows) {
        ScoreBuilder s;
        s.Main(0, Kind::Clef, row.clef);
        s.Note(1, Kind::QuarterNote, 122).Note(2, Kind::QuarterNote, 128);
        EXPECT_EQ(Pitches(s, 2), row.expected) << "clef " << int{row.clef};
    }
    // Before any clef symbol the G clef holds.
    EXPECT_EQ(Pitches(ScoreBuilder().Note(0, Kind::QuarterNote, 132), 0), std::vector<int>{77});
}

TEST(CalcPitch, AccidentalHoldsOnItsStepUntilTheBarLine) {
    ScoreBuilder s;
    s.Note(0, Kind::QuarterNote, 122).Attach(0, Kind::Accidental, AccidentalCode::Sharp);
    s.Note(1, Kind::QuarterNote, 122); // same step, same bar: still sharp
    s.Note(2, Kind::QuarterNote, 129); // the octave above is another step
    s.Bar(3);
    s.Note(4, Kind::QuarterNote, 122);
    // A note's own accidental wins over the remembered one and is remembered.
    s.Note(5, Kind::QuarterNote, 122).Attach(5, Kind::Accidental, AccidentalCode::DoubleFlat);
    s.Note(6, Kind::QuarterNote, 122);
    // On the bar line's own position the accidental still sounds, then ends.
    s.Note(7, Kind::QuarterNote, 124).Attach(7, Kind::Accidental, AccidentalCode::DoubleSharp);
    s.Bar(7);
    s.Note(8, Kind::QuarterNote, 124);
    EXPECT_EQ(Pitches(s, 8), (std::vector<int>{61, 61, 72, 60, 58, 58, 66, 64}));
}

TEST(CalcPitch, KeySignatures) {
    // One note of every letter, C (122) up to B (128).
    const std::uint8_t letters[] = {122, 123, 124, 125, 126, 127, 128};
    const struct {
        std::uint8_t key;
        std::vector<int> expected;
    } rows[] = {
        {3, {61, 62, 64, 66, 68, 69, 71}},  // A major: F, C and G sharp
        {10, {60, 62, 63, 65, 67, 68, 70}}, // E flat major: B, E and A flat
        {KeyCode::MostSharps, {61, 63, 65, 66, 68, 70, 72}},
        {KeyCode::MostFlats, {59, 61, 63, 64, 66, 68, 70}},
        {15, {60, 62, 64, 65, 67, 69, 71}}, // no key
        {17, {60, 62, 64, 66, 67, 69, 71}}, // read modulo 16, as G major
    };
    for (const auto& row : rows) {
        ScoreBuilder s;
        s.Main(0, Kind::KeySignature, row.key);
        for (int i = 0; i < 7; ++i)
            s.Note(1 + i, Kind::QuarterNote, letters[i]);
        EXPECT_EQ(Pitches(s, 7), row.expected) << "key " << int{row.key};
    }
}

TEST(CalcPitch, NaturalsAndKeyChangesAgainstAccidentals) {
    ScoreBuilder s;
    s.Main(0, Kind::KeySignature, 2); // D major: F and C sharp
    s.Note(1, Kind::QuarterNote, 125).Attach(1, Kind::Accidental, AccidentalCode::Natural);
    s.Note(2, Kind::QuarterNote, 125); // the natural is remembered in the bar
    s.Bar(3);
    s.Note(4, Kind::QuarterNote, 125); // the key's sharp is back
    s.Note(5, Kind::QuarterNote, 126).Attach(5, Kind::Accidental, AccidentalCode::Flat);
    s.Main(6, Kind::KeySignature, KeyCode::CMajor); // cancels the flat in the bar
    s.Note(7, Kind::QuarterNote, 126);
    s.Note(8, Kind::QuarterNote, 125);
    EXPECT_EQ(Pitches(s, 8), (std::vector<int>{65, 65, 66, 66, 67, 65}));
}

TEST(CalcPitch, StepsBelowMidiZeroComeOutNegative) {
    // 87 is the lowest C; the B below it is MIDI -1, not 11.
    EXPECT_EQ(Pitches(ScoreBuilder()
                          .Note(0, Kind::QuarterNote, 87)
                          .Note(1, Kind::QuarterNote, 86)
                          .Note(2, Kind::QuarterNote, 81)
                          .Note(3, Kind::QuarterNote, 86)
                          .Attach(3, Kind::Accidental, AccidentalCode::Sharp),
                      3),
              (std::vector<int>{0, -1, -10, 0}));
    // The F clef shifts position 5 below step 0: a number below MIDI 0 and
    // no accidental table touched.
    ScoreBuilder s;
    s.Main(0, Kind::Clef, ClefCode::F);
    s.Note(1, Kind::QuarterNote, 5).Attach(1, Kind::Accidental, AccidentalCode::Sharp);
    const std::vector<int> pitches = Pitches(s, 1);
    ASSERT_EQ(pitches.size(), 1u);
    EXPECT_LT(pitches[0], 0);
}

TEST(CalcLength, LengthCodesAndDots) {
    const SornCalculater calc;
    ScoreBuilder s;
    s.Note(0, Kind::WholeNote, 128);
    s.Note(1, Kind::SixtyFourthNote, 128);
    s.Note(2, Kind::QuarterNote, 128).Attach(2, Kind::Dot, MarkPresent);
    s.Note(3, Kind::SixtyFourthNote, 128).Attach(3, Kind::Dot, MarkPresent);
    s.Rest(4, LengthCode::Eighth).Attach(4, Kind::Dot, MarkPresent);
    s.Rest(5, 0);
    s.Rest(6, 8);
    s.Main(7, Kind::Clef, ClefCode::G);
    s.Bar(8);
    // Two dot slots (only a file can hold them) lengthen twice.
    s.Note(9, Kind::QuarterNote, 128);
    s.doc.SetGData1(0, 9, 1, Kind::Dot, MarkPresent);
    s.doc.SetGData1(0, 9, 2, Kind::Dot, MarkPresent);
    s.Note(10, Kind::QuarterNote, 128);
    s.doc.SetGData1(0, 10, 1, Kind::Dot, 2); // only value 1 is a dot
    const std::int32_t expected[] = {1024, 16, 384, 24, 192, 0, 0, 0, 0, 576, 256};
    for (std::int32_t iti = 0; iti <= 10; ++iti)
        EXPECT_EQ(calc.getLengthofSound(s.doc, 0, iti), expected[iti]) << "position " << iti;
}

TEST(CalcDynamics, VelocityFromTheLastMark) {
    SornCalculater calc;
    EXPECT_EQ(calc.GetOnryou(), 90);
    calc.SetDynamicsFortePiano(DynamicsCode::ffff);
    EXPECT_EQ(calc.GetOnryou(), 127);
    calc.SetDynamicsFortePiano(DynamicsCode::pppp);
    EXPECT_EQ(calc.GetOnryou(), 16);
    calc.SetDynamicsFortePiano(6); // no mark: unchanged
    EXPECT_EQ(calc.GetOnryou(), 16);
}

TEST(CalcTie, ChainAddsTheFollowingNotesAndMovesToItsEnd) {
    ScoreBuilder s;
    s.Note(0, Kind::HalfNote, 124).Attach(0, Kind::Tie, MarkPresent);
    s.Attach(0, Kind::Accidental, AccidentalCode::Sharp);
    s.Bar(1);
    s.Note(2, Kind::QuarterNote, 124).Attach(2, Kind::Tie, MarkPresent);
    s.Note(3, Kind::EighthNote, 124);
    s.Note(4, Kind::EighthNote, 124);
    SornCalculater calc;
    EXPECT_EQ(calc.GetMidiHeight(s.doc, 0, 0), 65);
    std::int32_t iti = 0;
    EXPECT_EQ(calc.Tie(s.doc, 0, iti), 256 + 128);
    EXPECT_EQ(iti, 3);
    // The bar line the tie crossed has ended the sharp.
    EXPECT_EQ(calc.GetMidiHeight(s.doc, 0, 4), 64);
    // Starting inside the chain gives the rest of it; an untied note nothing.
    iti = 2;
    EXPECT_EQ(calc.Tie(s.doc, 0, iti), 128);
    EXPECT_EQ(iti, 3);
    iti = 3;
    EXPECT_EQ(calc.Tie(s.doc, 0, iti), 0);
    EXPECT_EQ(iti, 3);
}

TEST(CalcTie, ABarLineOnATiedNoteEndsTheSharp) {
    ScoreBuilder s;
    s.Note(0, Kind::QuarterNote, 124).Attach(0, Kind::Tie, MarkPresent);
    s.Attach(0, Kind::Accidental, AccidentalCode::Sharp).Bar(0);
    s.Note(1, Kind::QuarterNote, 124);
    s.Note(2, Kind::QuarterNote, 124);
    SornCalculater calc;
    EXPECT_EQ(calc.GetMidiHeight(s.doc, 0, 0), 65);
    std::int32_t iti = 0;
    EXPECT_EQ(calc.Tie(s.doc, 0, iti), 256);
    EXPECT_EQ(calc.GetMidiHeight(s.doc, 0, 2), 64);
}

TEST(CalcTie, BrokenTiesAddNothing) {
    auto tieTo = [](auto&& between) {
        ScoreBuilder s;
        s.Note(0, Kind::QuarterNote, 124).Attach(0, Kind::Tie, MarkPresent);
        s.Note(2, Kind::QuarterNote, 124);
        between(s);
        SornCalculater calc;
        std::int32_t iti = 0;
        const std::int32_t extra = calc.Tie(s.doc, 0, iti);
        EXPECT_EQ(iti, extra ? 2 : 0);
        return extra;
    };
    EXPECT_EQ(tieTo([](ScoreBuilder&) {}), 256); // the unbroken case
    EXPECT_EQ(tieTo([](ScoreBuilder& s) { s.Bar(1, BarLineCode::Double); }), 256);
    EXPECT_EQ(tieTo([](ScoreBuilder& s) { s.Note(2, Kind::QuarterNote, 126); }), 0);
    EXPECT_EQ(tieTo([](ScoreBuilder& s) { s.Rest(1, LengthCode::Quarter); }), 0);
    // Signs between hold the tie while the next note sounds the same pitch.
    EXPECT_EQ(tieTo([](ScoreBuilder& s) { s.Main(1, Kind::Clef, ClefCode::G); }), 256);
    EXPECT_EQ(tieTo([](ScoreBuilder& s) { s.Main(1, Kind::Clef, ClefCode::F); }), 0);
    EXPECT_EQ(tieTo([](ScoreBuilder& s) {
                  s.Main(1, Kind::Clef, ClefCode::F).Note(2, Kind::QuarterNote, 136);
              }),
              256);
    EXPECT_EQ(tieTo([](ScoreBuilder& s) { s.Main(1, Kind::TimeSignature, 26); }), 256);
    EXPECT_EQ(tieTo([](ScoreBuilder& s) { s.Main(1, Kind::KeySignature, KeyCode::OneFlat); }), 256);
    EXPECT_EQ(tieTo([](ScoreBuilder& s) { s.Main(1, Kind::KeySignature, 9); }), 0); // E to E flat
    for (std::uint8_t code :
         {BarLineCode::RepeatEnd, BarLineCode::RepeatStart, BarLineCode::RepeatBoth})
        EXPECT_EQ(tieTo([&](ScoreBuilder& s) { s.Bar(1, code); }), 0) << int{code};
    for (std::uint8_t word : {RepeatWordCode::DC, RepeatWordCode::DaCapo})
        EXPECT_EQ(tieTo([&](ScoreBuilder& s) { s.Attach(1, Kind::RepeatWord, word); }), 0);
    EXPECT_EQ(tieTo([](ScoreBuilder& s) { s.Main(2, Kind::Empty, 0); }), 0); // nothing to reach
}

TEST(CalcTie, ChainAcrossTheLongestScoreSaturates) {
    ScoreBuilder s(1, MaxLength);
    for (std::int32_t iti = 0; iti <= MaxLength; ++iti) {
        s.Note(iti, Kind::WholeNote, 128).Attach(iti, Kind::Tie, MarkPresent);
        for (int slot = 2; slot < SlotCount; ++slot)
            s.doc.SetGData1(0, iti, static_cast<std::int16_t>(slot), Kind::Dot, MarkPresent);
    }
    SornCalculater calc;
    std::int32_t iti = 0;
    EXPECT_EQ(calc.Tie(s.doc, 0, iti), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(iti, MaxLength);
}

} // namespace
} // namespace sorn

// What the LilyPond page shows that LilyPond's MIDI cannot tell: the names
// of the variables, accidentals the bar does not need but the score shows,
// bars that do not add up, a whole rest alone in its bar.

#include "interchange/LilyPondExport.h"
#include "sound/ScoreBuilder.h"

#include <functional>
#include <gtest/gtest.h>

namespace sorn::test {
namespace {

TEST(LilyPondText, WhatThePageShows) {
    constexpr std::uint8_t F4 = 125, G4 = 126;
    struct Case {
        const char* what;
        int parts;
        std::function<void(ScoreBuilder&)> write;
        std::vector<std::string> shown;
    };
    const std::vector<Case> cases = {
        {"names: the part's own, quoted, renamed, told apart, the instrument's",
         5,
         [](ScoreBuilder& s) {
             for (int p = 0; p < 5; ++p)
                 s.Note(0, Kind::QuarterNote, G4, p);
             s.doc.SetPartText(0, PartText::Name, "ヴィオラ");
             s.doc.SetPartText(1, PartText::Name, "Violin 1");
             s.doc.SetPartText(2, PartText::Name, "key");
             s.doc.SetPartText(3, PartText::Name, "ヴィオラ");
         },
         {"\nヴィオラ = \\fixed", "\n\"Violin 1\" = \\fixed", "\nkeyPart = \\fixed",
          "\n\"ヴィオラ 2\" = \\fixed", "\nグランドピアノ = \\fixed", "instrumentName = \"key\"",
          "\\new Staff \\with { midiInstrument = \"acoustic grand\" } \\unfoldRepeats "
          "\\\"Violin 1\""}},
        {"a sharp the key gives already is shown; a natural the bar needs is LilyPond's own",
         1,
         [](ScoreBuilder& s) {
             s.Main(0, Kind::KeySignature, 1).Note(1, Kind::QuarterNote, F4);
             s.Attach(1, Kind::Accidental, AccidentalCode::Sharp);
             s.Note(2, Kind::QuarterNote, F4).Attach(2, Kind::Accidental, AccidentalCode::Natural);
         },
         {"\\key g \\major fis!4 f\n"}},
        {"a pickup, a bar too long and one too short at the end",
         1,
         [](ScoreBuilder& s) {
             s.Main(0, Kind::TimeSignature, EncodeTimeSignature(3, 2));
             s.Note(1, Kind::QuarterNote, G4).Bar(1);
             for (int i = 2; i <= 5; ++i)
                 s.Note(i, Kind::QuarterNote, G4);
             s.Bar(5).Note(6, Kind::HalfNote, G4).Note(7, Kind::QuarterNote, G4).Bar(7);
             s.Note(8, Kind::HalfNote, G4).Bar(8, BarLineCode::Final);
         },
         {"\\time 3/4 \\partial 4 g4 |\n",
          "\\set Timing.measureLength = #(ly:make-moment 1) g g g g | "
          "\\set Timing.measureLength = #(ly:make-moment 3/4)\n",
          "g2 g4 |\n", "g2 \\bar \"|.\"\n"}},
        {"a whole rest alone in its bar",
         1,
         [](ScoreBuilder& s) {
             s.Rest(0, LengthCode::Whole).Bar(0).Note(1, Kind::WholeNote, G4).Bar(1);
         },
         {"R1 |\n"}},
    };
    for (const Case& c : cases) {
        ScoreBuilder s(c.parts);
        c.write(s);
        std::string text;
        ASSERT_FALSE(LilyPondText(s.doc, text)) << c.what;
        for (const std::string& shown : c.shown)
            EXPECT_NE(text.find(shown), std::string::npos) << c.what << ": " << shown << "\n"
                                                           << text;
    }
}

} // namespace
} // namespace sorn::test

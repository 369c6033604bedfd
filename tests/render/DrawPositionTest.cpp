// Notes, rests, accidentals, dots and ledger lines of one position.

#include "RenderFixture.h"

#include <gtest/gtest.h>

namespace sorn::test {
namespace {

using Calls = std::vector<std::string>;

TEST(Notes, WholeNoteIsAHollowHeadOnly) {
    Drawing d;
    d.Put(0, Kind::WholeNote, 128);
    EXPECT_EQ(d.Draw(0).calls, Calls({"fill none", "circle 40 72 4"}));
}

TEST(Notes, StemSideFollowsTheMiddleLine) {
    Drawing d;
    d.Put(0, Kind::QuarterNote, 128).Put(1, Kind::QuarterNote, 127).Put(2, Kind::HalfNote, 130);
    EXPECT_EQ(d.Draw(0).Only("line"), Calls({"line 36 72 36 100"}));
    d.canvas.calls.clear();
    EXPECT_EQ(d.Draw(1).Only("line"), Calls({"line 84 76 84 48"}));
    d.canvas.calls.clear();
    d.Draw(2);
    EXPECT_TRUE(d.canvas.Has("fill none")); // half notes are hollow
    EXPECT_TRUE(d.canvas.Has("line 116 64 116 92"));
}

TEST(Notes, FlagsDownAtTheirOwnSizeAndUpMirrored) {
    Drawing d;
    d.Put(0, Kind::ThirtySecondNote, 130).Put(1, Kind::ThirtySecondNote, 126);
    EXPECT_EQ(d.Draw(0).Only("glyph"), Calls({"glyph flag 0 0 9 20 -> 36 63 9 20 and",
                                              "glyph flag 0 0 9 20 -> 36 69 9 20 and",
                                              "glyph flag 0 0 9 20 -> 36 75 9 20 and"}));
    EXPECT_TRUE(d.canvas.Has("line 36 64 36 96")); // a 32nd's stem is longer
    d.canvas.calls.clear();
    // Up: mirrored source, tops at y - 17, y - 23, y - 29 (y = 80).
    EXPECT_EQ(d.Draw(1).Only("glyph"), Calls({"glyph flag 0 19 9 -20 -> 84 63 9 20 and",
                                              "glyph flag 0 19 9 -20 -> 84 57 9 20 and",
                                              "glyph flag 0 19 9 -20 -> 84 51 9 20 and"}));
    EXPECT_TRUE(d.canvas.Has("line 84 80 84 50"));
}

TEST(Notes, InsideADrawnBeamGroupOnlyTheHeadRemains) {
    Drawing d;
    d.Put(3, Kind::EighthNote, 130);
    d.beamEnd = 3;
    EXPECT_EQ(d.Draw(3).calls, Calls({"fill solid", "circle 160 64 4"}));
}

TEST(Notes, LedgerLines) {
    Drawing d;
    d.Put(0, Kind::WholeNote, 122).Put(1, Kind::WholeNote, 121).Put(2, Kind::WholeNote, 120);
    d.Put(3, Kind::WholeNote, 135).Put(4, Kind::WholeNote, 136).Put(5, Kind::WholeNote, 133);
    EXPECT_EQ(d.Draw(0).Only("line"), Calls({"line 32 96 48 96"}));
    d.canvas.calls.clear();
    EXPECT_EQ(d.Draw(1).Only("line"), Calls({"line 72 96 88 96"}));
    d.canvas.calls.clear();
    EXPECT_EQ(d.Draw(2).Only("line"), Calls({"line 112 96 128 96", "line 112 104 128 104"}));
    d.canvas.calls.clear();
    EXPECT_EQ(d.Draw(3).Only("line"), Calls({"line 152 48 168 48"}));
    d.canvas.calls.clear();
    EXPECT_EQ(d.Draw(4).Only("line"), Calls({"line 192 48 208 48", "line 192 40 208 40"}));
    d.canvas.calls.clear();
    EXPECT_TRUE(d.Draw(5).Only("line").empty());
}

TEST(Rests, ShapesOfEveryLength) {
    Drawing d;
    for (std::uint8_t v = 1; v <= 7; ++v)
        d.Put(v - 1, Kind::Rest, v);
    // Whole and half rests are filled boxes hanging from the second line or resting on the middle
    // one.
    EXPECT_EQ(d.Draw(0).calls, Calls({"fill solid", "box 36 64 8 4"}));
    d.canvas.calls.clear();
    EXPECT_EQ(d.Draw(1).calls, Calls({"fill solid", "box 76 68 8 4"}));
    d.canvas.calls.clear();
    EXPECT_EQ(d.Draw(2).calls,
              Calls({"line 122 88 116 80", "line 116 80 126 76", "line 126 76 119 69",
                     "line 119 69 124 62", "line 124 62 120 56"}));
    d.canvas.calls.clear();
    EXPECT_EQ(d.Draw(3).calls, Calls({"line 155 84 164 60", "line 164 60 156 64"}));
    d.canvas.calls.clear();
    EXPECT_EQ(d.Draw(6).calls,
              Calls({"line 275 84 284 60", "line 284 60 276 64", "line 283 64 275 68",
                     "line 282 68 274 72", "line 281 72 273 76"}));
}

TEST(Rests, HollowHeadBeforeDoesNotHollowTheRest) {
    Drawing d;
    d.Put(0, Kind::HalfNote, 128).Put(1, Kind::Rest, LengthCode::Whole);
    d.Draw(0);
    d.canvas.calls.clear();
    EXPECT_EQ(d.Draw(1).calls.front(), "fill solid");
}

TEST(Marks, AccidentalsLeftOfTheHead) {
    Drawing d;
    const std::uint8_t codes[] = {AccidentalCode::Sharp, AccidentalCode::DoubleSharp,
                                  AccidentalCode::Natural, AccidentalCode::Flat,
                                  AccidentalCode::DoubleFlat};
    for (int i = 0; i < 5; ++i)
        d.Attach(i, Kind::Accidental, codes[i]).Put(i, Kind::QuarterNote, 130);
    EXPECT_EQ(d.Draw(0).Only("glyph"), Calls({"glyph sharp 0 0 16 16 -> 20 57 16 16 and"}));
    d.canvas.calls.clear();
    EXPECT_EQ(d.Draw(1).Only("text"), Calls({"text x 66 58"}));
    d.canvas.calls.clear();
    EXPECT_EQ(d.Draw(2).Only("glyph"), Calls({"glyph natural 0 0 16 16 -> 100 57 16 16 and"}));
    d.canvas.calls.clear();
    EXPECT_EQ(d.Draw(3).Only("glyph"), Calls({"glyph flat 0 0 16 16 -> 140 57 16 16 and"}));
    d.canvas.calls.clear();
    EXPECT_EQ(d.Draw(4).Only("glyph"), Calls({"glyph flat 0 0 16 16 -> 180 57 16 16 and",
                                              "glyph flat 0 0 16 16 -> 185 57 16 16 and"}));
}

TEST(Marks, DotsSitInTheSpaceAboveAndARestLendsTheMiddleLine) {
    Drawing d;
    d.Put(0, Kind::QuarterNote, 130).Attach(0, Kind::Dot, 1);
    d.Put(1, Kind::QuarterNote, 127).Attach(1, Kind::Dot, 1);
    d.Put(2, Kind::Rest, LengthCode::Quarter)
        .Attach(2, Kind::Dot, 1)
        .Attach(2, Kind::Accidental, AccidentalCode::Sharp);
    const Calls dot0 = {"width 2", "point 48 60", "width 1"};
    const Calls all0 = d.Draw(0).calls;
    EXPECT_TRUE(std::search(all0.begin(), all0.end(), dot0.begin(), dot0.end()) != all0.end());
    d.canvas.calls.clear();
    EXPECT_EQ(d.Draw(1).Only("point"), Calls({"point 88 76"}));
    d.canvas.calls.clear();
    d.Draw(2);
    EXPECT_EQ(d.canvas.Only("point"), Calls({"point 128 68"}));
    EXPECT_EQ(d.canvas.Only("glyph"), Calls({"glyph sharp 0 0 16 16 -> 100 65 16 16 and"}));
}

TEST(Marks, VerticalOffsetMovesEverything) {
    Drawing d;
    d.Put(0, Kind::QuarterNote, 122).Attach(0, Kind::Dot, 1);
    d.Draw(0, 100);
    EXPECT_TRUE(d.canvas.Has("circle 40 196 4"));
    EXPECT_TRUE(d.canvas.Has("line 32 196 48 196"));
    EXPECT_TRUE(d.canvas.Has("point 48 192"));
}

} // namespace
} // namespace sorn::test

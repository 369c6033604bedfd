// Bar lines, clefs, time and key signatures, dynamics and repeat words.

#include "render/StaffSigns.h"
#include "RenderFixture.h"

#include <array>
#include <gtest/gtest.h>

namespace sorn::test {
namespace {

using Calls = std::vector<std::string>;

Calls BarLine(std::uint8_t code) {
    Drawing d;
    d.Attach(0, Kind::BarLine, code);
    return d.Draw(0).calls;
}

TEST(BarLines, EveryCodeAtTheRightEdgeOfTheColumn) {
    EXPECT_EQ(BarLine(BarLineCode::Single), Calls({"line 60 56 60 88"}));
    EXPECT_EQ(BarLine(BarLineCode::Double), Calls({"line 58 56 58 88", "line 62 56 62 88"}));
    EXPECT_EQ(BarLine(BarLineCode::Final),
              Calls({"line 58 56 58 88", "fill solid", "box 61 56 2 32"}));
    const Calls dotsLeft = {"width 3", "point 54 68", "point 54 76", "width 1"};
    Calls end = dotsLeft;
    end.insert(end.end(), {"line 58 56 58 88", "fill solid", "box 61 56 2 32"});
    EXPECT_EQ(BarLine(BarLineCode::RepeatEnd), end);
    EXPECT_EQ(BarLine(BarLineCode::RepeatStart),
              Calls({"width 3", "point 66 68", "point 66 76", "width 1", "fill solid",
                     "box 57 56 2 32", "line 62 56 62 88"}));
    EXPECT_EQ(BarLine(BarLineCode::RepeatBoth),
              Calls({"width 3", "point 54 68", "point 54 76", "width 1", "width 3", "point 66 68",
                     "point 66 76", "width 1", "fill solid", "box 57 56 2 32", "fill solid",
                     "box 61 56 2 32"}));
    EXPECT_TRUE(BarLine(3).empty());
}

TEST(Clefs, GlyphCoversTheStaff) {
    Drawing d;
    d.Put(0, Kind::Clef, ClefCode::G).Put(1, Kind::Clef, ClefCode::F);
    d.Put(2, Kind::Clef, ClefCode::CAlto)
        .Put(3, Kind::Clef, ClefCode::CTenor)
        .Put(4, Kind::Clef, 5);
    for (int i = 0; i <= 4; ++i)
        d.Draw(i);
    EXPECT_EQ(d.canvas.calls, Calls({"glyph toon 0 0 22 64 -> 30 40 22 64 copy",
                                     "glyph heon 0 0 22 64 -> 70 40 22 64 copy",
                                     "glyph haona 0 0 22 64 -> 110 40 22 64 copy",
                                     "glyph haont 0 0 22 64 -> 150 40 22 64 copy"}));
}

TEST(TimeSignatures, CellsForNumeratorAndDenominator) {
    auto draw = [](std::uint8_t code) {
        Drawing d;
        d.Put(0, Kind::TimeSignature, code);
        return d.Draw(0).calls;
    };
    EXPECT_EQ(draw(26), Calls({"glyph number 48 0 16 16 -> 30 72 16 16 copy",
                               "glyph number 48 0 16 16 -> 30 56 16 16 copy"}));
    EXPECT_EQ(draw(253), Calls({"glyph number 304 0 16 16 -> 30 72 16 16 copy",
                                "glyph number 304 0 16 16 -> 30 56 16 16 copy"}));
    EXPECT_EQ(draw(152), Calls({"glyph number 0 0 16 16 -> 30 72 16 16 copy",
                                "glyph number 256 0 16 16 -> 30 56 16 16 copy"}));
    EXPECT_EQ(draw(136), Calls({"glyph number 0 0 16 16 -> 30 72 16 16 copy"}));
    EXPECT_TRUE(draw(6).size() == 1); // denominator 2^6 does not exist; numerator 1 does
}

// The staff positions of a key signature's glyphs, in drawing order, each
// 4 pixels right of the one before.
Calls KeyGlyphs(std::uint8_t key, std::uint8_t previous, std::uint8_t clef = ClefCode::G) {
    RecordingCanvas canvas;
    DrawKeySignature(canvas, StaffLayout{}, 40, 0, key, previous, clef);
    Calls out;
    for (const auto& call : canvas.calls) {
        char name[16];
        float sx, sy, sw, sh, tx, ty;
        std::sscanf(call.c_str(), "glyph %15s %f %f %f %f -> %f %f", name, &sx, &sy, &sw, &sh, &tx,
                    &ty);
        const int staffPosition = 128 - static_cast<int>((ty + 7 - 72) / 4);
        out.push_back(std::string(name) + " " + std::to_string(staffPosition) + " @" +
                      RecordingCanvas::N(tx));
    }
    return out;
}

// Where printed music puts the seven sharps and the seven flats: under the
// G clef F5 C5 G5 D5 A4 E5 B4 and B4 E5 A4 D5 G4 C5 F4 (staff position 128
// is the middle line), under the F clef two octaves lower, under the alto
// clef one octave lower; the tenor clef keeps its own pattern.
TEST(KeySignatures, ConventionalPlacesForEveryClefAndKey) {
    struct Places {
        std::uint8_t clef;
        std::array<int, 7> sharps;
        std::array<int, 7> flats;
    };
    const Places table[] = {
        {ClefCode::G, {132, 129, 133, 130, 127, 131, 128}, {128, 131, 127, 130, 126, 129, 125}},
        {5, {132, 129, 133, 130, 127, 131, 128}, {128, 131, 127, 130, 126, 129, 125}},
        {ClefCode::F, {130, 127, 131, 128, 125, 129, 126}, {126, 129, 125, 128, 124, 127, 123}},
        {ClefCode::CAlto, {131, 128, 132, 129, 126, 130, 127}, {127, 130, 126, 129, 125, 128, 124}},
        {ClefCode::CTenor,
         {126, 130, 127, 131, 128, 132, 129},
         {129, 132, 128, 131, 127, 130, 126}},
    };
    auto glyphs = [](const char* name, const std::array<int, 7>& places, int from, int to,
                     Calls& out) {
        for (int k = from; k < to; ++k)
            out.push_back(std::string(name) + " " + std::to_string(places[k]) + " @" +
                          std::to_string(21 + 4 * static_cast<int>(out.size())));
    };
    for (const Places& p : table) {
        SCOPED_TRACE(static_cast<int>(p.clef));
        for (int count = 1; count <= 7; ++count) {
            Calls sharps, flats;
            glyphs("sharp", p.sharps, 0, count, sharps);
            glyphs("flat", p.flats, 0, count, flats);
            EXPECT_EQ(KeyGlyphs(count, 0, p.clef), sharps);
            EXPECT_EQ(KeyGlyphs(KeyCode::OneFlat - 1 + count, 0, p.clef), flats);
        }
        // Cancelling naturals stand where the signs they cancel stood.
        Calls all, fewer, sharpsToFlat;
        glyphs("natural", p.sharps, 0, 7, all);
        EXPECT_EQ(KeyGlyphs(KeyCode::CMajor, KeyCode::MostSharps, p.clef), all);
        all.clear();
        glyphs("natural", p.flats, 0, 7, all);
        EXPECT_EQ(KeyGlyphs(KeyCode::CMajor, KeyCode::MostFlats, p.clef), all);
        glyphs("natural", p.flats, 2, 7, fewer);
        glyphs("flat", p.flats, 0, 2, fewer);
        EXPECT_EQ(KeyGlyphs(KeyCode::OneFlat + 1, KeyCode::MostFlats, p.clef), fewer);
        glyphs("natural", p.sharps, 0, 3, sharpsToFlat);
        glyphs("flat", p.flats, 0, 1, sharpsToFlat);
        EXPECT_EQ(KeyGlyphs(KeyCode::OneFlat, 3, p.clef), sharpsToFlat);
    }
    EXPECT_TRUE(KeyGlyphs(0, 0).empty());
    EXPECT_TRUE(KeyGlyphs(15, 3).empty());
}

TEST(KeySignatures, ChangesCancelWithNaturals) {
    // Three sharps after five: the fourth and fifth are cancelled first.
    EXPECT_EQ(KeyGlyphs(3, 5), Calls({"natural 130 @21", "natural 127 @25", "sharp 132 @29",
                                      "sharp 129 @33", "sharp 133 @37"}));
    EXPECT_EQ(KeyGlyphs(0, 9), Calls({"natural 128 @21", "natural 131 @25"}));
    EXPECT_EQ(KeyGlyphs(8, 2), Calls({"natural 132 @21", "natural 129 @25", "flat 128 @29"}));
    EXPECT_EQ(KeyGlyphs(2, 8), Calls({"natural 128 @21", "sharp 132 @25", "sharp 129 @29"}));
    EXPECT_EQ(KeyGlyphs(9, 11),
              Calls({"natural 127 @21", "natural 130 @25", "flat 128 @29", "flat 131 @33"}));
    EXPECT_EQ(KeyGlyphs(5, 3).size(), 5u); // more sharps: nothing to cancel
}

TEST(KeySignatures, ClefShiftsThePlaces) {
    EXPECT_EQ(KeyGlyphs(14, 0, ClefCode::CTenor),
              Calls({"flat 129 @21", "flat 132 @25", "flat 128 @29", "flat 131 @33", "flat 127 @37",
                     "flat 130 @41", "flat 126 @45"}));
    EXPECT_EQ(KeyGlyphs(1, 0, ClefCode::F), Calls({"sharp 130 @21"}));
}

TEST(KeySignatures, FirstKeyOfAPartComparesWithCMajor) {
    Drawing d;
    d.Put(0, Kind::Clef, ClefCode::G).Put(1, Kind::KeySignature, 2).Put(5, Kind::KeySignature, 0);
    d.Draw(1);
    EXPECT_EQ(d.canvas.Only("glyph").size(), 2u);
    d.canvas.calls.clear();
    d.Draw(5);
    EXPECT_EQ(d.canvas.Only("glyph natural").size(), 2u);
}

TEST(Dynamics, CellsUnderTheStaff) {
    Drawing d;
    d.Attach(0, Kind::Dynamics, DynamicsCode::mp).Attach(1, Kind::Dynamics, DynamicsCode::pppp);
    d.Attach(2, Kind::Dynamics, DynamicsCode::ffff).Attach(3, Kind::Dynamics, 7);
    for (int i = 0; i <= 3; ++i)
        d.Draw(i);
    EXPECT_EQ(d.canvas.calls, Calls({"glyph dynamics 136 0 34 16 -> 23 120 34 16 and",
                                     "glyph dynamics 0 0 34 16 -> 63 120 34 16 and",
                                     "glyph dynamics 306 0 34 16 -> 103 120 34 16 and"}));
}

TEST(RepeatWords, TextBelowTheStaff) {
    Drawing d;
    d.Attach(0, Kind::RepeatWord, RepeatWordCode::DC)
        .Attach(1, Kind::RepeatWord, RepeatWordCode::DaCapo);
    d.Attach(2, Kind::RepeatWord, RepeatWordCode::Fine).Attach(3, Kind::RepeatWord, 3);
    for (int i = 0; i <= 3; ++i)
        d.Draw(i);
    EXPECT_EQ(d.canvas.calls,
              Calls({"text D.C. 25 112", "text Da Capo 65 112", "text Fine 105 112"}));
}

TEST(Positions, OnlyWhatTheyHold) {
    Drawing d;
    d.Attach(0, Kind::BarLine, BarLineCode::Single).Attach(0, Kind::Dynamics, DynamicsCode::f);
    EXPECT_EQ(d.Draw(0).calls,
              Calls({"line 60 56 60 88", "glyph dynamics 204 0 34 16 -> 23 120 34 16 and"}));
}

} // namespace
} // namespace sorn::test

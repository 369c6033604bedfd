// Beam groups: who belongs, stem direction, beam slope and secondary
// beams; tie arcs and the ties that draw nothing.

#include "render/BeamsAndTies.h"
#include "RenderFixture.h"

#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

namespace sorn::test {
namespace {

using Calls = std::vector<std::string>;

Drawing& Beamed(Drawing& d, std::int32_t iti, std::uint8_t kind, std::uint8_t pitch) {
    return d.Put(iti, kind, pitch).Attach(iti, Kind::Beam, 1);
}

TEST(Beams, TwoEighthsWithStemsDown) {
    Drawing d;
    Beamed(d, 0, Kind::EighthNote, 130).Put(1, Kind::EighthNote, 126);
    DrawBeamGroup(d.doc, d.canvas, 0, 0, d.layout, 40, 0, d.beamEnd);
    EXPECT_EQ(d.beamEnd, 1);
    EXPECT_EQ(d.canvas.Only("line"),
              Calls({"line 36 92 76 108", "line 36 92 36 64", "line 76 108 76 80"}));
    EXPECT_EQ(d.canvas.calls.front(), "width 3");
}

TEST(Beams, GroupBoundaries) {
    struct Case {
        const char* what;
        std::function<void(Drawing&)> build;
        std::int32_t beamEnd;
    };
    const std::vector<Case> cases = {
        {"eighth then quarter", [](Drawing& d) { Beamed(d, 0, 4, 130).Put(1, 3, 130); }, -1},
        {"beam mark on a quarter", [](Drawing& d) { Beamed(d, 0, 3, 130).Put(1, 4, 130); }, -1},
        {"short rest does not break",
         [](Drawing& d) { Beamed(d, 0, 4, 130).Put(1, Kind::Rest, 4).Put(2, 4, 128); }, 2},
        {"half rest ends before it",
         [](Drawing& d) { Beamed(d, 0, 4, 130).Put(1, Kind::Rest, 2).Put(2, 4, 128); }, -1},
        {"bar line includes its note",
         [](Drawing& d) {
             Beamed(d, 0, 4, 130);
             Beamed(d, 1, 4, 128).Attach(1, Kind::BarLine, 0).Put(2, 4, 126);
         },
         1},
        {"empty positions are crossed", [](Drawing& d) { Beamed(d, 0, 5, 130).Put(3, 5, 130); }, 3},
        {"last note without beam mark ends it",
         [](Drawing& d) { Beamed(d, 0, 4, 130).Put(1, 4, 130).Put(2, 4, 130); }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Drawing d;
        c.build(d);
        DrawBeamGroup(d.doc, d.canvas, 0, 0, d.layout, 40, 0, d.beamEnd);
        EXPECT_EQ(d.beamEnd, c.beamEnd);
        if (c.beamEnd < 0) {
            EXPECT_TRUE(d.canvas.calls.empty());
        }
    }
}

TEST(Beams, LaterNotesOfADrawnGroupGetNoStemOrFlag) {
    Drawing d;
    Beamed(d, 0, Kind::EighthNote, 130);
    Beamed(d, 1, Kind::EighthNote, 130);
    d.Put(2, Kind::EighthNote, 130);
    for (int i = 0; i <= 2; ++i)
        d.Draw(i);
    EXPECT_EQ(d.beamEnd, 2);
    EXPECT_TRUE(d.canvas.Only("glyph").empty());
    EXPECT_EQ(d.canvas.Only("circle").size(), 3u);
    EXPECT_EQ(d.canvas.Only("line").size(), 4u); // one beam, three stems
}

TEST(Beams, SecondaryBeamsFullAndShort) {
    // 16th then eighth: a short forward beam only.
    Drawing a;
    Beamed(a, 0, Kind::SixteenthNote, 130).Put(1, Kind::EighthNote, 130);
    DrawBeamGroup(a.doc, a.canvas, 0, 0, a.layout, 40, 0, a.beamEnd);
    // Stems down at 36 and 76; beam at staff position 123, y = 92, flat.
    EXPECT_EQ(a.canvas.Only("line"), Calls({"line 36 92 76 92", "line 36 92 36 64",
                                            "line 37 86 45 86", "line 76 92 76 64"}));

    // Eighth then 16th: a short backward beam at the last note.
    Drawing b;
    Beamed(b, 0, Kind::EighthNote, 130).Put(1, Kind::SixteenthNote, 130);
    DrawBeamGroup(b.doc, b.canvas, 0, 0, b.layout, 40, 0, b.beamEnd);
    EXPECT_TRUE(b.canvas.Has("line 67 86 75 86"));

    // Two 32nds: two full secondary beams between the stems, plus the
    // forward stubs of the first note.
    Drawing c;
    Beamed(c, 0, Kind::ThirtySecondNote, 126).Put(1, Kind::ThirtySecondNote, 126);
    DrawBeamGroup(c.doc, c.canvas, 0, 0, c.layout, 40, 0, c.beamEnd);
    // Stems up at 44 and 84, beam at 133 (y = 52); further beams 6 pixels nearer the heads.
    EXPECT_TRUE(c.canvas.Has("line 44 52 84 52"));
    EXPECT_TRUE(c.canvas.Has("line 45 58 83 58"));
    EXPECT_TRUE(c.canvas.Has("line 45 64 83 64"));
}

// The beams of a flat group (every note at 130, stems down at 36 + 40t,
// beam at y = 92, level j at 92 - 6j) read back from the drawn lines: the
// beams between each pair of neighbours, then each short beam as t>j
// (forward) or t<j (backward).
std::string BeamCounts(const std::vector<std::uint8_t>& kinds) {
    Drawing d;
    const auto n = static_cast<std::int32_t>(kinds.size());
    for (std::int32_t t = 0; t < n; ++t) {
        d.Put(t, kinds[static_cast<std::size_t>(t)], 130);
        if (t < n - 1) d.Attach(t, Kind::Beam, 1);
    }
    DrawBeamGroup(d.doc, d.canvas, 0, 0, d.layout, 40, 0, d.beamEnd);
    std::vector<int> pairs(static_cast<std::size_t>(n - 1), 0);
    std::string stubs;
    for (const auto& call : d.canvas.Only("line")) {
        float x1, y1, x2, y2;
        std::sscanf(call.c_str(), "line %f %f %f %f", &x1, &y1, &x2, &y2);
        if (x1 == x2) continue; // a stem
        const int level = static_cast<int>(92 - y1) / 6;
        if (x2 - x1 == 8) {
            const bool forward = static_cast<int>(x1 - 36) % 40 == 1;
            const int t = static_cast<int>(forward ? x1 - 37 : x2 + 1 - 36) / 40;
            stubs += " " + std::to_string(t) + (forward ? ">" : "<") + std::to_string(level);
        } else {
            for (int t = static_cast<int>(x1 - 36) / 40; t < static_cast<int>(x2 - 36 + 1) / 40;
                 ++t)
                ++pairs[static_cast<std::size_t>(t)];
        }
    }
    std::string out;
    for (int count : pairs)
        out += std::to_string(count) + " ";
    return out + "|" + stubs;
}

TEST(Beams, SecondaryBeamsPerNeighbourPair) {
    constexpr std::uint8_t e = Kind::EighthNote, s = Kind::SixteenthNote;
    constexpr std::uint8_t t = Kind::ThirtySecondNote, x = Kind::SixtyFourthNote;
    const std::vector<std::pair<std::vector<std::uint8_t>, std::string>> cases = {
        // Values getting longer keep min(b, b') beams; extra levels of a note
        // above both neighbours become short beams, forward only from the first.
        {{t, s}, "2 | 0>2"},
        {{t, t, s}, "3 2 |"},
        {{x, t, s, e}, "3 2 1 | 0>3"},
        {{s, e}, "1 | 0>1"},
        {{e, s, e}, "1 1 | 1<1"},
        {{e, s, t, e}, "1 2 1 | 2<2"},
        {{s, e, s}, "1 1 | 0>1 2<1"},
        // Values that never fall: short beams on every level of the first note
        // and of each rise, as always.
        {{e, s, t}, "1 2 | 1>1 2<1 2<2"},
        {{s, s, t}, "2 2 | 0>1 2<1 2<2"},
    };
    for (const auto& [kinds, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(BeamCounts(kinds), expected);
    }
}

TEST(Beams, ExtremePitchesAreClampedAndThePassGoesOn) {
    Drawing d;
    Beamed(d, 0, Kind::EighthNote, 1).Put(1, Kind::EighthNote, 254);
    Beamed(d, 2, Kind::EighthNote, 128).Put(3, Kind::EighthNote, 128);
    for (int i = 0; i <= 3; ++i)
        d.Draw(i);
    EXPECT_EQ(d.beamEnd, 3);
    EXPECT_EQ(d.canvas.Only("width 3").size(), 6u); // a primary beam and two stems each
}

TEST(Ties, RadiusFromTheDistance) {
    Drawing d;
    d.Put(0, Kind::QuarterNote, 130).Attach(0, Kind::Tie, 1).Put(1, Kind::QuarterNote, 130);
    d.Put(3, Kind::QuarterNote, 126).Attach(3, Kind::Tie, 1).Put(5, Kind::QuarterNote, 126);
    d.Draw(0);
    // h = 20, r = 32: centre 18 pixels below the head, the arc above.
    EXPECT_EQ(d.canvas.Only("arc"), Calls({"arc 60 82 32 0.833 2.307"}));
    d.canvas.calls.clear();
    d.Draw(3);
    // h = 40 across an empty column, r = 118; below for a note under the middle line.
    EXPECT_EQ(d.canvas.Only("arc"), Calls({"arc 200 -24 118 4.356 5.064"}));
    EXPECT_EQ(d.canvas.Only("fill"), Calls({"fill solid", "fill none"}));
}

TEST(Ties, BrokenTiesDrawNothing) {
    Drawing d;
    d.Put(0, Kind::QuarterNote, 130).Attach(0, Kind::Tie, 1).Put(1, Kind::QuarterNote, 131);
    d.Put(3, Kind::QuarterNote, 130)
        .Attach(3, Kind::Tie, 1)
        .Put(4, Kind::Rest, 3)
        .Put(5, Kind::QuarterNote, 130);
    d.Put(30, Kind::QuarterNote, 130).Attach(30, Kind::Tie, 1);
    d.Attach(10, Kind::Tie, 1);
    for (int i : {0, 3, 30, 10})
        d.Draw(i);
    EXPECT_TRUE(d.canvas.Only("arc").empty());
}

} // namespace
} // namespace sorn::test

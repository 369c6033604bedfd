// Rows, headers, pages and closing up blank columns of a printed part.

#include "print/PrintLayout.h"
#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "support/RecordingCanvas.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>

namespace sorn {
namespace {

struct Part {
    SornData doc;
    explicit Part(std::int32_t length) {
        doc.FileNew();
        doc.SetLength(length);
    }
    Part& Bar(std::int32_t i, std::uint8_t code = BarLineCode::Single) {
        doc.CheckGData1(0, i, Kind::BarLine, code);
        return *this;
    }
    Part& Put(std::int32_t i, std::uint8_t kind, std::uint8_t value) {
        doc.SetGData1(0, i, 0, kind, value);
        return *this;
    }
    std::vector<std::pair<int, int>> Ranges() const {
        std::vector<std::pair<int, int>> out;
        for (const PrintRow& r : LayOutRows(doc, 0))
            out.emplace_back(r.first, r.last);
        return out;
    }
};

using Ranges = std::vector<std::pair<int, int>>;

TEST(PrintRows, FullRowsThenTheRest) {
    Part p(30);
    for (int i = 0; i <= 30; ++i)
        p.Put(i, Kind::QuarterNote, 128);
    const auto rows = LayOutRows(p.doc, 0);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].last, 29);
    EXPECT_EQ(rows[0].columnWidth, 40);
    EXPECT_EQ(rows[1].first, 30);
    EXPECT_EQ(rows[1].columnWidth, 1200);

    test::RecordingCanvas canvas(kPageWidth, kPageHeight);
    EXPECT_EQ(RenderPrintPage(p.doc, 0, false, 0, canvas), 0);
    const auto heads = canvas.Only("circle");
    ASSERT_EQ(heads.size(), 31u);
    EXPECT_EQ(heads[0], "circle 40 72 4");
    EXPECT_EQ(heads[29], "circle 1200 72 4");
    EXPECT_EQ(heads[30], "circle 620 188 4"); // row 1, 116 lower
    EXPECT_TRUE(canvas.Has("line 20 56 1220 56"));
    EXPECT_TRUE(canvas.Has("line 20 204 1220 204"));
}

TEST(PrintRows, BrokenAtBarLines) {
    Part p(40);
    p.Bar(9).Bar(19).Bar(29).Bar(39);
    EXPECT_EQ(p.Ranges(), Ranges({{0, 29}, {30, 39}, {40, 40}}));
}

TEST(PrintRows, TheClosingBarLineStandsAtTheStaffEnd) {
    // 22 columns round to 55 pixels, 10 more than the staff's 1200; 29 to
    // 41, 11 fewer.
    for (const int columns : {22, 29}) {
        Part p(40);
        p.Bar(columns - 1);
        test::RecordingCanvas canvas(kPageWidth, kPageHeight);
        RenderPrintPage(p.doc, 0, false, 0, canvas);
        EXPECT_TRUE(canvas.Has("line 20 56 1220 56")) << columns;
        EXPECT_TRUE(canvas.Has("line 1220 56 1220 88")) << columns;
    }
}

TEST(PrintRows, ClefAndKeyRepeatOnLaterRows) {
    Part p(80);
    p.Put(0, Kind::Clef, ClefCode::G).Put(1, Kind::KeySignature, 2);
    const auto rows = LayOutRows(p.doc, 0);
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[0].headerColumns, 0);
    EXPECT_EQ(rows[0].last, 29);
    EXPECT_EQ(rows[1].headerColumns, 2);
    EXPECT_EQ(rows[1].last - rows[1].first + 1, 28);
    EXPECT_EQ(rows[1].clef, ClefCode::G);
    EXPECT_EQ(rows[1].key, 2);

    test::RecordingCanvas canvas(kPageWidth, kPageHeight);
    RenderPrintPage(p.doc, 0, false, 0, canvas);
    // Row 1's header: the clef at column 0, the two sharps in column 1.
    EXPECT_TRUE(canvas.Has("glyph toon 0 0 22 64 -> 30 156 22 64 copy"));
    EXPECT_EQ(canvas.Only("glyph sharp").size(), 2u * 3); // rows 0 (the key itself), 1 and 2
}

TEST(PrintRows, CMajorMakesNoHeader) {
    Part p(60);
    p.Put(0, Kind::KeySignature, KeyCode::CMajor);
    for (const PrintRow& r : LayOutRows(p.doc, 0))
        EXPECT_EQ(r.headerColumns, 0);
}

TEST(PrintRows, ThirteenRowsMakeTwoPages) {
    Part p(13 * 30 - 1);
    test::RecordingCanvas canvas(kPageWidth, kPageHeight);
    EXPECT_EQ(RenderPrintPage(p.doc, 0, false, 0, canvas), 1);
    const auto rows = LayOutRows(p.doc, 0);
    ASSERT_EQ(rows.size(), 13u);
    EXPECT_EQ(rows[12].page, 1);
    // Page 1 draws only its row, at the top of the page.
    canvas.calls.clear();
    RenderPrintPage(p.doc, 0, false, 1, canvas);
    EXPECT_TRUE(canvas.Has("line 20 56 1220 56"));
    EXPECT_FALSE(canvas.Has("line 20 172 1220 172"));
}

// Pages drawn from one layout, in any order, hold every row once, in its
// place, and are the pages each laid out alone: nothing of one page's
// drawing is left for the next.
TEST(PrintRows, OneLayoutDrawsEveryRowOnce) {
    Part p(1500);
    p.Put(0, Kind::Clef, ClefCode::G).Put(1, Kind::KeySignature, 2);
    std::size_t notes = 0;
    for (int i = 2; i <= 1500; ++i) {
        if (i % 5 == 0) continue; // blank columns to close up
        if (i % 8 == 1) p.Bar(i);
        if (i % 97 == 0) {
            p.Put(i, Kind::Clef, ClefCode::F);
            continue;
        }
        p.Put(i, Kind::QuarterNote, static_cast<std::uint8_t>(126 + i % 7));
        ++notes;
        if (i % 9 == 0) p.doc.CheckGData1(0, i, Kind::Tie, 1);
    }
    for (const bool compact : {false, true}) {
        SCOPED_TRACE(compact);
        const auto rows =
            static_cast<int>(LayOutRows(compact ? *CompactPart(p.doc, 0) : p.doc, 0).size());
        const OriginalPages pages(p.doc, 0, compact);
        ASSERT_EQ(pages.PageCount(), (rows + kRowsPerPage - 1) / kRowsPerPage);
        ASSERT_GE(pages.PageCount(), 3);
        std::size_t heads = 0;
        for (int page = pages.PageCount() - 1; page >= 0; --page) {
            test::RecordingCanvas once(kPageWidth, kPageHeight);
            pages.Draw(page, once);
            heads += once.Only("circle").size();
            const int onPage = std::min(kRowsPerPage, rows - page * kRowsPerPage);
            EXPECT_TRUE(once.Has("line 20 56 1220 56")) << page;
            const std::string lastStaffLine =
                "line 20 " + std::to_string(56 + (onPage - 1) * kRowHeight + 32);
            EXPECT_EQ(once.Only(lastStaffLine).size(), 1u) << page;
            EXPECT_EQ(once.Only("line 20 " + std::to_string(56 + onPage * kRowHeight)).size(), 0u)
                << page;
            test::RecordingCanvas alone(kPageWidth, kPageHeight);
            EXPECT_EQ(RenderPrintPage(p.doc, 0, compact, page, alone), pages.PageCount() - 1);
            EXPECT_EQ(once.calls, alone.calls) << page;
        }
        EXPECT_EQ(heads, notes);
    }
}

// What one printed row holds of beamed eighths at staff position 130
// (stems down, beams flat 20 pixels below the middle line).
struct RowMarks {
    int stems = 0;
    int beams = 0;
    int flags = 0;
    bool operator==(const RowMarks&) const = default;
};

std::vector<RowMarks> MarksPerRow(const test::RecordingCanvas& canvas, int rows) {
    std::vector<RowMarks> out(static_cast<std::size_t>(rows));
    for (const auto& call : canvas.calls) {
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        const bool line = std::sscanf(call.c_str(), "line %f %f %f %f", &x1, &y1, &x2, &y2) == 4;
        const bool flag =
            std::sscanf(call.c_str(), "glyph flag %*f %*f %*f %*f -> %f %f", &x1, &y1) == 2;
        if (!line && !flag) continue;
        EXPECT_LE(std::max(x1, x2), kPageWidth - 20) << call; // nothing past the staff end
        RowMarks& m = out.at(static_cast<std::size_t>(y1 / kRowHeight));
        if (flag)
            ++m.flags;
        else if (x1 == x2)
            ++m.stems;
        else if (x1 != 20)
            ++m.beams;
    }
    return out;
}

TEST(PrintRows, BeamGroupsEndWithTheRow) {
    struct Case {
        std::int32_t first, last; // beamed eighths first..last, no bar lines
        std::vector<RowMarks> rows;
    };
    const std::vector<Case> cases = {
        {24, 35, {{6, 1, 0}, {6, 1, 0}}},
        {28, 30, {{2, 1, 0}, {1, 0, 1}}}, // the lone last note has stem and flag
        {29, 31, {{1, 0, 1}, {2, 1, 0}}},
        {20, 28, {{9, 1, 0}, {0, 0, 0}}}, // a group inside a row stays whole
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        Part p(40);
        for (std::int32_t i = c.first; i <= c.last; ++i) {
            p.Put(i, Kind::EighthNote, 130);
            if (i < c.last) p.doc.CheckGData1(0, i, Kind::Beam, 1);
        }
        test::RecordingCanvas canvas(kPageWidth, kPageHeight);
        RenderPrintPage(p.doc, 0, false, 0, canvas);
        EXPECT_EQ(MarksPerRow(canvas, 2), c.rows);
    }
}

TEST(PrintRows, TiesAcrossARowBreakAreHalved) {
    struct Case {
        const char* what;
        std::int32_t from, to; // tied quarter notes
        std::uint8_t pitch;
        bool header; // a G clef and two sharps at the start
        std::vector<std::string> arcs;
    };
    // Neighbouring columns give h = 20 and r = 32 as on the screen; the first
    // half rises to the staff end at 1220, the second falls from where the
    // next row's notes begin.
    const std::vector<Case> cases = {
        {"above", 29, 30, 130, false, {"arc 1220 82 32 1.57 2.307", "arc 20 198 32 0.833 1.57"}},
        {"below", 29, 30, 126, false, {"arc 1220 62 32 3.973 4.71", "arc 20 178 32 4.71 5.447"}},
        {"after the header",
         29,
         30,
         130,
         true,
         {"arc 1220 82 32 1.57 2.307", "arc 100 198 32 0.833 1.57"}},
        {"across an empty column",
         28,
         30,
         130,
         false,
         {"arc 1220 311 261 1.57 1.804", "arc 20 198 32 0.833 1.57"}},
        {"inside a row", 0, 1, 130, false, {"arc 60 82 32 0.833 2.307"}},
        {"to another pitch", 29, 30, 130, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Part p(59);
        if (c.header) p.Put(0, Kind::Clef, ClefCode::G).Put(1, Kind::KeySignature, 2);
        p.Put(c.from, Kind::QuarterNote, c.pitch).Put(c.to, Kind::QuarterNote, c.pitch);
        if (c.arcs.empty()) p.Put(c.to, Kind::QuarterNote, c.pitch + 1);
        p.doc.CheckGData1(0, c.from, Kind::Tie, 1);
        test::RecordingCanvas canvas(kPageWidth, kPageHeight);
        RenderPrintPage(p.doc, 0, false, 0, canvas);
        EXPECT_EQ(canvas.Only("arc"), c.arcs);
    }
}

TEST(CompactPart, DropsBlankColumnsAndCarriesLoneBarLines) {
    Part p(30);
    p.Put(0, Kind::QuarterNote, 128).Bar(3).Put(4, Kind::HalfNote, 130);
    p.Put(5, Kind::QuarterNote, 126).Bar(6).Bar(7, BarLineCode::Double);
    const auto copy = CompactPart(p.doc, 0);
    EXPECT_EQ(copy->Length(), 20); // the shortest score, padded after the survivors
    EXPECT_EQ(copy->GetGSyurui(0, 0, 0), Kind::QuarterNote);
    EXPECT_EQ(copy->GetGSyurui(0, 0, 1), Kind::BarLine);
    EXPECT_EQ(copy->GetGSyurui(0, 1, 0), Kind::HalfNote);
    EXPECT_EQ(copy->GetGSyurui(0, 2, 0), Kind::QuarterNote);
    // Of two lone bar lines in a row only the first reaches the note.
    EXPECT_EQ(copy->GetGSyurui(0, 2, 1), Kind::BarLine);
    EXPECT_EQ(copy->GetGAtai(0, 2, 1), BarLineCode::Single);
    for (int i = 3; i <= 20; ++i)
        for (int s = 0; s < SlotCount; ++s)
            EXPECT_EQ(copy->GetGSyurui(0, i, s), 0) << i;
    EXPECT_EQ(p.doc.GetGSyurui(0, 3, 1), Kind::BarLine); // the score itself is untouched
}

TEST(CompactPart, NeverTakesABarLineAway) {
    Part p(30);
    p.Put(0, Kind::QuarterNote, 128).Bar(0).Bar(2);
    const auto copy = CompactPart(p.doc, 0);
    EXPECT_EQ(copy->GetGSyurui(0, 0, 1), Kind::BarLine);
}

TEST(CompactPart, LongPartKeepsItsSurvivors) {
    Part p(100);
    for (int i = 0; i <= 100; i += 2)
        p.Put(i, Kind::EighthNote, 128);
    const auto copy = CompactPart(p.doc, 0);
    EXPECT_EQ(copy->Length(), 50);
    test::RecordingCanvas canvas(kPageWidth, kPageHeight);
    RenderPrintPage(p.doc, 0, true, 0, canvas);
    EXPECT_EQ(canvas.Only("circle").size(), 51u);
}

} // namespace
} // namespace sorn

#include "model/LeadingNumber.h"

#include <clocale>

namespace sorn {
namespace {

// Text boxes read "." as the decimal mark even where the user's locale writes ",".
TEST(LeadingNumber, ReadsTheNumberATextStartsWith) {
    const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(LeadingNumber("13.5 部"), 13.5);
    EXPECT_EQ(LeadingNumber("  -2x"), -2);
    EXPECT_EQ(LeadingNumber("+7"), 7);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("-" + std::string(400, '9')), -HUGE_VAL);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    if (previous) std::setlocale(LC_NUMERIC, "C");
}

} // namespace
} // namespace sorn

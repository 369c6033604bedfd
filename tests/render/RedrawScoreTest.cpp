// The redraw: cursor bounds, staff lines, visible columns, cursor and texts.

#include "render/RedrawScore.h"
#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace sorn::test {
namespace {

struct Redraw {
    SornData doc;
    EditorState state;
    HorizontalScroll scroll;
    RecordingCanvas canvas{629, 155};
    StatusTexts texts;

    Redraw() {
        doc.FileNew();
        scroll.maximum = doc.Length();
    }
    void Run(float windowWidth = 650) {
        canvas.calls.clear();
        texts = RedrawScore(doc, state, scroll, windowWidth, canvas);
    }
};

TEST(Geometry, ColumnsAndPitches) {
    const StaffLayout l;
    EXPECT_EQ(VisibleColumns(l, 1000), 24);
    EXPECT_EQ(VisibleColumns(l, 650), 15);
    EXPECT_EQ(ColumnX(l, 0), 40);
    EXPECT_EQ(ColumnX(l, 1), 80);
    EXPECT_EQ(PitchY(l, 132), 56);
    EXPECT_EQ(PitchY(l, 128), 72);
    EXPECT_EQ(PitchY(l, 124), 88);
}

TEST(RedrawScore, StaffColumnsCursorAndTexts) {
    Redraw r;
    r.doc.SetGData1(0, 0, 0, Kind::WholeNote, 128);
    r.Run();
    const auto lines = r.canvas.Only("line");
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(
        std::vector<std::string>(lines.begin(), lines.begin() + 5),
        std::vector<std::string>({"line 20 56 609 56", "line 20 64 609 64", "line 20 72 609 72",
                                  "line 20 80 609 80", "line 20 88 609 88"}));
    EXPECT_EQ(r.canvas.calls.front(), "clear");
    const std::vector<std::string> tail(r.canvas.calls.end() - 4, r.canvas.calls.end());
    EXPECT_EQ(tail, std::vector<std::string>(
                        {"invert on", "fill solid", "circle 40 72 8", "invert off"}));
    EXPECT_EQ(r.texts.position, "位置 0/30");
    EXPECT_EQ(r.texts.part, "パート 1/1  グランドピアノ");
}

TEST(RedrawScore, CursorPastTheWindowScrollsOneColumn) {
    Redraw r;
    r.doc.SetLength(100);
    r.scroll.maximum = 100;
    r.state.CursorColumn = 24;
    r.Run(1000);
    EXPECT_EQ(r.state.CursorColumn, 23);
    EXPECT_EQ(r.scroll.value, 1);
    EXPECT_EQ(r.texts.position, "位置 24/100");
}

TEST(RedrawScore, CursorLeftOfTheWindow) {
    Redraw r;
    r.scroll.value = 5;
    r.state.CursorColumn = -1;
    r.Run();
    EXPECT_EQ(r.state.CursorColumn, 0);
    EXPECT_EQ(r.scroll.value, 4);
    r.scroll.value = 0;
    r.state.CursorColumn = -1;
    r.Run();
    EXPECT_EQ(r.state.CursorColumn, 0);
    EXPECT_EQ(r.scroll.value, 0);
}

TEST(RedrawScore, CursorNeverPastTheLastPosition) {
    Redraw r;
    r.scroll.value = 25;
    r.state.CursorColumn = 10;
    for (int iti = 0; iti <= 30; ++iti)
        r.doc.SetGData1(0, iti, 0, Kind::WholeNote, 128);
    r.Run();
    EXPECT_EQ(r.state.CursorColumn, 5);
    EXPECT_EQ(r.canvas.Only("circle").size(), 6u + 1u); // positions 25..30 and the cursor
    EXPECT_EQ(r.texts.position, "位置 30/30");
}

TEST(RedrawScore, NarrowCanvasGetsStaffButNoColumn) {
    Redraw r;
    r.canvas = RecordingCanvas(40, 155);
    r.doc.SetGData1(0, 0, 0, Kind::WholeNote, 128);
    r.Run();
    EXPECT_EQ(r.canvas.Only("line").size(), 5u);
    EXPECT_EQ(r.canvas.Only("circle").size(), 1u); // the cursor only
}

TEST(RedrawScore, PartTextNamesTheInstrument) {
    Redraw r;
    r.doc.AddPart();
    r.doc.AddPart();
    r.doc.SetInstrumentNumber(1, "40");
    r.state.CurrentPart = 1;
    r.Run();
    EXPECT_EQ(r.texts.part, "パート 2/3  ヴァイオリン");
}

} // namespace
} // namespace sorn::test

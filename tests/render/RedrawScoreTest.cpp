// The redraw: cursor bounds, staff lines, visible columns and cursor.

#include "render/RedrawScore.h"
#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace sorn::test {
namespace {

// The window's order: the cursor kept inside, then the picture.
struct Redraw {
    SornData doc;
    ScoreView view;
    HorizontalScroll scroll;
    RecordingCanvas canvas{629, 155};

    Redraw() {
        doc.FileNew();
        scroll.maximum = doc.Length();
    }
    void Run(float windowWidth = 650) {
        canvas.calls.clear();
        KeepCursorInside(view.cursorColumn, scroll, view.layout, windowWidth, doc.Length());
        view.first = scroll.value;
        RedrawScore(doc, view, canvas);
    }
    std::int32_t CursorPosition() const { return scroll.value + view.cursorColumn; }
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

TEST(RedrawScore, StaffColumnsAndCursor) {
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
}

TEST(RedrawScore, CursorPastTheWindowScrollsOneColumn) {
    Redraw r;
    r.doc.SetLength(100);
    r.scroll.maximum = 100;
    r.view.cursorColumn = 24;
    r.Run(1000);
    EXPECT_EQ(r.view.cursorColumn, 23);
    EXPECT_EQ(r.scroll.value, 1);
    EXPECT_EQ(r.CursorPosition(), 24);
}

TEST(RedrawScore, CursorLeftOfTheWindow) {
    Redraw r;
    r.scroll.value = 5;
    r.view.cursorColumn = -1;
    r.Run();
    EXPECT_EQ(r.view.cursorColumn, 0);
    EXPECT_EQ(r.scroll.value, 4);
    r.scroll.value = 0;
    r.view.cursorColumn = -1;
    r.Run();
    EXPECT_EQ(r.view.cursorColumn, 0);
    EXPECT_EQ(r.scroll.value, 0);
}

TEST(RedrawScore, CursorNeverPastTheLastPosition) {
    Redraw r;
    r.scroll.value = 25;
    r.view.cursorColumn = 10;
    for (int iti = 0; iti <= 30; ++iti)
        r.doc.SetGData1(0, iti, 0, Kind::WholeNote, 128);
    r.Run();
    EXPECT_EQ(r.view.cursorColumn, 5);
    EXPECT_EQ(r.canvas.Only("circle").size(), 6u + 1u); // positions 25..30 and the cursor
    EXPECT_EQ(r.CursorPosition(), 30);
}

TEST(RedrawScore, NarrowCanvasGetsStaffButNoColumn) {
    Redraw r;
    r.canvas = RecordingCanvas(40, 155);
    r.doc.SetGData1(0, 0, 0, Kind::WholeNote, 128);
    r.Run();
    EXPECT_EQ(r.canvas.Only("line").size(), 5u);
    EXPECT_EQ(r.canvas.Only("circle").size(), 1u); // the cursor only
}

} // namespace
} // namespace sorn::test

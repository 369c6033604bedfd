// The full score's columns, over the examples and random scores of several
// parts: what starts together stands together, bar lines at one time stand
// at one x, every part keeps its order, and parts alike are drawn as alone.

#include "layout/ScoreGrid.h"
#include "layout/ScoreLayout.h"
#include "layout/Timeline.h"
#include "model/MessageBoxes.h"
#include "model/SymbolCodes.h"
#include "support/Examples.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <random>

namespace sorn {
namespace {

struct NoBoxes : MessageBoxes {
    MsgResult Show(std::string_view text, MsgButtons, MsgIcon) override {
        ADD_FAILURE() << text;
        return MsgResult::Ok;
    }
};

bool CarriesBar(const SornData& doc, std::uint8_t part, std::int32_t iti) {
    const PositionRecord* r = doc.Record(part, iti);
    return std::find(r->Syurui.begin() + 1, r->Syurui.end(), Kind::BarLine) != r->Syurui.end();
}

void ExpectAligned(const SornData& doc, const std::string& name) {
    SCOPED_TRACE(name);
    const Timeline timeline(doc);
    const ScoreGrid grid(doc, timeline);
    std::map<std::int64_t, std::int32_t> noteColumn; // onset -> column of its notes
    std::map<std::int64_t, std::int32_t> barColumn;  // end onset -> column a bar closes
    for (int p = 0; p < doc.PartCount(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        for (std::int32_t i = 0; i <= doc.Length(); ++i) {
            const std::int32_t column = grid.Column(part, i);
            ASSERT_LT(column, grid.ColumnCount());
            if (i > 0) {
                ASSERT_LT(grid.Column(part, i - 1), column) << "part " << p << " at " << i;
            }
            if (timeline.Duration(part, i) == 0) continue;
            const std::int64_t onset = timeline.Onset(part, i);
            EXPECT_EQ(grid.ColumnOnset(column), onset);
            const auto [at, fresh] = noteColumn.emplace(onset, column);
            EXPECT_EQ(at->second, column) << "part " << p << " at " << i;
            if (!CarriesBar(doc, part, i)) continue;
            const std::int32_t bar = grid.BarColumn(part, i);
            const auto [b, newBar] = barColumn.emplace(timeline.Onset(part, i + 1), bar);
            EXPECT_EQ(b->second, bar) << "bar of part " << p << " at " << i;
            EXPECT_GE(bar, column);
        }
    }
}

TEST(ScoreGrid, ExamplesAndRandomScoresAlign) {
    for (const char* name : {"kirakira.sorn", "sakura.sorn", "canon.sorn", "chorale.sorn"}) {
        SornData doc;
        NoBoxes boxes;
        ASSERT_EQ(doc.FileOpen(test::Example(name), boxes), OpenResult::Opened);
        ExpectAligned(doc, name);
    }
    std::mt19937 random(7);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int score = 0; score < 60; ++score) {
        SornData doc;
        doc.FileNew();
        doc.SetLength(20 + pick(60));
        for (int p = pick(5); p > 0; --p)
            doc.AddPart();
        for (int p = 0; p < doc.PartCount(); ++p) {
            const auto part = static_cast<std::uint8_t>(p);
            for (std::int32_t i = 0; i <= doc.Length() - pick(15); ++i) {
                switch (pick(8)) {
                case 0:
                    break; // empty
                case 1:
                    doc.SetGData1(
                        part, i, 0,
                        static_cast<std::uint8_t>(pick(2) ? Kind::Clef : Kind::KeySignature),
                        ClefCode::G);
                    break;
                default:
                    doc.SetGData1(part, i, 0, static_cast<std::uint8_t>(2 + pick(4)), 128);
                }
                if (pick(4) == 0) doc.CheckGData1(part, i, Kind::BarLine, BarLineCode::Single);
            }
        }
        ExpectAligned(doc, "random score " + std::to_string(score));
    }
}

TEST(ScoreGrid, PartsAlikeStandAsEachAlone) {
    SornData doc;
    NoBoxes boxes;
    ASSERT_EQ(doc.FileOpen(test::Example("kirakira.sorn"), boxes), OpenResult::Opened);
    for (int copies = 0; copies < 2; ++copies) {
        doc.AddPart();
        for (std::int32_t i = 0; i <= doc.Length(); ++i)
            doc.SetRecord(doc.PartSuu(), i, *doc.Record(0, i));
    }
    const Timeline timeline(doc);
    const ScoreGrid grid(doc, timeline);
    EXPECT_EQ(grid.ColumnCount(), doc.Length() + 1);
    for (int p = 0; p < doc.PartCount(); ++p)
        for (std::int32_t i = 0; i <= doc.Length(); ++i)
            ASSERT_EQ(grid.Column(static_cast<std::uint8_t>(p), i), i) << p << " " << i;
}

TEST(ScoreGrid, AOneNoteBarOverATwoNoteBar) {
    // The hymn a user tried: half note | over two quarters |; then an empty
    // part, which lies under the others from its start.
    SornData doc;
    doc.FileNew();
    doc.AddPart();
    doc.AddPart();
    doc.SetGData1(0, 0, 0, Kind::HalfNote, 128);
    doc.CheckGData1(0, 0, Kind::BarLine, BarLineCode::Single);
    doc.SetGData1(0, 1, 0, Kind::HalfNote, 130);
    doc.SetGData1(1, 0, 0, Kind::QuarterNote, 124);
    doc.SetGData1(1, 1, 0, Kind::QuarterNote, 126);
    doc.CheckGData1(1, 1, Kind::BarLine, BarLineCode::Single);
    doc.SetGData1(1, 2, 0, Kind::HalfNote, 124);
    const Timeline timeline(doc);
    const ScoreGrid grid(doc, timeline);
    EXPECT_EQ(grid.Column(0, 0), 0);
    EXPECT_EQ(grid.Column(1, 0), 0);
    EXPECT_EQ(grid.Column(1, 1), 1);
    EXPECT_EQ(grid.Column(0, 1), 2); // the second bar starts together
    EXPECT_EQ(grid.Column(1, 2), 2);
    EXPECT_EQ(grid.BarColumn(0, 0), 1);
    EXPECT_EQ(grid.BarColumn(1, 1), 1);
    EXPECT_EQ(grid.Column(0, 2), 3); // the tails run on side by side
    EXPECT_EQ(grid.Column(1, 3), 3);
    EXPECT_EQ(grid.Column(2, 0), 0);
    EXPECT_EQ(grid.Column(2, 5), 5);
    EXPECT_EQ(grid.PositionAtOrBefore(0, 1), 0);
    EXPECT_EQ(grid.PositionAtOrBefore(1, 1), 1);

    // The bar line standing alone after two empty positions of the first
    // part is where the second part's closes.
    doc.CheckGData1(0, 0, Kind::BarLine, BarLineCode::Single);
    doc.InsertSpaces(0, 1, 3);
    doc.CheckGData1(0, 3, Kind::BarLine, BarLineCode::Single);
    const Timeline later(doc);
    const ScoreGrid padded(doc, later);
    EXPECT_EQ(padded.Column(0, 3), 4);
    EXPECT_EQ(padded.BarColumn(0, 3), 4);
    EXPECT_EQ(padded.BarColumn(1, 1), 4);
    EXPECT_EQ(padded.Column(0, 4), 5);
    EXPECT_EQ(padded.Column(1, 2), 5);
}

// A part's verses push the staves below it down by a line each, and the
// band a click picks a part by takes them in.
TEST(FullScoreLayout, StavesMakeRoomForTheVersesAbove) {
    SornData doc;
    doc.FileNew();
    doc.AddPart();
    doc.AddPart();
    ASSERT_TRUE(doc.SetSyllable(0, 0, 1, Syllable{"a"})); // two verses
    ASSERT_TRUE(doc.SetSyllable(2, 0, 0, Syllable{"b"})); // one
    const Timeline timeline(doc);
    const ScoreGrid grid(doc, timeline);
    const struct {
        std::uint8_t firstPart;
        std::array<float, 3> offsets;
        // y and the part under it: the staff's band ends 58 pixels below
        // its middle line (y 72) and its verse lines further.
        std::vector<std::pair<float, int>> picks;
    } cases[] = {
        {0, {0, 152, 268}, {{-500, 0}, {165.5f, 0}, {166, 1}, {281.5f, 1}, {282, 2}, {900, 2}}},
        {1, {-152, 0, 116}, {{13.5f, 0}, {14, 1}, {129.5f, 1}, {130, 2}}},
    };
    for (const auto& c : cases) {
        const FullScoreLayout layout(StaffLayout{}, grid, 0, c.firstPart);
        for (std::uint8_t p = 0; p < 3; ++p)
            EXPECT_EQ(layout.StaffOffset(p), c.offsets[p]) << int(c.firstPart) << " " << int(p);
        for (const auto& [y, part] : c.picks)
            EXPECT_EQ(layout.PartAt(y, 0), part) << int(c.firstPart) << " y " << y;
    }
    EXPECT_EQ(FullScoreLayout(StaffLayout{}, grid, 0, 0).VerseRoom(0), 36);
}

} // namespace
} // namespace sorn

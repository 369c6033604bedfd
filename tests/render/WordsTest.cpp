// Words in the views: lyrics under the staff with their hyphens and
// extenders, and the parts' names fitted to the full score's band. The
// recording canvas measures 6 pixels for a Latin letter, 12 for a kana.

#include "layout/ScoreGrid.h"
#include "layout/Timeline.h"
#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "render/FullScore.h"
#include "render/RedrawScore.h"
#include "render/TextLines.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>
#include <sstream>

namespace sorn::test {
namespace {

Syllable Word(const char* text, Syllabic syllabic = Syllabic::Single, bool extend = false) {
    return Syllable{text, syllabic, extend};
}

// What a picture draws at or below a row: words, hyphens and extenders.
std::vector<std::string> DrawnFrom(const RecordingCanvas& canvas, float top) {
    std::vector<std::string> out;
    for (const std::string& call : canvas.calls) {
        std::istringstream in(call);
        std::string verb, first;
        float x = 0, y = 0;
        in >> verb;
        if (verb == "text") in >> first;
        if ((verb == "text" || verb == "line") && in >> x >> y && y >= top) out.push_back(call);
    }
    return out;
}

// Notes at 0..3 and 5, a rest at 4. Verse 1: き-ら held over the next two
// notes up to the rest. Verse 2: Twin- with its ending three notes on, so
// that two hyphens share the gap.
TEST(Lyrics, SyllablesHyphensAndExtendersUnderTheStaff) {
    SornData doc;
    doc.FileNew();
    for (std::int32_t i : {0, 1, 2, 3, 5})
        doc.SetGData1(0, i, 0, Kind::QuarterNote, 128);
    doc.SetGData1(0, 4, 0, Kind::Rest, LengthCode::Quarter);
    ASSERT_TRUE(doc.SetSyllable(0, 0, 0, Word("き", Syllabic::Begin)));
    ASSERT_TRUE(doc.SetSyllable(0, 1, 0, Word("ら", Syllabic::End, true)));
    ASSERT_TRUE(doc.SetSyllable(0, 0, 1, Word("Twin", Syllabic::Begin)));
    ASSERT_TRUE(doc.SetSyllable(0, 3, 1, Word("kle", Syllabic::End)));

    const struct {
        std::int32_t first;
        std::vector<std::string> drawn;
    } cases[] = {
        {0,
         {"text き 34 138", "line 58 145 62 145", "text ら 74 138", "line 88 149 164 149",
          "text Twin 28 156", "line 75 163 79 163", "line 124 163 128 163", "text kle 151 156"}},
        // Scrolled past the first syllables: what reaches into the view still shows.
        {2,
         {"text ら -6 138", "line 8 149 84 149", "text Twin -52 156", "line -5 163 -1 163",
          "line 44 163 48 163", "text kle 71 156"}},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas(629, 191);
        ScoreView view;
        view.first = c.first;
        view.cursor = false;
        RedrawScore(doc, view, canvas);
        EXPECT_EQ(DrawnFrom(canvas, 138), c.drawn) << "from position " << c.first;
    }
}

TEST(Lyrics, NamesFitTheBandAndStavesMakeRoomForVerses) {
    SornData doc;
    doc.FileNew();
    doc.AddPart();
    doc.SetPartText(0, PartText::Name, "ソプラノ第一声部とても長い名前のパート");
    doc.SetPartText(0, PartText::ShortName, "S.");
    doc.SetPartText(1, PartText::Name, "Church Organ Continuo Bass Section");
    doc.SetSyllable(0, 0, 1, Word("a"));
    doc.SetSyllable(1, 0, 0, Word("ら"));
    const Timeline timeline(doc);
    const ScoreGrid grid(doc, timeline);
    const FullScoreLayout layout(StaffLayout{}, grid, 0, 0);
    RecordingCanvas canvas(629, 400);
    RedrawFullScore(doc, layout, FullScoreCursor{0, 0, 128, false}, canvas);

    const std::string x0 = RecordingCanvas::N(layout.X(0, 0) - 3);
    const std::string x1 = RecordingCanvas::N(layout.X(1, 0) - 6);
    // The second staff lies two verse lines lower: 116 + 2 × 18.
    EXPECT_EQ(canvas.Only("text"),
              std::vector<std::string>(
                  {"text 1 S. 4 64", "text a " + x0 + " 156", "text 2 Church Organ 4 209",
                   "text Continuo Bass Sec… 4 224", "text ら " + x1 + " 290"}));
}

TEST(TextLines, BreakAtSpacesOrBetweenKanaAndCutWhatIsLeft) {
    const RecordingCanvas canvas;
    const struct {
        const char* text;
        int maxLines;
        std::vector<std::string> lines;
        bool cut;
    } cases[] = {
        {"1 Piano", 2, {"1 Piano"}, false},
        {"  spaced  ", 2, {"spaced"}, false},
        {"2 Church Organ and Continuo Bass", 2, {"2 Church Organ and", "Continuo Bass"}, false},
        {"2 Church Organ Continuo Bass Section", 2, {"2 Church Organ", "Continuo Bass Sec…"}, true},
        {"1 ソプラノ第一声部とても長い名前", 2, {"1 ソプラノ第一声部", "とても長い名前"}, false},
        {"1 ソプラノ第一声部とても", 1, {"1 ソプラノ第一声…"}, true},
        {"Pneumonoultramicroscopicsilicovolcano",
         2,
         {"Pneumonoultramicros", "copicsilicovolcano"},
         false},
    };
    for (const auto& c : cases) {
        const FittedLines fitted = FitLines(canvas, c.text, 116, c.maxLines);
        EXPECT_EQ(fitted.lines, c.lines) << c.text;
        EXPECT_EQ(fitted.cut, c.cut) << c.text;
    }
}

} // namespace
} // namespace sorn::test

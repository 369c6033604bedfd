// The reading layout over the examples and random scores: what sounds
// together stands together, systems end together, nothing leaves the
// margins or lands on another symbol, and every position is printed once.

#include "print/ReadingLayout.h"
#include "layout/Timeline.h"
#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "support/Examples.h"
#include "support/RecordingCanvas.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sstream>

namespace sorn {
namespace {

struct NoBoxes : MessageBoxes {
    MsgResult Show(std::string_view text, MsgButtons, MsgIcon) override {
        ADD_FAILURE() << text;
        return MsgResult::Ok;
    }
};

struct Box {
    float left, top, right, bottom;
    std::string what;
};

bool Overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The boxes of the symbols a page draws that must stand apart: note heads,
// accidentals (their ink, the middle of the glyph), dynamics and words.
// Every call must also stay inside the margins.
std::vector<Box> CheckPage(const test::RecordingCanvas& page, float margin,
                           const std::string& where) {
    std::vector<Box> boxes;
    const float right = page.Width() - margin;
    const float bottom = page.Height() - margin;
    auto inside = [&](float x1, float y1, float x2, float y2, const std::string& call) {
        const float slack = 0.5f; // antialiasing of a line on the margin itself
        EXPECT_TRUE(x1 >= margin - slack && y1 >= margin - slack && x2 <= right + slack &&
                    y2 <= bottom + slack)
            << where << ": outside the margins: " << call;
    };
    float size = 12;
    for (const std::string& call : page.calls) {
        std::istringstream in(call);
        std::string verb;
        in >> verb;
        if (verb == "size") {
            in >> size;
        } else if (verb == "line") {
            float x1, y1, x2, y2;
            in >> x1 >> y1 >> x2 >> y2;
            inside(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), call);
        } else if (verb == "circle") {
            float x, y, r;
            in >> x >> y >> r;
            inside(x - r, y - r, x + r, y + r, call);
            boxes.push_back({x - r, y - r, x + r, y + r, call});
        } else if (verb == "box") {
            float x, y, w, h;
            in >> x >> y >> w >> h;
            inside(x, y, x + w, y + h, call);
        } else if (verb == "arc") {
            float x, y, r, a1, a2;
            in >> x >> y >> r >> a1 >> a2;
            for (int k = 0; k <= 16; ++k) {
                const float a = a1 + (a2 - a1) * static_cast<float>(k) / 16;
                const float px = x + r * std::cos(a);
                const float py = y - r * std::sin(a);
                inside(px, py, px, py, call);
            }
        } else if (verb == "glyph") {
            std::string name, arrow;
            float sx, sy, sw, sh, x, y, w, h;
            in >> name >> sx >> sy >> sw >> sh >> arrow >> x >> y >> w >> h;
            inside(x, y, x + w, y + h, call);
            if (name == "sharp" || name == "flat" || name == "natural")
                boxes.push_back({x + 5, y + 2, x + 10, y + 14, call});
            else if (name == "dynamics")
                boxes.push_back({x + 2, y, x + w - 2, y + h, call});
        } else if (verb == "text") {
            // "text WORDS x y": the words may hold spaces.
            const auto last = call.rfind(' ');
            const auto before = call.rfind(' ', last - 1);
            const std::string text = call.substr(5, before - 5);
            const float x = std::stof(call.substr(before + 1));
            const float y = std::stof(call.substr(last + 1));
            const float w = page.TextWidth(text);
            inside(x, y, x + w, y + size, call);
            if (size == 12) boxes.push_back({x, y + 2, x + w, y + 12, call});
        }
    }
    return boxes;
}

// Lays a score out, draws every page, and checks what the layout promises.
void ExpectReadable(const SornData& doc, const std::vector<std::uint8_t>& parts,
                    const std::string& name) {
    test::RecordingCanvas measure;
    const PageGeometry geometry;
    const ReadingLayout layout(doc, parts, geometry, measure);
    const Timeline timeline(doc);

    for (int page = 0; page < layout.PageCount(); ++page) {
        test::RecordingCanvas canvas(layout.Width(), layout.Height(), 7);
        layout.DrawPage(page, canvas);
        std::vector<Box> boxes =
            CheckPage(canvas, layout.Margin(), name + " page " + std::to_string(page + 1));
        std::sort(boxes.begin(), boxes.end(),
                  [](const Box& a, const Box& b) { return a.left < b.left; });
        for (std::size_t a = 0; a < boxes.size(); ++a)
            for (std::size_t b = a + 1; b < boxes.size() && boxes[b].left < boxes[a].right; ++b) {
                const bool signs = boxes[a].what.rfind("glyph", 0) == 0 &&
                                   boxes[b].what.rfind("glyph", 0) == 0 &&
                                   boxes[a].what.find("dynamics") == std::string::npos &&
                                   boxes[b].what.find("dynamics") == std::string::npos;
                // A key signature's signs stand close by design.
                if (!signs) {
                    EXPECT_FALSE(Overlap(boxes[a], boxes[b]))
                        << name << " page " << page + 1 << ": " << boxes[a].what << " on "
                        << boxes[b].what;
                }
            }
    }

    std::map<std::uint8_t, std::int32_t> next; // per part, the first position not printed yet
    for (const ReadingSystem& system : layout.Systems()) {
        ASSERT_EQ(system.staves.size(), parts.size()) << name;
        EXPECT_LE(system.barEnd, system.right);
        EXPECT_LE(system.right, layout.Width() - layout.Margin() + 0.5f) << name;
        std::map<std::int64_t, float> atOnset;
        for (const SystemStaff& staff : system.staves) {
            // The positions before the staff's first are the signs its header shows.
            for (std::int32_t i = next[staff.part]; i < staff.first; ++i) {
                const std::uint8_t kind = doc.GetGSyurui(staff.part, i, 0);
                EXPECT_TRUE(kind == Kind::Empty || kind == Kind::Clef ||
                            kind == Kind::KeySignature || kind == Kind::TimeSignature)
                    << name << ": part " << int(staff.part) << " position " << i << " not printed";
            }
            next[staff.part] = std::max(next[staff.part], staff.first);
            if (staff.last >= staff.first) next[staff.part] = staff.last + 1;
            for (std::int32_t i = staff.first; i <= staff.last; ++i) {
                if (timeline.Duration(staff.part, i) == 0) continue;
                const float x = layout.X(staff.part, i);
                const auto [at, fresh] = atOnset.emplace(timeline.Onset(staff.part, i), x);
                if (!fresh) {
                    EXPECT_FLOAT_EQ(at->second, x)
                        << name << ": part " << int(staff.part) << " position " << i;
                }
                EXPECT_GE(x, system.musicLeft);
                EXPECT_LE(x, system.barEnd);
            }
        }
    }
    for (const std::uint8_t p : parts)
        EXPECT_EQ(next[p], layout.LastPrinted(p) + 1) << name << ": part " << int(p);
}

TEST(ReadingLayout, ExamplesAndRandomScoresReadWell) {
    for (const char* name :
         {"kirakira.sorn", "sakura.sorn", "canon.sorn", "chorale.sorn", "amazing-grace.sorn"}) {
        SornData doc;
        NoBoxes boxes;
        ASSERT_EQ(doc.FileOpen(test::Example(name), boxes), OpenResult::Opened);
        std::vector<std::uint8_t> all;
        for (int p = 0; p < doc.PartCount(); ++p)
            all.push_back(static_cast<std::uint8_t>(p));
        ExpectReadable(doc, all, name);
        ExpectReadable(doc, {static_cast<std::uint8_t>(doc.PartCount() - 1)},
                       std::string(name) + " part sheet");
    }
    // Nothing to print, or signs alone: a page with empty staves, or none.
    SornData blank;
    blank.FileNew();
    blank.AddPart();
    ExpectReadable(blank, {0, 1}, "a new score");
    blank.SetGData1(1, 0, 0, Kind::Clef, ClefCode::F);
    blank.SetGData1(1, 1, 0, Kind::KeySignature, 3);
    ExpectReadable(blank, {0, 1}, "signs alone");

    std::mt19937 random(11);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int score = 0; score < 24; ++score) {
        SornData doc;
        doc.FileNew();
        doc.SetLength(40 + pick(200));
        for (int p = pick(4); p > 0; --p)
            doc.AddPart();
        for (int p = 0; p < doc.PartCount(); ++p) {
            const auto part = static_cast<std::uint8_t>(p);
            const bool longWord = pick(2) != 0;
            for (std::int32_t i = 0; i <= doc.Length() - pick(20); ++i) {
                switch (pick(12)) {
                case 0:
                    break;
                case 1:
                    doc.SetGData1(part, i, 0, Kind::Clef, pick(2) ? ClefCode::F : ClefCode::CTenor);
                    break;
                case 2:
                    doc.SetGData1(part, i, 0, Kind::KeySignature,
                                  static_cast<std::uint8_t>(pick(15)));
                    break;
                case 3:
                    doc.SetGData1(part, i, 0, Kind::Rest, static_cast<std::uint8_t>(1 + pick(7)));
                    break;
                default:
                    // Notes from far below the staff to far above it.
                    doc.SetGData1(part, i, 0, static_cast<std::uint8_t>(1 + pick(7)),
                                  static_cast<std::uint8_t>(108 + pick(40)));
                    if (pick(3) == 0)
                        doc.CheckGData1(part, i, Kind::Accidental,
                                        static_cast<std::uint8_t>(1 + pick(5)));
                    if (pick(6) == 0)
                        doc.CheckGData1(
                            part, i, Kind::Dynamics,
                            static_cast<std::uint8_t>(pick(2) ? 1 + pick(5) : 9 + pick(5)));
                    if (pick(4) == 0) doc.CheckGData1(part, i, Kind::Dot, MarkPresent);
                    if (pick(3) == 0) doc.CheckGData1(part, i, Kind::Beam, MarkPresent);
                    if (pick(8) == 0) doc.CheckGData1(part, i, Kind::Tie, MarkPresent);
                    if (pick(3) == 0 || longWord)
                        doc.SetSyllable(part, i, pick(2),
                                        {longWord  ? "long-syllable"
                                         : pick(2) ? "la"
                                                   : "ことば",
                                         static_cast<Syllabic>(pick(4)), pick(4) == 0});
                }
                if (pick(5) == 0) doc.CheckGData1(part, i, Kind::BarLine, BarLineCode::Single);
            }
        }
        std::vector<std::uint8_t> parts;
        for (int p = 0; p < doc.PartCount(); ++p)
            if (p == 0 || pick(3)) parts.push_back(static_cast<std::uint8_t>(p));
        ExpectReadable(doc, parts, "random score " + std::to_string(score));
    }
}

} // namespace
} // namespace sorn

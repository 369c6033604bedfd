#include "render/Lyrics.h"

#include "model/SornData.h"
#include "model/SymbolCodes.h"

#include <algorithm>
#include <cmath>

namespace sorn {

namespace {

// Within a verse's line, for the canvas's 12-pixel text: the baseline the
// extender runs on, and the middle of the small letters a hyphen crosses.
constexpr float kBaseline = 11;
constexpr float kHyphenHeight = 7;
constexpr float kHyphenHalf = 2; // five pixels, both ends included
// Across a wide gap engravers repeat the hyphen about this often.
constexpr float kHyphenEvery = 36;
// A word's last hyphen with no syllable after it stands in this much room.
constexpr float kLoneHyphenRoom = 12;
constexpr float kExtenderGap = 2;
constexpr std::int32_t kNone = -1;

class Verse {
public:
    Verse(const SornData& doc, std::uint8_t part, int verse)
        : doc_(doc), part_(part), verse_(verse) {}

    Syllable At(std::int32_t i) const { return doc_.GetSyllable(part_, i, verse_); }
    bool Has(std::int32_t i) const { return doc_.HasSyllable(part_, i, verse_); }
    // The nearest syllable before a position, or after it up to limit.
    std::int32_t Before(std::int32_t i) const {
        while (--i >= 0)
            if (Has(i)) return i;
        return kNone;
    }
    std::int32_t After(std::int32_t i, std::int32_t limit) const {
        limit = std::min(limit, doc_.Length());
        while (++i <= limit)
            if (Has(i)) return i;
        return kNone;
    }
    // The last note a syllable is held over: the notes after it up to the
    // next syllable or a rest. Past the view the first note is far enough.
    std::int32_t HeldTo(std::int32_t i, std::int32_t last) const {
        std::int32_t held = kNone;
        for (std::int32_t j = i + 1; j <= doc_.Length() && !Has(j); ++j) {
            const PositionRecord* r = doc_.Record(part_, j);
            if (!r || r->Syurui[0] == Kind::Rest) break;
            if (!IsNote(r->Syurui[0])) continue;
            held = j;
            if (j > last) break;
        }
        return held;
    }

private:
    const SornData& doc_;
    std::uint8_t part_;
    int verse_;
};

struct Clip {
    float left;
    float right;
};

void ClippedLine(Canvas& canvas, float x1, float x2, float y, Clip clip) {
    x1 = std::max(x1, clip.left);
    x2 = std::min(x2, clip.right);
    if (x2 >= x1) canvas.Line(x1, y, x2, y);
}

// One hyphen in the middle of a gap between two syllables, or one for
// every kHyphenEvery pixels of a wide gap, evenly spread.
void DrawHyphens(Canvas& canvas, float from, float to, float y, Clip clip) {
    const float gap = to - from;
    const int count = std::max(1, static_cast<int>(gap / kHyphenEvery));
    for (int k = 0; k < count; ++k) {
        const float centre =
            std::round(from + gap * static_cast<float>(2 * k + 1) / static_cast<float>(2 * count));
        ClippedLine(canvas, centre - kHyphenHalf, centre + kHyphenHalf, y, clip);
    }
}

} // namespace

void DrawLyrics(const SornData& doc, std::uint8_t part, const ScoreLayout& layout,
                std::int32_t first, std::int32_t last, Canvas& canvas, float clipLeft,
                float clipRight) {
    const Clip clip{clipLeft, clipRight};
    const int verses = doc.VerseCount(part);
    if (verses == 0) return;
    const float offset = layout.StaffOffset(part);
    const float head = static_cast<float>(layout.Staff().StepHeight);
    canvas.SetLineWidth(1);
    for (int v = 0; v < verses; ++v) {
        const Verse verse(doc, part, v);
        const float top = static_cast<float>(LyricLineTop(layout.Staff(), v)) + offset;
        // A syllable left of the view may still reach into it: its word,
        // its hyphens or its extender.
        std::int32_t i = verse.Before(first);
        if (i == kNone) i = verse.After(first - 1, last);
        while (i != kNone && i <= last) {
            const Syllable syllable = verse.At(i);
            const float x = layout.X(part, i);
            const float half = canvas.TextWidth(syllable.text) / 2;
            if (x - half >= clipLeft) canvas.Text(syllable.text, x - half, top);
            const std::int32_t next = verse.After(i, syllable.HyphenAfter() ? doc.Length() : last);
            if (syllable.HyphenAfter()) {
                const float to = next == kNone ? x + half + kLoneHyphenRoom
                                               : layout.X(part, next) -
                                                     canvas.TextWidth(verse.At(next).text) / 2;
                DrawHyphens(canvas, x + half, to, top + kHyphenHeight, clip);
            }
            if (syllable.extend) {
                const std::int32_t held = verse.HeldTo(i, last);
                if (held != kNone)
                    ClippedLine(canvas, x + half + kExtenderGap, layout.X(part, held) + head,
                                top + kBaseline, clip);
            }
            i = next;
        }
    }
}

} // namespace sorn

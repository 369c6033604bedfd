#include "render/BeamsAndTies.h"

#include "model/SornData.h"
#include "model/SymbolCodes.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace sorn {

namespace {

bool Holds(const SornData& doc, std::uint8_t part, std::int32_t i, std::uint8_t kind) {
    const PositionRecord* r = doc.Record(part, i);
    return r && std::find(r->Syurui.begin(), r->Syurui.end(), kind) != r->Syurui.end();
}

bool IsBeamableNote(std::uint8_t kind) {
    return kind >= Kind::EighthNote && kind <= Kind::SixtyFourthNote;
}

struct Group {
    std::vector<std::int32_t> positions;
    std::vector<std::uint8_t> kinds;
    std::vector<std::int16_t> pitches;
    int highest = 0;
    int lowest = 255;
    int sum = 0;
};

// Follows beam marks across empty positions and short rests, up to last; a
// bar line ends the group after its own position.
Group Collect(const SornData& doc, std::uint8_t part, std::int32_t position, std::int32_t last) {
    Group g;
    for (std::int32_t i = position; i <= last; ++i) {
        const std::uint8_t k = doc.GetGSyurui(part, i, 0);
        bool go = false;
        if (k == Kind::Empty) {
            go = true;
        } else if (IsBeamableNote(k)) {
            const std::uint8_t pitch = doc.GetGAtai(part, i, 0);
            g.positions.push_back(i);
            g.kinds.push_back(k);
            g.pitches.push_back(pitch);
            g.highest = std::max<int>(g.highest, pitch);
            g.lowest = std::min<int>(g.lowest, pitch);
            g.sum += pitch;
            go = Holds(doc, part, i, Kind::Beam);
        } else if (k == Kind::Rest) {
            const std::uint8_t length = doc.GetGAtai(part, i, 0);
            go = length != LengthCode::Whole && length != LengthCode::Half;
        }
        if (Holds(doc, part, i, Kind::BarLine)) go = false;
        if (!go) break;
    }
    return g;
}

} // namespace

void DrawBeamGroup(const SornData& doc, Canvas& canvas, std::uint8_t part, std::int32_t position,
                   const StaffLayout& layout, float x, float offset, std::int32_t& beamEnd,
                   const RowEnd* rowEnd) {
    if (!IsBeamableNote(doc.GetGSyurui(part, position, 0))) {
        beamEnd = position - 1;
        return;
    }
    beamEnd = position;
    const std::int32_t last = rowEnd ? std::min(doc.Length(), rowEnd->lastPosition) : doc.Length();
    const Group g = Collect(doc, part, position, last);
    const std::size_t n = g.positions.size();
    if (n < 2) { // a lone note keeps its own stem and flags
        beamEnd = position - 1;
        return;
    }
    beamEnd = g.positions.back();

    const float avg = static_cast<float>(g.sum) / static_cast<float>(n);
    const int above = g.highest - 128;
    const int below = 128 - g.lowest;
    const bool up = above < below || (above == below && avg < 128);

    const float side = up ? 4.0f : -4.0f;
    auto st = [&](std::size_t t) {
        return static_cast<float>(
            Nearest(x + Across(layout, g.positions[0], g.positions[t]) + side));
    };
    // The beam keeps the slope of the outer notes, 7 steps beyond their average.
    const float mid = (g.pitches.front() + g.pitches.back()) / 2.0f;
    const float e = up ? 7.0f : -7.0f;
    auto beamPosition = [&](int pitch) {
        // A group spanning nearly every staff position would leave the byte range.
        return static_cast<std::uint8_t>(std::clamp(Nearest(pitch + e + avg - mid), 0, 255));
    };
    const float y0 =
        static_cast<float>(Nearest(PitchY(layout, beamPosition(g.pitches.front())) + offset));
    const float y1 =
        static_cast<float>(Nearest(PitchY(layout, beamPosition(g.pitches.back())) + offset));
    const float m = (y1 - y0) / (st(n - 1) - st(0));
    const float c = y0 - m * st(0);
    auto beamY = [&](float u) { return m * u + c; };

    // Beams per note: 0 for an eighth, 1 for a 16th, 2 for a 32nd, 3 for a 64th.
    auto beams = [&](std::size_t t) { return g.kinds[t] - Kind::EighthNote; };
    // Where the values get longer, a note may have levels its neighbours lack.
    const bool falls =
        std::adjacent_find(g.kinds.begin(), g.kinds.end(), std::greater<>()) != g.kinds.end();

    canvas.SetLineWidth(3);
    canvas.Line(st(0), y0, st(n - 1), y1);
    for (std::size_t t = 0; t < n; ++t) {
        const float u = st(t);
        canvas.SetLineWidth(1);
        const float headY =
            static_cast<float>(PitchY(layout, doc.GetGAtai(part, g.positions[t], 0))) + offset;
        canvas.Line(u, beamY(u), u, headY);
        canvas.SetLineWidth(3);
        const int b = beams(t);
        auto dy = [&](int j) { return static_cast<float>(up ? 6 * j : -6 * j); };
        auto segment = [&](float u1, float u2, int j) {
            canvas.Line(u1, beamY(u1) + dy(j), u2, beamY(u2) + dy(j));
        };
        const bool last = t == n - 1;
        // A full beam to the next stem for every level both notes have.
        if (!last) {
            const float next = st(t + 1);
            for (int j = 1; j <= std::min(b, beams(t + 1)); ++j)
                canvas.Line(u + 1, beamY(u) + dy(j), next - 1, beamY(next) + dy(j));
        }
        // Short beams: in a group whose values never fall, the first note and
        // every rise get them on all their levels (the full beams cover the
        // lower ones); otherwise a note with more beams than both neighbours
        // gets them for its extra levels only.
        int from = 1;
        bool stub = t == 0 || g.kinds[t - 1] < g.kinds[t];
        bool forward = !last;
        if (falls) {
            const int neighbours = std::max(t > 0 ? beams(t - 1) : 0, last ? 0 : beams(t + 1));
            from = neighbours + 1;
            stub = b > neighbours;
            forward = t == 0;
        }
        const float stubStart = forward ? u + 1 : u - 9;
        if (stub)
            for (int j = from; j <= b; ++j)
                segment(stubStart, stubStart + 8, j);
        canvas.SetLineWidth(1);
    }
}

namespace {

// A tie stands above notes whose stems hang down.
bool TieAbove(std::uint8_t pitch) {
    return pitch >= StaffPosition::MiddleLine;
}

// Half of the arc of a tie whose ends are 2h apart (an end at x, the top
// at x + h): the rising half from the end when first, else the falling half
// from the top at x.
void HalfTie(Canvas& canvas, float x, float y, float h, bool above, bool first) {
    const float r = static_cast<float>(Nearest(h * h / 14.0 + 3.5));
    const float a = std::atan((r - 10) / h);
    const float cx = first ? x + h : x;
    canvas.SetFillSolid(false);
    if (above)
        canvas.Arc(cx, y + r - 14, r, first ? 1.57f : a, first ? 3.14f - a : 1.57f);
    else
        canvas.Arc(cx, y - r + 14, r, first ? a + 3.14f : 4.71f, first ? 4.71f : 6.28f - a);
}

bool HoldsTie(const SornData& doc, std::uint8_t part, std::int32_t i) {
    const PositionRecord* r = doc.Record(part, i);
    if (!r) return false;
    for (int s = 0; s < SlotCount; ++s)
        if (r->Syurui[s] == Kind::Tie && r->Atai[s] == MarkPresent) return true;
    return false;
}

// The next note after position when it has the same pitch, else -1.
std::int32_t TiedNote(const SornData& doc, std::uint8_t part, std::int32_t position) {
    if (!IsNote(doc.GetGSyurui(part, position, 0))) return -1;
    for (std::int32_t i = position + 1; i <= doc.Length(); ++i) {
        const std::uint8_t k = doc.GetGSyurui(part, i, 0);
        if (k == Kind::Empty) continue;
        if (!IsNote(k) || doc.GetGAtai(part, i, 0) != doc.GetGAtai(part, position, 0)) return -1;
        return i;
    }
    return -1;
}

} // namespace

void DrawTie(const SornData& doc, Canvas& canvas, std::uint8_t part, const StaffLayout& layout,
             float x, float y, std::int32_t position, const RowEnd* rowEnd) {
    const std::int32_t i = TiedNote(doc, part, position);
    if (i < 0) return;
    const bool above = TieAbove(doc.GetGAtai(part, position, 0));
    if (rowEnd && i > rowEnd->lastPosition) {
        const float end = rowEnd->tieEnd > 0 ? rowEnd->tieEnd : rowEnd->staffEnd;
        HalfTie(canvas, x, y, static_cast<float>(Nearest(end - x)), above, true);
        return;
    }
    const float h =
        static_cast<float>(Nearest(static_cast<double>(Across(layout, position, i)) / 2.0));
    const float r = static_cast<float>(Nearest(h * h / 14.0 + 3.5));
    canvas.SetFillSolid(false);
    const float a = std::atan((r - 10) / h);
    if (above)
        canvas.Arc(x + h, y + r - 14, r, a, 3.14f - a); // above, the stems hang down
    else
        canvas.Arc(x + h, y - r + 14, r, a + 3.14f, 6.28f - a);
}

std::int32_t TieIntoRow(const SornData& doc, std::uint8_t part, std::int32_t first,
                        std::int32_t last) {
    std::int32_t note = first;
    while (note <= last && doc.GetGSyurui(part, note, 0) == Kind::Empty)
        ++note;
    if (note > last || !IsNote(doc.GetGSyurui(part, note, 0))) return -1;
    // Looking back only from a note that begins the row keeps a long run of
    // blank rows from being walked again for each of them.
    std::int32_t start = first - 1;
    while (start >= 0 && doc.GetGSyurui(part, start, 0) == Kind::Empty)
        --start;
    if (start < 0 || !HoldsTie(doc, part, start)) return -1;
    return TiedNote(doc, part, start) == note ? note : -1;
}

void DrawTieEnd(const SornData& doc, Canvas& canvas, std::uint8_t part, const StaffLayout& layout,
                std::int32_t position, float staffStart, float noteX, float offset) {
    const std::uint8_t pitch = doc.GetGAtai(part, position, 0);
    const float y = static_cast<float>(PitchY(layout, pitch)) + offset;
    HalfTie(canvas, staffStart, y, static_cast<float>(Nearest(noteX - staffStart)), TieAbove(pitch),
            false);
}

} // namespace sorn

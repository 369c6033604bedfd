#include "render/BeamsAndTies.h"

#include "model/SornData.h"
#include "model/SymbolCodes.h"

#include <algorithm>
#include <cmath>
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

// Follows beam marks across empty positions and short rests; a bar line
// ends the group after its own position.
Group Collect(const SornData& doc, std::uint8_t part, std::int32_t position) {
    Group g;
    for (std::int32_t i = position; i <= doc.Length(); ++i) {
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
                   const StaffLayout& layout, float x, float offset, std::int32_t& beamEnd) {
    if (!IsBeamableNote(doc.GetGSyurui(part, position, 0))) {
        beamEnd = position - 1;
        return;
    }
    beamEnd = position;
    const Group g = Collect(doc, part, position);
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
        return static_cast<float>(Nearest(
            x + static_cast<float>((g.positions[t] - g.positions[0]) * layout.ColumnWidth) + side));
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

    canvas.SetLineWidth(3);
    canvas.Line(st(0), y0, st(n - 1), y1);
    for (std::size_t t = 0; t < n; ++t) {
        const float u = st(t);
        canvas.SetLineWidth(1);
        const float headY =
            static_cast<float>(PitchY(layout, doc.GetGAtai(part, g.positions[t], 0))) + offset;
        canvas.Line(u, beamY(u), u, headY);
        canvas.SetLineWidth(3);
        const int b = g.kinds[t] - Kind::EighthNote; // secondary beams of this note
        auto dy = [&](int j) { return static_cast<float>(up ? 6 * j : -6 * j); };
        auto segment = [&](float u1, float u2, int j) {
            canvas.Line(u1, beamY(u1) + dy(j), u2, beamY(u2) + dy(j));
        };
        if (t == n - 1) {
            if (g.kinds[t - 1] < g.kinds[t])
                for (int j = 1; j <= b; ++j)
                    segment(u - 9, u - 1, j);
        } else {
            if (g.kinds[t + 1] >= g.kinds[t]) {
                const float next = st(t + 1);
                for (int j = 1; j <= b; ++j)
                    canvas.Line(u + 1, beamY(u) + dy(j), next - 1, beamY(next) + dy(j));
            }
            if (t == 0 || g.kinds[t - 1] < g.kinds[t])
                for (int j = 1; j <= b; ++j)
                    segment(u + 1, u + 9, j);
        }
        canvas.SetLineWidth(1);
    }
}

void DrawTie(const SornData& doc, Canvas& canvas, std::uint8_t part, const StaffLayout& layout,
             float x, float y, std::int32_t position) {
    if (!IsNote(doc.GetGSyurui(part, position, 0))) return;
    const std::uint8_t q = doc.GetGAtai(part, position, 0);
    std::int32_t i = position + 1;
    for (; i <= doc.Length(); ++i) {
        const std::uint8_t k = doc.GetGSyurui(part, i, 0);
        if (k == Kind::Empty) continue;
        if (!IsNote(k)) return;
        break;
    }
    if (i > doc.Length()) return;
    const float h =
        static_cast<float>(Nearest(static_cast<double>(i - position) * layout.ColumnWidth / 2.0));
    const float r = static_cast<float>(Nearest(h * h / 14.0 + 3.5));
    if (doc.GetGAtai(part, i, 0) != q) return;
    canvas.SetFillSolid(false);
    const float a = std::atan((r - 10) / h);
    if (q >= StaffPosition::MiddleLine)
        canvas.Arc(x + h, y + r - 14, r, a, 3.14f - a); // above, the stems hang down
    else
        canvas.Arc(x + h, y - r + 14, r, a + 3.14f, 6.28f - a);
}

} // namespace sorn

#include "render/DrawPosition.h"

#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "render/BeamsAndTies.h"
#include "render/StaffSigns.h"

#include <array>

namespace sorn {

namespace {

struct NoteShape {
    int stemDown;
    int stemUp;
    std::array<int, 4> flagTopsDown; // below the head centre
    std::array<int, 4> flagTopsUp;   // above it
    int flags;
};

// Indexed by note kind 2..7; whole notes have neither stem nor flag.
constexpr std::array<NoteShape, 8> kNoteShapes = {{
    {},
    {},
    {28, 28, {}, {}, 0},
    {28, 28, {}, {}, 0},
    {28, 28, {7}, {27}, 1},
    {28, 28, {1, 7}, {27, 21}, 2},
    {32, 30, {-1, 5, 11}, {17, 23, 29}, 3},
    {38, 36, {-1, 5, 11, 17}, {17, 23, 29, 35}, 4},
}};

constexpr float kFlagWidth = 9;
constexpr float kFlagHeight = 20;

float Y(const StaffLayout& layout, int staffPosition, float offset) {
    return static_cast<float>(PitchY(layout, static_cast<std::uint8_t>(staffPosition))) + offset;
}

void DrawNote(Canvas& canvas, const StaffLayout& layout, std::uint8_t kind, std::uint8_t P, float x,
              float y, bool stemAndFlags) {
    const float head = static_cast<float>(layout.StepHeight);
    canvas.SetFillSolid(kind >= Kind::QuarterNote);
    canvas.Circle(x, y, head);
    if (kind == Kind::WholeNote) return;
    const NoteShape& shape = kNoteShapes[kind];
    if (kind >= Kind::EighthNote && !stemAndFlags) return;
    canvas.SetLineWidth(1);
    const bool down = P >= StaffPosition::MiddleLine;
    if (down) {
        canvas.Line(x - 4, y, x - 4, y + static_cast<float>(shape.stemDown));
        for (int f = 0; f < shape.flags; ++f)
            canvas.Glyph(
                GlyphKey::flag, {0, 0, kFlagWidth, kFlagHeight},
                {x - 4, y + static_cast<float>(shape.flagTopsDown[f]), kFlagWidth, kFlagHeight},
                GlyphMode::And);
    } else {
        canvas.Line(x + 4, y, x + 4, y - static_cast<float>(shape.stemUp));
        for (int f = 0; f < shape.flags; ++f)
            canvas.Glyph(
                GlyphKey::flag, {0, kFlagHeight - 1, kFlagWidth, -kFlagHeight},
                {x + 4, y - static_cast<float>(shape.flagTopsUp[f]), kFlagWidth, kFlagHeight},
                GlyphMode::And);
    }
}

void DrawLedgerLines(Canvas& canvas, const StaffLayout& layout, std::uint8_t v, float x,
                     float offset) {
    if (v >= 134)
        for (int k = 0; k <= (v - 134) / 2; ++k) {
            const float y = Y(layout, 134 + 2 * k, offset);
            canvas.Line(x - 8, y, x + 8, y);
        }
    if (v <= 122)
        for (int k = 0; k <= (122 - v) / 2; ++k) {
            const float y = Y(layout, 122 - 2 * k, offset);
            canvas.Line(x - 8, y, x + 8, y);
        }
}

void DrawRest(Canvas& canvas, const StaffLayout& layout, std::uint8_t value, float x,
              float offset) {
    const float s = static_cast<float>(layout.StepHeight);
    auto yR = [&](int q) { return Y(layout, q, offset); };
    switch (value) {
    case LengthCode::Whole:
    case LengthCode::Half:
        // Always filled: a hollow head earlier in the pass must not hollow the rest.
        canvas.SetFillSolid(true);
        canvas.Box(x - s, yR(value == LengthCode::Whole ? 130 : 129), 2 * s, s);
        return;
    case LengthCode::Quarter:
        canvas.Line(x + 2, yR(124), x + 2 - 6, yR(124) - 8);
        canvas.LineBy(10, -4);
        canvas.LineBy(-7, -7);
        canvas.LineBy(5, -7);
        canvas.LineBy(-4, -6);
        return;
    default:
        if (value < LengthCode::Eighth || value > LengthCode::SixtyFourth) return;
        float cx = x - 5 + 9;
        float cy = yR(125) - 24;
        canvas.Line(x - 5, yR(125), cx, cy);
        canvas.LineBy(-8, 4);
        cx -= 8;
        cy += 4;
        for (int stroke = LengthCode::Eighth; stroke < value; ++stroke) {
            canvas.Line(cx + 7, cy, cx + 7 - 8, cy + 4);
            cx -= 1;
            cy += 4;
        }
        return;
    }
}

void DrawAccidental(Canvas& canvas, const StaffLayout& layout, std::uint8_t value, std::uint8_t P,
                    float x, float y, float offset) {
    switch (value) {
    case AccidentalCode::Sharp:
        DrawAccidentalGlyph(canvas, layout, x, offset, P, GlyphKey::sharp);
        break;
    case AccidentalCode::DoubleSharp:
        canvas.Text("x", x - 14, y - 6);
        break;
    case AccidentalCode::Natural:
        canvas.Glyph(GlyphKey::natural, {0, 0, 16, 16}, {x - 20, y - 7, 16, 16}, GlyphMode::And);
        break;
    case AccidentalCode::Flat:
        DrawAccidentalGlyph(canvas, layout, x, offset, P, GlyphKey::flat);
        break;
    case AccidentalCode::DoubleFlat:
        canvas.Glyph(GlyphKey::flat, {0, 0, 16, 16}, {x - 20, y - 7, 16, 16}, GlyphMode::And);
        canvas.Glyph(GlyphKey::flat, {0, 0, 16, 16}, {x - 15, y - 7, 16, 16}, GlyphMode::And);
        break;
    default:
        break;
    }
}

void DrawDot(Canvas& canvas, const StaffLayout& layout, std::uint8_t P, float x, float offset) {
    // The space at or above the head: lines are even staff positions.
    const int d = (P / 2) * 2 + 1;
    canvas.SetLineWidth(2);
    canvas.Point(x + 8, Y(layout, d, offset));
    canvas.SetLineWidth(1);
}

} // namespace

void DrawAccidentalGlyph(Canvas& canvas, const StaffLayout& layout, float x, float offset,
                         std::uint8_t staffPosition, GlyphKey key) {
    canvas.Glyph(key, {0, 0, 16, 16}, {x - 20, Y(layout, staffPosition, offset) - 7, 16, 16},
                 GlyphMode::And);
}

void DrawPosition(const SornData& doc, std::uint8_t part, std::int32_t position, Canvas& canvas,
                  const StaffLayout& layout, float x, float offset, std::int32_t& beamEnd,
                  const RowEnd* rowEnd) {
    const PositionRecord* record = doc.Record(part, position);
    if (!record) return;
    const auto& kinds = record->Syurui;
    const auto& values = record->Atai;

    // Notes and their marks sit at P; a rest lends its marks the middle line.
    const std::uint8_t P = kinds[0] == Kind::Rest ? StaffPosition::MiddleLine : values[0];
    const auto noteY = static_cast<std::int16_t>(PitchY(layout, P));
    const float y = static_cast<float>(noteY) + offset;

    for (int slot = 0; slot < SlotCount; ++slot)
        if (kinds[slot] == Kind::Beam && beamEnd < position)
            DrawBeamGroup(doc, canvas, part, position, layout, x, offset, beamEnd, rowEnd);

    for (int slot = 0; slot < SlotCount; ++slot) {
        const std::uint8_t kind = kinds[slot];
        const std::uint8_t value = values[slot];
        if (IsNote(kind)) {
            DrawNote(canvas, layout, kind, P, x, y, beamEnd < position);
            DrawLedgerLines(canvas, layout, value, x, offset);
            continue;
        }
        switch (kind) {
        case Kind::Rest:
            DrawRest(canvas, layout, value, x, offset);
            break;
        case Kind::BarLine: {
            // A row's columns share a rounded width, so the last one can end
            // a little before or beyond the staff: the row's closing bar line
            // stands at the staff's end all the same.
            const bool closesRow = rowEnd && position == rowEnd->lastPosition;
            DrawBarLine(canvas, layout, value,
                        closesRow ? rowEnd->staffEnd : x + BarAcross(layout, position), offset);
            break;
        }
        case Kind::Accidental:
            DrawAccidental(canvas, layout, value, P, x, y, offset);
            break;
        case Kind::Dot:
            if (value == MarkPresent) DrawDot(canvas, layout, P, x, offset);
            break;
        case Kind::Dynamics:
            DrawDynamics(canvas, layout, value, x, offset);
            break;
        case Kind::Clef:
            DrawClef(canvas, layout, value, x, offset);
            break;
        case Kind::Tie:
            if (value == MarkPresent) DrawTie(doc, canvas, part, layout, x, y, position, rowEnd);
            break;
        case Kind::TimeSignature:
            DrawTimeSignature(canvas, layout, value, x, offset);
            break;
        case Kind::KeySignature: {
            std::int32_t at = 0;
            const std::uint8_t previous =
                doc.AtaiBackSerch(part, position, Kind::KeySignature, KeyCode::CMajor, at);
            const std::uint8_t clef =
                doc.AtaiBackSerch(part, position, Kind::Clef, ClefCode::G, at);
            DrawKeySignature(canvas, layout, x, offset, value, previous, clef);
            break;
        }
        case Kind::RepeatWord:
            DrawRepeatWord(canvas, layout, value, x, offset);
            break;
        default:
            break;
        }
    }
}

} // namespace sorn

#include "render/StaffSigns.h"

#include "model/SymbolCodes.h"
#include "render/DrawPosition.h"

#include <array>

namespace sorn {

namespace {

constexpr float kNumberCell = 16;
constexpr float kDynamicsCellWidth = 34;
constexpr float kDynamicsCellHeight = 16;

float Top(const StaffLayout& layout, float offset) {
    return static_cast<float>(layout.StaffTop) + offset;
}

// Where a key signature's sharps and flats go, shifted by the clef in force.
int ClefOffset(std::uint8_t clef) {
    switch (clef) {
    case ClefCode::F:
        return -2;
    case ClefCode::CAlto:
        return -1;
    case ClefCode::CTenor:
        return -6;
    default:
        return 0;
    }
}

int Mod7(int v) {
    return ((v % 7) + 7) % 7;
}

} // namespace

void DrawBarLine(Canvas& canvas, const StaffLayout& layout, std::uint8_t code, float x,
                 float offset) {
    const float s = static_cast<float>(layout.StepHeight);
    const float bx = x + 0.5f * static_cast<float>(layout.ColumnWidth);
    const float top = Top(layout, offset);
    const float H = 8 * s;
    auto thin = [&](float u) { canvas.Line(u, top, u, top + H); };
    auto thick = [&](float u) {
        canvas.SetFillSolid(true); // never hollow, whatever was drawn before
        canvas.Box(u, top, 2, H);
    };
    auto dots = [&](float u) {
        canvas.SetLineWidth(3);
        canvas.Point(u, top + 3 * s);
        canvas.Point(u, top + 5 * s);
        canvas.SetLineWidth(1);
    };
    switch (code) {
    case BarLineCode::Single:
        thin(bx);
        break;
    case BarLineCode::Double:
        thin(bx - 2);
        thin(bx + 2);
        break;
    case BarLineCode::Final:
        thin(bx - 2);
        thick(bx + 1);
        break;
    case BarLineCode::RepeatEnd:
        dots(bx - 6);
        thin(bx - 2);
        thick(bx + 1);
        break;
    case BarLineCode::RepeatStart:
        dots(bx + 6);
        thick(bx - 3);
        thin(bx + 2);
        break;
    case BarLineCode::RepeatBoth:
        dots(bx - 6);
        dots(bx + 6);
        thick(bx - 3);
        thick(bx + 1);
        break;
    default:
        break;
    }
}

void DrawClef(Canvas& canvas, const StaffLayout& layout, std::uint8_t code, float x, float offset) {
    GlyphKey key;
    switch (code) {
    case ClefCode::G:
        key = GlyphKey::toon;
        break;
    case ClefCode::F:
        key = GlyphKey::heon;
        break;
    case ClefCode::CAlto:
        key = GlyphKey::haona;
        break;
    case ClefCode::CTenor:
        key = GlyphKey::haont;
        break;
    default:
        return;
    }
    // The glyph carries its own staff lines, which cover the canvas's.
    canvas.Glyph(key, {0, 0, 22, 64}, {x - 10, Top(layout, offset) - 16, 22, 64}, GlyphMode::Copy);
}

int NumeratorCell(int n) {
    if (n >= 0 && n <= 15) return n;
    switch (n) {
    case 19:
        return 16; // 20
    case 23:
        return 17; // 24
    case 26:
        return 18; // 27
    case 31:
        return 19; // 32
    default:
        return -1;
    }
}

int DenominatorCell(int d) {
    constexpr std::array<int, 6> cells = {0, 1, 3, 7, 15, 19}; // 1, 2, 4, 8, 16, 32
    return d >= 0 && d < static_cast<int>(cells.size()) ? cells[static_cast<std::size_t>(d)] : -1;
}

void DrawTimeSignature(Canvas& canvas, const StaffLayout& layout, std::uint8_t code, float x,
                       float offset) {
    const float top = Top(layout, offset);
    auto cell = [&](int c, float y) {
        if (c < 0) return;
        canvas.Glyph(GlyphKey::number,
                     {kNumberCell * static_cast<float>(c), 0, kNumberCell, kNumberCell},
                     {x - 10, y, kNumberCell, kNumberCell}, GlyphMode::Copy);
    };
    cell(DenominatorCell(code % 8), top + 16);
    cell(NumeratorCell(code / 8), top);
}

void DrawKeySignature(Canvas& canvas, const StaffLayout& layout, float x, float offset,
                      std::uint8_t key, std::uint8_t previousKey, std::uint8_t clef) {
    const int a = ClefOffset(clef);
    auto S = [a](int n) { return Mod7(4 * n + 6 + a) + 126; };
    auto F = [a](int n) { return Mod7(3 * n + 2 + a) + 126; };
    int m = 0; // glyphs so far; each next one 4 pixels further right
    auto glyph = [&](int place, GlyphKey k) {
        DrawAccidentalGlyph(canvas, layout, x + 1 + 4 * static_cast<float>(m), offset,
                            static_cast<std::uint8_t>(place), k);
        ++m;
    };
    const int c = key;
    const int p = previousKey;
    if (c > KeyCode::MostFlats) return;
    const bool sharps = c >= 1 && c <= KeyCode::MostSharps;
    const bool flats = c >= KeyCode::OneFlat;
    const bool prevSharps = p >= 1 && p <= KeyCode::MostSharps;
    const bool prevFlats = p >= KeyCode::OneFlat && p <= KeyCode::MostFlats;

    // Cancel what the previous key had and the new one does not.
    if (c == KeyCode::CMajor) {
        if (prevSharps)
            for (int k = 0; k < p; ++k)
                glyph(S(k), GlyphKey::natural);
        if (prevFlats)
            for (int k = 0; k <= p - KeyCode::OneFlat; ++k)
                glyph(F(k), GlyphKey::natural);
        return;
    }
    if (sharps) {
        if (prevFlats)
            for (int k = 0; k <= p - KeyCode::OneFlat; ++k)
                glyph(F(k), GlyphKey::natural);
        else if (prevSharps && c < p)
            for (int i = 0; i < p - c; ++i)
                glyph(S(c + i), GlyphKey::natural);
        for (int k = 0; k < c; ++k)
            glyph(S(k), GlyphKey::sharp);
        return;
    }
    if (flats) {
        if (prevSharps)
            for (int k = 0; k < p; ++k)
                glyph(S(k), GlyphKey::natural);
        else if (prevFlats && c < p)
            // Seven flats make a whole turn of the places, so the key code
            // itself indexes the first flat to cancel.
            for (int i = 0; i < p - c; ++i)
                glyph(F(c + i), GlyphKey::natural);
        for (int k = 0; k <= c - KeyCode::OneFlat; ++k)
            glyph(F(k), GlyphKey::flat);
    }
}

void DrawDynamics(Canvas& canvas, const StaffLayout& layout, std::uint8_t code, float x,
                  float offset) {
    int cell;
    if (code >= DynamicsCode::mp && code <= DynamicsCode::pppp)
        cell = 5 - code; // mp 4, p 3, pp 2, ppp 1, pppp 0
    else if (code >= DynamicsCode::mf && code <= DynamicsCode::ffff)
        cell = code - 4; // mf 5 .. ffff 9
    else
        return;
    const float y = static_cast<float>(layout.StaffTop + 16 * layout.StepHeight) + offset;
    canvas.Glyph(
        GlyphKey::dynamics,
        {kDynamicsCellWidth * static_cast<float>(cell), 0, kDynamicsCellWidth, kDynamicsCellHeight},
        {x - 17, y, kDynamicsCellWidth, kDynamicsCellHeight}, GlyphMode::And);
}

void DrawRepeatWord(Canvas& canvas, const StaffLayout& layout, std::uint8_t code, float x,
                    float offset) {
    const char* word = nullptr;
    switch (code) {
    case RepeatWordCode::DC:
        word = "D.C.";
        break;
    case RepeatWordCode::DaCapo:
        word = "Da Capo";
        break;
    case RepeatWordCode::Fine:
        word = "Fine";
        break;
    default:
        return;
    }
    canvas.Text(word, x - 15, static_cast<float>(PitchY(layout, 118)) + offset);
}

} // namespace sorn

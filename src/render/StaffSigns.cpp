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

// Staff positions of the seven sharps and the seven flats of a key
// signature, in order, where printed music puts them under the G clef:
// F5 C5 G5 D5 A4 E5 B4 and B4 E5 A4 D5 G4 C5 F4.
constexpr std::array<int, 7> kTrebleSharps = {132, 129, 133, 130, 127, 131, 128};
constexpr std::array<int, 7> kTrebleFlats = {128, 131, 127, 130, 126, 129, 125};
// The tenor clef has a pattern of its own that keeps every sign inside the staff.
constexpr std::array<int, 7> kTenorSharps = {126, 130, 127, 131, 128, 132, 129};
constexpr std::array<int, 7> kTenorFlats = {129, 132, 128, 131, 127, 130, 126};

// The F clef puts the same notes two octaves lower, two steps down the
// staff; the alto clef one octave lower, one step down.
int ClefShift(std::uint8_t clef) {
    switch (clef) {
    case ClefCode::F:
        return -2;
    case ClefCode::CAlto:
        return -1;
    default:
        return 0;
    }
}

// Staff position of the k-th sharp or flat (k = 0..6) under a clef.
int KeyPlace(std::uint8_t clef, bool flat, int k) {
    const auto i = static_cast<std::size_t>(k);
    if (clef == ClefCode::CTenor) return flat ? kTenorFlats[i] : kTenorSharps[i];
    return (flat ? kTrebleFlats[i] : kTrebleSharps[i]) + ClefShift(clef);
}

} // namespace

void DrawBarLine(Canvas& canvas, const StaffLayout& layout, std::uint8_t code, float x,
                 float offset) {
    const float s = static_cast<float>(layout.StepHeight);
    const float bx = x;
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
    auto S = [clef](int k) { return KeyPlace(clef, false, k); };
    auto F = [clef](int k) { return KeyPlace(clef, true, k); };
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
            for (int i = 0; i < p - c; ++i)
                glyph(F(c - KeyCode::OneFlat + 1 + i), GlyphKey::natural);
        for (int k = 0; k <= c - KeyCode::OneFlat; ++k)
            glyph(F(k), GlyphKey::flat);
    }
}

int KeySignatureGlyphs(std::uint8_t key, std::uint8_t previousKey) {
    const int c = key;
    const int p = previousKey;
    if (c > KeyCode::MostFlats) return 0;
    const bool prevSharps = p >= 1 && p <= KeyCode::MostSharps;
    const bool prevFlats = p >= KeyCode::OneFlat && p <= KeyCode::MostFlats;
    const int prevSigns = prevSharps ? p : prevFlats ? p - KeyCode::OneFlat + 1 : 0;
    if (c == KeyCode::CMajor) return prevSigns;
    const bool sharps = c <= KeyCode::MostSharps;
    const int signs = sharps ? c : c - KeyCode::OneFlat + 1;
    const bool sameKind = sharps ? prevSharps : prevFlats;
    // Naturals for a key of the other kind, or for what a smaller key of
    // the same kind no longer has.
    const int naturals = sameKind ? (c < p ? p - c : 0) : prevSigns;
    return naturals + signs;
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
    const float y = static_cast<float>(DynamicsTop(layout)) + offset;
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

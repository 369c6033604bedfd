#pragma once
// The raster surface every score picture is drawn on: the score area, the
// dialog previews and the print page. Coordinates are pixels, origin at the
// top left, y downward. State (line width, fill, mode, current point)
// persists until changed.

#include <string_view>

namespace sorn {

// The symbol bitmaps, painted once at start-up.
enum class GlyphKey {
    toon,     // G clef over five staff rows, 22 x 64
    heon,     // F clef, 22 x 64
    haona,    // C clef, alto position, 22 x 64
    haont,    // C clef, tenor position, 22 x 64
    number,   // 20 numeral cells of 16 x 16 with staff-line rows, 320 x 16
    natural,  // 16 x 16
    flat,     // 16 x 16
    sharp,    // 16 x 16
    dynamics, // 10 cells of 34 x 16, pppp .. ffff, 340 x 16
    flag,     // one flag, stem end at the bottom left, 9 x 20
};
inline constexpr int kGlyphCount = 10;

struct GlyphSize {
    int width;
    int height;
};
inline constexpr GlyphSize kGlyphSizes[kGlyphCount] = {
    {22, 64}, {22, 64}, {22, 64}, {22, 64},  {320, 16},
    {16, 16}, {16, 16}, {16, 16}, {340, 16}, {9, 20},
};
inline constexpr GlyphSize SizeOf(GlyphKey key) {
    return kGlyphSizes[static_cast<int>(key)];
}

enum class GlyphMode {
    Copy, // replaces the pixels
    And,  // darkens them: white leaves the surface as it was
};

struct Rect {
    float x;
    float y;
    float width;
    float height;
    bool operator==(const Rect&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void Clear() = 0;                  // all white
    virtual void SetLineWidth(int width) = 0;  // 1..3
    virtual void SetFillSolid(bool solid) = 0; // interiors of boxes and circles
    virtual void SetInvert(bool invert) = 0;   // each pixel drawn becomes its inverse

    // Black, both ends included; the end becomes the current point.
    virtual void Line(float x1, float y1, float x2, float y2) = 0;
    // From the current point by (dx, dy).
    virtual void LineBy(float dx, float dy) = 0;
    virtual void Box(float x, float y, float width, float height) = 0;
    virtual void Circle(float cx, float cy, float r) = 0;
    // Unfilled, counter-clockwise from a1 to a2 in radians, 0 pointing right.
    virtual void Arc(float cx, float cy, float r, float a1, float a2) = 0;
    virtual void Point(float x, float y) = 0; // a dot of the line width
    // Part of a glyph bitmap into a target rectangle; a negative source
    // height takes the source from its bottom row upward (mirrored).
    virtual void Glyph(GlyphKey key, Rect source, Rect target, GlyphMode mode) = 0;
    // The text that follows: its size in pixels (12 unless set) and weight.
    virtual void SetTextSize(float pixels, bool bold) = 0;
    // UTF-8 text with its top left at (x, y).
    virtual void Text(std::string_view text, float x, float y) = 0;
    // How wide Text would draw it, so that words can be centred and fitted.
    virtual float TextWidth(std::string_view text) const = 0;

    virtual float Width() const = 0;
    virtual float Height() const = 0;
};

} // namespace sorn

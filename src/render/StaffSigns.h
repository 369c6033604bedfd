#pragma once
// Symbols that belong to the staff rather than to a note: bar lines, clefs,
// time and key signatures, dynamics marks and repeat words.

#include "layout/StaffLayout.h"
#include "render/Canvas.h"

#include <cstdint>

namespace sorn {

// x is where the bar line stands: the right edge of the column that carries it.
void DrawBarLine(Canvas& canvas, const StaffLayout& layout, std::uint8_t code, float x,
                 float offset);
void DrawClef(Canvas& canvas, const StaffLayout& layout, std::uint8_t code, float x, float offset);
void DrawTimeSignature(Canvas& canvas, const StaffLayout& layout, std::uint8_t code, float x,
                       float offset);
// Naturals cancelling what the previous key had, then the new sharps or flats.
void DrawKeySignature(Canvas& canvas, const StaffLayout& layout, float x, float offset,
                      std::uint8_t key, std::uint8_t previousKey, std::uint8_t clef);
// How many signs DrawKeySignature draws: the naturals and the new key's.
int KeySignatureGlyphs(std::uint8_t key, std::uint8_t previousKey);
void DrawDynamics(Canvas& canvas, const StaffLayout& layout, std::uint8_t code, float x,
                  float offset);
void DrawRepeatWord(Canvas& canvas, const StaffLayout& layout, std::uint8_t code, float x,
                    float offset);

// The "number" strip cell showing a time-signature numerator or denominator
// exponent, or -1 when there is none.
int NumeratorCell(int numeratorIndex);
int DenominatorCell(int exponent);

} // namespace sorn

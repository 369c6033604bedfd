#pragma once
// The ten symbol bitmaps every canvas paints from. They are drawn once from
// the music and serif fonts, sized for a staff whose lines are 8 pixels apart.

#include "render/Canvas.h"

#include <QImage>
#include <array>

namespace sorn {

class GlyphSet {
public:
    // Paints every glyph; a QGuiApplication must exist.
    GlyphSet();

    // White background, black or grey ink, Format_RGB32, at the size SizeOf(key).
    const QImage& Image(GlyphKey key) const { return images_[static_cast<int>(key)]; }

    // The set shared by the whole program, painted on first use.
    static const GlyphSet& Shared();

private:
    std::array<QImage, kGlyphCount> images_;
};

} // namespace sorn

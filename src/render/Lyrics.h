#pragma once
// The lyrics under a part's staff, one line for each verse: every syllable
// centred on its note, hyphens between the syllables of a word, and an
// extender line under the notes a syllable is held over.

#include "layout/ScoreLayout.h"
#include "render/Canvas.h"

#include <cstdint>
#include <limits>

namespace sorn {

class SornData;

// The verses of a part whose positions first..last are in view. What
// reaches into the view from syllables before or after it is drawn as well:
// lines as far as clipLeft, words only when they begin at or right of it
// (the canvas cuts the rest at its edges); lines stop at clipRight.
void DrawLyrics(const SornData& doc, std::uint8_t part, const ScoreLayout& layout,
                std::int32_t first, std::int32_t last, Canvas& canvas,
                float clipLeft = std::numeric_limits<float>::lowest(),
                float clipRight = std::numeric_limits<float>::max());

} // namespace sorn

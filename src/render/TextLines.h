#pragma once
// Words fitted to a width: broken into lines, and cut short with an
// ellipsis where even the last line cannot hold the rest.

#include "render/Canvas.h"

#include <string>
#include <string_view>
#include <vector>

namespace sorn {

struct FittedLines {
    std::vector<std::string> lines;
    bool cut = false; // the last line ends in "…" for what was left out
};

// At most maxLines lines, each no wider than width as the canvas draws
// them. A line breaks at its last space that fits, or between any two
// characters where it has none (Japanese breaks anywhere).
FittedLines FitLines(const Canvas& canvas, std::string_view text, float width, int maxLines);

} // namespace sorn

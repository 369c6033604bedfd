#pragma once
// Writes the score as a LilyPond file of the kind its users write by hand:
// a header with the credits, one variable per part (and per verse of its
// lyrics), a score of the parts for the page and another that plays them,
// repeats unfolded and the da capo played out. Bars are written as they
// stand, pitches are spelled as the calculator hears them, and beams are
// grouped as the screen groups them.

#include "model/ProgressSink.h"
#include "model/SornData.h"
#include "sound/ExportError.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sorn {

struct LilyPondChoice {
    std::vector<std::uint8_t> parts; // in score order; none: every part
    // Paper size in millimetres for the page; 0 leaves LilyPond's default.
    int paperWidthMm = 0;
    int paperHeightMm = 0;
};

// What the text holds besides the music.
struct LilyPondNotes {
    // Parts (from 0) whose repeats or da capo LilyPond cannot play in our
    // order (a jump inside a tie, say): their signs are drawn, and the
    // played score goes straight through them.
    std::vector<int> repeatsDrawnOnly;
};

// The LilyPond text of the chosen parts, or the error that stops the export.
ExportError LilyPondText(const SornData& doc, std::string& text, const LilyPondChoice& choice = {},
                         LilyPondNotes* notes = nullptr, ProgressSink* progress = nullptr);

// Writes every part to path through the one file writer; when progress
// cancels, the old file stays.
ExportError ExportLilyPond(const SornData& doc, const std::string& path,
                           ProgressSink* progress = nullptr);

} // namespace sorn

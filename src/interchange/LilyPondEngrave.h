#pragma once
// Publication engraving: LilyPond, found on PATH, sets the exported text in
// a private temporary folder, and its PDF goes to the chosen file through
// the one file writer. The program runs without LilyPond; asking for an
// engraving then says which package to install.

#include "interchange/LilyPondExport.h"
#include "model/ProgressSink.h"
#include "sound/ExportError.h"

#include <string>
#include <string_view>

namespace sorn {

// The Debian packages the engraving needs: LilyPond, and the fonts that
// set Japanese text.
inline constexpr std::string_view kLilyPondPackages = "lilypond fonts-noto-cjk";

// Sets text with LilyPond and writes the PDF to pdfPath. Progress follows
// LilyPond's stages; a cancel stops LilyPond and leaves any old file. When
// LilyPond fails, the message holds its first lines and where the text was
// kept for the user.
ExportError EngraveWithLilyPond(std::string_view text, const std::string& pdfPath,
                                ProgressSink* progress = nullptr);

// The chosen parts of the score, exported and engraved.
ExportError EngraveScore(const SornData& doc, const LilyPondChoice& choice,
                         const std::string& pdfPath, ProgressSink* progress = nullptr);

} // namespace sorn

#pragma once
// The fonts a score is drawn with: Noto Music for the symbols, Noto Serif
// for numerals and words. Nothing else is ever asked for.

namespace sorn {

// For a process that only draws scores (the batch commands): the system's
// font configuration, with all its rendering rules, but offering only the
// program's families. The pictures stay the window's, and the toolkit no
// longer lists every font on the machine before the first one is used.
// Call before the first font is looked up; if the configuration cannot be
// made the system's stays in force.
void OfferOnlyProgramFonts();

} // namespace sorn

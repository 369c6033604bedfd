#pragma once
// The fonts a score is drawn with: Noto Music for the symbols, Noto Serif
// for numerals and words. Nothing else is ever asked for.

namespace sorn {

// For a process that only draws scores (the batch commands): the system's
// rendering rules, but only the folders of the program's fonts, read from
// the font caches, and only its families offered. The pictures stay the
// window's, and neither the whole system configuration is read nor every
// font on the machine listed before the first one is used. Where the fonts
// are not in their packages' folders, or the configuration is chosen by the
// environment, the system's configuration is read instead, still offering
// only the program's families. Call before the first font is looked up; if
// the configuration cannot be made the system's stays in force.
void OfferOnlyProgramFonts();

} // namespace sorn

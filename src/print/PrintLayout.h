#pragma once
// Drawing one part as printed pages, in the rows the layout floor breaks it
// into, optionally with the blank columns closed up.

#include "layout/PrintRows.h"
#include "render/Canvas.h"

#include <cstdint>
#include <memory>

namespace sorn {

class SornData;

// A copy of one part (as part 0) without its blank columns; a lone bar line
// moves onto the column before it.
std::unique_ptr<SornData> CompactPart(const SornData& doc, std::uint8_t part);

// The index of the last page the part fills, closed up or not.
int LastPrintPage(const SornData& doc, std::uint8_t part, bool compact);

// Draws the rows of one page (counted from 0) onto a 1240 x 1448 canvas and
// returns the index of the last page. With compact, the blank columns of
// the part are closed up first; the document is never changed.
int RenderPrintPage(const SornData& doc, std::uint8_t part, bool compact, int page, Canvas& canvas);

} // namespace sorn

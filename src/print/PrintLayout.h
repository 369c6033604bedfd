#pragma once
// Drawing one part as printed pages, in the rows the layout floor breaks it
// into, optionally with the blank columns closed up.

#include "layout/PrintRows.h"
#include "render/Canvas.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace sorn {

class SornData;

// A copy of one part (as part 0) without its blank columns; a lone bar line
// moves onto the column before it.
std::unique_ptr<SornData> CompactPart(const SornData& doc, std::uint8_t part);

// One part laid out as printed pages once, closed up when asked: drawing a
// page costs the same however long the part is. Keeps a reference to the
// document, which must outlive it unchanged; it is never changed here.
class OriginalPages {
public:
    OriginalPages(const SornData& doc, std::uint8_t part, bool compact);
    ~OriginalPages();
    OriginalPages(const OriginalPages&) = delete;
    OriginalPages& operator=(const OriginalPages&) = delete;

    int PageCount() const { return rows_.empty() ? 1 : rows_.back().page + 1; }
    // Draws the rows of one page (counted from 0) onto a 1240 x 1448
    // canvas; a page past the last is blank.
    void Draw(int page, Canvas& canvas) const;

private:
    std::unique_ptr<SornData> compacted_;
    const SornData* printed_;
    std::uint8_t part_;
    std::vector<PrintRow> rows_;
};

// One page alone, laid out for it; returns the index of the last page.
// Printing more than one page lays out once with OriginalPages instead.
int RenderPrintPage(const SornData& doc, std::uint8_t part, bool compact, int page, Canvas& canvas);

} // namespace sorn

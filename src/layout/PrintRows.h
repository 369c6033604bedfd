#pragma once
// How one part is broken into printed rows: up to 30 columns a row, 12 rows
// to a page, each later row repeating the clef and key in force, rows
// broken at bar lines.

#include <cstdint>
#include <vector>

namespace sorn {

class SornData;

inline constexpr int kColumnsPerRow = 30;
inline constexpr int kRowsPerPage = 12;
inline constexpr int kRowWidth = 1200;                             // 30 columns of 40 pixels
inline constexpr int kPageWidth = kRowWidth + 40;                  // 1240
inline constexpr int kRowHeight = 56 + 8 * 4 + 28;                 // staff top, staff, gap: 116
inline constexpr int kPageHeight = kRowsPerPage * kRowHeight + 56; // 1448

struct PrintRow {
    std::int32_t first = 0; // positions first..last of the part
    std::int32_t last = 0;
    std::uint8_t clef = 0; // header clef, 0 for none
    std::uint8_t key = 0;  // header key signature, 0 for none
    int headerColumns = 0; // 0, 1 or 2
    int columnWidth = 40;  // 1200 shared by all the row's columns, rounded
    int page = 0;
};

// Every row of the part, in order.
std::vector<PrintRow> LayOutRows(const SornData& doc, std::uint8_t part);

} // namespace sorn

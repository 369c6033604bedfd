#include "layout/PrintRows.h"

#include "layout/StaffLayout.h"
#include "model/SornData.h"
#include "model/SymbolCodes.h"

#include <algorithm>

namespace sorn {

namespace {

bool HasKind(const PositionRecord& r, std::uint8_t kind) {
    return std::find(r.Syurui.begin(), r.Syurui.end(), kind) != r.Syurui.end();
}

// The value the nearest earlier symbol of a kind gives each position, as a
// backward search from that position would find it, for the whole part in
// one pass: a search per row would make long parts quadratic.
class GoverningSymbols {
public:
    GoverningSymbols(const SornData& doc, std::uint8_t part) {
        const std::int32_t length = doc.Length();
        clefBefore_.assign(static_cast<std::size_t>(length) + 2, 0);
        keyBefore_.assign(static_cast<std::size_t>(length) + 2, 0);
        barAtOrBefore_.assign(static_cast<std::size_t>(length) + 1, -1);
        std::uint8_t clef = 0;
        std::uint8_t key = 0;
        std::int32_t bar = -1;
        for (std::int32_t p = 0; p <= length; ++p) {
            const auto i = static_cast<std::size_t>(p);
            clefBefore_[i] = clef;
            keyBefore_[i] = key;
            const PositionRecord* r = doc.Record(part, p);
            if (!r) continue;
            clef = FirstValue(*r, Kind::Clef, clef);
            key = FirstValue(*r, Kind::KeySignature, key);
            if (HasKind(*r, Kind::BarLine)) bar = p;
            barAtOrBefore_[i] = bar;
        }
        clefBefore_.back() = clef;
        keyBefore_.back() = key;
    }

    std::uint8_t ClefBefore(std::int32_t p) const {
        return clefBefore_[static_cast<std::size_t>(p)];
    }
    std::uint8_t KeyBefore(std::int32_t p) const { return keyBefore_[static_cast<std::size_t>(p)]; }
    std::int32_t BarAtOrBefore(std::int32_t p) const {
        return barAtOrBefore_[static_cast<std::size_t>(p)];
    }

private:
    static std::uint8_t FirstValue(const PositionRecord& r, std::uint8_t kind,
                                   std::uint8_t otherwise) {
        for (int k = 0; k < SlotCount; ++k)
            if (r.Syurui[k] == kind) return r.Atai[k];
        return otherwise;
    }

    std::vector<std::uint8_t> clefBefore_;
    std::vector<std::uint8_t> keyBefore_;
    std::vector<std::int32_t> barAtOrBefore_;
};

} // namespace

std::vector<PrintRow> LayOutRows(const SornData& doc, std::uint8_t part) {
    const GoverningSymbols governing(doc, part);
    const std::int32_t length = doc.Length();
    std::vector<PrintRow> rows;
    for (std::int32_t s = 0; s <= length;) {
        PrintRow row;
        row.first = s;
        int h = -1; // index of the last header column
        row.clef = governing.ClefBefore(s);
        if (row.clef != 0) h = 0;
        row.key = governing.KeyBefore(s);
        if (row.key != KeyCode::CMajor) h += 1;
        row.headerColumns = h + 1;
        // The header counts toward the 30 columns; the row ends at its last bar line.
        std::int32_t e = s + kColumnsPerRow - 1 - row.headerColumns;
        e = governing.BarAtOrBefore(std::min(e, length));
        if (e < s) e = s + kColumnsPerRow - 1 - row.headerColumns;
        e = std::min(e, length);
        row.last = e;
        const int columns = (e - s + 1) + row.headerColumns;
        row.columnWidth = Nearest(static_cast<double>(kRowWidth) / columns);
        row.page = static_cast<int>(rows.size()) / kRowsPerPage;
        rows.push_back(row);
        s = e + 1;
    }
    return rows;
}

} // namespace sorn

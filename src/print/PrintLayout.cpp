#include "print/PrintLayout.h"

#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "render/BeamsAndTies.h"
#include "render/DrawPosition.h"

#include <algorithm>

namespace sorn {

namespace {

constexpr float kLeftMargin = 20;

bool HasKind(const PositionRecord& r, std::uint8_t kind) {
    return std::find(r.Syurui.begin(), r.Syurui.end(), kind) != r.Syurui.end();
}

bool HasBarLine(const SornData& doc, std::uint8_t part, std::int32_t p, std::uint8_t value) {
    for (int k = 0; k < SlotCount; ++k)
        if (doc.GetGSyurui(part, p, static_cast<std::int16_t>(k)) == Kind::BarLine &&
            doc.GetGAtai(part, p, static_cast<std::int16_t>(k)) == value)
            return true;
    return false;
}

} // namespace

std::unique_ptr<SornData> CompactPart(const SornData& doc, std::uint8_t part) {
    auto copy = std::make_unique<SornData>();
    copy->FileNew();
    copy->SetLength(doc.Length());
    std::int32_t k = 0;
    bool lastDropped = false;
    for (std::int32_t n = 0; n <= doc.Length(); ++n) {
        const PositionRecord* source = doc.Record(part, n);
        if (!source) break;
        bool content = false;
        bool barLine = false;
        std::uint8_t barValue = 0;
        for (int s = 0; s < SlotCount; ++s) {
            const std::uint8_t kind = source->Syurui[s];
            copy->SetGData1(0, k, static_cast<std::int16_t>(s), kind, source->Atai[s]);
            if (kind == Kind::BarLine) {
                barLine = true;
                barValue = source->Atai[s];
            } else if (kind != Kind::Empty) {
                content = true;
            }
        }
        lastDropped = !content;
        if (content) {
            ++k;
        } else if (barLine && k > 0) {
            const PositionRecord* before = doc.Record(part, n - 1);
            // The bar line moves onto the kept column before it, unless that
            // column already ends with the same bar line: adding it again
            // would take it away.
            if (!(before && HasKind(*before, Kind::BarLine)) &&
                !HasBarLine(*copy, 0, k - 1, barValue))
                copy->CheckGData1(0, k - 1, Kind::BarLine, barValue);
        }
    }
    // A dropped last column must not come back when the copy is padded to
    // the shortest length a score can have.
    if (lastDropped) copy->DeleteAllGData1(0, k);
    copy->SetLength(k - 1);
    return copy;
}

OriginalPages::OriginalPages(const SornData& doc, std::uint8_t part, bool compact)
    : printed_(&doc), part_(part) {
    if (compact) {
        compacted_ = CompactPart(doc, part);
        printed_ = compacted_.get();
        part_ = 0;
    }
    rows_ = LayOutRows(*printed_, part_);
}

OriginalPages::~OriginalPages() = default;

void OriginalPages::Draw(int page, Canvas& canvas) const {
    const SornData& printed = *printed_;
    const std::uint8_t part = part_;
    SornData header;
    header.FileNew();
    canvas.Clear();
    canvas.SetLineWidth(1);
    std::int32_t beamEnd = -1;
    // Rows fill pages in order, so a page's rows are found without a search.
    const std::size_t begin =
        page < 0 ? rows_.size()
                 : std::min(rows_.size(), static_cast<std::size_t>(page) * kRowsPerPage);
    const std::size_t end = std::min(rows_.size(), begin + kRowsPerPage);
    for (std::size_t r = begin; r < end; ++r) {
        const PrintRow& row = rows_[r];
        const float y0 = static_cast<float>(kRowHeight * static_cast<int>(r % kRowsPerPage));
        const StaffLayout layout{56, 4, row.columnWidth, 28};
        for (int u = 0; u <= 4; ++u) {
            const float y = y0 + static_cast<float>(layout.StaffTop + 2 * layout.StepHeight * u);
            canvas.Line(kLeftMargin, y, kPageWidth - kLeftMargin, y);
        }
        auto columnX = [&](int i) {
            return (static_cast<float>(i) + 0.5f) * static_cast<float>(row.columnWidth) +
                   kLeftMargin;
        };
        // The header repeats the clef and key in force, each in a column of its own.
        header.DeleteAllGData1(0, 0);
        header.DeleteAllGData1(0, 1);
        int h = -1;
        if (row.clef != 0) header.SetGData1(0, ++h, 0, Kind::Clef, row.clef);
        if (row.key != KeyCode::CMajor) header.SetGData1(0, ++h, 0, Kind::KeySignature, row.key);
        for (int i = 0; i <= h; ++i) {
            std::int32_t headerBeamEnd = -1;
            DrawPosition(header, 0, i, canvas, layout, columnX(i), y0, headerBeamEnd);
        }
        // Beam groups and ties stop at the row's end; a tie from the row
        // before comes in from where the row's notes begin.
        const RowEnd rowEnd{row.last, kPageWidth - kLeftMargin};
        for (std::int32_t q = row.first; q <= row.last; ++q)
            DrawPosition(printed, part, q, canvas, layout, columnX(q - row.first + h + 1), y0,
                         beamEnd, &rowEnd);
        const std::int32_t tied = TieIntoRow(printed, part, row.first, row.last);
        if (tied >= 0)
            DrawTieEnd(printed, canvas, part, layout, tied,
                       kLeftMargin + static_cast<float>((h + 1) * row.columnWidth),
                       columnX(tied - row.first + h + 1), y0);
    }
}

int RenderPrintPage(const SornData& doc, std::uint8_t part, bool compact, int page,
                    Canvas& canvas) {
    const OriginalPages pages(doc, part, compact);
    pages.Draw(page, canvas);
    return pages.PageCount() - 1;
}

} // namespace sorn

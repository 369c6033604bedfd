#include "render/FullScore.h"

#include "model/SornData.h"
#include "render/DrawPosition.h"
#include "sound/InstrumentNames.h"

#include <algorithm>
#include <string>

namespace sorn {

namespace {
constexpr float kCursorRadius = 8;
} // namespace

std::int32_t FullScoreVisibleColumns(const FullScoreView& view, float width) {
    return std::max(VisibleColumns(view.layout, width - kPartNameBand), 1);
}

void RedrawFullScore(const SornData& doc, const ScoreGrid& grid, const FullScoreView& view,
                     Canvas& canvas) {
    canvas.Clear();
    canvas.SetLineWidth(1);
    const float left = kPartNameBand + kStaffLeftMargin;
    const float right = canvas.Width() - kStaffLeftMargin;
    const std::int32_t columns = FullScoreVisibleColumns(view, canvas.Width());
    const auto& base = view.layout;
    const float staffHeight = static_cast<float>(8 * base.StepHeight);

    int shown = 0;
    for (int p = view.firstPart; p < doc.PartCount() && p < grid.PartCount(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        const float offset = StaffOffset(view, part);
        if (static_cast<float>(base.StaffTop) + offset >= canvas.Height()) break;
        ++shown;
        for (int d = 0; d <= 4; ++d) {
            const float y = static_cast<float>(base.StaffTop + 2 * base.StepHeight * d) + offset;
            canvas.Line(left, y, right, y);
        }
        const std::string label = std::to_string(p + 1) + " " +
                                  std::string(InstrumentName(doc.GetInstrumentNumber(part) + 1));
        canvas.Text(label, 4, static_cast<float>(base.StaffTop) + offset + 8);

        StaffLayout layout = base;
        layout.Columns = grid.Columns(part);
        layout.BarColumns = grid.BarColumns(part);
        std::int32_t beamEnd = -1;
        const auto& at = layout.Columns;
        // The first position at or after the first column shown.
        auto i = static_cast<std::int32_t>(
            std::lower_bound(at.begin(), at.end(), view.firstColumn) - at.begin());
        for (; i <= doc.Length(); ++i) {
            const std::int32_t column = grid.Column(part, i);
            if (column >= view.firstColumn + columns) break;
            DrawPosition(doc, part, i, canvas, layout, FullScoreColumnX(view, column), offset,
                         beamEnd);
        }
    }
    // The bracket that makes the staves one system.
    if (shown > 1) {
        const float top = static_cast<float>(base.StaffTop);
        const float bottom =
            top + StaffOffset(view, static_cast<std::uint8_t>(view.firstPart + shown - 1)) +
            staffHeight;
        canvas.SetFillSolid(true);
        canvas.Box(left - 8, top, 3, bottom - top);
        canvas.Line(left, top, left, bottom);
    }

    if (!view.cursor || view.cursorPart < view.firstPart) return;
    const std::int32_t column = grid.Column(view.cursorPart, view.cursorPosition);
    canvas.SetInvert(true);
    canvas.SetFillSolid(true);
    canvas.Circle(FullScoreColumnX(view, column),
                  static_cast<float>(PitchY(base, view.cursorPitch)) +
                      StaffOffset(view, view.cursorPart),
                  kCursorRadius);
    canvas.SetInvert(false);
}

} // namespace sorn

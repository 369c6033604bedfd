#include "render/RedrawScore.h"

#include "model/SornData.h"
#include "render/DrawPosition.h"
#include "render/Lyrics.h"

namespace sorn {

namespace {
constexpr float kCursorRadius = 8;
}

void KeepCursorInside(std::int16_t& cursorColumn, HorizontalScroll& scroll,
                      const StaffLayout& layout, float windowWidth, std::int32_t length) {
    const std::int32_t n = VisibleColumns(layout, windowWidth);
    if (cursorColumn > n - 1) {
        cursorColumn = static_cast<std::int16_t>(n - 1);
        if (scroll.value < scroll.maximum) ++scroll.value;
    }
    if (cursorColumn < 0) {
        cursorColumn = 0;
        if (scroll.value > 0) --scroll.value;
    }
    if (length < scroll.value + cursorColumn)
        cursorColumn = static_cast<std::int16_t>(length - scroll.value);
}

void RedrawScore(const SornData& doc, const ScoreView& view, Canvas& canvas) {
    const StaffLayout& layout = view.layout;
    canvas.Clear();
    canvas.SetLineWidth(1);
    const float right = canvas.Width() - kStaffLeftMargin;
    for (int d = 0; d <= 4; ++d) {
        const float y = static_cast<float>(layout.StaffTop + 2 * layout.StepHeight * d);
        canvas.Line(kStaffLeftMargin, y, right, y);
    }

    std::int32_t beamEnd = -1;
    std::int32_t last = view.first - 1;
    for (std::int16_t c = 0;; ++c) {
        const std::int32_t x = ColumnX(layout, c);
        if (static_cast<float>(x) >= canvas.Width() || view.first + c > doc.Length()) break;
        DrawPosition(doc, view.part, view.first + c, canvas, layout, static_cast<float>(x), 0,
                     beamEnd);
        last = view.first + c;
    }
    DrawLyrics(doc, view.part, ColumnLayout(layout, view.first), view.first, last, canvas);

    if (!view.cursor) return;
    canvas.SetInvert(true);
    canvas.SetFillSolid(true);
    canvas.Circle(static_cast<float>(ColumnX(layout, view.cursorColumn)),
                  static_cast<float>(PitchY(layout, view.cursorPitch)), kCursorRadius);
    canvas.SetInvert(false);
}

} // namespace sorn

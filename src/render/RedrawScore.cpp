#include "render/RedrawScore.h"

#include "model/SornData.h"
#include "render/DrawPosition.h"
#include "sound/InstrumentNames.h"

namespace sorn {

namespace {
constexpr float kCursorRadius = 8;
}

StatusTexts RedrawScore(const SornData& doc, EditorState& state, HorizontalScroll& scroll,
                        float windowWidth, Canvas& canvas) {
    const StaffLayout& layout = state.Layout;

    // The cursor pushes the view a column at a time and never passes the end.
    const std::int32_t n = VisibleColumns(layout, windowWidth);
    if (state.CursorColumn > n - 1) {
        state.CursorColumn = static_cast<std::int16_t>(n - 1);
        if (scroll.value < scroll.maximum) ++scroll.value;
    }
    if (state.CursorColumn < 0) {
        state.CursorColumn = 0;
        if (scroll.value > 0) --scroll.value;
    }
    if (doc.Length() < scroll.value + state.CursorColumn)
        state.CursorColumn = static_cast<std::int16_t>(doc.Length() - scroll.value);

    canvas.Clear();
    canvas.SetLineWidth(1);
    const float right = canvas.Width() - kStaffLeftMargin;
    for (int d = 0; d <= 4; ++d) {
        const float y = static_cast<float>(layout.StaffTop + 2 * layout.StepHeight * d);
        canvas.Line(kStaffLeftMargin, y, right, y);
    }

    std::int32_t beamEnd = -1;
    for (std::int16_t c = 0;; ++c) {
        const std::int32_t x = ColumnX(layout, c);
        if (static_cast<float>(x) >= canvas.Width() || scroll.value + c > doc.Length()) break;
        DrawPosition(doc, state.CurrentPart, scroll.value + c, canvas, layout,
                     static_cast<float>(x), 0, beamEnd);
    }

    canvas.SetInvert(true);
    canvas.SetFillSolid(true);
    canvas.Circle(static_cast<float>(ColumnX(layout, state.CursorColumn)),
                  static_cast<float>(PitchY(layout, state.CursorPitch)), kCursorRadius);
    canvas.SetInvert(false);

    StatusTexts texts;
    texts.position = "位置 " + std::to_string(scroll.value + state.CursorColumn) + "/" +
                     std::to_string(doc.Length());
    texts.part = "パート " + std::to_string(state.CurrentPart + 1) + "/" +
                 std::to_string(doc.PartSuu() + 1) + "  " +
                 std::string(InstrumentName(doc.GetInstrumentNumber(state.CurrentPart) + 1));
    return texts;
}

} // namespace sorn

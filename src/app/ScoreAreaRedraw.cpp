#include "app/ScoreAreaRedraw.h"

#include "model/SornData.h"
#include "platform/MessageText.h"
#include "render/FullScore.h"
#include <QCoreApplication>

#include <algorithm>

namespace sorn {

StatusTexts StatusTextsOf(const SornData& doc, const EditorState& state, std::int32_t first) {
    StatusTexts texts;
    texts.position = QCoreApplication::translate("sorn::ScoreAreaRedraw", "位置 %1/%2")
                         .arg(first + state.CursorColumn)
                         .arg(doc.Length())
                         .toStdString();
    texts.part = QCoreApplication::translate("sorn::ScoreAreaRedraw", "パート %1/%2  %3")
                     .arg(state.CurrentPart + 1)
                     .arg(doc.PartSuu() + 1)
                     .arg(InstrumentText(doc.GetInstrumentNumber(state.CurrentPart)))
                     .toStdString();
    return texts;
}

StatusTexts RedrawScoreArea(const SornData& doc, EditorState& state, HorizontalScroll& scroll,
                            float windowWidth, Canvas& canvas, bool cursor) {
    KeepCursorInside(state.CursorColumn, scroll, state.Layout, windowWidth, doc.Length());
    RedrawScore(doc,
                ScoreView{state.CurrentPart, scroll.value, state.CursorColumn, state.CursorPitch,
                          state.Layout, cursor},
                canvas);
    return StatusTextsOf(doc, state, scroll.value);
}

void KeepFullScoreCursorInside(const SornData& doc, const ScoreGrid& grid, EditorState& state,
                               HorizontalScroll& scroll, std::uint8_t& firstPart, float width,
                               float height) {
    const std::uint8_t part = state.CurrentPart;
    const StaffLayout& staff = state.Layout;
    // The staves that fit, the cursor's among them, as many as there is room for.
    const FullScoreLayout whole(staff, grid, 0, 0);
    const auto staffBottom = static_cast<float>(staff.StaffTop + 8 * staff.StepHeight);
    const auto fits = [&](int from, int to) {
        return to <= from || whole.StaffOffset(static_cast<std::uint8_t>(to)) -
                                     whole.StaffOffset(static_cast<std::uint8_t>(from)) +
                                     staffBottom <=
                                 height;
    };
    if (part < firstPart) firstPart = part;
    while (firstPart < part && !fits(firstPart, part))
        ++firstPart;
    while (firstPart > 0 && fits(firstPart - 1, doc.PartCount() - 1))
        --firstPart;

    // The cursor pushes the view a position at a time, as in the single view.
    const std::int32_t columns = whole.VisibleColumns(width);
    if (state.CursorColumn < 0) {
        state.CursorColumn = 0;
        if (scroll.value > 0) --scroll.value;
    }
    if (doc.Length() < scroll.value + state.CursorColumn)
        state.CursorColumn = static_cast<std::int16_t>(doc.Length() - scroll.value);
    while (state.CursorColumn > 0 && scroll.value < scroll.maximum &&
           grid.Column(part, scroll.value + state.CursorColumn) - grid.Column(part, scroll.value) >
               columns - 1) {
        ++scroll.value;
        --state.CursorColumn;
    }
}

StatusTexts RedrawFullScoreArea(const SornData& doc, const ScoreGrid& grid, EditorState& state,
                                HorizontalScroll& scroll, std::uint8_t& firstPart, Canvas& canvas,
                                bool cursor, DrawnRows rows) {
    KeepFullScoreCursorInside(doc, grid, state, scroll, firstPart, canvas.Width(), canvas.Height());
    const std::uint8_t part = state.CurrentPart;
    const FullScoreLayout layout(state.Layout, grid, grid.Column(part, scroll.value), firstPart);
    RedrawFullScore(
        doc, layout,
        FullScoreCursor{part, scroll.value + state.CursorColumn, state.CursorPitch, cursor}, canvas,
        rows);
    return StatusTextsOf(doc, state, scroll.value);
}

} // namespace sorn

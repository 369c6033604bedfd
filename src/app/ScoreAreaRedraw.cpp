#include "app/ScoreAreaRedraw.h"

#include "model/SornData.h"
#include "sound/InstrumentNames.h"

namespace sorn {

StatusTexts StatusTextsOf(const SornData& doc, const EditorState& state, std::int32_t first) {
    StatusTexts texts;
    texts.position =
        "位置 " + std::to_string(first + state.CursorColumn) + "/" + std::to_string(doc.Length());
    texts.part = "パート " + std::to_string(state.CurrentPart + 1) + "/" +
                 std::to_string(doc.PartSuu() + 1) + "  " +
                 std::string(InstrumentName(doc.GetInstrumentNumber(state.CurrentPart) + 1));
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

} // namespace sorn

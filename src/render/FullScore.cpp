#include "render/FullScore.h"

#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "render/DrawPosition.h"
#include "render/Lyrics.h"
#include "render/TextLines.h"
#include "sound/InstrumentNames.h"

#include <algorithm>
#include <string>

namespace sorn {

namespace {
constexpr float kCursorRadius = 8;
// A part's name stands in the band left of the staves, clear of the
// bracket: on one line level with the staff, or on two across it.
constexpr float kNameLeft = 4;
constexpr float kNameRight = kPartNameBand + kStaffLeftMargin - 12;
constexpr float kOneLineTop = 8;
constexpr float kTwoLinesTop = 1;
constexpr float kNameLineHeight = 15;

// The part's number and its name, else its instrument's; a name that must
// be cut short gives way to the short name when that fits whole.
void DrawPartName(const SornData& doc, std::uint8_t part, float staffTop, Canvas& canvas) {
    const std::string number = std::to_string(part + 1) + " ";
    const std::string& name = doc.GetPartText(part, PartText::Name);
    const float width = kNameRight - kNameLeft;
    FittedLines lines = FitLines(
        canvas,
        number + (name.empty() ? DrawnInstrumentName(doc.GetInstrumentNumber(part) + 1) : name),
        width, 2);
    if (const std::string& shortName = doc.GetPartText(part, PartText::ShortName);
        lines.cut && !shortName.empty()) {
        FittedLines brief = FitLines(canvas, number + shortName, width, 2);
        if (!brief.cut) lines = std::move(brief);
    }
    float top = staffTop + (lines.lines.size() > 1 ? kTwoLinesTop : kOneLineTop);
    for (const std::string& line : lines.lines) {
        canvas.Text(line, kNameLeft, top);
        top += kNameLineHeight;
    }
}
} // namespace

DrawnRows StaffReach(const SornData& doc, const FullScoreLayout& layout, std::uint8_t part,
                     std::int32_t last) {
    const StaffLayout& staff = layout.Staff();
    const float offset = layout.StaffOffset(part);
    // The band holds the staff, its words and dynamics, and the selection.
    DrawnRows reach{offset, offset + kFullScoreStaffSpacing * 5 / 4.0f + layout.VerseRoom(part)};
    // A stem stands seven steps from its head, and beams, flags and their
    // thickness add up to twenty pixels more.
    const float margin = kFullScoreStaffSpacing / 2.0f;
    const auto at = layout.Grid().Columns(part);
    auto i = static_cast<std::int32_t>(
        std::lower_bound(at.begin(), at.end(), layout.FirstColumn()) - at.begin());
    // A beam from the last note shown slopes toward notes past the view.
    constexpr std::int32_t kBeamReach = 32;
    for (const std::int32_t end = std::min(last + kBeamReach, doc.Length()); i <= end; ++i) {
        const PositionRecord* r = doc.Record(part, i);
        if (!r || !IsNote(r->Syurui[0])) continue;
        const float y = static_cast<float>(PitchY(staff, r->Atai[0])) + offset;
        reach.top = std::min(reach.top, y - margin);
        reach.bottom = std::max(reach.bottom, y + margin);
    }
    return reach;
}

void RedrawFullScore(const SornData& doc, const FullScoreLayout& layout,
                     const FullScoreCursor& cursor, Canvas& canvas, DrawnRows rows) {
    canvas.Clear();
    canvas.SetLineWidth(1);
    const ScoreGrid& grid = layout.Grid();
    const StaffLayout& base = layout.Staff();
    const float left = layout.Left();
    const float right = canvas.Width() - kStaffLeftMargin;
    const std::int32_t columns = layout.VisibleColumns(canvas.Width());
    const float staffHeight = static_cast<float>(8 * base.StepHeight);

    int shown = 0;
    for (int p = layout.FirstPart(); p < doc.PartCount() && p < grid.PartCount(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        const float offset = layout.StaffOffset(part);
        if (static_cast<float>(base.StaffTop) + offset >= canvas.Height()) break;
        ++shown;
        // The positions from the first at or after the first column shown
        // to the last column shown.
        const std::int32_t last = grid.PositionAtOrBefore(part, layout.FirstColumn() + columns - 1);
        const DrawnRows reach = StaffReach(doc, layout, part, last);
        if (reach.bottom < rows.top || reach.top > rows.bottom) continue;
        for (int d = 0; d <= 4; ++d) {
            const float y = static_cast<float>(base.StaffTop + 2 * base.StepHeight * d) + offset;
            canvas.Line(left, y, right, y);
        }
        DrawPartName(doc, part, static_cast<float>(base.StaffTop) + offset, canvas);

        const StaffLayout staff = layout.PartStaff(part);
        const auto at = grid.Columns(part);
        std::int32_t beamEnd = -1;
        const auto first = static_cast<std::int32_t>(
            std::lower_bound(at.begin(), at.end(), layout.FirstColumn()) - at.begin());
        std::int32_t i = first;
        for (; i <= last && layout.Column(part, i) < columns; ++i)
            DrawPosition(doc, part, i, canvas, staff, layout.X(part, i), offset, beamEnd);
        DrawLyrics(doc, part, layout, first, i - 1, canvas, kNameRight);
    }
    // The bracket that makes the staves one system.
    if (shown > 1) {
        const float top = static_cast<float>(base.StaffTop);
        const auto last = static_cast<std::uint8_t>(layout.FirstPart() + shown - 1);
        const float bottom = top + layout.StaffOffset(last) + staffHeight;
        canvas.SetFillSolid(true);
        canvas.Box(left - 8, top, 3, bottom - top);
        canvas.Line(left, top, left, bottom);
    }

    if (!cursor.shown || cursor.part < layout.FirstPart()) return;
    canvas.SetInvert(true);
    canvas.SetFillSolid(true);
    canvas.Circle(layout.X(cursor.part, cursor.position),
                  static_cast<float>(PitchY(base, cursor.pitch)) + layout.StaffOffset(cursor.part),
                  kCursorRadius);
    canvas.SetInvert(false);
}

} // namespace sorn

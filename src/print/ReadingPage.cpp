// Drawing the pages the reading layout has laid out.

#include "layout/ScoreLayout.h"
#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "print/ReadingLayout.h"
#include "render/BeamsAndTies.h"
#include "render/DrawPosition.h"
#include "render/Lyrics.h"
#include "render/StaffSigns.h"
#include "render/TextLines.h"
#include "sound/InstrumentNames.h"

#include <algorithm>
#include <string>

namespace sorn {

namespace {

constexpr float kStaffTop = 56; // the staff drawing's own top line, moved by an offset
constexpr float kStaffHeight = 32;
constexpr float kBodySize = 12;
constexpr float kNameSize = 13;
constexpr float kNameLineHeight = 16;
// Whatever lies off the system is this far beyond its ends, so that a
// hyphen or an extender running there is cut at the staff's end.
constexpr float kFarAway = 1000;

// One part's positions on one system, for the staff drawing and the words.
class SystemColumns final : public ColumnMap, public ScoreLayout {
public:
    SystemColumns(const ReadingLayout& layout, const ReadingSystem& system,
                  const SystemStaff& staff)
        : ScoreLayout(StaffLayout{}), layout_(layout), system_(system), printed_(staff) {
        staff_.Columns = this;
        staff_.BelowDrop = staff.belowDrop;
    }

    float Across(std::int32_t from, std::int32_t to) const override {
        return X(printed_.part, to) - X(printed_.part, from);
    }
    float BarAcross(std::int32_t position) const override {
        return layout_.BarX(printed_.part, position) - X(printed_.part, position);
    }

    float X(std::uint8_t part, std::int32_t Iti) const override {
        if (Iti < printed_.first) return system_.musicLeft - kFarAway;
        if (Iti > printed_.last) return system_.barEnd + kFarAway;
        return layout_.X(part, Iti);
    }
    StaffLayout PartStaff(std::uint8_t) const override { return staff_; }
    float Left() const override { return system_.musicLeft; }
    std::int32_t Column(std::uint8_t, std::int32_t Iti) const override { return Iti; }
    float StaffOffset(std::uint8_t) const override { return printed_.top - kStaffTop; }
    std::uint8_t PartAt(float, std::uint8_t current) const override { return current; }
    std::int32_t PositionAt(std::uint8_t, float) const override { return printed_.first; }

private:
    const ReadingLayout& layout_;
    const ReadingSystem& system_;
    const SystemStaff& printed_;
};

void CentredText(Canvas& canvas, const std::string& text, float centre, float y) {
    canvas.Text(text, centre - canvas.TextWidth(text) / 2, y);
}

void RightText(Canvas& canvas, const std::string& text, float right, float y) {
    canvas.Text(text, right - canvas.TextWidth(text), y);
}

// The clef, key and time signature slots of a header or courtesy, as wide
// as the widest staff of the system needs them.
struct SignSlots {
    bool clef = false;
    float key = 0;
    bool time = false;
};

SignSlots SlotsOf(const ReadingSystem& system, bool courtesy) {
    SignSlots slots;
    for (const SystemStaff& staff : system.staves) {
        const StaffSigns& s = courtesy ? staff.courtesy : staff.header;
        slots.clef = slots.clef || s.clef != 0;
        slots.time = slots.time || s.hasTime;
        if (s.hasKey || !courtesy)
            slots.key = std::max(slots.key, KeySignatureRoom(s.key, courtesy ? s.previousKey : 0));
    }
    return slots;
}

void DrawSigns(Canvas& canvas, const StaffLayout& staff, float offset, const StaffSigns& signs,
               const SignSlots& slots, float x, bool courtesy) {
    if (slots.clef) {
        if (signs.clef != 0) DrawClef(canvas, staff, signs.clef, x + 11, offset);
        x += 30;
    }
    if (slots.key > 0) {
        if (signs.hasKey || (!courtesy && signs.key != KeyCode::CMajor))
            DrawKeySignature(canvas, staff, x + 23, offset, signs.key,
                             courtesy ? signs.previousKey : KeyCode::CMajor,
                             signs.clef != 0 ? signs.clef : ClefCode::G);
        x += slots.key;
    }
    if (slots.time && signs.hasTime) DrawTimeSignature(canvas, staff, signs.time, x + 11, offset);
}

} // namespace

void ReadingLayout::DrawPage(int page, Canvas& canvas) const {
    canvas.Clear();
    canvas.SetLineWidth(1);
    canvas.SetFillSolid(false);
    DrawHeading(page, canvas);
    for (const ReadingSystem& system : systems_)
        if (system.page == page) DrawSystem(system, canvas);
}

void ReadingLayout::DrawHeading(int page, Canvas& canvas) const {
    const float left = margin_;
    const float right = width_ - margin_;
    const float centre = width_ / 2;
    // Page numbers at the outer corner, the title in small type from page 2.
    canvas.SetTextSize(kBodySize, false);
    const std::string number = std::to_string(page + 1);
    if (page % 2 == 0)
        RightText(canvas, number, right, margin_);
    else
        canvas.Text(number, left, margin_);
    const std::string& title = doc_.Text(ScoreText::Title);
    if (page > 0 && !title.empty()) {
        canvas.SetTextSize(11, false);
        const FittedLines line = FitLines(canvas, title, (right - left) * 0.7f, 1);
        if (!line.lines.empty()) CentredText(canvas, line.lines[0], centre, margin_);
    }
    if (page == 0) {
        float y = margin_ + 22;
        auto centred = [&](ScoreText which, float size, bool bold, float advance) {
            const std::string& text = doc_.Text(which);
            if (text.empty()) return;
            canvas.SetTextSize(size, bold);
            const FittedLines lines = FitLines(canvas, text, right - left, 1);
            if (!lines.lines.empty()) CentredText(canvas, lines.lines[0], centre, y);
            y += advance;
        };
        centred(ScoreText::Title, 30, true, 44);
        centred(ScoreText::Subtitle, 17, false, 26);
        canvas.SetTextSize(kNameSize, false);
        const float half = (right - left) / 2 - 10;
        float yl = y;
        float yr = y;
        auto side = [&](const std::string& text, bool atRight) {
            if (text.empty()) return;
            const FittedLines lines = FitLines(canvas, text, half, 1);
            if (lines.lines.empty()) return;
            if (atRight) {
                RightText(canvas, lines.lines[0], right, yr);
                yr += 18;
            } else {
                canvas.Text(lines.lines[0], left, yl);
                yl += 18;
            }
        };
        side(doc_.Text(ScoreText::Composer), true);
        side(doc_.Text(ScoreText::Arranger), true);
        side(doc_.Text(ScoreText::Lyricist), false);
        if (parts_.size() == 1) {
            const std::uint8_t p = parts_[0];
            const std::string& name = doc_.GetPartText(p, PartText::Name);
            side(name.empty() ? DrawnInstrumentName(doc_.GetInstrumentNumber(p) + 1) : name, false);
        }
        const std::string& copyright = doc_.Text(ScoreText::Copyright);
        if (!copyright.empty()) {
            canvas.SetTextSize(10, false);
            const FittedLines lines = FitLines(canvas, copyright, right - left, 1);
            if (!lines.lines.empty())
                CentredText(canvas, lines.lines[0], centre, height_ - margin_ - 12);
        }
    }
    canvas.SetTextSize(kBodySize, false);
}

void ReadingLayout::DrawNames(const ReadingSystem& system, Canvas& canvas) const {
    if (parts_.size() < 2) return;
    canvas.SetTextSize(kNameSize, false);
    const float width = system.left - margin_ - 16;
    for (const SystemStaff& staff : system.staves) {
        const std::string& full = doc_.GetPartText(staff.part, PartText::Name);
        std::string text =
            system.named
                ? (full.empty() ? DrawnInstrumentName(doc_.GetInstrumentNumber(staff.part) + 1)
                                : full)
                : doc_.GetPartText(staff.part, PartText::ShortName);
        if (text.empty() || width <= 0) continue;
        const FittedLines lines = FitLines(canvas, text, width, 2);
        float y = staff.top + kStaffHeight / 2 -
                  kNameLineHeight * static_cast<float>(lines.lines.size()) / 2 - 2;
        for (const std::string& line : lines.lines) {
            RightText(canvas, line, system.left - 16, y);
            y += kNameLineHeight;
        }
    }
    canvas.SetTextSize(kBodySize, false);
}

void ReadingLayout::DrawSystem(const ReadingSystem& system, Canvas& canvas) const {
    if (system.staves.empty()) return;
    canvas.SetLineWidth(1);
    for (const SystemStaff& staff : system.staves)
        for (int d = 0; d <= 4; ++d) {
            const float y = staff.top + static_cast<float>(8 * d);
            canvas.Line(system.left, y, system.right, y);
        }
    const float top = system.staves.front().top;
    const float bottom = system.staves.back().top + kStaffHeight;
    // The line and the bracket that make the staves one system.
    canvas.Line(system.left, top, system.left, bottom);
    if (system.staves.size() > 1) {
        canvas.SetFillSolid(true);
        canvas.Box(system.left - 8, top - 2, 3, bottom - top + 4);
        canvas.Line(system.left - 8, top - 2, system.left - 2, top - 6);
        canvas.Line(system.left - 8, bottom + 2, system.left - 2, bottom + 6);
        canvas.SetFillSolid(false);
    }
    DrawNames(system, canvas);
    canvas.SetTextSize(10, false);
    if (&system != &systems_.front() || system.barNumber > 1)
        canvas.Text(std::to_string(system.barNumber), system.left, top - 22);
    if (&system == &systems_.front()) {
        canvas.SetTextSize(kNameSize, true);
        canvas.Text("\u2669 = " + std::to_string(doc_.Speed()), system.musicLeft - 10,
                    top - StaffAbove(system.staves.front()) - 22);
    }
    canvas.SetTextSize(kBodySize, false);

    const SignSlots header = SlotsOf(system, false);
    const SignSlots courtesy = SlotsOf(system, true);
    for (const SystemStaff& staff : system.staves) {
        const SystemColumns columns(*this, system, staff);
        const StaffLayout layout = columns.Staff();
        const float offset = staff.top - kStaffTop;
        DrawSigns(canvas, layout, offset, staff.header, header, system.left + 2, false);
        if (courtesy.clef || courtesy.key > 0 || courtesy.time)
            DrawSigns(canvas, layout, offset, staff.courtesy, courtesy, system.barEnd + 6, true);
        std::int32_t beamEnd = -1;
        // A tie cut by the system's end stops short of the bar line's ink.
        const RowEnd rowEnd{staff.last, system.barEnd, system.barEnd - 4};
        for (std::int32_t i = staff.first; i <= staff.last; ++i)
            DrawPosition(doc_, staff.part, i, canvas, layout, X(staff.part, i), offset, beamEnd,
                         &rowEnd);
        if (staff.last >= staff.first) {
            const std::int32_t tied = TieIntoRow(doc_, staff.part, staff.first, staff.last);
            if (tied >= 0)
                DrawTieEnd(doc_, canvas, staff.part, layout, tied, system.musicLeft - 8,
                           X(staff.part, tied), offset);
            DrawLyrics(doc_, staff.part, columns, staff.first, staff.last, canvas,
                       system.musicLeft - 8, system.barEnd);
        }
    }
}

} // namespace sorn

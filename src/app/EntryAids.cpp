#include "app/EntryAids.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace sorn {

namespace {

// Under the lowest ledger lines a note usually gets, clear of the staff.
constexpr int kMarkBelowStaff = 40;
constexpr int kMarkThickness = 2;
// A gap at the bar's right end keeps two bad bars in a row apart.
constexpr int kMarkGap = 4;
const QColor kMarkColour(224, 64, 32);

std::string Accidental(int semitones) {
    switch (semitones) {
    case 2:
        return "♯♯";
    case 1:
        return "♯";
    case -1:
        return "♭";
    case -2:
        return "♭♭";
    default:
        return {};
    }
}

// Beats are ticks over a power of two, so their decimals always end.
std::string Beats(std::int32_t ticks, std::int32_t beat) {
    std::string text = std::to_string(ticks / beat);
    std::int32_t rest = ticks % beat;
    if (rest != 0) text += '.';
    while (rest != 0) {
        rest *= 10;
        text += static_cast<char>('0' + rest / beat);
        rest %= beat;
    }
    return text;
}

} // namespace

std::string PitchNameText(const PitchSpelling& pitch) {
    static const char* const kSolfege[] = {
        QT_TRANSLATE_NOOP("sorn::EntryAids", "ド"), QT_TRANSLATE_NOOP("sorn::EntryAids", "レ"),
        QT_TRANSLATE_NOOP("sorn::EntryAids", "ミ"), QT_TRANSLATE_NOOP("sorn::EntryAids", "ファ"),
        QT_TRANSLATE_NOOP("sorn::EntryAids", "ソ"), QT_TRANSLATE_NOOP("sorn::EntryAids", "ラ"),
        QT_TRANSLATE_NOOP("sorn::EntryAids", "シ")};
    static const char* const kLetters[] = {"C", "D", "E", "F", "G", "A", "B"};
    const std::string sign = Accidental(pitch.accidental);
    const std::string octave = std::to_string(pitch.octave);
    return QCoreApplication::translate("sorn::EntryAids", kSolfege[pitch.letter]).toStdString() +
           sign + octave + " (" + kLetters[pitch.letter] + sign + octave + ")";
}

std::string BarProblemText(const BadBar& bar) {
    const QString beats = QString::fromStdString(Beats(std::abs(bar.excess), bar.beatTicks));
    return (bar.excess > 0
                ? QCoreApplication::translate("sorn::EntryAids", "この小節は %1 拍多すぎます")
                : QCoreApplication::translate("sorn::EntryAids", "この小節は %1 拍足りません"))
        .arg(beats)
        .toStdString();
}

EntryStatus EntryStatusOf(const SornData& doc, const EditorState& state, std::int32_t first,
                          std::int32_t last) {
    EntryStatus status;
    const std::int32_t cursor = first + state.CursorColumn;
    status.badBars =
        BadBarsBetween(doc, state.CurrentPart, std::min(first, cursor), std::max(last, cursor));
    status.text = PitchNameText(PitchAt(doc, state.CurrentPart, cursor, state.CursorPitch));
    for (const BadBar& bar : status.badBars)
        if (bar.first <= cursor && cursor <= bar.last) status.text += "  " + BarProblemText(bar);
    return status;
}

void PaintBadBars(QImage& image, double zoom, const std::vector<BadBar>& bars,
                  const ScoreLayout& layout, std::uint8_t part) {
    if (bars.empty()) return;
    QPainter painter(&image);
    painter.scale(zoom, zoom); // the score's own pixels
    const StaffLayout& staff = layout.Staff();
    const int y = staff.StaffTop + 8 * staff.StepHeight + kMarkBelowStaff +
                  static_cast<int>(layout.StaffOffset(part));
    for (const BadBar& bar : bars) {
        const auto left =
            static_cast<std::int64_t>(std::max(layout.ColumnLeft(part, bar.first), layout.Left()));
        const std::int64_t right =
            std::min<std::int64_t>(static_cast<std::int64_t>(layout.ColumnLeft(part, bar.last)) +
                                       staff.ColumnWidth - kMarkGap,
                                   image.width());
        if (left >= right) continue;
        painter.fillRect(
            QRect(static_cast<int>(left), y, static_cast<int>(right - left), kMarkThickness),
            kMarkColour);
    }
}

void MoveCursorTo(std::int32_t target, EditorState& state, HorizontalScroll& scroll,
                  float windowWidth) {
    const std::int32_t columns = std::max(VisibleColumns(state.Layout, windowWidth), 1);
    target = std::clamp(target, 0, scroll.maximum);
    if (target < scroll.value)
        scroll.value = target;
    else if (target > scroll.value + columns - 1)
        scroll.value = std::min(target - (columns - 1), scroll.maximum);
    state.CursorColumn = static_cast<std::int16_t>(target - scroll.value);
}

} // namespace sorn

#include "print/ReadingLayout.h"

#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "render/StaffSigns.h"
#include "render/TextLines.h"
#include "sound/InstrumentNames.h"
#include "sound/SornCalculater.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sorn {

namespace {

constexpr float kStaffHeight = 32; // four spaces of two steps of 4
constexpr float kClearance = 4;    // between the symbols of neighbouring columns
constexpr float kNameSize = 13;
constexpr float kHeaderLine = 22; // the page number's line at the top of every page
constexpr float kSystemGap = 26;  // between the systems of a page
constexpr float kStaffGap = 12;   // between the staves of a system
constexpr float kClefRoom = 30;
constexpr float kTimeRoom = 22;
constexpr float kCopyrightRoom = 18;
constexpr float kFinalBarInk = 3;     // a final bar line's thick stroke reaches past its place
constexpr float kMostNameWidth = 190; // about 4 cm: longer names take two lines

bool Blank(const PositionRecord& r) {
    return std::all_of(r.Syurui.begin(), r.Syurui.end(), [](std::uint8_t k) { return k == 0; });
}

bool Holds(const PositionRecord& r, std::uint8_t kind) {
    return std::find(r.Syurui.begin(), r.Syurui.end(), kind) != r.Syurui.end();
}

std::uint8_t ValueOf(const PositionRecord& r, std::uint8_t kind) {
    for (int s = 0; s < SlotCount; ++s)
        if (r.Syurui[s] == kind) return r.Atai[s];
    return 0;
}

// Engravers give a note room by the logarithm of its length: each doubling
// adds the same, so that a whole note is not sixteen sixteenths wide.
float Space(std::int64_t ticks) {
    constexpr double kSixteenth = CalcTicksPerWhole / 16.0;
    return static_cast<float>(
        std::max(12.0, 18.0 + 12.0 * std::log2(static_cast<double>(ticks) / kSixteenth)));
}

// The length of a bar of a time signature, in ticks.
std::int64_t BarTicks(std::uint8_t time) {
    const std::int64_t numerator = time / 8 + 1;
    return numerator * CalcTicksPerWhole / (std::int64_t{1} << (time % 8));
}

} // namespace

float KeySignatureRoom(std::uint8_t key, std::uint8_t previous) {
    const int glyphs = KeySignatureGlyphs(key, previous);
    return glyphs == 0 ? 0 : 4.0f * static_cast<float>(glyphs) + 20;
}

ReadingLayout::ReadingLayout(const SornData& doc, std::vector<std::uint8_t> parts,
                             const PageGeometry& page, Canvas& measure)
    : doc_(doc), parts_(std::move(parts)), timeline_(doc) {
    std::erase_if(parts_, [&](std::uint8_t p) { return p >= doc.PartCount(); });
    grid_.Reset(doc_, timeline_);
    grid_.BuildAll();
    MeasureColumns(measure);
    // A system taller than the page shrinks the units until it fits.
    double unit = kUnitMm;
    for (int attempt = 0; attempt < 3; ++attempt) {
        // Whole units, as a printer's page coordinates are.
        width_ = std::round(static_cast<float>(page.widthMm / unit));
        height_ = std::round(static_cast<float>(page.heightMm / unit));
        margin_ = static_cast<float>(page.marginMm / unit);
        BreakSystems();
        StackSystems();
        float tallest = 0;
        for (const ReadingSystem& s : systems_)
            tallest = std::max(tallest, s.staves.empty() ? 0
                                                         : s.staves.back().top + kStaffHeight +
                                                               StaffBelow(s.staves.back()) -
                                                               s.staves.front().top +
                                                               StaffAbove(s.staves.front()));
        const float room = height_ - 2 * margin_ - kHeaderLine - headingHeight_ - kCopyrightRoom;
        if (tallest <= room || room <= 0) break;
        unit *= static_cast<double>(room / tallest) / 1.02; // more units to the millimetre
    }
}

float ReadingLayout::X(std::uint8_t part, std::int32_t position) const {
    const std::int32_t c = grid_.Column(part, position);
    return c >= 0 && c < endColumn_ ? columnX_[static_cast<std::size_t>(c)] : 0;
}

float ReadingLayout::BarX(std::uint8_t part, std::int32_t position) const {
    const auto at = static_cast<std::size_t>(grid_.Column(part, position));
    const auto bar = static_cast<std::size_t>(grid_.BarColumn(part, position));
    if (at >= systemOf_.size() || systemOf_[at] < 0) return 0;
    // A bar line whose column opens the next system ends this one.
    if (bar >= systemOf_.size() || systemOf_[bar] != systemOf_[at])
        return systems_[static_cast<std::size_t>(systemOf_[at])].barEnd;
    return barX_[bar];
}

std::int32_t ReadingLayout::LastPrinted(std::uint8_t part) const {
    return part < lastPrinted_.size() ? lastPrinted_[part] : -1;
}

std::int32_t ReadingLayout::NextVisible(std::int32_t column) const {
    do
        ++column;
    while (column < endColumn_ && !columns_[static_cast<std::size_t>(column)].visible);
    return column;
}

void ReadingLayout::MeasureColumns(Canvas& measure) {
    lastPrinted_.assign(static_cast<std::size_t>(doc_.PartCount()), -1);
    endColumn_ = 0;
    for (const std::uint8_t p : parts_) {
        std::int32_t last = doc_.Length();
        while (last >= 0 && Blank(*doc_.Record(p, last)))
            --last;
        lastPrinted_[p] = last;
        if (last >= 0) endColumn_ = std::max(endColumn_, grid_.Column(p, last) + 1);
    }
    const auto count = static_cast<std::size_t>(endColumn_);
    columns_.assign(count, Column{});
    // The clef and key in force where each column starts, for the system
    // headers; one pass per part instead of a search back at every system.
    clefAt_.assign(parts_.size(), std::vector<std::uint8_t>(count + 1, ClefCode::G));
    keyAt_.assign(parts_.size(), std::vector<std::uint8_t>(count + 1, KeyCode::CMajor));
    for (std::size_t k = 0; k < parts_.size(); ++k) {
        const std::uint8_t p = parts_[k];
        std::uint8_t clef = ClefCode::G;
        std::uint8_t key = KeyCode::CMajor;
        std::size_t c = 0;
        for (std::int32_t i = 0; i <= lastPrinted_[p]; ++i) {
            const auto at = static_cast<std::size_t>(grid_.Column(p, i));
            for (; c <= at; ++c) {
                clefAt_[k][c] = clef;
                keyAt_[k][c] = key;
            }
            const PositionRecord& r = *doc_.Record(p, i);
            if (Holds(r, Kind::Clef)) clef = ValueOf(r, Kind::Clef);
            if (Holds(r, Kind::KeySignature)) key = ValueOf(r, Kind::KeySignature);
        }
        for (; c <= count; ++c) {
            clefAt_[k][c] = clef;
            keyAt_[k][c] = key;
        }
    }

    std::vector<bool> timed(count, false);
    std::vector<bool> other(count, false); // holds more than clefs, keys and times
    std::vector<int> runningEnds(count + 1, 0);
    for (const std::uint8_t p : parts_) {
        const std::int32_t last = lastPrinted_[p];
        if (last < 0) continue;
        ++runningEnds[0];
        --runningEnds[static_cast<std::size_t>(grid_.Column(p, last))];
        for (std::int32_t i = 0; i <= last; ++i) {
            const PositionRecord& r = *doc_.Record(p, i);
            // A syllable needs its room even where no symbol stands.
            if (Blank(r) && !HasSyllables(p, i)) continue;
            const auto c = static_cast<std::size_t>(grid_.Column(p, i));
            Column& column = columns_[c];
            column.visible = true;
            Widen(p, i, measure);
            const std::int64_t ticks = timeline_.Duration(p, i);
            if (ticks > 0) {
                timed[c] = true;
                column.ticks = column.ticks == 0 ? ticks : std::min(column.ticks, ticks);
            }
            const std::uint8_t k = r.Syurui[0];
            if (k != Kind::Clef && k != Kind::KeySignature && k != Kind::TimeSignature)
                other[c] = true;
            if (Holds(r, Kind::BarLine)) {
                const auto bar = static_cast<std::size_t>(grid_.BarColumn(p, i));
                if (bar >= count) continue;
                ++columns_[bar].bars;
                // A bar line on a position of its own stands in its column;
                // after a note, rest or sign it closes the column.
                if (ticks == 0 && k == Kind::Empty)
                    columns_[bar].loneBar = true;
                else
                    columns_[bar].closesBar = true;
            }
        }
    }
    int running = 0;
    std::int64_t nextOnset = std::numeric_limits<std::int64_t>::max();
    for (std::size_t c = 0; c < count; ++c) {
        running += runningEnds[c];
        columns_[c].running = running;
        columns_[c].leadingSign = !other[c];
    }
    // A note's room runs to the next onset any printed part has.
    for (std::size_t c = count; c-- > 0;) {
        if (!timed[c]) continue;
        const std::int64_t onset = grid_.ColumnOnset(static_cast<std::int32_t>(c));
        if (nextOnset != std::numeric_limits<std::int64_t>::max())
            columns_[c].ticks = std::min(columns_[c].ticks, nextOnset - onset);
        nextOnset = onset;
    }

    // Bars are numbered by the first part printed; a first bar shorter than
    // its time signature is a pickup, bar 0.
    firstBar_ = 1;
    if (!parts_.empty() && lastPrinted_[parts_[0]] >= 0) {
        const std::uint8_t p = parts_[0];
        std::uint8_t time = 2 * 8 + 2; // 4/4 until a signature says otherwise
        for (std::int32_t i = 0; i <= lastPrinted_[p]; ++i) {
            const PositionRecord& r = *doc_.Record(p, i);
            if (Holds(r, Kind::TimeSignature)) time = ValueOf(r, Kind::TimeSignature);
            if (!Holds(r, Kind::BarLine)) continue;
            if (timeline_.Onset(p, i + 1) > 0 && timeline_.Onset(p, i + 1) < BarTicks(time))
                firstBar_ = 0;
            break;
        }
    }

    // The widest names decide how far the first system and the later ones
    // stand in.
    nameIndent_ = shortIndent_ = 0;
    if (parts_.size() > 1) {
        measure.SetTextSize(kNameSize, false);
        const float most = kMostNameWidth;
        for (const std::uint8_t p : parts_) {
            const std::string& name = doc_.GetPartText(p, PartText::Name);
            const float full = measure.TextWidth(
                name.empty() ? DrawnInstrumentName(doc_.GetInstrumentNumber(p) + 1) : name);
            nameIndent_ = std::max(nameIndent_, std::min(full, most) + 18);
            const std::string& brief = doc_.GetPartText(p, PartText::ShortName);
            if (!brief.empty())
                shortIndent_ =
                    std::max(shortIndent_, std::min(measure.TextWidth(brief), most) + 18);
        }
        measure.SetTextSize(12, false);
    }
}

bool ReadingLayout::HasSyllables(std::uint8_t part, std::int32_t position) const {
    for (int v = 0; v < doc_.VerseCount(part); ++v)
        if (doc_.HasSyllable(part, position, v)) return true;
    return false;
}

void ReadingLayout::Widen(std::uint8_t part, std::int32_t position, Canvas& measure) {
    const PositionRecord& r = *doc_.Record(part, position);
    Column& c = columns_[static_cast<std::size_t>(grid_.Column(part, position))];
    auto room = [&c](float left, float right) {
        c.left = std::max(c.left, left);
        c.right = std::max(c.right, right);
    };
    const std::uint8_t pitch = r.Atai[0];
    for (int s = 0; s < SlotCount; ++s) {
        const std::uint8_t kind = r.Syurui[s];
        const std::uint8_t value = r.Atai[s];
        if (IsNote(kind)) {
            room(5, 5);
            if (pitch >= 134 || pitch <= 122) room(9, 9); // ledger lines
            const bool flagged = kind >= Kind::EighthNote && !Holds(r, Kind::Beam);
            if (flagged && pitch < StaffPosition::MiddleLine) room(5, 14);
            continue;
        }
        switch (kind) {
        case Kind::Rest:
            room(9, 9);
            break;
        case Kind::Accidental:
            room(value == AccidentalCode::DoubleSharp ? 15 : 20, 0);
            break;
        case Kind::Dot:
            room(0, 11);
            break;
        case Kind::Dynamics:
            room(17, 17);
            break;
        case Kind::Clef:
            room(11, 13);
            break;
        case Kind::TimeSignature:
            room(11, 7);
            break;
        case Kind::KeySignature: {
            std::uint8_t previous = KeyCode::CMajor;
            const auto k = static_cast<std::size_t>(std::find(parts_.begin(), parts_.end(), part) -
                                                    parts_.begin());
            if (k < keyAt_.size())
                previous = keyAt_[k][static_cast<std::size_t>(grid_.Column(part, position))];
            room(16, std::max(0.0f, KeySignatureRoom(value, previous) - 16));
            break;
        }
        case Kind::BarLine:
            if (timeline_.Duration(part, position) == 0)
                room(value >= BarLineCode::RepeatEnd ? 9 : 4,
                     value >= BarLineCode::RepeatEnd ? 9 : 4);
            break;
        case Kind::RepeatWord:
            room(15, 30);
            break;
        default:
            break;
        }
    }
    for (int v = 0; v < doc_.VerseCount(part); ++v) {
        if (!doc_.HasSyllable(part, position, v)) continue;
        const Syllable syllable = doc_.GetSyllable(part, position, v);
        const float half = measure.TextWidth(syllable.text) / 2 + 3;
        room(half, half + (syllable.HyphenAfter() ? 6 : 0));
    }
}

// What the engraver gives from one column's centre to the next: room for
// their symbols, a bar line between them, and the first column's duration.
float ReadingLayout::NaturalGap(std::int32_t from, std::int32_t to) const {
    const Column& a = columns_[static_cast<std::size_t>(from)];
    const Column& b = columns_[static_cast<std::size_t>(to)];
    float gap = a.right + b.left + kClearance;
    const bool bar = a.closesBar && !a.loneBar;
    if (bar) gap = a.right + 8 + std::max(b.left, 5.0f) + 7;
    if (a.loneBar) gap = a.right + b.left + 8;
    if (a.ticks > 0) gap = std::max(gap, Space(a.ticks) + (bar ? 8 : 0));
    return gap;
}

// The clef, key and time signature that open a system at a column.
float ReadingLayout::HeaderWidth(std::int32_t column) const {
    float key = 0;
    bool time = false;
    std::int32_t m = column;
    for (; m < endColumn_ && columns_[static_cast<std::size_t>(m)].leadingSign; ++m) {
    }
    for (std::size_t k = 0; k < parts_.size(); ++k) {
        key = std::max(key,
                       KeySignatureRoom(keyAt_[k][static_cast<std::size_t>(m)], KeyCode::CMajor));
        const StaffSigns signs = SignsAt(parts_[k], column, false);
        time = time || signs.hasTime;
    }
    return kClefRoom + key + (time ? kTimeRoom : 0) + 6;
}

// The changes a system opening at a column brings, shown at the end of
// the system before it.
float ReadingLayout::CourtesyWidth(std::int32_t column) const {
    float key = 0;
    bool clef = false;
    bool time = false;
    for (const std::uint8_t p : parts_) {
        const StaffSigns s = SignsAt(p, column, true);
        clef = clef || s.clef != 0;
        time = time || s.hasTime;
        if (s.hasKey) key = std::max(key, KeySignatureRoom(s.key, s.previousKey));
    }
    if (!clef && key == 0 && !time) return 0;
    return 6 + (clef ? kClefRoom : 0) + key + (time ? kTimeRoom : 0);
}

// A header shows every sign in force; a courtesy only what changes.
StaffSigns ReadingLayout::SignsAt(std::uint8_t part, std::int32_t column, bool courtesy) const {
    const auto k =
        static_cast<std::size_t>(std::find(parts_.begin(), parts_.end(), part) - parts_.begin());
    StaffSigns signs;
    if (k >= parts_.size()) return signs;
    std::int32_t m = column;
    for (; m < endColumn_ && columns_[static_cast<std::size_t>(m)].leadingSign; ++m) {
    }
    const auto at = static_cast<std::size_t>(column);
    const auto after = static_cast<std::size_t>(m);
    // The time signatures among the signs that open the system.
    const auto cols = grid_.Columns(part);
    for (auto i = std::lower_bound(cols.begin(), cols.end(), column);
         i != cols.end() && *i < m && *i != ScoreGrid::kUnplaced; ++i) {
        const auto position = static_cast<std::int32_t>(i - cols.begin());
        if (position > lastPrinted_[part]) break;
        const PositionRecord& r = *doc_.Record(part, position);
        if (Holds(r, Kind::TimeSignature)) {
            signs.hasTime = true;
            signs.time = ValueOf(r, Kind::TimeSignature);
        }
    }
    if (!courtesy) {
        signs.clef = clefAt_[k][after];
        signs.key = keyAt_[k][after];
        signs.hasKey = signs.key != KeyCode::CMajor;
        return signs;
    }
    if (clefAt_[k][after] != clefAt_[k][at]) signs.clef = clefAt_[k][after];
    if (keyAt_[k][after] != keyAt_[k][at]) {
        signs.hasKey = true;
        signs.key = keyAt_[k][after];
        signs.previousKey = keyAt_[k][at];
    }
    return signs;
}

void ReadingLayout::BreakSystems() {
    systems_.clear();
    columnX_.assign(static_cast<std::size_t>(endColumn_), 0);
    barX_.assign(static_cast<std::size_t>(endColumn_), 0);
    systemOf_.assign(static_cast<std::size_t>(endColumn_), -1);
    const float line = width_ - 2 * margin_;
    std::int32_t c = columns_.empty() || columns_[0].visible ? 0 : NextVisible(0);
    while (c < endColumn_) {
        ReadingSystem system;
        system.named = systems_.empty();
        system.firstColumn = c;
        // Several staves always leave room for the bracket that joins them.
        const float indent =
            std::max(system.named ? nameIndent_ : shortIndent_, parts_.size() > 1 ? 12.0f : 0.0f);
        system.left = margin_ + indent;
        system.musicLeft = system.left + HeaderWidth(c);
        const float room = margin_ + line - kFinalBarInk - system.musicLeft;
        std::int32_t m = c;
        while (m < endColumn_ && columns_[static_cast<std::size_t>(m)].leadingSign)
            m = NextVisible(m);
        std::int32_t last = -1;
        std::int32_t atBar = -1;
        std::int32_t anywhere = -1;
        if (m >= endColumn_) {
            last = endColumn_ - 1; // signs and nothing after them
        } else {
            float used = columns_[static_cast<std::size_t>(m)].left + kClearance;
            for (std::int32_t j = m;;) {
                const std::int32_t n = NextVisible(j);
                const Column& col = columns_[static_cast<std::size_t>(j)];
                const float end =
                    used +
                    (col.loneBar
                         ? 0
                         : std::max(col.right + 8, col.ticks > 0 ? Space(col.ticks) : 0.0f)) +
                    (n < endColumn_ ? CourtesyWidth(n) : 0);
                if (end > room && (atBar >= 0 || anywhere >= 0)) {
                    last = atBar >= 0 ? atBar : anywhere;
                    break;
                }
                if (n >= endColumn_) {
                    last = j;
                    break;
                }
                if (col.bars > 0 && col.bars >= col.running) atBar = j;
                anywhere = j;
                used += NaturalGap(j, n);
                j = n;
            }
        }
        system.lastColumn = last;
        systems_.push_back(system);
        c = NextVisible(last);
    }
    for (std::size_t s = 0; s < systems_.size(); ++s) {
        ReadingSystem& system = systems_[s];
        const bool finalSystem = s + 1 == systems_.size();
        const float courtesy = finalSystem ? 0 : CourtesyWidth(systems_[s + 1].firstColumn);
        PlaceColumns(system, margin_ + line - kFinalBarInk - courtesy, !finalSystem);
        system.right = system.barEnd + (courtesy > 0 ? courtesy : 0);
        FillStaves(system);
        for (std::int32_t col = system.firstColumn; col <= system.lastColumn; ++col)
            systemOf_[static_cast<std::size_t>(col)] = static_cast<int>(s);
    }
    for (std::size_t s = 0; s + 1 < systems_.size(); ++s)
        for (SystemStaff& staff : systems_[s].staves)
            staff.courtesy = SignsAt(staff.part, systems_[s + 1].firstColumn, true);
}

// Gives the columns of a system their x, stretching the room notes take
// by their durations until the system reaches `end` when justified.
void ReadingLayout::PlaceColumns(ReadingSystem& system, float end, bool justify) {
    std::vector<std::int32_t> shown;
    std::int32_t m = system.firstColumn;
    while (m <= system.lastColumn && columns_[static_cast<std::size_t>(m)].leadingSign)
        m = NextVisible(m);
    for (std::int32_t j = m; j <= system.lastColumn; j = NextVisible(j))
        shown.push_back(j);
    if (shown.empty()) {
        system.barEnd = system.musicLeft;
        for (std::int32_t j = system.firstColumn; j <= system.lastColumn; ++j)
            columnX_[static_cast<std::size_t>(j)] = barX_[static_cast<std::size_t>(j)] =
                system.musicLeft;
        return;
    }
    std::vector<float> gaps(shown.size());
    std::vector<float> springs(shown.size());
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const Column& col = columns_[static_cast<std::size_t>(shown[k])];
        springs[k] = col.ticks > 0 ? Space(col.ticks) : 0;
        gaps[k] = k + 1 < shown.size() ? NaturalGap(shown[k], shown[k + 1])
                                       : (col.loneBar ? 0 : std::max(col.right + 8, springs[k]));
    }
    const float start =
        system.musicLeft + columns_[static_cast<std::size_t>(shown[0])].left + kClearance;
    float natural = 0;
    float springTotal = 0;
    for (std::size_t k = 0; k < shown.size(); ++k) {
        natural += gaps[k];
        springTotal += springs[k];
    }
    const float extra = justify ? std::max(0.0f, end - start - natural) : 0;
    float x = start;
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const auto j = static_cast<std::size_t>(shown[k]);
        columnX_[j] = x;
        const float grow = springTotal > 0 ? extra * springs[k] / springTotal
                                           : extra / static_cast<float>(shown.size());
        x += gaps[k] + grow;
    }
    system.barEnd = x;
    // Bar lines: on their own column, or before the next column's symbols.
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const auto j = static_cast<std::size_t>(shown[k]);
        const Column& col = columns_[j];
        if (col.loneBar) {
            barX_[j] = columnX_[j];
        } else if (k + 1 < shown.size()) {
            const Column& next = columns_[static_cast<std::size_t>(shown[k + 1])];
            barX_[j] =
                columnX_[static_cast<std::size_t>(shown[k + 1])] - (std::max(next.left, 5.0f) + 7);
        } else {
            barX_[j] = system.barEnd;
        }
    }
    // Columns nobody prints here stand where the next shown one does, so that
    // a mark reaching them ends there.
    float after = system.barEnd;
    for (std::int32_t j = system.lastColumn; j >= system.firstColumn; --j) {
        const auto u = static_cast<std::size_t>(j);
        if (j >= m && columns_[u].visible) {
            after = columnX_[u];
            continue;
        }
        columnX_[u] = j < m ? system.musicLeft : after;
        barX_[u] = j < m ? system.musicLeft : after;
    }
}

void ReadingLayout::FillStaves(ReadingSystem& system) {
    std::int32_t m = system.firstColumn;
    while (m <= system.lastColumn && columns_[static_cast<std::size_t>(m)].leadingSign)
        m = NextVisible(m);
    system.staves.clear();
    for (const std::uint8_t p : parts_) {
        SystemStaff staff;
        staff.part = p;
        const auto cols = grid_.Columns(p);
        const auto limit = cols.begin() + (lastPrinted_[p] + 1);
        staff.first =
            static_cast<std::int32_t>(std::lower_bound(cols.begin(), limit, m) - cols.begin());
        staff.last = static_cast<std::int32_t>(
                         std::upper_bound(cols.begin(), limit, system.lastColumn) - cols.begin()) -
                     1;
        staff.header = SignsAt(p, system.firstColumn, false);
        system.staves.push_back(staff);
    }
}

// How low a staff's notes, stems and beams reach, from its top line.
std::int32_t ReadingLayout::LowestReach(const SystemStaff& staff) const {
    std::int32_t lowest = 40;
    for (std::int32_t i = staff.first; i <= staff.last; ++i) {
        const PositionRecord& r = *doc_.Record(staff.part, i);
        if (!IsNote(r.Syurui[0])) continue;
        const std::int32_t y = (128 - r.Atai[0]) * 4 + 16;
        // A stem hangs 28 pixels, more with three or four flags; a beam
        // slopes a little past the stems it joins.
        const std::int32_t stem = r.Syurui[0] >= Kind::ThirtySecondNote ? 38 : 28;
        const std::int32_t beam =
            Holds(r, Kind::Beam) ||
                    (i > staff.first && Holds(*doc_.Record(staff.part, i - 1), Kind::Beam))
                ? 6
                : 2;
        lowest = std::max(lowest, r.Atai[0] >= StaffPosition::MiddleLine ? y + stem + beam : y + 6);
    }
    for (std::int32_t i = staff.first; i <= staff.last; ++i)
        if (Holds(*doc_.Record(staff.part, i), Kind::RepeatWord)) return std::max(lowest, 72);
    return lowest;
}

float ReadingLayout::StaffAbove(const SystemStaff& staff) const {
    std::int32_t highest = -18;
    for (std::int32_t i = staff.first; i <= staff.last; ++i) {
        const PositionRecord& r = *doc_.Record(staff.part, i);
        if (!IsNote(r.Syurui[0])) continue;
        const std::int32_t y = (128 - r.Atai[0]) * 4 + 16;
        highest = std::min(highest, r.Atai[0] < StaffPosition::MiddleLine ? y - 42 : y - 8);
    }
    return static_cast<float>(-highest);
}

// Dynamics and words stand just clear of the lowest note: the staff's
// drawing puts them at a fixed height, moved by the drop.
std::int32_t ReadingLayout::BelowDrop(const SystemStaff& staff) const {
    const std::int32_t clear = std::max(44, LowestReach(staff) + 4);
    return (HasDynamics(staff) ? clear : clear - 18) - 64;
}

bool ReadingLayout::HasDynamics(const SystemStaff& staff) const {
    for (std::int32_t i = staff.first; i <= staff.last; ++i)
        if (Holds(*doc_.Record(staff.part, i), Kind::Dynamics)) return true;
    return false;
}

float ReadingLayout::StaffBelow(const SystemStaff& staff) const {
    float bottom = static_cast<float>(LowestReach(staff));
    const float dynamicsTop = static_cast<float>(64 + BelowDrop(staff));
    if (HasDynamics(staff)) bottom = std::max(bottom, dynamicsTop + 18);
    if (const int verses = doc_.VerseCount(staff.part); verses > 0)
        bottom = std::max(bottom, dynamicsTop + 18 + static_cast<float>(verses * 18) + 2);
    return bottom - kStaffHeight;
}

void ReadingLayout::StackSystems() {
    // The title block of page 1.
    auto has = [&](ScoreText t) { return !doc_.Text(t).empty(); };
    headingHeight_ = 0;
    if (has(ScoreText::Title)) headingHeight_ += 44;
    if (has(ScoreText::Subtitle)) headingHeight_ += 26;
    const int under =
        std::max((has(ScoreText::Composer) ? 1 : 0) + (has(ScoreText::Arranger) ? 1 : 0),
                 (has(ScoreText::Lyricist) ? 1 : 0) + (parts_.size() == 1 ? 1 : 0));
    headingHeight_ += static_cast<float>(under) * 18;
    if (headingHeight_ > 0) headingHeight_ += 14;

    int page = 0;
    const float tempoRoom = 24;
    float y = margin_ + kHeaderLine + headingHeight_;
    std::vector<std::size_t> firstOnPage{0};
    for (std::size_t s = 0; s < systems_.size(); ++s) {
        ReadingSystem& system = systems_[s];
        float top = 0;
        for (std::size_t k = 0; k < system.staves.size(); ++k) {
            SystemStaff& staff = system.staves[k];
            staff.belowDrop = BelowDrop(staff);
            const float above = StaffAbove(staff) + (s == 0 && k == 0 ? tempoRoom : 0);
            if (k == 0)
                top = above;
            else
                top += kStaffHeight + StaffBelow(system.staves[k - 1]) + kStaffGap + above;
            staff.top = top;
        }
        const float height =
            system.staves.empty() ? 0 : top + kStaffHeight + StaffBelow(system.staves.back());
        const float bottom = height_ - margin_ - (page == 0 ? kCopyrightRoom : 0);
        if (y + height > bottom && s > firstOnPage.back()) {
            ++page;
            firstOnPage.push_back(s);
            y = margin_ + kHeaderLine;
        }
        system.page = page;
        for (SystemStaff& staff : system.staves)
            staff.top += y;
        y += height + kSystemGap;
    }
    pages_ = page + 1;
    // Bar numbers, counted on the first part printed.
    std::vector<std::int32_t> bars;
    if (!parts_.empty()) {
        const std::uint8_t p = parts_[0];
        for (std::int32_t i = 0; i <= lastPrinted_[p]; ++i)
            if (Holds(*doc_.Record(p, i), Kind::BarLine)) bars.push_back(grid_.BarColumn(p, i));
        std::sort(bars.begin(), bars.end());
    }
    for (ReadingSystem& system : systems_)
        system.barNumber = firstBar_ + static_cast<int>(std::lower_bound(bars.begin(), bars.end(),
                                                                         system.firstColumn) -
                                                        bars.begin());
    // A full page spreads its systems over its height, a little at most.
    for (std::size_t k = 0; k + 1 < firstOnPage.size(); ++k) {
        const std::size_t from = firstOnPage[k];
        const std::size_t to = firstOnPage[k + 1];
        if (to - from < 2) continue;
        const ReadingSystem& lastOne = systems_[to - 1];
        const float used = lastOne.staves.empty() ? 0
                                                  : lastOne.staves.back().top + kStaffHeight +
                                                        StaffBelow(lastOne.staves.back());
        const float bottom = height_ - margin_ - (k == 0 ? kCopyrightRoom : 0);
        const float share =
            std::min((bottom - used) / static_cast<float>(to - from - 1), 3 * kSystemGap);
        if (share <= 0) continue;
        for (std::size_t s = from + 1; s < to; ++s)
            for (SystemStaff& staff : systems_[s].staves)
                staff.top += share * static_cast<float>(s - from);
    }
}

} // namespace sorn

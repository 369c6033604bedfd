#pragma once
// The pages a musician reads from: the chosen parts as systems of staves
// aligned in time, each note given room by its duration, every system but
// the last justified to the line, systems broken at bar lines the parts
// share and pages broken between systems; the score's title, names, page
// numbers and words around them.
//
// Drawing units are fixed to the paper (kUnitMm each), so that a staff is
// as tall on A5 as on B4; a system too tall for the page shrinks them all.

#include "layout/ScoreGrid.h"
#include "layout/Timeline.h"
#include "render/Canvas.h"

#include <cstdint>
#include <vector>

namespace sorn {

class SornData;

struct PageGeometry {
    double widthMm = 210;
    double heightMm = 297;
    double marginMm = 15; // on every side
};

// The clef, key and time signature a staff begins a system with, or shows
// at a system's end before they change (0 where there is none to show;
// the key's 0 is C major, shown only as a change).
struct StaffSigns {
    std::uint8_t clef = 0;
    std::uint8_t key = 0;
    std::uint8_t previousKey = 0;
    std::uint8_t time = 0;
    bool hasTime = false;
    bool hasKey = false;
};

// The room a key signature takes on a staff, naturals included.
float KeySignatureRoom(std::uint8_t key, std::uint8_t previousKey);

struct SystemStaff {
    std::uint8_t part = 0;
    float top = 0;              // y of the top staff line
    std::int32_t first = 0;     // positions drawn on this system
    std::int32_t last = -1;     // (none when last < first)
    std::int32_t belowDrop = 0; // dynamics and words pushed under low notes
    StaffSigns header;
    StaffSigns courtesy; // at the end, for the next system
};

struct ReadingSystem {
    int page = 0;
    std::int32_t firstColumn = 0; // the grid's columns on this system
    std::int32_t lastColumn = -1;
    float left = 0;      // where the staff lines begin
    float musicLeft = 0; // where the music begins, after the clef and key
    float barEnd = 0;    // the system's last bar line
    float right = 0;     // where the staff lines end, after any courtesy signs
    int barNumber = 1;   // of the first bar that begins on this system
    bool named = false;  // full names at the left (the first system), else short ones
    std::vector<SystemStaff> staves;
};

class ReadingLayout {
public:
    static constexpr double kUnitMm = 0.21;

    // measure: a canvas whose text widths the pages will have.
    ReadingLayout(const SornData& doc, std::vector<std::uint8_t> parts, const PageGeometry& page,
                  Canvas& measure);

    int PageCount() const { return pages_; }
    // The page in drawing units; the printer stretches it over the paper.
    float Width() const { return width_; }
    float Height() const { return height_; }
    float Margin() const { return margin_; }
    const std::vector<std::uint8_t>& Parts() const { return parts_; }
    const std::vector<ReadingSystem>& Systems() const { return systems_; }
    // Where a position's note stands on its system, or where the music of a
    // system begins for a position drawn nowhere.
    float X(std::uint8_t part, std::int32_t position) const;
    // Where the bar line a position carries stands.
    float BarX(std::uint8_t part, std::int32_t position) const;
    // The last position of a part that is printed (-1 when it has nothing).
    std::int32_t LastPrinted(std::uint8_t part) const;

    // Draws one page (from 0) onto a canvas of Width() x Height().
    void DrawPage(int page, Canvas& canvas) const;

private:
    struct Column {
        float left = 0;         // room the column's symbols take left of its centre
        float right = 0;        // and right of it
        std::int64_t ticks = 0; // time to the next printed onset; 0 for a sign
        bool visible = false;
        bool loneBar = false;     // a bar line standing on its own
        bool closesBar = false;   // a note or rest with a bar line at its end
        int bars = 0;             // printed parts with a bar line here
        int running = 0;          // printed parts whose music goes on after it
        bool leadingSign = false; // a clef, key or time signature (or nothing)
    };

    void MeasureColumns(Canvas& measure);
    bool HasSyllables(std::uint8_t part, std::int32_t position) const;
    void Widen(std::uint8_t part, std::int32_t position, Canvas& measure);
    float Gap(std::int32_t from, std::int32_t to) const;
    float NaturalGap(std::int32_t from, std::int32_t to) const;
    float HeaderWidth(std::int32_t column) const;
    float CourtesyWidth(std::int32_t column) const;
    std::int32_t NextVisible(std::int32_t column) const;
    void BreakSystems();
    void PlaceColumns(ReadingSystem& system, float width, bool justify);
    void FillStaves(ReadingSystem& system);
    StaffSigns SignsAt(std::uint8_t part, std::int32_t column, bool courtesy) const;
    void StackSystems();
    float StaffAbove(const SystemStaff& staff) const;
    float StaffBelow(const SystemStaff& staff) const;
    std::int32_t LowestReach(const SystemStaff& staff) const;
    std::int32_t BelowDrop(const SystemStaff& staff) const;
    bool HasDynamics(const SystemStaff& staff) const;

    // Drawing
    void DrawHeading(int page, Canvas& canvas) const;
    void DrawSystem(const ReadingSystem& system, Canvas& canvas) const;
    void DrawStaffSigns(const SystemStaff& staff, const StaffSigns& signs, float x,
                        Canvas& canvas) const;
    void DrawNames(const ReadingSystem& system, Canvas& canvas) const;

    const SornData& doc_;
    std::vector<std::uint8_t> parts_;
    Timeline timeline_;
    ScoreGrid grid_;
    std::vector<Column> columns_;
    std::vector<float> columnX_;            // page x of every column's centre
    std::vector<float> barX_;               // page x of the bar line a column closes
    std::vector<int> systemOf_;             // per column
    std::vector<std::int32_t> lastPrinted_; // per part of the score
    std::vector<ReadingSystem> systems_;
    // Per printed part, the clef and key in force at each column's start.
    std::vector<std::vector<std::uint8_t>> clefAt_;
    std::vector<std::vector<std::uint8_t>> keyAt_;
    std::int32_t endColumn_ = 0; // one past the last printed column
    float width_ = 0;
    float height_ = 0;
    float margin_ = 0;
    float nameIndent_ = 0;    // room for the full names at the first system
    float shortIndent_ = 0;   // for the short names after it
    float headingHeight_ = 0; // the title block on page 1
    int pages_ = 1;
    int firstBar_ = 1; // 0 when the music begins with a pickup
};

} // namespace sorn

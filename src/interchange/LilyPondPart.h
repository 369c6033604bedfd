#pragma once
// One part as the LilyPond export reads it: its bars as they stand, which
// repeats and which da capo it plays (found as the MIDI walk finds them),
// the pitches as the calculator spells them, and the text of its music
// and its lyrics.

#include "interchange/MusicXmlCommon.h"
#include "model/SornData.h"
#include "sound/ExportError.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace sorn::lilypond {

// Calculator ticks, 1024 to a whole note: LilyPond's moments are these
// over 1024.
using Ticks = std::int64_t;

// How a bar sits in LilyPond's measures.
enum class Fit {
    Empty,     // nothing sounds: it shares its moment with the bar line before
    Regular,   // as long as its time signature
    Pickup,    // a short first bar: \partial
    Irregular, // any other length: the measure is set to it for this bar
    LastShort, // a short last bar, which LilyPond leaves open
};

// A bar line belongs to the bar it ends; a time signature column starts a
// bar of its own, as the bar check counts them.
struct Bar {
    std::int32_t first = 0;
    std::int32_t last = 0;
    Ticks start = 0;
    Ticks length = 0;
    Ticks measure = 0; // the time signature's length where the bar sounds
    std::optional<std::uint8_t> line;
    Fit fit = Fit::Empty;
};

// Columns first..last, played twice.
struct Section {
    std::int32_t first = 0;
    std::int32_t last = 0;
    bool operator==(const Section&) const = default;
};

// A note as it is written: letter 0..6 from C, alteration in semitones,
// octave with 4 holding middle C.
struct Spelling {
    int letter = 0;
    int alter = 0;
    int octave = 4;
    bool forced = false; // its accidental is shown though the bar needs none
};

struct PartPlan {
    std::uint8_t part = 0;
    std::vector<PositionRecord> columns;
    std::vector<Ticks> onset;         // where each column stands in written order
    std::vector<Ticks> length;        // of its note or rest
    std::vector<std::int32_t> tiedTo; // the note a tie goes on to, or -1
    std::vector<Spelling> spelling;   // of every note
    // A held note that opens a repeated section sounds on its own the
    // second time, at the pitch its bar gives it.
    std::vector<std::optional<Spelling>> replayed;
    std::vector<char> beam;      // '[' or ']' where a beam starts or ends
    std::vector<int> timeBefore; // the time signature in force up to each column, or -1
    std::vector<Bar> bars;
    std::vector<std::int32_t> barOf; // the bar of every column
    std::vector<Section> sections;
    bool repeatsPlayed = true;
    std::int32_t daCapo = -1; // the column the music goes back from
    std::int32_t fine = -1;   // where it ends after going back
    bool soundsAfterDaCapo = false;
    bool soundsAfterFine = false;
    bool hasFine = false; // a Fine is written, played or not
    Ticks end = 0;        // the part's length
    int fixedOctave = 4;  // the octave \fixed writes without marks
};

// Fails on a note whose pitch LilyPond's MIDI cannot play.
ExportError PlanPart(const SornData& doc, std::uint8_t part, PartPlan& plan);

// How the part is written into the file.
struct MusicStyle {
    std::string name;          // the variable, as referenced after the backslash
    int tempo = 0;             // written at the start when positive
    std::string repeatContext; // where repeat bar lines are decided: Score or Staff
    Ticks spacer = 0;          // the length a part without music is held to
};

// The marks of every part already written, by moment: a mark the staves
// share is printed once above them.
using SharedMarks = std::set<std::pair<Ticks, std::string>>;

void WriteMusic(const PartPlan& plan, const MusicStyle& style, SharedMarks& marks,
                std::string& out);

// The verses of the part that have a syllable on a note, counted from 0.
std::vector<int> SungVerses(const SornData& doc, const PartPlan& plan);
void WriteLyrics(const SornData& doc, const PartPlan& plan, int verse, bool numbered,
                 std::string& out);

// Text pieces shared with the score around the parts.
std::string Quoted(std::string_view text);
std::string MomentText(Ticks ticks);
bool IsBareIdentifier(std::string_view name);

} // namespace sorn::lilypond

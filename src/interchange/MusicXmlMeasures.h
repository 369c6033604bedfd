#pragma once
// The import's reading of one part, measure by measure: which voice each
// bar keeps, how durations become the score's lengths, and the count of
// everything left out or changed to fit, for the one summary.

#include "model/Message.h"
#include "model/SornData.h"
#include "model/SymbolCodes.h"

#include <pugixml.hpp>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sorn::musicxml {

// What the score cannot hold as written, in the order the summary lists it.
enum Left {
    kChord,
    kVoice,
    kStaff,
    kUnpitched,
    kGapRest,
    kTuplet,
    kDuration,
    kSplit,
    kLength,
    kGrace,
    kLyric,
    kVerse,
    kCut,
    kSlur,
    kArticulation,
    kNotation,
    kRespelled,
    kMicrotone,
    kWords,
    kHairpin,
    kHarmony,
    kAccentDynamics,
    kPedal,
    kOctaveShift,
    kDirection,
    kTranspose,
    kVolta,
    kTempo,
    kTempoRange,
    kPitch,
    kSign,
    kParts,
    kPositions,
    kLeftCount
};
using Counts = std::array<int, kLeftCount>;
Message Summary(const Counts& left);

// Divisions of a quarter beyond this are read as this many; together with
// the longest duration they keep every position far inside 64 bits.
inline constexpr long kMaxDivisions = 1L << 24;

// Without the white space around it.
std::string_view Trim(std::string_view text);
std::string_view Text(pugi::xml_node node);
std::optional<long> Integer(std::string_view text);
std::optional<double> Decimal(std::string_view text);
// Words as the score holds them: bytes that are no UTF-8 read as Latin-1 (a
// file that declares it is cut into pieces that no longer say so),
// characters XML forbids left out, a text past limit cut at a character's
// end and counted, and white space at either end trimmed.
std::string FitText(std::string_view text, std::size_t limit, Counts& left);

// Our own files name every element's column in its id, with the symbols no
// element shows: "P1-c37-n-s96.1".
struct IdInfo {
    std::optional<std::int32_t> column;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> extras;
};
IdInfo ParseId(std::string_view id);

// One measure as it is played: sections with volta brackets are written out
// pass by pass, so a measure may come more than once.
struct PlayedMeasure {
    std::size_t index;
    bool unfolded; // inside a written-out section: its repeat bar lines are played already
};
// The same order for every part, so the parts stay in step.
std::vector<PlayedMeasure> PlayOrder(pugi::xml_node score, Counts& left);

// The tempo of the whole score: the first one met; later ones are counted.
struct Tempo {
    std::optional<double> first;
    void Met(double perMinute, Counts& left);
};

// One column of a part as it is read; the pitch is finished once the whole
// part is known (accidentals depend on what comes before).
struct Column {
    PositionRecord record;
    std::int8_t alter = 0;
    bool pitched = false;
    bool chordCounted = false;
};

// Attached symbols of a column: Add takes the first free slot; Put keeps one
// of the kind, the later wins; Remove clears every one of the kind.
bool Add(Column& c, std::uint8_t kind, std::uint8_t value);
void Put(Column& c, std::uint8_t kind, std::uint8_t value);
void Remove(Column& c, std::uint8_t kind);

class PartReader {
public:
    PartReader(Counts& left, Tempo& tempo) : left_(left), tempo_(tempo) {}

    void Read(pugi::xml_node part, const std::vector<PlayedMeasure>& order);
    // Accidentals where the score needs them to sound the pitch the file
    // names, which takes the whole part read in order, as the calculator does.
    void FinishPitches();

    std::vector<Column>& Columns() { return columns_; }
    std::int32_t Used() const { return static_cast<std::int32_t>(columns_.size()); }

    struct PlacedSyllable {
        std::int32_t column;
        int verse;
        Syllable syllable;
    };
    // In column order.
    std::vector<PlacedSyllable>& Syllables() { return syllables_; }

    // The children of a note, found in one pass: a score of many thousand
    // notes is read in well under a second.
    struct NoteParts {
        pugi::xml_node pitch, type, duration, accidental, beam;
        std::string_view voice = "1", staff = "1";
        bool chord = false, grace = false, cue = false, rest = false, measureRest = false,
             unpitched = false, tuplet = false, tie = false;
        int dots = 0;
        pugi::xml_node notations; // the first; more may follow
        pugi::xml_node lyric;     // the first; more may follow
    };

    struct Timed {
        NoteParts parts;
        std::int64_t start = 0, duration = 0;
        bool chord = false; // sounds with the note before it
    };

private:
    // A written or dropped note's place and its columns' range.
    struct Written {
        std::int32_t first = -1, last = -1;
    };

    Column* MainColumn(const IdInfo& id);
    Column* AttachedColumn(const IdInfo& id, std::int32_t fallback);
    Column& At(std::int32_t c);
    void Measure(pugi::xml_node measure, bool last, bool unfolded);
    void Timing(pugi::xml_node measure, std::int64_t& end);
    std::optional<std::string> KeptVoice(const std::vector<Timed>& timed) const;
    void Attributes(pugi::xml_node a);
    bool Sign(pugi::xml_node element, std::uint8_t kind, std::uint8_t value);
    void Note(pugi::xml_node n, const Timed& t, const std::optional<std::string>& voice);
    void Chord(const NoteParts& parts, int staffPosition, int alter);
    Written Emit(std::int64_t end, const NoteParts* parts, int staffPosition, int alter,
                 const IdInfo& id);
    void FillTo(std::int64_t position);
    void CountDropped(const NoteParts& parts);
    void Lyrics(const NoteParts& parts, std::int32_t column);
    void Direction(pugi::xml_node d);
    void Words(pugi::xml_node direction, pugi::xml_node words, const IdInfo& id);
    std::optional<double> Metronome(pugi::xml_node m) const;
    void Sound(pugi::xml_node sound);
    bool Barline(pugi::xml_node b, bool unfolded);
    std::optional<std::pair<int, int>> SoundingPitch(int step, double alter);

    Counts& left_;
    Tempo& tempo_;
    std::vector<Column> columns_;
    std::vector<PlacedSyllable> syllables_;
    std::int32_t lastMain_ = -1;
    std::int32_t lastBar_ = -1;
    std::int32_t measureStart_ = 0;
    long divisions_ = 1;
    std::uint8_t clef_ = ClefCode::G;
    std::array<std::optional<std::uint8_t>, 3> signs_; // clef, key, time in force
    struct Transpose {
        int diatonic = 0, chromatic = 0;
    } transpose_;
    bool transposeCounted_ = false;
    std::string voice_;
    std::optional<std::uint8_t> pendingDynamics_;
    // Within the measure being read: where the kept voice has got to, in
    // divisions, the calculator ticks written for it, and its last note.
    std::int64_t keptEnd_ = 0;
    std::int64_t written_ = 0;
    Written lastNote_;
    // Kept between measures and notes so that reading allocates once.
    std::vector<Timed> timed_;
    std::vector<std::int32_t> pieces_;
};

} // namespace sorn::musicxml

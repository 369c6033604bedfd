#include "interchange/MusicXmlMeasures.h"

#include "interchange/MusicXmlCommon.h"
#include "sound/SornCalculater.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace sorn::musicxml {

namespace {

// The longest duration read, in whole notes: far past the score's end.
constexpr std::int64_t kMaxWholes = 1024;

// Calculator ticks of the lengths one symbol holds, longest first.
constexpr std::array<std::int32_t, 14> kSingle = {1536, 1024, 768, 512, 384, 256, 192,
                                                  128,  96,   64,  48,  32,  24,  16};
constexpr std::int32_t kShortest = 16;
// Positions finer than this fall between the lengths the score can add up.
constexpr std::int32_t kGrid = 8;

struct Length {
    std::uint8_t code;
    bool dot;
};

Length LengthOf(std::int32_t ticks) {
    for (std::uint8_t code = LengthCode::Whole; code <= LengthCode::SixtyFourth; ++code) {
        const std::int32_t plain = CalcTicksPerWhole >> (code - 1);
        if (ticks == plain) return {code, false};
        if (ticks == plain * 3 / 2) return {code, true};
    }
    return {LengthCode::SixtyFourth, false};
}

// Lengths of single symbols that add up to ticks (a multiple of kGrid, at
// least kShortest); the remainder is never left shorter than the shortest.
void Split(std::int64_t ticks, std::vector<std::int32_t>& out) {
    out.clear();
    // More than the score has positions for is never written.
    while (ticks > 0 && out.size() <= static_cast<std::size_t>(MaxLength)) {
        for (std::int32_t l : kSingle) {
            const std::int64_t rest = ticks - l;
            if (rest == 0 || rest >= kShortest) {
                out.push_back(l);
                ticks = rest;
                break;
            }
        }
    }
}

std::int32_t Nearest(double ticks) {
    std::int32_t best = kSingle.front();
    for (std::int32_t l : kSingle)
        if (std::abs(l - ticks) < std::abs(best - ticks)) best = l;
    return best;
}

// Ticks of MusicXML note types, with those the score has no symbol for.
std::optional<std::int64_t> TypeTicks(std::string_view type, int dots) {
    std::int64_t plain = 0;
    if (auto code = LengthCodeOfType(type))
        plain = CalcTicksPerWhole >> (*code - 1);
    else if (type == "breve")
        plain = 2 * CalcTicksPerWhole;
    else if (type == "long")
        plain = 4 * CalcTicksPerWhole;
    else if (type == "maxima")
        plain = 8 * CalcTicksPerWhole;
    else if (type == "128th")
        plain = 8;
    else if (type == "256th")
        plain = 4;
    else
        return std::nullopt;
    dots = std::clamp(dots, 0, 4);
    return plain * ((2 << dots) - 1) / (1 << dots);
}

} // namespace

namespace {

PartReader::NoteParts Parts(pugi::xml_node n) {
    PartReader::NoteParts p;
    for (pugi::xml_node x : n.children()) {
        const std::string_view name = x.name();
        if (name == "pitch") {
            p.pitch = x;
        } else if (name == "duration") {
            p.duration = x;
        } else if (name == "voice") {
            p.voice = Text(x);
        } else if (name == "type") {
            p.type = x;
        } else if (name == "dot") {
            ++p.dots;
        } else if (name == "beam") {
            // Level 1 decides whether the note is joined to the next.
            const std::string_view number = x.attribute("number").value();
            if (number.empty() || number == "1") p.beam = x;
        } else if (name == "tie") {
            p.tie = p.tie || std::string_view(x.attribute("type").value()) == "start";
        } else if (name == "rest") {
            p.rest = true;
            p.measureRest = std::string_view(x.attribute("measure").value()) == "yes";
        } else if (name == "unpitched") {
            p.unpitched = true;
        } else if (name == "chord") {
            p.chord = true;
        } else if (name == "accidental") {
            p.accidental = x;
        } else if (name == "staff") {
            p.staff = Text(x);
        } else if (name == "notations") {
            if (!p.notations) p.notations = x;
            for (pugi::xml_node t : x.children("tied")) {
                const std::string_view type = t.attribute("type").value();
                p.tie = p.tie || type == "start" || type == "continue";
            }
        } else if (name == "lyric") {
            if (!p.lyric) p.lyric = x;
        } else if (name == "grace") {
            p.grace = true;
        } else if (name == "cue") {
            p.cue = true;
        } else if (name == "time-modification") {
            p.tuplet = true;
        }
    }
    if (p.voice.empty()) p.voice = "1";
    return p;
}

} // namespace

void PartReader::Read(pugi::xml_node part, const std::vector<PlayedMeasure>& order) {
    std::vector<pugi::xml_node> measures;
    for (pugi::xml_node m : part.children("measure"))
        measures.push_back(m);
    std::size_t last = order.size();
    for (std::size_t k = 0; k < order.size(); ++k)
        if (order[k].index < measures.size()) last = k;
    for (std::size_t k = 0; k < order.size(); ++k)
        if (order[k].index < measures.size())
            Measure(measures[order[k].index], k == last, order[k].unfolded);
}

void PartReader::FinishPitches() {
    std::vector<PositionRecord> records(columns_.size());
    for (std::size_t i = 0; i < columns_.size(); ++i)
        records[i] = columns_[i].record;
    const std::vector<bool> held = TiedContinuations(records);
    SornCalculater calc;
    std::uint8_t clef = ClefCode::G;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        Column& c = columns_[i];
        PositionRecord& r = c.record;
        if (r.Syurui[0] == Kind::Clef) {
            calc.SetOnbukigou(r.Atai[0]);
            clef = r.Atai[0];
        } else if (r.Syurui[0] == Kind::KeySignature) {
            calc.SetChogo(r.Atai[0]);
        } else if (IsNote(r.Syurui[0]) && c.pitched && !held[i]) {
            const int want = NaturalMidi(r.Atai[0] - ClefShift(clef)) + c.alter;
            if (auto written = SymbolValue(r, Kind::Accidental)) {
                // A written accidental that says otherwise gives way to the pitch.
                if (calc.GetMidiHeight(r) != want) {
                    Remove(c, Kind::Accidental);
                    Add(c, Kind::Accidental, *AccidentalCodeOfAlter(c.alter));
                    calc.GetMidiHeight(r);
                }
            } else if (calc.GetMidiHeight(r) != want) {
                Add(c, Kind::Accidental, *AccidentalCodeOfAlter(c.alter));
                calc.GetMidiHeight(r);
            }
        }
        calc.SFSyokika(r);
    }
}

// A column for a main symbol: the one its id names, when that keeps the
// order, else the next free one.
Column* PartReader::MainColumn(const IdInfo& id) {
    std::int32_t c = Used();
    if (id.column && *id.column > lastMain_) c = *id.column;
    if (c > MaxLength) {
        ++left_[kPositions];
        return nullptr;
    }
    lastMain_ = c;
    Column& col = At(c);
    for (auto [kind, value] : id.extras)
        Add(col, kind, value);
    return &col;
}

// A column for an attached symbol that names its column; without an id
// it goes to fallback (-1: a column of its own after the last one).
Column* PartReader::AttachedColumn(const IdInfo& id, std::int32_t fallback) {
    std::int32_t c = fallback < 0 ? Used() : fallback;
    if (id.column && *id.column >= std::max(lastMain_, 0)) c = *id.column;
    if (c > MaxLength) {
        ++left_[kPositions];
        return nullptr;
    }
    Column& col = At(c);
    for (auto [kind, value] : id.extras)
        Add(col, kind, value);
    return &col;
}

Column& PartReader::At(std::int32_t c) {
    if (c >= Used()) columns_.resize(static_cast<std::size_t>(c) + 1);
    return columns_[static_cast<std::size_t>(c)];
}

void PartReader::Measure(pugi::xml_node measure, bool last, bool unfolded) {
    measureStart_ = Used();
    keptEnd_ = written_ = 0;
    lastNote_ = {};
    std::int64_t end = 0;
    Timing(measure, end);
    const std::vector<Timed>& timed = timed_;
    const std::optional<std::string> voice = KeptVoice(timed);
    if (voice) voice_ = *voice;
    std::size_t next = 0;
    bool closed = false;
    for (pugi::xml_node n : measure.children()) {
        // Most children are notes, and the note was read already.
        if (!std::strcmp(n.name(), "note")) {
            if (next < timed.size()) Note(n, timed[next++], voice);
            continue;
        }
        const std::string_view name = n.name();
        if (name == "attributes") {
            Attributes(n);
        } else if (name == "direction") {
            Direction(n);
        } else if (name == "sound") {
            Sound(n);
        } else if (name == "barline") {
            // The bar is filled out before the bar line that ends it.
            if (std::string_view(n.attribute("location").value()) != "left") FillTo(end);
            closed = Barline(n, unfolded) || closed;
        } else if (name == "harmony") {
            ++left_[kHarmony];
        } else if (name == "figured-bass") {
            ++left_[kDirection];
        }
    }
    FillTo(end);
    // Every measure but the last ends at a bar line, written or not.
    if (!closed && !last) {
        const std::int32_t c = lastMain_ >= measureStart_ ? lastMain_ : -1;
        if (Column* col = AttachedColumn({}, c)) {
            if (!SymbolValue(col->record, Kind::BarLine)) Put(*col, Kind::BarLine, 0);
            lastBar_ = static_cast<std::int32_t>(col - columns_.data());
        }
    }
}

// Where each note of the measure starts and how long it lasts, in
// divisions from the start of the measure, following backup and forward,
// into timed_;
// end is as far as anything in the measure reaches.
void PartReader::Timing(pugi::xml_node measure, std::int64_t& end) {
    std::vector<Timed>& out = timed_;
    out.clear();
    long divisions = divisions_;
    std::int64_t cursor = 0;
    end = 0;
    std::int64_t chordStart = -1; // where the notes of the chord being read start
    auto durationOf = [&](pugi::xml_node duration) -> std::optional<std::int64_t> {
        const auto d = Integer(Text(duration));
        if (!d || *d < 0) return std::nullopt;
        if (*d <= kMaxWholes * 4 * divisions) return *d;
        ++left_[kLength];
        return kMaxWholes * 4 * divisions;
    };
    // A measure reaches no further than one duration does.
    auto farthest = [&] { return kMaxWholes * 4 * divisions; };
    for (pugi::xml_node x : measure.children()) {
        const std::string_view name = x.name();
        if (name == "attributes") {
            if (auto d = Integer(Text(x.child("divisions"))); d && *d > 0)
                divisions = std::min(*d, kMaxDivisions);
        } else if (name == "backup" || name == "forward") {
            const std::int64_t d = durationOf(x.child("duration")).value_or(0);
            cursor = name == "backup" ? std::max<std::int64_t>(cursor - d, 0)
                                      : std::min(cursor + d, farthest());
            end = std::max(end, cursor);
            chordStart = -1;
        } else if (name == "note") {
            Timed t;
            t.parts = Parts(x);
            t.start = cursor;
            if (t.parts.grace) {
                out.push_back(std::move(t));
                continue;
            }
            if (auto d = durationOf(t.parts.duration)) {
                t.duration = *d;
            } else if (auto ticks = TypeTicks(Text(t.parts.type), t.parts.dots)) {
                t.duration = *ticks * divisions / 256;
            }
            // A chord note without a note before it stands on its own.
            t.chord = t.parts.chord && chordStart >= 0;
            if (t.chord) {
                t.start = chordStart;
            } else {
                chordStart = cursor;
                cursor = std::min(cursor + t.duration, farthest());
            }
            end = std::max(end, cursor);
            out.push_back(std::move(t));
        }
    }
}

// The voice of the first staff this bar keeps: the one kept before while it
// has notes here, else the first that has notes, else the first with rests.
std::optional<std::string> PartReader::KeptVoice(const std::vector<Timed>& timed) const {
    std::optional<std::string_view> firstNotes, firstAny;
    bool previousHere = false, previousNotes = false;
    for (const Timed& t : timed) {
        const NoteParts& p = t.parts;
        if (p.grace || p.cue || p.staff != "1" || (!p.rest && !p.pitch)) continue;
        if (!firstAny) firstAny = p.voice;
        if (!p.rest && !firstNotes) firstNotes = p.voice;
        if (p.voice == voice_) {
            previousHere = true;
            previousNotes = previousNotes || !p.rest;
        }
    }
    if (previousNotes || (!firstNotes && previousHere)) return voice_;
    if (firstNotes) return std::string(*firstNotes);
    if (firstAny) return std::string(*firstAny);
    return std::nullopt;
}

// The step (before the clef shift) and whole alteration of the sounding
// pitch; nothing when no staff step can name it.
std::optional<std::pair<int, int>> PartReader::SoundingPitch(int step, double alter) {
    if (std::abs(alter) > 24) return std::nullopt;
    const double rounded = std::round(alter);
    if (rounded != alter) ++left_[kMicrotone];
    const int semitones = static_cast<int>(rounded);
    const int midi = NaturalMidi(step) + semitones + transpose_.chromatic;
    int sounding = step + transpose_.diatonic;
    if (std::abs(midi - NaturalMidi(sounding)) > 2 || std::abs(semitones) > 2) {
        // Beyond a double sharp or flat: the nearest letter that reaches the
        // pitch with one accidental at most.
        const int guess =
            sounding + static_cast<int>(std::lround((midi - NaturalMidi(sounding)) * 7.0 / 12));
        for (int off : {0, 1, -1, 2, -2})
            if (std::abs(midi - NaturalMidi(guess + off)) <= 1) {
                sounding = guess + off;
                break;
            }
        if (std::abs(semitones) > 2) ++left_[kRespelled];
    }
    return std::pair{sounding, midi - NaturalMidi(sounding)};
}

void PartReader::Note(pugi::xml_node n, const Timed& t, const std::optional<std::string>& voice) {
    const NoteParts& parts = t.parts;
    if (parts.grace) {
        ++left_[kGrace];
        return;
    }
    if (parts.staff != "1") {
        ++left_[kStaff];
        return;
    }
    const bool kept = voice && parts.voice == *voice && !parts.cue;
    if (parts.unpitched) {
        ++left_[kUnpitched];
        if (kept && !t.chord) lastNote_ = {};
        return;
    }
    if (!kept) {
        ++left_[kVoice];
        return;
    }
    // A dropped note of the kept voice leaves its time to be filled with rest.
    auto drop = [&](Left why) {
        ++left_[why];
        if (!t.chord) lastNote_ = {};
    };
    const pugi::xml_node pitch = parts.pitch;
    if (!parts.rest && !pitch) return drop(kPitch);
    int staffPosition = 0, alter = 0;
    if (pitch) {
        std::string_view letter, octaveText, alterText;
        for (pugi::xml_node x : pitch.children()) {
            const char* name = x.name();
            if (!std::strcmp(name, "step"))
                letter = Text(x);
            else if (!std::strcmp(name, "octave"))
                octaveText = Text(x);
            else if (!std::strcmp(name, "alter"))
                alterText = Text(x);
        }
        const auto octave = Integer(octaveText);
        const std::size_t l =
            letter.size() == 1 ? kLetters.find(letter[0]) : std::string_view::npos;
        std::optional<double> alterValue = alterText.empty() ? 0.0 : Decimal(alterText);
        if (l == std::string_view::npos || !octave || *octave < -20 || *octave > 30 || !alterValue)
            return drop(kPitch);
        const int written = StepOfPitch({static_cast<int>(l), static_cast<int>(*octave)});
        const auto sounding = SoundingPitch(written, *alterValue);
        if (!sounding) return drop(kPitch);
        staffPosition = sounding->first + ClefShift(clef_);
        alter = sounding->second;
        if (staffPosition < StaffPosition::Lowest || staffPosition > StaffPosition::Highest)
            return drop(kPitch);
    }
    if (t.chord && lastNote_.first >= 0) {
        Chord(parts, staffPosition, alter);
        return;
    }
    // Notes of one voice written over each other: only the first is kept.
    if (t.start < keptEnd_) return drop(kVoice);
    FillTo(t.start);
    lastNote_ = Emit(t.start + t.duration, &parts, staffPosition, alter,
                     ParseId(n.attribute("id").value()));
    keptEnd_ = t.start + t.duration;
    CountDropped(parts);
    if (lastNote_.first >= 0) Lyrics(parts, lastNote_.first);
}

// Rests from where the kept voice has got to up to position.
void PartReader::FillTo(std::int64_t position) {
    if (position <= keptEnd_) return;
    ++left_[kGapRest];
    Emit(position, nullptr, 0, 0, {});
    keptEnd_ = position;
    lastNote_ = {};
}

// Writes the note (or, without parts, a rest) that lasts from where the
// written ticks have got to up to position end of the measure. A length
// one symbol cannot hold becomes tied notes or several rests; a length off
// the score's grid (a tuplet's) becomes the nearest single symbol, so the
// written ticks come back in step at the next position on the grid.
PartReader::Written PartReader::Emit(std::int64_t end, const NoteParts* parts, int staffPosition,
                                     int alter, const IdInfo& id) {
    const std::int64_t numerator = end * 256;
    const std::int64_t ticks = numerator / divisions_;
    const bool onGrid = numerator % divisions_ == 0 && ticks % kGrid == 0;
    const bool tuplet = parts && parts->tuplet;
    std::vector<std::int32_t>& lengths = pieces_;
    Left changed = kLeftCount;
    if (!onGrid) {
        lengths = {
            Nearest(static_cast<double>(numerator) / divisions_ - static_cast<double>(written_))};
        changed = tuplet ? kTuplet : kLength;
    } else if (ticks - written_ < kShortest) {
        lengths = {kShortest};
        changed = kLength;
    } else {
        Split(ticks - written_, lengths);
        const auto typed = parts ? TypeTicks(Text(parts->type), parts->dots) : std::nullopt;
        const bool asTyped = typed && lengths.size() == 1 && *typed == lengths[0];
        const bool barRest =
            parts && parts->rest && (parts->measureRest || Text(parts->type) == "whole");
        if (tuplet && !asTyped)
            changed = kTuplet;
        else if (lengths.size() > 1)
            changed = kSplit;
        else if (typed && !asTyped && !barRest)
            changed = kDuration;
    }
    if (parts && changed != kLeftCount) ++left_[changed];
    const bool rest = !parts || parts->rest;
    Written w;
    for (std::size_t p = 0; p < lengths.size(); ++p) {
        Column* c = MainColumn(p == 0 ? id : IdInfo{});
        if (!c) break;
        const Length l = LengthOf(lengths[p]);
        c->record.Syurui[0] = rest ? Kind::Rest : l.code;
        c->record.Atai[0] = rest ? l.code : static_cast<std::uint8_t>(staffPosition);
        c->pitched = !rest;
        c->alter = static_cast<std::int8_t>(alter);
        if (l.dot) Add(*c, Kind::Dot, MarkPresent);
        const bool lastPiece = p + 1 == lengths.size();
        if (!rest && (!lastPiece || parts->tie)) Add(*c, Kind::Tie, MarkPresent);
        if (parts && p == 0) {
            if (!rest && parts->accidental) {
                if (auto code = AccidentalCodeOf(Text(parts->accidental)))
                    Add(*c, Kind::Accidental, *code);
                else
                    ++left_[kNotation];
            }
            if (pendingDynamics_) {
                Put(*c, Kind::Dynamics, *pendingDynamics_);
                pendingDynamics_.reset();
            }
        }
        if (parts && lastPiece) {
            const std::string_view beam = Text(parts->beam);
            if (beam == "begin" || beam == "continue") Add(*c, Kind::Beam, MarkPresent);
        }
        const auto index = static_cast<std::int32_t>(c - columns_.data());
        if (w.first < 0) w.first = index;
        w.last = index;
        written_ += lengths[p];
    }
    return w;
}

void PartReader::Chord(const NoteParts& parts, int staffPosition, int alter) {
    Column& first = columns_[static_cast<std::size_t>(lastNote_.first)];
    if (!first.chordCounted) {
        ++left_[kChord];
        first.chordCounted = true;
    }
    CountDropped(parts);
    Lyrics(parts, lastNote_.first);
    if (!first.pitched || !IsNote(first.record.Syurui[0])) return;
    const int here = NaturalMidi(first.record.Atai[0] - ClefShift(clef_)) + first.alter;
    const int there = NaturalMidi(staffPosition - ClefShift(clef_)) + alter;
    if (there <= here) return;
    // The top note is kept with all it carries: its accidental and its tie.
    for (std::int32_t k = lastNote_.first; k <= lastNote_.last; ++k) {
        Column& c = columns_[static_cast<std::size_t>(k)];
        c.record.Atai[0] = static_cast<std::uint8_t>(staffPosition);
        c.alter = static_cast<std::int8_t>(alter);
    }
    Remove(first, Kind::Accidental);
    if (auto code = AccidentalCodeOf(Text(parts.accidental))) Add(first, Kind::Accidental, *code);
    Column& last = columns_[static_cast<std::size_t>(lastNote_.last)];
    Remove(last, Kind::Tie);
    if (parts.tie) Add(last, Kind::Tie, MarkPresent);
}

void PartReader::CountDropped(const NoteParts& parts) {
    for (pugi::xml_node notations = parts.notations; notations;
         notations = notations.next_sibling("notations")) {
        for (pugi::xml_node x : notations.children()) {
            const std::string_view name = x.name();
            if (name == "tied" || name == "tuplet" || name == "footnote" || name == "level")
                continue;
            if (name == "slur") {
                if (std::string_view(x.attribute("type").value()) != "stop") ++left_[kSlur];
            } else if (name == "articulations") {
                for ([[maybe_unused]] pugi::xml_node a : x.children())
                    ++left_[kArticulation];
            } else {
                ++left_[kNotation];
            }
        }
    }
}

// The lyrics of a note go to the column its note, or its chord, starts on:
// verse n is number n, a lyric without a number counts by its place on the
// note. Syllables joined by an elision become one text, which begins and
// ends its word as its first and last parts do.
void PartReader::Lyrics(const NoteParts& parts, std::int32_t column) {
    int place = 0;
    for (pugi::xml_node lyric = parts.lyric; lyric; lyric = lyric.next_sibling("lyric"), ++place) {
        std::string text;
        std::string_view syllabic = "single", joiner;
        bool starts = true, ends = true, extend = false;
        for (pugi::xml_node x : lyric.children()) {
            const std::string_view name = x.name();
            if (name == "syllabic") {
                syllabic = Text(x);
            } else if (name == "elision") {
                // The symbol shown between them: a no-break space reads as a
                // space, and none given as the usual undertie.
                const std::string_view mark = Text(x);
                joiner = mark.empty() ? "\u203F" : mark == "\u00A0" ? " " : mark;
            } else if (name == "text") {
                if (text.empty()) starts = syllabic == "single" || syllabic == "begin";
                text += joiner;
                text += Text(x);
                ends = syllabic == "single" || syllabic == "end";
                syllabic = "single";
                joiner = {};
            } else if (name == "extend") {
                const std::string_view type = x.attribute("type").value();
                extend = type.empty() || type == "start";
            }
        }
        if (text.empty()) {
            // An extender carried on is no syllable; laughing and humming are.
            if (lyric.child("laughing") || lyric.child("humming")) ++left_[kLyric];
            continue;
        }
        const auto number = Integer(lyric.attribute("number").value());
        const long verse = number && *number >= 1 ? *number - 1 : place;
        if (verse >= MaxVerses) {
            ++left_[kVerse];
            continue;
        }
        bool taken = false; // by another note of the chord
        for (auto s = syllables_.rbegin(); s != syllables_.rend() && s->column == column; ++s)
            taken = taken || s->verse == verse;
        if (taken) {
            ++left_[kLyric];
            continue;
        }
        syllables_.push_back(
            {column, static_cast<int>(verse),
             Syllable{.text = FitText(text, MaxSyllableBytes, left_),
                      .syllabic = starts ? (ends ? Syllabic::Single : Syllabic::Begin)
                                         : (ends ? Syllabic::End : Syllabic::Middle),
                      .extend = extend}});
    }
}

} // namespace sorn::musicxml

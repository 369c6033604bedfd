#include "interchange/MusicXmlImport.h"

#include "interchange/MusicXmlCommon.h"
#include "interchange/MusicXmlStream.h"
#include "model/GuardedOpen.h"
#include "model/SymbolCodes.h"
#include "model/UniqueFd.h"
#include "sound/SornCalculater.h"

#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <map>
#include <unistd.h>

namespace sorn {

using namespace musicxml;

namespace {

// What the score cannot hold, in the order the summary lists it.
enum Left {
    kChord,
    kVoice,
    kStaff,
    kTuplet,
    kLength,
    kGrace,
    kLyric,
    kSlur,
    kArticulation,
    kNotation,
    kWords,
    kDirection,
    kPitch,
    kSign,
    kParts,
    kPositions,
    kLeftCount
};

constexpr std::array<const char*, kLeftCount> kLeftTexts = {
    "和音 {} か所は最上音だけを読み込みました",
    "2 つ目以降の声部の音符・休符 {} 個は読み込みませんでした",
    "2 段目以降の譜表の音符・休符 {} 個は読み込みませんでした",
    "連符の音符・休符 {} 個は連符でない音価で読み込みました",
    "この楽譜にない長さの音符・休符 {} 個は近い長さで読み込みました",
    "装飾音符 {} 個は読み込みませんでした",
    "歌詞 {} 個は読み込みませんでした",
    "スラー {} 個は読み込みませんでした",
    "アーティキュレーション {} 個は読み込みませんでした",
    "その他の音符の記号 {} 個は読み込みませんでした",
    "文字 {} 個は読み込みませんでした",
    "その他の指示 {} 個は読み込みませんでした",
    "譜表に書けない高さの音符 {} 個は読み込みませんでした",
    "この楽譜にない音部記号・調号・拍子記号 {} 個は読み込みませんでした",
    "257 番目以降のパート {} 個は読み込みませんでした",
    "32767 より後ろの位置の記号 {} 個は読み込みませんでした",
};

using Counts = std::array<int, kLeftCount>;

// One column of a part as it is read; the pitch is finished once the whole
// part is known (accidentals depend on what comes before).
struct Column {
    PositionRecord record;
    std::int8_t alter = 0;
    bool pitched = false;
    bool chordCounted = false;
};

bool Add(Column& c, std::uint8_t kind, std::uint8_t value) {
    for (int k = 1; k < SlotCount; ++k)
        if (c.record.Syurui[k] == Kind::Empty) {
            c.record.Syurui[k] = kind;
            c.record.Atai[k] = value;
            return true;
        }
    return false;
}

// Bar lines, dynamics and repeat words: one of each per column, the later wins.
void Put(Column& c, std::uint8_t kind, std::uint8_t value) {
    for (int k = 1; k < SlotCount; ++k)
        if (c.record.Syurui[k] == kind) {
            c.record.Atai[k] = value;
            return;
        }
    Add(c, kind, value);
}

void Remove(Column& c, std::uint8_t kind) {
    for (int k = 1; k < SlotCount; ++k)
        if (c.record.Syurui[k] == kind) c.record.Syurui[k] = c.record.Atai[k] = 0;
}

std::string_view Text(pugi::xml_node node) {
    std::string_view t = node.child_value();
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.front())))
        t.remove_prefix(1);
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.back())))
        t.remove_suffix(1);
    return t;
}

std::optional<long> Integer(std::string_view text) {
    long value = 0;
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<double> Decimal(std::string_view text) {
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Our own files name every element's column in its id, with the symbols no
// element shows: "P1-c37-n-s96.1".
struct IdInfo {
    std::optional<std::int32_t> column;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> extras;
};

// Longer than any of ours: not one of ours, and not split into pieces.
constexpr std::size_t kMaxIdBytes = 256;

IdInfo ParseId(std::string_view id) {
    IdInfo info;
    if (id.size() > kMaxIdBytes) return info;
    std::vector<std::string_view> tokens;
    while (!id.empty()) {
        const std::size_t dash = id.find('-');
        tokens.push_back(id.substr(0, dash));
        id = dash == std::string_view::npos ? std::string_view{} : id.substr(dash + 1);
    }
    if (tokens.size() < 3 || tokens[0].empty() || tokens[0][0] != 'P' || tokens[1].size() < 2 ||
        tokens[1][0] != 'c')
        return info;
    auto column = Integer(tokens[1].substr(1));
    if (!column || *column < 0 || *column > MaxLength) return info;
    info.column = static_cast<std::int32_t>(*column);
    for (std::size_t t = 3; t < tokens.size(); ++t) {
        const std::string_view s = tokens[t];
        const std::size_t dot = s.find('.');
        if (s.size() < 4 || s[0] != 's' || dot == std::string_view::npos) continue;
        auto kind = Integer(s.substr(1, dot - 1));
        auto value = Integer(s.substr(dot + 1));
        if (kind && value && *kind > 0 && *kind < 256 && *value >= 0 && *value < 256 &&
            !IsMainSymbol(static_cast<std::uint8_t>(*kind)))
            info.extras.emplace_back(static_cast<std::uint8_t>(*kind),
                                     static_cast<std::uint8_t>(*value));
    }
    return info;
}

// Lengths the score has: a length code with or without its dot.
struct Length {
    std::uint8_t code;
    bool dot;
};

std::int32_t TicksOf(Length l) {
    const std::int32_t plain = CalcTicksPerWhole >> (l.code - 1);
    return l.dot ? plain * 3 / 2 : plain;
}

// The longest length not longer than ticks, or the shortest there is.
Length LengthOfTicks(std::int64_t ticks, bool& exact) {
    Length best{LengthCode::SixtyFourth, false};
    exact = false;
    for (std::uint8_t code = LengthCode::Whole; code <= LengthCode::SixtyFourth; ++code)
        for (bool dot : {true, false}) {
            const Length l{code, dot};
            if (TicksOf(l) == ticks) {
                exact = true;
                return l;
            }
            if (TicksOf(l) < ticks && TicksOf(l) > TicksOf(best)) best = l;
        }
    return best;
}

class PartReader {
public:
    PartReader(Counts& left, std::optional<double>& tempo) : left_(left), tempo_(tempo) {}

    void Read(pugi::xml_node part) {
        const auto measures = part.children("measure");
        for (auto it = measures.begin(); it != measures.end(); ++it) {
            auto next = it;
            Measure(*it, ++next == measures.end());
        }
    }

    std::vector<Column>& Columns() { return columns_; }
    std::int32_t Used() const { return static_cast<std::int32_t>(columns_.size()); }

    // Accidentals where the score needs them to sound the pitch the file
    // names, which takes the whole part read in order, as the calculator does.
    void FinishPitches() {
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

private:
    // A column for a main symbol: the one its id names, when that keeps the
    // order, else the next free one.
    Column* MainColumn(const IdInfo& id) {
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
    Column* AttachedColumn(const IdInfo& id, std::int32_t fallback) {
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

    Column& At(std::int32_t c) {
        if (c >= Used()) columns_.resize(static_cast<std::size_t>(c) + 1);
        return columns_[static_cast<std::size_t>(c)];
    }

    static bool FirstStaff(pugi::xml_node node, const char* child = "staff") {
        const pugi::xml_node staff = node.child(child);
        return !staff || Text(staff) == "1";
    }

    void Measure(pugi::xml_node measure, bool last) {
        measureStart_ = Used();
        bool closed = false;
        for (pugi::xml_node n : measure.children()) {
            const std::string_view name = n.name();
            if (name == "attributes") {
                Attributes(n);
            } else if (name == "note") {
                Note(n);
            } else if (name == "direction") {
                Direction(n);
            } else if (name == "sound") {
                Sound(n);
            } else if (name == "barline") {
                closed = Barline(n) || closed;
            } else if (name == "harmony" || name == "figured-bass") {
                ++left_[kDirection];
            }
        }
        // Every measure but the last ends at a bar line, written or not.
        if (!closed && !last) {
            const std::int32_t c = lastMain_ >= measureStart_ ? lastMain_ : -1;
            if (Column* col = AttachedColumn({}, c)) {
                if (!SymbolValue(col->record, Kind::BarLine)) Put(*col, Kind::BarLine, 0);
                lastBar_ = static_cast<std::int32_t>(col - columns_.data());
            }
        }
    }

    void Attributes(pugi::xml_node a) {
        if (auto d = Integer(Text(a.child("divisions"))); d && *d > 0) divisions_ = *d;
        // The editor's habit: clef, then key, then time.
        for (pugi::xml_node clef : a.children("clef")) {
            if (clef.attribute("number") &&
                std::string_view(clef.attribute("number").value()) != "1")
                continue;
            const std::string_view sign = Text(clef.child("sign"));
            const auto line = Integer(Text(clef.child("line")));
            std::optional<std::uint8_t> code;
            if (sign == "G" && (!line || *line == 2)) code = ClefCode::G;
            if (sign == "F" && (!line || *line == 4)) code = ClefCode::F;
            if (sign == "C" && line == 3) code = ClefCode::CAlto;
            if (sign == "C" && line == 4) code = ClefCode::CTenor;
            if (!code || clef.child("clef-octave-change")) {
                ++left_[kSign];
                continue;
            }
            if (Column* c = MainColumn(ParseId(clef.attribute("id").value()))) {
                c->record.Syurui[0] = Kind::Clef;
                c->record.Atai[0] = *code;
                clef_ = *code;
            }
        }
        for (pugi::xml_node key : a.children("key")) {
            if (key.attribute("number") && std::string_view(key.attribute("number").value()) != "1")
                continue;
            const auto fifths = Integer(Text(key.child("fifths")));
            const auto code = fifths ? KeyOfFifths(static_cast<int>(*fifths)) : std::nullopt;
            if (!code) {
                ++left_[kSign];
                continue;
            }
            if (Column* c = MainColumn(ParseId(key.attribute("id").value()))) {
                c->record.Syurui[0] = Kind::KeySignature;
                c->record.Atai[0] = *code;
            }
        }
        for (pugi::xml_node time : a.children("time")) {
            if (time.attribute("number") &&
                std::string_view(time.attribute("number").value()) != "1")
                continue;
            const auto beats = Integer(Text(time.child("beats")));
            const auto beatType = Integer(Text(time.child("beat-type")));
            int d = -1;
            for (int e = 0; e <= 7 && beatType; ++e)
                if (*beatType == (1L << e)) d = e;
            if (!beats || *beats < 1 || *beats > 32 || d < 0 || time.child("senza-misura") ||
                std::next(time.children("beats").begin()) != time.children("beats").end()) {
                ++left_[kSign];
                continue;
            }
            if (Column* c = MainColumn(ParseId(time.attribute("id").value()))) {
                c->record.Syurui[0] = Kind::TimeSignature;
                c->record.Atai[0] = EncodeTimeSignature(static_cast<int>(*beats), d);
            }
        }
    }

    // The children of a note, found in one pass: a score of many thousand
    // notes is read in well under a second.
    struct NoteParts {
        pugi::xml_node pitch, type, duration, accidental, beam;
        std::string_view voice = "1", staff = "1";
        bool chord = false, grace = false, rest = false, tuplet = false, tie = false;
        int dots = 0, lyrics = 0;
        std::vector<pugi::xml_node> notations;
    };

    static NoteParts Parts(pugi::xml_node n) {
        NoteParts p;
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
            } else if (name == "chord") {
                p.chord = true;
            } else if (name == "accidental") {
                p.accidental = x;
            } else if (name == "staff") {
                p.staff = Text(x);
            } else if (name == "notations") {
                p.notations.push_back(x);
                for (pugi::xml_node t : x.children("tied"))
                    p.tie = p.tie || std::string_view(t.attribute("type").value()) == "start";
            } else if (name == "lyric") {
                ++p.lyrics;
            } else if (name == "grace" || name == "cue") {
                p.grace = true;
            } else if (name == "time-modification") {
                p.tuplet = true;
            }
        }
        if (p.voice.empty()) p.voice = "1";
        return p;
    }

    void Note(pugi::xml_node n) {
        const NoteParts parts = Parts(n);
        if (parts.grace) {
            ++left_[kGrace];
            return;
        }
        if (parts.staff != "1") {
            ++left_[kStaff];
            return;
        }
        if (voice_.empty()) voice_ = parts.voice;
        if (parts.voice != voice_) {
            ++left_[kVoice];
            return;
        }
        const pugi::xml_node pitch = parts.pitch;
        const bool rest = parts.rest;
        if (!rest && !pitch) { // unpitched notes have no place on this staff
            ++left_[kPitch];
            return;
        }
        int step = 0;
        double alter = 0;
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
            if (l == std::string_view::npos || !octave || *octave < -20 || *octave > 30) {
                ++left_[kPitch];
                return;
            }
            step = StepOfPitch({static_cast<int>(l), static_cast<int>(*octave)});
            if (!alterText.empty()) alter = Decimal(alterText).value_or(0);
            if (alter != std::round(alter) || std::abs(alter) > 2) {
                ++left_[kNotation];
                alter = std::clamp(std::round(alter), -2.0, 2.0);
            }
        }
        const int staffPosition = step + ClefShift(clef_);
        if (pitch &&
            (staffPosition < StaffPosition::Lowest || staffPosition > StaffPosition::Highest)) {
            ++left_[kPitch];
            return;
        }
        if (parts.chord) {
            Chord(parts, staffPosition, static_cast<int>(alter));
            return;
        }
        Column* c = MainColumn(ParseId(n.attribute("id").value()));
        if (!c) return;
        Length length = NoteLength(parts);
        c->record.Syurui[0] = rest ? Kind::Rest : length.code;
        c->record.Atai[0] = rest ? length.code : static_cast<std::uint8_t>(staffPosition);
        c->pitched = !rest;
        c->alter = static_cast<std::int8_t>(alter);
        if (length.dot) Add(*c, Kind::Dot, MarkPresent);
        if (parts.tie && !rest) Add(*c, Kind::Tie, MarkPresent);
        const std::string_view beam = Text(parts.beam);
        if (beam == "begin" || beam == "continue") Add(*c, Kind::Beam, MarkPresent);
        if (pitch && parts.accidental) {
            if (auto code = AccidentalCodeOf(Text(parts.accidental)))
                Add(*c, Kind::Accidental, *code);
            else
                ++left_[kNotation];
        }
        if (pendingDynamics_) {
            Put(*c, Kind::Dynamics, *pendingDynamics_);
            pendingDynamics_.reset();
        }
        CountDropped(parts);
    }

    void Chord(const NoteParts& parts, int staffPosition, int alter) {
        if (lastMain_ < 0) return;
        Column& c = columns_[static_cast<std::size_t>(lastMain_)];
        if (!c.chordCounted) {
            ++left_[kChord];
            c.chordCounted = true;
        }
        CountDropped(parts);
        if (!c.pitched || !IsNote(c.record.Syurui[0])) return;
        const int here = NaturalMidi(c.record.Atai[0] - ClefShift(clef_)) + c.alter;
        const int there = NaturalMidi(staffPosition - ClefShift(clef_)) + alter;
        if (there <= here) return;
        c.record.Atai[0] = static_cast<std::uint8_t>(staffPosition);
        c.alter = static_cast<std::int8_t>(alter);
        Remove(c, Kind::Accidental);
        if (auto code = AccidentalCodeOf(Text(parts.accidental))) Add(c, Kind::Accidental, *code);
    }

    Length NoteLength(const NoteParts& parts) {
        if (parts.tuplet) ++left_[kTuplet];
        const std::string_view type = Text(parts.type);
        if (auto code = LengthCodeOfType(type)) {
            if (parts.dots > 1) ++left_[kLength];
            return {*code, parts.dots > 0};
        }
        if (!type.empty()) {
            ++left_[kLength];
            const bool longer = type == "breve" || type == "long" || type == "maxima";
            return {longer ? LengthCode::Whole : LengthCode::SixtyFourth, false};
        }
        // No type (a whole-measure rest, say): the length the duration gives.
        const auto duration = Integer(Text(parts.duration));
        bool exact = false;
        const std::int64_t ticks = duration && *duration > 0 ? *duration * 256 / divisions_ : 256;
        const Length l = LengthOfTicks(std::min<std::int64_t>(ticks, 1 << 20), exact);
        if (!exact && !parts.tuplet) ++left_[kLength];
        return l;
    }

    void CountDropped(const NoteParts& parts) {
        left_[kLyric] += parts.lyrics;
        for (pugi::xml_node notations : parts.notations) {
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

    void Direction(pugi::xml_node d) {
        if (!FirstStaff(d)) {
            ++left_[kDirection];
            return;
        }
        const IdInfo id = ParseId(d.attribute("id").value());
        if (pugi::xml_node sound = d.child("sound")) Sound(sound);
        for (pugi::xml_node type : d.children("direction-type")) {
            for (pugi::xml_node x : type.children()) {
                const std::string_view name = x.name();
                if (name == "dynamics") {
                    const auto code = DynamicsCodeOf(x.first_child().name());
                    if (!code) {
                        ++left_[kDirection];
                    } else if (id.column) {
                        if (Column* c = AttachedColumn(id, -1)) Put(*c, Kind::Dynamics, *code);
                    } else {
                        // Marks stand before the note they belong to.
                        pendingDynamics_ = *code;
                    }
                } else if (name == "words") {
                    Words(d, x, id);
                } else if (name == "metronome") {
                    Metronome(x);
                } else {
                    ++left_[kDirection];
                }
            }
        }
    }

    void Words(pugi::xml_node direction, pugi::xml_node words, const IdInfo& id) {
        const std::string_view text = Text(words);
        const pugi::xml_node sound = direction.child("sound");
        std::optional<std::uint8_t> code;
        if (text == "D.C." || text == "D. C." || text == "D.C. al Fine")
            code = RepeatWordCode::DC;
        else if (text == "Da Capo" || text == "Da Capo al Fine")
            code = RepeatWordCode::DaCapo;
        else if (text == "Fine")
            code = RepeatWordCode::Fine;
        else if (text.empty() && !id.column)
            return;
        else if (!text.empty() && sound.attribute("dacapo"))
            code = RepeatWordCode::DC;
        else if (!text.empty() && sound.attribute("fine"))
            code = RepeatWordCode::Fine;
        if (text.empty()) { // an empty carrier of our own for symbols no element shows
            AttachedColumn(id, -1);
            return;
        }
        if (!code) {
            ++left_[kWords];
            return;
        }
        // Repeat words follow the note they end with.
        if (Column* c = AttachedColumn(id, std::max(lastMain_, 0)))
            Put(*c, Kind::RepeatWord, *code);
    }

    void Metronome(pugi::xml_node m) {
        const auto perMinute = Decimal(Text(m.child("per-minute")));
        const auto unit = LengthCodeOfType(Text(m.child("beat-unit")));
        if (tempo_ || !perMinute || !unit) return;
        double quarters = 4.0 / (1 << (*unit - 1));
        if (m.child("beat-unit-dot")) quarters *= 1.5;
        tempo_ = *perMinute * quarters;
    }

    void Sound(pugi::xml_node sound) {
        if (tempo_ || !sound.attribute("tempo")) return;
        if (auto t = Decimal(sound.attribute("tempo").value())) tempo_ = *t;
    }

    // True when it ends the measure.
    bool Barline(pugi::xml_node b) {
        const IdInfo id = ParseId(b.attribute("id").value());
        const std::string_view location =
            b.attribute("location") ? b.attribute("location").value() : "right";
        const std::string_view repeat = b.child("repeat").attribute("direction").value();
        const std::string_view style = Text(b.child("bar-style"));
        // Volta brackets, segno and coda signs have no symbol here.
        if (std::string_view(b.child("ending").attribute("type").value()) == "start" ||
            b.child("segno") || b.child("coda"))
            ++left_[kDirection];
        std::uint8_t code = BarLineCode::Single;
        if (repeat == "backward")
            code = BarLineCode::RepeatEnd;
        else if (style == "light-light" || style == "heavy-heavy")
            code = BarLineCode::Double;
        else if (style == "light-heavy")
            code = BarLineCode::Final;
        if (repeat == "forward") {
            // A repeat start belongs to the bar line before the measure.
            if (!id.column && (lastBar_ < 0 || lastBar_ >= Used())) return false;
            if (Column* c = AttachedColumn(id, lastBar_)) {
                const auto old = SymbolValue(c->record, Kind::BarLine);
                Put(*c, Kind::BarLine,
                    old == BarLineCode::RepeatEnd ? BarLineCode::RepeatBoth
                                                  : BarLineCode::RepeatStart);
            }
            return false;
        }
        if (location != "right") {
            // Ours: a bar line that opens a measure in which nothing sounded yet.
            if (location == "left" && id.column)
                if (Column* c = AttachedColumn(id, -1)) Put(*c, Kind::BarLine, code);
            return false;
        }
        const bool onLast =
            lastMain_ >= measureStart_ && lastMain_ >= 0 &&
            !SymbolValue(columns_[static_cast<std::size_t>(lastMain_)].record, Kind::BarLine);
        if (Column* c = AttachedColumn(id, onLast ? lastMain_ : -1)) {
            Put(*c, Kind::BarLine, code);
            lastBar_ = static_cast<std::int32_t>(c - columns_.data());
        }
        return true;
    }

    Counts& left_;
    std::optional<double>& tempo_;
    std::vector<Column> columns_;
    std::int32_t lastMain_ = -1;
    std::int32_t lastBar_ = -1;
    std::int32_t measureStart_ = 0;
    long divisions_ = 1;
    std::uint8_t clef_ = ClefCode::G;
    std::string voice_;
    std::optional<std::uint8_t> pendingDynamics_;
};

std::string Summary(const Counts& left) {
    std::string text;
    for (int i = 0; i < kLeftCount; ++i) {
        if (!left[static_cast<std::size_t>(i)]) continue;
        std::string line = kLeftTexts[static_cast<std::size_t>(i)];
        line.replace(line.find("{}"), 2, std::to_string(left[static_cast<std::size_t>(i)]));
        text += "\n" + line + "。";
    }
    return text.empty() ? text
                        : "この楽譜に書けないものは、読み込むときに次のとおり省きました。" + text;
}

// The score as the children of the root come in.
class ScoreBuilder final : public ScoreChildren {
public:
    bool Wants(std::string_view name) override {
        if (name == "part" && parts_.size() == MaxParts) {
            ++left_[kParts]; // not even parsed
            return false;
        }
        return name == "part" || name == "part-list" || name == "identification";
    }

    void Child(pugi::xml_node node) override {
        const std::string_view name = node.name();
        if (name == "part-list") {
            for (pugi::xml_node sp : node.children("score-part")) {
                const auto program =
                    Integer(Text(sp.child("midi-instrument").child("midi-program")));
                if (program && *program >= 1 && *program <= 128)
                    programs_[sp.attribute("id").value()] = static_cast<std::uint8_t>(*program - 1);
            }
        } else if (name == "identification") {
            const pugi::xml_node stored =
                node.child("miscellaneous")
                    .find_child_by_attribute("miscellaneous-field", "name", "sorn-length");
            if (auto l = Integer(Text(stored)); l && *l >= 0 && *l <= MaxLength)
                storedLength_ = static_cast<std::int32_t>(*l);
        } else if (name == "part" && Wants(name)) {
            PartReader reader(left_, tempo_);
            reader.Read(node);
            reader.FinishPitches();
            length_ = std::max(length_, reader.Used() - 1);
            parts_.push_back(std::move(reader.Columns()));
            partIds_.emplace_back(node.attribute("id").value());
        }
    }

    bool HasParts() const override { return !parts_.empty() || left_[kParts]; }

    // Puts the score together in doc, a fresh document.
    ImportOutcome Finish(SornData& doc) {
        const std::int32_t length = std::max(length_, storedLength_);
        doc.FileNew();
        doc.SetLength(length);
        // Files without a tempo play at 120, as other programs play them.
        const double speed = tempo_.value_or(120);
        doc.SetSpeed(static_cast<std::int16_t>(std::clamp(std::lround(speed), 1L, 32767L)));
        // Each part is made only once the one before has left its columns:
        // the longest score is not held twice.
        for (std::size_t p = 0; p < parts_.size(); ++p) {
            if (p > 0) doc.AddPart();
            const auto part = static_cast<std::uint8_t>(p);
            auto program = programs_.find(partIds_[p]);
            doc.SetInstrumentNumber(
                part, std::to_string(program == programs_.end() ? 0 : program->second));
            for (std::size_t i = 0; i < parts_[p].size(); ++i) {
                const PositionRecord& r = parts_[p][i].record;
                for (int k = 0; k < SlotCount; ++k)
                    if (r.Syurui[k] != Kind::Empty)
                        doc.SetGData1(part, static_cast<std::int32_t>(i),
                                      static_cast<std::int16_t>(k), r.Syurui[k], r.Atai[k]);
            }
            std::vector<Column>().swap(parts_[p]);
        }
        return {ImportStatus::Imported, Summary(left_)};
    }

private:
    std::map<std::string, std::uint8_t, std::less<>> programs_;
    Counts left_{};
    std::optional<double> tempo_;
    std::vector<std::vector<Column>> parts_;
    std::vector<std::string> partIds_;
    std::int32_t length_ = MinLength;
    std::int32_t storedLength_ = MinLength;
};

// The file read into imported (a fresh document), or why it was refused.
ImportOutcome Import(const ReadSome& read, SornData& imported) {
    ScoreBuilder builder;
    ImportOutcome outcome = ReadMusicXml(read, builder);
    if (outcome.status != ImportStatus::Imported) return outcome;
    try {
        return builder.Finish(imported);
    } catch (const std::bad_alloc&) {
        return OutOfMemory();
    }
}

} // namespace

ImportOutcome ImportMusicXml(std::string_view bytes, SornData& doc) {
    const ReadSome read = [&](char* out, std::size_t n) {
        n = std::min(n, bytes.size());
        std::memcpy(out, bytes.data(), n);
        bytes.remove_prefix(n);
        return static_cast<std::ptrdiff_t>(n);
    };
    SornData imported;
    ImportOutcome outcome = Import(read, imported);
    if (outcome.status == ImportStatus::Imported) doc.TakeScore(std::move(imported));
    return outcome;
}

bool IsMusicXmlName(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return false;
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".musicxml" || ext == ".xml" || ext == ".mxl";
}

OpenResult OpenMusicXml(SornData& doc, const std::string& path, MessageBoxes& boxes,
                        std::error_code* error) {
    // The guarded way scores are opened: a FIFO or a terminal that stays
    // silent is given up after a while, and the text is read as it comes.
    std::error_code ec;
    bool stream = false;
    UniqueFd fd(OpenGuarded(path, stream, ec));
    if (!fd) {
        if (error) *error = ec;
        return OpenResult::Failed;
    }
    const ReadSome read = [&](char* out, std::size_t n) -> std::ptrdiff_t {
        for (;;) {
            const ssize_t got = ::read(fd.get(), out, n);
            if (got >= 0) return got;
            if (errno == EINTR) continue;
            ec = {errno, std::generic_category()};
            return -1;
        }
    };
    SornData imported;
    const ImportOutcome outcome = Import(read, imported);
    if (ec) {
        if (error) *error = ec;
        return OpenResult::Failed;
    }
    if (outcome.status != ImportStatus::Imported) {
        boxes.Show(outcome.message + "\n" + path, MsgButtons::Ok, MsgIcon::Warning);
        return OpenResult::Refused;
    }
    doc.TakeScore(std::move(imported));
    if (!outcome.message.empty()) boxes.Show(outcome.message, MsgButtons::Ok, MsgIcon::None);
    return OpenResult::Opened;
}

} // namespace sorn

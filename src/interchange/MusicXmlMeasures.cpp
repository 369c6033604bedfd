#include "interchange/MusicXmlMeasures.h"

#include "interchange/MusicXmlCommon.h"
#include "sound/SornCalculater.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace sorn::musicxml {

namespace {

constexpr std::array<const char*, kLeftCount> kLeftTexts = {
    "和音 {} か所は最上音だけを読み込みました",
    "ほかの声部の音符・休符 {} 個は読み込みませんでした",
    "2 段目以降の譜表の音符・休符 {} 個は読み込みませんでした",
    "音の高さのない打楽器の音符 {} 個は読み込みませんでした",
    "音符のない所 {} か所は休符で埋めました",
    "連符の音符・休符 {} 個は、連符全体の長さが合うように連符でない音価で読み込みました",
    "音価と長さが食い違う音符・休符 {} 個は長さに合わせた音価で読み込みました",
    "1 つの記号で書けない長さの音符・休符 {} 個はタイでつないだ音符や複数の休符にしました",
    "この楽譜にない長さの音符・休符 {} 個は近い長さで読み込みました",
    "装飾音符 {} 個は読み込みませんでした",
    "歌詞 {} 個は読み込みませんでした",
    "スラー {} 個は読み込みませんでした",
    "アーティキュレーション {} 個は読み込みませんでした",
    "その他の音符の記号 {} 個は読み込みませんでした",
    "三重シャープ・三重フラットなどの音符 {} 個は同じ高さの別の音名で読み込みました",
    "微分音の音符 {} 個は近い半音の高さで読み込みました",
    "文字 {} 個は読み込みませんでした",
    "クレッシェンド・デクレッシェンドの記号 {} 個は読み込みませんでした",
    "コードネーム {} 個は読み込みませんでした",
    "sf・fp などの強弱記号 {} 個は読み込みませんでした",
    "ペダル記号 {} 個は読み込みませんでした",
    "8va などのオクターブ記号 {} 個は読み込まず、音符を実際の高さで書きました",
    "その他の指示 {} 個は読み込みませんでした",
    "移調楽器のパート {} 個は実音の高さで読み込みました",
    "1 番・2 番かっこや回数の指定のある繰り返し {} か所は、演奏する順に書き出しました",
    "途中で変わる速さの指定 {} 個は読み込まず、最初の速さで通しました",
    "この楽譜にない速さの指定 {} 個は近い速さにしました",
    "譜表に書けない高さの音符 {} 個は読み込みませんでした",
    "この楽譜にない音部記号・調号・拍子記号 {} 個は読み込みませんでした",
    "257 番目以降のパート {} 個は読み込みませんでした",
    "32767 より後ろの位置の記号 {} 個は読み込みませんでした",
};

// Divisions of a quarter beyond this are read as this many; together with
// the longest duration they keep every position far inside 64 bits.
constexpr long kMaxDivisions = 1L << 24;
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
std::vector<std::int32_t> Split(std::int64_t ticks) {
    std::vector<std::int32_t> out;
    while (ticks > 0) {
        for (std::int32_t l : kSingle) {
            const std::int64_t rest = ticks - l;
            if (rest == 0 || rest >= kShortest) {
                out.push_back(l);
                ticks = rest;
                break;
            }
        }
    }
    return out;
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

bool FirstStaff(pugi::xml_node node, const char* child = "staff") {
    const pugi::xml_node staff = node.child(child);
    return !staff || Text(staff) == "1";
}

int FloorMod(int a, int b) {
    return a - FloorDiv(a, b) * b;
}

// "1", "1, 2", "1 2": the passes an ending is played on.
std::vector<int> EndingNumbers(std::string_view text) {
    std::vector<int> out;
    while (!text.empty()) {
        const std::size_t cut = text.find_first_of(", ");
        if (auto n = Integer(text.substr(0, cut)); n && *n >= 1 && *n <= 16)
            out.push_back(static_cast<int>(*n));
        text = cut == std::string_view::npos ? std::string_view{} : text.substr(cut + 1);
    }
    return out;
}

} // namespace

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

void Tempo::Met(double perMinute, Counts& left) {
    if (perMinute < 1 || perMinute > 32767) {
        ++left[kTempoRange];
        perMinute = std::clamp(perMinute, 1.0, 32767.0);
    }
    if (!first)
        first = perMinute;
    else if (std::abs(perMinute - *first) >= 0.5)
        ++left[kTempo];
}

std::vector<PlayedMeasure> PlayOrder(pugi::xml_node score, Counts& left) {
    // Repeat marks by measure number in the part, gathered over all parts.
    struct Marks {
        bool forward = false, backward = false;
        int times = 0;
        std::vector<int> ending;
    };
    std::vector<Marks> marks;
    for (pugi::xml_node part : score.children("part")) {
        std::size_t i = 0;
        std::vector<int> open;
        for (pugi::xml_node m : part.children("measure")) {
            if (marks.size() <= i) marks.resize(i + 1);
            Marks& k = marks[i++];
            bool stop = false;
            for (pugi::xml_node b : m.children("barline")) {
                const pugi::xml_node repeat = b.child("repeat");
                const std::string_view direction = repeat.attribute("direction").value();
                k.forward = k.forward || direction == "forward";
                if (direction == "backward") {
                    k.backward = true;
                    if (auto t = Integer(repeat.attribute("times").value()); t && *t > 1)
                        k.times = static_cast<int>(std::min(*t, 16L));
                }
                const pugi::xml_node ending = b.child("ending");
                const std::string_view type = ending.attribute("type").value();
                if (type == "start") open = EndingNumbers(ending.attribute("number").value());
                if (type == "stop" || type == "discontinue") stop = true;
            }
            for (int n : open)
                if (std::find(k.ending.begin(), k.ending.end(), n) == k.ending.end())
                    k.ending.push_back(n);
            if (stop) open.clear();
        }
    }
    const std::size_t n = marks.size();
    std::vector<PlayedMeasure> order;
    std::vector<bool> unfolded(n, false);
    // Only a section with an ending or more than two passes is written
    // out; plain repeats stay repeat bar lines, which the score plays itself.
    std::size_t start = 0, i = 0;
    int pass = 1, sections = 0;
    bool back = false;
    while (i < n && order.size() < 16 * n) {
        const Marks& k = marks[i];
        if (k.forward && !back) {
            start = i;
            pass = 1;
        }
        back = false;
        const bool playsNow = k.ending.empty() || pass == 1 ||
                              std::find(k.ending.begin(), k.ending.end(), pass) != k.ending.end();
        if (!playsNow) {
            ++i;
            continue;
        }
        order.push_back({i, false});
        if (k.backward) {
            std::size_t after = i + 1;
            while (after < n && !marks[after].ending.empty())
                ++after;
            int passes = 0;
            bool withEnding = false;
            for (std::size_t q = start; q < after; ++q)
                for (int e : marks[q].ending) {
                    withEnding = true;
                    passes = std::max(passes, e);
                }
            // The score's own repeat plays twice; more passes are written out too.
            if (withEnding || k.times > 2) {
                for (std::size_t q = start; q < after; ++q)
                    unfolded[q] = true;
                passes = k.times ? k.times : std::max(2, passes);
                if (pass < passes) {
                    if (pass == 1) ++sections;
                    ++pass;
                    i = start;
                    back = true;
                    continue;
                }
            }
        }
        if (!k.ending.empty() && (i + 1 >= n || marks[i + 1].ending.empty())) {
            start = i + 1;
            pass = 1;
        }
        ++i;
    }
    for (PlayedMeasure& m : order)
        m.unfolded = unfolded[m.index];
    left[kVolta] += sections;
    return order;
}

// The children of a note, found in one pass: a score of many thousand
// notes is read in well under a second.
struct PartReader::NoteParts {
    pugi::xml_node pitch, type, duration, accidental, beam;
    std::string_view voice = "1", staff = "1";
    bool chord = false, grace = false, cue = false, rest = false, measureRest = false,
         unpitched = false, tuplet = false, tie = false;
    int dots = 0, lyrics = 0;
    std::vector<pugi::xml_node> notations;
};

struct PartReader::Timed {
    NoteParts parts;
    std::int64_t start = 0, duration = 0;
    bool chord = false; // sounds with the note before it
};

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
            p.notations.push_back(x);
            for (pugi::xml_node t : x.children("tied")) {
                const std::string_view type = t.attribute("type").value();
                p.tie = p.tie || type == "start" || type == "continue";
            }
        } else if (name == "lyric") {
            ++p.lyrics;
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
    const std::vector<Timed> timed = Timing(measure, end);
    const std::optional<std::string_view> voice = KeptVoice(timed);
    std::size_t next = 0;
    bool closed = false;
    for (pugi::xml_node n : measure.children()) {
        const std::string_view name = n.name();
        if (name == "attributes") {
            Attributes(n);
        } else if (name == "note") {
            if (next < timed.size()) Note(n, timed[next++], voice);
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
// divisions from the start of the measure, following backup and forward;
// end is as far as anything in the measure reaches.
std::vector<PartReader::Timed> PartReader::Timing(pugi::xml_node measure, std::int64_t& end) {
    std::vector<Timed> out;
    long divisions = divisions_;
    std::int64_t cursor = 0;
    end = 0;
    std::optional<std::int64_t> chordStart;
    auto durationOf = [&](pugi::xml_node x) -> std::optional<std::int64_t> {
        const auto d = Integer(Text(x.child("duration")));
        if (!d || *d < 0) return std::nullopt;
        if (*d <= kMaxWholes * 4 * divisions) return *d;
        ++left_[kLength];
        return kMaxWholes * 4 * divisions;
    };
    const std::int64_t farthest = 4 * kMaxWholes * 4 * kMaxDivisions;
    for (pugi::xml_node x : measure.children()) {
        const std::string_view name = x.name();
        if (name == "attributes") {
            if (auto d = Integer(Text(x.child("divisions"))); d && *d > 0)
                divisions = std::min(*d, kMaxDivisions);
        } else if (name == "backup" || name == "forward") {
            const std::int64_t d = durationOf(x).value_or(0);
            cursor = name == "backup" ? std::max<std::int64_t>(cursor - d, 0)
                                      : std::min(cursor + d, farthest);
            end = std::max(end, cursor);
            chordStart.reset();
        } else if (name == "note") {
            Timed t;
            t.parts = Parts(x);
            t.start = cursor;
            if (t.parts.grace) {
                out.push_back(std::move(t));
                continue;
            }
            if (auto d = durationOf(x)) {
                t.duration = *d;
            } else if (auto ticks = TypeTicks(Text(t.parts.type), t.parts.dots)) {
                t.duration = *ticks * divisions / 256;
            }
            // A chord note without a note before it stands on its own.
            t.chord = t.parts.chord && chordStart;
            if (t.chord) {
                t.start = *chordStart;
            } else {
                chordStart = cursor;
                cursor = std::min(cursor + t.duration, farthest);
            }
            end = std::max(end, cursor);
            out.push_back(std::move(t));
        }
    }
    return out;
}

// The voice of the first staff this bar keeps: the one kept before while it
// has notes here, else the first that has notes, else the first with rests.
std::optional<std::string_view> PartReader::KeptVoice(const std::vector<Timed>& timed) const {
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
    if (previousNotes) return std::string_view(voice_);
    if (firstNotes) return firstNotes;
    if (previousHere) return std::string_view(voice_);
    return firstAny;
}

void PartReader::Attributes(pugi::xml_node a) {
    if (auto d = Integer(Text(a.child("divisions"))); d && *d > 0)
        divisions_ = std::min(*d, kMaxDivisions);
    // Written pitches of a transposing instrument are stored as they sound.
    for (pugi::xml_node t : a.children("transpose")) {
        if (t.attribute("number") && std::string_view(t.attribute("number").value()) != "1")
            continue;
        auto part = [&](const char* name, long limit) {
            return static_cast<int>(
                std::clamp(Integer(Text(t.child(name))).value_or(0), -limit, limit));
        };
        const int octaves = part("octave-change", 4);
        transpose_ = {part("diatonic", 28) + 7 * octaves, part("chromatic", 48) + 12 * octaves};
        if ((transpose_.diatonic || transpose_.chromatic) && !transposeCounted_) {
            ++left_[kTranspose];
            transposeCounted_ = true;
        }
    }
    // The editor's habit: clef, then key, then time.
    for (pugi::xml_node clef : a.children("clef")) {
        if (clef.attribute("number") && std::string_view(clef.attribute("number").value()) != "1")
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
        if (Sign(clef, Kind::Clef, *code)) clef_ = *code;
    }
    for (pugi::xml_node key : a.children("key")) {
        if (key.attribute("number") && std::string_view(key.attribute("number").value()) != "1")
            continue;
        const auto fifths = Integer(Text(key.child("fifths")));
        std::optional<std::uint8_t> code;
        if (fifths && *fifths >= -7 && *fifths <= 7) {
            // The key moves by the interval's fifths; past seven it is the
            // same key spelled the other way round.
            static constexpr std::array<int, 7> letterFifths = {0, 2, 4, -1, 1, 3, 5};
            static constexpr std::array<int, 7> letterSemitones = {0, 2, 4, 5, 7, 9, 11};
            const int d = transpose_.diatonic;
            const auto letter = static_cast<std::size_t>(FloorMod(d, 7));
            const int alter =
                transpose_.chromatic - (letterSemitones[letter] + 12 * FloorDiv(d, 7));
            int concert = static_cast<int>(*fifths) + letterFifths[letter] + 7 * alter;
            if (concert > 7) concert -= 12;
            if (concert < -7) concert += 12;
            code = KeyOfFifths(concert);
        }
        if (!code) {
            ++left_[kSign];
            continue;
        }
        Sign(key, Kind::KeySignature, *code);
    }
    for (pugi::xml_node time : a.children("time")) {
        if (time.attribute("number") && std::string_view(time.attribute("number").value()) != "1")
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
        Sign(time, Kind::TimeSignature, EncodeTimeSignature(static_cast<int>(*beats), d));
    }
}

// A clef, key or time another program states again unchanged (at a line's
// start, say) takes no column: between tied notes it would end the tie.
// Ours are kept where their ids put them.
bool PartReader::Sign(pugi::xml_node element, std::uint8_t kind, std::uint8_t value) {
    const IdInfo id = ParseId(element.attribute("id").value());
    const std::size_t which = kind == Kind::Clef ? 0 : kind == Kind::KeySignature ? 1 : 2;
    if (!id.column && signs_[which] == value) return false;
    Column* c = MainColumn(id);
    if (!c) return false;
    c->record.Syurui[0] = kind;
    c->record.Atai[0] = value;
    signs_[which] = value;
    return true;
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

void PartReader::Note(pugi::xml_node n, const Timed& t, std::optional<std::string_view> voice) {
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
    voice_ = parts.voice;
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
    std::vector<std::int32_t> lengths;
    Left changed = kLeftCount;
    if (!onGrid) {
        lengths = {
            Nearest(static_cast<double>(numerator) / divisions_ - static_cast<double>(written_))};
        changed = tuplet ? kTuplet : kLength;
    } else if (ticks - written_ < kShortest) {
        lengths = {kShortest};
        changed = kLength;
    } else {
        lengths = Split(ticks - written_);
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

void PartReader::Direction(pugi::xml_node d) {
    const bool here = FirstStaff(d);
    const IdInfo id = ParseId(d.attribute("id").value());
    // One tempo per direction: the sound's, else the metronome's.
    std::optional<double> tempo;
    if (auto t = Decimal(d.child("sound").attribute("tempo").value())) tempo = *t;
    for (pugi::xml_node type : d.children("direction-type")) {
        for (pugi::xml_node x : type.children()) {
            const std::string_view name = x.name();
            const std::string_view kind = x.attribute("type").value();
            if (name == "metronome") {
                if (!tempo) tempo = Metronome(x);
            } else if (name == "wedge") {
                if (kind != "stop" && kind != "continue") ++left_[kHairpin];
            } else if (name == "pedal") {
                if (kind != "stop" && kind != "continue") ++left_[kPedal];
            } else if (name == "octave-shift") {
                if (kind != "stop" && kind != "continue") ++left_[kOctaveShift];
            } else if (!here) {
                ++left_[name == "words" ? kWords : kDirection];
            } else if (name == "dynamics") {
                const auto code = DynamicsCodeOf(x.first_child().name());
                if (!code) {
                    ++left_[kAccentDynamics];
                } else if (id.column) {
                    if (Column* c = AttachedColumn(id, -1)) Put(*c, Kind::Dynamics, *code);
                } else {
                    // Marks stand before the note they belong to.
                    pendingDynamics_ = *code;
                }
            } else if (name == "words") {
                Words(d, x, id);
            } else {
                ++left_[kDirection];
            }
        }
    }
    if (tempo) tempo_.Met(*tempo, left_);
}

void PartReader::Words(pugi::xml_node direction, pugi::xml_node words, const IdInfo& id) {
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
    if (Column* c = AttachedColumn(id, std::max(lastMain_, 0))) Put(*c, Kind::RepeatWord, *code);
}

std::optional<double> PartReader::Metronome(pugi::xml_node m) const {
    const auto perMinute = Decimal(Text(m.child("per-minute")));
    const auto unit = LengthCodeOfType(Text(m.child("beat-unit")));
    if (!perMinute || !unit) return std::nullopt;
    double quarters = 4.0 / (1 << (*unit - 1));
    if (m.child("beat-unit-dot")) quarters *= 1.5;
    return *perMinute * quarters;
}

void PartReader::Sound(pugi::xml_node sound) {
    if (auto t = Decimal(sound.attribute("tempo").value())) tempo_.Met(*t, left_);
}

// True when it ends the measure.
bool PartReader::Barline(pugi::xml_node b, bool unfolded) {
    const IdInfo id = ParseId(b.attribute("id").value());
    const std::string_view location =
        b.attribute("location") ? b.attribute("location").value() : "right";
    std::string_view repeat = b.child("repeat").attribute("direction").value();
    std::string_view style = Text(b.child("bar-style"));
    // Written out, a repeat is an ordinary bar line.
    if (unfolded && !repeat.empty()) repeat = style = {};
    // Volta brackets of a section not written out, segno and coda signs
    // have no symbol here.
    if ((!unfolded && std::string_view(b.child("ending").attribute("type").value()) == "start") ||
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
                old == BarLineCode::RepeatEnd ? BarLineCode::RepeatBoth : BarLineCode::RepeatStart);
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

} // namespace sorn::musicxml

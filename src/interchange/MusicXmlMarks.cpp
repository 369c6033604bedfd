#include "interchange/MusicXmlMeasures.h"

#include "interchange/MusicXmlCommon.h"
#include "sound/SornCalculater.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

// What stands around the notes: signs, directions, bar lines, the order the
// measures play in, and the summary.

namespace sorn::musicxml {

namespace {

constexpr std::array<const char*, kLeftCount> kLeftTexts = {
    SORN_TRANSLATE_NOOP("Core", "和音 %1 か所は最上音だけを読み込みました。"),
    SORN_TRANSLATE_NOOP("Core", "ほかの声部の音符・休符 %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP("Core", "2 段目以降の譜表の音符・休符 %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP("Core", "音の高さのない打楽器の音符 %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP("Core", "音符のない所 %1 か所は休符で埋めました。"),
    SORN_TRANSLATE_NOOP(
        "Core",
        "連符の音符・休符 %1 個は、連符全体の長さが合うように連符でない音価で読み込みました。"),
    SORN_TRANSLATE_NOOP(
        "Core", "音価と長さが食い違う音符・休符 %1 個は長さに合わせた音価で読み込みました。"),
    SORN_TRANSLATE_NOOP(
        "Core",
        "1 つの記号で書けない長さの音符・休符 %1 個はタイでつないだ音符や複数の休符にしました。"),
    SORN_TRANSLATE_NOOP("Core", "この楽譜にない長さの音符・休符 %1 個は近い長さで読み込みました。"),
    SORN_TRANSLATE_NOOP("Core", "装飾音符 %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP("Core", "歌詞 %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP("Core", "6 番以降の歌詞 %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP("Core",
                        "長すぎる題名・パート名・歌詞 %1 個は、入る長さまで読み込みました。"),
    SORN_TRANSLATE_NOOP("Core", "スラー %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP("Core", "アーティキュレーション %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP("Core", "その他の音符の記号 %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP(
        "Core", "三重シャープ・三重フラットなどの音符 %1 個は同じ高さの別の音名で読み込みました。"),
    SORN_TRANSLATE_NOOP("Core", "微分音の音符 %1 個は近い半音の高さで読み込みました。"),
    SORN_TRANSLATE_NOOP("Core", "文字 %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP("Core",
                        "クレッシェンド・デクレッシェンドの記号 %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP("Core", "コードネーム %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP("Core", "sf・fp などの強弱記号 %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP("Core", "ペダル記号 %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP(
        "Core", "8va などのオクターブ記号 %1 個は読み込まず、音符を実際の高さで書きました。"),
    SORN_TRANSLATE_NOOP("Core", "その他の指示 %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP("Core", "移調楽器のパート %1 個は実音の高さで読み込みました。"),
    SORN_TRANSLATE_NOOP(
        "Core",
        "1 番・2 番かっこや回数の指定のある繰り返し %1 か所は、演奏する順に書き出しました。"),
    SORN_TRANSLATE_NOOP("Core",
                        "途中で変わる速さの指定 %1 個は読み込まず、最初の速さで通しました。"),
    SORN_TRANSLATE_NOOP("Core", "この楽譜にない速さの指定 %1 個は近い速さにしました。"),
    SORN_TRANSLATE_NOOP("Core", "譜表に書けない高さの音符 %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP("Core",
                        "この楽譜にない音部記号・調号・拍子記号 %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP("Core", "257 番目以降のパート %1 個は読み込みませんでした。"),
    SORN_TRANSLATE_NOOP("Core", "32767 より後ろの位置の記号 %1 個は読み込みませんでした。"),
};

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
    return Trim(node.child_value());
}

std::string_view Trim(std::string_view t) {
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

std::string FitText(std::string_view text, std::size_t limit, Counts& left) {
    std::string out;
    out.reserve(std::min(text.size(), limit + 4));
    for (std::size_t at = 0; at < text.size() && out.size() <= limit;) {
        if (const std::size_t n = Utf8CharBytes(text.substr(at))) {
            // What no XML text may hold is left out, as our export leaves it.
            const auto c = static_cast<unsigned char>(text[at]);
            const bool control = c < 0x20 && c != '\t' && c != '\n' && c != '\r';
            const std::string_view ch = text.substr(at, n);
            if (!control && ch != "\uFFFE" && ch != "\uFFFF") out.append(ch);
            at += n;
        } else {
            const auto c = static_cast<unsigned char>(text[at++]);
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    if (out.size() > limit) {
        std::size_t cut = limit;
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80)
            --cut;
        out.resize(cut);
        ++left[kCut];
    }
    // The ends are trimmed as every text read is, whatever was left out or cut.
    const std::string_view kept = Trim(out);
    return kept.size() == out.size() ? out : std::string(kept);
}

Message Summary(const Counts& left) {
    // Chained from the last line, a line a message, so any number of lines fit.
    Message lines;
    for (int i = kLeftCount - 1; i >= 0; --i) {
        const auto count = left[static_cast<std::size_t>(i)];
        if (!count) continue;
        Message line = CoreMessage(kLeftTexts[static_cast<std::size_t>(i)], count);
        lines = lines ? Message::Untranslated("\n%1%2", std::move(line), std::move(lines))
                      : Message::Untranslated("\n%1", std::move(line));
    }
    if (!lines) return {};
    return CoreMessage(
        SORN_TRANSLATE_NOOP("Core",
                            "この楽譜に書けないものは、読み込むときに次のとおり省きました。%1"),
        std::move(lines));
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
            auto mark = [&](pugi::xml_node b) {
                if (std::strcmp(b.name(), "barline") != 0) return;
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
            };
            // Bar lines stand before the measure's first note and after its
            // last: looking only there keeps this pass off the notes.
            auto timed = [](pugi::xml_node x) {
                const char* name = x.name();
                return !std::strcmp(name, "note") || !std::strcmp(name, "backup") ||
                       !std::strcmp(name, "forward");
            };
            pugi::xml_node front = m.first_child();
            for (; front && !timed(front); front = front.next_sibling())
                mark(front);
            if (front) {
                pugi::xml_node last = m.last_child();
                while (!timed(last)) // stops at front at the latest
                    last = last.previous_sibling();
                for (pugi::xml_node x = last.next_sibling(); x; x = x.next_sibling())
                    mark(x);
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

#include "interchange/LilyPondPart.h"

#include "model/SymbolCodes.h"
#include "sound/PartWalk.h"
#include "sound/SornCalculater.h"

#include <algorithm>
#include <array>
#include <map>
#include <numeric>

namespace sorn::lilypond {

namespace {

using musicxml::SymbolValue;

constexpr Ticks kWhole = CalcTicksPerWhole;
// Never written by the editor; the walk sounds it as a note of no length.
constexpr std::uint8_t kZeroLengthNoteKind = 8;

bool IsSign(std::uint8_t kind) {
    return kind == Kind::Empty || kind == Kind::TimeSignature || kind == Kind::Clef ||
           kind == Kind::KeySignature;
}

bool HasRepeatBar(const PositionRecord& r) {
    for (int k = 1; k < SlotCount; ++k)
        if (IsRepeatBar(r.Syurui[k], r.Atai[k])) return true;
    return false;
}

// The bar line a column shows; of several, the one that says most.
std::optional<std::uint8_t> BarLineOf(const PositionRecord& r) {
    bool any = false, end = false, start = false, final = false, twice = false;
    for (int k = 1; k < SlotCount; ++k) {
        if (r.Syurui[k] != Kind::BarLine) continue;
        const std::uint8_t v = r.Atai[k];
        any = true;
        end = end || v == BarLineCode::RepeatEnd || v == BarLineCode::RepeatBoth;
        start = start || v == BarLineCode::RepeatStart || v == BarLineCode::RepeatBoth;
        final = final || v == BarLineCode::Final;
        twice = twice || v == BarLineCode::Double;
    }
    if (!any) return std::nullopt;
    if (end && start) return BarLineCode::RepeatBoth;
    if (end) return BarLineCode::RepeatEnd;
    if (start) return BarLineCode::RepeatStart;
    if (final) return BarLineCode::Final;
    if (twice) return BarLineCode::Double;
    return BarLineCode::Single;
}

std::string_view Glyph(std::uint8_t line) {
    switch (line) {
    case BarLineCode::Double:
        return "||";
    case BarLineCode::Final:
        return "|.";
    case BarLineCode::RepeatEnd:
        return ":|.";
    case BarLineCode::RepeatStart:
        return ".|:";
    case BarLineCode::RepeatBoth:
        return ":..:";
    default:
        return "|";
    }
}

int Dots(const PositionRecord& r) {
    int dots = 0;
    for (int k = 1; k < SlotCount; ++k)
        dots += r.Syurui[k] == Kind::Dot && r.Atai[k] == MarkPresent;
    return dots;
}

std::string Ratio(Ticks p, Ticks q) {
    const Ticks g = std::gcd(p, q);
    p /= g;
    q /= g;
    return q == 1 ? std::to_string(p) : std::to_string(p) + "/" + std::to_string(q);
}

// A note value written as itself, with a dot, or as a count of the
// longest value that divides it.
std::string DurationOfTicks(Ticks ticks) {
    for (int j = 0; j <= 6; ++j) {
        const Ticks plain = kWhole >> j;
        if (ticks == plain) return std::to_string(1 << j);
        if (ticks == plain * 3 / 2) return std::to_string(1 << j) + ".";
    }
    for (int j = 0; j <= 6; ++j)
        if (ticks % (kWhole >> j) == 0)
            return std::to_string(1 << j) + "*" + std::to_string(ticks / (kWhole >> j));
    return "1*" + Ratio(ticks, kWhole);
}

// A note's written value: each dot adds half again, as the calculator
// counts it, so a second dot is written as a stretch of the dotted value.
std::string Duration(std::uint8_t code, int dots, Ticks ticks) {
    std::string text = std::to_string(1 << (code - 1));
    if (dots == 0) return text;
    const Ticks dotted = (kWhole >> (code - 1)) * 3 / 2;
    text += '.';
    if (ticks != dotted) text += "*" + Ratio(ticks, dotted);
    return text;
}

std::string PitchName(int letter, int alter) {
    std::string name(1, "cdefgab"[letter]);
    // e and a take the flat as "es" and "as".
    const bool vowel = letter == 2 || letter == 5;
    switch (alter) {
    case 2:
        return name + "isis";
    case 1:
        return name + "is";
    case -1:
        return name + (vowel ? "s" : "es");
    case -2:
        return name + (vowel ? "ses" : "eses");
    default:
        return name;
    }
}

std::string OctaveMarks(int n) {
    return n >= 0 ? std::string(static_cast<std::size_t>(n), '\'')
                  : std::string(static_cast<std::size_t>(-n), ',');
}

std::string_view ClefName(std::uint8_t code) {
    switch (code) {
    case ClefCode::F:
        return "bass";
    case ClefCode::CAlto:
        return "alto";
    case ClefCode::CTenor:
        return "tenor";
    default: // the calculator reads any other code as the G clef
        return "treble";
    }
}

std::string_view Tonic(std::uint8_t keyCode) {
    static constexpr std::array<std::string_view, 15> kTonics = {
        "ces", "ges", "des", "as", "es", "bes", "f", "c", "g", "d", "a", "e", "b", "fis", "cis"};
    return kTonics[static_cast<std::size_t>(musicxml::FifthsOfKey(keyCode) + 7)];
}

// A time signature as \time takes it; none is LilyPond's 4/4.
std::string TimeText(int code) {
    if (code < 0) return "4/4";
    const TimeSignature t = DecodeTimeSignature(static_cast<std::uint8_t>(code));
    return std::to_string(t.numerator) + "/" + std::to_string(t.denominator());
}

Ticks MeasureOf(std::uint8_t timeCode) {
    const TimeSignature t = DecodeTimeSignature(timeCode);
    return t.numerator * kWhole / t.denominator();
}

class Heard : public PartListener {
public:
    bool Rest(std::int32_t Iti, std::int32_t) override {
        at.push_back(Iti);
        return true;
    }
    bool Note(std::int32_t Iti, std::int16_t, std::uint8_t, std::int32_t, std::int32_t) override {
        at.push_back(Iti);
        return true;
    }
    std::vector<std::int32_t> at;
};

// The walk's reading of repeats and the da capo, column by column: the
// sections it plays twice, where it goes back to the start and where it
// stops after that. Returns the columns of the notes and rests it plays,
// in order, to be checked against the walk itself.
std::vector<std::int32_t> FollowJumps(PartPlan& plan) {
    using State = RepeatState;
    const auto& cols = plan.columns;
    const auto last = static_cast<std::int32_t>(cols.size()) - 1;
    auto chainEnd = [&](std::int32_t i) {
        while (plan.tiedTo[static_cast<std::size_t>(i)] >= 0)
            i = plan.tiedTo[static_cast<std::size_t>(i)];
        return i;
    };
    std::vector<std::int32_t> heard;
    State state = State::Normal;
    for (std::int32_t i = 0; i <= last;) {
        const std::uint8_t kind = cols[static_cast<std::size_t>(i)].Syurui[0];
        if (kind == Kind::Rest) {
            heard.push_back(i);
        } else if (IsNote(kind) || kind == kZeroLengthNoteKind) {
            heard.push_back(i);
            if (IsNote(kind)) i = chainEnd(i);
        }
        // A tie chain's signs are those of its last note.
        const PositionRecord& signs = cols[static_cast<std::size_t>(i)];
        if (ReadRepeatSigns(signs, state)) {
            plan.fine = i;
            break;
        }
        switch (state) {
        case State::JumpPending: {
            std::int32_t back = i - 1;
            while (back >= 0 && !HasRepeatBar(cols[static_cast<std::size_t>(back)]))
                --back;
            plan.sections.push_back({back + 1, i});
            i = back + 1;
            state = State::InRepeat;
            break;
        }
        case State::DCPending:
            plan.daCapo = i;
            i = 0;
            state = State::AfterDC;
            break;
        case State::RepeatDone:
            state = State::Normal;
            ++i;
            break;
        default:
            ++i;
            break;
        }
    }
    return heard;
}

// Beams as the screen groups them, broken where a rest of a quarter or
// more stands between two notes: LilyPond cannot lay a beam over it.
void MarkBeams(PartPlan& plan) {
    const auto& cols = plan.columns;
    const std::vector<musicxml::Beams> beams = musicxml::BeamValues(cols);
    plan.beam.assign(cols.size(), 0);
    std::vector<std::size_t> group;
    auto close = [&] {
        if (group.size() >= 2) {
            plan.beam[group.front()] = '[';
            plan.beam[group.back()] = ']';
        }
        group.clear();
    };
    bool open = false;
    for (std::size_t i = 0; i < cols.size(); ++i) {
        const std::uint8_t kind = cols[i].Syurui[0];
        if (open && kind == Kind::Rest && plan.length[i] >= kWhole / 4) close();
        if (!IsNote(kind) || !beams[i].count) continue;
        const std::string_view level = beams[i].level[0];
        if (level == "begin") {
            close();
            open = true;
        }
        if (open) group.push_back(i);
        if (level == "end") {
            close();
            open = false;
        }
    }
    close();
}

void FindBars(PartPlan& plan) {
    const auto& cols = plan.columns;
    const auto last = static_cast<std::int32_t>(cols.size()) - 1;
    plan.barOf.assign(cols.size(), 0);
    std::int32_t start = 0;
    auto close = [&](std::int32_t end, std::optional<std::uint8_t> line) {
        Bar bar;
        bar.first = start;
        bar.last = end;
        bar.start = plan.onset[static_cast<std::size_t>(start)];
        bar.length = plan.onset[static_cast<std::size_t>(end)] +
                     plan.length[static_cast<std::size_t>(end)] - bar.start;
        bar.line = line;
        for (std::int32_t k = start; k <= end; ++k)
            plan.barOf[static_cast<std::size_t>(k)] = static_cast<std::int32_t>(plan.bars.size());
        plan.bars.push_back(bar);
        start = end + 1;
    };
    std::int32_t lastTime = -1;
    for (std::int32_t i = 0; i <= last; ++i) {
        const PositionRecord& r = cols[static_cast<std::size_t>(i)];
        if (r.Syurui[0] == Kind::TimeSignature) {
            if (i > start) close(i - 1, std::nullopt);
            lastTime = i;
        }
        if (auto line = BarLineOf(r)) close(i, line);
    }
    if (start <= last) close(last, std::nullopt);

    std::optional<std::size_t> firstSounding, lastSounding;
    for (std::size_t b = 0; b < plan.bars.size(); ++b)
        if (plan.bars[b].length > 0) {
            if (!firstSounding) firstSounding = b;
            lastSounding = b;
        }
    Ticks measure = kWhole; // LilyPond's 4/4 until a time signature says otherwise
    for (std::size_t b = 0; b < plan.bars.size(); ++b) {
        Bar& bar = plan.bars[b];
        const PositionRecord& first = cols[static_cast<std::size_t>(bar.first)];
        if (first.Syurui[0] == Kind::TimeSignature) measure = MeasureOf(first.Atai[0]);
        bar.measure = measure;
        if (bar.length == 0)
            bar.fit = Fit::Empty;
        else if (b == firstSounding && b != lastSounding && bar.length < measure)
            bar.fit = Fit::Pickup;
        else if (bar.length == measure)
            bar.fit = Fit::Regular;
        else if (b == lastSounding && bar.length < measure && lastTime <= bar.last)
            bar.fit = Fit::LastShort;
        else
            bar.fit = Fit::Irregular;
    }
}

} // namespace

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += ' '; // a line break or a tab has no place in a title line
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string MomentText(Ticks ticks) {
    return Ratio(ticks, kWhole);
}

bool IsBareIdentifier(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 0x80 || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
    });
}

ExportError PlanPart(const SornData& doc, std::uint8_t part, PartPlan& plan) {
    plan = PartPlan{};
    plan.part = part;
    const std::int32_t last = doc.Length();
    const auto n = static_cast<std::size_t>(last) + 1;
    plan.columns.resize(n);
    for (std::int32_t i = 0; i <= last; ++i)
        if (const PositionRecord* r = doc.Record(part, i))
            plan.columns[static_cast<std::size_t>(i)] = *r;
    const auto& cols = plan.columns;
    const std::vector<bool> held = musicxml::TiedContinuations(cols);
    plan.tiedTo.assign(n, -1);
    plan.onset.assign(n, 0);
    plan.length.assign(n, 0);
    plan.spelling.assign(n, {});

    plan.timeBefore.assign(n + 1, -1);
    plan.replayed.assign(n, std::nullopt);
    SornCalculater calc;
    std::uint8_t clef = ClefCode::G;
    std::int32_t lastContent = -1;
    int time = -1;
    std::vector<int> octaves;
    std::vector<std::pair<std::int32_t, int>> outOfRange; // column, MIDI number
    Ticks onset = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const PositionRecord& r = cols[i];
        const std::uint8_t kind = r.Syurui[0];
        plan.onset[i] = onset;
        plan.length[i] = calc.getLengthofSound(r);
        onset += plan.length[i];
        plan.timeBefore[i] = time;
        if (kind == Kind::TimeSignature) time = r.Atai[0];
        if (kind == Kind::Clef) {
            calc.SetOnbukigou(r.Atai[0]);
            clef = r.Atai[0];
        } else if (kind == Kind::KeySignature) {
            calc.SetChogo(r.Atai[0]);
        } else if (IsNote(kind) && held[i] && lastContent >= 0) {
            // Held over from a tie: the pitch of the note it continues.
            plan.tiedTo[static_cast<std::size_t>(lastContent)] = static_cast<std::int32_t>(i);
            plan.spelling[i] = plan.spelling[static_cast<std::size_t>(lastContent)];
            plan.spelling[i].forced = false;
            const Spelling& chain = plan.spelling[i];
            const int step = r.Atai[0] - ClefShift(clef);
            const int own = calc.SoundingHeight(r);
            const int chainMidi =
                musicxml::NaturalMidi(musicxml::StepOfPitch({chain.letter, chain.octave})) +
                chain.alter;
            if (own != chainMidi) {
                const musicxml::WrittenPitch w = musicxml::PitchOfStep(step);
                plan.replayed[i] = Spelling{w.letter, own - musicxml::NaturalMidi(step), w.octave};
            }
        } else if (IsNote(kind)) {
            const int step = r.Atai[0] - ClefShift(clef);
            PositionRecord bare{};
            bare.Syurui[0] = kind;
            bare.Atai[0] = r.Atai[0];
            const int before = calc.SoundingHeight(bare) - musicxml::NaturalMidi(step);
            const int midi = calc.GetMidiHeight(r);
            if (midi < 0 || midi > 127) outOfRange.emplace_back(static_cast<std::int32_t>(i), midi);
            const musicxml::WrittenPitch written = musicxml::PitchOfStep(step);
            const int alter = midi - musicxml::NaturalMidi(step);
            const auto shown = SymbolValue(r, Kind::Accidental);
            const bool valid =
                shown && *shown >= AccidentalCode::Sharp && *shown <= AccidentalCode::DoubleFlat;
            // LilyPond shows an accidental where the bar needs one, as we
            // do; one written all the same is forced.
            plan.spelling[i] = {written.letter, alter, written.octave, valid && alter == before};
            octaves.push_back(written.octave);
        }
        if (!IsSign(kind)) lastContent = static_cast<std::int32_t>(i);
        calc.SFSyokika(r);
    }
    plan.end = onset;
    plan.timeBefore[n] = time;
    MarkBeams(plan);
    if (!octaves.empty()) {
        std::nth_element(octaves.begin(),
                         octaves.begin() + static_cast<std::ptrdiff_t>(octaves.size() / 2),
                         octaves.end());
        plan.fixedOctave = octaves[octaves.size() / 2];
    }
    for (const PositionRecord& r : cols)
        for (int k = 1; k < SlotCount; ++k)
            plan.hasFine = plan.hasFine ||
                           (r.Syurui[k] == Kind::RepeatWord && r.Atai[k] == RepeatWordCode::Fine);

    FindBars(plan);

    const std::vector<std::int32_t> heard = FollowJumps(plan);
    Heard walk;
    WalkPart(doc, part, walk);
    if (walk.at != heard) {
        plan.repeatsPlayed = false;
        plan.sections.clear();
        plan.daCapo = plan.fine = -1;
    }
    // A note LilyPond's MIDI would play must be one MIDI can hold; one that
    // is never played may stand anywhere, as in our MIDI.
    for (const auto& [column, midi] : outOfRange)
        if (!plan.repeatsPlayed || std::find(heard.begin(), heard.end(), column) != heard.end())
            return {ExportErrorNumber::NoteOutOfRange,
                    CoreMessage(SORN_TRANSLATE_NOOP("Core", "%1 の位置 %2 の音符の高さ(%3)がMIDIで"
                                                            "表せる範囲(0～127)を外れています。"),
                                PartLabel(part), column, midi)};
    auto soundsAfter = [&](std::int32_t column) {
        for (std::size_t i = static_cast<std::size_t>(column) + 1; i < n; ++i)
            if (plan.length[i] > 0) return true;
        return false;
    };
    if (plan.daCapo >= 0) {
        plan.soundsAfterDaCapo = soundsAfter(plan.daCapo);
        plan.soundsAfterFine = plan.fine >= 0 && soundsAfter(plan.fine);
    }
    return {};
}

namespace {

// The music of one part: a bar a line, repeats as volte, the music after
// the da capo and after the Fine tagged so that the played score can leave
// it out.
class MusicWriter {
public:
    MusicWriter(const PartPlan& plan, const MusicStyle& style, SharedMarks& marks, std::string& out)
        : plan_(plan), style_(style), marks_(marks), out_(out) {
        for (const Section& s : plan.sections) {
            opens_[s.first] = s.last;
            closes_.insert(s.last);
        }
        for (std::size_t i = plan.length.size(); i-- > 0;)
            if (plan.length[i] > 0) {
                lastSound_ = static_cast<std::int32_t>(i);
                break;
            }
    }

    void Write() {
        out_ += style_.name;
        out_ += " = \\fixed c";
        out_ += OctaveMarks(plan_.fixedOctave - 3);
        out_ += " {\n";
        depth_ = 1;
        Token("\\autoBeamOff \\numericTimeSignature");
        if (style_.tempo > 0) Token("\\tempo 4 = " + std::to_string(style_.tempo));
        Flush();
        const auto n = static_cast<std::int32_t>(plan_.columns.size());
        for (std::int32_t i = 0; i < n; ++i)
            Column(i);
        if (!pendingLoud_.empty()) Token("<>\\" + std::string(pendingLoud_));
        CloseTag();
        if (lastSound_ < 0) Token("s" + DurationOfTicks(std::max<Ticks>(style_.spacer, kWhole)));
        Flush();
        out_ += "}\n";
    }

private:
    void Token(std::string_view text) {
        if (!line_.empty()) line_ += ' ';
        line_ += text;
    }
    void Flush() {
        if (line_.empty()) return;
        out_.append(static_cast<std::size_t>(2 * depth_), ' ');
        out_ += line_;
        out_ += '\n';
        line_.clear();
    }
    void Line(std::string_view text) {
        Flush();
        Token(text);
        Flush();
    }

    // Key signatures at one moment: LilyPond takes only one, the last.
    bool KeyFollows(std::int32_t i) const {
        for (auto q = static_cast<std::size_t>(i) + 1; q < plan_.columns.size(); ++q) {
            if (plan_.length[q] > 0) return false;
            if (plan_.columns[q].Syurui[0] == Kind::KeySignature) return true;
        }
        return false;
    }

    std::string TagOf(std::int32_t i) const {
        const bool afterDaCapo = plan_.soundsAfterDaCapo && i > plan_.daCapo;
        const bool afterFine = plan_.soundsAfterFine && i > plan_.fine;
        if (afterDaCapo && afterFine) return "#'(afterDaCapo afterFine)";
        if (afterDaCapo) return "#'afterDaCapo";
        if (afterFine) return "#'afterFine";
        return {};
    }
    void SetTag(const std::string& tag) {
        if (tag == tag_) return;
        CloseTag();
        if (tag.empty()) return;
        Line("\\tag " + tag + " {");
        ++depth_;
        tag_ = tag;
    }
    void CloseTag() {
        if (tag_.empty()) return;
        Flush();
        --depth_;
        Line("}");
        tag_.clear();
    }

    void Column(std::int32_t i) {
        const auto at = static_cast<std::size_t>(i);
        const PositionRecord& r = plan_.columns[at];
        const std::size_t b = static_cast<std::size_t>(plan_.barOf[at]);
        const Bar& bar = plan_.bars[b];
        if (i == bar.first) Flush();
        if (auto open = opens_.find(i); open != opens_.end()) {
            // A section wholly after the da capo or the Fine is tagged whole.
            const std::string tag = TagOf(i);
            tagInside_ = tag != TagOf(open->second);
            if (tagInside_)
                CloseTag();
            else
                SetTag(tag);
            Line("\\repeat volta 2 {");
            ++depth_;
            // The second time round comes back to the time signature the
            // section starts in; the page needs no second one.
            const int before = plan_.timeBefore[at];
            const int after = plan_.timeBefore[static_cast<std::size_t>(open->second) + 1];
            if (before != after && r.Syurui[0] != Kind::TimeSignature)
                Token("\\unfolded \\time " + TimeText(before));
            replayFrom_ = i;
        }
        SetTag(TagOf(i));
        const std::uint8_t kind = r.Syurui[0];
        const auto dynamics = SymbolValue(r, Kind::Dynamics);
        std::string_view loud = dynamics ? musicxml::DynamicsName(*dynamics) : std::string_view{};
        if (kind == Kind::Clef) {
            Token("\\clef " + std::string(ClefName(r.Atai[0])));
        } else if (kind == Kind::KeySignature && !KeyFollows(i)) {
            Token("\\key " + std::string(Tonic(r.Atai[0])) + " \\major");
        } else if (kind == Kind::TimeSignature) {
            Token("\\time " + TimeText(r.Atai[0]));
        }
        if (plan_.length[at] > 0) {
            if (settled_ != b) BarSettings(b);
            BreakPoint(bar, i);
            const auto& replay = plan_.replayed[at];
            if (loud.empty()) loud = pendingLoud_;
            if (replayFrom_ >= 0 && replay && plan_.tiedTo[at] < 0) {
                // Held over the first time, a note of its own the second.
                value_.clear();
                Token("\\volta 1 " + NoteText(i, loud));
                value_.clear();
                Token("\\volta 2 \\unfolded " + NoteText(i, loud, &*replay));
            } else {
                Token(NoteText(i, loud));
            }
            replayFrom_ = -1;
            pendingLoud_ = {};
        } else if (!loud.empty()) {
            // Marks at one moment are one mark, the last: it is the one heard.
            pendingLoud_ = loud;
        }
        if (i == bar.last) CloseBar(b);
        Marks(i);
        if (closes_.count(i)) {
            if (tagInside_) CloseTag();
            Flush();
            --depth_;
            Line("}");
        }
    }

    // A value is written where it changes, as LilyPond carries the last one on.
    std::string Value(std::uint8_t code, const PositionRecord& r, Ticks ticks) {
        std::string value = Duration(code, Dots(r), ticks);
        if (value == value_) return {};
        value_ = value;
        return value;
    }

    std::string NoteText(std::int32_t i, std::string_view loud, const Spelling* as = nullptr) {
        const auto at = static_cast<std::size_t>(i);
        const PositionRecord& r = plan_.columns[at];
        std::string text;
        if (r.Syurui[0] == Kind::Rest) {
            // A whole rest that fills its bar alone stands in the bar's middle.
            const Bar& bar = plan_.bars[static_cast<std::size_t>(plan_.barOf[at])];
            const bool wholeBar = r.Atai[0] == LengthCode::Whole && Dots(r) == 0 &&
                                  bar.fit == Fit::Regular && bar.length == plan_.length[at];
            text = (wholeBar ? "R" : "r") + Value(r.Atai[0], r, plan_.length[at]);
        } else {
            const Spelling& s = as ? *as : plan_.spelling[at];
            text = PitchName(s.letter, s.alter) + OctaveMarks(s.octave - plan_.fixedOctave) +
                   (s.forced ? "!" : "") + Value(r.Syurui[0], r, plan_.length[at]);
            if (plan_.tiedTo[at] >= 0) text += '~';
        }
        if (!loud.empty()) text += "\\" + std::string(loud);
        if (plan_.beam[at]) text += plan_.beam[at];
        return text;
    }

    // Before the first note of a bar that LilyPond would not count as it stands.
    void BarSettings(std::size_t b) {
        settled_ = b;
        const Bar& bar = plan_.bars[b];
        if (bar.fit == Fit::Pickup) Token("\\partial " + DurationOfTicks(bar.length));
        if (bar.fit == Fit::Irregular)
            Token("\\set Timing.measureLength = #(ly:make-moment " + MomentText(bar.length) + ")");
    }

    // A bar of several bars' length may break where a bar of its time
    // signature would end; no bar line is drawn there.
    void BreakPoint(const Bar& bar, std::int32_t i) {
        const Ticks into = plan_.onset[static_cast<std::size_t>(i)] - bar.start;
        if (bar.fit == Fit::Irregular && bar.length > 2 * bar.measure && into > 0 &&
            into % bar.measure == 0)
            Token("\\bar \"\"");
    }

    void CloseBar(std::size_t b) {
        const Bar& bar = plan_.bars[b];
        if (bar.fit == Fit::LastShort) complete_ = false;
        if (bar.fit == Fit::Regular || bar.fit == Fit::Pickup || bar.fit == Fit::Irregular)
            complete_ = true;
        const Ticks moment = bar.start + bar.length;
        const bool ends = closes_.count(bar.last) != 0;
        const bool starts = opens_.count(bar.last + 1) != 0;
        if (moment == 0) {
            // Before anything sounds LilyPond draws no bar line.
        } else if (ends || starts) {
            if (complete_) Token("|");
            // LilyPond draws the repeat signs itself; where ours differ
            // (a repeat that starts after an end sign alone, say) it is
            // told which to draw.
            const std::string_view property = ends && starts ? "doubleRepeatBarType"
                                              : ends         ? "endRepeatBarType"
                                                             : "startRepeatBarType";
            const std::string_view usual = ends && starts ? ":..:" : ends ? ":|." : ".|:";
            if (bar.line && Glyph(*bar.line) != usual)
                Token("\\once \\set " + style_.repeatContext + "." + std::string(property) + " = " +
                      Quoted(Glyph(*bar.line)));
        } else if (bar.line) {
            if (*bar.line == BarLineCode::Single) {
                Token(complete_ ? "|" : "\\bar \"|\"");
            } else {
                if (complete_) Token("|");
                Token("\\bar " + Quoted(Glyph(*bar.line)));
            }
        } else if (!bar.line && bar.length > 0 && complete_ && bar.last < lastSound_) {
            // Ended by a time signature, which our score draws without a bar line.
            Token("| \\bar \"\"");
        }
        if (bar.fit == Fit::Irregular && bar.last < lastSound_)
            Token("\\set Timing.measureLength = #(ly:make-moment " + MomentText(bar.measure) + ")");
    }

    void Marks(std::int32_t i) {
        const auto at = static_cast<std::size_t>(i);
        const PositionRecord& r = plan_.columns[at];
        const Ticks moment = plan_.onset[at] + plan_.length[at];
        bool fine = false, dc = false, daCapo = false;
        for (int k = 1; k < SlotCount; ++k) {
            if (r.Syurui[k] != Kind::RepeatWord) continue;
            fine = fine || r.Atai[k] == RepeatWordCode::Fine;
            dc = dc || r.Atai[k] == RepeatWordCode::DC;
            daCapo = daCapo || r.Atai[k] == RepeatWordCode::DaCapo;
        }
        auto mark = [&](std::string text) {
            if (marks_.insert({moment, text}).second)
                Token("\\textEndMark \\markup \\italic " + Quoted(text));
        };
        if (fine) mark("Fine");
        if (dc) mark(plan_.hasFine ? "D.C. al Fine" : "D.C.");
        if (daCapo) mark(plan_.hasFine ? "Da Capo al Fine" : "Da Capo");
    }

    const PartPlan& plan_;
    const MusicStyle& style_;
    SharedMarks& marks_;
    std::string& out_;
    std::map<std::int32_t, std::int32_t> opens_; // a section's first column and its last
    std::set<std::int32_t> closes_;
    bool tagInside_ = false; // the open section holds where a tag begins
    std::int32_t lastSound_ = -1;
    std::string line_;
    int depth_ = 0;
    std::string tag_;
    std::size_t settled_ = static_cast<std::size_t>(-1);
    std::string value_;            // the note value last written
    std::int32_t replayFrom_ = -1; // a section opened and nothing sounded in it yet
    std::string_view pendingLoud_; // a dynamic mark waiting for its note
    bool complete_ = true;         // LilyPond's measure is full at this moment
};

} // namespace

void WriteMusic(const PartPlan& plan, const MusicStyle& style, SharedMarks& marks,
                std::string& out) {
    MusicWriter(plan, style, marks, out).Write();
}

std::vector<int> SungVerses(const SornData& doc, const PartPlan& plan) {
    std::vector<int> verses;
    for (int v = 0; v < doc.VerseCount(plan.part); ++v)
        for (std::size_t i = 0; i < plan.columns.size(); ++i)
            if (IsNote(plan.columns[i].Syurui[0]) &&
                doc.HasSyllable(plan.part, static_cast<std::int32_t>(i), v)) {
                verses.push_back(v);
                break;
            }
    return verses;
}

namespace {

// A syllable as LilyPond reads it: quoted unless it is plainly a word, since
// digits, braces, backslashes and underscores mean something in lyrics.
std::string LyricText(const std::string& text) {
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 0x80 || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
               std::string_view(".,;:!?'").find(c) != std::string_view::npos;
    });
    return plain && !text.empty() ? text : Quoted(text);
}

} // namespace

// One token for every note, a skip where the note has no syllable: the
// voice counts every note (no melisma of its own), as our lyrics do.
void WriteLyrics(const SornData& doc, const PartPlan& plan, int verse, bool numbered,
                 std::string& out) {
    std::string line = numbered ? "\\set stanza = " + Quoted(std::to_string(verse + 1) + ".") : "";
    std::int32_t lastSung = -1;
    for (std::size_t i = 0; i < plan.columns.size(); ++i)
        if (IsNote(plan.columns[i].Syurui[0]) &&
            doc.HasSyllable(plan.part, static_cast<std::int32_t>(i), verse))
            lastSung = static_cast<std::int32_t>(i);
    bool extending = false, restSince = false;
    std::size_t bar = static_cast<std::size_t>(-1);
    auto add = [&](std::string_view token) {
        if (!line.empty()) line += ' ';
        line += token;
    };
    auto flush = [&] {
        if (line.empty()) return;
        out += "  " + line + "\n";
        line.clear();
    };
    for (std::size_t i = 0; i < plan.columns.size(); ++i) {
        const std::uint8_t kind = plan.columns[i].Syurui[0];
        if (kind == Kind::Rest && plan.length[i] > 0) restSince = true;
        if (!IsNote(kind)) continue;
        if (static_cast<std::size_t>(plan.barOf[i]) != bar) {
            flush();
            bar = static_cast<std::size_t>(plan.barOf[i]);
        }
        const auto column = static_cast<std::int32_t>(i);
        const Syllable s = doc.GetSyllable(plan.part, column, verse);
        if (s.Empty()) {
            // Our extender stops at a rest; LilyPond's would go on to the
            // next syllable unless an empty one ends it.
            add(extending && restSince ? "\"\"" : "_");
            if (restSince) extending = false;
            continue;
        }
        add(LyricText(s.text));
        // A hyphen needs a syllable after it.
        const bool hyphen = s.HyphenAfter() && column < lastSung;
        if (hyphen) add("--");
        extending = s.extend && !hyphen;
        if (extending) add("__");
        restSince = false;
    }
    flush();
}

} // namespace sorn::lilypond

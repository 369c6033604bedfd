#include "interchange/MusicXmlExport.h"

#include "interchange/MusicXmlCommon.h"
#include "interchange/MusicXmlImport.h"
#include "interchange/MusicXmlUnfold.h"
#include "interchange/MxlContainer.h"
#include "model/AtomicFile.h"
#include "model/SymbolCodes.h"
#include "sound/InstrumentNames.h"
#include "sound/SornCalculater.h"
#include "sound/SornMidi.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <span>
#include <vector>

namespace sorn {

using namespace musicxml;

namespace {

void Escaped(std::string& out, std::string_view text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        // Words may hold characters XML 1.0 cannot: control characters, and
        // U+FFFE and U+FFFF (EF BF BE/BF). A carriage return would read back
        // as a line feed unless written as a reference.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') {
            if (c == '\r') out += "&#13;";
            continue;
        }
        if (c == '\xEF' && text.substr(at + 1, 1) == "\xBF" && at + 2 < text.size() &&
            (text[at + 2] == '\xBE' || text[at + 2] == '\xBF')) {
            at += 2;
            continue;
        }
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
}

// Text and numbers appended without temporaries: the export of a large
// score is millions of small pieces.
void Append(std::string& out, std::string_view text) {
    out += text;
}
void Append(std::string& out, int number) {
    char buffer[12];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
    out.append(buffer, end);
}
template <typename... Pieces> void Add(std::string& out, const Pieces&... pieces) {
    (Append(out, pieces), ...);
}

// The attached symbols of one position, each used once by the element that
// shows it; what no element shows travels in the id of the column's first
// element ("-s<kind>.<value>") so that our own files keep it.
class Attached {
public:
    explicit Attached(const PositionRecord& r) {
        for (int k = 1; k < SlotCount; ++k)
            if (r.Syurui[k] != Kind::Empty) symbols_[count_++] = {r.Syurui[k], r.Atai[k], false};
    }
    std::optional<std::uint8_t> Take(std::uint8_t kind, bool (*accept)(std::uint8_t)) {
        for (int k = 0; k < count_; ++k) {
            Symbol& s = symbols_[static_cast<std::size_t>(k)];
            if (!s.used && s.kind == kind && accept(s.value)) {
                s.used = true;
                return s.value;
            }
        }
        return std::nullopt;
    }
    void Rest(std::string& out) const {
        out.clear();
        for (int k = 0; k < count_; ++k) {
            const Symbol& s = symbols_[static_cast<std::size_t>(k)];
            if (!s.used) Add(out, "-s", int{s.kind}, ".", int{s.value});
        }
    }

private:
    struct Symbol {
        std::uint8_t kind;
        std::uint8_t value;
        bool used;
    };
    std::array<Symbol, SlotCount - 1> symbols_{};
    int count_ = 0;
};

bool IsBarCode(std::uint8_t v) {
    return v == BarLineCode::Single || v == BarLineCode::Double || v == BarLineCode::Final ||
           v == BarLineCode::RepeatEnd || v == BarLineCode::RepeatStart ||
           v == BarLineCode::RepeatBoth;
}
bool IsDynamicsCode(std::uint8_t v) {
    return !DynamicsName(v).empty();
}
bool IsWordCode(std::uint8_t v) {
    return v == RepeatWordCode::DC || v == RepeatWordCode::DaCapo || v == RepeatWordCode::Fine;
}
bool IsAccidentalCode(std::uint8_t v) {
    return v >= AccidentalCode::Sharp && v <= AccidentalCode::DoubleFlat;
}
bool IsMark(std::uint8_t v) {
    return v == MarkPresent;
}

bool IsClefCode(std::uint8_t v) {
    return v == ClefCode::G || v == ClefCode::F || v == ClefCode::CAlto || v == ClefCode::CTenor;
}

// The attached symbols the elements of one column show.
struct Marks {
    std::optional<std::uint8_t> dynamics;
    std::optional<std::uint8_t> word;
    std::optional<std::uint8_t> bar;
    std::optional<std::uint8_t> accidental;
    bool dot = false;
    bool tie = false;
};

class PartWriter {
public:
    // With played, the part as played through instead of as written.
    PartWriter(const SornData& doc, int part, std::string& out, ProgressSink* progress,
               PlayedPart* played = nullptr)
        : doc_(doc), part_(part), out_(out), progress_(progress), played_(played) {
        if (played) {
            positions_ = std::move(played->positions);
        } else {
            positions_.resize(static_cast<std::size_t>(doc.Length()) + 1);
            for (std::int32_t i = 0; i <= doc.Length(); ++i)
                if (const PositionRecord* r = doc.Record(static_cast<std::uint8_t>(part), i))
                    positions_[static_cast<std::size_t>(i)] = *r;
        }
        held_ = TiedContinuations(positions_);
        hasFine_ = std::any_of(positions_.begin(), positions_.end(), [](const PositionRecord& r) {
            return SymbolValue(r, Kind::RepeatWord) == RepeatWordCode::Fine;
        });
        beams_ = BeamValues(positions_);
        verses_ = doc.VerseCount(static_cast<std::uint8_t>(part));
        // Played through, each pass sings its own verse on one line; a part
        // that never goes back keeps its verses as written.
        if (played && played->jumped) verses_ = std::min(verses_, 1);
        if (FirstBarIsPickup()) measureNumber_ = -1;
    }

    ExportError Write() {
        Add(out_, "  <part id=\"P", part_ + 1, "\">\n");
        OpenMeasure();
        Add(out_, "      <attributes><divisions>", kDivisions, "</divisions></attributes>\n");
        if (part_ == 0)
            Add(out_,
                "      <direction placement=\"above\"><direction-type><metronome>"
                "<beat-unit>quarter</beat-unit><per-minute>",
                doc_.Speed(), "</per-minute></metronome></direction-type><sound tempo=\"",
                doc_.Speed(), "\"/></direction>\n");
        for (std::size_t i = 0; i < positions_.size(); ++i) {
            if (progress_ && i % 1024 == 0) {
                // A part counts as long as the score, however it was played.
                const std::int64_t stride = doc_.Length() + 1;
                progress_->SetValue(static_cast<int>(
                    part_ * stride + static_cast<std::int64_t>(i) * stride /
                                         static_cast<std::int64_t>(positions_.size())));
                if (progress_->Cancelled()) return ExportError::Cancel();
            }
            if (ExportError error = Column(static_cast<std::int32_t>(i))) return error;
        }
        if (measureOpen_) CloseMeasure();
        if (pendingForward_ >= 0) { // a repeat start at the very end still needs its measure
            OpenMeasure();
            CloseMeasure();
        }
        out_ += "  </part>\n";
        return {};
    }

private:
    // The id attribute of an element of the column; the first one also
    // carries the symbols no element shows.
    void Id(std::int32_t column, std::string_view tag) {
        Add(out_, " id=\"P", part_ + 1, "-c", column, "-", tag);
        if (!columnHasId_) out_ += extras_;
        out_ += '"';
        columnHasId_ = true;
        fresh_ = std::max(fresh_, column + 1);
    }

    // A first bar shorter than its time signature is a pickup: numbered 0
    // and implicit, so other programs count the bars as the player does.
    bool FirstBarIsPickup() const {
        SornCalculater calc;
        int bar = 0, filled = 0;
        for (std::size_t i = 0; i < positions_.size(); ++i) {
            const PositionRecord& r = positions_[i];
            const bool sounds =
                IsNote(r.Syurui[0]) || (r.Syurui[0] == Kind::Rest && !TypeName(r.Atai[0]).empty());
            if (r.Syurui[0] == Kind::TimeSignature) {
                const TimeSignature t = DecodeTimeSignature(r.Atai[0]);
                bar = t.numerator * 4 * kDivisions / t.denominator();
            } else if (sounds) {
                filled += calc.getLengthofSound(r) / kTicksPerDivision;
            }
            if (!HasSymbol(r, Kind::BarLine) || filled == 0) continue;
            if (bar == 0 || filled >= bar) return false;
            // A bar of its own is no pickup: something must follow it.
            return std::any_of(positions_.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                               positions_.end(), [](const PositionRecord& p) {
                                   return IsNote(p.Syurui[0]) || p.Syurui[0] == Kind::Rest;
                               });
        }
        return false;
    }

    void OpenMeasure() {
        ++measureNumber_;
        Add(out_, "    <measure number=\"", measureNumber_,
            measureNumber_ == 0 ? "\" implicit=\"yes\">\n" : "\">\n");
        measureOpen_ = true;
        measureSounds_ = false;
        if (pendingForward_ >= 0) {
            Add(out_, "      <barline location=\"left\" id=\"P", part_ + 1, "-c", pendingForward_,
                "-f\"><bar-style>heavy-light</bar-style><repeat direction=\"forward\"/>"
                "</barline>\n");
            pendingForward_ = -1;
        }
    }
    void CloseMeasure() {
        out_ += "    </measure>\n";
        measureOpen_ = false;
    }

    ExportError Column(std::int32_t i) {
        const PositionRecord& r = positions_[static_cast<std::size_t>(i)];
        const std::uint8_t main = r.Syurui[0];
        const bool rest = main == Kind::Rest && !TypeName(r.Atai[0]).empty();
        const bool note = IsNote(main);
        // Every symbol an element shows is taken first; what is left travels
        // in the id of the column's first element.
        Attached attached(r);
        Marks marks;
        marks.dynamics = attached.Take(Kind::Dynamics, IsDynamicsCode);
        marks.word = attached.Take(Kind::RepeatWord, IsWordCode);
        marks.bar = attached.Take(Kind::BarLine, IsBarCode);
        if (note || rest) {
            marks.dot = attached.Take(Kind::Dot, IsMark).has_value();
            if (note) {
                marks.tie = attached.Take(Kind::Tie, IsMark).has_value();
                marks.accidental = attached.Take(Kind::Accidental, IsAccidentalCode);
            }
            if (beams_[static_cast<std::size_t>(i)].Joined()) attached.Take(Kind::Beam, IsMark);
        }
        attached.Rest(extras_);
        columnHasId_ = false;
        const bool clef = main == Kind::Clef && IsClefCode(r.Atai[0]);
        const bool key = main == Kind::KeySignature && r.Atai[0] <= KeyCode::MostFlats;
        const bool time = main == Kind::TimeSignature;
        if (!clef && !key && !time && !note && !rest && !marks.dynamics && !marks.word &&
            !marks.bar && extras_.empty())
            return {};
        // A measure ended by a bar line takes what does not sound (a key
        // change, a D.C.) until a note, a rest or a bar line needs the next
        // one: other programs fill a measure without notes with rests.
        if (closing_ && (note || rest || marks.bar)) {
            CloseMeasure();
            closing_ = false;
        }
        if (!measureOpen_) OpenMeasure();

        if (clef) Clef(i, r.Atai[0]);
        if (key) {
            out_ += "      <attributes><key";
            Id(i, "k");
            Add(out_, "><fifths>", FifthsOfKey(r.Atai[0]), "</fifths></key></attributes>\n");
            calc_.SetChogo(r.Atai[0]);
        }
        if (time) {
            const TimeSignature t = DecodeTimeSignature(r.Atai[0]);
            out_ += "      <attributes><time";
            Id(i, "t");
            Add(out_, "><beats>", t.numerator, "</beats><beat-type>", t.denominator(),
                "</beat-type></time></attributes>\n");
        }
        if (marks.dynamics) {
            calc_.SetDynamicsFortePiano(*marks.dynamics);
            out_ += "      <direction placement=\"below\"";
            Id(i, "d");
            Add(out_, "><direction-type><dynamics><", DynamicsName(*marks.dynamics),
                "/></dynamics></direction-type><sound dynamics=\"", calc_.GetOnryou() * 100 / 90,
                "\"/></direction>\n");
        }
        if (note || rest)
            if (ExportError error = Note(i, r, marks)) return error;
        if (marks.word) {
            const bool fine = *marks.word == RepeatWordCode::Fine;
            out_ += "      <direction placement=\"above\"";
            Id(i, "w");
            // With a Fine in the part the jump ends there, which other
            // programs play only when the words say so.
            const bool dc = *marks.word == RepeatWordCode::DC;
            Add(out_, "><direction-type><words>",
                fine       ? "Fine"
                : hasFine_ ? (dc ? "D.C. al Fine" : "Da Capo al Fine")
                : dc       ? "D.C."
                           : "Da Capo",
                "</words></direction-type><sound ", fine ? "fine" : "dacapo",
                "=\"yes\"/></direction>\n");
        }
        if (!columnHasId_ && !extras_.empty() && !marks.bar) {
            // Symbols with no element of their own still need one to travel in.
            out_ += "      <direction";
            Id(i, "x");
            out_ += "><direction-type><words></words></direction-type></direction>\n";
        }
        if (marks.bar) {
            if (measureSounds_ || *marks.bar == BarLineCode::RepeatEnd ||
                *marks.bar == BarLineCode::RepeatBoth)
                Barline(i, *marks.bar);
            else
                LeftBarline(i, *marks.bar);
        }
        calc_.SFSyokika(r);
        return {};
    }

    void Clef(std::int32_t i, std::uint8_t code) {
        const char* sign = code == ClefCode::F ? "F" : code == ClefCode::G ? "G" : "C";
        const int line = code == ClefCode::F        ? 4
                         : code == ClefCode::CAlto  ? 3
                         : code == ClefCode::CTenor ? 4
                                                    : 2;
        out_ += "      <attributes><clef";
        Id(i, "c");
        Add(out_, "><sign>", sign, "</sign><line>", line, "</line></clef></attributes>\n");
        calc_.SetOnbukigou(code);
        clef_ = code;
    }

    ExportError Note(std::int32_t i, const PositionRecord& r, const Marks& marks) {
        const bool rest = r.Syurui[0] == Kind::Rest;
        const std::uint8_t lengthCode = rest ? r.Atai[0] : r.Syurui[0];
        const bool held = held_[static_cast<std::size_t>(i)];
        WrittenPitch written{};
        if (!rest) {
            const int step = r.Atai[0] - ClefShift(clef_);
            written = PitchOfStep(step);
            if (written.octave < 0 || written.octave > 9)
                return {ExportErrorNumber::NoteOutOfRange,
                        CoreMessage(SORN_TRANSLATE_NOOP(
                                        "Core", "%1 の位置 %2 の音符の高さはMusicXMLで表せる"
                                                "範囲(オクターブ0～9)を外れています。"),
                                    PartLabel(part_), i)};
            // A note held over from a tie keeps the pitch it continues, and
            // is not heard anew, so its own accidental does not count.
            if (!held) lastAlter_ = calc_.GetMidiHeight(r) - NaturalMidi(step);
        }
        out_ += "      <note";
        // A note on the column after the last one named needs no id: a
        // reader puts it there anyway. Most notes of a score are such.
        if (i == fresh_ && extras_.empty())
            fresh_ = i + 1;
        else
            Id(i, "n");
        if (rest) {
            out_ += "><rest/>";
        } else {
            Add(out_, "><pitch><step>",
                kLetters.substr(static_cast<std::size_t>(written.letter), 1), "</step>");
            if (lastAlter_) Add(out_, "<alter>", lastAlter_, "</alter>");
            Add(out_, "<octave>", written.octave, "</octave></pitch>");
        }
        Add(out_, "<duration>", calc_.getLengthofSound(r) / kTicksPerDivision, "</duration>");
        measureSounds_ = true;
        if (held) out_ += "<tie type=\"stop\"/>";
        if (marks.tie) out_ += "<tie type=\"start\"/>";
        Add(out_, "<type>", TypeName(lengthCode), "</type>");
        if (marks.dot) out_ += "<dot/>";
        if (marks.accidental)
            Add(out_, "<accidental>", AccidentalName(*marks.accidental), "</accidental>");
        const Beams& beams = beams_[static_cast<std::size_t>(i)];
        for (std::size_t l = 0; l < beams.count; ++l)
            Add(out_, "<beam number=\"", static_cast<int>(l + 1), "\">", beams.level[l], "</beam>");
        const bool tiedOn = marks.tie && NextIsHeld(i);
        if (held || tiedOn) {
            out_ += "<notations>";
            if (held) out_ += "<tied type=\"stop\"/>";
            if (tiedOn) out_ += "<tied type=\"start\"/>";
            out_ += "</notations>";
        }
        Lyrics(i);
        out_ += "</note>\n";
        return {};
    }

    void Lyrics(std::int32_t i) {
        static constexpr std::array<std::string_view, 4> kSyllabic = {"single", "begin", "middle",
                                                                      "end"};
        for (int v = 0; v < verses_; ++v) {
            const Syllable s = SyllableAt(i, v);
            if (s.Empty()) continue;
            Add(out_, "<lyric number=\"", v + 1, "\"><syllabic>",
                kSyllabic[static_cast<std::size_t>(s.syllabic)], "</syllabic><text>");
            Escaped(out_, s.text);
            out_ += s.extend ? "</text><extend/></lyric>" : "</text></lyric>";
        }
    }

    // Played through, the n-th pass of a position sings verse n, or verse 1
    // where verse n has none there (a refrain written once), as playback does.
    Syllable SyllableAt(std::int32_t i, int verse) const {
        const auto part = static_cast<std::uint8_t>(part_);
        if (!played_) return doc_.GetSyllable(part, i, verse);
        const std::int32_t origin = played_->origin[static_cast<std::size_t>(i)];
        const int pass = played_->pass[static_cast<std::size_t>(i)];
        if (origin < 0) return {};
        if (!played_->jumped) return doc_.GetSyllable(part, origin, verse);
        Syllable s = pass < MaxVerses ? doc_.GetSyllable(part, origin, pass) : Syllable{};
        return s.Empty() ? doc_.GetSyllable(part, origin, 0) : s;
    }

    bool NextIsHeld(std::int32_t i) const {
        for (std::size_t q = static_cast<std::size_t>(i) + 1; q < positions_.size(); ++q)
            if (positions_[q].Syurui[0] != Kind::Empty) return held_[q];
        return false;
    }

    // A bar line before anything sounds in the measure (after the opening
    // clef, key and time, say) opens it instead of closing an empty one,
    // which other programs would fill with a measure of rest.
    void LeftBarline(std::int32_t i, std::uint8_t code) {
        const bool forward = code == BarLineCode::RepeatStart;
        out_ += "      <barline location=\"left\"";
        Id(i, "b");
        Add(out_, "><bar-style>",
            forward                       ? "heavy-light"
            : code == BarLineCode::Double ? "light-light"
            : code == BarLineCode::Final  ? "light-heavy"
                                          : "regular",
            "</bar-style>", forward ? "<repeat direction=\"forward\"/>" : "", "</barline>\n");
    }

    void Barline(std::int32_t i, std::uint8_t code) {
        const bool backward = code == BarLineCode::RepeatEnd || code == BarLineCode::RepeatBoth;
        const char* style = code == BarLineCode::Double              ? "light-light"
                            : code == BarLineCode::Final || backward ? "light-heavy"
                                                                     : "regular";
        out_ += "      <barline location=\"right\"";
        Id(i, "b");
        Add(out_, "><bar-style>", style, "</bar-style>",
            backward ? "<repeat direction=\"backward\"/>" : "", "</barline>\n");
        closing_ = true;
        // The forward repeat stands at the start of the next measure.
        if (code == BarLineCode::RepeatStart || code == BarLineCode::RepeatBoth)
            pendingForward_ = i;
    }

    const SornData& doc_;
    int part_;
    std::string& out_;
    ProgressSink* progress_;
    const PlayedPart* played_;
    std::vector<PositionRecord> positions_;
    std::vector<bool> held_;
    std::vector<Beams> beams_;
    bool hasFine_ = false;
    int verses_ = 0;
    SornCalculater calc_;
    std::uint8_t clef_ = ClefCode::G;
    int lastAlter_ = 0;
    int measureNumber_ = 0;
    bool measureOpen_ = false;
    bool closing_ = false;       // the open measure has its closing bar line
    bool measureSounds_ = false; // a note or rest is in the open measure
    bool columnHasId_ = false;
    std::int32_t fresh_ = 0; // where a reader puts an element without id
    std::string extras_;
    std::int32_t pendingForward_ = -1; // column of a repeat start still to write
};

// Title, subtitle, who made the score and its rights. MuseScore 3 heads
// the page with the movement-title before the work-title and puts the
// movement-number under it, so the subtitle goes there: work-title and
// movement-title would lose the title from its page. Opens the
// identification, which the caller closes.
void Credits(const SornData& doc, std::string& out) {
    auto element = [&](std::string_view open, ScoreText which, std::string_view close) {
        const std::string& value = doc.Text(which);
        if (value.empty()) return;
        out += open;
        Escaped(out, value);
        out += close;
    };
    element("  <work><work-title>", ScoreText::Title, "</work-title></work>\n");
    element("  <movement-number>", ScoreText::Subtitle, "</movement-number>\n");
    out += "  <identification>\n";
    element("    <creator type=\"composer\">", ScoreText::Composer, "</creator>\n");
    element("    <creator type=\"lyricist\">", ScoreText::Lyricist, "</creator>\n");
    element("    <creator type=\"arranger\">", ScoreText::Arranger, "</creator>\n");
    element("    <rights>", ScoreText::Copyright, "</rights>\n");
}

} // namespace

bool IsCompressedMusicXmlName(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ext = path.substr(path.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".mxl";
}

namespace {

// The text goes to write a part at a time, so that a large score is never
// whole in memory; progress counts positions, and cancelling stops between
// them.
template <typename Write>
ExportError WriteText(const SornData& doc, ProgressSink* progress, UnfoldRepeats unfold,
                      const Write& write) {
    if (doc.Speed() <= 0)
        return {ExportErrorNumber::TempoNotPositive,
                CoreMessage(SORN_TRANSLATE_NOOP("Core",
                                                "テンポが0以下のためMusicXMLファイルを作れません。"
                                                "曲の情報でテンポを1以上にしてください。"))};
    for (int p = 0; p <= doc.PartSuu(); ++p)
        if (doc.GetInstrumentNumber(static_cast<std::uint8_t>(p)) > 127)
            return {
                ExportErrorNumber::InstrumentOutOfRange,
                CoreMessage(SORN_TRANSLATE_NOOP("Core", "%1 の楽器番号 %2 はMIDIの音色番号(0～127)"
                                                        "ではありません。"),
                            PartLabel(p), doc.GetInstrumentNumber(static_cast<std::uint8_t>(p)))};
    if (progress) {
        progress->SetMaximum((doc.PartSuu() + 1) * (doc.Length() + 1));
        progress->SetValue(0);
    }
    std::string text;
    text.reserve(static_cast<std::size_t>(doc.Length() + 1) * 160);
    text += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
            "<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 Partwise//EN\" "
            "\"http://www.musicxml.org/dtds/partwise.dtd\">\n"
            "<score-partwise version=\"4.0\">\n";
    Credits(doc, text);
    text += "    <encoding><software>SORN楽譜エディタ</software></encoding>\n"
            "    <miscellaneous><miscellaneous-field name=\"sorn-length\">";
    Add(text, doc.Length(),
        "</miscellaneous-field></miscellaneous>\n"
        "  </identification>\n"
        "  <part-list>\n");
    for (int p = 0; p <= doc.PartSuu(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        const int program = doc.GetInstrumentNumber(part) + 1;
        const std::string_view instrument = InstrumentName(static_cast<std::int16_t>(program));
        const std::string& name = doc.GetPartText(part, PartText::Name);
        const std::string& shortName = doc.GetPartText(part, PartText::ShortName);
        Add(text, "    <score-part id=\"P", p + 1, "\"><part-name>");
        Escaped(text, name.empty() ? instrument : std::string_view(name));
        text += "</part-name>";
        if (!shortName.empty()) {
            text += "<part-abbreviation>";
            Escaped(text, shortName);
            text += "</part-abbreviation>";
        }
        Add(text, "<score-instrument id=\"P", p + 1, "-I1\"><instrument-name>");
        Escaped(text, instrument);
        Add(text, "</instrument-name></score-instrument><midi-instrument id=\"P", p + 1,
            "-I1\"><midi-channel>", SornMidi::Channel(p) + 1, "</midi-channel><midi-program>",
            program, "</midi-program></midi-instrument></score-part>\n");
    }
    text += "  </part-list>\n";
    std::uint64_t total = 0;
    auto flush = [&]() -> ExportError {
        total += text.size();
        // What our own import would refuse is not written.
        if (total > kMaxMusicXmlBytes)
            return {ExportErrorNumber::MusicXmlTooLarge,
                    CoreMessage(SORN_TRANSLATE_NOOP(
                        "Core", "MusicXMLファイルが、読み込める大きさの上限の 2 GB "
                                "を超えるため作れません。"))};
        if (std::error_code ec = write(std::string_view(text))) return ExportError::FromFile(ec);
        text.clear();
        return {};
    };
    const bool played = WritesRepeatsOut(doc, unfold);
    for (int p = 0; p <= doc.PartSuu(); ++p) {
        // One part played through at a time: a long score is never whole in memory twice.
        PlayedPart through;
        if (played) through = PlayThrough(doc, static_cast<std::uint8_t>(p));
        if (ExportError error =
                PartWriter(doc, p, text, progress, played ? &through : nullptr).Write())
            return error;
        if (ExportError error = flush()) return error;
    }
    text += "</score-partwise>\n";
    return flush();
}

} // namespace

std::optional<UnfoldRepeats> UnfoldRepeatsNamed(std::string_view name) {
    for (UnfoldRepeats u : {UnfoldRepeats::Auto, UnfoldRepeats::Always, UnfoldRepeats::Never})
        if (name == NameOf(u)) return u;
    return std::nullopt;
}

std::string_view NameOf(UnfoldRepeats unfold) {
    switch (unfold) {
    case UnfoldRepeats::Always:
        return "always";
    case UnfoldRepeats::Never:
        return "never";
    case UnfoldRepeats::Auto:
        break;
    }
    return "auto";
}

bool WritesRepeatsOut(const SornData& doc, UnfoldRepeats unfold) {
    if (unfold == UnfoldRepeats::Never || !HasRepeatSigns(doc)) return false;
    return unfold == UnfoldRepeats::Always || !RepeatsAlike(doc);
}

ExportError MusicXmlText(const SornData& doc, std::string& text, UnfoldRepeats unfold) {
    text.clear();
    return WriteText(doc, nullptr, unfold, [&](std::string_view piece) {
        text += piece;
        return std::error_code();
    });
}

ExportError ExportMusicXml(const SornData& doc, const std::string& path, ProgressSink* progress,
                           UnfoldRepeats unfold) {
    AtomicFile file;
    if (!IsCompressedMusicXmlName(path)) {
        if (std::error_code ec = file.Open(path)) return ExportError::FromFile(ec);
        if (ExportError error = WriteText(doc, progress, unfold, [&](std::string_view piece) {
                return file.Write(piece.data(), piece.size());
            }))
            return error; // the old file stays as it was
    } else {
        // The text waits in an unnamed temporary file while it is packed.
        std::FILE* text = std::tmpfile();
        if (!text) return ExportError::FromFile({errno, std::generic_category()});
        ExportError error = WriteText(doc, progress, unfold, [&](std::string_view piece) {
            return std::fwrite(piece.data(), 1, piece.size(), text) == piece.size()
                       ? std::error_code()
                       : std::error_code(errno ? errno : EIO, std::generic_category());
        });
        if (!error && (std::fflush(text) != 0 || std::fseek(text, 0, SEEK_SET) != 0))
            error = ExportError::FromFile({errno, std::generic_category()});
        if (error) {
            std::fclose(text);
            return error;
        }
        std::string archive;
        if (std::error_code ec = WriteMxl(text, archive)) return ExportError::FromFile(ec);
        if (std::error_code ec = file.Open(path)) return ExportError::FromFile(ec);
        if (std::error_code ec = file.Write(archive.data(), archive.size()))
            return ExportError::FromFile(ec);
    }
    if (std::error_code ec = file.Commit()) return ExportError::FromFile(ec);
    return {};
}

} // namespace sorn

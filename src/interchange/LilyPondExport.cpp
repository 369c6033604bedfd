#include "interchange/LilyPondExport.h"

#include "interchange/LilyPondPart.h"
#include "model/AtomicFile.h"
#include "model/SymbolCodes.h"
#include "sound/InstrumentNames.h"

#include <algorithm>
#include <array>
#include <set>
#include <tuple>

namespace sorn {

using namespace lilypond;

namespace {

// LilyPond's names of the General MIDI programs, in program order.
constexpr std::array<std::string_view, 128> kMidiInstruments = {"acoustic grand",
                                                                "bright acoustic",
                                                                "electric grand",
                                                                "honky-tonk",
                                                                "electric piano 1",
                                                                "electric piano 2",
                                                                "harpsichord",
                                                                "clav",
                                                                "celesta",
                                                                "glockenspiel",
                                                                "music box",
                                                                "vibraphone",
                                                                "marimba",
                                                                "xylophone",
                                                                "tubular bells",
                                                                "dulcimer",
                                                                "drawbar organ",
                                                                "percussive organ",
                                                                "rock organ",
                                                                "church organ",
                                                                "reed organ",
                                                                "accordion",
                                                                "harmonica",
                                                                "concertina",
                                                                "acoustic guitar (nylon)",
                                                                "acoustic guitar (steel)",
                                                                "electric guitar (jazz)",
                                                                "electric guitar (clean)",
                                                                "electric guitar (muted)",
                                                                "overdriven guitar",
                                                                "distorted guitar",
                                                                "guitar harmonics",
                                                                "acoustic bass",
                                                                "electric bass (finger)",
                                                                "electric bass (pick)",
                                                                "fretless bass",
                                                                "slap bass 1",
                                                                "slap bass 2",
                                                                "synth bass 1",
                                                                "synth bass 2",
                                                                "violin",
                                                                "viola",
                                                                "cello",
                                                                "contrabass",
                                                                "tremolo strings",
                                                                "pizzicato strings",
                                                                "orchestral harp",
                                                                "timpani",
                                                                "string ensemble 1",
                                                                "string ensemble 2",
                                                                "synthstrings 1",
                                                                "synthstrings 2",
                                                                "choir aahs",
                                                                "voice oohs",
                                                                "synth voice",
                                                                "orchestra hit",
                                                                "trumpet",
                                                                "trombone",
                                                                "tuba",
                                                                "muted trumpet",
                                                                "french horn",
                                                                "brass section",
                                                                "synthbrass 1",
                                                                "synthbrass 2",
                                                                "soprano sax",
                                                                "alto sax",
                                                                "tenor sax",
                                                                "baritone sax",
                                                                "oboe",
                                                                "english horn",
                                                                "bassoon",
                                                                "clarinet",
                                                                "piccolo",
                                                                "flute",
                                                                "recorder",
                                                                "pan flute",
                                                                "blown bottle",
                                                                "shakuhachi",
                                                                "whistle",
                                                                "ocarina",
                                                                "lead 1 (square)",
                                                                "lead 2 (sawtooth)",
                                                                "lead 3 (calliope)",
                                                                "lead 4 (chiff)",
                                                                "lead 5 (charang)",
                                                                "lead 6 (voice)",
                                                                "lead 7 (fifths)",
                                                                "lead 8 (bass+lead)",
                                                                "pad 1 (new age)",
                                                                "pad 2 (warm)",
                                                                "pad 3 (polysynth)",
                                                                "pad 4 (choir)",
                                                                "pad 5 (bowed)",
                                                                "pad 6 (metallic)",
                                                                "pad 7 (halo)",
                                                                "pad 8 (sweep)",
                                                                "fx 1 (rain)",
                                                                "fx 2 (soundtrack)",
                                                                "fx 3 (crystal)",
                                                                "fx 4 (atmosphere)",
                                                                "fx 5 (brightness)",
                                                                "fx 6 (goblins)",
                                                                "fx 7 (echoes)",
                                                                "fx 8 (sci-fi)",
                                                                "sitar",
                                                                "banjo",
                                                                "shamisen",
                                                                "koto",
                                                                "kalimba",
                                                                "bagpipe",
                                                                "fiddle",
                                                                "shanai",
                                                                "tinkle bell",
                                                                "agogo",
                                                                "steel drums",
                                                                "woodblock",
                                                                "taiko drum",
                                                                "melodic tom",
                                                                "synth drum",
                                                                "reverse cymbal",
                                                                "guitar fret noise",
                                                                "breath noise",
                                                                "seashore",
                                                                "bird tweet",
                                                                "telephone ring",
                                                                "helicopter",
                                                                "applause",
                                                                "gunshot"};

// LilyPond's keywords and the commands this file uses: a part named like
// one would take its place for everything written after it.
constexpr std::array<std::string_view, 84> kReserved = {"accepts",
                                                        "addlyrics",
                                                        "alias",
                                                        "alternative",
                                                        "autoBeamOff",
                                                        "bar",
                                                        "book",
                                                        "bookpart",
                                                        "change",
                                                        "chordmode",
                                                        "chords",
                                                        "clef",
                                                        "consists",
                                                        "context",
                                                        "default",
                                                        "defaultchild",
                                                        "denies",
                                                        "description",
                                                        "drummode",
                                                        "drums",
                                                        "etc",
                                                        "f",
                                                        "ff",
                                                        "fff",
                                                        "ffff",
                                                        "figuremode",
                                                        "figures",
                                                        "fixed",
                                                        "header",
                                                        "include",
                                                        "key",
                                                        "language",
                                                        "layout",
                                                        "lyricmode",
                                                        "lyrics",
                                                        "lyricsto",
                                                        "maininput",
                                                        "major",
                                                        "markup",
                                                        "markuplist",
                                                        "mf",
                                                        "midi",
                                                        "mp",
                                                        "name",
                                                        "new",
                                                        "notemode",
                                                        "numericTimeSignature",
                                                        "once",
                                                        "override",
                                                        "p",
                                                        "paper",
                                                        "partial",
                                                        "pp",
                                                        "ppp",
                                                        "pppp",
                                                        "remove",
                                                        "removeWithTag",
                                                        "repeat",
                                                        "rest",
                                                        "revert",
                                                        "score",
                                                        "sequential",
                                                        "set",
                                                        "simultaneous",
                                                        "sourcefileline",
                                                        "sourcefilename",
                                                        "stanza",
                                                        "tag",
                                                        "tempo",
                                                        "textEndMark",
                                                        "time",
                                                        "type",
                                                        "unfoldRepeats",
                                                        "unset",
                                                        "version",
                                                        "volta",
                                                        "with",
                                                        "italic",
                                                        "Timing",
                                                        "Score",
                                                        "Staff",
                                                        "Voice",
                                                        "StaffGroup",
                                                        "Lyrics"};

// A bare word that LilyPond reads as a note name (c, fis, bes, r...) is
// written quoted where it is defined.
bool IsNoteName(std::string_view word) {
    if (word == "r" || word == "R" || word == "s" || word == "q") return true;
    if (word.empty() || word[0] < 'a' || word[0] > 'h') return false;
    for (std::string_view rest = word.substr(1); !rest.empty();) {
        if (rest.starts_with("is") || rest.starts_with("es") || rest.starts_with("ih") ||
            rest.starts_with("eh"))
            rest.remove_prefix(2);
        else if (rest.starts_with("s"))
            rest.remove_prefix(1);
        else
            return false;
    }
    return true;
}

// Variable names: the part's name where LilyPond can read it bare, quoted
// where it has spaces, digits or signs, and never one LilyPond uses itself.
class Names {
public:
    // The text after the backslash. Quotes and backslashes, which a quoted
    // name cannot be referred to with, are left out.
    std::string Take(std::string word) {
        std::erase_if(word, [](char c) {
            return c == '"' || c == '\\' || static_cast<unsigned char>(c) < ' ';
        });
        if (word.empty()) word = "part";
        if (std::find(kReserved.begin(), kReserved.end(), word) != kReserved.end()) word += "Part";
        std::string unique = word;
        for (int n = 2; taken_.count(unique); ++n)
            unique = word + " " + std::to_string(n);
        taken_.insert(unique);
        return IsBareIdentifier(unique) && !IsNoteName(unique) ? unique : Quoted(unique);
    }

private:
    std::set<std::string> taken_;
};

struct Part {
    PartPlan plan;
    std::string label;    // the name on the staff and of the variable
    std::string variable; // after the backslash
    std::string voice;    // the Voice's name, quoted
    std::vector<int> verses;
    std::vector<std::string> verseVariables;
};

// What decides LilyPond's measures and bar lines in a part: when all parts
// agree they share the score's, otherwise every staff keeps its own.
using MeterTrack = std::vector<std::tuple<Ticks, int, Ticks, int>>;
MeterTrack Meter(const PartPlan& plan, bool withBars) {
    MeterTrack track;
    std::set<std::int32_t> opens, closes;
    for (const Section& s : plan.sections) {
        opens.insert(s.first);
        closes.insert(s.last);
    }
    for (std::size_t i = 0; i < plan.columns.size(); ++i)
        if (plan.columns[i].Syurui[0] == Kind::TimeSignature)
            track.emplace_back(plan.onset[i], 0, plan.columns[i].Atai[0], 0);
    if (!withBars) return track;
    for (const Bar& bar : plan.bars) {
        const int repeats = (closes.count(bar.last) ? 1 : 0) + (opens.count(bar.last + 1) ? 2 : 0);
        const Ticks end = bar.start + bar.length;
        if (bar.length > 0) track.emplace_back(bar.start, 1, bar.length, static_cast<int>(bar.fit));
        if ((bar.line || repeats) && end > 0)
            track.emplace_back(end, 2, bar.line.value_or(255), repeats);
    }
    auto endOf = [&](std::int32_t column) {
        return column < 0 ? Ticks{-1}
                          : plan.onset[static_cast<std::size_t>(column)] +
                                plan.length[static_cast<std::size_t>(column)];
    };
    track.emplace_back(endOf(plan.daCapo), 3, endOf(plan.fine), 0);
    std::sort(track.begin(), track.end());
    return track;
}

bool StaffTiming(const std::vector<Part>& parts) {
    std::vector<MeterTrack> sounding;
    for (const Part& p : parts)
        if (p.plan.end > 0) sounding.push_back(Meter(p.plan, true));
    for (const MeterTrack& t : sounding)
        if (t != sounding.front()) return true;
    // A part without music keeps time with the others if its signatures agree.
    for (const Part& p : parts) {
        if (p.plan.end > 0 || sounding.empty()) continue;
        for (const auto& entry : Meter(p.plan, false))
            if (std::find(sounding.front().begin(), sounding.front().end(), entry) ==
                sounding.front().end())
                return true;
    }
    return false;
}

bool NeedsCjkFont(std::string_view text) {
    // Three-byte UTF-8 from U+2E80 on: the scripts C059 has no glyphs for.
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        const auto a = static_cast<unsigned char>(text[i]);
        const auto b = static_cast<unsigned char>(text[i + 1]);
        if (a >= 0xE3 || (a == 0xE2 && b >= 0xBA)) return true;
    }
    return false;
}

void Header(const SornData& doc, const LilyPondChoice& choice, const std::vector<Part>& parts,
            bool named, std::string& out) {
    static constexpr std::array<std::pair<ScoreText, std::string_view>, ScoreTextCount> kFields = {
        {{ScoreText::Title, "title"},
         {ScoreText::Subtitle, "subtitle"},
         {ScoreText::Composer, "composer"},
         {ScoreText::Lyricist, "poet"},
         {ScoreText::Arranger, "arranger"},
         {ScoreText::Copyright, "copyright"}}};
    out += "\\header {\n";
    for (const auto& [which, field] : kFields)
        if (!doc.Text(which).empty())
            out += "  " + std::string(field) + " = " + Quoted(doc.Text(which)) + "\n";
    // A part on its own names itself at the top of the page.
    if (parts.size() == 1 && doc.PartCount() > 1)
        out += "  instrument = " + Quoted(parts.front().label) + "\n";
    out += "  tagline = ##f\n}\n\n";

    bool cjk = false;
    for (int w = 0; w < ScoreTextCount; ++w)
        cjk = cjk || NeedsCjkFont(doc.Text(static_cast<ScoreText>(w)));
    for (const Part& p : parts) {
        cjk = cjk || ((named || doc.PartCount() > 1) && NeedsCjkFont(p.label)) ||
              NeedsCjkFont(doc.GetPartText(p.plan.part, PartText::ShortName));
        for (int v : p.verses)
            for (std::size_t i = 0; i < p.plan.columns.size() && !cjk; ++i)
                cjk = NeedsCjkFont(
                    doc.GetSyllable(p.plan.part, static_cast<std::int32_t>(i), v).text);
    }
    if (!cjk && choice.paperWidthMm <= 0) return;
    out += "\\paper {\n";
    if (choice.paperWidthMm > 0 && choice.paperHeightMm > 0)
        out += "  #(set-paper-size '(cons (* " + std::to_string(choice.paperWidthMm) + " mm) (* " +
               std::to_string(choice.paperHeightMm) + " mm)))\n";
    if (cjk)
        // Japanese text in the Noto CJK fonts, Latin text as LilyPond sets it.
        out += "  property-defaults.fonts.serif = \"C059, Noto Serif CJK JP\"\n"
               "  property-defaults.fonts.sans = \"Nimbus Sans, Noto Sans CJK JP\"\n";
    out += "}\n\n";
}

// How wide a staff name is set, roughly, in millimetres: kana and kanji
// take twice the room of Latin letters.
double NameWidthMm(std::string_view text) {
    double width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t bytes = std::max<std::size_t>(Utf8CharBytes(text.substr(i)), 1);
        width += bytes == 3 && c >= 0xE3 ? 3.6 : 1.8;
        i += bytes;
    }
    return width;
}

// Room on the left of the first system and of the others for the names on
// the staves, where LilyPond's own would cut them at the paper's edge.
std::string NameRoom(const SornData& doc, const std::vector<Part>& parts, bool named) {
    double full = 0, abbreviated = 0;
    for (const Part& p : parts) {
        if (named) full = std::max(full, NameWidthMm(p.label));
        abbreviated =
            std::max(abbreviated, NameWidthMm(doc.GetPartText(p.plan.part, PartText::ShortName)));
    }
    std::string room;
    constexpr double kGap = 4, kIndent = 15, kMargin = 8;
    if (full + kGap > kIndent)
        room += "    indent = " + std::to_string(static_cast<int>(full + kGap + 0.5)) + "\\mm\n";
    if (abbreviated + kGap > kMargin)
        room += "    short-indent = " + std::to_string(static_cast<int>(abbreviated + kGap + 0.5)) +
                "\\mm\n";
    return room;
}

// Timing moved from the score to every staff, where the parts' bars differ.
void TimingContexts(bool layout, std::string& out) {
    out += "    \\context {\n      \\Score\n      \\remove \"Timing_translator\"\n";
    if (layout) out += "      \\remove \"Repeat_acknowledge_engraver\"\n";
    out += "    }\n    \\context {\n      \\Staff\n      \\consists \"Timing_translator\"\n";
    if (layout) out += "      \\consists \"Repeat_acknowledge_engraver\"\n";
    out += "    }\n";
}

void Scores(const SornData& doc, const std::vector<Part>& parts, bool staffTiming, bool named,
            std::string& out) {
    const bool group = parts.size() > 1;
    // Lyrics stand beside their staff, so a single part with lyrics needs
    // the brackets a group has.
    const bool together = group || !parts.front().verses.empty();
    std::string indent = together ? "    " : "  ";
    const bool sung =
        std::any_of(parts.begin(), parts.end(), [](const Part& p) { return !p.verses.empty(); });
    out += "\\score {\n";
    // Bar lines join the staves, except across the lyrics between them.
    if (group)
        out += sung ? "  \\new StaffGroup \\with { \\remove \"Span_bar_engraver\" } <<\n"
                    : "  \\new StaffGroup <<\n";
    if (together && !group) out += "  <<\n";
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const Part& p = parts[k];
        out += indent + "\\new Staff";
        std::string with;
        if (named) with += indent + "  instrumentName = " + Quoted(p.label) + "\n";
        if (const std::string& s = doc.GetPartText(p.plan.part, PartText::ShortName); !s.empty())
            with += indent + "  shortInstrumentName = " + Quoted(s) + "\n";
        if (staffTiming && k == 0) with += indent + "  \\consists \"Bar_number_engraver\"\n";
        if (!with.empty()) out += " \\with {\n" + with + indent + "}";
        out += "\n";
        if (p.verses.empty()) {
            out += indent + "  \\" + p.variable + "\n";
            continue;
        }
        // Every note takes a syllable or a skip: no melisma of LilyPond's own.
        out += indent + "  \\new Voice = " + p.voice +
               " \\with { melismaBusyProperties = #'() } \\" + p.variable + "\n";
        for (const std::string& verse : p.verseVariables)
            out += indent + "\\new Lyrics \\lyricsto " + p.voice + " \\" + verse + "\n";
    }
    if (together) out += "  >>\n";
    std::string room = NameRoom(doc, parts, named);
    // Words a little apart, so that a line of them reads as words.
    if (sung) room += "    \\context { \\Lyrics \\override LyricSpace.minimum-distance = #1.2 }\n";
    out += staffTiming || !room.empty() ? "  \\layout {\n" + room : "  \\layout { }\n";
    if (staffTiming) TimingContexts(true, out);
    if (staffTiming || !room.empty()) out += "  }\n";
    out += "}\n\n";

    // The score that plays: repeats unfolded, and after the da capo the
    // part once more to the Fine, its repeats not taken.
    out += "\\score {\n";
    if (group) out += "  \\new StaffGroup <<\n";
    indent = group ? "    " : "  ";
    for (const Part& p : parts) {
        const int program = doc.GetInstrumentNumber(p.plan.part);
        out += indent + "\\new Staff \\with { midiInstrument = " +
               Quoted(kMidiInstruments[static_cast<std::size_t>(program)]) + " }";
        const std::string name = "\\" + p.variable;
        if (p.plan.daCapo < 0) {
            out += " \\unfoldRepeats " + name + "\n";
            continue;
        }
        out += " {\n" + indent + "  \\unfoldRepeats " +
               (p.plan.soundsAfterDaCapo ? "\\removeWithTag #'afterDaCapo " : "") + name + "\n";
        const PartPlan& plan = p.plan;
        const Ticks back = plan.onset[static_cast<std::size_t>(plan.daCapo)] +
                           plan.length[static_cast<std::size_t>(plan.daCapo)];
        // Going back from the middle of a bar starts a bar all the same.
        const bool atBar = std::any_of(plan.bars.begin(), plan.bars.end(), [&](const Bar& b) {
            return b.start + b.length == back && b.fit != Fit::LastShort;
        });
        if (!atBar) out += indent + "  \\set Timing.measurePosition = #ZERO-MOMENT\n";
        // Back at the start the time signature is the one written there,
        // LilyPond's 4/4 where none is.
        int timeAtBack = -1;
        for (std::size_t i = 0; i <= static_cast<std::size_t>(plan.daCapo); ++i)
            if (plan.columns[i].Syurui[0] == Kind::TimeSignature)
                timeAtBack = plan.columns[i].Atai[0];
        const auto firstSound =
            std::find_if(plan.length.begin(), plan.length.end(), [](Ticks l) { return l > 0; });
        const int timeAtStart =
            firstSound == plan.length.end()
                ? -1
                : plan.timeBefore[static_cast<std::size_t>(firstSound - plan.length.begin())];
        if (timeAtStart < 0 && (timeAtBack >= 0 || !atBar)) out += indent + "  \\time 4/4\n";
        out += indent + "  " + (plan.soundsAfterFine ? "\\removeWithTag #'afterFine " : "") + name +
               "\n" + indent + "}\n";
    }
    if (group) out += "  >>\n";
    out += staffTiming ? "  \\midi {\n" : "  \\midi { }\n";
    if (staffTiming) {
        TimingContexts(false, out);
        out += "  }\n";
    }
    out += "}\n";
}

constexpr std::array<std::string_view, MaxVerses> kOrdinals = {"One", "Two", "Three", "Four",
                                                               "Five"};

} // namespace

ExportError LilyPondText(const SornData& doc, std::string& text, const LilyPondChoice& choice,
                         LilyPondNotes* notes, ProgressSink* progress) {
    text.clear();
    if (doc.Speed() <= 0)
        return {ExportErrorNumber::TempoNotPositive,
                CoreMessage(SORN_TRANSLATE_NOOP("Core",
                                                "テンポが0以下のためLilyPondファイルを作れません。"
                                                "曲の情報でテンポを1以上にしてください。"))};
    std::vector<std::uint8_t> chosen = choice.parts;
    if (chosen.empty())
        for (int p = 0; p < doc.PartCount(); ++p)
            chosen.push_back(static_cast<std::uint8_t>(p));
    for (std::uint8_t p : chosen)
        if (p >= doc.PartCount())
            return {ExportErrorNumber::NoSuchPart,
                    CoreMessage(SORN_TRANSLATE_NOOP("Core", "%1 はありません。"), PartLabel(p))};
    if (chosen.empty())
        return {ExportErrorNumber::NoSuchPart,
                CoreMessage(SORN_TRANSLATE_NOOP("Core", "書き出すパートがありません。"))};
    for (std::uint8_t p : chosen)
        if (doc.GetInstrumentNumber(p) > 127)
            return {
                ExportErrorNumber::InstrumentOutOfRange,
                CoreMessage(SORN_TRANSLATE_NOOP("Core", "%1 の楽器番号 %2 はMIDIの音色番号(0～127)"
                                                        "ではありません。"),
                            PartLabel(p), doc.GetInstrumentNumber(p))};
    if (progress) {
        progress->SetMaximum(2 * static_cast<int>(chosen.size()));
        progress->SetValue(0);
    }
    std::vector<Part> parts(chosen.size());
    Names names;
    for (std::size_t k = 0; k < chosen.size(); ++k) {
        Part& p = parts[k];
        if (ExportError error = PlanPart(doc, chosen[k], p.plan)) return error;
        if (progress) {
            progress->SetValue(static_cast<int>(k) + 1);
            if (progress->Cancelled()) return ExportError::Cancel();
        }
        p.label = doc.GetPartText(chosen[k], PartText::Name);
        if (p.label.empty())
            p.label =
                InstrumentName(static_cast<std::int16_t>(doc.GetInstrumentNumber(chosen[k]) + 1));
        p.variable = names.Take(p.label);
        const bool bare = p.variable.front() != '"';
        const std::string word = bare ? p.variable : p.variable.substr(1, p.variable.size() - 2);
        p.voice = Quoted(word);
        p.verses = SungVerses(doc, p.plan);
        for (int v : p.verses)
            p.verseVariables.push_back(names.Take(
                bare ? word + "Verse" + std::string(kOrdinals[static_cast<std::size_t>(v)])
                     : word + " verse " + std::to_string(v + 1)));
        if (notes && !p.plan.repeatsPlayed) notes->repeatsDrawnOnly.push_back(chosen[k]);
    }

    // A single unnamed part is a solo: its staff goes without a name.
    const bool named =
        parts.size() > 1 || !doc.GetPartText(parts.front().plan.part, PartText::Name).empty();
    text += "\\version \"2.24.0\"\n\n";
    Header(doc, choice, parts, named, text);
    const bool staffTiming = StaffTiming(parts);
    Ticks longest = 0;
    for (const Part& p : parts)
        longest = std::max(longest, p.plan.end);
    SharedMarks marks;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const Part& p = parts[k];
        MusicStyle style;
        style.name = p.variable;
        style.tempo = k == 0 ? doc.Speed() : 0;
        style.repeatContext = staffTiming ? "Staff" : "Score";
        style.spacer = longest;
        WriteMusic(p.plan, style, marks, text);
        text += "\n";
        for (std::size_t v = 0; v < p.verses.size(); ++v) {
            text += p.verseVariables[v] + " = \\lyricmode {\n";
            WriteLyrics(doc, p.plan, p.verses[v], p.verses.size() > 1, text);
            text += "}\n\n";
        }
        if (progress) {
            progress->SetValue(static_cast<int>(chosen.size() + k) + 1);
            if (progress->Cancelled()) return ExportError::Cancel();
        }
    }
    Scores(doc, parts, staffTiming, named, text);
    return {};
}

ExportError ExportLilyPond(const SornData& doc, const std::string& path, ProgressSink* progress) {
    std::string text;
    if (ExportError error = LilyPondText(doc, text, {}, nullptr, progress)) return error;
    if (std::error_code ec = AtomicFile::WriteAll(path, text.data(), text.size()))
        return ExportError::FromFile(ec);
    return {};
}

} // namespace sorn

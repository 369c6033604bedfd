// MusicXML: what we write validates and reads back as the same score; the
// pitches are spelled as they sound; files of other programs come in with
// everything the score can hold, and what it cannot is listed once.

#include "interchange/MusicXmlExport.h"
#include "interchange/MusicXmlImport.h"
#include "interchange/MxlContainer.h"
#include "interchange/XmlPieces.h"
#include "model/SymbolCodes.h"
#include "sound/PartWalk.h"
#include "support/Examples.h"
#include "support/RandomScore.h"
#include "support/Scripted.h"
#include "support/TempDir.h"

#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <tuple>

namespace sorn::test {
namespace {

void WriteText(const std::string& path, std::string_view text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Every position as slot 0 and the sorted attached symbols: the order of
// the attached slots carries no meaning.
std::string Describe(const SornData& doc) {
    std::ostringstream out;
    out << "parts " << doc.PartSuu() + 1 << " length " << doc.Length() << " speed " << doc.Speed()
        << "\n";
    for (int p = 0; p <= doc.PartSuu(); ++p) {
        out << "part " << p << " instrument "
            << int{doc.GetInstrumentNumber(static_cast<std::uint8_t>(p))} << "\n";
        for (std::int32_t i = 0; i <= doc.Length(); ++i) {
            const PositionRecord& r = *doc.Record(static_cast<std::uint8_t>(p), i);
            std::vector<std::pair<int, int>> attached;
            for (int k = 1; k < SlotCount; ++k)
                if (r.Syurui[k]) attached.emplace_back(r.Syurui[k], r.Atai[k]);
            if (!r.Syurui[0] && attached.empty()) continue;
            std::sort(attached.begin(), attached.end());
            out << i << ": " << int{r.Syurui[0]} << "/" << (r.Syurui[0] ? int{r.Atai[0]} : 0);
            for (auto [k, v] : attached)
                out << " " << k << "/" << v;
            out << "\n";
        }
    }
    return out.str();
}

// The words of a score: texts, part names, and every syllable as
// "part.verse@position: text" with b, m, e for a word's begin, middle, end
// and _ for an extender.
std::string DescribeWords(const SornData& doc) {
    static constexpr std::array<const char*, ScoreTextCount> kTexts = {
        "title", "subtitle", "composer", "lyricist", "arranger", "copyright"};
    std::ostringstream out;
    for (int w = 0; w < ScoreTextCount; ++w)
        if (!doc.Text(static_cast<ScoreText>(w)).empty())
            out << kTexts[static_cast<std::size_t>(w)] << ": "
                << doc.Text(static_cast<ScoreText>(w)) << "\n";
    for (int p = 0; p <= doc.PartSuu(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        const std::string& name = doc.GetPartText(part, PartText::Name);
        const std::string& shortName = doc.GetPartText(part, PartText::ShortName);
        if (!name.empty() || !shortName.empty())
            out << "part " << p << ": " << name << " / " << shortName << "\n";
        for (int v = 0; v < MaxVerses; ++v)
            for (std::int32_t i = 0; i <= doc.Length(); ++i) {
                const Syllable s = doc.GetSyllable(part, i, v);
                if (s.Empty()) continue;
                static constexpr std::array<const char*, 4> kMarks = {"", " b", " m", " e"};
                out << p << "." << v << "@" << i << ": " << s.text
                    << kMarks[static_cast<std::size_t>(s.syllabic)] << (s.extend ? "_" : "")
                    << "\n";
            }
    }
    return out.str();
}

// xmllint against the schema copied into the test data, offline.
std::string SchemaErrors(const std::vector<std::string>& files) {
    const auto schema =
        std::filesystem::path(SORN_SOURCE_DIR) / "tests/interchange/data/musicxml-4.0";
    TempDir dir;
    std::string command = "XML_CATALOG_FILES='" + (schema / "catalog.xml").string() +
                          "' xmllint --noout --nonet --schema '" +
                          (schema / "musicxml.xsd").string() + "'";
    for (const auto& f : files)
        command += " '" + f + "'";
    command += " >'" + dir.File("log") + "' 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream log(dir.File("log"));
    std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    return status == 0 ? std::string() : text;
}

// The examples and a set of random scores: valid MusicXML 4.0, and read back
// symbol for symbol.
TEST(MusicXmlRoundTrip, ExamplesAndRandomScoresValidateAndComeBackUnchanged) {
    TempDir dir;
    std::vector<SornData> scores;
    for (const char* name :
         {"canon.sorn", "chorale.sorn", "kirakira.sorn", "sakura.sorn", "amazing-grace.sorn"}) {
        ScriptedMessageBoxes boxes;
        scores.emplace_back();
        ASSERT_EQ(scores.back().FileOpen(Example(name), boxes), OpenResult::Opened) << name;
    }
    for (unsigned seed = 1; seed <= 40; ++seed)
        scores.push_back(RandomScore(seed));
    std::vector<std::string> files;
    for (std::size_t s = 0; s < scores.size(); ++s) {
        std::string text;
        // As written, repeat signs and all, whatever the parts repeat.
        ASSERT_FALSE(MusicXmlText(scores[s], text, UnfoldRepeats::Never)) << s;
        files.push_back(dir.File(std::to_string(s) + ".musicxml"));
        WriteText(files.back(), text);
        SornData back;
        const ImportOutcome outcome = ImportMusicXml(text, back);
        ASSERT_EQ(outcome.status, ImportStatus::Imported) << s;
        EXPECT_EQ(Text(outcome.message, Language::Japanese), "") << s;
        EXPECT_EQ(Describe(back), Describe(scores[s])) << "score " << s;
        // The words come back; instrument names read back are no part names.
        EXPECT_EQ(DescribeWords(back), DescribeWords(scores[s])) << s;
    }
    EXPECT_EQ(SchemaErrors(files), "");
}

// A part as it plays: "60:256" a note (MIDI number, ticks with
// what is tied to it), "r:768" a rest.
std::string Played(const SornData& doc, std::uint8_t part = 0) {
    struct Listener : PartListener {
        std::string out;
        bool Rest(std::int32_t, std::int32_t length) override {
            out += " r:" + std::to_string(length);
            return true;
        }
        bool Note(std::int32_t, std::int16_t note, std::uint8_t, std::int32_t length,
                  std::int32_t tied) override {
            out += " " + std::to_string(note) + ":" + std::to_string(length + tied);
            return true;
        }
    } listener;
    WalkPart(doc, part, listener);
    return listener.out.empty() ? "" : listener.out.substr(1);
}

// Parts that repeat differently are written played through: no repeat
// signs, and every part plays, read back, what playback plays. Parts that
// repeat alike keep their signs and come back as written.
TEST(MusicXmlUnfold, PartsThatRepeatDifferentlyArePlayedThrough) {
    // Two bars of 2/4 and a third. Part 1 repeats bars 1-2 from the start,
    // forte, singing verse 2 the second time. Part 2 repeats bar 2, inside
    // which clef and key change, and after a D.C. ends at a Fine in bar 1.
    SornData differ;
    differ.FileNew();
    differ.AddPart();
    differ.SetLength(20);
    auto put = [&](int part, std::int32_t at, std::uint8_t kind, std::uint8_t value) {
        differ.SetGData1(static_cast<std::uint8_t>(part), at, 0, kind, value);
    };
    auto attach = [&](int part, std::int32_t at, std::uint8_t kind, std::uint8_t value) {
        differ.CheckGData1(static_cast<std::uint8_t>(part), at, kind, value);
    };
    for (int p = 0; p < 2; ++p) {
        put(p, 0, Kind::Clef, p == 0 ? ClefCode::G : ClefCode::F);
        put(p, 1, Kind::TimeSignature, EncodeTimeSignature(2, 2));
    }
    for (std::int32_t i : {2, 3, 4, 5, 7, 8})
        put(0, i, Kind::QuarterNote, static_cast<std::uint8_t>(128 + i));
    // A tie that finds no note to join, then the repeat's bar line on a
    // column of its own: after the jump the same pitch is struck anew.
    put(0, 5, Kind::QuarterNote, 130);
    attach(0, 5, Kind::Tie, MarkPresent);
    attach(0, 2, Kind::Dynamics, DynamicsCode::f);
    attach(0, 3, Kind::BarLine, BarLineCode::Single);
    attach(0, 6, Kind::BarLine, BarLineCode::RepeatEnd);
    attach(0, 8, Kind::BarLine, BarLineCode::Final);
    differ.SetSyllable(0, 2, 0, {.text = "one"});
    differ.SetSyllable(0, 2, 1, {.text = "two"});
    differ.SetSyllable(0, 7, 0, {.text = "end"});
    for (std::int32_t i : {2, 3, 4, 7, 8, 9})
        put(1, i, Kind::QuarterNote, static_cast<std::uint8_t>(128 + i));
    put(1, 3, Kind::QuarterNote, 130);
    attach(1, 2, Kind::Tie, MarkPresent);
    attach(1, 3, Kind::BarLine, BarLineCode::RepeatStart);
    attach(1, 3, Kind::RepeatWord, RepeatWordCode::Fine);
    put(1, 5, Kind::Clef, ClefCode::G);
    put(1, 6, Kind::KeySignature, 3);
    attach(1, 7, Kind::BarLine, BarLineCode::RepeatEnd);
    attach(1, 9, Kind::BarLine, BarLineCode::Final);
    attach(1, 9, Kind::RepeatWord, RepeatWordCode::DC);
    // The same, with part 2 repeating as part 1 does.
    SornData alike = differ;
    alike.CheckGData1(1, 3, Kind::BarLine, BarLineCode::Single);
    alike.CheckGData1(1, 3, Kind::RepeatWord, RepeatWordCode::Fine);
    alike.CheckGData1(1, 9, Kind::RepeatWord, RepeatWordCode::DC);

    std::vector<std::pair<const char*, SornData>> scores;
    scores.emplace_back("differ", differ);
    ScriptedMessageBoxes boxes;
    scores.emplace_back("canon", SornData());
    ASSERT_EQ(scores.back().second.FileOpen(Example("canon.sorn"), boxes), OpenResult::Opened);
    for (unsigned seed = 1; seed <= 40; ++seed)
        scores.emplace_back("random", RandomScore(seed));
    TempDir dir;
    std::vector<std::string> files;
    for (const auto& [what, doc] : scores) {
        SCOPED_TRACE(what + std::to_string(files.size()));
        std::string text;
        ASSERT_FALSE(MusicXmlText(doc, text, UnfoldRepeats::Always));
        files.push_back(dir.File(std::to_string(files.size()) + ".musicxml"));
        WriteText(files.back(), text);
        for (const char* sign : {"<repeat", "dacapo", "fine="})
            EXPECT_EQ(text.find(sign), std::string::npos) << sign;
        SornData back;
        ASSERT_EQ(ImportMusicXml(text, back).status, ImportStatus::Imported);
        for (int p = 0; p <= doc.PartSuu(); ++p)
            EXPECT_EQ(Played(back, static_cast<std::uint8_t>(p)),
                      Played(doc, static_cast<std::uint8_t>(p)))
                << "part " << p;
    }
    EXPECT_TRUE(WritesRepeatsOut(differ, UnfoldRepeats::Auto));
    EXPECT_TRUE(WritesRepeatsOut(scores[1].second, UnfoldRepeats::Auto));
    EXPECT_FALSE(WritesRepeatsOut(differ, UnfoldRepeats::Never));
    EXPECT_EQ(SchemaErrors(files), "");

    // Each pass sings its own verse, on one line.
    std::string text;
    ASSERT_FALSE(MusicXmlText(differ, text));
    SornData back;
    ASSERT_EQ(ImportMusicXml(text, back).status, ImportStatus::Imported);
    std::string sung;
    for (std::int32_t i = 0; i <= back.Length(); ++i)
        if (back.HasSyllable(0, i, 0)) sung += back.GetSyllable(0, i, 0).text + " ";
    EXPECT_EQ(sung, "one two end ");
    EXPECT_EQ(back.VerseCount(0), 1);

    EXPECT_FALSE(WritesRepeatsOut(alike, UnfoldRepeats::Auto));
    ASSERT_FALSE(MusicXmlText(alike, text));
    back = SornData();
    ASSERT_EQ(ImportMusicXml(text, back).status, ImportStatus::Imported);
    EXPECT_EQ(Describe(back), Describe(alike));

    // In 3/4 with a pickup, part 1 goes back to the start from a bar of two
    // beats, part 2 plays on a full bar: the short bar and the pickup make
    // one bar, and the measures of both parts stay in step.
    SornData pickup;
    pickup.FileNew();
    pickup.AddPart();
    for (std::uint8_t p = 0; p < 2; ++p) {
        pickup.SetGData1(p, 0, 0, Kind::TimeSignature, EncodeTimeSignature(3, 2));
        for (std::int32_t i = 1; i <= 7; ++i)
            pickup.SetGData1(p, i, 0, Kind::QuarterNote, static_cast<std::uint8_t>(128 + i));
        for (std::int32_t i : {1, 4})
            pickup.CheckGData1(p, i, Kind::BarLine, BarLineCode::Single);
        if (p == 0) pickup.CheckGData1(p, 6, Kind::BarLine, BarLineCode::RepeatEnd);
        if (p == 1) pickup.CheckGData1(p, 7, Kind::BarLine, BarLineCode::Single);
    }
    pickup.SetSyllable(1, 2, 0, {.text = "first"});
    pickup.SetSyllable(1, 2, 1, {.text = "second"});
    ASSERT_FALSE(MusicXmlText(pickup, text));
    pugi::xml_document xml;
    ASSERT_TRUE(xml.load_string(text.c_str()));
    std::vector<std::vector<int>> bars; // the divisions of each measure, part by part
    for (pugi::xml_node part : xml.child("score-partwise").children("part")) {
        bars.emplace_back();
        for (pugi::xml_node measure : part.children("measure")) {
            bars.back().push_back(0);
            for (pugi::xml_node note : measure.children("note"))
                bars.back().back() += note.child("duration").text().as_int();
        }
    }
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].size(), 6u);
    for (std::size_t m = 0; m < bars[1].size(); ++m)
        EXPECT_EQ(bars[0][m], bars[1][m]) << "measure " << m;
    // Part 2 never goes back: its verses stay as written.
    back = SornData();
    ASSERT_EQ(ImportMusicXml(text, back).status, ImportStatus::Imported);
    EXPECT_EQ(back.GetSyllable(1, 2, 1).text, "second");
}

// Every word the score holds, through the schema and back: texts with
// characters XML must escape, named and unnamed parts, two verses (one in
// kana) with hyphens and extenders, a syllable under a rest.
TEST(MusicXmlRoundTrip, WordsValidateAndComeBack) {
    SornData doc;
    doc.FileNew();
    doc.AddPart();
    doc.SetInstrumentNumber(0, "52");
    const std::vector<std::pair<ScoreText, std::string>> texts = {
        {ScoreText::Title, "春の歌 <1> & \"2\""}, {ScoreText::Subtitle, "二部合唱のために"},
        {ScoreText::Composer, "佐藤 花"},         {ScoreText::Lyricist, "Taro 'Ito'"},
        {ScoreText::Arranger, "森\x01健"},        {ScoreText::Copyright, "© 2024\r\nHana"}};
    for (const auto& [which, text] : texts)
        ASSERT_TRUE(doc.SetText(which, text));
    doc.SetPartText(0, PartText::Name, "ソプラノ");
    doc.SetPartText(0, PartText::ShortName, "S.");
    doc.SetPartText(1, PartText::ShortName, "A.");
    for (std::int32_t i = 1; i <= 4; ++i) {
        doc.SetGData1(0, i, 0, Kind::QuarterNote, static_cast<std::uint8_t>(126 + i));
        doc.SetGData1(1, i, 0, Kind::HalfNote, 124);
    }
    doc.SetGData1(0, 5, 0, Kind::Rest, LengthCode::Quarter);
    const std::vector<std::tuple<int, std::int32_t, int, Syllable>> syllables = {
        {0, 1, 0, {"Hap", Syllabic::Begin}},        {0, 2, 0, {"py", Syllabic::End}},
        {0, 3, 0, {"day", Syllabic::Single, true}}, {0, 5, 0, {"ah"}},
        {0, 1, 1, {"さ", Syllabic::Begin}},         {0, 2, 1, {"く", Syllabic::Middle}},
        {0, 3, 1, {"ら", Syllabic::End, true}},     {1, 4, 0, {"la"}},
    };
    for (const auto& [part, i, verse, syllable] : syllables)
        ASSERT_TRUE(doc.SetSyllable(static_cast<std::uint8_t>(part), i, verse, syllable));

    std::string text;
    ASSERT_FALSE(MusicXmlText(doc, text));
    TempDir dir;
    WriteText(dir.File("words.musicxml"), text);
    EXPECT_EQ(SchemaErrors({dir.File("words.musicxml")}), "");
    SornData back;
    const ImportOutcome outcome = ImportMusicXml(text, back);
    ASSERT_EQ(outcome.status, ImportStatus::Imported);
    EXPECT_EQ(Text(outcome.message, Language::Japanese), "");
    EXPECT_EQ(Describe(back), Describe(doc));
    // XML has no room for the control character; the rest comes back whole.
    EXPECT_EQ(back.Text(ScoreText::Arranger), "森健");
    back.SetText(ScoreText::Arranger, doc.Text(ScoreText::Arranger));
    EXPECT_EQ(DescribeWords(back), DescribeWords(doc));
}

// The compressed container through the one writer, opened again from disk;
// the score comes in untitled and keeps the editor's progress bar.
TEST(MusicXmlRoundTrip, MxlContainerOnDisk) {
    TempDir dir;
    ScriptedMessageBoxes boxes;
    SornData score;
    ASSERT_EQ(score.FileOpen(Example("kirakira.sorn"), boxes), OpenResult::Opened);
    ASSERT_FALSE(ExportMusicXml(score, dir.File("k.mxl")));
    const auto bytes = ReadBytes(dir.File("k.mxl"));
    const std::string archive(bytes.begin(), bytes.end());
    ASSERT_TRUE(LooksLikeZip(archive));
    // The mimetype entry comes first, stored, so the type is readable at byte 38.
    EXPECT_EQ(archive.substr(30, 8), "mimetype");
    EXPECT_EQ(archive.substr(38, 34), "application/vnd.recordare.musicxml");
    std::string text;
    ASSERT_FALSE(MusicXmlText(score, text));
    MxlScore inside(archive);
    ASSERT_TRUE(inside.Found());
    std::string unpacked(inside.Size(), '\0');
    ASSERT_EQ(inside.Read(unpacked.data(), unpacked.size()),
              static_cast<std::ptrdiff_t>(unpacked.size()));
    EXPECT_EQ(unpacked, text);

    SornData opened;
    ASSERT_EQ(opened.FileOpen(Example("canon.sorn"), boxes), OpenResult::Opened);
    ASSERT_EQ(OpenMusicXml(opened, dir.File("k.mxl"), boxes), OpenResult::Opened);
    EXPECT_EQ(Describe(opened), Describe(score));
    EXPECT_EQ(opened.SornFileName(), "");
    EXPECT_TRUE(boxes.shown.empty());
}

// The export follows its progress, and a cancel leaves the old file as it was.
TEST(MusicXmlRoundTrip, CancelledExportLeavesTheOldFile) {
    struct Sink : ProgressSink {
        int maximum = 0, value = 0;
        bool cancel = false;
        void SetMaximum(int m) override { maximum = m; }
        void SetValue(int v) override { value = v; }
        bool Cancelled() const override { return cancel; }
    };
    TempDir dir;
    const SornData score = RandomScore(7);
    for (const char* name : {"old.musicxml", "old.mxl"}) {
        WriteText(dir.File(name), "old");
        Sink sink;
        sink.cancel = true;
        EXPECT_TRUE(ExportMusicXml(score, dir.File(name), &sink).Cancelled()) << name;
        const auto kept = ReadBytes(dir.File(name));
        EXPECT_EQ(std::string(kept.begin(), kept.end()), "old") << name;
        sink.cancel = false;
        ASSERT_FALSE(ExportMusicXml(score, dir.File(name), &sink)) << name;
        EXPECT_EQ(sink.maximum, (score.PartSuu() + 1) * (score.Length() + 1)) << name;
        EXPECT_GT(sink.value, 0) << name;
    }
}

// A first bar shorter than its time signature is written as the pickup it
// is (bar 0, implicit), and reads back unchanged.
TEST(MusicXmlRoundTrip, PickupBarIsNumberedZero) {
    SornData doc;
    doc.FileNew();
    doc.SetLength(8);
    doc.SetGData1(0, 0, 0, Kind::TimeSignature, TimeSignatureCommon);
    for (std::int32_t i = 1; i <= 6; ++i)
        doc.SetGData1(0, i, 0, Kind::QuarterNote, 130);
    doc.CheckGData1(0, 1, Kind::BarLine, BarLineCode::Single);
    doc.CheckGData1(0, 5, Kind::BarLine, BarLineCode::Single);
    std::string text;
    ASSERT_FALSE(MusicXmlText(doc, text));
    EXPECT_NE(text.find("<measure number=\"0\" implicit=\"yes\">"), std::string::npos) << text;
    EXPECT_NE(text.find("<measure number=\"2\">"), std::string::npos) << text;
    EXPECT_EQ(text.find("<measure number=\"3\">"), std::string::npos) << text;
    SornData back;
    ASSERT_EQ(ImportMusicXml(text, back).status, ImportStatus::Imported);
    EXPECT_EQ(Describe(back), Describe(doc));
    // A full first bar stays bar 1.
    doc.SetGData1(0, 1, 0, Kind::WholeNote, 130);
    ASSERT_FALSE(MusicXmlText(doc, text));
    EXPECT_NE(text.find("<measure number=\"1\">"), std::string::npos) << text;
    EXPECT_EQ(text.find("implicit"), std::string::npos) << text;
}

struct Spelled {
    std::string pitch; // step, alter, octave: "F#4", "Bb4", "C##5", "G2"
    std::string accidental;
    bool operator==(const Spelled&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Spelled& s) {
    return out << s.pitch << "(" << s.accidental << ")";
}

// Builds one part from tokens: "k3" key, "c2" clef, "|" bar line, "125" a
// quarter note, "125#" with a sharp ("#", "x" double sharp, "n", "b", "bb"),
// a trailing "~" ties it on. Returns the pitches the export writes.
std::vector<Spelled> Spell(const std::vector<std::string>& tokens) {
    SornData doc;
    doc.FileNew();
    std::int32_t i = 0;
    for (std::string t : tokens) {
        if (t == "|") {
            doc.CheckGData1(0, i++, Kind::BarLine, BarLineCode::Single);
        } else if (t[0] == 'k' || t[0] == 'c') {
            doc.SetGData1(0, i++, 0, t[0] == 'k' ? Kind::KeySignature : Kind::Clef,
                          static_cast<std::uint8_t>(std::stoi(t.substr(1))));
        } else {
            const bool tie = t.back() == '~';
            if (tie) t.pop_back();
            std::size_t digits = 0;
            const int position = std::stoi(t, &digits);
            const std::string mark = t.substr(digits);
            doc.SetGData1(0, i, 0, Kind::QuarterNote, static_cast<std::uint8_t>(position));
            static const std::map<std::string, std::uint8_t> codes = {
                {"#", 1}, {"x", 2}, {"n", 3}, {"b", 4}, {"bb", 5}};
            if (!mark.empty()) doc.CheckGData1(0, i, Kind::Accidental, codes.at(mark));
            if (tie) doc.CheckGData1(0, i, Kind::Tie, MarkPresent);
            ++i;
        }
    }
    std::string text;
    EXPECT_FALSE(MusicXmlText(doc, text));
    pugi::xml_document xml;
    xml.load_string(text.c_str());
    std::vector<Spelled> out;
    for (auto note : xml.select_nodes("//note[pitch]")) {
        const pugi::xml_node p = note.node().child("pitch");
        const int alter = p.child("alter").text().as_int();
        std::string pitch = p.child_value("step");
        pitch += alter > 0 ? std::string(static_cast<std::size_t>(alter), '#')
                           : std::string(static_cast<std::size_t>(-alter), 'b');
        out.push_back({pitch + p.child_value("octave"), note.node().child_value("accidental")});
    }
    return out;
}

TEST(MusicXmlPitch, EveryKeySpellsItsSignature) {
    // Staff positions 122..128 are C4..B4 under the G clef.
    const std::string sharps = "FCGDAEB", flats = "BEADGCF";
    for (int key = 0; key <= 14; ++key) {
        std::vector<std::string> tokens = {"k" + std::to_string(key)};
        for (int position = 122; position <= 128; ++position)
            tokens.push_back(std::to_string(position));
        std::vector<Spelled> expected;
        for (char letter : std::string("CDEFGAB")) {
            const bool sharp =
                key >= 1 && key <= 7 && sharps.substr(0, key).find(letter) != std::string::npos;
            const bool flat =
                key >= 8 && flats.substr(0, key - 7).find(letter) != std::string::npos;
            expected.push_back({std::string(1, letter) +
                                    (sharp  ? "#"
                                     : flat ? "b"
                                            : "") +
                                    "4",
                                ""});
        }
        EXPECT_EQ(Spell(tokens), expected) << "key " << key;
    }
}

TEST(MusicXmlPitch, AccidentalsLastTheBarOnTheirOwnLineOrSpace) {
    struct Case {
        std::vector<std::string> tokens;
        std::vector<Spelled> expected;
    };
    const std::vector<Case> cases = {
        // Carried to the same line, not to the octave, ended by the bar line.
        {{"125#", "125", "132", "|", "125"},
         {{"F#4", "sharp"}, {"F#4", ""}, {"F5", ""}, {"F4", ""}}},
        // A natural cancels the key for the rest of the bar only.
        {{"k2", "125n", "125", "|", "125"}, {{"F4", "natural"}, {"F4", ""}, {"F#4", ""}}},
        {{"k9", "128n", "128b", "128"}, {{"B4", "natural"}, {"Bb4", "flat"}, {"Bb4", ""}}},
        // Double sharps and flats, and a natural after them.
        {{"122x", "122", "128bb", "128n"},
         {{"C##4", "double-sharp"}, {"C##4", ""}, {"Bbb4", "flat-flat"}, {"B4", "natural"}}},
        // A key signature in the bar cancels what was written before it.
        {{"125#", "k0", "125"}, {{"F#4", "sharp"}, {"F4", ""}}},
        // A note tied over the bar line keeps its pitch; the next one does not.
        {{"125#~", "|", "125", "125"}, {{"F#4", "sharp"}, {"F#4", ""}, {"F4", ""}}},
        // Clefs: the same staff positions read lower.
        {{"c2", "124", "c10", "128", "c11", "128"}, {{"G2", ""}, {"C4", ""}, {"A3", ""}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Spell(c.tokens), c.expected) << c.tokens[0];
}

const char* const kHead = R"(<?xml version="1.0" encoding="UTF-8"?>
<score-partwise version="4.0"><part-list>
<score-part id="A"><part-name>Fl</part-name><midi-instrument id="A-I"><midi-program>74</midi-program></midi-instrument></score-part>
<score-part id="B"><part-name>Pno</part-name></score-part></part-list>
)";

// Every mapped element of a file from elsewhere lands on the symbol it means.
TEST(MusicXmlImport, MappedElementsOfAForeignFile) {
    const std::string file = std::string(kHead) + R"(<part id="A">
<measure number="1"><attributes><divisions>2</divisions><key><fifths>-3</fifths></key>
<time><beats>3</beats><beat-type>4</beat-type></time><clef><sign>F</sign><line>4</line></clef></attributes>
<direction><direction-type><metronome><beat-unit>half</beat-unit><per-minute>40</per-minute></metronome></direction-type></direction>
<direction><direction-type><dynamics><pp/></dynamics></direction-type></direction>
<note><pitch><step>E</step><alter>-1</alter><octave>3</octave></pitch><duration>3</duration><tie type="start"/><type>quarter</type><dot/></note>
<note><pitch><step>E</step><alter>-1</alter><octave>3</octave></pitch><duration>1</duration><type>eighth</type><beam number="1">begin</beam></note>
<note><pitch><step>E</step><octave>3</octave></pitch><duration>1</duration><type>eighth</type><accidental>natural</accidental><beam number="1">end</beam></note>
<barline location="right"><bar-style>light-heavy</bar-style><repeat direction="backward"/></barline></measure>
<measure number="2"><barline location="left"><bar-style>heavy-light</bar-style><repeat direction="forward"/></barline>
<note><rest/><duration>2</duration><type>quarter</type></note>
<note><pitch><step>F</step><alter>1</alter><octave>3</octave></pitch><duration>2</duration><type>quarter</type></note>
<direction><direction-type><words>D.C.</words></direction-type></direction>
<barline location="right"><bar-style>light-light</bar-style></barline></measure>
<measure number="3"><note><rest measure="yes"/><duration>6</duration></note>
<direction><direction-type><words>Fine</words></direction-type></direction></measure>
</part>
<part id="B"><measure number="1"><attributes><divisions>1</divisions><clef><sign>C</sign><line>3</line></clef></attributes>
<note><pitch><step>C</step><octave>4</octave></pitch><duration>4</duration><type>whole</type></note></measure>
<measure number="2"><note><pitch><step>C</step><octave>4</octave></pitch><duration>4</duration><type>whole</type></note></measure></part>
</score-partwise>)";
    SornData doc;
    const ImportOutcome outcome = ImportMusicXml(file, doc);
    ASSERT_EQ(outcome.status, ImportStatus::Imported);
    EXPECT_EQ(Text(outcome.message, Language::Japanese), "");
    // Eb3 under the F clef is staff position 129; the key's flat needs no
    // accidental, the natural and the F sharp do.
    EXPECT_EQ(Describe(doc), "parts 2 length 20 speed 80\n"
                             "part 0 instrument 73\n"
                             "0: 20/2\n"
                             "1: 31/10\n"
                             "2: 30/18\n"
                             "3: 3/129 12/1 13/3 23/1\n"
                             "4: 4/129 96/1\n"
                             "5: 4/129 10/18 11/3\n"
                             "6: 9/3\n"
                             "7: 3/130 10/1 11/1 64/1\n"
                             "8: 9/2 12/1 64/8\n"
                             "part 1 instrument 0\n"
                             "0: 20/10\n"
                             "1: 1/128 10/0\n"
                             "2: 1/128\n");
}

// What the score cannot hold is left out, and said once with counts.
TEST(MusicXmlImport, WhatCannotBeHeldIsListedOnce) {
    const std::string file = std::string(kHead) + R"(<part id="A">
<measure number="1"><attributes><divisions>4</divisions><staves>2</staves></attributes>
<note><pitch><step>C</step><octave>5</octave></pitch><duration>4</duration><voice>1</voice><type>quarter</type><staff>1</staff><lyric number="6"><text>la</text></lyric></note>
<note><chord/><pitch><step>E</step><octave>5</octave></pitch><duration>4</duration><voice>1</voice><type>quarter</type><staff>1</staff></note>
<note><chord/><pitch><step>G</step><octave>4</octave></pitch><duration>4</duration><voice>1</voice><type>quarter</type><staff>1</staff></note>
<note><grace/><pitch><step>D</step><octave>5</octave></pitch><voice>1</voice><type>eighth</type><staff>1</staff></note>
<note><pitch><step>D</step><octave>5</octave></pitch><duration>1</duration><voice>1</voice><type>eighth</type><time-modification><actual-notes>3</actual-notes><normal-notes>2</normal-notes></time-modification><staff>1</staff><notations><slur type="start"/><articulations><staccato/><accent/></articulations><fermata/></notations></note>
<note><pitch><step>D</step><octave>5</octave></pitch><duration>1</duration><voice>1</voice><type>128th</type><dot/><dot/><staff>1</staff><notations><slur type="stop"/></notations></note>
<direction><direction-type><words>cresc.</words></direction-type></direction>
<direction><direction-type><wedge type="crescendo"/></direction-type></direction>
<backup><duration>6</duration></backup>
<note><pitch><step>A</step><octave>4</octave></pitch><duration>6</duration><voice>2</voice><type>quarter</type><staff>1</staff></note>
<note><pitch><step>C</step><octave>3</octave></pitch><duration>6</duration><voice>5</voice><type>quarter</type><staff>2</staff></note>
<note><pitch><step>C</step><octave>25</octave></pitch><duration>1</duration><voice>1</voice><type>16th</type></note>
</measure></part>
<part id="B"><measure number="1"><note><unpitched><display-step>C</display-step><display-octave>4</display-octave></unpitched><duration>1</duration><type>quarter</type></note></measure></part>
</score-partwise>)";
    SornData doc;
    const ImportOutcome outcome = ImportMusicXml(file, doc);
    ASSERT_EQ(outcome.status, ImportStatus::Imported);
    EXPECT_EQ(Text(outcome.message, Language::Japanese),
              "この楽譜に書けないものは、読み込むときに次のとおり省きました。\n"
              "和音 1 か所は最上音だけを読み込みました。\n"
              "ほかの声部の音符・休符 1 個は読み込みませんでした。\n"
              "2 段目以降の譜表の音符・休符 1 個は読み込みませんでした。\n"
              "音の高さのない打楽器の音符 1 個は読み込みませんでした。\n"
              "音符のない所 2 か所は休符で埋めました。\n"
              "連符の音符・休符 1 個は、連符全体の長さが合うように連符でない音価で"
              "読み込みました。\n"
              "音価と長さが食い違う音符・休符 1 個は長さに合わせた音価で読み込みました。\n"
              "装飾音符 1 個は読み込みませんでした。\n"
              "6 番以降の歌詞 1 個は読み込みませんでした。\n"
              "スラー 1 個は読み込みませんでした。\n"
              "アーティキュレーション 2 個は読み込みませんでした。\n"
              "その他の音符の記号 1 個は読み込みませんでした。\n"
              "文字 1 個は読み込みませんでした。\n"
              "クレッシェンド・デクレッシェンドの記号 1 個は読み込みませんでした。\n"
              "譜表に書けない高さの音符 1 個は読み込みませんでした。");
    // The chord's top note, E5 (staff position 131), the tuplet eighth and
    // the 128th as the sixteenths their durations are; the out-of-range C
    // leaves the rest of the bar (to where the second staff's note ends)
    // as rests, and the percussion part has a rest for its note.
    EXPECT_EQ(Describe(doc), "parts 2 length 20 speed 120\n"
                             "part 0 instrument 73\n"
                             "0: 3/131\n"
                             "1: 5/130\n"
                             "2: 5/130\n"
                             "3: 9/3 12/1\n"
                             "4: 9/5\n"
                             "part 1 instrument 0\n"
                             "0: 9/3\n");
}

// Files of other programs play as they mean, and whatever had to change
// to fit is said: one row per way a file used to come in wrong silently.
TEST(MusicXmlImport, ForeignFilesPlayInTimeAndSayWhatChanged) {
    const std::string a = "<attributes><divisions>2</divisions><time><beats>3</beats>"
                          "<beat-type>4</beat-type></time></attributes>";
    auto note = [](const char* step, int octave, int duration, const char* type,
                   const char* more = "") {
        return std::string("<note>") + more + "<pitch><step>" + step + "</step><octave>" +
               std::to_string(octave) + "</octave></pitch><duration>" + std::to_string(duration) +
               "</duration><type>" + type + "</type></note>";
    };
    const std::string c4 = note("C", 4, 2, "quarter");
    const char* triplet =
        "<time-modification><actual-notes>3</actual-notes><normal-notes>2</normal-notes>"
        "</time-modification>";
    struct Case {
        const char* what;
        std::string measures;
        std::string played;
        std::vector<std::string> said;
        int speed = 120;
        bool onlyStart = false; // what follows is a very long rest
    };
    const std::vector<Case> cases = {
        {"forward is a rest",
         "<measure>" + a + "<forward><duration>6</duration></forward></measure><measure>" + c4 +
             "<forward><duration>4</duration></forward></measure>",
         "r:768 60:256 r:512",
         {"音符のない所 2 か所は休符で埋めました"}},
        {"duration decides; no single symbol: several",
         "<measure>" + a +
             "<note><rest measure=\"yes\"/><duration>6</duration><type>whole</type>"
             "</note></measure><measure><attributes><divisions>4</divisions></attributes>" +
             note("C", 4, 14, "quarter") + "</measure><measure>" + note("C", 4, 32, "breve") +
             "</measure>",
         "r:768 60:896 60:2048",
         {"1 つの記号で書けない長さの音符・休符 2 個はタイでつないだ音符や複数の休符にしました"}},
        {"the kept voice bar by bar, padded where other staves were",
         "<measure>" + a + c4 + c4 + c4 + "</measure><measure>" +
             note("D", 4, 6, "half", "<voice>2</voice>") + "</measure><measure>" +
             note("E", 4, 2, "quarter", "<voice>1</voice>") +
             note("C", 3, 4, "half", "<staff>2</staff>") + "</measure>",
         "60:256 60:256 60:256 62:768 64:256 r:512",
         {"音価と長さが食い違う音符・休符 1 個は長さに合わせた音価で読み込みました",
          "2 段目以降の譜表の音符・休符 1 個", "音符のない所 1 か所"}},
        {"transposing instrument at concert pitch",
         "<measure><attributes><divisions>2</divisions><key><fifths>2</fifths></key>"
         "<transpose><diatonic>-1</diatonic><chromatic>-2</chromatic></transpose>"
         "</attributes>" +
             note("D", 5, 2, "quarter") + note("F", 5, 2, "quarter") + "</measure>",
         "72:256 75:256", // written D5 and F5 sound C5 and E flat 5
         {"移調楽器のパート 1 個は実音の高さで読み込みました"}},
        {"tuplets add up to their span",
         "<measure><attributes><divisions>3</divisions></attributes>" +
             note("C", 4, 1, "eighth", triplet) + note("D", 4, 1, "eighth", triplet) +
             note("E", 4, 1, "eighth", triplet) + note("F", 4, 3, "quarter") + "</measure>",
         "60:96 62:64 64:96 65:256",
         {"連符の音符・休符 3 個"}},
        {"voltas written out",
         "<measure>" + a + c4 +
             "</measure><measure><barline location=\"left\"><ending "
             "number=\"1\" type=\"start\"/></barline>" +
             note("D", 4, 2, "quarter") +
             "<barline><ending number=\"1\" type=\"stop\"/><repeat direction=\"backward\"/>"
             "</barline></measure><measure><barline location=\"left\"><ending number=\"2\" "
             "type=\"start\"/></barline>" +
             note("E", 4, 2, "quarter") + "</measure>",
         "60:256 62:256 60:256 64:256",
         {"1 番・2 番かっこや回数の指定のある繰り返し 1 か所は、演奏する順に書き出しました"}},
        {"three passes written out",
         "<measure>" + a + c4 +
             "<barline><repeat direction=\"backward\" times=\"3\"/></barline></measure>",
         "60:256 60:256 60:256",
         {"回数の指定のある繰り返し 1 か所"}},
        {"a chord keeps the tie of its top note, over a time stated again",
         "<measure>" + a + note("C", 5, 6, "half", "<dot/>") +
             note("E", 5, 6, "half", "<chord/><dot/><tie type=\"start\"/>") +
             "</measure><measure>" + a + note("E", 5, 6, "half", "<dot/>") + "</measure>",
         "76:1536",
         {"和音 1 か所"}},
        {"later tempos",
         "<measure>" + a +
             "<direction><direction-type><metronome><beat-unit>quarter</beat-unit>"
             "<per-minute>100</per-minute></metronome></direction-type></direction>" +
             c4 + "<direction><sound tempo=\"60\"/></direction>" + c4 + "</measure>",
         "60:256 60:256",
         {"途中で変わる速さの指定 1 個は読み込まず、最初の速さで通しました"},
         100},
        {"each dropped mark by its name",
         "<measure>" + a +
             "<direction><direction-type><wedge type=\"crescendo\"/></direction-type></direction>"
             "<direction><direction-type><wedge type=\"stop\"/></direction-type></direction>"
             "<harmony><root><root-step>C</root-step></root></harmony>"
             "<direction><direction-type><dynamics><sf/></dynamics></direction-type></direction>"
             "<direction><direction-type><pedal type=\"start\"/></direction-type></direction>"
             "<direction><direction-type><octave-shift type=\"down\"/></direction-type>"
             "</direction>"
             "<note><pitch><step>C</step><alter>3</alter><octave>4</octave></pitch><duration>2"
             "</duration><type>quarter</type></note>"
             "<note><unpitched><display-step>E</display-step><display-octave>4</display-octave>"
             "</unpitched><duration>2</duration><type>quarter</type></note></measure>",
         "63:256 r:256",
         {"クレッシェンド・デクレッシェンドの記号 1 個", "コードネーム 1 個",
          "sf・fp などの強弱記号 1 個", "ペダル記号 1 個", "8va などのオクターブ記号 1 個",
          "三重シャープ・三重フラットなどの音符 1 個は同じ高さの別の音名",
          "音の高さのない打楽器の音符 1 個"}},
        {"probes: a first chord note, huge numbers",
         "<measure><attributes><divisions>2</divisions><key><fifths>4294967298</fifths></key>"
         "</attributes><direction><sound tempo=\"1e300\"/></direction>" +
             note("G", 4, 2, "quarter", "<chord/>") +
             "<note><pitch><step>C</step><alter>1e9</alter><octave>4</octave></pitch><duration>2"
             "</duration><type>quarter</type></note>" +
             note("D", 4, 2, "quarter") +
             "</measure><measure><note><rest/><duration>9223372036854775807</duration></note>"
             "</measure>",
         "67:256 r:256 62:256 r:1536 r:1536",
         {"調号・拍子記号 1 個", "この楽譜にない速さの指定 1 個は近い速さにしました",
          "譜表に書けない高さの音符 1 個", "この楽譜にない長さの音符・休符 1 個"},
         32767,
         true},
    };
    for (const Case& c : cases) {
        const std::string file = std::string(kHead) + "<part id=\"A\">" + c.measures +
                                 "</part><part id=\"B\"/></score-partwise>";
        SornData doc;
        const ImportOutcome outcome = ImportMusicXml(file, doc);
        ASSERT_EQ(outcome.status, ImportStatus::Imported) << c.what;
        const std::string played = Played(doc);
        EXPECT_EQ(c.onlyStart ? played.substr(0, c.played.size()) : played, c.played) << c.what;
        EXPECT_EQ(doc.Speed(), c.speed) << c.what;
        for (const std::string& said : c.said)
            EXPECT_NE(Text(outcome.message, Language::Japanese).find(said), std::string::npos)
                << c.what << ": " << said << "\n"
                << Text(outcome.message, Language::Japanese);
    }
}

// Words of files from elsewhere: where the title is, elisions, lyrics on
// chords, verses by number or by place, and what is too long or too many.
TEST(MusicXmlImport, ForeignWordsLandWhereTheyMean) {
    auto note = [](const char* step, const char* more, bool chord = false) {
        return std::string("<note>") + (chord ? "<chord/>" : "") + "<pitch><step>" + step +
               "</step><octave>4</octave></pitch><duration>1</duration><type>quarter</type>" +
               more + "</note>";
    };
    std::string a341, e33;
    for (int i = 0; i < 341; ++i)
        a341 += "あ";
    for (int i = 0; i < 33; ++i)
        e33 += "é";
    struct Case {
        const char* what;
        std::string header, partName, notes, words;
        std::vector<std::string> said;
    };
    const std::vector<Case> cases = {
        {"a movement-title alone is the title; credits fill in what the header lacks",
         "<movement-title>Song</movement-title><identification><creator type=\"lyricist\">A"
         "</creator><creator type=\"poet\">B</creator><rights>(c)</rights></identification>"
         "<credit page=\"1\"><credit-type>composer</credit-type><credit-words>Ann "
         "</credit-words><credit-words>Lee</credit-words></credit><credit page=\"1\">"
         "<credit-type>rights</credit-type><credit-words>other</credit-words></credit>",
         "Voice",
         "",
         "title: Song\ncomposer: Ann Lee\nlyricist: A, B\ncopyright: (c)\npart 0: Voice / \n",
         {}},
        {"both titles, and a movement number that gives way",
         "<work><work-title>Suite</work-title></work><movement-number>2</movement-number>"
         "<movement-title>Air</movement-title>",
         "",
         "",
         "title: Suite\nsubtitle: Air\n",
         {}},
        {"lyrics: elision, chord, verse by place, extender carried on, too many",
         "",
         "",
         note("C", "<lyric number=\"1\"><syllabic>end</syllabic><text>ma</text><elision/>"
                   "<syllabic>begin</syllabic><text>a</text></lyric><lyric number=\"7\"><text>x"
                   "</text></lyric>") +
             note("E",
                  "<lyric number=\"1\"><text>no</text></lyric><lyric number=\"2\">"
                  "<text>lo</text></lyric>",
                  true) +
             note("D", "<lyric><text>ho</text><extend/></lyric><lyric><humming/></lyric>") +
             note("E", "<lyric><extend type=\"stop\"/></lyric><lyric number=\"3\">"
                       "<syllabic>middle</syllabic><text>mid</text><elision> </elision>"
                       "<text>x</text><extend type=\"stop\"/></lyric>"),
         "0.0@0: ma\u203Fa m\n0.0@1: ho_\n0.1@0: lo\n0.2@2: mid\u203Fx e\n",
         {"6 番以降の歌詞 1 個", "\n歌詞 2 個は読み込みませんでした"}},
        {"too long, and Latin-1, cut at a character",
         "<work><work-title>" + a341 + "い</work-title></work>",
         "Caf\xE9",
         note("C", ("<lyric><text>" + e33 + "</text></lyric>").c_str()),
         "title: " + a341 + "\npart 0: Café / \n0.0@0: " + e33.substr(0, 64) + "\n",
         {"長すぎる題名・パート名・歌詞 2 個は、入る長さまで読み込みました"}},
    };
    for (const Case& c : cases) {
        const std::string file =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?><score-partwise version=\"4.0\">" +
            c.header + "<part-list><score-part id=\"A\"><part-name>" + c.partName +
            "</part-name></score-part></part-list><part id=\"A\"><measure><attributes>"
            "<divisions>1</divisions></attributes>" +
            c.notes + "</measure></part></score-partwise>";
        SornData doc;
        const ImportOutcome outcome = ImportMusicXml(file, doc);
        ASSERT_EQ(outcome.status, ImportStatus::Imported) << c.what;
        EXPECT_EQ(DescribeWords(doc), c.words) << c.what;
        for (const std::string& said : c.said)
            EXPECT_NE(Text(outcome.message, Language::Japanese).find(said), std::string::npos)
                << c.what << ": " << said << "\n"
                << Text(outcome.message, Language::Japanese);
        if (c.said.empty()) {
            EXPECT_EQ(Text(outcome.message, Language::Japanese), "") << c.what;
        }
    }
}

// A file MuseScore 3 wrote (from a small score with lyrics, through its own
// format and back) comes in with all its words.
TEST(MusicXmlImport, WordsOfAMuseScoreFile) {
    std::ifstream in(std::string(SORN_SOURCE_DIR) +
                     "/tests/interchange/data/musescore3-lyrics.musicxml");
    const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SornData doc;
    const ImportOutcome outcome = ImportMusicXml(file, doc);
    ASSERT_EQ(outcome.status, ImportStatus::Imported);
    // Clef, key and time take positions 0 to 2; the lyric of the alto's
    // closing chord stands with it.
    EXPECT_EQ(DescribeWords(doc), "title: 春の歌\n"
                                  "subtitle: 二部合唱のために\n"
                                  "composer: Hana Sato\n"
                                  "lyricist: Taro Ito\n"
                                  "arranger: Ken Mori\n"
                                  "copyright: © 2024 Hana Sato\n"
                                  "part 0: Soprano / S.\n"
                                  "0.0@3: Hap b\n"
                                  "0.0@4: py e\n"
                                  "0.0@5: day_\n"
                                  "0.0@7: now\n"
                                  "0.1@3: さ\n"
                                  "0.1@4: く\n"
                                  "0.1@5: ら\n"
                                  "part 1: Alto / A.\n"
                                  "1.0@3: la\n"
                                  "1.0@4: la\n"
                                  "1.0@5: lu\n");
    EXPECT_EQ(Text(outcome.message, Language::Japanese),
              "この楽譜に書けないものは、読み込むときに次のとおり省きました。\n"
              "和音 1 か所は最上音だけを読み込みました。");
}

// Files that are no MusicXML score, or damaged ones, are refused with a
// message, and the open score stays as it was.
TEST(MusicXmlImport, RefusedFilesLeaveTheScoreAlone) {
    TempDir dir;
    std::string mxl;
    ASSERT_FALSE(WriteMxl("<score-partwise><part id=\"P1\"><measure", mxl));
    struct Case {
        const char* name;
        std::string bytes;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"text.xml", "just some text", "MusicXML ファイルではありません。"},
        {"other.xml", "<?xml version=\"1.0\"?><html><body/></html>",
         "MusicXML ファイルではありません。"},
        {"cut.musicxml", std::string(kHead) + "<part id=\"A\"><measure",
         "MusicXML ファイルが壊れています"},
        {"empty.musicxml", "<score-partwise version=\"4.0\"/>", "パートがありません"},
        {"timewise.xml", "<score-timewise/>", "score-timewise 形式"},
        {"cut.mxl", mxl, "MusicXML ファイルが壊れています"},
        {"zip.mxl", std::string("PK\3\4garbage"), "圧縮された MusicXML ファイルが壊れている"},
    };
    ScriptedMessageBoxes boxes;
    SornData doc;
    ASSERT_EQ(doc.FileOpen(Example("sakura.sorn"), boxes), OpenResult::Opened);
    const std::string before = Describe(doc);
    for (const Case& c : cases) {
        WriteText(dir.File(c.name), c.bytes);
        boxes.shown.clear();
        EXPECT_EQ(OpenMusicXml(doc, dir.File(c.name), boxes), OpenResult::Refused) << c.name;
        ASSERT_EQ(boxes.shown.size(), 1u) << c.name;
        EXPECT_NE(boxes.shown[0].text.find(c.message), std::string::npos) << boxes.shown[0].text;
        EXPECT_EQ(Describe(doc), before) << c.name;
        EXPECT_EQ(doc.SornFileName(), Example("sakura.sorn"));
    }
    std::error_code error;
    EXPECT_EQ(OpenMusicXml(doc, dir.File("missing.xml"), boxes, &error), OpenResult::Failed);
    EXPECT_EQ(error.value(), ENOENT);
    // A FIFO nobody writes to is given up, as a score file would be.
    ASSERT_EQ(::mkfifo(dir.File("fifo.musicxml").c_str(), 0600), 0);
    EXPECT_EQ(OpenMusicXml(doc, dir.File("fifo.musicxml"), boxes, &error), OpenResult::Failed);
    EXPECT_EQ(error, std::errc::timed_out);
    EXPECT_EQ(Describe(doc), before);
}

// The root's children come out whole wherever the bytes break, with
// quotes, comments, character data and declarations that hold tag marks.
TEST(MusicXmlImport, ChildrenOfTheRootWhereverTheBytesBreak) {
    const std::string text =
        "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!DOCTYPE s [<!ENTITY e \"<x>\">]>\n"
        "<!-- <s> --><s a=\"1>2\"><a x='1>2' y=\"'\">t<i/></a><!-- <b> -->"
        "<b/><?pi <z>?><c><![CDATA[</c>]]><d y='/'/>"
        "<e><f/></e></c> text </s><after/>";
    const std::vector<std::string> expected = {"a|<a x='1>2' y=\"'\">t<i/></a>", "b|<b/>",
                                               "c|<c><![CDATA[</c>]]><d y='/'/><e><f/></e></c>"};
    for (std::size_t step : {std::size_t{1}, std::size_t{2}, std::size_t{5}, text.size()}) {
        XmlPieces pieces;
        std::vector<std::string> got;
        for (std::size_t at = 0; at < text.size(); at += step)
            ASSERT_TRUE(pieces.Feed(
                std::string_view(text).substr(at, step), [&](const XmlPieces::Piece& p) {
                    got.push_back(std::string(p.name) + "|" + std::string(p.text, p.size));
                    EXPECT_EQ(text.substr(p.offset, p.size), std::string(p.text, p.size));
                }));
        EXPECT_TRUE(pieces.Closed()) << step;
        EXPECT_EQ(pieces.RootName(), "s");
        EXPECT_EQ(got, expected) << step;
    }
}

// What parsing builds is bounded, not only the bytes: a file made to unpack
// into endless elements is refused by the limit it passes (never called
// damaged), and an id of endless pieces is no id of ours.
TEST(MusicXmlImport, LimitsOfWhatParsingBuilds) {
    std::string bomb = std::string(kHead) + "<part id=\"A\"><measure>";
    for (int i = 0; i < 3'100'000; ++i)
        bomb += "<x/>";
    bomb += "</measure></part></score-partwise>";
    std::string mxl;
    ASSERT_FALSE(WriteMxl(bomb, mxl));
    const std::string longId =
        std::string(kHead) + "<part id=\"A\"><measure><note id=\"P1-c5" +
        std::string(1 << 22, '-') +
        "\"><rest/><duration>1</duration><type>quarter</type></note></measure></part>"
        "<part id=\"B\"/></score-partwise>";
    struct Case {
        const char* name;
        const std::string& bytes;
        ImportStatus status;
        const char* message;
    };
    for (const Case& c : {Case{"bomb", mxl, ImportStatus::TooLarge, "上限の 300 万個"},
                          Case{"long id", longId, ImportStatus::Imported, ""}}) {
        SornData doc;
        const ImportOutcome outcome = ImportMusicXml(c.bytes, doc);
        EXPECT_EQ(outcome.status, c.status) << c.name;
        EXPECT_NE(Text(outcome.message, Language::Japanese).find(c.message), std::string::npos)
            << Text(outcome.message, Language::Japanese);
        if (c.status == ImportStatus::Imported) {
            EXPECT_EQ(Describe(doc), "parts 2 length 20 speed 120\n"
                                     "part 0 instrument 73\n"
                                     "0: 9/3\n"
                                     "part 1 instrument 0\n");
        }
    }
}

} // namespace
} // namespace sorn::test

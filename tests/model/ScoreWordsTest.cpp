// The words of a score in its file: what readers of the music alone see,
// round trips, and extensions that are damaged, too large or from a newer
// writer.

#include "model/ScoreFileTexts.h"
#include "model/ScoreWordsFile.h"
#include "model/SornData.h"
#include "model/SymbolCodes.h"
#include "support/Scripted.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace sorn {
namespace {

using test::ReadBytes;
using test::ScriptedMessageBoxes;
using test::TempDir;
using test::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

SornData Music() {
    SornData doc;
    doc.FileNew();
    doc.AddPart();
    doc.SetSpeed(92);
    for (std::uint8_t p = 0; p < 2; ++p)
        for (std::int32_t i = 1; i < 20; i += 2)
            doc.SetGData1(p, i, 0, Kind::QuarterNote, static_cast<std::uint8_t>(120 + i));
    return doc;
}

SornData WithWords() {
    SornData doc = Music();
    const char* texts[] = {"Amazing Grace", "賛美歌", "作曲者不詳", "John Newton", "編", "PD"};
    for (int f = 0; f < ScoreTextCount; ++f)
        EXPECT_TRUE(doc.SetText(static_cast<ScoreText>(f), texts[f]));
    EXPECT_TRUE(doc.SetPartText(0, PartText::Name, "ソプラノ"));
    EXPECT_TRUE(doc.SetPartText(1, PartText::ShortName, "A."));
    doc.SetSyllable(0, 1, 0, {"A", Syllabic::Single});
    doc.SetSyllable(0, 3, 0, {"ma", Syllabic::Begin});
    doc.SetSyllable(0, 5, 0, {"zing", Syllabic::End, true});
    doc.SetSyllable(0, 3, 1, {"お", Syllabic::Single});
    doc.SetSyllable(1, 30, 4, {"おわり", Syllabic::Single});
    return doc;
}

struct Words {
    std::vector<std::string> fields;
    std::vector<std::tuple<int, int, int, std::string, int, bool>> syllables;
    bool operator==(const Words&) const = default;
};

Words WordsOf(const SornData& doc) {
    Words w;
    for (int f = 0; f < ScoreTextCount; ++f)
        w.fields.push_back(doc.Text(static_cast<ScoreText>(f)));
    for (std::uint8_t p = 0; p < doc.PartCount(); ++p) {
        w.fields.push_back(doc.GetPartText(p, PartText::Name));
        w.fields.push_back(doc.GetPartText(p, PartText::ShortName));
        for (int v = 0; v < MaxVerses; ++v)
            for (std::int32_t i = 0; i <= doc.Length(); ++i)
                if (const Syllable& s = doc.GetSyllable(p, i, v); !s.Empty())
                    w.syllables.emplace_back(p, v, i, s.text, static_cast<int>(s.syllabic),
                                             s.extend);
    }
    return w;
}

Bytes Saved(const SornData& doc, const TempDir& dir) {
    EXPECT_FALSE(doc.SaveCopy(dir.File("saved.sorn")));
    return ReadBytes(dir.File("saved.sorn"));
}

struct Reopened {
    SornData doc;
    ScriptedMessageBoxes boxes;
    OpenResult result{};
};

std::unique_ptr<Reopened> Open(const TempDir& dir, const Bytes& bytes) {
    auto o = std::make_unique<Reopened>();
    WriteBytes(dir.File("in.sorn"), bytes);
    o->result = o->doc.FileOpen(dir.File("in.sorn"), o->boxes);
    return o;
}

void Append(Bytes& b, std::string_view text) {
    b.insert(b.end(), text.begin(), text.end());
}

void Chunk(Bytes& b, std::string_view tag, std::string_view payload) {
    Append(b, tag);
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(payload.size() >> (8 * i)));
    Append(b, payload);
}

// An extension around chunks, with their size.
std::string Ext(const std::string& chunks) {
    std::string out = "sEXT";
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>(chunks.size() >> (8 * i)));
    return out + chunks;
}

// Readers of the music alone stop after the last part block: the file with
// words is the file without them and the extension after it.
TEST(ScoreWords, WordsFollowTheUnchangedMusicAndRoundTrip) {
    TempDir dir;
    const Bytes music = Saved(Music(), dir);
    SornData doc = WithWords();
    const Bytes withWords = Saved(doc, dir);
    ASSERT_GT(withWords.size(), music.size());
    EXPECT_TRUE(std::equal(music.begin(), music.end(), withWords.begin()));
    EXPECT_EQ(std::string(withWords.begin() + static_cast<long>(music.size()),
                          withWords.begin() + static_cast<long>(music.size()) + 4),
              "sEXT");

    auto o = Open(dir, withWords);
    ASSERT_EQ(o->result, OpenResult::Opened);
    EXPECT_TRUE(o->boxes.shown.empty());
    EXPECT_EQ(WordsOf(o->doc), WordsOf(doc));
    EXPECT_EQ(o->doc.VerseCount(1), 5);
    EXPECT_EQ(Saved(o->doc, dir), withWords);
    // Verses as read are edited like any other: positions carry them.
    SornData edited = o->doc;
    edited.InsertSpaces(0, 2, 3);
    edited.DeleteSpace(0, 1);
    EXPECT_EQ(edited.GetSyllable(0, 5, 0).text, "ma");
    EXPECT_EQ(edited.GetSyllable(0, 5, 1).text, "お");
    EXPECT_TRUE(edited.GetSyllable(0, 1, 0).Empty());
    EXPECT_EQ(edited.GetSyllable(1, 30, 4).text, "おわり"); // another part stays

    // Chunks of a newer writer, and fields it knows and we do not, are kept.
    Bytes chunks(withWords.begin() + static_cast<long>(music.size()) + 8, withWords.end());
    Chunk(chunks, "FUTR", std::string("\0\1\2", 3));
    Chunk(chunks, "TEXT", "\x09later field");
    Bytes newer = music;
    Append(newer, Ext(std::string(chunks.begin(), chunks.end())));
    auto n = Open(dir, newer);
    EXPECT_TRUE(n->boxes.shown.empty());
    EXPECT_EQ(n->doc.UnknownChunks().size(), 2u);
    EXPECT_EQ(Saved(n->doc, dir), newer);
    // Taking every word away gives the music's own bytes again.
    n->doc.FileNew();
    EXPECT_FALSE(n->doc.HasWords());
}

// Whatever is wrong with the words, the music opens as it was written, the
// message comes once, and saving what was read loses nothing more.
TEST(ScoreWords, DamagedExtensionsOpenTheMusic) {
    TempDir dir;
    const Bytes music = Saved(Music(), dir);
    const Bytes whole = Saved(WithWords(), dir);
    auto check = [&](const Bytes& bytes, bool damaged, bool resave = true) {
        auto o = Open(dir, bytes);
        ASSERT_EQ(o->result, OpenResult::Opened);
        for (std::uint8_t p = 0; p < 2; ++p)
            for (std::int32_t i = 0; i < 20; ++i)
                EXPECT_EQ(o->doc.GetGAtai(p, i, 0), i % 2 ? 120 + i : 0);
        EXPECT_EQ(o->doc.Speed(), 92);
        ASSERT_EQ(o->boxes.shown.size(), damaged ? 1u : 0u);
        if (damaged) {
            EXPECT_EQ(o->boxes.shown[0].text, texts::WordsUnreadable);
        }
        if (!resave) return;
        const Bytes resaved = Saved(o->doc, dir);
        auto again = Open(dir, resaved);
        EXPECT_TRUE(again->boxes.shown.empty());
        EXPECT_EQ(WordsOf(again->doc), WordsOf(o->doc));
    };
    // Every cut inside the extension; a cut inside the magic is no extension.
    for (std::size_t size = music.size(); size < whole.size(); ++size) {
        SCOPED_TRACE(size);
        check(Bytes(whole.begin(), whole.begin() + static_cast<long>(size)),
              size >= music.size() + 4, size % 16 == 0);
    }
    struct Case {
        const char* what;
        std::string tail;
        bool damaged;
        const char* composer = ""; // read from a chunk after the damaged one
    };
    const std::string longText = std::string(1, '\0') + std::string(MaxTextBytes + 1, 'a');
    const Case cases[] = {
        {"not ours", "ABCDEFGH", false},
        {"chunk size past the end", Ext("TEXT\xff\xff\xff\x7f"), true},
        {"size past the end", "sEXT\xff\xff\x00\x00TEXT", true},
        {"title over the limit", Ext("TEXT" + std::string("\x02\x04\x00\x00", 4) + longText), true},
        {"bad UTF-8",
         Ext("TEXT" + std::string("\x03\x00\x00\x00\x00\xc3\x28", 7) + "TEXT" +
             std::string("\x04\x00\x00\x00\x02", 5) + "abc"),
         true, "abc"},
        {"part out of range", Ext("PART" + std::string("\x04\x00\x00\x00\x09\x00\x00x", 8)), true},
        {"syllable past the length",
         Ext("LYRC" + std::string("\x08\x00\x00\x00\x00\x00\x00\x10\x27\x00\x01x", 12)), true},
        {"garbage", Ext(std::string(1000, '\xA5')), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes = music;
        Append(bytes, c.tail);
        check(bytes, c.damaged);
        EXPECT_EQ(Open(dir, bytes)->doc.Text(ScoreText::Composer), c.composer);
    }
    // Past the whole extension's limit nothing of it is read, and nothing hangs.
    Bytes huge = music;
    Append(huge, "sEXT\x01\x00\x00\x04");
    huge.resize(huge.size() + MaxWordsBytes + 1, 0);
    check(huge, true);
}

// Setters keep to the limits and to UTF-8; positions carry their syllables.
TEST(ScoreWords, LimitsAndPositionsCarrySyllables) {
    SornData doc = Music();
    EXPECT_FALSE(doc.SetText(ScoreText::Title, std::string(MaxTextBytes + 1, 'x')));
    EXPECT_TRUE(doc.SetText(ScoreText::Title, std::string(MaxTextBytes, 'x')));
    EXPECT_FALSE(doc.SetPartText(0, PartText::Name, "\xff"));
    EXPECT_FALSE(doc.SetSyllable(0, 1, 0, {std::string(MaxSyllableBytes + 1, 'x')}));
    EXPECT_FALSE(doc.SetSyllable(0, 1, MaxVerses, {"x"}));
    EXPECT_FALSE(doc.SetSyllable(0, doc.Length() + 1, 0, {"x"}));
    EXPECT_EQ(doc.VerseCount(0), 0);

    doc.SetSyllable(0, 3, 1, {"か"});
    doc.SetSyllable(0, 5, 1, {"な", Syllabic::Single, true});
    doc.InsertSpaces(0, 2, 3);
    EXPECT_EQ(doc.GetSyllable(0, 6, 1).text, "か");
    doc.DeleteSpace(0, 6);
    EXPECT_EQ(doc.GetSyllable(0, 7, 1).text, "な");
    EXPECT_TRUE(doc.GetSyllable(0, 7, 1).extend);
    EXPECT_EQ(doc.VerseCount(0), 2);
    doc.SetLength(20);
    EXPECT_EQ(doc.VerseCount(0), 2);
    doc.SetSyllable(0, 7, 1, {});
    EXPECT_EQ(doc.VerseCount(0), 0);
    EXPECT_TRUE(doc.GetSyllable(0, 7, 1).Empty());
}

} // namespace
} // namespace sorn

// When positions sound and playing from a position: the time map against
// the export's own note times, the export from a position with the state in
// force there, and the pitch an entered note is heard at.

#include "ScoreBuilder.h"
#include "model/MessageBoxes.h"
#include "sound/EnteredNote.h"
#include "sound/PlayTimes.h"
#include "sound/SornMidi.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace sorn {
namespace {

using test::ReadBytes;
using test::ScoreBuilder;
using test::TempDir;

struct MidiNote {
    std::int64_t tick;
    std::uint8_t note, velocity;
    std::int64_t length;
    bool operator==(const MidiNote&) const = default;
};
struct MidiTrack {
    std::uint8_t program = 0;
    std::uint32_t tempo = 0;
    std::vector<MidiNote> notes;
};

// Reads what SornMidi writes: no running status, each note-on followed by its note-off.
std::vector<MidiTrack> Tracks(const std::vector<std::uint8_t>& b) {
    std::vector<MidiTrack> tracks;
    std::size_t at = 14;
    auto delta = [&] {
        std::int64_t v = 0;
        while (b.at(at) & 0x80)
            v = v << 7 | (b[at++] & 0x7F);
        return v << 7 | b[at++];
    };
    while (at + 8 <= b.size()) {
        const std::size_t end =
            at + 8 + (b[at + 4] << 24 | b[at + 5] << 16 | b[at + 6] << 8 | b[at + 7]);
        at += 8;
        MidiTrack t;
        std::int64_t now = 0;
        while (at < end) {
            now += delta();
            const std::uint8_t status = b.at(at++);
            if ((status & 0xF0) == 0xC0) {
                t.program = b.at(at++);
            } else if (status == 0xFF) {
                const std::uint8_t type = b.at(at++);
                const std::uint8_t size = b.at(at++);
                if (type == 0x51) t.tempo = b[at] << 16 | b[at + 1] << 8 | b[at + 2];
                at += size;
            } else if ((status & 0xF0) == 0x90) {
                MidiNote n{now, b.at(at), b.at(at + 1), 0};
                at += 2;
                n.length = delta();
                at += 3; // the note-off
                now += n.length;
                t.notes.push_back(n);
            }
        }
        tracks.push_back(t);
    }
    return tracks;
}

std::vector<MidiTrack> Export(const SornData& doc, WalkRange range = {}) {
    TempDir dir;
    SornMidi midi;
    EXPECT_EQ(midi.SaveToMIDI(doc, dir.File("out.mid"), nullptr, range), 1)
        << midi.Error().Message();
    return Tracks(ReadBytes(dir.File("out.mid")));
}

struct RefuseEverything : MessageBoxes {
    MsgResult Show(std::string_view text, MsgButtons, MsgIcon) override {
        ADD_FAILURE() << text;
        return MsgResult::Ok;
    }
};

constexpr std::uint8_t A = 122, B = 124, C = 126, D = 128;

// Sections A B C: a repeated B, a repeat both ways between two sections,
// an end repeat with nothing before it, and a D.C. al Fine.
std::vector<std::pair<std::string, SornData>> Scores() {
    std::vector<std::pair<std::string, SornData>> scores;
    for (const auto& entry :
         std::filesystem::directory_iterator(SORN_SOURCE_DIR "/data/examples")) {
        if (entry.path().extension() != ".sorn") continue;
        SornData doc;
        RefuseEverything boxes;
        EXPECT_EQ(doc.FileOpen(entry.path().string(), boxes), OpenResult::Opened);
        scores.emplace_back(entry.path().filename().string(), std::move(doc));
    }
    ScoreBuilder repeat;
    repeat.Note(0, Kind::QuarterNote, A).Bar(1, BarLineCode::RepeatStart);
    repeat.Note(2, Kind::EighthNote, B).Rest(3, LengthCode::Quarter).Note(4, Kind::HalfNote, C);
    repeat.Bar(5, BarLineCode::RepeatEnd).Note(6, Kind::QuarterNote, D);
    scores.emplace_back("repeat", repeat.doc);
    ScoreBuilder both;
    both.Note(0, Kind::QuarterNote, A).Note(1, Kind::QuarterNote, B).Attach(1, Kind::BarLine, 18);
    both.Note(2, Kind::HalfNote, C).Note(3, Kind::QuarterNote, D).Bar(3, BarLineCode::RepeatEnd);
    scores.emplace_back("repeat both ways", both.doc);
    ScoreBuilder dc(2);
    for (int p = 0; p < 2; ++p) {
        dc.Note(0, Kind::QuarterNote, A, p).Note(1, Kind::EighthNote, B, p);
        dc.Note(2, Kind::QuarterNote, C, p).Attach(2, Kind::RepeatWord, RepeatWordCode::Fine, p);
        dc.Note(3, Kind::HalfNote, D, p).Attach(3, Kind::Tie, MarkPresent, p);
        dc.Note(4, Kind::HalfNote, D, p).Attach(4, Kind::RepeatWord, RepeatWordCode::DC, p);
    }
    dc.Rest(0, LengthCode::Half, 1);
    scores.emplace_back("D.C. al Fine", dc.doc);
    return scores;
}

// Notes of the map in playing order, as the export writes them.
std::vector<std::int64_t> NoteTicks(const SornData& doc, std::uint8_t part, const PlayTimes& t) {
    std::vector<std::int64_t> ticks;
    for (const PlayTimes::Entry& e : t.Entries())
        if (IsNote(doc.GetGSyurui(part, e.position, 0))) ticks.push_back(e.tick);
    return ticks;
}

TEST(PlayTimes, EveryNoteStartsWhereTheExportPlaysIt) {
    for (const auto& [name, doc] : Scores()) {
        SCOPED_TRACE(name);
        const std::vector<MidiTrack> tracks = Export(doc);
        ASSERT_EQ(tracks.size(), static_cast<std::size_t>(doc.PartSuu() + 1));
        for (int p = 0; p <= doc.PartSuu(); ++p) {
            std::vector<std::int64_t> expected;
            for (const MidiNote& n : tracks[p].notes)
                expected.push_back(n.tick);
            const PlayTimes times = PlayTimes::Of(doc, static_cast<std::uint8_t>(p));
            EXPECT_EQ(NoteTicks(doc, static_cast<std::uint8_t>(p), times), expected)
                << "part " << p;
        }
    }
}

TEST(PlayTimes, LooksUpThePositionSoundingAndFollowsJumpsBack) {
    const auto scores = Scores();
    const SornData& repeat = scores[scores.size() - 3].second;
    const PlayTimes times = PlayTimes::Of(repeat, 0);
    // A | B rest C :| D, quarters 480: A 0, B 480, rest 720, C 1200, B 2160 …
    EXPECT_EQ(times.PositionAt(-1), -1);
    EXPECT_EQ(times.PositionAt(0), 0);
    EXPECT_EQ(times.PositionAt(479), 0);
    EXPECT_EQ(times.PositionAt(480), 2);
    EXPECT_EQ(times.PositionAt(800), 3);
    EXPECT_EQ(times.PositionAt(2159), 4);
    EXPECT_EQ(times.PositionAt(2160), 2); // back at the repeat
    EXPECT_EQ(times.PositionAt(4000), 6);
    EXPECT_EQ(times.FirstTickAt(3), 720);
    EXPECT_EQ(times.FirstTickAt(7), -1);

    const SornData& dc = scores.back().second;
    // Part 0 after the D.C.: the tie 3–4 is one note, Fine ends after position 2.
    const PlayTimes dcTimes = PlayTimes::Of(dc, 0);
    EXPECT_EQ(dcTimes.Entries().back().position, 2);
    EXPECT_EQ(dcTimes.PositionAt(480 + 240 + 480 + 1920), 0);
}

// The tail of the whole export from where the music first comes to the
// cursor is the export from the cursor, wherever no jump leads back across it.
TEST(PlayFrom, TailOfTheWholeExportIsTheExportFromTheCursor) {
    for (const auto& [name, doc] : Scores()) {
        SCOPED_TRACE(name);
        const std::vector<MidiTrack> whole = Export(doc);
        for (std::int32_t cursor = 1; cursor <= doc.Length(); cursor += 3) {
            const std::vector<MidiTrack> from = Export(doc, {cursor});
            for (int p = 0; p <= doc.PartSuu(); ++p) {
                const auto part = static_cast<std::uint8_t>(p);
                const PlayTimes times = PlayTimes::Of(doc, part);
                const auto& entries = times.Entries();
                const auto first = std::find_if(entries.begin(), entries.end(), [&](const auto& e) {
                    return e.position >= cursor;
                });
                if (first == entries.end() || std::any_of(first, entries.end(), [&](const auto& e) {
                        return e.position < cursor;
                    }))
                    continue;
                std::vector<MidiNote> tail;
                for (MidiNote n : whole[p].notes)
                    if (n.tick >= first->tick)
                        tail.push_back({n.tick - first->tick, n.note, n.velocity, n.length});
                EXPECT_EQ(from[p].notes, tail) << "part " << p << " from " << cursor;
                EXPECT_EQ(from[p].program, whole[p].program);
                EXPECT_EQ(from[p].tempo, whole[p].tempo);
            }
        }
    }
}

// Clef, key, the bar's accidentals and the dynamics before the cursor hold
// for what is played from it; a stretch stops after its last position.
TEST(PlayFrom, StartsWithTheStateInForceAndAStretchStops) {
    ScoreBuilder s(1, MinLength, 90);
    s.Main(0, Kind::Clef, ClefCode::F).Main(1, Kind::KeySignature, 1); // G major: F sharp
    s.Note(2, Kind::QuarterNote, 130).Attach(2, Kind::Dynamics, DynamicsCode::f);
    s.Note(3, Kind::QuarterNote, 132).Attach(3, Kind::Accidental, AccidentalCode::Flat);
    s.Note(4, Kind::QuarterNote, 132);
    s.Note(5, Kind::QuarterNote, 130).Bar(5);
    s.Note(6, Kind::QuarterNote, 132);
    s.doc.SetInstrumentNumber(0, "40");
    struct Case {
        WalkRange range;
        std::vector<MidiNote> notes;
    } cases[] = {
        // F clef: 130 is F3 (sharp in the key, 54), 132 A3 (57, flat 56).
        {{4}, {{0, 56, 100, 480}, {480, 54, 100, 480}, {960, 57, 100, 480}}},
        {{6}, {{0, 57, 100, 480}}},
        {{3, 4}, {{0, 56, 100, 480}, {480, 56, 100, 480}}},
        {{0, 2}, {{0, 54, 100, 480}}},
    };
    for (const Case& c : cases) {
        const std::vector<MidiTrack> tracks = Export(s.doc, c.range);
        EXPECT_EQ(tracks[0].notes, c.notes) << "from " << c.range.from;
        EXPECT_EQ(tracks[0].program, 40);
        EXPECT_EQ(tracks[0].tempo, 60000000u / 90);
    }
}

// A position behind a D.C. that ends at Fine is never reached by the music;
// played from there, it sounds as written.
TEST(PlayFrom, PositionTheMusicNeverReachesPlaysFromThere) {
    ScoreBuilder s;
    s.Note(0, Kind::QuarterNote, A).Attach(0, Kind::RepeatWord, RepeatWordCode::Fine);
    s.Note(1, Kind::QuarterNote, B).Attach(1, Kind::RepeatWord, RepeatWordCode::DC);
    s.Note(2, Kind::QuarterNote, C);
    EXPECT_EQ(Export(s.doc, {2})[0].notes, (std::vector<MidiNote>{{0, 67, 90, 480}}));
    EXPECT_EQ(PlayTimes::Of(s.doc, 0, {2}).PositionAt(0), 2);
}

TEST(PlayFrom, PartsFromOneTimeStayTogether) {
    // Half notes over quarters, played from the second quarter's time: the
    // upper part waits for its next note.
    ScoreBuilder s(2);
    s.Note(0, Kind::HalfNote, A).Note(1, Kind::HalfNote, B);
    s.Note(0, Kind::QuarterNote, C, 1)
        .Note(1, Kind::QuarterNote, D, 1)
        .Note(2, Kind::HalfNote, C, 1);
    TempDir dir;
    SornMidi midi;
    midi.PlayPartsFrom({{1, WalkRange{}.to, 256}, {1, WalkRange{}.to, 0}});
    ASSERT_EQ(midi.SaveToMIDI(s.doc, dir.File("out.mid")), 1);
    const std::vector<MidiTrack> tracks = Tracks(ReadBytes(dir.File("out.mid")));
    ASSERT_EQ(tracks.size(), 2u);
    EXPECT_EQ(tracks[0].notes.front().tick, 480); // the upper part's next half note
    EXPECT_EQ(tracks[1].notes.front().tick, 0);
    EXPECT_EQ(tracks[1].notes.at(1).tick, 480); // together with it
}

TEST(EnteredNote, IsHeardWithTheClefKeyAccidentalsAndDynamicsInForce) {
    ScoreBuilder s;
    s.Main(0, Kind::KeySignature, 1).Note(1, Kind::QuarterNote, 132);
    s.Attach(1, Kind::Accidental, AccidentalCode::Natural)
        .Attach(1, Kind::Dynamics, DynamicsCode::p);
    s.Note(2, Kind::QuarterNote, 132).Bar(2);
    s.Note(3, Kind::QuarterNote, 132).Attach(3, Kind::Dynamics, DynamicsCode::ff);
    s.Main(4, Kind::Clef, ClefCode::F).Note(5, Kind::QuarterNote, 124).Rest(6, LengthCode::Quarter);
    struct Case {
        std::int32_t position;
        std::uint8_t staff;
        std::optional<HeardNote> heard;
    } cases[] = {
        {1, 132, HeardNote{77, 64}},  // its own natural, its own p
        {2, 132, HeardNote{77, 64}},  // the natural holds to the bar line
        {3, 132, HeardNote{78, 112}}, // the key's sharp again, ff
        {3, 131, HeardNote{76, 112}}, // another step of the same position
        {5, 124, HeardNote{43, 112}}, // F clef
        {6, 124, std::nullopt},       // a rest
        {5, 1, std::nullopt},         // below MIDI
    };
    for (const Case& c : cases) {
        const auto heard = NoteAsHeard(s.doc, 0, c.position, c.staff);
        ASSERT_EQ(heard.has_value(), c.heard.has_value()) << c.position;
        if (heard) {
            EXPECT_EQ(heard->note, c.heard->note) << c.position << " " << int(c.staff);
            EXPECT_EQ(heard->velocity, c.heard->velocity) << c.position;
        }
    }
}

} // namespace
} // namespace sorn

#include "FuzzTargets.h"

#include "interchange/MusicXmlExport.h"
#include "interchange/MusicXmlImport.h"
#include "model/SymbolCodes.h"
#include "print/PrintLayout.h"
#include "render/RedrawScore.h"
#include "sound/PartWalk.h"
#include "sound/SornMidi.h"
#include "sound/SornWav.h"

#include <algorithm>
#include <filesystem>

namespace sorn::fuzz {

namespace {

using Names = std::vector<std::string>;

// The exports write one file at a time into the scratch folder; a failed
// one must leave nothing, a finished one only its file.
void CheckLeftBehind(const Names& expected, const char* what) {
    Require(ScratchNames() == expected, what);
}

void ExportMidi(SornData& doc) {
    const std::string path = ScratchFile("score.mid");
    SornMidi midi;
    if (midi.SaveToMIDI(doc, path) != 1) {
        Require(static_cast<bool>(midi.Error()) && !midi.Error().Description.Empty(),
                "a MIDI export failed without a reason");
        CheckLeftBehind({}, "a failed MIDI export left a file");
        return;
    }
    Require(!midi.Error(), "a MIDI export succeeded with an error");
    CheckLeftBehind({"score.mid"}, "a MIDI export left a temporary file");
    Require(IsMidiFile(ReadFile(path), doc.PartSuu() + 1u), "a malformed MIDI file");
    std::filesystem::remove(path);
}

// Both length fields of a WAV file are 32 bits; the RIFF one counts 36 bytes
// of header as well.
constexpr std::int64_t kWavMaxSamples = (std::int64_t{0xFFFFFFFF} - 36) / 2;
// Longer sound is worth planning but too slow to write on every run.
constexpr std::int64_t kWavWrittenSamples = 1'000'000;

// Samples the WAV export of a part has to write: each rest, and each note
// with what is tied to it, cut to whole steps of 16 ticks. Stops counting
// once past what a WAV file can hold.
class WavLength : public PartListener {
public:
    explicit WavLength(std::int16_t speed) : perStep_(SornWav::SamplesPer16Ticks(speed)) {}

    bool Rest(std::int32_t, std::int32_t length) override { return Add(length / 16); }
    bool Note(std::int32_t, std::int16_t, std::uint8_t, std::int32_t length,
              std::int32_t tied) override {
        return Add(std::int64_t{tied / 16} + length / 16);
    }
    std::int64_t samples = 0;

private:
    bool Add(std::int64_t steps) {
        samples += steps * perStep_;
        return samples <= kWavMaxSamples;
    }
    std::int64_t perStep_;
};

// Two partials from a few bytes of text, made once.
const Timbre& ShortTimbre() {
    static const Timbre timbre = [] {
        const std::string_view text = "sin 1 0.5\nsin 3 0.25\n";
        const std::string path = NamedFile(
            "short.hki2", {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
        Timbre t;
        Require(!LoadTimbre("", path, t), "the short timbre did not load");
        std::filesystem::remove(path);
        return t;
    }();
    return timbre;
}

void ExportWav(SornData& doc, std::uint8_t part) {
    WavLength length(doc.Speed());
    WalkPart(doc, part, length);
    if (length.samples > kWavWrittenSamples && length.samples <= kWavMaxSamples) return;

    const std::string path = ScratchFile("score.wav");
    SornWav wav;
    if (wav.SaveToWav(doc, path, part, ShortTimbre()) != 1) {
        Require(static_cast<bool>(wav.Error()) && !wav.Error().Description.Empty(),
                "a WAV export failed without a reason");
        CheckLeftBehind({}, "a failed WAV export left a file");
        return;
    }
    Require(!wav.Error(), "a WAV export succeeded with an error");
    Require(length.samples <= kWavMaxSamples, "a WAV file longer than its header can say");
    CheckLeftBehind({"score.wav"}, "a WAV export left a temporary file");
    Require(IsWavFile(ReadFile(path), length.samples),
            "a WAV file whose header or length is not that of the part");
    std::filesystem::remove(path);
}

// Rows cover the part once, in order, never wider than a row can be.
void CheckRows(const SornData& doc, std::uint8_t part) {
    const std::vector<PrintRow> rows = LayOutRows(doc, part);
    std::int32_t next = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const PrintRow& row = rows[r];
        Require(row.first == next && row.last >= row.first, "rows that skip or repeat positions");
        Require(row.last - row.first + 1 + row.headerColumns <= kColumnsPerRow,
                "a row of more than 30 columns");
        Require(row.columnWidth > 0, "a row with columns of no width");
        Require(row.page == static_cast<int>(r) / kRowsPerPage, "a row on the wrong page");
        next = row.last + 1;
    }
    Require(next == doc.Length() + 1, "rows that stop before the end of the part");
}

void PrintPages(const SornData& doc, std::uint8_t part) {
    CheckRows(doc, part);
    const std::unique_ptr<SornData> compacted = CompactPart(doc, part);
    Fingerprint(*compacted); // checks its shape
    Require(compacted->Length() <= std::max(doc.Length(), MinLength),
            "closing up made the part longer");
    CheckRows(*compacted, 0);
    for (bool compact : {false, true}) {
        CheckingCanvas page(kPageWidth, kPageHeight);
        const int last = RenderPrintPage(doc, part, compact, 0, page);
        Require(last >= 0, "a negative last page");
        if (last > 0)
            Require(RenderPrintPage(doc, part, compact, last, page) == last,
                    "the last page moved between two renderings");
    }
}

// The start of the part, then its end with the cursor pushed past the window.
void Redraw(const SornData& doc, std::uint8_t part) {
    constexpr float kWindowWidth = 800;
    CheckingCanvas window(kWindowWidth, 200);
    ScoreView view;
    view.part = part;
    RedrawScore(doc, view, window);
    HorizontalScroll scroll{std::max(0, doc.Length() - 5), doc.Length()};
    view.cursorColumn = 40;
    KeepCursorInside(view.cursorColumn, scroll, view.layout, kWindowWidth, doc.Length());
    Require(view.cursorColumn >= 0 && scroll.value + view.cursorColumn <= doc.Length(),
            "the cursor left the score");
    view.first = scroll.value;
    RedrawScore(doc, view, window);
}

} // namespace

int ScoreReader(Bytes data) {
    SornData doc;
    doc.FileNew();
    doc.SetGData1(0, 3, 0, Kind::Clef, ClefCode::F); // a score a refused file must not touch
    const std::uint64_t before = Fingerprint(doc);
    SilentBoxes boxes;
    std::error_code error;
    const OpenResult result = doc.FileOpen(InputFile(data), boxes, &error);
    Require(result != OpenResult::Failed, "a file in memory could not be read");
    // A newer version is said once, and a refusal once more at most.
    const auto& shown = boxes.shown;
    Require(shown.size() <= 2 && (shown.size() < 2 || shown[0] != shown[1]),
            "the same message twice for one file");
    if (result != OpenResult::Opened) {
        Require(Fingerprint(doc) == before, "a file that did not open changed the score");
        Require(result == OpenResult::Refused ? !shown.empty() : shown.empty(),
                "a refusal without a message, or a message for a file that is no score");
        return 0;
    }
    // An opened file may be of a newer version, and its words may be damaged.
    Require(shown.size() <= 2, "more messages than the newer-version and words ones");
    Fingerprint(doc); // checks its shape

    const std::string path = ScratchFile("score.sorn");
    Require(!doc.FileSave(path), "an opened score could not be saved");
    SornData again;
    SilentBoxes quiet;
    Require(again.FileOpen(path, quiet) == OpenResult::Opened && quiet.shown.empty(),
            "a saved score did not open again");
    Require(SameScore(doc, again), "a score changed through save and open");
    std::filesystem::remove(path);
    return 0;
}

int Exports(Bytes data) {
    SornData doc;
    SilentBoxes boxes;
    if (doc.FileOpen(InputFile(data), boxes) != OpenResult::Opened) return 0;
    const std::uint64_t before = Fingerprint(doc);
    const std::uint8_t last = doc.PartSuu();

    ExportMidi(doc);
    ExportWav(doc, last);
    PrintPages(doc, 0);
    if (last != 0) PrintPages(doc, last);
    Redraw(doc, 0);
    if (last != 0) Redraw(doc, last);
    Require(Fingerprint(doc) == before, "an export or a drawing changed the score");
    return 0;
}

int Hki2(Bytes data) {
    const std::string path = NamedFile("timbre.hki2", data);
    Timbre timbre;
    // Loud before loading, so a failed load has to silence it.
    const auto loud = timbre.Table();
    std::fill(loud.begin(), loud.end(), std::int16_t{1000});
    const ExportError error = LoadTimbre("", path, timbre);
    std::filesystem::remove(path);
    if (!error) return 0;
    Require(!error.Description.Empty(), "a timbre error without a reason");
    const auto table = timbre.Table();
    Require(std::all_of(table.begin(), table.end(), [](std::int16_t v) { return v == 0; }),
            "a timbre that did not load is not silent");
    return 0;
}

// Texts, part names and every syllable alike.
bool SameWords(const SornData& a, const SornData& b) {
    for (int w = 0; w < ScoreTextCount; ++w)
        if (a.Text(static_cast<ScoreText>(w)) != b.Text(static_cast<ScoreText>(w))) return false;
    for (int p = 0; p <= a.PartSuu(); ++p) {
        const auto part = static_cast<std::uint8_t>(p);
        if (a.GetPartText(part, PartText::Name) != b.GetPartText(part, PartText::Name) ||
            a.GetPartText(part, PartText::ShortName) != b.GetPartText(part, PartText::ShortName) ||
            a.VerseCount(part) != b.VerseCount(part))
            return false;
        for (int v = 0; v < a.VerseCount(part); ++v)
            for (std::int32_t i = 0; i <= a.Length(); ++i)
                if (a.GetSyllable(part, i, v) != b.GetSyllable(part, i, v)) return false;
    }
    return true;
}

int MusicXml(Bytes data) {
    SornData doc;
    doc.FileNew();
    doc.SetGData1(0, 3, 0, Kind::Clef, ClefCode::F);
    const std::uint64_t before = Fingerprint(doc);
    const std::string_view bytes(reinterpret_cast<const char*>(data.data()), data.size());
    const ImportOutcome outcome = ImportMusicXml(bytes, doc);
    if (outcome.status != ImportStatus::Imported) {
        Require(!outcome.message.Empty(), "a MusicXML file refused without a reason");
        Require(Fingerprint(doc) == before, "a refused MusicXML file changed the score");
        return 0;
    }
    Fingerprint(doc); // checks its shape
    Require(doc.Length() >= MinLength && doc.Length() <= MaxLength,
            "an imported length out of range");
    std::string text;
    // As written: parts that repeat differently would be written played through.
    if (MusicXmlText(doc, text, UnfoldRepeats::Never))
        return 0; // a note MusicXML cannot name stops the export
    SornData again;
    Require(ImportMusicXml(text, again).status == ImportStatus::Imported,
            "our own MusicXML did not read back");
    Require(again.PartSuu() == doc.PartSuu() && again.Length() == doc.Length(),
            "our own MusicXML read back with another shape");
    Require(SameWords(doc, again), "our own MusicXML read back with other words");
    return 0;
}

} // namespace sorn::fuzz

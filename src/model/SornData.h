#pragma once
// The score document: parts of positions, each position fifteen slots of one
// kind byte and one value byte. Everything else in the program reads and
// writes the score only through these operations and holds plain numbers.

#include "model/MessageBoxes.h"
#include "model/ScoreWords.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace sorn {

class ChangeJournal;
struct DocumentChange;

inline constexpr int SlotCount = 15;
inline constexpr int MaxParts = 256;
inline constexpr std::int32_t MinLength = 20;
// The editor addresses positions with 16-bit numbers.
inline constexpr std::int32_t MaxLength = 32767;
inline constexpr std::int32_t NewScoreLength = 30;
inline constexpr std::int16_t DefaultSpeed = 60;

// One column of one part; exactly these 30 bytes are stored in score files.
struct PositionRecord {
    std::array<std::uint8_t, SlotCount> Syurui{};
    std::array<std::uint8_t, SlotCount> Atai{};
};
static_assert(sizeof(PositionRecord) == 30);

struct PartRecord {
    std::uint8_t InstrumentNumber = 0;
    std::vector<PositionRecord> GData1;
    PartWords words;
};

// Room for the longest score in a part's positions, so that lengthening
// never moves them: otherwise the first space inserted copies every part of
// a large score. Untouched room is only address space.
inline void ReserveLongest(std::vector<PositionRecord>& positions) {
    positions.reserve(static_cast<std::size_t>(MaxLength) + 1);
}

enum class OpenResult {
    Opened,    // the document now holds the file's score
    NotAScore, // no "sORN" at the start: nothing changed, nothing shown
    Refused,   // a message was shown; the document is unchanged
    Failed,    // the file could not be read; see the error code
};

class SornData {
public:
    SornData() = default;

    // Out-of-range part, position or slot numbers are caller errors: getters
    // then read as an empty slot, and mutators change nothing and return false.

    std::uint8_t PartSuu() const { return partSuu_; }
    std::int16_t Speed() const { return speed_; }
    void SetSpeed(std::int16_t value);

    std::uint8_t GetGSyurui(std::uint8_t Part, std::int32_t Iti, std::int16_t dataIndex) const;
    std::uint8_t GetGAtai(std::uint8_t Part, std::int32_t Iti, std::int16_t dataIndex) const;
    bool SetGSyurui(std::uint8_t Part, std::int32_t Iti, std::int16_t dataIndex,
                    std::uint8_t Syurui);
    bool SetGAtai(std::uint8_t Part, std::int32_t Iti, std::int16_t dataIndex, std::uint8_t Atai);
    bool SetGData1(std::uint8_t Part, std::int32_t Iti, std::int16_t dataIndex, std::uint8_t Syurui,
                   std::uint8_t Atai);
    // NewName is the decimal text of a program number; anything else is refused.
    bool SetInstrumentNumber(std::uint8_t Part, std::string_view NewName);
    std::uint8_t GetInstrumentNumber(std::uint8_t Part) const;

    // Adds, replaces or (same kind and value) removes an attached symbol in
    // slots 1..14. Returns false when it needed a free slot and found none.
    bool CheckGData1(std::uint8_t Part, std::int32_t Iti, std::uint8_t Syurui, std::uint8_t Atai);
    bool DeleteSyuruiGData1(std::uint8_t Part, std::int32_t Iti, std::uint8_t Syurui);
    bool DeleteAllGData1(std::uint8_t Part, std::int32_t Iti);
    // Value of the nearest symbol of that kind before Iti (Iti itself is not
    // looked at; Iti may be Length + 1), or DefaultAtai with resIti = -1.
    std::uint8_t AtaiBackSerch(std::uint8_t Part, std::int32_t Iti, std::uint8_t Syurui,
                               std::uint8_t DefaultAtai, std::int32_t& resIti) const;

    void AddPart();
    void DeletePart(std::uint8_t Part);
    // Refused (false) when the score is already as long as it can be.
    bool InsertSpace(std::uint8_t Part, std::int32_t Iti);
    // As many empty positions as the length limit leaves room for, up to
    // count; returns how many were inserted.
    std::int32_t InsertSpaces(std::uint8_t Part, std::int32_t Iti, std::int32_t count);
    bool DeleteSpace(std::uint8_t Part, std::int32_t Iti);

    std::int32_t Length() const { return length_; }
    // Kept within MinLength..MaxLength; every part is resized together.
    void SetLength(std::int32_t value);

    void FileNew();
    // Writes a temporary file beside FileName and renames it over FileName,
    // so a failure leaves any older file as it was.
    std::error_code FileSave(const std::string& FileName);
    // The same bytes, written without the document taking the file's name.
    std::error_code SaveCopy(const std::string& FileName) const;
    // Reads into a fresh document and takes it over only when the file is a
    // score; messages about the content go to boxes.
    OpenResult FileOpen(const std::string& FileName, MessageBoxes& boxes,
                        std::error_code* error = nullptr);
    const std::string& SornFileName() const { return sornFileName_; }
    // Takes over a score read from another format, as an opened file does;
    // it has no file name, so Save asks for one.
    void TakeScore(SornData&& other);
    // A restored recovery copy goes back under the name of the file it came from.
    void SetSornFileName(std::string name) { sornFileName_ = std::move(name); }

    // Until New or Open has run the document has no parts at all.
    bool HasParts() const { return !parts_.empty(); }
    int PartCount() const { return static_cast<int>(parts_.size()); }
    const PositionRecord* Record(std::uint8_t Part, std::int32_t Iti) const;
    // Replaces all thirty bytes of one position.
    bool SetRecord(std::uint8_t Part, std::int32_t Iti, const PositionRecord& record);

    // Words. Setters refuse (false, nothing changed) text over its limit or
    // not UTF-8, and out-of-range parts, positions and verses; an empty
    // text removes the field or the syllable.
    const std::string& Text(ScoreText which) const;
    bool SetText(ScoreText which, const std::string& text);
    const std::string& GetPartText(std::uint8_t Part, PartText which) const;
    bool SetPartText(std::uint8_t Part, PartText which, const std::string& text);
    // The syllable of a verse at a position, empty when there is none.
    Syllable GetSyllable(std::uint8_t Part, std::int32_t Iti, int verse) const;
    // Whether there is one, without copying it: for searches along a verse.
    bool HasSyllable(std::uint8_t Part, std::int32_t Iti, int verse) const;
    bool SetSyllable(std::uint8_t Part, std::int32_t Iti, int verse, const Syllable& syllable);
    // One past the highest verse that holds a syllable: the lyric lines the
    // part needs (0..MaxVerses).
    int VerseCount(std::uint8_t Part) const;
    // Anything a file keeps in its extension, unknown chunks included.
    bool HasWords() const;
    // Chunks of a newer writer, kept as read and written back on save.
    struct UnknownChunk {
        std::array<char, 4> tag{};
        std::string payload;
        bool operator==(const UnknownChunk&) const = default;
    };
    const std::vector<UnknownChunk>& UnknownChunks() const { return unknownChunks_; }

    // The edit history: every mutator above reports to the journal before it
    // changes anything, and counts its changes. Copies and opened files keep
    // the journal of the object they are assigned to.
    void SetJournal(ChangeJournal* journal) { journal_.to = journal; }
    std::int64_t ChangeCount() const { return changeCount_; }
    // Take a reported change back, or make it again; neither is reported.
    void UndoChange(DocumentChange& change);
    void RedoChange(DocumentChange& change);

private:
    struct JournalLink {
        ChangeJournal* to = nullptr;
        JournalLink() = default;
        JournalLink(const JournalLink&) {}
        JournalLink& operator=(const JournalLink&) { return *this; }
    };
    void Report(DocumentChange&& change);
    void ReportPosition(std::uint8_t Part, std::int32_t Iti, const PositionRecord& before);
    friend class ScoreFileReader;
    friend class WordsReader;
    friend std::error_code EncodeWords(const SornData& doc, std::string& out);
    PositionRecord* MutableRecord(std::uint8_t Part, std::int32_t Iti);
    void ResizeParts();
    static void ShiftIn(PartRecord& part, std::int32_t Iti, std::int32_t count);
    static void ShiftOut(PartRecord& part, std::int32_t Iti, std::int32_t count);
    void ClearSyllables(std::uint8_t Part, std::int32_t from, std::int32_t to);
    void PutSyllable(std::uint8_t Part, std::int32_t Iti, int verse, const Syllable& syllable);

    std::uint8_t partSuu_ = 0;
    std::int16_t speed_ = 0;
    std::vector<PartRecord> parts_;
    std::int32_t length_ = 0;
    std::string sornFileName_;
    std::array<std::string, ScoreTextCount> texts_;
    std::vector<UnknownChunk> unknownChunks_;
    JournalLink journal_;
    std::int64_t changeCount_ = 0;
};

} // namespace sorn

#pragma once
// What the document reports before each change it makes, with just enough to
// take the change back and make it again: the edit history keeps these
// instead of copies of the score.

#include "model/SornData.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sorn {

struct DocumentChange {
    enum class Type : std::uint8_t {
        Position,    // part, iti; record: the contents on the other side of the change
        InsertSpace, // part, iti, count empty positions inserted there
        DeleteSpace, // part, iti; record: the position removed
        Length,      // iti: the length before, count: after; records: the tails cut off
        AddPart,     // an empty part appended
        DeletePart,  // part; value: its instrument; records: its positions
        Speed,       // value: the tempo on the other side of the change
        Instrument,  // part; value: the instrument number on the other side
        Syllable,    // part, iti; value: the verse; count, text: the syllable on the other side
        ScoreText,   // value: which; text: on the other side
        PartText,    // part; value: which; text: on the other side
    };
    Type type = Type::Position;
    std::uint8_t part = 0;
    std::int32_t iti = 0;
    std::int32_t count = 0;
    std::int32_t value = 0;
    PositionRecord record{};
    std::vector<PositionRecord> records{};
    std::string text{};
    // DeletePart: the part's names and lyrics.
    std::shared_ptr<PartWords> words{};
};

// Words move no note in time.
inline bool IsWords(DocumentChange::Type type) {
    return type == DocumentChange::Type::Syllable || type == DocumentChange::Type::ScoreText ||
           type == DocumentChange::Type::PartText;
}

// Told of every change before the document makes it.
class ChangeJournal {
public:
    virtual ~ChangeJournal() = default;
    virtual void Record(DocumentChange&& change) = 0;
};

// Told of each change before the document makes it, takes it back or makes
// it again: what keeps a view of the score in step without reading it all.
class ChangeObserver {
public:
    virtual ~ChangeObserver() = default;
    virtual void Changing(const DocumentChange& change, bool undoing) = 0;
};

// The changes of one edit step, taken back in reverse order and made again
// in order.
class ChangeSet {
public:
    void Add(DocumentChange&& change);
    void Undo(SornData& doc, ChangeObserver* observer = nullptr);
    void Redo(SornData& doc, ChangeObserver* observer = nullptr);
    bool Empty() const { return changes_.empty(); }
    std::size_t Size() const { return changes_.size(); }
    void Shrink();

private:
    std::vector<DocumentChange> changes_;
};

} // namespace sorn

#include "model/DocumentChange.h"

#include <algorithm>
#include <utility>

namespace sorn {

void ChangeSet::Add(DocumentChange&& change) {
    // A key writes one position several times (note, beam removed, beam
    // added); its state before the first write is all that undo needs.
    if (change.type == DocumentChange::Type::Position && !changes_.empty()) {
        const DocumentChange& last = changes_.back();
        if (last.type == DocumentChange::Type::Position && last.part == change.part &&
            last.iti == change.iti)
            return;
    }
    changes_.push_back(std::move(change));
}

void ChangeSet::Undo(SornData& doc, ChangeObserver* observer) {
    for (auto it = changes_.rbegin(); it != changes_.rend(); ++it) {
        if (observer) observer->Changing(*it, true);
        doc.UndoChange(*it);
    }
}

void ChangeSet::Redo(SornData& doc, ChangeObserver* observer) {
    for (DocumentChange& change : changes_) {
        if (observer) observer->Changing(change, false);
        doc.RedoChange(change);
    }
}

void ChangeSet::Shrink() {
    changes_.shrink_to_fit();
}

// Each change is taken back exactly: lengths below the usual floor, as old
// files may carry, come back as they were, so these bypass SetLength.
void SornData::UndoChange(DocumentChange& c) {
    using Type = DocumentChange::Type;
    switch (c.type) {
    case Type::Position:
        std::swap(parts_[c.part].GData1[static_cast<std::size_t>(c.iti)], c.record);
        break;
    case Type::InsertSpace: {
        ShiftOut(parts_[c.part], c.iti, c.count);
        length_ -= c.count;
        ResizeParts();
        break;
    }
    case Type::DeleteSpace:
        ShiftIn(parts_[c.part], c.iti, 1);
        parts_[c.part].GData1[static_cast<std::size_t>(c.iti)] = c.record;
        break;
    case Type::Length: {
        const std::int32_t shorter = c.iti - c.count;
        length_ = c.iti;
        ResizeParts();
        if (shorter > 0) {
            auto tail = c.records.begin();
            for (auto& part : parts_) {
                std::copy(tail, tail + shorter, part.GData1.begin() + c.count + 1);
                tail += shorter;
            }
        }
        break;
    }
    case Type::AddPart:
        parts_.pop_back();
        partSuu_ = static_cast<std::uint8_t>(parts_.size() - 1);
        break;
    case Type::DeletePart: {
        PartRecord part;
        part.InstrumentNumber = static_cast<std::uint8_t>(c.value);
        part.GData1 = std::move(c.records);
        if (c.words) part.words = std::move(*c.words);
        c.words.reset();
        parts_.insert(parts_.begin() + c.part, std::move(part));
        partSuu_ = static_cast<std::uint8_t>(parts_.size() - 1);
        break;
    }
    case Type::Speed: {
        const std::int16_t other = speed_;
        speed_ = static_cast<std::int16_t>(c.value);
        c.value = other;
        break;
    }
    case Type::Instrument: {
        const std::uint8_t other = parts_[c.part].InstrumentNumber;
        parts_[c.part].InstrumentNumber = static_cast<std::uint8_t>(c.value);
        c.value = other;
        break;
    }
    case Type::Syllable: {
        Syllable other = GetSyllable(c.part, c.iti, c.value);
        const Syllable back = MakeSyllable(std::move(c.text), static_cast<unsigned>(c.count));
        c.count = static_cast<std::int32_t>(SyllableFlags(other));
        c.text = std::move(other.text);
        PutSyllable(c.part, c.iti, c.value, back);
        break;
    }
    case Type::ScoreText:
        std::swap(texts_[static_cast<std::size_t>(c.value)], c.text);
        break;
    case Type::PartText: {
        PartWords& w = parts_[c.part].words;
        std::swap(c.value == static_cast<std::int32_t>(PartText::Name) ? w.name : w.shortName,
                  c.text);
        break;
    }
    }
}

void SornData::RedoChange(DocumentChange& c) {
    using Type = DocumentChange::Type;
    switch (c.type) {
    case Type::Position:
    case Type::Speed:
    case Type::Instrument:
    case Type::Syllable:
    case Type::ScoreText:
    case Type::PartText:
        // These keep the other side of the change, so one swap serves both ways.
        UndoChange(c);
        break;
    case Type::InsertSpace:
        length_ += c.count;
        ResizeParts();
        ShiftIn(parts_[c.part], c.iti, c.count);
        break;
    case Type::DeleteSpace:
        ShiftOut(parts_[c.part], c.iti, 1);
        break;
    case Type::Length:
        // The tails kept are what this shortening cuts off again.
        length_ = c.count;
        ResizeParts();
        break;
    case Type::AddPart: {
        PartRecord part;
        ReserveLongest(part.GData1);
        part.GData1.resize(static_cast<std::size_t>(length_) + 1);
        parts_.push_back(std::move(part));
        partSuu_ = static_cast<std::uint8_t>(parts_.size() - 1);
        break;
    }
    case Type::DeletePart:
        c.records = std::move(parts_[c.part].GData1);
        c.words = std::make_shared<PartWords>(std::move(parts_[c.part].words));
        parts_.erase(parts_.begin() + c.part);
        partSuu_ = static_cast<std::uint8_t>(parts_.size() - 1);
        break;
    }
}

} // namespace sorn

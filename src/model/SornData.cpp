#include "model/SornData.h"

#include "model/DocumentChange.h"
#include "model/SymbolCodes.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace sorn {

namespace {
bool ValidSlot(std::int16_t dataIndex) {
    return dataIndex >= 0 && dataIndex < SlotCount;
}
} // namespace

void SornData::Report(DocumentChange&& change) {
    ++changeCount_;
    if (journal_.to) journal_.to->Record(std::move(change));
}

void SornData::ReportPosition(std::uint8_t Part, std::int32_t Iti, const PositionRecord& before) {
    ++changeCount_;
    if (journal_.to)
        journal_.to->Record(DocumentChange{
            .type = DocumentChange::Type::Position, .part = Part, .iti = Iti, .record = before});
}

void SornData::SetSpeed(std::int16_t value) {
    Report({.type = DocumentChange::Type::Speed, .value = speed_});
    speed_ = value;
}

const PositionRecord* SornData::Record(std::uint8_t Part, std::int32_t Iti) const {
    if (Part >= parts_.size() || Iti < 0 || Iti > length_) return nullptr;
    const auto& positions = parts_[Part].GData1;
    if (static_cast<std::size_t>(Iti) >= positions.size()) return nullptr;
    return &positions[static_cast<std::size_t>(Iti)];
}

PositionRecord* SornData::MutableRecord(std::uint8_t Part, std::int32_t Iti) {
    return const_cast<PositionRecord*>(std::as_const(*this).Record(Part, Iti));
}

std::uint8_t SornData::GetGSyurui(std::uint8_t Part, std::int32_t Iti,
                                  std::int16_t dataIndex) const {
    const PositionRecord* r = Record(Part, Iti);
    return r && ValidSlot(dataIndex) ? r->Syurui[dataIndex] : 0;
}

std::uint8_t SornData::GetGAtai(std::uint8_t Part, std::int32_t Iti, std::int16_t dataIndex) const {
    const PositionRecord* r = Record(Part, Iti);
    return r && ValidSlot(dataIndex) ? r->Atai[dataIndex] : 0;
}

bool SornData::SetGSyurui(std::uint8_t Part, std::int32_t Iti, std::int16_t dataIndex,
                          std::uint8_t Syurui) {
    PositionRecord* r = MutableRecord(Part, Iti);
    if (!r || !ValidSlot(dataIndex)) return false;
    ReportPosition(Part, Iti, *r);
    r->Syurui[dataIndex] = Syurui;
    return true;
}

bool SornData::SetGAtai(std::uint8_t Part, std::int32_t Iti, std::int16_t dataIndex,
                        std::uint8_t Atai) {
    PositionRecord* r = MutableRecord(Part, Iti);
    if (!r || !ValidSlot(dataIndex)) return false;
    ReportPosition(Part, Iti, *r);
    r->Atai[dataIndex] = Atai;
    return true;
}

bool SornData::SetGData1(std::uint8_t Part, std::int32_t Iti, std::int16_t dataIndex,
                         std::uint8_t Syurui, std::uint8_t Atai) {
    PositionRecord* r = MutableRecord(Part, Iti);
    if (!r || !ValidSlot(dataIndex)) return false;
    ReportPosition(Part, Iti, *r);
    r->Syurui[dataIndex] = Syurui;
    r->Atai[dataIndex] = Atai;
    return true;
}

bool SornData::SetRecord(std::uint8_t Part, std::int32_t Iti, const PositionRecord& record) {
    PositionRecord* r = MutableRecord(Part, Iti);
    if (!r) return false;
    ReportPosition(Part, Iti, *r);
    *r = record;
    return true;
}

bool SornData::SetInstrumentNumber(std::uint8_t Part, std::string_view NewName) {
    if (Part >= parts_.size()) return false;
    unsigned value = 0;
    const char* end = NewName.data() + NewName.size();
    auto [ptr, ec] = std::from_chars(NewName.data(), end, value);
    if (ec != std::errc{} || ptr != end || value > 255) return false;
    Report({.type = DocumentChange::Type::Instrument,
            .part = Part,
            .value = parts_[Part].InstrumentNumber});
    parts_[Part].InstrumentNumber = static_cast<std::uint8_t>(value);
    return true;
}

std::uint8_t SornData::GetInstrumentNumber(std::uint8_t Part) const {
    return Part < parts_.size() ? parts_[Part].InstrumentNumber : 0;
}

bool SornData::CheckGData1(std::uint8_t Part, std::int32_t Iti, std::uint8_t Syurui,
                           std::uint8_t Atai) {
    PositionRecord* r = MutableRecord(Part, Iti);
    if (!r) return false;
    int firstFree = -1;
    for (int i = 1; i < SlotCount; ++i) {
        if (r->Syurui[i] == Kind::Empty && firstFree < 0) {
            firstFree = i;
            continue;
        }
        if (r->Syurui[i] == Syurui) {
            // Same kind found wherever it stands: the same value again takes
            // the symbol away (a key pressed twice), another value replaces it.
            ReportPosition(Part, Iti, *r);
            if (r->Atai[i] == Atai)
                r->Syurui[i] = Kind::Empty;
            else
                r->Atai[i] = Atai;
            return true;
        }
    }
    if (firstFree < 0) return false;
    ReportPosition(Part, Iti, *r);
    r->Syurui[firstFree] = Syurui;
    r->Atai[firstFree] = Atai;
    return true;
}

bool SornData::DeleteSyuruiGData1(std::uint8_t Part, std::int32_t Iti, std::uint8_t Syurui) {
    PositionRecord* r = MutableRecord(Part, Iti);
    if (!r) return false;
    ReportPosition(Part, Iti, *r);
    for (int i = 1; i < SlotCount; ++i) {
        if (r->Syurui[i] == Syurui) {
            r->Syurui[i] = Kind::Empty;
            r->Atai[i] = 0;
        }
    }
    return true;
}

bool SornData::DeleteAllGData1(std::uint8_t Part, std::int32_t Iti) {
    PositionRecord* r = MutableRecord(Part, Iti);
    if (!r) return false;
    ReportPosition(Part, Iti, *r);
    *r = PositionRecord{};
    return true;
}

std::uint8_t SornData::AtaiBackSerch(std::uint8_t Part, std::int32_t Iti, std::uint8_t Syurui,
                                     std::uint8_t DefaultAtai, std::int32_t& resIti) const {
    resIti = -1;
    if (Part >= parts_.size() || Iti < 0 || Iti > length_ + 1) return DefaultAtai;
    const auto& positions = parts_[Part].GData1;
    for (std::int32_t p = std::min<std::int32_t>(Iti - 1, length_); p >= 0; --p) {
        const PositionRecord& r = positions[static_cast<std::size_t>(p)];
        for (int k = 0; k < SlotCount; ++k) {
            if (r.Syurui[k] == Syurui) {
                resIti = p;
                return r.Atai[k];
            }
        }
    }
    return DefaultAtai;
}

namespace {
const std::string kNoText;
} // namespace

const std::string& SornData::Text(ScoreText which) const {
    const auto i = static_cast<std::size_t>(which);
    return i < texts_.size() ? texts_[i] : kNoText;
}

bool SornData::SetText(ScoreText which, const std::string& text) {
    const auto i = static_cast<std::size_t>(which);
    if (i >= texts_.size() || !ValidWordsText(text, MaxTextBytes)) return false;
    if (texts_[i] == text) return true;
    Report({.type = DocumentChange::Type::ScoreText,
            .value = static_cast<std::int32_t>(i),
            .text = texts_[i]});
    texts_[i] = text;
    return true;
}

const std::string& SornData::GetPartText(std::uint8_t Part, PartText which) const {
    if (Part >= parts_.size()) return kNoText;
    const PartWords& w = parts_[Part].words;
    return which == PartText::Name ? w.name : w.shortName;
}

bool SornData::SetPartText(std::uint8_t Part, PartText which, const std::string& text) {
    if (Part >= parts_.size() || !ValidWordsText(text, MaxTextBytes)) return false;
    PartWords& w = parts_[Part].words;
    std::string& field = which == PartText::Name ? w.name : w.shortName;
    if (field == text) return true;
    Report({.type = DocumentChange::Type::PartText,
            .part = Part,
            .value = static_cast<std::int32_t>(which),
            .text = field});
    field = text;
    return true;
}

Syllable SornData::GetSyllable(std::uint8_t Part, std::int32_t Iti, int verse) const {
    if (Part >= parts_.size() || verse < 0 || verse >= MaxVerses) return {};
    return parts_[Part].words.verses[static_cast<std::size_t>(verse)].Get(Iti);
}

bool SornData::HasSyllable(std::uint8_t Part, std::int32_t Iti, int verse) const {
    return Part < parts_.size() && verse >= 0 && verse < MaxVerses &&
           parts_[Part].words.verses[static_cast<std::size_t>(verse)].Has(Iti);
}

bool SornData::SetSyllable(std::uint8_t Part, std::int32_t Iti, int verse,
                           const Syllable& syllable) {
    if (!Record(Part, Iti) || verse < 0 || verse >= MaxVerses ||
        !ValidWordsText(syllable.text, MaxSyllableBytes))
        return false;
    // Only text makes a syllable; an empty one keeps no flags.
    const Syllable next = syllable.Empty() ? Syllable{} : syllable;
    Syllable now = GetSyllable(Part, Iti, verse);
    if (now == next) return true;
    Report({.type = DocumentChange::Type::Syllable,
            .part = Part,
            .iti = Iti,
            .count = static_cast<std::int32_t>(SyllableFlags(now)),
            .value = verse,
            .text = std::move(now.text)});
    PutSyllable(Part, Iti, verse, next);
    return true;
}

// Stores without reporting.
void SornData::PutSyllable(std::uint8_t Part, std::int32_t Iti, int verse,
                           const Syllable& syllable) {
    parts_[Part].words.verses[static_cast<std::size_t>(verse)].Put(
        Iti, syllable, static_cast<std::size_t>(length_) + 1);
}

// Reported one by one, so that undo brings each back; done before the
// positions holding them go.
void SornData::ClearSyllables(std::uint8_t Part, std::int32_t from, std::int32_t to) {
    const PartWords& words = parts_[Part].words;
    for (int v = 0; v < MaxVerses; ++v) {
        const VerseLine& line = words.verses[static_cast<std::size_t>(v)];
        if (line.Filled() == 0) continue;
        for (std::int32_t i = from; i <= to; ++i)
            if (line.Has(i)) SetSyllable(Part, i, v, Syllable{});
    }
}

int SornData::VerseCount(std::uint8_t Part) const {
    if (Part >= parts_.size()) return 0;
    const auto& verses = parts_[Part].words.verses;
    for (int v = MaxVerses; v > 0; --v)
        if (verses[static_cast<std::size_t>(v - 1)].Filled() > 0) return v;
    return 0;
}

bool SornData::HasWords() const {
    if (!unknownChunks_.empty()) return true;
    for (const std::string& t : texts_)
        if (!t.empty()) return true;
    for (std::size_t p = 0; p < parts_.size(); ++p) {
        const PartWords& w = parts_[p].words;
        if (!w.name.empty() || !w.shortName.empty() || VerseCount(static_cast<std::uint8_t>(p)))
            return true;
    }
    return false;
}

void SornData::AddPart() {
    if (parts_.empty() || parts_.size() >= MaxParts) return;
    Report({.type = DocumentChange::Type::AddPart});
    PartRecord part;
    ReserveLongest(part.GData1);
    part.GData1.resize(static_cast<std::size_t>(length_) + 1);
    parts_.push_back(std::move(part));
    partSuu_ = static_cast<std::uint8_t>(parts_.size() - 1);
}

void SornData::DeletePart(std::uint8_t Part) {
    if (parts_.size() <= 1 || Part >= parts_.size()) return;
    DocumentChange change{.type = DocumentChange::Type::DeletePart,
                          .part = Part,
                          .value = parts_[Part].InstrumentNumber};
    // The positions and words move into the history rather than being copied.
    if (journal_.to) {
        change.records = std::move(parts_[Part].GData1);
        change.words = std::make_shared<PartWords>(std::move(parts_[Part].words));
    }
    Report(std::move(change));
    parts_.erase(parts_.begin() + Part);
    partSuu_ = static_cast<std::uint8_t>(parts_.size() - 1);
}

bool SornData::InsertSpace(std::uint8_t Part, std::int32_t Iti) {
    return InsertSpaces(Part, Iti, 1) == 1;
}

std::int32_t SornData::InsertSpaces(std::uint8_t Part, std::int32_t Iti, std::int32_t count) {
    count = std::min(count, MaxLength - length_);
    if (!Record(Part, Iti) || count <= 0) return 0;
    Report({.type = DocumentChange::Type::InsertSpace, .part = Part, .iti = Iti, .count = count});
    length_ += count;
    ResizeParts();
    ShiftIn(parts_[Part], Iti, count);
    return count;
}

bool SornData::DeleteSpace(std::uint8_t Part, std::int32_t Iti) {
    if (!Record(Part, Iti)) return false;
    ClearSyllables(Part, Iti, Iti);
    Report({.type = DocumentChange::Type::DeleteSpace,
            .part = Part,
            .iti = Iti,
            .record = parts_[Part].GData1[static_cast<std::size_t>(Iti)]});
    ShiftOut(parts_[Part], Iti, 1);
    return true;
}

void SornData::SetLength(std::int32_t value) {
    value = std::clamp(value, MinLength, MaxLength);
    if (value == length_) {
        ResizeParts();
        return;
    }
    if (value < length_)
        for (std::size_t p = 0; p < parts_.size(); ++p)
            ClearSyllables(static_cast<std::uint8_t>(p), value + 1, length_);
    DocumentChange change{.type = DocumentChange::Type::Length, .iti = length_, .count = value};
    // Shortening loses the tails; the history keeps them, part after part.
    if (journal_.to && value < length_) {
        change.records.reserve(parts_.size() * static_cast<std::size_t>(length_ - value));
        for (const auto& part : parts_)
            change.records.insert(change.records.end(), part.GData1.begin() + value + 1,
                                  part.GData1.end());
    }
    Report(std::move(change));
    length_ = value;
    ResizeParts();
}

void SornData::ResizeParts() {
    const auto size = static_cast<std::size_t>(length_) + 1;
    for (auto& part : parts_) {
        ReserveLongest(part.GData1);
        part.GData1.resize(size);
        for (auto& line : part.words.verses)
            line.Resize(size);
    }
}

void SornData::ShiftIn(PartRecord& part, std::int32_t Iti, std::int32_t count) {
    auto& positions = part.GData1;
    std::move_backward(positions.begin() + Iti, positions.end() - count, positions.end());
    std::fill_n(positions.begin() + Iti, count, PositionRecord{});
    for (auto& line : part.words.verses)
        line.ShiftIn(Iti, count);
}

void SornData::ShiftOut(PartRecord& part, std::int32_t Iti, std::int32_t count) {
    auto& positions = part.GData1;
    std::move(positions.begin() + Iti + count, positions.end(), positions.begin() + Iti);
    std::fill(positions.end() - count, positions.end(), PositionRecord{});
    for (auto& line : part.words.verses)
        line.ShiftOut(Iti, count);
}

void SornData::FileNew() {
    texts_ = {};
    unknownChunks_.clear();
    partSuu_ = 0;
    length_ = NewScoreLength;
    speed_ = DefaultSpeed;
    parts_.assign(1, PartRecord{});
    ResizeParts();
}

// As an opened file replaces the score: the undo journal stays attached,
// and an imported score has no file name of its own.
void SornData::TakeScore(SornData&& other) {
    partSuu_ = other.partSuu_;
    length_ = other.length_;
    speed_ = other.speed_;
    parts_ = std::move(other.parts_);
    texts_ = std::move(other.texts_);
    unknownChunks_ = std::move(other.unknownChunks_);
    sornFileName_.clear();
}

} // namespace sorn

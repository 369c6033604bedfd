#include "model/ScoreWords.h"

#include <algorithm>

namespace sorn {

bool ValidWordsText(std::string_view text, std::size_t limit) {
    if (text.size() > limit) return false;
    // Well-formed UTF-8: no overlong forms, surrogates or code points past U+10FFFF.
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const unsigned c = *p++;
        if (c < 0x80) continue;
        int more = 0;
        unsigned lo = 0x80, hi = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            more = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            if (c == 0xE0) lo = 0xA0;
            if (c == 0xED) hi = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            if (c == 0xF0) lo = 0x90;
            if (c == 0xF4) hi = 0x8F;
        } else {
            return false;
        }
        if (end - p < more || p[0] < lo || p[0] > hi) return false;
        for (int i = 1; i < more; ++i)
            if (p[i] < 0x80 || p[i] > 0xBF) return false;
        p += more;
    }
    return true;
}

// An entry in the pool: flags (bits 0-1 syllabic, bit 2 extend), size, text.
Syllable VerseLine::Get(std::int32_t iti) const {
    const std::uint32_t at = Offset(iti);
    if (at == 0) return {};
    const auto flags = static_cast<unsigned char>(pool_[at]);
    const auto size = static_cast<unsigned char>(pool_[at + 1]);
    return {.text = pool_.substr(at + 2, size),
            .syllabic = static_cast<Syllabic>(flags & 3),
            .extend = (flags & 4) != 0};
}

void VerseLine::Put(std::int32_t iti, const Syllable& syllable, std::size_t positions) {
    if (!Allocated()) {
        if (syllable.Empty()) return;
        at_.assign(positions, 0);
        pool_.assign(1, '\0'); // offset 0 means no syllable
    }
    std::uint32_t& at = at_[static_cast<std::size_t>(iti)];
    if (at != 0) {
        garbage_ += 2 + static_cast<unsigned char>(pool_[at + 1]);
        --filled_;
        at = 0;
    }
    if (!syllable.Empty()) {
        at = static_cast<std::uint32_t>(pool_.size());
        pool_.push_back(static_cast<char>(static_cast<unsigned>(syllable.syllabic) |
                                          (syllable.extend ? 4u : 0u)));
        pool_.push_back(static_cast<char>(syllable.text.size()));
        pool_ += syllable.text;
        ++filled_;
    }
    // Edits leave old entries behind; the pool never grows past twice what it holds.
    if (garbage_ > 4096 && garbage_ > pool_.size() / 2) Compact();
}

void VerseLine::Compact() {
    std::string pool(1, '\0');
    pool.reserve(pool_.size() - garbage_);
    for (std::uint32_t& at : at_) {
        if (at == 0) continue;
        const std::size_t size = 2 + static_cast<unsigned char>(pool_[at + 1]);
        const auto moved = static_cast<std::uint32_t>(pool.size());
        pool.append(pool_, at, size);
        at = moved;
    }
    pool_ = std::move(pool);
    garbage_ = 0;
}

void VerseLine::Resize(std::size_t positions) {
    if (!Allocated()) return;
    for (std::size_t i = positions; i < at_.size(); ++i)
        if (at_[i] != 0) {
            garbage_ += 2 + static_cast<unsigned char>(pool_[at_[i] + 1]);
            --filled_;
        }
    at_.resize(positions, 0);
}

void VerseLine::ShiftIn(std::int32_t iti, std::int32_t count) {
    if (!Allocated()) return;
    std::move_backward(at_.begin() + iti, at_.end() - count, at_.end());
    std::fill_n(at_.begin() + iti, count, 0);
}

void VerseLine::ShiftOut(std::int32_t iti, std::int32_t count) {
    if (!Allocated()) return;
    // Callers take the syllables of the removed positions away first.
    std::move(at_.begin() + iti + count, at_.end(), at_.begin() + iti);
    std::fill(at_.end() - count, at_.end(), 0);
}

void VerseLine::AppendEntries(std::string& out) const {
    for (std::size_t i = 0; i < at_.size(); ++i) {
        const std::uint32_t at = at_[i];
        if (at == 0) continue;
        out.push_back(static_cast<char>(i & 0xFF));
        out.push_back(static_cast<char>((i >> 8) & 0xFF));
        out.append(pool_, at, 2 + static_cast<unsigned char>(pool_[at + 1]));
    }
}

// The entries become the pool: each position's offset points past its
// position number, at the flags; the numbers stay as unused bytes.
bool VerseLine::Adopt(std::string entries, std::size_t start, std::size_t positions) {
    at_.assign(positions, 0);
    filled_ = 0;
    garbage_ = start;
    std::size_t at = start;
    std::int64_t last = -1;
    bool whole = true;
    while (at < entries.size()) {
        if (entries.size() - at < 4) {
            whole = false;
            break;
        }
        const auto iti = static_cast<std::size_t>(static_cast<unsigned char>(entries[at]) |
                                                  static_cast<unsigned char>(entries[at + 1]) << 8);
        const auto flags = static_cast<unsigned char>(entries[at + 2]);
        const std::size_t size = static_cast<unsigned char>(entries[at + 3]);
        if (static_cast<std::int64_t>(iti) <= last || iti >= positions || flags > 7 || size == 0 ||
            size > MaxSyllableBytes || size > entries.size() - at - 4 ||
            !ValidWordsText(std::string_view(entries).substr(at + 4, size), MaxSyllableBytes)) {
            whole = false;
            break;
        }
        at_[iti] = static_cast<std::uint32_t>(at + 2);
        ++filled_;
        last = static_cast<std::int64_t>(iti);
        at += 4 + size;
    }
    // What follows a damaged entry is not ours to keep. Offsets point past
    // a position number, so none is 0.
    if (!whole) garbage_ += entries.size() - at;
    pool_ = std::move(entries);
    if (filled_ == 0) {
        at_.clear();
        pool_.clear();
        garbage_ = 0;
    }
    return whole;
}

} // namespace sorn

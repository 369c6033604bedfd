#include "model/ScoreWords.h"

#include <algorithm>

namespace sorn {

// Well-formed UTF-8: no overlong forms, surrogates or code points past U+10FFFF.
std::size_t Utf8CharBytes(std::string_view s) {
    if (s.empty()) return 0;
    const auto c = static_cast<unsigned char>(s[0]);
    if (c < 0x80) return 1;
    const std::size_t n = c >= 0xC2 && c <= 0xDF   ? 2
                          : c >= 0xE0 && c <= 0xEF ? 3
                          : c >= 0xF0 && c <= 0xF4 ? 4
                                                   : 0;
    if (n == 0 || s.size() < n) return 0;
    const unsigned lo = c == 0xE0 ? 0xA0 : c == 0xF0 ? 0x90 : 0x80;
    const unsigned hi = c == 0xED ? 0x9F : c == 0xF4 ? 0x8F : 0xBF;
    const auto second = static_cast<unsigned char>(s[1]);
    if (second < lo || second > hi) return 0;
    for (std::size_t i = 2; i < n; ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0;
    return n;
}

bool ValidWordsText(std::string_view text, std::size_t limit) {
    if (text.size() > limit) return false;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t n = Utf8CharBytes(text.substr(at));
        if (n == 0) return false;
        at += n;
    }
    return true;
}

// An entry in the pool: flags, size, text.
Syllable VerseLine::Get(std::int32_t iti) const {
    const std::uint32_t at = Offset(iti);
    if (at == 0) return {};
    const auto size = static_cast<unsigned char>(pool_[at + 1]);
    return MakeSyllable(pool_.substr(at + 2, size), static_cast<unsigned char>(pool_[at]));
}

std::uint32_t VerseLine::PackedOffset(std::int32_t iti) const {
    if (iti < 0 || static_cast<std::size_t>(iti) >= positions_) return 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(pool_.data());
    for (std::size_t at = blocks_[static_cast<std::size_t>(iti) >> kBlockShift]; at < end_;
         at += 4 + bytes[at + 3]) {
        const auto entry = static_cast<std::int32_t>(bytes[at] | bytes[at + 1] << 8);
        if (entry == iti) return static_cast<std::uint32_t>(at + 2);
        if (entry > iti) break;
    }
    return 0;
}

void VerseLine::Unpack() {
    if (blocks_.empty()) return;
    at_.assign(positions_, 0);
    const auto* bytes = reinterpret_cast<const unsigned char*>(pool_.data());
    for (std::size_t at = start_; at < end_; at += 4 + bytes[at + 3])
        at_[bytes[at] | std::size_t{bytes[at + 1]} << 8] = static_cast<std::uint32_t>(at + 2);
    blocks_.clear();
    blocks_.shrink_to_fit();
}

void VerseLine::Put(std::int32_t iti, const Syllable& syllable, std::size_t positions) {
    Unpack();
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
        pool_.push_back(static_cast<char>(SyllableFlags(syllable)));
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
    Unpack();
    for (std::size_t i = positions; i < at_.size(); ++i)
        if (at_[i] != 0) {
            garbage_ += 2 + static_cast<unsigned char>(pool_[at_[i] + 1]);
            --filled_;
        }
    at_.resize(positions, 0);
}

void VerseLine::ShiftIn(std::int32_t iti, std::int32_t count) {
    if (!Allocated()) return;
    Unpack();
    std::move_backward(at_.begin() + iti, at_.end() - count, at_.end());
    std::fill_n(at_.begin() + iti, count, 0);
}

void VerseLine::ShiftOut(std::int32_t iti, std::int32_t count) {
    if (!Allocated()) return;
    Unpack();
    // Callers take the syllables of the removed positions away first.
    std::move(at_.begin() + iti + count, at_.end(), at_.begin() + iti);
    std::fill(at_.end() - count, at_.end(), 0);
}

void VerseLine::AppendEntries(std::string& out) const {
    if (!blocks_.empty()) {
        out.append(pool_, start_, end_ - start_);
        return;
    }
    for (std::size_t i = 0; i < at_.size(); ++i) {
        const std::uint32_t at = at_[i];
        if (at == 0) continue;
        out.push_back(static_cast<char>(i & 0xFF));
        out.push_back(static_cast<char>((i >> 8) & 0xFF));
        out.append(pool_, at, 2 + static_cast<unsigned char>(pool_[at + 1]));
    }
}

namespace {

// The common cases inline: ASCII, and the three-byte characters of kana
// and kanji; anything else goes through the full check.
bool ValidSyllable(const unsigned char* text, std::size_t size) {
    for (std::size_t k = 0; k < size;) {
        const unsigned c = text[k];
        if (c < 0x80) {
            ++k;
        } else if (c >= 0xE1 && c <= 0xEC && size - k >= 3 && (text[k + 1] & 0xC0) == 0x80 &&
                   (text[k + 2] & 0xC0) == 0x80) {
            k += 3;
        } else {
            return ValidWordsText({reinterpret_cast<const char*>(text + k), size - k}, size);
        }
    }
    return true;
}

} // namespace

bool VerseLine::Adopt(std::string entries, std::size_t start, std::size_t positions) {
    // A score may hold half a million syllables: one pass over plain
    // pointers, the entries kept as they are (a position's offset points at
    // its flags) and an index of every sixteenth position only.
    at_.clear();
    blocks_.assign((positions >> kBlockShift) + 1, 0);
    filled_ = 0;
    std::size_t at = start;
    std::size_t block = 0;
    std::int64_t last = -1;
    bool whole = true;
    const auto* bytes = reinterpret_cast<const unsigned char*>(entries.data());
    const std::size_t end = entries.size();
    while (at < end) {
        if (end - at < 4) {
            whole = false;
            break;
        }
        const unsigned char* entry = bytes + at;
        const std::size_t iti = entry[0] | std::size_t{entry[1]} << 8;
        const std::size_t size = entry[3];
        if (static_cast<std::int64_t>(iti) <= last || iti >= positions ||
            entry[2] > kSyllableFlagsMost || size == 0 || size > MaxSyllableBytes ||
            size > end - at - 4 || !ValidSyllable(entry + 4, size)) {
            whole = false;
            break;
        }
        for (; (block << kBlockShift) <= iti; ++block)
            blocks_[block] = static_cast<std::uint32_t>(at);
        ++filled_;
        last = static_cast<std::int64_t>(iti);
        at += 4 + size;
    }
    for (; block < blocks_.size(); ++block)
        blocks_[block] = static_cast<std::uint32_t>(at);
    // The chunk's header and what follows a damaged entry are not ours to
    // keep. Offsets point past a position number, so none is 0.
    start_ = start;
    end_ = at;
    positions_ = positions;
    garbage_ = start + (end - at);
    pool_ = std::move(entries);
    if (filled_ == 0) {
        blocks_.clear();
        pool_.clear();
        garbage_ = 0;
    }
    return whole;
}

} // namespace sorn

#pragma once
// The words of a score: its title and credits, the names of its parts and
// the lyrics under their notes. The original file format has no room for
// them; they travel in an extension after the last part block.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sorn {

inline constexpr int MaxVerses = 5;
// Limits in UTF-8 bytes: a title or a name, one syllable, and everything
// the extension of one file may hold.
inline constexpr std::size_t MaxTextBytes = 1024;
inline constexpr std::size_t MaxSyllableBytes = 64;
inline constexpr std::size_t MaxWordsBytes = std::size_t{64} << 20;

enum class ScoreText : std::uint8_t { Title, Subtitle, Composer, Lyricist, Arranger, Copyright };
inline constexpr int ScoreTextCount = 6;

enum class PartText : std::uint8_t { Name, ShortName };

// Where a syllable stands in its word: a hyphen is drawn after Begin and
// Middle, towards the next syllable.
enum class Syllabic : std::uint8_t { Single, Begin, Middle, End };

struct Syllable {
    std::string text;
    Syllabic syllabic = Syllabic::Single;
    // Held over the notes that follow (an extender line), up to the next
    // syllable of its verse or a rest.
    bool extend = false;

    // A syllable without text is no syllable.
    bool Empty() const { return text.empty(); }
    bool HyphenAfter() const { return syllabic == Syllabic::Begin || syllabic == Syllabic::Middle; }
    bool operator==(const Syllable&) const = default;
};

// How files and the edit history keep a syllable's kind in one number:
// bits 0-1 syllabic, bit 2 extend.
inline constexpr unsigned kSyllableFlagsMost = 7;
inline unsigned SyllableFlags(const Syllable& s) {
    return static_cast<unsigned>(s.syllabic) | (s.extend ? 4u : 0u);
}
inline Syllable MakeSyllable(std::string text, unsigned flags) {
    return {.text = std::move(text),
            .syllabic = static_cast<Syllabic>(flags & 3),
            .extend = (flags & 4) != 0};
}

// One verse of a part. A score may have a syllable under every note of
// many parts, so the verse keeps its syllables packed (flags, size, text)
// in one pool, with the offset of each position's syllable (0: none).
// A verse read from a file keeps the file's entries as its pool and finds a
// position through an index of every sixteenth position, until an edit
// first changes it.
class VerseLine {
public:
    bool Allocated() const { return !at_.empty() || !blocks_.empty(); }
    std::int32_t Filled() const { return filled_; }
    bool Has(std::int32_t iti) const { return Offset(iti) != 0; }
    Syllable Get(std::int32_t iti) const;
    // An empty syllable takes the position's away. positions: Length + 1.
    void Put(std::int32_t iti, const Syllable& syllable, std::size_t positions);
    void Resize(std::size_t positions);
    void ShiftIn(std::int32_t iti, std::int32_t count);
    void ShiftOut(std::int32_t iti, std::int32_t count);
    // At most the bytes AppendEntries writes.
    std::size_t EntriesBytes() const {
        return pool_.size() + 2 * static_cast<std::size_t>(filled_);
    }
    // The file's entries (u16 position, flags, size, text), in position order.
    void AppendEntries(std::string& out) const;
    // Takes the file's entries, from byte start of bytes, as they are: false
    // at the first that is damaged, keeping those before it.
    bool Adopt(std::string bytes, std::size_t start, std::size_t positions);

private:
    static constexpr int kBlockShift = 4;
    std::uint32_t Offset(std::int32_t iti) const {
        if (!blocks_.empty()) return PackedOffset(iti);
        return iti >= 0 && static_cast<std::size_t>(iti) < at_.size()
                   ? at_[static_cast<std::size_t>(iti)]
                   : 0;
    }
    std::uint32_t PackedOffset(std::int32_t iti) const;
    // Before the first edit: an offset for every position.
    void Unpack();
    void Compact();

    std::vector<std::uint32_t> at_;
    std::string pool_;
    std::int32_t filled_ = 0;
    std::size_t garbage_ = 0;
    // While packed: the first entry at or after each block of positions,
    // where the entries begin and end, and how many positions there are.
    std::vector<std::uint32_t> blocks_;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
    std::size_t positions_ = 0;
};

struct PartWords {
    std::string name;
    std::string shortName;
    std::array<VerseLine, MaxVerses> verses;
};

// Bytes of the well-formed UTF-8 character s starts with; 0 for none.
std::size_t Utf8CharBytes(std::string_view s);
// True when text is valid UTF-8 of at most limit bytes.
bool ValidWordsText(std::string_view text, std::size_t limit);

} // namespace sorn

#pragma once
// The words of a score: its title and credits, the names of its parts and
// the lyrics under their notes. The original file format has no room for
// them; they travel in an extension after the last part block.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
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
    bool HyphenAfter() const {
        return syllabic == Syllabic::Begin || syllabic == Syllabic::Middle;
    }
    bool operator==(const Syllable&) const = default;
};

struct PartWords {
    std::string name;
    std::string shortName;
    // Each verse is empty until it has a syllable, then one per position
    // (Length + 1); filled counts its syllables.
    std::array<std::vector<Syllable>, MaxVerses> verses;
    std::array<std::int32_t, MaxVerses> filled{};
};

// True when text is valid UTF-8 of at most limit bytes.
bool ValidWordsText(const std::string& text, std::size_t limit);

} // namespace sorn

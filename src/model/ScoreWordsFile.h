#pragma once
// The extension of a score file that holds its words: after the last part
// block, where readers of the original format stop. "sEXT", the size of the
// chunks (little-endian 32 bits), then chunks of a four-byte tag, a 32-bit
// size and that many bytes. The size tells a file cut short
// between two chunks from a whole one.

#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace sorn {

class SornData;

inline constexpr char kWordsMagic[4] = {'s', 'E', 'X', 'T'};

// The whole extension, magic included; empty when the score has no words.
// Fails (file_too_large) past MaxWordsBytes.
std::error_code EncodeWords(const SornData& doc, std::string& out);

// Reads one chunk into doc, whose parts and length are already read. False
// when it is damaged; what could be read of it is kept, and chunks of other
// kinds are kept as they are.
bool DecodeWordsChunk(std::string_view tag, std::string payload, SornData& doc);

} // namespace sorn

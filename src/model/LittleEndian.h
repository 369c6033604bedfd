#pragma once
// Numbers as score files store them: little-endian, 1 to 4 bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sorn {

inline void PutLE(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Writes over bytes already in out, at.
inline void PatchLE(std::string& out, std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline std::uint32_t GetLE(std::string_view in, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(in[at + static_cast<std::size_t>(i)]);
    return value;
}

} // namespace sorn

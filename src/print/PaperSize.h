#pragma once
// The papers pages are printed on.

#include <string_view>
#include <utility>

namespace sorn {

// B4 and B5 are the Japanese (JIS) sizes, 257 x 364 and 182 x 257 mm.
enum class PaperSize { A4, A5, B4, B5 };

// "A4", "A5", "B4" or "B5", as the command line names them.
inline bool PaperByName(std::string_view name, PaperSize& paper) {
    static constexpr std::pair<std::string_view, PaperSize> kPapers[] = {
        {"A4", PaperSize::A4}, {"A5", PaperSize::A5}, {"B4", PaperSize::B4}, {"B5", PaperSize::B5}};
    for (const auto& [text, size] : kPapers)
        if (name == text) {
            paper = size;
            return true;
        }
    return false;
}

} // namespace sorn

#include "render/TextLines.h"

namespace sorn {

namespace {

constexpr std::string_view kEllipsis = "…";

bool Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where each character after the first begins, and the end.
std::vector<std::size_t> Boundaries(std::string_view text) {
    std::vector<std::size_t> at;
    for (std::size_t i = 1; i <= text.size(); ++i)
        if (i == text.size() || !Continuation(text[i])) at.push_back(i);
    return at;
}

bool LatinLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

std::string_view TrimFront(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return s;
}

std::string_view TrimBack(std::string_view s) {
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

// The most characters of text, followed by suffix, that fit; at least one.
// Widths grow with the characters, so halving finds it in a few measures.
std::size_t LongestFitting(const Canvas& canvas, std::string_view text, std::string_view suffix,
                           float width) {
    const std::vector<std::size_t> at = Boundaries(text);
    std::size_t low = 0;
    std::size_t high = at.size();
    while (low + 1 < high) {
        const std::size_t middle = (low + high) / 2;
        std::string candidate(text.substr(0, at[middle]));
        candidate += suffix;
        if (canvas.TextWidth(candidate) <= width)
            low = middle;
        else
            high = middle;
    }
    return at.empty() ? 0 : at[low];
}

} // namespace

FittedLines FitLines(const Canvas& canvas, std::string_view text, float width, int maxLines) {
    FittedLines fitted;
    std::string_view rest = TrimBack(TrimFront(text));
    while (!rest.empty() && static_cast<int>(fitted.lines.size()) < maxLines) {
        if (canvas.TextWidth(rest) <= width) {
            fitted.lines.emplace_back(rest);
            return fitted;
        }
        if (static_cast<int>(fitted.lines.size()) == maxLines - 1) {
            const std::size_t end = LongestFitting(canvas, rest, kEllipsis, width);
            fitted.lines.push_back(std::string(TrimBack(rest.substr(0, end))) +
                                   std::string(kEllipsis));
            fitted.cut = true;
            return fitted;
        }
        std::size_t end = LongestFitting(canvas, rest, {}, width);
        // A word of Latin letters breaks at the space before it; kana and
        // kanji break between any two characters.
        if (LatinLetter(rest[end - 1]) && end < rest.size() && LatinLetter(rest[end])) {
            const std::size_t space = rest.substr(0, end).rfind(' ');
            if (space != std::string_view::npos && space > 0) end = space;
        }
        fitted.lines.emplace_back(TrimBack(rest.substr(0, end)));
        rest = TrimFront(rest.substr(end));
    }
    return fitted;
}

} // namespace sorn

#pragma once
// The number a text starts with, as the dialogs read their text boxes:
// leading blanks, an optional sign, digits and an optional fraction; the
// rest is ignored and a text without a number reads as 0. A number too
// large for a double reads as an infinity of its sign.

#include <charconv>
#include <cmath>
#include <string_view>

namespace sorn {

inline double LeadingNumber(std::string_view text) {
    auto digit = [&](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t start = i;
    while (digit(i))
        ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (digit(i))
            ++i;
    }
    // from_chars reads "." as the decimal mark whatever the user's locale.
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) return negative ? -HUGE_VAL : HUGE_VAL;
    if (error != std::errc{} || end == text.data() + start) return 0;
    return negative ? -value : value;
}

// Rounded to the nearest whole number, a half to the even one.
inline long RoundHalfEven(double v) {
    return std::lrint(v);
}

} // namespace sorn

#pragma once
// The number a text starts with, as the dialogs read their text boxes:
// leading blanks, an optional sign, digits and an optional fraction; the
// rest is ignored and a text without a number reads as 0.

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace sorn {

inline double LeadingNumber(const std::string& text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return 0;
    std::size_t end = i;
    if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
    const std::size_t digits = end;
    while (end < text.size() &&
           (std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '.'))
        ++end;
    if (end == digits) return 0;
    // from_chars reads "." as the decimal mark whatever the user's locale.
    const char* first = text.data() + i;
    if (*first == '+') ++first;
    double value = 0;
    std::from_chars(first, text.data() + end, value);
    return value;
}

// Rounded to the nearest whole number, a half to the even one.
inline long RoundHalfEven(double v) {
    return std::lrint(v);
}

} // namespace sorn

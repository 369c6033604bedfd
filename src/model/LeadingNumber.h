#pragma once
// The number a text starts with, as the dialogs read their text boxes:
// leading blanks, an optional sign, digits and an optional fraction; the
// rest is ignored and a text without a number reads as 0.

#include <cmath>
#include <cstdlib>
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
    return std::strtod(text.substr(i, end - i).c_str(), nullptr);
}

// Rounded to the nearest whole number, a half to the even one.
inline long RoundHalfEven(double v) {
    return std::lrint(v);
}

} // namespace sorn

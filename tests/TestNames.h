#pragma once

#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>

// A readable name of a parameterised case that stays the same from build to
// build: the letters and digits of `text` ("minus" for a sign), other runs of
// characters as one "_", at most 48 of them, then the case's index, which
// keeps it unique.
inline std::string CaseName(std::size_t index, std::string_view text) {
    std::string name;
    for (std::size_t i = 0; i < text.size() && name.size() < 48; ++i) {
        const char c = text[i];
        const bool sign = i + 1 < text.size() &&
                          std::isdigit(static_cast<unsigned char>(text[i + 1])) != 0 &&
                          (i == 0 || std::isalnum(static_cast<unsigned char>(text[i - 1])) == 0);
        if (c == '-' && sign) {
            name += "minus";
        } else if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            name += c;
        } else if (!name.empty() && name.back() != '_') {
            name += '_';
        }
    }
    if (!name.empty() && name.back() != '_') {
        name += '_';
    }
    return name + std::to_string(index);
}

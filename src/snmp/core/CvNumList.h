#pragma once

#include <cstdint>
#include <limits>
#include <string_view>
#include <type_traits>
#include <vector>

// A delimited list of whole numbers ("3,5,7"). The text is trusted to hold
// digits, delimiters and points only; fraction digits are dropped and other
// characters are skipped. Numbers beyond the type saturate rather than wrap,
// so an oversized entry never passes a range check as a small one.
template <typename T>
class CvNumList {
    static_assert(std::is_same_v<T, std::int32_t> || std::is_same_v<T, std::uint32_t>);

public:
    explicit CvNumList(char delimiter = '.') : Delimiter(delimiter) {}

    char Delimiter;
    std::vector<T> Values;

    std::int32_t Count() const { return static_cast<std::int32_t>(Values.size()); }

    void Parse(std::string_view text) {
        Values.clear();
        if (text.empty()) {
            return;
        }
        Values.push_back(0);
        bool inFraction = false;
        for (const char c : text) {
            if (c == Delimiter) {
                Values.push_back(0);
                inFraction = false;
            } else if (c == '.') {
                inFraction = true;
            } else if (c >= '0' && c <= '9' && !inFraction) {
                T& v = Values.back();
                const T d = static_cast<T>(c - '0');
                constexpr T kMax = std::numeric_limits<T>::max();
                v = v > (kMax - d) / 10 ? kMax : static_cast<T>(v * 10 + d);
            }
        }
    }

    std::int32_t IndexOf(T v) const {
        for (std::size_t i = 0; i < Values.size(); ++i) {
            if (Values[i] == v) {
                return static_cast<std::int32_t>(i);
            }
        }
        return -1;
    }

    bool AllBetween(T lo, T hi) const {
        for (const T v : Values) {
            if (v < lo || v > hi) {
                return false;
            }
        }
        return true;
    }
};

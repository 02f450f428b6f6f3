#include "SimOid.h"

#include <algorithm>
#include <charconv>

namespace vsim {

std::optional<Oid> ParseOid(std::string_view text) {
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
    }
    Oid oid;
    while (!text.empty()) {
        const auto dot = text.find('.');
        const std::string_view arc = text.substr(0, dot);
        std::uint32_t value = 0;
        const auto [end, error] = std::from_chars(arc.data(), arc.data() + arc.size(), value);
        if (arc.empty() || error != std::errc() || end != arc.data() + arc.size()) {
            return std::nullopt;
        }
        oid.push_back(value);
        if (dot == std::string_view::npos) {
            break;
        }
        text.remove_prefix(dot + 1);
        if (text.empty()) {
            return std::nullopt;
        }
    }
    if (oid.size() < 2) {
        return std::nullopt;
    }
    return oid;
}

std::string FormatOid(const Oid& oid) {
    std::string text;
    for (const auto arc : oid) {
        if (!text.empty()) {
            text += '.';
        }
        text += std::to_string(arc);
    }
    return text;
}

bool OidLess::operator()(const Oid& a, const Oid& b) const {
    const std::uint32_t* x = a.data();
    const std::uint32_t* y = b.data();
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        if (x[i] != y[i]) {
            return x[i] < y[i];
        }
    }
    return a.size() < b.size();
}

bool IsPrefix(const Oid& prefix, const Oid& oid) {
    return prefix.size() <= oid.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

Oid Join(const Oid& base, std::initializer_list<std::uint32_t> tail) {
    Oid oid = base;
    oid.insert(oid.end(), tail);
    return oid;
}

Oid Join(const Oid& base, const Oid& tail) {
    Oid oid = base;
    oid.insert(oid.end(), tail.begin(), tail.end());
    return oid;
}

}  // namespace vsim

#include "CvOidText.h"

#include "CvCatalogues.h"
#include "CvException.h"
#include "CvTextUtil.h"

namespace {

constexpr std::size_t kMaxSubids = 128;

// Reads the decimal number in `part` when it is one and fits `limit`.
bool ReadNumber(std::string_view part, std::uint64_t limit, std::uint64_t& value) {
    if (part.empty() || part.size() > 10) {
        return false;
    }
    value = 0;
    for (const char c : part) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value <= limit;
}

std::string_view WithoutLeadingDot(std::string_view text) {
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
    }
    return text;
}

// The next sub-identifier of `text` without its leading zeros; `text` moves past it.
std::string_view NextArc(std::string_view& text) {
    const std::size_t dot = text.find('.');
    std::string_view arc = text.substr(0, dot);
    text.remove_prefix(dot == std::string_view::npos ? text.size() : dot + 1);
    while (arc.size() > 1 && arc.front() == '0') {
        arc.remove_prefix(1);
    }
    return arc;
}

}  // namespace

int CompareOidTexts(std::string_view a, std::string_view b) {
    a = WithoutLeadingDot(a);
    b = WithoutLeadingDot(b);
    while (!a.empty() && !b.empty()) {
        const std::string_view x = NextArc(a);
        const std::string_view y = NextArc(b);
        // Digit strings without leading zeros: the longer is the larger.
        if (x.size() != y.size()) {
            return x.size() < y.size() ? -1 : 1;
        }
        if (const int c = x.compare(y); c != 0) {
            return c < 0 ? -1 : 1;
        }
    }
    return a.empty() ? (b.empty() ? 0 : -1) : 1;
}

bool OidTextExtends(std::string_view oid, std::string_view prefix) {
    oid = WithoutLeadingDot(oid);
    prefix = WithoutLeadingDot(prefix);
    if (prefix.empty()) {
        return !oid.empty();
    }
    return oid.size() > prefix.size() + 1 && oid.compare(0, prefix.size(), prefix) == 0 &&
           oid[prefix.size()] == '.';
}

bool ParseOidText(std::string_view text, std::vector<std::uint32_t>& subids) {
    subids.clear();
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return true;
    }
    while (true) {
        const std::size_t dot = text.find('.');
        std::uint64_t v = 0;
        if (!ReadNumber(text.substr(0, dot), 0xFFFFFFFFu, v) || subids.size() == kMaxSubids) {
            subids.clear();
            return false;
        }
        subids.push_back(static_cast<std::uint32_t>(v));
        if (dot == std::string_view::npos) {
            return true;
        }
        text.remove_prefix(dot + 1);
    }
}

std::string OidToText(const std::vector<std::uint32_t>& subids) {
    std::string text;
    text.reserve(subids.size() * 4);
    for (std::size_t i = 0; i < subids.size(); ++i) {
        if (i > 0) {
            text += '.';
        }
        text += std::to_string(subids[i]);
    }
    return text;
}

bool ParseDottedQuad(std::string_view text, std::array<std::uint8_t, 4>& bytes) {
    const std::string trimmed = Trim(text);
    std::string_view rest = trimmed;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t dot = rest.find('.');
        if ((i < 3) == (dot == std::string_view::npos)) {
            return false;
        }
        std::uint64_t v = 0;
        if (!ReadNumber(rest.substr(0, dot), 255, v)) {
            return false;
        }
        bytes[i] = static_cast<std::uint8_t>(v);
        rest.remove_prefix(i < 3 ? dot + 1 : rest.size());
    }
    return true;
}

std::string DottedQuad(std::string_view fourBytes) {
    std::string text;
    for (std::size_t i = 0; i < fourBytes.size(); ++i) {
        if (i > 0) {
            text += '.';
        }
        text += std::to_string(static_cast<unsigned char>(fourBytes[i]));
    }
    return text;
}

std::vector<std::uint32_t> ValueOidSubids(std::string_view text) {
    std::vector<std::uint32_t> subids;
    if (!ParseOidText(Trim(text), subids)) {
        CvRaise(kErrInvalidOid);
    }
    return subids;
}

std::string ValueAddressBytes(std::string_view text) {
    std::array<std::uint8_t, 4> quad{};
    if (!ParseDottedQuad(text, quad)) {
        CvRaise(kErrInvalidAddress);
    }
    return std::string(quad.begin(), quad.end());
}

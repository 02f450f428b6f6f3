#include "CvOptionList.h"

#include <cassert>
#include <charconv>

#include "CvTextUtil.h"

CvOptionList::CvOptionList(const CvIntOptionPair* pairs, std::uint32_t kind, bool caseSensitive)
    : Kind(kind), CaseSensitive(caseSensitive) {
    Append(pairs);
}

CvOptionList::CvOptionList(const CvTextOptionPair* pairs, std::uint32_t kind, bool caseSensitive)
    : Kind(kind), CaseSensitive(caseSensitive) {
    Append(pairs);
}

void CvOptionList::Append(const CvIntOptionPair* pairs) {
    for (; pairs != nullptr && pairs->Label != nullptr; ++pairs) {
        Pairs.push_back({pairs->Value, std::to_string(pairs->Value), pairs->Label});
    }
}

void CvOptionList::Append(const CvTextOptionPair* pairs) {
    for (; pairs != nullptr && pairs->Label != nullptr; ++pairs) {
        Pairs.push_back({0, pairs->Value ? pairs->Value : "", pairs->Label});
    }
}

const CvOptionList::Pair_s& CvOptionList::Pair(std::int32_t i) const {
    assert(i >= 0 && i < Count());
    return Pairs[static_cast<std::size_t>(i)];
}

std::string CvOptionList::ValueText(std::int32_t i) const {
    const Pair_s& p = Pair(i);
    return Kind == kIntegerKind ? std::to_string(p.IntValue) : p.TextValue;
}

bool CvOptionList::Same(std::string_view a, std::string_view b) const {
    return CaseSensitive ? a == b : EqualsNoCase(a, b);
}

bool CvOptionList::IsPrefix(std::string_view prefix, std::string_view text) const {
    return StartsWith(text, prefix, CaseSensitive);
}

std::int32_t CvOptionList::IndexOfLabel(std::string_view text) const {
    for (std::int32_t i = 0; i < Count(); ++i) {
        const std::string& label = Pairs[static_cast<std::size_t>(i)].Label;
        if (Kind == kPrefixKind ? IsPrefix(label, text) : Same(label, text)) {
            return i;
        }
    }
    return -1;
}

std::int32_t CvOptionList::IndexOfValue(std::string_view text) const {
    if (Kind == kIntegerKind) {
        std::int32_t value = 0;
        if (!IsDecimalInteger(text)) {
            return -1;
        }
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec != std::errc() || end != text.data() + text.size()) {
            return -1;  // beyond 32 bits: no pair holds it
        }
        for (std::int32_t i = 0; i < Count(); ++i) {
            if (Pairs[static_cast<std::size_t>(i)].IntValue == value) {
                return i;
            }
        }
        return -1;
    }
    for (std::int32_t i = 0; i < Count(); ++i) {
        const std::string& value = Pairs[static_cast<std::size_t>(i)].TextValue;
        if (Kind == kPrefixKind ? IsPrefix(value, text) : Same(value, text)) {
            return i;
        }
    }
    return -1;
}

std::string CvOptionList::ValueToLabel(std::string_view text) const {
    const std::int32_t i = IndexOfValue(text);
    if (i < 0) {
        return std::string(text);
    }
    const Pair_s& p = Pair(i);
    if (Kind == kPrefixKind) {
        return p.Label + std::string(text.substr(p.TextValue.size()));
    }
    return p.Label;
}

std::string CvOptionList::LabelToValue(std::string_view text) const {
    const std::int32_t i = IndexOfLabel(text);
    if (i < 0) {
        return std::string(text);
    }
    const Pair_s& p = Pair(i);
    if (Kind == kPrefixKind) {
        return p.TextValue + std::string(text.substr(p.Label.size()));
    }
    return ValueText(i);
}

std::int32_t CvOptionList::SelectionIndex(std::string_view text) const {
    const std::int32_t i = IndexOfLabel(text);
    return i >= 0 ? i : IndexOfValue(text);
}

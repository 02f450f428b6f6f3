#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Static pair arrays end with a pair whose Label is null.
struct CvIntOptionPair {
    std::int32_t Value;
    const char* Label;
};
struct CvTextOptionPair {
    const char* Value;
    const char* Label;
};

// An ordered enumeration of (value, label) pairs: shows agent values as
// labels and reads labels back as values.
class CvOptionList {
public:
    // Kind 1: integer values; kind 2: text values matched whole; kind 3: text
    // values matched as a prefix (the rest of the text is carried over).
    static constexpr std::uint32_t kIntegerKind = 1;
    static constexpr std::uint32_t kTextKind = 2;
    static constexpr std::uint32_t kPrefixKind = 3;

    struct Pair_s {
        std::int32_t IntValue = 0;  // kind 1
        std::string TextValue;      // kinds 2 and 3
        std::string Label;
    };

    std::uint32_t Kind;
    bool CaseSensitive;

    CvOptionList(const CvIntOptionPair* pairs, std::uint32_t kind = kIntegerKind,
                 bool caseSensitive = false);
    CvOptionList(const CvTextOptionPair* pairs, std::uint32_t kind = kTextKind,
                 bool caseSensitive = false);

    void Append(const CvIntOptionPair* pairs);
    void Append(const CvTextOptionPair* pairs);
    void Clear() { Pairs.clear(); }

    std::int32_t Count() const { return static_cast<std::int32_t>(Pairs.size()); }
    const Pair_s& Pair(std::int32_t i) const;
    // The value of pair i as text (decimal for kind 1).
    std::string ValueText(std::int32_t i) const;

    std::int32_t IndexOfLabel(std::string_view text) const;
    std::int32_t IndexOfValue(std::string_view text) const;
    std::string ValueToLabel(std::string_view text) const;
    std::string LabelToValue(std::string_view text) const;

    // The entry a combo box or radio group selects for `text`: by label,
    // else by value; -1 selects nothing.
    std::int32_t SelectionIndex(std::string_view text) const;

private:
    bool Same(std::string_view a, std::string_view b) const;
    bool IsPrefix(std::string_view prefix, std::string_view text) const;

    std::vector<Pair_s> Pairs;
};

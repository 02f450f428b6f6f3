#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Dotted decimal object identifiers ("1.3.6.1.2.1.1.1.0"): an optional leading
// ".", sub-identifiers of 0 to 4294967295, at most 128 of them. An empty text
// is an empty identifier. Returns false for anything else.
bool ParseOidText(std::string_view text, std::vector<std::uint32_t>& subids);
std::string OidToText(const std::vector<std::uint32_t>& subids);

// Orders two identifier texts sub-identifier by sub-identifier, numerically
// (so "1.10" follows "1.9", and a prefix precedes what extends it): below,
// equal to or above zero. Texts that are not identifiers compare as their
// characters do.
int CompareOidTexts(std::string_view a, std::string_view b);
// True when `oid` extends `prefix` by at least one sub-identifier: "1.10.1"
// does not extend "1.1".
bool OidTextExtends(std::string_view oid, std::string_view prefix);

// Four decimal numbers of 0 to 255 joined by "."; surrounding blanks allowed.
bool ParseDottedQuad(std::string_view text, std::array<std::uint8_t, 4>& bytes);
std::string DottedQuad(std::string_view fourBytes);

// The sub-identifiers of an identifier given as a value (blanks around it
// allowed); a malformed one raises -417.
std::vector<std::uint32_t> ValueOidSubids(std::string_view text);
// The four bytes of an address given as a value; a malformed one raises -418.
std::string ValueAddressBytes(std::string_view text);

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Text helpers shared by the conversions, the catalogues and the checks.
// Numbers are read and written in the C locale ("." as decimal point),
// whatever locale the GUI installs.

// Replaces every occurrence of `from`, left to right, without rescanning
// inserted text. An empty `from` changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Removes one pair of surrounding double quotes.
std::string Unquote(std::string_view text);

// The non-blank lines of a text file, each cut into pieces of at most 1023
// characters; a blank piece is skipped. A file that cannot be opened yields
// no lines.
std::vector<std::string> ReadLines(const std::string& fileName);

// Leading and trailing blanks (spaces, tabs, line breaks) removed.
std::string Trim(std::string_view text);

bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWith(std::string_view text, std::string_view prefix, bool caseSensitive);

// The number formed by the leading characters: optional blanks, an optional
// sign (signed and real readers only), then digits; 0 when there are none.
// Integers beyond the type saturate; reals beyond the double range read as
// infinity.
std::int64_t ReadLeadingInt64(std::string_view text);
std::uint64_t ReadLeadingUInt64(std::string_view text);
std::int32_t ReadLeadingInt32(std::string_view text);
std::uint32_t ReadLeadingUInt32(std::string_view text);
double ReadLeadingReal(std::string_view text);

// Whole text is an optional "-" followed by decimal digits.
bool IsDecimalInteger(std::string_view text);

// The whole text as a number, blanks around it allowed: an optional "-"
// (where `min` is below 0) and decimal digits. False for anything else and
// for a number outside [min, max].
bool ParseInteger(std::string_view text, std::int64_t min, std::int64_t max, std::int64_t& value);
bool ParseUnsigned(std::string_view text, std::uint64_t max, std::uint64_t& value);
// The whole text as a finite real number ("-1.5", "2e3"), blanks around it allowed.
bool ParseReal(std::string_view text, double& value);

// General format with up to 15 significant digits (printf "%.15g").
std::string RealToText(double value);

// Two upper-case hexadecimal digits per byte, no separators.
std::string BytesToHex(std::string_view bytes);
// Reads hexadecimal text back: blanks (spaces, tabs) ignored, either case, an odd digit
// count makes the first digit a byte by itself. Any other character raises
// -518 (bad value).
std::string HexToBytes(std::string_view text);

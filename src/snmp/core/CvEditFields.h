#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A value shown in a group of edits, one field per edit: bytes in
// hexadecimal (bit and octet strings, opaque, MAC and IPv6 addresses),
// sub-identifiers, the four numbers of an address, time ticks as days, hours,
// minutes, seconds and hundredths, the ten fields of a DateAndTime and the
// seven of a date-time number; any other syntax fills the first edit only.

// The texts of `edits` edits for a value (`bytes` as TextToField gives them,
// `text` its display text). Too few edits raise -522.
std::vector<std::string> EditFieldsOfValue(std::uint32_t syntax, std::string_view bytes,
                                           std::string_view text, std::size_t edits);

// True for the syntaxes whose edits stay as they are for a "(NULL)" value.
bool EditFieldsKeepOnNull(std::uint32_t syntax);

// The field bytes of a value read back from its edits (hexadecimal edits: an
// empty edit counts as "00", one digit gets a leading "0").
std::string FieldOfEditFields(std::uint32_t syntax, const std::vector<std::string>& fields);

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Fields packed into one octet string at byte offsets: fixed-width numbers
// least significant byte first, 16-bit fields most significant byte first,
// strings and object identifiers from their offset to the end.

// The bytes of the field of `syntax` at `offset`; "" for an empty value.
// A value too short for the field raises -519, an unknown syntax -511.
std::string ExtractField(std::string_view bytes, std::int32_t offset, std::uint32_t syntax);

// Field bytes -> display text; "(NULL)" (syntax 76: "") for an empty field.
// A field shorter than its width raises -518.
std::string FieldToText(std::uint32_t syntax, std::string_view bytes);

// Display text -> field bytes; "" for "(NULL)" and for syntax 5. An empty
// text is a zero field (0.0.0.0 for addresses); a number must be a whole
// number of its field's range, or it raises common 8 with the range; other
// texts raise as TextToVb does.
std::string TextToField(std::uint32_t syntax, std::string_view text);

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The check a text passes before it becomes a value on the wire. Every
// conversion of a text to a value runs it, so a typo is refused with its
// message instead of going out as another value ("30x" as 30, "abc" as 0).
// The windows run it on what the user typed and vanta-cli on its arguments.

struct CvValueRefusal {
    int Code = 0;  // 0: the text converts
    std::string Message;
    explicit operator bool() const { return Code != 0; }
};

// Why `text` cannot be written as a value of `syntax`: numbers must be whole
// numbers of their range (common 8 with the range), MAC and IPv6 addresses
// 12 and 32 hexadecimal digits (common 7), IP addresses dotted quads and
// object identifiers dotted numbers (the edit checks' list messages, then
// -418 and -417), octet strings hexadecimal digits (-518), time ticks and
// DateAndTime texts as reads show them. "(NULL)" passes: it sends NULL.
CvValueRefusal RefuseValueText(std::uint32_t syntax, std::string_view text);

// Raises what RefuseValueText finds.
void RequireValueText(std::uint32_t syntax, std::string_view text);

// Whole-text numbers for the conversions: anything else, or a number beyond
// the range, raises common 8 with the range filled in.
std::int64_t IntegerOfText(std::string_view text, std::int64_t min, std::int64_t max);
std::uint64_t UnsignedOfText(std::string_view text, std::uint64_t max);
double RealOfText(std::string_view text);

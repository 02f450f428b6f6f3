#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What an edit control accepts: "%" type [ "{" option* "}" ], e.g.
// "%i{n0x255l3}" (an integer 0 to 255, at most 3 characters).
struct CvFormatSpec {
    static constexpr std::uint16_t kAdvanceWhenFull = 1;  // "a": focus moves on when full
    static constexpr std::uint16_t kExactLength = 2;      // "f": length (list count) must be exact
    static constexpr std::uint16_t kNotEmpty = 4;         // "n": an empty value is refused

    char Type = 's';     // "i", "u", "f", "h", "s" or "n" (number list)
    char Delimiter = 0;  // list delimiter of type "n"
    double Min = 0;
    double Max = 0;
    std::int32_t MaxLength = 0;  // 0 = unlimited; for "n" lists the maximum count
    std::uint16_t Flags = 0;
    std::int32_t Width = 0;  // control width in pixels, applied when above 0
    char AdvanceChar = 0;    // 0 = none
};

// Parses one edit format ("%i{n0x255l3}"); a malformed one raises -2.
CvFormatSpec ParseFormatSpec(std::string_view format);

// The edit formats of a format text for a group of controls: the k-th runs from the
// k-th "%" to just before the next one. Text before the first "%" belongs to
// no control.
std::vector<std::string> SplitFormatSpecs(std::string_view format);

// The number of "%" followed by one of the type letters "shiufn".
int CountFormatControls(std::string_view format);

// The position of the first character an edit of this format refuses while
// typing, or npos. Every character the types other than "s" take is ASCII, so
// in UTF-8 text the byte position is also the character position.
std::size_t FirstRefusedChar(const CvFormatSpec& format, std::string_view text);

// The common-catalogue message that refuses a UTF-8 text when leaving an edit
// of this format ("" when the edit takes it): an empty text where "n" is
// given, refused characters, a number without digits or out of range, a
// length or a count of numbers out of bounds.
std::string FormatRefusal(const CvFormatSpec& format, std::string_view text);

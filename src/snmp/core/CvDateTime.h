#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// SNMPv2-TC DateAndTime (11 bytes on the wire, year most significant byte
// first). Text form "2006-5-17,13:30:15.0", with ",+2:0" when an offset from
// UTC is set.
struct CvDateTime {
    std::uint16_t Year = 0;
    std::uint8_t Month = 0;
    std::uint8_t Day = 0;
    std::uint8_t Hour = 0;
    std::uint8_t Minutes = 0;
    std::uint8_t Seconds = 0;
    std::uint8_t DeciSeconds = 0;
    char Direction = '+';
    std::uint8_t UtcHours = 0;
    std::uint8_t UtcMinutes = 0;

    static constexpr std::size_t kWireSize = 11;

    // Reads the wire bytes; the 8-byte form without UTC offset is accepted,
    // missing bytes read as 0.
    static CvDateTime FromBytes(std::string_view bytes);
    // Parses the text form, blanks around it allowed. A text of another form,
    // or a number wider than its field, raises -518.
    static CvDateTime FromText(std::string_view text);

    std::string ToBytes() const;
    std::string ToText() const;
};

#pragma once

#include <cstdint>
#include <vector>

// An LED colour as 0x00RRGGBB; -1 stands for no colour at all.
using CvLedColour = std::int32_t;
constexpr CvLedColour kNoLedColour = -1;

// Static pair arrays end with a pair whose Colour is -1.
struct CvLedColourPair {
    std::int32_t Key;  // compared as a byte
    CvLedColour Colour;
};

// The colours of one kind of LED: a state byte, masked, selects a colour;
// other bits of it make the LED blink.
class CvSNMPLedColorMapList {
public:
    std::uint8_t ColourMask;
    std::uint8_t BlinkMask;
    CvLedColour OffColour;     // a reset LED, and the dark phase of blinking
    CvLedColour AbsentColour;  // the value holds no data for the LED; -1: that is an error

    CvSNMPLedColorMapList(const CvLedColourPair* pairs, std::uint8_t colourMask,
                          std::uint8_t blinkMask, CvLedColour offColour, CvLedColour absentColour);

    std::int32_t Count() const { return static_cast<std::int32_t>(Pairs.size()); }
    const CvLedColourPair& Pair(std::int32_t i) const;
    // The colour of the first pair whose key byte equals `key`; black when none.
    CvLedColour Lookup(std::uint8_t key) const;

private:
    std::vector<CvLedColourPair> Pairs;
};

// The power, console and RPS LEDs of the front panel.
const CvSNMPLedColorMapList& SystemLedColours();
// The port LEDs of the front panel.
const CvSNMPLedColorMapList& PortLedColours();

#include "CvSNMPLedColorMapList.h"

#include <cassert>

namespace {

constexpr CvLedColour kBlack = 0x000000;
constexpr CvLedColour kWhite = 0xFFFFFF;
constexpr CvLedColour kGreen = 0x00FF00;
constexpr CvLedColour kBlue = 0x0000FF;
constexpr CvLedColour kRed = 0xFF0000;
constexpr CvLedColour kOrange = 0xFF8040;

constexpr std::uint8_t kStateColourBits = 0x07;
constexpr std::uint8_t kStateActivityBit = 0x80;

constexpr CvLedColourPair kSystemPairs[] = {
    {0, kWhite}, {1, kWhite}, {2, kGreen}, {3, kGreen}, {4, kBlue}, {5, kRed}, {0, kNoLedColour},
};

constexpr CvLedColourPair kPortPairs[] = {
    {0, kBlack}, {1, kOrange}, {2, kOrange}, {3, kGreen}, {4, kGreen}, {5, kRed}, {0, kNoLedColour},
};

}  // namespace

CvSNMPLedColorMapList::CvSNMPLedColorMapList(const CvLedColourPair* pairs, std::uint8_t colourMask,
                                             std::uint8_t blinkMask, CvLedColour offColour,
                                             CvLedColour absentColour)
    : ColourMask(colourMask),
      BlinkMask(blinkMask),
      OffColour(offColour),
      AbsentColour(absentColour) {
    for (const CvLedColourPair* p = pairs; p != nullptr && p->Colour != kNoLedColour; ++p) {
        Pairs.push_back(*p);
    }
}

const CvLedColourPair& CvSNMPLedColorMapList::Pair(std::int32_t i) const {
    assert(i >= 0 && i < Count());
    return Pairs[static_cast<std::size_t>(i)];
}

CvLedColour CvSNMPLedColorMapList::Lookup(std::uint8_t key) const {
    for (const CvLedColourPair& pair : Pairs) {
        if (static_cast<std::uint8_t>(pair.Key) == key) {
            return pair.Colour;
        }
    }
    return kBlack;
}

const CvSNMPLedColorMapList& SystemLedColours() {
    static const CvSNMPLedColorMapList map(kSystemPairs, kStateColourBits, kStateActivityBit,
                                           kBlack, kWhite);
    return map;
}

const CvSNMPLedColorMapList& PortLedColours() {
    static const CvSNMPLedColorMapList map(kPortPairs, kStateColourBits, kStateActivityBit, kBlack,
                                           kBlack);
    return map;
}

#include "CvPortBits.h"

#include <cassert>

#include "CvCatalogues.h"
#include "CvException.h"

bool PortBit(std::string_view bitmap, int n) {
    if (n < 0 || static_cast<std::size_t>(n / 8) >= bitmap.size()) {
        CvRaise(kErrPartialOutOfRange);
    }
    const auto byte = static_cast<unsigned char>(bitmap[static_cast<std::size_t>(n / 8)]);
    return (byte >> (7 - n % 8) & 1) != 0;
}

std::string BuildPortBitmap(const std::vector<int>& positions, const std::vector<bool>& states) {
    assert(positions.size() == states.size());
    int highest = -1;
    for (const int p : positions) {
        if (p < 0) {
            CvRaise(kErrPartialOutOfRange);
        }
        highest = p > highest ? p : highest;
    }
    std::string bitmap(highest < 0 ? 0 : static_cast<std::size_t>(highest / 8 + 1), '\0');
    for (std::size_t k = 0; k < positions.size(); ++k) {
        if (states[k]) {
            const int n = positions[k];
            bitmap[static_cast<std::size_t>(n / 8)] |= static_cast<char>(0x80 >> (n % 8));
        }
    }
    return bitmap;
}

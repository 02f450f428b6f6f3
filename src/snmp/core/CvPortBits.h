#pragma once

#include <string>
#include <string_view>
#include <vector>

// Port-list bitmaps: bit n is bit (7 - n mod 8) of byte n div 8, so bit 0 is
// the most significant bit of the first byte.

// Bit n of a bitmap; a bit beyond the bytes raises -519.
bool PortBit(std::string_view bitmap, int n);

// The bitmap of a group of bound bit positions and their states. It is as long
// as the byte of the highest bound position and only set positions are 1.
std::string BuildPortBitmap(const std::vector<int>& positions, const std::vector<bool>& states);

// Stack unit u (from 1), port p (from 1): bit (u - 1) * 64 + p - 1.
inline int StackPortBit(int unit, int port) {
    return (unit - 1) * 64 + port - 1;
}

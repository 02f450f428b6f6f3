#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A byte count and an owned byte buffer; port bitmaps of the trunking and
// mirroring dialogs live in it.
class CvBinaryString {
public:
    CvBinaryString() = default;
    explicit CvBinaryString(std::string_view bytes) : FBytes(bytes) {}

    std::int32_t Count() const { return static_cast<std::int32_t>(FBytes.size()); }
    const std::string& Bytes() const { return FBytes; }
    void Assign(std::string_view bytes) { FBytes.assign(bytes); }
    void Clear() { FBytes.clear(); }

private:
    std::string FBytes;
};

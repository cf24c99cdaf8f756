#include "picture_header.h"

#include <cstring>

namespace {
const int kLargest = 16384;

uint32_t BigEndian32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}
int32_t LittleEndian32(const uint8_t* p) {
    return static_cast<int32_t>(uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) |
                                (uint32_t{p[3]} << 24));
}
bool Acceptable(long long width, long long height) {
    return width >= 1 && height >= 1 && width <= kLargest && height <= kLargest;
}
} // namespace

bool ReadPictureHeader(const uint8_t* bytes, size_t size, PictureSize& out) {
    static const uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (size >= 24 && std::memcmp(bytes, kPngSignature, 8) == 0) {
        // The first chunk is IHDR of 13 bytes: width and height, big-endian.
        if (BigEndian32(bytes + 8) != 13 || std::memcmp(bytes + 12, "IHDR", 4) != 0) return false;
        long long width = BigEndian32(bytes + 16), height = BigEndian32(bytes + 20);
        if (!Acceptable(width, height)) return false;
        out = {static_cast<int>(width), static_cast<int>(height)};
        return true;
    }
    if (size >= 26 && bytes[0] == 'B' && bytes[1] == 'M') {
        const uint32_t infoSize = static_cast<uint32_t>(LittleEndian32(bytes + 14));
        long long width = 0, height = 0;
        if (infoSize == 12) { // the old core header: 16-bit sizes
            width = bytes[18] | (bytes[19] << 8);
            height = bytes[20] | (bytes[21] << 8);
        } else if (infoSize >= 40) {
            width = LittleEndian32(bytes + 18);
            height = LittleEndian32(bytes + 22);
            if (height < 0) height = -height; // top-down rows
        } else {
            return false;
        }
        if (!Acceptable(width, height)) return false;
        out = {static_cast<int>(width), static_cast<int>(height)};
        return true;
    }
    return false;
}

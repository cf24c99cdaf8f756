// The size a picture file states in its header, read before anything is decoded.
#include "picture_header.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

std::vector<uint8_t> Png(uint32_t width, uint32_t height, const char* chunk = "IHDR",
                         uint32_t length = 13) {
    std::vector<uint8_t> b = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    auto be = [&](uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8) b.push_back(static_cast<uint8_t>(v >> shift));
    };
    be(length);
    b.insert(b.end(), chunk, chunk + 4);
    be(width);
    be(height);
    b.resize(33, 0);
    return b;
}

std::vector<uint8_t> Bmp(uint32_t infoSize, int32_t width, int32_t height) {
    std::vector<uint8_t> b(54, 0);
    b[0] = 'B';
    b[1] = 'M';
    auto le = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    le(14, infoSize);
    if (infoSize == 12) {
        b[18] = static_cast<uint8_t>(width);
        b[19] = static_cast<uint8_t>(width >> 8);
        b[20] = static_cast<uint8_t>(height);
        b[21] = static_cast<uint8_t>(height >> 8);
    } else {
        le(18, static_cast<uint32_t>(width));
        le(22, static_cast<uint32_t>(height));
    }
    return b;
}

} // namespace

TEST(PictureHeader, SizesOfPngAndBmpAndRefusals) {
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        bool ok;
        int width, height;
    };
    std::vector<uint8_t> text = {'[', 'M', 'a', 'i', 'n', ']', '\r', '\n'};
    text.resize(40, ' ');
    const Case cases[] = {
        {"png", Png(819, 513), true, 819, 513},
        {"png at the largest size", Png(16384, 1), true, 16384, 1},
        {"png too wide", Png(16385, 10), false, 0, 0},
        {"png without width", Png(0, 10), false, 0, 0},
        {"png whose first chunk is not IHDR", Png(10, 10, "IDAT"), false, 0, 0},
        {"png with a wrong IHDR length", Png(10, 10, "IHDR", 12), false, 0, 0},
        {"bmp bottom-up", Bmp(40, 32, 16), true, 32, 16},
        {"bmp top-down", Bmp(40, 32, -16), true, 32, 16},
        {"bmp core header", Bmp(12, 300, 2), true, 300, 2},
        {"bmp unknown header", Bmp(20, 32, 16), false, 0, 0},
        {"bmp negative width", Bmp(40, -32, 16), false, 0, 0},
        {"text", text, false, 0, 0},
    };
    for (const Case& c : cases) {
        PictureSize size;
        EXPECT_EQ(ReadPictureHeader(c.bytes.data(), c.bytes.size(), size), c.ok) << c.name;
        if (c.ok) {
            EXPECT_EQ(size.width, c.width) << c.name;
            EXPECT_EQ(size.height, c.height) << c.name;
        }
    }
    // Cut short: fewer bytes than the size needs.
    std::vector<uint8_t> png = Png(10, 10);
    PictureSize size;
    EXPECT_FALSE(ReadPictureHeader(png.data(), 23, size));
    EXPECT_TRUE(ReadPictureHeader(png.data(), 24, size));
    std::vector<uint8_t> bmp = Bmp(40, 10, 10);
    EXPECT_FALSE(ReadPictureHeader(bmp.data(), 25, size));
}

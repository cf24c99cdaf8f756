#include "ui/region_block.h"

#include "region_data.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void Put32(Bytes& data, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        data[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A block of `count` rectangles whose header says `headerCount` and the window size.
Bytes Block(uint32_t count, uint32_t headerCount, uint32_t right, uint32_t bottom) {
    Bytes data(kRegionHeaderSize + count * 16, 0);
    Put32(data, 0, 32);
    Put32(data, 4, 1);
    Put32(data, 8, headerCount);
    Put32(data, 12, headerCount * 16);
    Put32(data, 24, right);
    Put32(data, 28, bottom);
    for (uint32_t i = 0; i < count; ++i) {
        Put32(data, 32 + i * 16 + 8, right);
        Put32(data, 32 + i * 16 + 4, i);
        Put32(data, 32 + i * 16 + 12, i + 1);
    }
    return data;
}

} // namespace

// The region maker's own output is what the panel accepts, with the picture's size.
TEST(RegionBlock, AcceptsTheMakersOutlineWithItsSize) {
    AlphaMap map;
    map.width = 40;
    map.height = 30;
    map.alpha.assign(40 * 30, 255);
    map.alpha[0] = 0; // a cut corner
    const Bytes data = MakeRegionData(map);
    int width = 0, height = 0;
    ASSERT_EQ(RegionBlockOk, CheckRegionBlock(data.data(), data.size(), width, height));
    EXPECT_EQ(40, width);
    EXPECT_EQ(30, height);
}

TEST(RegionBlock, RejectsBlocksThatDoNotDescribeTheirRectangles) {
    Bytes badSize = Block(2, 2, 100, 80);
    Put32(badSize, 0, 28);
    Bytes badType = Block(2, 2, 100, 80);
    Put32(badType, 4, 2);
    Bytes headerCut = Block(1, 1, 100, 80);
    headerCut.resize(31);
    Bytes cut = Block(3, 3, 100, 80);
    cut.resize(cut.size() - 1);
    const struct {
        const char* name;
        Bytes data;
        int result;
    } cases[] = {
        {"empty file", Bytes(), RegionBlockShort},
        {"header cut", headerCut, RegionBlockShort},
        {"header size not 32", badSize, RegionBlockBadHeader},
        {"not rectangles", badType, RegionBlockBadHeader},
        {"no rectangles", Block(0, 0, 100, 80), RegionBlockNoRectangles},
        {"last rectangle cut", cut, RegionBlockTruncated},
        {"count beyond the file", Block(2, 3, 100, 80), RegionBlockTruncated},
        // A count whose byte size wraps around 32 bits must not pass as small.
        {"count that wraps", Block(2, 0x10000001, 100, 80), RegionBlockTruncated},
        {"zero width", Block(1, 1, 0, 80), RegionBlockBadSize},
        {"negative height", Block(1, 1, 100, 0xFFFFFFF0), RegionBlockBadSize},
        {"huge width", Block(1, 1, 40000, 80), RegionBlockBadSize},
    };
    for (const auto& c : cases) {
        int width = -7, height = -7;
        EXPECT_EQ(c.result, CheckRegionBlock(c.data.data(), c.data.size(), width, height))
            << c.name;
        EXPECT_EQ(-7, width) << c.name;
        EXPECT_EQ(-7, height) << c.name;
    }
    // More bytes than the rectangles need are harmless.
    Bytes longer = Block(2, 1, 100, 80);
    int width = 0, height = 0;
    EXPECT_EQ(RegionBlockOk, CheckRegionBlock(longer.data(), longer.size(), width, height));
}

#include "region_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int32_t Int32At(const std::vector<uint8_t>& data, size_t offset) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | data[offset + i];
    return static_cast<int32_t>(value);
}

// A picture drawn with '#' (opaque), '+' (half transparent, below the threshold) and '.'.
AlphaMap Picture(const std::vector<std::string>& rows) {
    AlphaMap map;
    map.height = static_cast<int>(rows.size());
    map.width = static_cast<int>(rows[0].size());
    for (const std::string& row : rows)
        for (char c : row)
            map.alpha.push_back(c == '#' ? 255 : c == '+' ? 100 : 0);
    return map;
}

std::string Pgm(const AlphaMap& map, const std::string& header) {
    std::string bytes = header;
    bytes.append(map.alpha.begin(), map.alpha.end());
    return bytes;
}

} // namespace

// Rounded corners, a hole and a separate island: the rectangles paint exactly the opaque pixels.
TEST(RegionData, RectanglesCoverExactlyTheOpaquePixels) {
    const AlphaMap map = Picture({
        "..+######+..",
        ".##########.",
        "############",
        "####....####",
        "####....####",
        "############",
        ".##########.",
        "...........#",
    });
    const std::vector<uint8_t> data = MakeRegionData(map);
    ASSERT_GE(data.size(), 32u);
    const int32_t count = Int32At(data, 8);
    EXPECT_EQ(Int32At(data, 0), 32);
    EXPECT_EQ(Int32At(data, 4), 1);
    EXPECT_EQ(Int32At(data, 12), count * 16);
    ASSERT_EQ(data.size(), 32u + static_cast<size_t>(count) * 16);
    // The panel takes the window size from the bounding box's right and bottom.
    EXPECT_EQ(Int32At(data, 16), 0);
    EXPECT_EQ(Int32At(data, 20), 0);
    EXPECT_EQ(Int32At(data, 24), 12);
    EXPECT_EQ(Int32At(data, 28), 8);

    std::vector<int> painted(map.alpha.size(), 0);
    int previousTop = -1;
    for (int32_t i = 0; i < count; ++i) {
        const size_t at = 32 + static_cast<size_t>(i) * 16;
        const int left = Int32At(data, at), top = Int32At(data, at + 4);
        const int right = Int32At(data, at + 8), bottom = Int32At(data, at + 12);
        ASSERT_LT(left, right);
        ASSERT_LT(top, bottom);
        EXPECT_GE(top, previousTop) << "bands run from top to bottom";
        previousTop = top;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                ++painted[static_cast<size_t>(y) * map.width + x];
    }
    for (size_t i = 0; i < painted.size(); ++i)
        EXPECT_EQ(painted[i], map.alpha[i] >= 128 ? 1 : 0)
            << "pixel " << i % map.width << "," << i / map.width;
    // Rows with the same runs share one band: rows 3 and 4 give two rectangles, not four.
    int rowsThreeAndFour = 0;
    for (int32_t i = 0; i < count; ++i)
        if (Int32At(data, 32 + static_cast<size_t>(i) * 16 + 4) == 3) ++rowsThreeAndFour;
    EXPECT_EQ(rowsThreeAndFour, 2);
}

TEST(RegionData, FullyTransparentPictureGivesAnEmptyRegion) {
    const std::vector<uint8_t> data = MakeRegionData(Picture({"....", "...."}));
    ASSERT_EQ(data.size(), 32u);
    EXPECT_EQ(Int32At(data, 8), 0);
    EXPECT_EQ(Int32At(data, 24), 0);
    EXPECT_EQ(Int32At(data, 28), 0);
}

TEST(RegionData, ReadsTheGreyMapsThatTheRendererWrites) {
    const AlphaMap picture = Picture({"#.#", ".#."});
    struct Case {
        std::string bytes;
        int result;
    };
    const Case cases[] = {
        {Pgm(picture, "P5\n3 2\n255\n"), kPgmOk},
        {Pgm(picture, "P5\n# written by convert\n3 2\n255\n"), kPgmOk},
        {Pgm(picture, "P5 3 2 255\n").substr(0, 14), kPgmTruncated},
        {Pgm(picture, "P6\n3 2\n255\n"), kPgmBadHeader},
        {Pgm(picture, "P5\n3\n"), kPgmBadHeader},
        {Pgm(picture, "P5\n3 2\n65535\n"), kPgmBadHeader},
        {"", kPgmBadHeader},
    };
    for (const Case& c : cases) {
        AlphaMap map;
        EXPECT_EQ(ParsePgm(c.bytes, map), c.result) << c.bytes.substr(0, 12);
        if (c.result == kPgmOk) {
            EXPECT_EQ(map.width, 3);
            EXPECT_EQ(map.height, 2);
            EXPECT_EQ(map.alpha, picture.alpha);
        } else {
            EXPECT_TRUE(map.alpha.empty());
        }
    }
    // A map with 15 levels counts its top level as fully opaque.
    AlphaMap coarse;
    ASSERT_EQ(ParsePgm(std::string("P5 2 1 15\n") + char(15) + char(7), coarse), kPgmOk);
    EXPECT_EQ(coarse.alpha, (std::vector<uint8_t>{255, 119}));
}

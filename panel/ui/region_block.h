#pragma once
// The byte image of a window region (the platform's region data block with its 32-byte header),
// checked before the platform is handed a block that could make it read past the end.
#include <cstddef>
#include <cstdint>

const size_t kRegionHeaderSize = 32;
// Larger windows are no skin's; a bigger value is a broken file.
const int kRegionMaxExtent = 32767;

enum RegionBlockResult {
    RegionBlockOk = 0,
    RegionBlockShort = 1,     // fewer bytes than the header
    RegionBlockBadHeader = 2, // header size not 32 or type not 1 (rectangles)
    RegionBlockNoRectangles = 3,
    RegionBlockTruncated = 4, // the rectangles the header counts are not all there
    RegionBlockBadSize = 5,   // right or bottom of the bounding rectangle not a sane size
};

// Checks a block; on success gives the window size (the 32-bit values at offsets 24 and 28).
int CheckRegionBlock(const uint8_t* data, size_t size, int& width, int& height);

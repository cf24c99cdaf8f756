#include "ui/region_block.h"

namespace {
uint32_t Uint32At(const uint8_t* data, size_t offset) {
    return static_cast<uint32_t>(data[offset]) | static_cast<uint32_t>(data[offset + 1]) << 8 |
           static_cast<uint32_t>(data[offset + 2]) << 16 |
           static_cast<uint32_t>(data[offset + 3]) << 24;
}
bool SaneExtent(uint32_t value) {
    return value >= 1 && value <= static_cast<uint32_t>(kRegionMaxExtent);
}
} // namespace

int CheckRegionBlock(const uint8_t* data, size_t size, int& width, int& height) {
    if (!data || size < kRegionHeaderSize) return RegionBlockShort;
    if (Uint32At(data, 0) != kRegionHeaderSize || Uint32At(data, 4) != 1)
        return RegionBlockBadHeader;
    const uint64_t count = Uint32At(data, 8);
    // An empty outline would leave nothing of the window to see or to click.
    if (count == 0) return RegionBlockNoRectangles;
    if (count * 16 > size - kRegionHeaderSize) return RegionBlockTruncated;
    const uint32_t right = Uint32At(data, 24);
    const uint32_t bottom = Uint32At(data, 28);
    if (!SaneExtent(right) || !SaneExtent(bottom)) return RegionBlockBadSize;
    width = static_cast<int>(right);
    height = static_cast<int>(bottom);
    return RegionBlockOk;
}

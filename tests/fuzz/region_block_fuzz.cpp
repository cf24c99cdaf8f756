// Feeds arbitrary bytes to the region file check. A block it accepts is walked rectangle by
// rectangle as the platform would read it (AddressSanitizer stops a read past the end).
#include "fuzz_text.h"
#include "ui/region_block.h"

#include <vector>

namespace {
volatile uint8_t g_sink;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of exactly the input's size, so that any read past the block is seen.
    const std::vector<uint8_t> block(data, data + size);
    int width = -1, height = -1;
    const int result =
        CheckRegionBlock(block.empty() ? nullptr : block.data(), block.size(), width, height);
    Require(result >= RegionBlockOk && result <= RegionBlockBadSize);
    if (result != RegionBlockOk) {
        Require(width == -1 && height == -1);
        return 0;
    }
    Require(size >= kRegionHeaderSize);
    Require(width >= 1 && width <= kRegionMaxExtent && height >= 1 && height <= kRegionMaxExtent);
    const uint32_t count = static_cast<uint32_t>(block[8]) | block[9] << 8 | block[10] << 16 |
                           static_cast<uint32_t>(block[11]) << 24;
    Require(count > 0);
    for (uint32_t r = 0; r < count; ++r)
        for (size_t b = 0; b < 16; ++b)
            g_sink = block[kRegionHeaderSize + r * 16 + b];
    return 0;
}

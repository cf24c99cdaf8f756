#pragma once
// The window outline of a skin: the opaque pixels of the main picture as the byte image of a
// Windows region data block (RGNDATA), which the panel hands unchanged to the region API.
#include <cstdint>
#include <string>
#include <vector>

struct AlphaMap {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> alpha; // row by row, width * height values
};

enum PgmResult { kPgmOk = 0, kPgmBadHeader = 1, kPgmTruncated = 2 };

// Reads a binary grey map ("P5", at most 255 levels), as "convert x.png -alpha extract pgm:-"
// writes the alpha channel of a picture.
int ParsePgm(const std::string& bytes, AlphaMap& map);

// A 32-byte header (size 32, type 1, rectangle count, rectangle bytes, bounding box) and then
// the rectangles, 16 bytes each, all little-endian; the rectangles form y-x bands as the
// platform's own region data does. Pixels whose alpha reaches the threshold are inside.
std::vector<uint8_t> MakeRegionData(const AlphaMap& map, uint8_t threshold = 128);

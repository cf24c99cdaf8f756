#pragma once
// The size a PNG or BMP file states in its header, read without decoding the picture.
#include <cstddef>
#include <cstdint>

struct PictureSize {
    int width = 0;
    int height = 0;
};

// The first bytes of a file (at least 26 for a PNG, 26 for a BMP). False when they are
// neither, or the size is not between 1 and 16384 each way.
bool ReadPictureHeader(const uint8_t* bytes, size_t size, PictureSize& out);

#pragma once
// Every key of the skin layout file, in the order the panel reads them, with what its value holds.
#include <cstddef>

enum class SkinKeyKind {
    Image,  // picture, left, top, width, height [, page]
    Slider, // top, range of a slider's travel
    Length, // length of the microphone level bar
    Centre, // x, y, radius of the virtual speaker circle
    Flag,   // a number that is not a position
    Shape,  // left, top, width, height, shape code of a colour swatch
    Unused, // read by the panel and without effect
};

struct SkinKey {
    const char* section;
    const char* name;
    SkinKeyKind kind;
};

extern const SkinKey kSkinKeys[];
extern const size_t kSkinKeyCount;

#pragma once
// Every key of a skin's layout file, in the order the panel reads them, with what its value
// holds. The panel's loader and the build's skin maker both read this one table.
#include <string>
#include <vector>

enum class SkinKeyKind {
    Image,   // picture, left, top, width, height [, page]
    Slider,  // top, range of a slider's travel
    Length,  // length of the microphone level bar
    Centre,  // x, y, radius of the virtual speaker circle
    Bevel,   // a flag that shows a row of separators
    Led,     // a number of the lighting page
    Shape,   // left, top, width, height, shape code of a colour swatch
    Ignored, // read by older panels, without effect
};

struct SkinKey {
    const wchar_t* section;
    const wchar_t* name;
    SkinKeyKind kind;
    int defaultPage; // the section's page; 0 for Main, About and the six bar-down keys
};

// The 232 keys in the order they are read, and the panel's own four (the 3D page's tab
// pictures and its thumbs' track, the bee of the virtual 7.1 demonstration).
const std::vector<SkinKey>& SkinKeys();
// The index of a key in SkinKeys(), or -1. Sections matter: "LogoImage" is in Main and About.
int SkinKeyIndex(const std::wstring& section, const std::wstring& name);

#pragma once
// A skin's layout file: one item per image key (picture, geometry, page), the slider and
// speaker-circle geometry, the bevel switches, the lighting page's settings and swatches.
// Platform-neutral: the values come through a ProfileReader.
#include "ui/profile_reader.h"
#include "ui/skin_keys.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct SkinItem {
    std::wstring ImageFile; // empty: the control has no picture and is hidden
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Page = 0;
    bool HasLeft = false;
    bool HasTop = false;
    bool HasWidth = false;
    bool HasHeight = false;
};

struct SkinGeometry {
    int EqSliderTop = 0;
    int EqSliderRange = 0;
    int D3BarRange = 0;
    // The 3D thumbs' own track ("D3Slider" of [3D]: top, range); without it they travel
    // between the fixed rows 105 and 225 and take the equaliser's range as their scale.
    bool HasD3Slider = false;
    int D3SliderTop = 0;
    int D3SliderRange = 0;
    int MicSliderTop = 0;
    int MicSliderRange = 0;
    int EncSliderTop = 0;
    int EncSliderRange = 0;
    int MicProgressLength = 0;
    int VirtualCenterX = 0;
    int VirtualCenterY = 0;
    int VirtualRadius = 0;
    int PreviousVirtualRadius = 0;
    bool BevelLine = false;  // Bevel2 to Bevel4 visible
    bool BevelLine2 = false; // Bevel5 to Bevel7 visible
    int LEDPageMode = 0;
    int LEDFastRightSide = 0;
};

// Shape codes of the swatch keys.
enum SwatchShape {
    SwatchCircle = 1,
    SwatchEllipse = 2,
    SwatchRectangle = 3,
    SwatchRoundRect = 4,
    SwatchRoundSquare = 5,
    SwatchSquare = 6
};

struct SwatchSetting {
    bool hasGeometry = false; // left, top, width and height given (the first field not empty)
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int shape = SwatchCircle; // any code outside 1 to 6 reads as a circle
    uint32_t color = 0;       // the palette colour, 0x00BBGGRR
};

// Color01Shape to Color07Shape, ColorSingleShape, ColorBreatheShape.
const int kSwatchCount = 9;
extern const wchar_t* const kSwatchKeys[kSwatchCount];

struct SkinSettings {
    std::vector<SkinItem> items; // parallel to SkinKeys(); empty items where nothing was read
    SkinGeometry geometry;
    std::array<SwatchSetting, kSwatchCount> swatches;

    // The item of a key (an empty one for unknown keys).
    const SkinItem& Item(const std::wstring& section, const std::wstring& name) const;
};

enum SkinLoadResult {
    SkinLoaded = 0,
    // A geometry key holds something that is not a number, or a number of any key (image,
    // geometry, swatch) lies outside what a window can hold: nothing changed.
    SkinBadGeometry = 1,
    SkinFileMissing = 2, // the layout file does not exist (reported by the platform side)
};

// Reads every key from the layout file (the LED keys and swatches from the base file) into
// settings, which keeps its geometry values where a key is absent, as the skin rules say.
// On a failure settings is left exactly as it was.
int LoadSkinSettings(const ProfileReader& layout, const ProfileReader& base, bool oldVersion,
                     SkinSettings& settings);

// The nine swatches from the base file alone (the LED page re-reads them when it is applied):
// each colour reset to the palette; geometry and shape where the key gives them, else kept.
void LoadSwatches(const ProfileReader& base, std::array<SwatchSetting, kSwatchCount>& swatches);

// "1920x1080\", "1366x768\", "960x540\" or empty, by the screen's area (strict comparisons).
std::wstring ResolutionFolderFor(int screenWidth, int screenHeight);

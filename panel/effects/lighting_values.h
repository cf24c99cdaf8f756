#pragma once
// The lighting's state and arithmetic: the settings the main window keeps (some of them read by
// the lighting worker thread, hence atomic), the speed thumbs' travel and speeds, and the
// [LED] keys of profile files. Platform-neutral.
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// Mode codes the device takes.
const int kLedModeOff = 1;
const int kLedModeSingle = 2;
const int kLedModeBreathe = 4;

// Animated effects: 1 breathe, 2 rainbow, 3 multi-breathe ("Pulsating"); 0 none.
const int kLedEffectCount = 3;
// The device's mode code of an effect (4, 5, 6), 0 for none.
int DeviceModeOfEffect(int effect);
// The effect of a mode code, 0 for off, single colour and unknown codes.
int EffectOfDeviceMode(int mode);

// The swatches' tags: the palette 151 to 157, then the breathe and single-colour swatches.
const int kPaletteSwatchTag = 151;
const int kBreatheSwatchTag = 183;
const int kSingleSwatchTag = 184;
const int kPaletteSize = 7;
// 1 to 7 for a palette swatch's tag, else 0.
int PaletteIndexOfSwatch(int tag);

// The palette before any skin or profile sets it, 0x00BBGGRR: red, cyan, yellow, white, green,
// blue, magenta, then the single-colour and breathe colours (both red).
extern const uint32_t kLedDefaultColours[kPaletteSize + 2];
// The outline of the chosen swatch: red 166, green 202, blue 240.
const uint32_t kSwatchHighlight = 15780518;

inline uint8_t RedOf(uint32_t colour) {
    return static_cast<uint8_t>(colour & 0xFF);
}
inline uint8_t GreenOf(uint32_t colour) {
    return static_cast<uint8_t>((colour >> 8) & 0xFF);
}
inline uint8_t BlueOf(uint32_t colour) {
    return static_cast<uint8_t>((colour >> 16) & 0xFF);
}

// The main window's lighting settings. The window thread writes them; the worker thread reads
// the palette, the speeds, the mode last sent and the call arguments, and clears the pending
// flag and the colour count.
struct LightingState {
    std::atomic<int32_t> LEDPageMode{0};
    std::atomic<int32_t> LEDOff{0};
    std::atomic<int32_t> LEDSingleColor{0};
    std::atomic<int32_t> LEDEffectMode{0};
    std::atomic<int32_t> Speed[kLedEffectCount] = {1, 1, 1};     // breathe, rainbow, multi-breathe
    std::atomic<int32_t> SliderPos[kLedEffectCount] = {0, 0, 0}; // the thumbs' left pixels
    std::atomic<int32_t> LEDSingleColorRGB{static_cast<int32_t>(kLedDefaultColours[7])};
    std::atomic<int32_t> LEDBreatheColorRGB{static_cast<int32_t>(kLedDefaultColours[8])};
    std::atomic<int32_t> LEDColorRGB[kPaletteSize] = {
        static_cast<int32_t>(kLedDefaultColours[0]), static_cast<int32_t>(kLedDefaultColours[1]),
        static_cast<int32_t>(kLedDefaultColours[2]), static_cast<int32_t>(kLedDefaultColours[3]),
        static_cast<int32_t>(kLedDefaultColours[4]), static_cast<int32_t>(kLedDefaultColours[5]),
        static_cast<int32_t>(kLedDefaultColours[6])};
    std::atomic<int32_t> LEDFastRightSide{0};
    std::atomic<int32_t> LedDeviceMode{kLedModeOff};
    std::atomic<int32_t> LedSlaveId{58};
    std::atomic<int32_t> LedColorCount{0};
    std::atomic<int32_t> LedUseMasterCalls{1};
    std::atomic<int32_t> LedCallParam{50};
    std::atomic<int32_t> LedColorsPending{1};
    std::atomic<int32_t> SelectedSwatch{kPaletteSwatchTag};
};

// One [LED] key of a profile file and the setting it holds, with the values it accepts.
struct LedProfileKey {
    const wchar_t* name;
    std::atomic<int32_t>& (*field)(LightingState& state);
    int32_t minimum;
    int32_t maximum;
};
// "LEDPageMode" to "LEDFastRightSide", in the order a profile is written.
const std::vector<LedProfileKey>& LedProfileKeys();

// A profile number: decimal, or hexadecimal with "0x", from minimum to maximum.
bool ParseLedNumber(const std::wstring& text, int32_t minimum, int32_t maximum, int* value);

enum class LedValueResult { Applied, Empty, Refused };
// An empty value leaves the setting; so does one that is not a whole number (decimal, or
// hexadecimal with "0x") within the key's range, which is refused.
LedValueResult ApplyLedProfileValue(LightingState& state, const LedProfileKey& key,
                                    const std::wstring& text);

// A horizontal speed track: the bar's left and width and its thumb's width, in pixels.
struct SpeedTrack {
    int barLeft = 0;
    int barWidth = 0;
    int thumbWidth = 0;
    int Travel() const { return barWidth - thumbWidth; }
};
// A thumb is drawn this far right of its place, except at the bar's left end.
const int kThumbDrawOffset = 3;

// A dragged thumb's left kept on its bar.
int ClampThumbLeft(int left, const SpeedTrack& track);
// Where a thumb at a (clamped) place is drawn, which is also the position that is stored.
int DrawnThumbLeft(int left, const SpeedTrack& track);
// The speed byte of a thumb at a clamped place: 1 at the left end, 255 at the right; with the
// fast side on the right, 254 and 1.
int SpeedForThumb(int left, const SpeedTrack& track, bool fastRightSide);
// Where a thumb is shown for its stored position: that position when it lies on the bar, else
// the place of the speed it stands for (a setting from before any drag, or another skin's).
int ThumbLeftFor(int storedLeft, int speed, const SpeedTrack& track, bool fastRightSide);

#include "effects/lighting_values.h"

#include "int_conversions.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

const uint32_t kLedDefaultColours[kPaletteSize + 2] = {
    0x0000FF, // red
    0xFFFF00, // cyan
    0x00FFFF, // yellow
    0xFFFFFF, // white
    0x00FF00, // green
    0xFF0000, // blue
    0xFF00FF, // magenta
    0x0000FF, // single colour: red
    0x0000FF, // breathe: red
};

namespace {
const int kEffectModes[kLedEffectCount] = {4, 5, 6};
const uint8_t kMaxSpeed = 255;
} // namespace

int DeviceModeOfEffect(int effect) {
    return effect >= 1 && effect <= kLedEffectCount ? kEffectModes[effect - 1] : 0;
}

int EffectOfDeviceMode(int mode) {
    for (int effect = 1; effect <= kLedEffectCount; ++effect)
        if (kEffectModes[effect - 1] == mode) return effect;
    return 0;
}

int PaletteIndexOfSwatch(int tag) {
    int index = tag - kPaletteSwatchTag + 1;
    return index >= 1 && index <= kPaletteSize ? index : 0;
}

// One key a line, as a profile lists them.
// clang-format off
const std::vector<LedProfileKey>& LedProfileKeys() {
    using S = LightingState;
    using F = std::atomic<int32_t>&;
    const int32_t kColour = 0xFFFFFF;
    static const std::vector<LedProfileKey> keys = {
        {L"LEDPageMode",              [](S& s) -> F { return s.LEDPageMode; },        INT_MIN, INT_MAX},
        {L"LEDOff",                   [](S& s) -> F { return s.LEDOff; },             0, 1},
        {L"LEDSingleColor",           [](S& s) -> F { return s.LEDSingleColor; },     0, 1},
        {L"LEDEffectMode",            [](S& s) -> F { return s.LEDEffectMode; },      0, kLedEffectCount},
        {L"LEDBreatheSpeed",          [](S& s) -> F { return s.Speed[0]; },           1, kMaxSpeed},
        {L"LEDRainbowSpeed",          [](S& s) -> F { return s.Speed[1]; },           1, kMaxSpeed},
        {L"LEDMultiBreatheSpeed",     [](S& s) -> F { return s.Speed[2]; },           1, kMaxSpeed},
        {L"LEDBreatheSliderPos",      [](S& s) -> F { return s.SliderPos[0]; },       INT_MIN, INT_MAX},
        {L"LEDRainbowSliderPos",      [](S& s) -> F { return s.SliderPos[1]; },       INT_MIN, INT_MAX},
        {L"LEDMultiBreatheSliderPos", [](S& s) -> F { return s.SliderPos[2]; },       INT_MIN, INT_MAX},
        {L"LEDSingleColorRGB",        [](S& s) -> F { return s.LEDSingleColorRGB; },  0, kColour},
        {L"LEDBreatheColorRGB",       [](S& s) -> F { return s.LEDBreatheColorRGB; }, 0, kColour},
        {L"LEDColor1RGB",             [](S& s) -> F { return s.LEDColorRGB[0]; },     0, kColour},
        {L"LEDColor2RGB",             [](S& s) -> F { return s.LEDColorRGB[1]; },     0, kColour},
        {L"LEDColor3RGB",             [](S& s) -> F { return s.LEDColorRGB[2]; },     0, kColour},
        {L"LEDColor4RGB",             [](S& s) -> F { return s.LEDColorRGB[3]; },     0, kColour},
        {L"LEDColor5RGB",             [](S& s) -> F { return s.LEDColorRGB[4]; },     0, kColour},
        {L"LEDColor6RGB",             [](S& s) -> F { return s.LEDColorRGB[5]; },     0, kColour},
        {L"LEDColor7RGB",             [](S& s) -> F { return s.LEDColorRGB[6]; },     0, kColour},
        {L"LEDFastRightSide",         [](S& s) -> F { return s.LEDFastRightSide; },   0, 1},
    };
    return keys;
}
// clang-format on

// The "$" form of hexadecimal that other files know is not a profile number.
bool ParseLedNumber(const std::wstring& text, int32_t minimum, int32_t maximum, int* value) {
    int number = 0;
    if (text.find(L'$') != std::wstring::npos || !TryStrictToInt(text, number) ||
        number < minimum || number > maximum)
        return false;
    *value = number;
    return true;
}

LedValueResult ApplyLedProfileValue(LightingState& state, const LedProfileKey& key,
                                    const std::wstring& text) {
    if (text.empty()) return LedValueResult::Empty;
    int value = 0;
    if (!ParseLedNumber(text, key.minimum, key.maximum, &value)) return LedValueResult::Refused;
    key.field(state) = value;
    return LedValueResult::Applied;
}

int ClampThumbLeft(int left, const SpeedTrack& track) {
    return std::clamp(left, track.barLeft, track.barLeft + std::max(track.Travel(), 0));
}

int DrawnThumbLeft(int left, const SpeedTrack& track) {
    return left == track.barLeft ? left : left + kThumbDrawOffset;
}

// The far left must give the slowest byte (1), so the percentage may reach 0 before the byte
// is kept at 1 or more.
int SpeedForThumb(int left, const SpeedTrack& track, bool fastRightSide) {
    int percent = track.Travel() > 0 ? (left - track.barLeft) * 100 / track.Travel() : 0;
    percent = std::clamp(percent, 0, 100);
    int speed = std::clamp(percent * kMaxSpeed / 100, 1, static_cast<int>(kMaxSpeed));
    if (fastRightSide) speed = std::max(kMaxSpeed - speed, 1);
    return speed;
}

// The leftmost place whose speed is nearest the one stored.
int ThumbLeftFor(int storedLeft, int speed, const SpeedTrack& track, bool fastRightSide) {
    const int travel = std::max(track.Travel(), 0);
    if (storedLeft >= track.barLeft && storedLeft <= track.barLeft + travel + kThumbDrawOffset)
        return storedLeft;
    int best = track.barLeft, bestDistance = INT_MAX;
    for (int left = track.barLeft; left <= track.barLeft + travel; ++left) {
        int distance = std::abs(SpeedForThumb(left, track, fastRightSide) - speed);
        if (distance < bestDistance) {
            best = left;
            bestDistance = distance;
        }
    }
    return DrawnThumbLeft(best, track);
}

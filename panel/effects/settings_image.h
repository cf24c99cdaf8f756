#pragma once
// The equaliser and 3D settings as the device's configuration EEPROM lays them out: the
// current equaliser setting, the 3D setting, the 2048-byte settings image with its four
// preset slots, and the arithmetic between slider positions and device values.
// Platform-neutral.
#include <array>
#include <cstdint>

struct EQ_SETTING {
    uint16_t gain[5] = {1024, 1024, 1024, 1024, 1024}; // 12-bit codes, 60 Hz first; 1024 flat
    int32_t ctrl7 = 1;
    int32_t ctrl5 = 1;
    int32_t ctrl6 = 1;
    int32_t ctrl4 = 0;
    uint8_t tag = 0;
    int32_t lastSlot = 1; // marks the fourth preset slot
};

struct SOUND_3D_SETTING {
    int32_t enable = 0;
    int32_t fbm = 1;
    uint8_t leftAlpha = 10;
    uint8_t leftBeta = 3;
    uint8_t rightAlpha = 10;
    uint8_t rightBeta = 3;
};

const int kSettingsImageSize = 2048;
using SettingsImage = std::array<uint8_t, kSettingsImageSize>;

// Preset slot n (1 to 4) lies at 0x100 + 16 * (n - 1).
const int kPresetSlotBase = 0x100;
const int kPresetSlotSize = 16;
inline int PresetSlotOffset(int slotIndex) {
    return kPresetSlotBase + kPresetSlotSize * slotIndex;
}

// All 0xFF, the built-in page-0 template at offset 0, the default setting in the four slots.
void InitSettingsImage(SettingsImage& image);
// The 256-byte page 0 the image starts from (its bytes 0xA1, 0xE7 and 0xE8 hold the 3D setting).
const std::array<uint8_t, 256>& PageZeroTemplate();

// 0; the 16 bytes of a slot at offset.
int PackPreset(int offset, const EQ_SETTING& setting, SettingsImage& image);
int UnpackPreset(int offset, EQ_SETTING& setting, const SettingsImage& image);
// The five gains from bytes 0 to 7 of a packed slot (the layout of the device's EEPROM data).
void UnpackGains(const uint8_t bytes[8], uint16_t gains[5]);
// 0; bytes 0xA1 (bits 7 and 6), 0xE7 and 0xE8.
int Store3DSetting(SettingsImage& image, const SOUND_3D_SETTING& setting);
int Load3DSetting(const SettingsImage& image, SOUND_3D_SETTING& setting);

// The gain code of an equaliser thumb offset pixels below the top of a travel of range
// pixels: the top gives 2559, the middle 1024, the bottom 512; above the middle one step is
// three codes (the first step above the middle gives 1026).
uint16_t GainFromSliderOffset(int offset, int range);
// The thumb's offset for a gain code (the inverse, for codes 512 to 2559).
int SliderOffsetFromGain(uint16_t gain, int range);

// A 3D parameter (0 to 15 within the travel) from its thumb's offset below the top of its
// range, and back.
int D3ValueFromOffset(int offset, int range);
int D3OffsetFromValue(int value, int range);

#include "effects/settings_image.h"

#include <algorithm>

namespace {

const int kByte3DSwitches = 0xA1;
const int kByteLeft = 0xE7;
const int kByteRight = 0xE8;

std::array<uint8_t, 256> MakeTemplate() {
    std::array<uint8_t, 256> page{};
    page.fill(0xFF);
    // The configuration block's header and the bytes the panel reads: 3D off, front/back
    // mode on, alphas 10, betas 3.
    const uint8_t header[] = {0x39, 0x7A, 0x15, 0x42, 0x00, 0x01};
    std::copy(std::begin(header), std::end(header), page.begin());
    page[kByte3DSwitches] = 0x7B;
    page[kByteLeft] = 0xA3;
    page[kByteRight] = 0xA3;
    return page;
}

} // namespace

const std::array<uint8_t, 256>& PageZeroTemplate() {
    static const std::array<uint8_t, 256> page = MakeTemplate();
    return page;
}

void InitSettingsImage(SettingsImage& image) {
    image.fill(0xFF);
    std::copy(PageZeroTemplate().begin(), PageZeroTemplate().end(), image.begin());
    const EQ_SETTING defaults;
    for (int slot = 0; slot < 4; ++slot)
        PackPreset(PresetSlotOffset(slot), defaults, image);
}

int PackPreset(int offset, const EQ_SETTING& s, SettingsImage& image) {
    uint8_t* b = image.data() + offset;
    std::fill(b, b + kPresetSlotSize, 0);
    const uint16_t* g = s.gain;
    b[0] = g[0] & 0xFF;
    b[1] = static_cast<uint8_t>(((g[0] >> 8) & 0x0F) | ((g[1] << 4) & 0xFF));
    b[2] = (g[1] >> 4) & 0xFF;
    b[3] = g[2] & 0xFF;
    b[4] = static_cast<uint8_t>(((g[2] >> 8) & 0x0F) | ((g[3] << 4) & 0xFF));
    b[5] = (g[3] >> 4) & 0xFF;
    b[6] = g[4] & 0xFF;
    b[7] = static_cast<uint8_t>(((g[4] >> 8) & 0x0F) | (s.ctrl7 ? 0x80 : 0) | (s.ctrl6 ? 0x40 : 0) |
                                (s.ctrl5 ? 0x20 : 0) | (s.ctrl4 ? 0x10 : 0));
    b[14] = s.tag;
    b[15] = static_cast<uint8_t>((s.tag & 0x7F) | (s.lastSlot ? 0x80 : 0));
    return 0;
}

void UnpackGains(const uint8_t b[8], uint16_t g[5]) {
    g[0] = static_cast<uint16_t>(b[0] | ((b[1] & 0x0F) << 8));
    g[1] = static_cast<uint16_t>((b[1] >> 4) | (b[2] << 4));
    g[2] = static_cast<uint16_t>(b[3] | ((b[4] & 0x0F) << 8));
    g[3] = static_cast<uint16_t>((b[4] >> 4) | (b[5] << 4));
    g[4] = static_cast<uint16_t>(b[6] | ((b[7] & 0x0F) << 8));
}

int UnpackPreset(int offset, EQ_SETTING& s, const SettingsImage& image) {
    const uint8_t* b = image.data() + offset;
    UnpackGains(b, s.gain);
    s.ctrl7 = (b[7] >> 7) & 1;
    s.ctrl6 = (b[7] >> 6) & 1;
    s.ctrl5 = (b[7] >> 5) & 1;
    s.ctrl4 = (b[7] >> 4) & 1;
    s.tag = b[14];
    s.lastSlot = (b[15] >> 7) & 1;
    return 0;
}

int Store3DSetting(SettingsImage& image, const SOUND_3D_SETTING& s) {
    uint8_t switches = image[kByte3DSwitches] & 0x3F;
    image[kByte3DSwitches] =
        static_cast<uint8_t>(switches | (s.enable ? 0x80 : 0) | (s.fbm ? 0x40 : 0));
    image[kByteLeft] = static_cast<uint8_t>((s.leftAlpha << 4) | (s.leftBeta & 0x0F));
    image[kByteRight] = static_cast<uint8_t>((s.rightAlpha << 4) | (s.rightBeta & 0x0F));
    return 0;
}

int Load3DSetting(const SettingsImage& image, SOUND_3D_SETTING& s) {
    s.enable = (image[kByte3DSwitches] >> 7) & 1;
    s.fbm = (image[kByte3DSwitches] >> 6) & 1;
    s.leftAlpha = image[kByteLeft] >> 4;
    s.leftBeta = image[kByteLeft] & 0x0F;
    s.rightAlpha = image[kByteRight] >> 4;
    s.rightBeta = image[kByteRight] & 0x0F;
    return 0;
}

uint16_t GainFromSliderOffset(int offset, int range) {
    if (range <= 0) return 1024;
    int x = offset * 1024 / range;
    uint16_t v = static_cast<uint16_t>(1536 - x);
    if (v > 1024) v = static_cast<uint16_t>((v - 1024) * 3 + 1023);
    return v;
}

int SliderOffsetFromGain(uint16_t gain, int range) {
    int d = gain;
    if (d > 1024) d = (d - 1023) / 3 + 1024;
    // Codes outside 512 to 2559 (from profiles or the device) keep the thumb on its track.
    d = std::clamp(d, 512, 1536);
    return range - (d - 512) * range / 1024;
}

int D3ValueFromOffset(int offset, int range) {
    return range > 0 ? 15 - offset * 15 / range : 15;
}

int D3OffsetFromValue(int value, int range) {
    return range - value * range / 15;
}

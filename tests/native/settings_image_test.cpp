// The settings image's packing and the arithmetic between thumbs and device values.
#include "effects/settings_image.h"

#include <gtest/gtest.h>

#include <vector>

TEST(PresetPacking, GainsLieEndToEndLowBitsFirst) {
    SettingsImage image{};
    EQ_SETTING s;
    s.gain[0] = 0x9AB;
    s.gain[1] = 0x123;
    s.gain[4] = 0xF05;
    PackPreset(0x100, s, image);
    EXPECT_EQ(image[0x100], 0xAB);
    EXPECT_EQ(image[0x101], 0x39);
    EXPECT_EQ(image[0x102], 0x12);
    // The last gain's top nibble shares its byte with the control bits (7, 6, 5 on, 4 off).
    EXPECT_EQ(image[0x106], 0x05);
    EXPECT_EQ(image[0x107], 0xEF);
    for (int i = 8; i < 14; ++i)
        EXPECT_EQ(image[0x100 + i], 0) << i;
}

TEST(PresetPacking, EverythingComesBackAndByte15CarriesTheLastSlotMark) {
    struct Case {
        uint8_t tag;
        int lastSlot;
        int ctrl4;
        uint8_t byte15;
    };
    for (const Case& c : {Case{0x00, 1, 0, 0x80}, Case{0xFF, 0, 1, 0x7F}, Case{0x35, 1, 1, 0xB5}}) {
        SettingsImage image{};
        EQ_SETTING in;
        const uint16_t gains[5] = {512, 2559, 1026, 0xFFF, 0};
        std::copy(gains, gains + 5, in.gain);
        in.tag = c.tag;
        in.lastSlot = c.lastSlot;
        in.ctrl4 = c.ctrl4;
        in.ctrl6 = 0;
        PackPreset(PresetSlotOffset(3), in, image);
        EXPECT_EQ(image[PresetSlotOffset(3) + 14], c.tag);
        EXPECT_EQ(image[PresetSlotOffset(3) + 15], c.byte15);
        EQ_SETTING out;
        UnpackPreset(PresetSlotOffset(3), out, image);
        for (int band = 0; band < 5; ++band)
            EXPECT_EQ(out.gain[band], gains[band]);
        EXPECT_EQ(out.ctrl7, 1);
        EXPECT_EQ(out.ctrl6, 0);
        EXPECT_EQ(out.ctrl5, 1);
        EXPECT_EQ(out.ctrl4, c.ctrl4);
        EXPECT_EQ(out.tag, c.tag);
        EXPECT_EQ(out.lastSlot, c.lastSlot);
    }
}

// The device's EEPROM keeps bytes 0 to 7 of a slot: 00 04 40 00 04 40 00 84 is flat.
TEST(PresetPacking, DeviceDataUnpacksAsASlot) {
    const uint8_t flat[8] = {0x00, 0x04, 0x40, 0x00, 0x04, 0x40, 0x00, 0x84};
    uint16_t gains[5] = {};
    UnpackGains(flat, gains);
    for (uint16_t g : gains)
        EXPECT_EQ(g, 1024);
}

TEST(SettingsImageLayout, TemplateSlotsAndThe3DBytes) {
    SettingsImage image{};
    InitSettingsImage(image);
    EXPECT_EQ(image[0xA1], 0x7B);
    EXPECT_EQ(image[0xE7], 0xA3);
    EXPECT_EQ(image[0xE8], 0xA3);
    for (int slot = 0; slot < 4; ++slot) {
        EQ_SETTING s;
        s.gain[0] = 0;
        UnpackPreset(PresetSlotOffset(slot), s, image);
        EXPECT_EQ(s.gain[0], 1024);
        EXPECT_EQ(s.lastSlot, 1) << slot;
    }
    for (int i = 0x140; i < kSettingsImageSize; ++i)
        ASSERT_EQ(image[i], 0xFF) << i;

    SOUND_3D_SETTING d3;
    Load3DSetting(image, d3);
    EXPECT_EQ(d3.enable, 0);
    EXPECT_EQ(d3.fbm, 1);
    EXPECT_EQ(d3.leftAlpha, 10);
    EXPECT_EQ(d3.leftBeta, 3);
    EXPECT_EQ(d3.rightAlpha, 10);
    EXPECT_EQ(d3.rightBeta, 3);

    // Storing changes bits 7 and 6 of 0xA1 only.
    d3.enable = 1;
    d3.fbm = 0;
    d3.leftAlpha = 15;
    d3.rightBeta = 0;
    Store3DSetting(image, d3);
    EXPECT_EQ(image[0xA1], 0xBB);
    EXPECT_EQ(image[0xE7], 0xF3);
    EXPECT_EQ(image[0xE8], 0xA0);
}

TEST(SliderArithmetic, GainCodesOfThumbPositions) {
    struct Case {
        int offset, range;
        uint16_t gain;
    };
    const Case cases[] = {{0, 1024, 2559},  {512, 1024, 1024}, {1024, 1024, 512},
                          {511, 1024, 1026}, {0, 120, 2559},    {60, 120, 1024},
                          {120, 120, 512},   {59, 120, 1050}};
    for (const Case& c : cases) {
        EXPECT_EQ(GainFromSliderOffset(c.offset, c.range), c.gain) << c.offset << "/" << c.range;
        if (c.range == 1024) {
            EXPECT_EQ(SliderOffsetFromGain(c.gain, c.range), c.offset);
        }
    }
    EXPECT_EQ(SliderOffsetFromGain(2559, 120), 0);
    EXPECT_EQ(SliderOffsetFromGain(512, 120), 120);
    // Codes beyond the track's ends (from profiles or the device) keep the thumb on it.
    EXPECT_EQ(SliderOffsetFromGain(0xFFF, 120), 0);
    EXPECT_EQ(SliderOffsetFromGain(100, 120), 120);
}

TEST(SliderArithmetic, ThreeDValuesOfThumbPositions) {
    EXPECT_EQ(D3ValueFromOffset(0, 120), 15);
    EXPECT_EQ(D3ValueFromOffset(120, 120), 0);
    EXPECT_EQ(D3ValueFromOffset(96, 120), 3);
    EXPECT_EQ(D3OffsetFromValue(3, 120), 96);
    EXPECT_EQ(D3OffsetFromValue(10, 120), 40);
    // A range shorter than the travel gives values below 0 near the bottom.
    EXPECT_LT(D3ValueFromOffset(120, 100), 0);
}

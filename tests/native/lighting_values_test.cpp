#include "effects/lighting_values.h"

#include <gtest/gtest.h>

namespace {
// 287 pixels of bar at 100 with a 28-pixel thumb: 259 pixels of travel.
const SpeedTrack kTrack{100, 287, 28};
} // namespace

TEST(LightingSpeed, ThumbPlaceGivesTheSpeedByte) {
    struct Case {
        int left;
        bool fastRight;
        int clamped;
        int drawn;
        int speed;
    };
    const Case cases[] = {
        {-40, false, 100, 100, 1},   {100, false, 100, 100, 1},   {101, false, 101, 104, 1},
        {103, false, 103, 106, 2},   {229, false, 229, 232, 124}, {359, false, 359, 362, 255},
        {900, false, 359, 362, 255}, {-40, true, 100, 100, 254},  {229, true, 229, 232, 131},
        {359, true, 359, 362, 1},
    };
    for (const Case& c : cases) {
        int clamped = ClampThumbLeft(c.left, kTrack);
        EXPECT_EQ(clamped, c.clamped) << c.left;
        EXPECT_EQ(DrawnThumbLeft(clamped, kTrack), c.drawn) << c.left;
        EXPECT_EQ(SpeedForThumb(clamped, kTrack, c.fastRight), c.speed)
            << c.left << (c.fastRight ? " fast right" : "");
    }
    // A bar no wider than its thumb has no travel: the thumb stays at its left end.
    const SpeedTrack none{50, 20, 28};
    EXPECT_EQ(ClampThumbLeft(80, none), 50);
    EXPECT_EQ(SpeedForThumb(50, none, false), 1);
    EXPECT_EQ(SpeedForThumb(50, none, true), 254);
}

// A stored place on the bar is where the thumb stands; one off the bar (nothing stored yet, or
// another skin's place) gives way to the place of the speed.
TEST(LightingSpeed, ThumbStandsAtItsStoredPlaceOrWhereItsSpeedIs) {
    EXPECT_EQ(ThumbLeftFor(232, 1, kTrack, false), 232);
    EXPECT_EQ(ThumbLeftFor(362, 1, kTrack, false), 362);
    EXPECT_EQ(ThumbLeftFor(0, 1, kTrack, false), 100);
    EXPECT_EQ(ThumbLeftFor(0, 1, kTrack, true), 359 + 3);
    EXPECT_EQ(ThumbLeftFor(363, 255, kTrack, false), 362);
    EXPECT_EQ(ThumbLeftFor(-5, 124, kTrack, false), 227 + 3);
    EXPECT_EQ(ThumbLeftFor(-5, 131, kTrack, true), 227 + 3);
}

TEST(LightingValues, ModesSwatchesAndColourBytes) {
    const int modes[] = {0, 4, 5, 6, 0};
    for (int effect = 0; effect <= 4; ++effect) {
        EXPECT_EQ(DeviceModeOfEffect(effect), modes[effect]) << effect;
        if (modes[effect]) {
            EXPECT_EQ(EffectOfDeviceMode(modes[effect]), effect);
        }
    }
    EXPECT_EQ(EffectOfDeviceMode(1), 0);
    EXPECT_EQ(EffectOfDeviceMode(2), 0);
    EXPECT_EQ(PaletteIndexOfSwatch(150), 0);
    EXPECT_EQ(PaletteIndexOfSwatch(151), 1);
    EXPECT_EQ(PaletteIndexOfSwatch(157), 7);
    EXPECT_EQ(PaletteIndexOfSwatch(183), 0);
    // The highlight colour is red 166, green 202, blue 240.
    EXPECT_EQ(RedOf(kSwatchHighlight), 166);
    EXPECT_EQ(GreenOf(kSwatchHighlight), 202);
    EXPECT_EQ(BlueOf(kSwatchHighlight), 240);
}

TEST(LightingValues, ProfileValuesOutsideTheirKeysRangeAreRefused) {
    LightingState state;
    auto key = [](const wchar_t* name) {
        for (const LedProfileKey& k : LedProfileKeys())
            if (std::wstring(k.name) == name) return k;
        ADD_FAILURE() << "no key";
        return LedProfileKeys().front();
    };
    struct Case {
        const wchar_t* key;
        const wchar_t* text;
        LedValueResult result;
        int value; // the setting afterwards
    };
    const Case cases[] = {
        {L"LEDBreatheSpeed", L"", LedValueResult::Empty, 1},
        {L"LEDBreatheSpeed", L"0", LedValueResult::Refused, 1},
        {L"LEDBreatheSpeed", L"256", LedValueResult::Refused, 1},
        {L"LEDBreatheSpeed", L"0xFF", LedValueResult::Applied, 255},
        {L"LEDBreatheSpeed", L"$10", LedValueResult::Refused, 255},
        {L"LEDBreatheSpeed", L"12 ", LedValueResult::Refused, 255},
        {L"LEDEffectMode", L"3", LedValueResult::Applied, 3},
        {L"LEDEffectMode", L"4", LedValueResult::Refused, 3},
        {L"LEDOff", L"2", LedValueResult::Refused, 0},
        {L"LEDColor7RGB", L"16777215", LedValueResult::Applied, 0xFFFFFF},
        {L"LEDColor7RGB", L"-1", LedValueResult::Refused, 0xFFFFFF},
        {L"LEDPageMode", L"-3", LedValueResult::Applied, -3},
        {L"LEDMultiBreatheSliderPos", L"x", LedValueResult::Refused, 0},
    };
    for (const Case& c : cases) {
        const LedProfileKey k = key(c.key);
        EXPECT_EQ(ApplyLedProfileValue(state, k, c.text), c.result) << c.key << "=" << c.text;
        EXPECT_EQ(k.field(state).load(), c.value) << c.key << "=" << c.text;
    }
    EXPECT_EQ(LedProfileKeys().size(), 20u);
}

// The microphone's arithmetic: voice modes, the level meter's bar and the ENC thumb's level.
#include "effects/microphone_rules.h"

#include <gtest/gtest.h>

#include <vector>

TEST(MicrophoneRules, VoiceModesAndTheirStoredLevels) {
    const int steps[] = {0, -3, 7, -10, 12};
    for (int mode = 0; mode < kVoiceModeCount; ++mode) {
        EXPECT_EQ(VoicePitchStep(mode), steps[mode]);
        EXPECT_EQ(VoiceModeOfLevel(static_cast<uint32_t>(12 + steps[mode])), mode);
    }
    // Any other stored level is mode 0, any other mode has no step.
    EXPECT_EQ(VoiceModeOfLevel(10), 0);
    EXPECT_EQ(VoiceModeOfLevel(0xFFFFFFFF), 0);
    EXPECT_EQ(VoicePitchStep(5), 0);
    EXPECT_EQ(VoicePitchStep(-1), 0);
}

TEST(MicrophoneRules, LevelBarOfABuffer) {
    struct Case {
        const char* name;
        uint8_t sample; // every sample of the 400
        int length;
        int width;
    };
    const Case cases[] = {
        {"silence", 128, 210, 0},
        {"quiet: a = 1, level 3", 129, 210, 18},
        {"a = 16, level 52, bar capped at its length", 144, 210, 210},
        {"below the mid line counts the same", 112, 210, 210},
        {"a = 4, level 13", 132, 210, 58},
        {"a bar too short for one segment", 200, 8, 0},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> buffer(400, c.sample);
        EXPECT_EQ(LevelBarWidth(buffer.data(), buffer.size(), c.length), c.width) << c.name;
    }
    EXPECT_EQ(LevelBarWidth(nullptr, 0, 210), 0);
}

// With a travel of 120 pixels the thumb at the top gives 30, at the bottom 0, 4 above it 1.
TEST(MicrophoneRules, ENCLevelOfTheThumb) {
    EXPECT_EQ(ENCLevelOfThumb(120, 120), 30);
    EXPECT_EQ(ENCLevelOfThumb(0, 120), 0);
    EXPECT_EQ(ENCLevelOfThumb(4, 120), 1);
    EXPECT_EQ(ENCLevelOfThumb(3, 120), 0);
    EXPECT_EQ(ENCLevelOfThumb(60, 120), 15);
    EXPECT_EQ(ENCLevelOfThumb(5, 0), 0);
}

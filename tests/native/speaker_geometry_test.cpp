// The virtual speakers' angles, distances, default places and the block the library takes.
#include "effects/speaker_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

TEST(SpeakerGeometry, AnglesRunCounterClockwiseFromTheRightWithTheWrittenConstants) {
    const int cx = 300, cy = 200;
    struct Case {
        const char* name;
        SpeakerPosition p;
        double angle;
        double distance;
    };
    const double quarter = std::atan2(1.0, 0.0);
    const Case cases[] = {
        {"right", {340, 200}, 0.0, 40},
        {"above", {300, 150}, quarter, 50},
        {"left", {260, 200}, kSpeakerPi - 0.0, 40},
        {"below", {300, 230}, kSpeakerTwoPi - quarter, 30},
        {"above left", {270, 170}, kSpeakerPi - std::atan2(30.0, 30.0), std::sqrt(1800.0)},
        {"below left", {270, 230}, std::atan2(30.0, 30.0) + kSpeakerPi, std::sqrt(1800.0)},
        {"below right", {330, 230}, kSpeakerTwoPi - std::atan2(30.0, 30.0), std::sqrt(1800.0)},
    };
    for (const Case& c : cases) {
        SPEAKER_POLAR polar = PolarOf(c.p, cx, cy);
        EXPECT_EQ(polar.angle, static_cast<float>(c.angle)) << c.name;
        EXPECT_DOUBLE_EQ(polar.distance, c.distance) << c.name;
        // And back to the same place (the coordinates are cut toward zero).
        SpeakerPosition back = PositionOf(polar, cx, cy);
        EXPECT_LE(std::abs(back.left - c.p.left), 1) << c.name;
        EXPECT_LE(std::abs(back.top - c.p.top), 1) << c.name;
    }
}

TEST(SpeakerGeometry, DefaultLayoutOnACircleOfRadius100) {
    SpeakerPosition layout[kSpeakerCount];
    DefaultSpeakerLayout(400, 300, 100, layout);
    EXPECT_EQ(layout[2], (SpeakerPosition{400, 220})); // C 80 pixels above the centre
    EXPECT_EQ(layout[3], (SpeakerPosition{400, 250})); // SUB 50 above
    EXPECT_EQ(layout[4], (SpeakerPosition{320, 300})); // LS
    EXPECT_EQ(layout[5], (SpeakerPosition{480, 300})); // RS
    // L up and to the left at 3/4 pi, R up and to the right, LB and RB below.
    EXPECT_EQ(layout[0], (SpeakerPosition{343, 243}));
    EXPECT_EQ(layout[1], (SpeakerPosition{456, 243}));
    EXPECT_EQ(layout[6], (SpeakerPosition{343, 356}));
    EXPECT_EQ(layout[7], (SpeakerPosition{456, 356}));
}

TEST(SpeakerGeometry, BlockRatiosAreHeldBetweenZeroAndOnePointSeven) {
    const float distances[kSpeakerCount] = {200, 100, 50, 0, -5, 25, 170, 1000};
    const float angles[kSpeakerCount] = {0.5f, 1, 2, 3, 4, 5, 6, 0};
    VIRTUAL_7CH1_PARAMETERS block = VirtualBlock(1, distances, angles, 100);
    EXPECT_EQ(block.enable, 1);
    const float expected[kSpeakerCount] = {1.7f, 1.7f, 0.85f, 0.0f, 0.0f, 0.425f, 1.7f, 1.7f};
    for (int i = 0; i < kSpeakerCount; ++i) {
        EXPECT_FLOAT_EQ(block.ratio[i], expected[i]) << i;
        EXPECT_EQ(block.angle[i], angles[i]) << i;
    }
    // The block's layout: the enable word, then the ratios, then the angles.
    const auto* bytes = reinterpret_cast<const uint8_t*>(&block);
    float second = 0;
    std::memcpy(&second, bytes + 4 + 4, 4);
    EXPECT_EQ(second, block.ratio[1]);
    std::memcpy(&second, bytes + 36 + 4, 4);
    EXPECT_EQ(second, 1.0f);
    // Without a circle every speaker stands at the listener.
    EXPECT_EQ(VirtualBlock(0, distances, angles, 0).ratio[0], 0.0f);
}

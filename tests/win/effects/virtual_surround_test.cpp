// The virtual 7.1 feature in-process against the simulated device: the 68-byte block the
// library gets for a drag, a reset and each tick of the motions, and the bee's round trip.
#include "device/device_library.h"
#include "effects/virtual_surround.h"
#include "simulator_fixture.h"

#include <cmath>
#include <cstring>

namespace {

const int kCx = 400, kCy = 300, kR = 100;

VIRTUAL_7CH1_PARAMETERS DeviceBlock() {
    VIRTUAL_7CH1_PARAMETERS block{};
    sim::SimulatedDevice::Instance().With([&](sim::State& s) {
        std::memcpy(&block, s.virtual71Parameters, sizeof block);
        return 0;
    });
    return block;
}

} // namespace

class VirtualSurroundTest : public SimulatedDeviceTest {
  protected:
    void SetUp() override {
        SimulatedDeviceTest::SetUp();
        ASSERT_EQ(BindDeviceLibrary(), 0);
        ASSERT_EQ(dlltr::SetActive_Device(0x7A39, 0x4215), 0);
        surround_.SetCircle(kCx, kCy, kR);
        SpeakerPosition skin[kSpeakerCount];
        for (int i = 0; i < kSpeakerCount; ++i)
            skin[i] = {kCx + 10 * i, kCy - 5 * i};
        surround_.SetSpeakerPositions(skin);
        surround_.ApplyDefaults();
        MarkJournal();
    }
    size_t Sent() { return JournalStarting(L"library DLLTR_SetVirtual7ch1(").size(); }

    ActiveDevice device_{0x7A39, 0x4215, true};
    VirtualSurround surround_{device_};
};

TEST_F(VirtualSurroundTest, ResetPlacesTheDefaultLayoutAndSendsIt) {
    EXPECT_EQ(surround_.Position(2), (SpeakerPosition{kCx, kCy - 80}));
    EXPECT_EQ(surround_.Position(3), (SpeakerPosition{kCx, kCy - 50}));
    surround_.ToggleEnable();
    MarkJournal();
    EXPECT_EQ(surround_.ResetVirtual7ch1(), 0);
    EXPECT_EQ(JournalStarting(L"library DLLTR_SetVirtual7ch1_OnOff"),
              (std::vector<std::wstring>{L"library DLLTR_SetVirtual7ch1_OnOff(1) -> 0"}));
    ASSERT_EQ(Sent(), 1u);
    VIRTUAL_7CH1_PARAMETERS block = DeviceBlock();
    EXPECT_EQ(block.enable, 1);
    EXPECT_FLOAT_EQ(block.ratio[2], 80 * 1.7f / kR); // C
    EXPECT_FLOAT_EQ(block.ratio[3], 50 * 1.7f / kR); // SUB
    EXPECT_EQ(block.angle[2], static_cast<float>(std::atan2(1.0, 0.0)));
    EXPECT_TRUE(device().With([](sim::State& s) { return s.virtual71Enabled != 0; }));
}

TEST_F(VirtualSurroundTest, ADraggedSpeakerIsSentWithItsAngleAndRatio) {
    struct Case {
        const char* name;
        SpeakerPosition at;
        float angle, ratio;
    };
    const Case cases[] = {
        {"above, half the radius", {kCx, kCy - 50}, static_cast<float>(std::atan2(1.0, 0.0)), 0.85f},
        {"below", {kCx, kCy + 40}, static_cast<float>(6.2831853 - std::atan2(1.0, 0.0)), 0.68f},
        {"twice the radius", {kCx + 2 * kR, kCy}, 0.0f, 1.7f},
    };
    for (const Case& c : cases) {
        MarkJournal();
        surround_.MoveSpeaker(0, c.at);
        EXPECT_EQ(JournalStarting(L"library DLLTR_SetVirtual7ch1_OnOff"),
                  (std::vector<std::wstring>{L"library DLLTR_SetVirtual7ch1_OnOff(0) -> 0"}))
            << c.name;
        ASSERT_EQ(Sent(), 1u) << c.name;
        VIRTUAL_7CH1_PARAMETERS block = DeviceBlock();
        EXPECT_EQ(block.enable, 0) << c.name;
        EXPECT_EQ(block.angle[0], c.angle) << c.name;
        EXPECT_FLOAT_EQ(block.ratio[0], c.ratio) << c.name;
    }
    // A speaker at the centre has no angle: its polar values are 0 and 0 and the device keeps
    // what it had for it.
    surround_.MoveSpeaker(0, {kCx, kCy});
    EXPECT_EQ(surround_.Polar(0).angle, 0.0f);
    EXPECT_EQ(surround_.Polar(0).distance, 0.0);
    EXPECT_FLOAT_EQ(DeviceBlock().ratio[0], 1.7f);
}

TEST_F(VirtualSurroundTest, RotationTurnsEveryAngleOneStepPerTickAndSendsEachTick) {
    struct Case {
        SpeakerMotion motion;
        double step;
    };
    for (const Case& c : {Case{SpeakerMotion::Clockwise, kSpeakerStep},
                          Case{SpeakerMotion::Counterclockwise, -kSpeakerStep}}) {
        surround_.ToggleMotion(c.motion);
        EXPECT_TRUE(surround_.AnimationRunning());
        float before = surround_.Polar(2).angle;
        MarkJournal();
        for (int tick = 0; tick < 3; ++tick)
            surround_.TimerTick();
        EXPECT_EQ(Sent(), 3u);
        EXPECT_NEAR(surround_.Polar(2).angle, before + 3 * c.step, 1e-5);
        // The icon stands where the angle held before the last step puts it.
        SPEAKER_POLAR placed = surround_.Polar(2);
        placed.angle = static_cast<float>(placed.angle - c.step);
        EXPECT_EQ(surround_.Position(2), PositionOf(placed, kCx, kCy));
        surround_.ToggleMotion(c.motion);
        EXPECT_FALSE(surround_.AnimationRunning());
    }
}

// Narrow stops once a speaker is nearer than 10 pixels, enlarge once one is 111 or more away;
// the block is sent on every tick all the same.
TEST_F(VirtualSurroundTest, NarrowAndEnlargeStopAtTheirLimitsButKeepSending) {
    struct Case {
        SpeakerMotion motion;
        int distance; // of speaker C, straight above the centre
        double after; // after two ticks
    };
    for (const Case& c : {Case{SpeakerMotion::Narrow, 10, 9}, Case{SpeakerMotion::Enlarge, 110, 111}}) {
        surround_.ResetVirtual7ch1();
        surround_.MoveSpeaker(2, {kCx, kCy - c.distance});
        surround_.ToggleMotion(c.motion);
        MarkJournal();
        surround_.TimerTick();
        surround_.TimerTick();
        EXPECT_EQ(Sent(), 2u);
        EXPECT_DOUBLE_EQ(surround_.Polar(2).distance, c.after);
        surround_.ToggleMotion(c.motion);
    }
    // Without a device nothing moves and nothing is sent.
    device_.m_bDevicePresent = false;
    surround_.ToggleMotion(SpeakerMotion::Clockwise);
    MarkJournal();
    SpeakerPosition before = surround_.Position(0);
    surround_.TimerTick();
    EXPECT_EQ(surround_.Position(0), before);
    EXPECT_EQ(Sent(), 0u);
}

TEST_F(VirtualSurroundTest, BeeRoundTripPutsTheSpeakersBackOneStepOn) {
    SPEAKER_POLAR saved[kSpeakerCount];
    for (int i = 0; i < kSpeakerCount; ++i)
        saved[i] = surround_.Polar(i);
    surround_.SetBee(true);
    EXPECT_TRUE(surround_.BeeRunning());
    // The bee starts at angle 0, four fifths of the radius out.
    EXPECT_EQ(surround_.BeePosition(), (SpeakerPosition{kCx + 80, kCy}));
    MarkJournal();
    for (int tick = 0; tick < 5; ++tick)
        surround_.BeeTimerTick();
    EXPECT_EQ(Sent(), 5u);
    EXPECT_NE(surround_.BeePosition(), (SpeakerPosition{kCx + 80, kCy}));
    surround_.SetBee(false);
    EXPECT_FALSE(surround_.BeeRunning());
    for (int i = 0; i < kSpeakerCount; ++i) {
        EXPECT_EQ(surround_.Position(i), PositionOf(saved[i], kCx, kCy)) << i;
        EXPECT_FLOAT_EQ(surround_.Polar(i).angle, static_cast<float>(saved[i].angle - kSpeakerStep))
            << i;
        EXPECT_EQ(surround_.Polar(i).distance, saved[i].distance) << i;
    }
}

// A new skin's circle keeps the angles and scales the distances (an angle of a quarter turn
// held as a float lies a hair past it, so the cut coordinate can fall one pixel short).
TEST_F(VirtualSurroundTest, ASkinWithTwiceTheRadiusDoublesEveryDistance) {
    surround_.MoveToNewCircle(500, 260, 2 * kR, kR);
    EXPECT_NEAR(surround_.Position(2).left, 500, 1);
    EXPECT_EQ(surround_.Position(2).top, 260 - 160);
    EXPECT_EQ(surround_.Position(3).top, 260 - 100);
    EXPECT_NEAR(surround_.Position(5).left, 500 + 160, 1);
    // A previous radius of 0 keeps the distances.
    surround_.MoveToNewCircle(kCx, kCy, kR, 0);
    EXPECT_EQ(surround_.Position(2).top, kCy - 80);
}

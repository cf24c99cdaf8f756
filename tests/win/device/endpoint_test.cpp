#include "device/endpoint_access.h"
#include "simulator_fixture.h"
#include "test_support.h"

namespace {
const int kNoInterface = static_cast<int>(E_NOINTERFACE);
} // namespace

class Endpoint : public SimulatedDeviceTest {};

// The device's description comes from the capture device whose interface path begins with
// its IDs (in any letter case); the endpoint is the first whose name holds that description.
TEST_F(Endpoint, DescriptionAndEndpointOfEachMicrophone) {
    EXPECT_EQ(CaptureDescription(0x7A39, 0x4215), sim::SimulatedDevice::kCaptureDescription);
    EXPECT_EQ(CaptureDescription(0x046D, 0x0825), L"Webcam Microphone");
    EXPECT_EQ(CaptureDescription(0x7A39, 0x4216), L"");
    auto microphone = FindCaptureEndpoint(0x7A39, 0x4215);
    ASSERT_TRUE(microphone);
    EXPECT_EQ(microphone->FriendlyName(), L"Microphone (TRV 42xx USB Audio)");
    auto webcam = FindCaptureEndpoint(0x046D, 0x0825);
    ASSERT_TRUE(webcam);
    EXPECT_EQ(webcam->FriendlyName(), L"Microphone (Webcam Microphone)");
    EXPECT_FALSE(FindCaptureEndpoint(0x7A39, 0x4216));

    device().Plug(false);
    EXPECT_EQ(CaptureDescription(0x7A39, 0x4215), L"");
    EXPECT_FALSE(FindCaptureEndpoint(0x7A39, 0x4215));
    int percent = 0;
    EXPECT_EQ(GetEndpointVolume(microphone.get(), &percent), 2);
    EXPECT_EQ(GetEndpointVolume(nullptr, &percent), 2);
}

TEST_F(Endpoint, VolumeIsTheStepsShareOfItsRange) {
    auto endpoint = FindCaptureEndpoint(0x7A39, 0x4215);
    ASSERT_TRUE(endpoint);
    const struct {
        uint32_t step, count;
        int result, percent;
    } cases[] = {{48, 65, 0, 75}, {64, 65, 0, 100}, {0, 65, 0, 0}, {1, 2, 0, 100},
                 {7, 11, 0, 70},  {2, 3, 0, 100},   {0, 1, 3, -1}, {0, 0, 3, -1}};
    for (const auto& c : cases) {
        device().With([&](sim::State& s) {
            s.volumeStep = c.step;
            s.volumeStepCount = c.count;
        });
        int percent = -1;
        EXPECT_EQ(GetEndpointVolume(endpoint.get(), &percent), c.result)
            << c.step << "/" << c.count;
        EXPECT_EQ(percent, c.percent) << c.step << "/" << c.count;
    }

    device().With([](sim::State& s) { s.volumeStepCount = 65; });
    MarkJournal();
    EXPECT_EQ(SetEndpointVolume(endpoint.get(), 50), 0);
    EXPECT_EQ(device().With([](sim::State& s) { return s.volumeStep; }), 32u);
    EXPECT_EQ(SetEndpointVolume(endpoint.get(), 101), 3);
    EXPECT_EQ(SetEndpointVolume(endpoint.get(), -1), 3);
    EXPECT_EQ(JournalStarting(L"endpoint volume"),
              (std::vector<std::wstring>{L"endpoint volume level 0.500",
                                         L"endpoint volume level 1.010 failed",
                                         L"endpoint volume level -0.010 failed"}));

    bool mute = false;
    EXPECT_EQ(SetEndpointMute(endpoint.get(), true), 0);
    EXPECT_EQ(GetEndpointMute(endpoint.get(), &mute), 0);
    EXPECT_TRUE(mute);
}

// The walk to the automatic-gain control: the first subunit behind the endpoint's connector
// that offers it; a failed step gives its number, no such subunit the platform's answer.
TEST_F(Endpoint, AutoGainIsFoundOnTheFirstSubunitThatOffersIt) {
    auto endpoint = FindCaptureEndpoint(0x7A39, 0x4215);
    ASSERT_TRUE(endpoint);
    const struct {
        uint32_t topologySteps, subunits, offering, broken, brokenSteps;
        int result;
        int subunit; // the subunit whose control is switched
    } cases[] = {
        {6, 3, 0b010, sim::kNoSubunit, 0, 0, 1},
        {6, 3, 0b110, sim::kNoSubunit, 0, 0, 1},
        {6, 3, 0b001, 2, 0, 0, 0},
        {6, 3, 0b000, sim::kNoSubunit, 0, kNoInterface, -1},
        {6, 0, 0b111, sim::kNoSubunit, 0, kNoInterface, -1},
        {6, 3, 0b100, 0, 0, 8, -1},
        {6, 3, 0b100, 1, 1, 9, -1},
        {0, 3, 0b010, sim::kNoSubunit, 0, 2, -1},
        {1, 3, 0b010, sim::kNoSubunit, 0, 3, -1},
        {3, 3, 0b010, sim::kNoSubunit, 0, 5, -1},
        {5, 3, 0b010, sim::kNoSubunit, 0, 7, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.topologySteps << " steps, " << c.subunits
                                        << " subunits, offering " << c.offering);
        device().With([&](sim::State& s) {
            s.topologySteps = c.topologySteps;
            s.subunitCount = c.subunits;
            s.autoGainSubunits = c.offering;
            s.brokenSubunit = c.broken;
            s.brokenSubunitSteps = c.brokenSteps;
            s.autoGain = 0;
        });
        MarkJournal();
        EXPECT_EQ(SetAutoGainControl(endpoint.get(), true), c.result);
        bool enabled = false;
        EXPECT_EQ(GetAutoGainControl(endpoint.get(), &enabled), c.result);
        EXPECT_EQ(enabled, c.result == 0);
        const std::vector<std::wstring> expected =
            c.subunit < 0 ? std::vector<std::wstring>{}
                          : std::vector<std::wstring>{L"endpoint auto gain 1 subunit " +
                                                      std::to_wstring(c.subunit)};
        EXPECT_EQ(JournalStarting(L"endpoint auto gain"), expected);
    }
}

// The mixer whose wave-input line leads to the device (the name compared whole, in any
// letter case), and on it the control on the wave-input line, else on its first microphone
// source line (or one of no particular type) that has one.
TEST_F(Endpoint, MixerUsesTheControlOnTheWaveInputLineOrItsMicrophone) {
    const uint32_t kLineIn = 0x1002, kMicrophone = 0x1003, kUndefined = 0x1000;
    const struct {
        uint32_t types[2];
        uint32_t controls[3]; // wave-input line, source 0, source 1
        int result;
        const wchar_t* read; // the journal line of the read
    } cases[] = {
        {{kLineIn, kMicrophone},
         {0, sim::MixerHasVolume, sim::MixerHasVolume},
         1,
         L"mixer read 0 line 33"},
        {{kLineIn, kMicrophone},
         {sim::MixerHasVolume, 0, sim::MixerHasVolume},
         1,
         L"mixer read 0 line 16"},
        {{kUndefined, kMicrophone},
         {0, sim::MixerHasVolume, sim::MixerHasVolume},
         1,
         L"mixer read 0 line 32"},
        {{kLineIn, kMicrophone}, {0, sim::MixerHasVolume, sim::MixerHasMute}, 0, nullptr},
    };
    for (const auto& c : cases) {
        device().With([&](sim::State& s) {
            s.mixerSourceCount = 2;
            std::copy(std::begin(c.types), std::end(c.types), s.mixerSourceTypes);
            std::copy(std::begin(c.controls), std::end(c.controls), s.mixerControls);
        });
        MarkJournal();
        long value = -1, minimum = -1, maximum = -1;
        EXPECT_EQ(MixerControl(MixerReadVolume, &value, &minimum, &maximum, 0x7A39, 0x4215),
                  c.result)
            << c.controls[0] << c.controls[1] << c.controls[2];
        EXPECT_EQ(JournalStarting(L"mixer"),
                  c.read ? std::vector<std::wstring>{c.read} : std::vector<std::wstring>{});
        if (c.result) {
            EXPECT_EQ(value, 48L * 65535 / 64);
            EXPECT_EQ(minimum, 0);
            EXPECT_EQ(maximum, 65535);
        }
    }
    EXPECT_EQ(MixerControl(6, nullptr, nullptr, nullptr, 0x7A39, 0x4215), 0);
    long value = 0;
    EXPECT_EQ(MixerControl(MixerReadVolume, &value, nullptr, nullptr, 0x7A39, 0x4216), 0);
}

TEST_F(Endpoint, MixerWritesVolumeMuteAndTheSelectedInput) {
    device().With([](sim::State& s) { s.mixerInputs = 3; });
    long value = 65535;
    EXPECT_EQ(MixerControl(MixerWriteVolume, &value, nullptr, nullptr, 0x7A39, 0x4215), 1);
    EXPECT_EQ(device().With([](sim::State& s) { return s.volumeStep; }), 64u);
    value = 1;
    EXPECT_EQ(MixerControl(MixerWriteMute, &value, nullptr, nullptr, 0x7A39, 0x4215), 1);
    value = 0;
    EXPECT_EQ(MixerControl(MixerReadMute, &value, nullptr, nullptr, 0x7A39, 0x4215), 1);
    EXPECT_EQ(value, 1);

    MarkJournal();
    value = 2;
    EXPECT_EQ(MixerControl(MixerWriteInput, &value, nullptr, nullptr, 0x7A39, 0x4215), 1);
    value = 0;
    EXPECT_EQ(MixerControl(MixerReadInput, &value, nullptr, nullptr, 0x7A39, 0x4215), 1);
    EXPECT_EQ(value, 2);
    for (long outside : {3L, -1L}) {
        value = outside;
        EXPECT_EQ(MixerControl(MixerWriteInput, &value, nullptr, nullptr, 0x7A39, 0x4215), 0)
            << outside;
    }
    EXPECT_EQ(JournalStarting(L"mixer"),
              (std::vector<std::wstring>{L"mixer write 2 line 16 0 0 1", L"mixer read 2 line 16"}));
}

// A running service is stopped and started again, a stopped one only started; each way the
// service can fail gives its own result.
TEST_F(Endpoint, AudioServiceRestartAndItsFailures) {
    const struct {
        sim::AudioServiceFault fault;
        bool running;
        int result;
        std::vector<std::wstring> journal;
    } cases[] = {
        {sim::AudioServiceAnswers, true, 0, {L"audio service stopped", L"audio service started"}},
        {sim::AudioServiceAnswers, false, 0, {L"audio service started"}},
        {sim::AudioServiceRefusesStop, true, 1, {L"audio service stop refused"}},
        {sim::AudioServiceNeverStops, true, 2, {L"audio service stop pending"}},
        {sim::AudioServiceDoesNotStart,
         true,
         3,
         {L"audio service stopped", L"audio service start refused"}},
        {sim::AudioServiceDoesNotStart, false, 3, {L"audio service start refused"}},
    };
    for (const auto& c : cases) {
        device().With([&](sim::State& s) {
            s.audioServiceFault = c.fault;
            s.audioServiceRunning = c.running ? 1 : 0;
        });
        MarkJournal();
        EXPECT_EQ(RestartAudioService(), c.result) << c.fault << " " << c.running;
        EXPECT_EQ(JournalStarting(L"audio service"), c.journal) << c.fault << " " << c.running;
    }
}

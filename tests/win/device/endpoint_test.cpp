#include "device/endpoint_access.h"
#include "simulator_fixture.h"
#include "test_support.h"

class Endpoint : public SimulatedDeviceTest {};

TEST_F(Endpoint, VolumeMuteAndGainOfTheDevicesMicrophone) {
    auto endpoint = FindCaptureEndpoint(0x7A39, 0x4215);
    ASSERT_TRUE(endpoint);
    int percent = -1;
    EXPECT_EQ(GetEndpointVolume(endpoint.get(), &percent), 0);
    EXPECT_EQ(percent, 75); // step 48 of 65
    EXPECT_EQ(SetEndpointVolume(endpoint.get(), 50), 0);
    EXPECT_EQ(GetEndpointVolume(endpoint.get(), &percent), 0);
    EXPECT_EQ(percent, 50);
    bool flag = false;
    EXPECT_EQ(SetEndpointMute(endpoint.get(), true), 0);
    EXPECT_EQ(GetEndpointMute(endpoint.get(), &flag), 0);
    EXPECT_TRUE(flag);
    EXPECT_EQ(SetAutoGainControl(endpoint.get(), true), 0);
    EXPECT_EQ(GetAutoGainControl(endpoint.get(), &flag), 0);
    EXPECT_TRUE(flag);
    EXPECT_EQ(GetEndpointVolume(nullptr, &percent), 2);

    device().Plug(false);
    EXPECT_FALSE(FindCaptureEndpoint(0x7A39, 0x4215));
    EXPECT_EQ(GetEndpointVolume(endpoint.get(), &percent), 2);
}

TEST_F(Endpoint, OtherIdsFindNoEndpoint) {
    EXPECT_FALSE(FindCaptureEndpoint(0x7A39, 0x4216));
}

TEST_F(Endpoint, MixerReadsAndWritesTheSameMicrophone) {
    long value = 0, minimum = -1, maximum = -1;
    EXPECT_EQ(MixerControl(MixerReadVolume, &value, &minimum, &maximum, 0x7A39, 0x4215), 1);
    EXPECT_EQ(minimum, 0);
    EXPECT_EQ(maximum, 65535);
    EXPECT_EQ(value, 48L * 65535 / 64);
    value = 65535;
    EXPECT_EQ(MixerControl(MixerWriteVolume, &value, &minimum, &maximum, 0x7A39, 0x4215), 1);
    EXPECT_EQ(device().With([](sim::State& s) { return s.volumeStep; }), 64u);
    value = 1;
    EXPECT_EQ(MixerControl(MixerWriteMute, &value, nullptr, nullptr, 0x7A39, 0x4215), 1);
    value = 0;
    EXPECT_EQ(MixerControl(MixerReadMute, &value, &minimum, &maximum, 0x7A39, 0x4215), 1);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(MixerControl(MixerReadInput, &value, &minimum, &maximum, 0x7A39, 0x4215), 1);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(MixerControl(6, &value, &minimum, &maximum, 0x7A39, 0x4215), 0);
    EXPECT_EQ(MixerControl(MixerReadMute, &value, &minimum, &maximum, 0x7A39, 0x4216),
              0); // no such device
}

TEST_F(Endpoint, AudioServiceRestartStartsAStoppedService) {
    MarkJournal();
    EXPECT_EQ(RestartAudioService(), 0);
    EXPECT_EQ(JournalStarting(L"audio service"),
              (std::vector<std::wstring>{L"audio service stopped", L"audio service started"}));
    device().With([](sim::State& s) { s.audioServiceRunning = 0; });
    MarkJournal();
    EXPECT_EQ(RestartAudioService(), 0);
    EXPECT_EQ(JournalStarting(L"audio service"),
              (std::vector<std::wstring>{L"audio service started"}));
}

// The microphone feature driven in-process against the simulated device, without a window.
#include "device/device_library.h"
#include "effects/microphone.h"
#include "registry_values.h"
#include "simulator_fixture.h"

#include <windows.h>

#include <vector>

namespace {

const wchar_t kEncKey[] = L"TRV 42xx Software\\EncValueMap";
const wchar_t kEncValue[] = L"VID_7A39&PID_4215";

void RemoveEncLevel() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, (std::wstring(L"SOFTWARE\\") + kEncKey).c_str(), 0,
                      KEY_SET_VALUE | KEY_WOW64_32KEY, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, kEncValue);
        RegCloseKey(key);
    }
}

} // namespace

class MicrophoneFeature : public SimulatedDeviceTest {
  protected:
    void SetUp() override {
        SimulatedDeviceTest::SetUp();
        ASSERT_EQ(BindDeviceLibrary(), 0);
        ASSERT_EQ(dlltr::SetActive_Device(0x7A39, 0x4215), 0);
        device_ = {0x7A39, 0x4215, true};
        MarkJournal();
    }
    void TearDown() override { RemoveEncLevel(); }

    ActiveDevice device_;
};

// The level kept for the device switches noise cancellation on and goes back to the device
// inside the parameter block it answered with (bytes 8 to 11).
TEST_F(MicrophoneFeature, RefreshSwitchesNoiseCancellationOnWithTheDevicesLevel) {
    ASSERT_EQ(WriteRegDword(kEncKey, kEncValue, 17), 0);
    device().With([](sim::State& s) { s.encParameters[0] = 0x5A; });
    Microphone microphone(device_);
    microphone.RefreshENC();

    EXPECT_TRUE(microphone.ENCAvailable());
    EXPECT_TRUE(microphone.ENCEnable());
    EXPECT_EQ(microphone.ENCLevel(), 17);
    auto commands = JournalStarting(L"library DLLTR_AudioCommand");
    ASSERT_EQ(commands.size(), 2u);
    // Switched on first, then the block asked for.
    EXPECT_EQ(commands[0].rfind(L"library DLLTR_AudioCommand(4, 0, 01 00 00 00 00", 0), 0u)
        << commands[0].c_str();
    EXPECT_EQ(commands[1].rfind(L"library DLLTR_AudioCommand(4, 8, ", 0), 0u) << commands[1].c_str();
    auto parameters = JournalStarting(L"library DLLTR_SetEnc_Parameters");
    ASSERT_EQ(parameters.size(), 1u);
    EXPECT_EQ(parameters[0],
              L"library DLLTR_SetEnc_Parameters(5A 00 00 00 00 00 00 00 11 00 00 00 00 00 00 00) -> 0");
    EXPECT_TRUE(device().With([](sim::State& s) { return s.encEnabled; }));
}

TEST_F(MicrophoneFeature, WithoutALevelOrADeviceNothingReachesTheDevice) {
    struct Case {
        const char* name;
        bool present;
        bool level;
    };
    for (const Case& c : {Case{"no level kept", true, false}, Case{"no device", false, true}}) {
        RemoveEncLevel();
        if (c.level) {
            ASSERT_EQ(WriteRegDword(kEncKey, kEncValue, 9), 0);
        }
        device_.m_bDevicePresent = c.present;
        MarkJournal();
        Microphone microphone(device_);
        microphone.RefreshENC();
        EXPECT_FALSE(microphone.ENCAvailable()) << c.name;
        EXPECT_FALSE(microphone.ENCEnable()) << c.name;
        EXPECT_EQ(microphone.ENCLevel(), 0) << c.name;
        EXPECT_TRUE(JournalStarting(L"library").empty()) << c.name;
    }
}

namespace {

uint32_t SoftwareValue(const wchar_t* name) {
    uint32_t value = 0xDEAD;
    ReadRegDword(L"TRV 42xx Software", name, &value);
    return value;
}

} // namespace

// With a travel of 120 pixels: the thumb let go at the top sends and keeps 30, at the bottom 0,
// four pixels above it 1.
TEST_F(MicrophoneFeature, ENCThumbLetGoSendsAndKeepsItsLevel) {
    ASSERT_EQ(WriteRegDword(kEncKey, kEncValue, 15), 0);
    Microphone microphone(device_);
    microphone.RefreshENC();
    ASSERT_EQ(microphone.ENCLevel(), 15);
    struct Case {
        int fromBottom;
        int level;
        const wchar_t* bytes; // 8 to 11 of the parameter block
    };
    for (const Case& c : {Case{120, 30, L"1E 00 00 00"}, Case{0, 0, L"00 00 00 00"},
                          Case{4, 1, L"01 00 00 00"}}) {
        MarkJournal();
        microphone.ENCSliderMoved(c.fromBottom, 120);
        EXPECT_EQ(microphone.ENCLevel(), c.level);
        EXPECT_TRUE(JournalStarting(L"library").empty()); // nothing is sent while it moves
        microphone.ENCSliderReleased();
        auto sent = JournalStarting(L"library DLLTR_SetEnc_Parameters");
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].substr(32 + 24, 11), c.bytes) << sent[0].c_str();
        uint32_t kept = 0;
        EXPECT_EQ(ReadRegDword(kEncKey, kEncValue, &kept), 0);
        EXPECT_EQ(kept, static_cast<uint32_t>(c.level));
    }
}

TEST_F(MicrophoneFeature, VoiceChangeFollowsTheRegistryAndStoresItsChoices) {
    ASSERT_EQ(WriteRegDword(kEncKey, kEncValue, 9), 0);
    ASSERT_EQ(WriteRegDword(L"TRV 42xx Software", L"VoiceMagicEnable", 1), 0);
    ASSERT_EQ(WriteRegDword(L"TRV 42xx Software", L"VoiceMagicLevel", 10), 0);
    Microphone microphone(device_);
    microphone.RefreshENC();
    MarkJournal();
    microphone.RefreshVoiceMagic();
    EXPECT_TRUE(microphone.VoiceMagicEnable());
    EXPECT_EQ(microphone.VoiceMagicMode(), 0); // a level of 10 is no mode's
    EXPECT_EQ(SoftwareValue(L"VoiceMagicLevel"), 12u);

    MarkJournal();
    microphone.SelectVoiceMode(3);
    EXPECT_EQ(SoftwareValue(L"VoiceMagicLevel"), 2u);
    auto commands = JournalStarting(L"library DLLTR_AudioCommand(7, 2, ");
    ASSERT_EQ(commands.size(), 1u);
    // On, then a pitch step of -10.
    EXPECT_EQ(commands[0].substr(33, 17), L"01 00 00 00 F6 FF") << commands[0].c_str();

    // The device's removal stores voice change off for its next arrival.
    microphone.ClearState();
    EXPECT_EQ(SoftwareValue(L"VoiceMagicEnable"), 0u);
    EXPECT_FALSE(microphone.VoiceMagicEnable());
    EXPECT_EQ(microphone.VoiceMagicMode(), 0);
}

TEST_F(MicrophoneFeature, VolumeTakesTheMixerOnOlderPlatforms) {
    Microphone microphone(device_);
    microphone.SetPlatform(4);
    MarkJournal();
    microphone.ApplyMicVolume(50);
    EXPECT_EQ(JournalStarting(L"mixer write"),
              (std::vector<std::wstring>{L"mixer write 0 line 33 32767"}));
    // Read back through the device's volume steps.
    microphone.ShowMicVolume();
    EXPECT_NEAR(microphone.MicVolume(), 50, 1);
    // The endpoint path on platforms with endpoints.
    microphone.SetPlatform(6);
    MarkJournal();
    EXPECT_EQ(microphone.ApplyMicVolume(80), 0);
    EXPECT_TRUE(JournalStarting(L"mixer write").empty());
    microphone.ShowMicVolume();
    EXPECT_NEAR(microphone.MicVolume(), 80, 1);
}

// Monitoring through the device's register in mode 1 and every mode that is not 2 or 3.
TEST_F(MicrophoneFeature, MonitorModeFiveActsAsModeOne) {
    for (int mode : {1, 5}) {
        Microphone microphone(device_);
        microphone.SetMonitorMode(mode);
        MarkJournal();
        microphone.ApplyMicMonitor(true);
        EXPECT_EQ(JournalStarting(L"library"),
                  (std::vector<std::wstring>{L"library DLLTR_Read_Register(200) -> 0",
                                             L"library DLLTR_Write_Register(200, 4) -> 0",
                                             L"library DLLTR_Write_Register(230, 20) -> 0"}))
            << mode;
        EXPECT_TRUE(microphone.MicMonitor());
    }
}

TEST_F(MicrophoneFeature, SilenceEmptiesTheLevelBar) {
    Microphone microphone(device_);
    microphone.SetProgressLength(210);
    std::vector<uint8_t> loud(400, 160), silent(400, 128);
    microphone.LevelBuffer(loud.data(), loud.size());
    EXPECT_GT(microphone.MeterWidth(), 0);
    microphone.LevelBuffer(silent.data(), silent.size());
    EXPECT_EQ(microphone.MeterWidth(), 0);
}

// The microphone feature driven in-process against the simulated device, without a window.
#include "device/device_library.h"
#include "effects/microphone.h"
#include "registry_values.h"
#include "simulator_fixture.h"

#include <windows.h>

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

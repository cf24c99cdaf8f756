#include "device/device_library.h"
#include "simulator_fixture.h"

#include <cstring>

// The stand-in library beside this test program, bound by its bare name.
class DeviceLibrary : public SimulatedDeviceTest {
  protected:
    void SetUp() override {
        SimulatedDeviceTest::SetUp();
        ASSERT_EQ(BindDeviceLibrary(), 0);
    }
};

TEST_F(DeviceLibrary, BindsEveryEntryPointTheProgramCalls) {
    EXPECT_TRUE(DeviceLibraryBound());
    EXPECT_EQ(DeviceLibraryEntryCount(), 24);
    EXPECT_STREQ(DeviceLibraryEntryName(0), "DLLTR_SetActive_Device");
    EXPECT_STREQ(DeviceLibraryEntryName(23), "DLLTR_UsbHidSlave_SetRGB_Step_Ex");
}

TEST_F(DeviceLibrary, ActiveDeviceAndSwitchesWithReadBack) {
    EXPECT_EQ(dlltr::SetEQ_OnOff_ById(1, 0), 1); // no active device yet
    EXPECT_EQ(dlltr::SetActive_Device(0x7A39, 0x4216), 1);
    EXPECT_EQ(dlltr::SetActive_Device(0x7A39, 0x4215), 0);
    EXPECT_EQ(dlltr::ConfigEQ_ById(0), 0);
    EXPECT_EQ(dlltr::SetEQ_OnOff_ById(1, 0), 0);
    int state = -1;
    EXPECT_EQ(dlltr::IsEQ_Enable_ById(&state, 0), 0);
    EXPECT_EQ(state, 1);
    EXPECT_EQ(dlltr::Set3D_OnOff_ById(1, 0), 0);
    EXPECT_EQ(dlltr::Is3D_Enable_ById(&state, 0), 0);
    EXPECT_EQ(state, 1);
    EXPECT_EQ(dlltr::Write_Register(0x230, 0x20), 0);
    uint8_t value = 0;
    EXPECT_EQ(dlltr::Read_Register(0x230, &value), 0);
    EXPECT_EQ(value, 0x20);
    auto journal = JournalStarting(L"library DLLTR_SetActive_Device");
    EXPECT_EQ(journal.back(), L"library DLLTR_SetActive_Device(7A39, 4215) -> 0");

    // An injected failure answers once, then the device is back.
    device().With([](sim::State& s) { s.failNext[6] = 1; });
    EXPECT_EQ(dlltr::SetEQ_OnOff_ById(0, 0), 9);
    EXPECT_EQ(dlltr::IsEQ_Enable_ById(&state, 0), 0);
    EXPECT_EQ(state, 1);
    EXPECT_EQ(dlltr::SetEQ_OnOff_ById(0, 0), 0);

    device().Plug(false);
    EXPECT_EQ(dlltr::SetVirtual7ch1_OnOff(1), 1);
}

TEST_F(DeviceLibrary, AudioCommandsOfNoiseCancellationAndVoiceChange) {
    ASSERT_EQ(dlltr::SetActive_Device(0x7A39, 0x4215), 0);
    uint8_t block[kAudioCommandLength] = {4, 0, 1};
    int length = kAudioCommandLength;
    EXPECT_EQ(dlltr::AudioCommand(block, &length), 0);
    uint8_t parameters[16] = {};
    parameters[8] = 17;
    EXPECT_EQ(dlltr::SetEnc_Parameters(parameters), 0);
    uint8_t get[kAudioCommandLength] = {4, 8};
    EXPECT_EQ(dlltr::AudioCommand(get, &length), 0);
    EXPECT_EQ(get[2], 1);  // on
    EXPECT_EQ(get[6], 17); // level
    EXPECT_EQ(get[134 + 8], 17);

    uint8_t voice[kAudioCommandLength] = {7, 2, 1, 0, 0, 0, 0xF7, 0xFF};
    EXPECT_EQ(dlltr::AudioCommand(voice, &length), 0);
    EXPECT_EQ(device().With([](sim::State& s) { return s.voiceBlock[4]; }), 0xF7);
    uint8_t unknown[kAudioCommandLength] = {9, 9};
    EXPECT_EQ(dlltr::AudioCommand(unknown, &length), 3);
    int shortLength = 100;
    EXPECT_EQ(dlltr::AudioCommand(block, &shortLength), 2);
}

TEST_F(DeviceLibrary, EepromReadsOneByteAtATime) {
    ASSERT_EQ(dlltr::SetActive_Device(0x7A39, 0x4215), 0);
    device().PreloadEeprom(0, {0x00, 0x04, 0x40, 0x00, 0x04, 0x40, 0x00, 0x84});
    device().QueueEepromReads(7, {0xFF});
    uint8_t byte = 0;
    EXPECT_EQ(dlltr::Read_I2C_ById(0x51, 7, &byte, 1, 100, 0), 0);
    EXPECT_EQ(byte, 0xFF); // the queued answer first
    EXPECT_EQ(dlltr::Read_I2C_ById(0x51, 7, &byte, 1, 100, 0), 0);
    EXPECT_EQ(byte, 0x84);
    EXPECT_NE(dlltr::Read_I2C_ById(0x50, 7, &byte, 1, 100, 0), 0);
    EXPECT_EQ(JournalStarting(L"I2C read 51:07").size(), 2u);
}

TEST_F(DeviceLibrary, VirtualSurroundAndLighting) {
    ASSERT_EQ(dlltr::SetActive_Device(0x7A39, 0x4215), 0);
    VIRTUAL_7CH1_PARAMETERS parameters{};
    parameters.enable = 1;
    parameters.ratio[0] = 1.7f;
    EXPECT_EQ(dlltr::SetVirtual7ch1(&parameters), 0);
    float stored = 0;
    device().With([&](sim::State& s) { std::memcpy(&stored, s.virtual71Parameters + 4, 4); });
    EXPECT_EQ(stored, 1.7f);
    EXPECT_EQ(dlltr::SetRGB_Color(58, 1, 3, 0x10, 0x20, 0x30, 50), 0);
    EXPECT_EQ(dlltr::UsbHidSlave_SetRGB_Mode_Ex(1, 5, 2, 50), 0);
    EXPECT_EQ(dlltr::SetRGB_Color(58, 1, 8, 0, 0, 0, 50), 2);
    EXPECT_EQ(device().With([](sim::State& s) { return s.ledPalette[3]; }), 0x302010u);
    EXPECT_EQ(device().With([](sim::State& s) { return s.ledMode; }), 5u);
    EXPECT_EQ(JournalStarting(L"library DLLTR_SetRGB_Color").front(),
              L"library DLLTR_SetRGB_Color(3A, 1, 3, 10, 20, 30, 32) -> 0");
}

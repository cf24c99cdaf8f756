#include "device/extension_driver.h"
#include "simulator_fixture.h"

TEST(ExtensionDriverCodes, AreTheControlCodesOfTheDriver) {
    EXPECT_EQ(kEffectModeRequestCode, 0x08232008u);
    EXPECT_EQ(kEffectApplyRequestCode, 0x08232000u);
    EXPECT_EQ(kStatusRequestCode, 0x00223190u);
    EXPECT_EQ(kParameterRequestCode, 0x00223028u);
}

class ExtensionDriver : public SimulatedDeviceTest {};

TEST_F(ExtensionDriver, RequestsGoToThePathOfTheLastCheckedDevice) {
    EXPECT_EQ(ExtensionDriverPresent(0x7A39, 0x4215), 0);
    EXPECT_EQ(ExtensionDriverPath(), L"\\\\.\\Class#UsbAudioExtension&7A39&4215");
    MarkJournal();
    EXPECT_EQ(DriverEffectModeRequest(5), 0);
    EXPECT_EQ(DriverEffectApplyRequest(1), 0);
    uint32_t status = 0, parameter = 99;
    EXPECT_EQ(DriverStatusRequest(&status), 0);
    EXPECT_EQ(DriverParameterRequest(0, 0, &parameter), 0);
    EXPECT_EQ(status, 1u);
    EXPECT_EQ(parameter, 0u);
    EXPECT_EQ(JournalStarting(L"driver request"),
              (std::vector<std::wstring>{L"driver request 08232008 in 05 00 00 00",
                                         L"driver request 08232000 in 01 00 00 00",
                                         L"driver request 00223190 in 01 00 00 00 00 00 00 00",
                                         L"driver request 00223028 in 01 00 00 00 00 00 00 00"}));
    EXPECT_EQ(device().With([](sim::State& s) { return s.effectMode; }), 5u);
}

TEST_F(ExtensionDriver, MissingDriverOrOtherDeviceCannotBeOpened) {
    device().SetDriverPresent(false);
    EXPECT_EQ(ExtensionDriverPresent(0x7A39, 0x4215), 1);
    EXPECT_EQ(DriverStatusRequest(), 1);
    device().SetDriverPresent(true);
    EXPECT_EQ(ExtensionDriverPresent(0x7A39, 0x0042), 1);
    EXPECT_EQ(ExtensionDriverPath(), L"\\\\.\\Class#UsbAudioExtension&7A39&0042");
    EXPECT_EQ(DriverEffectModeRequest(1), 1);
}

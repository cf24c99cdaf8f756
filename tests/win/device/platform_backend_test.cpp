// The platform's back end under Wine, which has no 42xx device but HID interfaces, device
// lists and perhaps capture devices of its own.
#include "device/device_backend.h"
#include "device_id_mgr.h"
#include "device_search.h"
#include "device/endpoint_access.h"
#include "device/extension_driver.h"
#include "device/hid_access.h"
#include "test_support.h"

#include <gtest/gtest.h>

TEST(PlatformBackend, IsChosenWithoutTheSimulatorSwitch) {
    EXPECT_FALSE(SimulatorSelected());
    EXPECT_EQ(&Backend(), &PlatformBackend());
    EXPECT_EQ(&DeviceLists(), &PlatformDeviceLists());
}

TEST(PlatformBackend, HidInterfacesAreListedButNoneIsTheDevice) {
    std::vector<std::wstring> paths = Backend().HidInterfacePaths();
    for (const std::wstring& path : paths)
        EXPECT_EQ(path.substr(0, 4), L"\\\\?\\") << path.size();
    EXPECT_FALSE(OpenHidDevice(0x7A39, 0x4215));
}

TEST(PlatformBackend, DeviceListsAreReadAndHoldNoDeviceOfTheGroup) {
    TempFolder folder;
    WriteUtf16File(folder.Path() + L"AudioConfig.cfg",
                   L"[USB_VID_PID]\r\n1=USB\\VID_7A39&PID_42XX&REV_0100&MI_00,"
                   L"ECeFCOn8qwiU5YH8ofGvnEf2oVJLzGd0q8uzFl3Kfxm4WMIVGmhUXw==\r\n");
    CDeviceIdMgr ids(MatchRule::Panel);
    ASSERT_EQ(ids.Load(folder.Path() + L"AudioConfig.cfg", L"USB_VID_PID"), 0);
    const GUID audio = {
        0x6994AD04, 0x93EF, 0x11D0, {0xA3, 0xCC, 0x00, 0xA0, 0xC9, 0x22, 0x31, 0x96}};
    auto list = DeviceLists().Open(audio, true);
    ASSERT_TRUE(list);
    std::wstring found = L"untouched";
    EXPECT_EQ(FindMatchingDevice(audio, L"USB\\VID_7A39&PID_42XX&REV_0100&MI_00", ids, &found), 0);
    EXPECT_EQ(found, L"untouched");
    EXPECT_EQ(RestartMatchingDevices(audio, L"USB\\VID_7A39&PID_42XX&REV_0100&MI_00", ids), 0);
}

TEST(PlatformBackend, DriverPathOfAnAbsentDeviceDoesNotOpen) {
    EXPECT_EQ(ExtensionDriverPresent(0x7A39, 0x4215), 1);
    EXPECT_EQ(DriverEffectModeRequest(1), 1);
    EXPECT_EQ(DriverStatusRequest(), 1);
}

TEST(PlatformBackend, CaptureSearchFindsNoEndpointForAnAbsentDevice) {
    for (const CaptureDeviceInfo& device : Backend().CaptureDevices())
        EXPECT_FALSE(device.interfacePath.empty());
    EXPECT_FALSE(FindCaptureEndpoint(0x7A39, 0x4215));
    long value = 0, minimum = 0, maximum = 0;
    EXPECT_EQ(MixerControl(MixerReadVolume, &value, &minimum, &maximum, 0x7A39, 0x4215), 0);
}

#include "device_id_mgr.h"
#include "device_search.h"
#include "simulated_device_list.h"
#include "simulator_fixture.h"
#include "test_support.h"

#include <setupapi.h>

namespace {

const GUID kAudioClass = {
    0x6994AD04, 0x93EF, 0x11D0, {0xA3, 0xCC, 0x00, 0xA0, 0xC9, 0x22, 0x31, 0x96}};
const wchar_t kPattern[] = L"USB\\VID_7A39&PID_42XX&REV_0100&MI_00";

// The product's USB group: one entry, its pattern enciphered with the programs' key.
class DeviceSearch : public SimulatedDeviceTest {
  protected:
    void SetUp() override {
        SimulatedDeviceTest::SetUp();
        SetDeviceListSource(&sim::SimulatedDeviceLists());
        WriteUtf16File(folder_.Path() + L"AudioConfig.cfg",
                       L"[USB_VID_PID]\r\n1=USB\\VID_7A39&PID_42XX&REV_0100&MI_00,"
                       L"ECeFCOn8qwiU5YH8ofGvnEf2oVJLzGd0q8uzFl3Kfxm4WMIVGmhUXw==\r\n");
        ASSERT_EQ(ids_.Load(folder_.Path() + L"AudioConfig.cfg", L"USB_VID_PID"), 0);
        device().ClearDevices();
    }
    void TearDown() override { SetDeviceListSource(nullptr); }

    std::wstring Filters(int index) {
        auto list = sim::SimulatedDeviceLists().Open(kAudioClass, false);
        uint32_t type = 0;
        auto bytes = GetDeviceProperty(*list, index, SPDRP_LOWERFILTERS, &type);
        if (!bytes) return L"(none)";
        std::wstring all;
        for (const wchar_t* p = reinterpret_cast<const wchar_t*>(bytes->data()); *p;
             p += wcslen(p) + 1)
            all += std::wstring(all.empty() ? L"" : L",") + p;
        return all;
    }

    TempFolder folder_;
    CDeviceIdMgr ids_{MatchRule::Panel};
};

} // namespace

TEST_F(DeviceSearch, FindsTheFirstPresentDeviceOfTheGroupWithThePatternsLength) {
    device().AddDevice(L"USB\\VID_046D&PID_4215&REV_0100&MI_00", {},
                       true); // other vendor, same length
    device().AddDevice(L"USB\\VID_7A39&PID_4215&REV_0100&MI_00&X", {},
                       true); // group's, other length
    device().AddDevice(L"USB\\VID_7A39&PID_4216&REV_0100&MI_00", {}, false); // not present
    std::wstring found = L"untouched";
    EXPECT_EQ(FindMatchingDevice(kAudioClass, kPattern, ids_, &found), 0);
    EXPECT_EQ(found, L"untouched");

    device().AddDevice(L"usb\\vid_7a39&pid_4217&rev_0100&mi_00", {}, true);
    device().AddDevice(L"USB\\VID_7A39&PID_4218&REV_0100&MI_00", {}, true);
    EXPECT_EQ(FindMatchingDevice(kAudioClass, kPattern, ids_, &found), 1);
    EXPECT_EQ(found, L"usb\\vid_7a39&pid_4217&rev_0100&mi_00");
}

TEST_F(DeviceSearch, RemovesTheFilterOnlyWhereItComesFirst) {
    device().AddDevice(L"USB\\VID_7A39&PID_4215&REV_0100&MI_00", {L"polder", L"other"}, true);
    device().AddDevice(L"USB\\VID_7A39&PID_4216&REV_0100&MI_00", {L"other", L"Polder"}, true);
    device().AddDevice(L"USB\\VID_046D&PID_4215&REV_0100&MI_00", {L"Polder"}, true);
    device().AddDevice(L"USB\\VID_7A39&PID_4217&REV_0100&MI_00", {L"Polder"},
                       false); // absent devices too
    EXPECT_EQ(RemoveDeviceFilter(kAudioClass, kPattern, ids_, L"Polder"), 0);
    EXPECT_EQ(Filters(0), L"(none)");
    EXPECT_EQ(Filters(1), L"other,Polder");
    EXPECT_EQ(Filters(2), L"Polder");
    EXPECT_EQ(Filters(3), L"(none)");
}

TEST_F(DeviceSearch, RestartsEveryPresentMatchingDevice) {
    device().AddDevice(L"USB\\VID_7A39&PID_4215&REV_0100&MI_00", {L"Polder"}, true);
    device().AddDevice(L"USB\\VID_046D&PID_4215&REV_0100&MI_00", {}, true);
    device().AddDevice(L"USB\\VID_7A39&PID_4216&REV_0100&MI_00", {}, false);
    device().AddDevice(L"USB\\VID_7A39&PID_4218&REV_0100&MI_00", {}, true);
    MarkJournal();
    EXPECT_EQ(RemoveFilterAndRestart(kAudioClass, kPattern, ids_, L"Polder"), 0);
    EXPECT_EQ(
        JournalStarting(L"device restarted"),
        (std::vector<std::wstring>{L"device restarted USB\\VID_7A39&PID_4215&REV_0100&MI_00",
                                   L"device restarted USB\\VID_7A39&PID_4218&REV_0100&MI_00"}));
    EXPECT_EQ(Filters(0), L"(none)");
}

// A restart that needs a reboot or that the class installer refuses is a failed restart; the
// search goes on with the next device.
TEST_F(DeviceSearch, RestartFailuresAreReportedAndTheOthersRestarted) {
    device().AddDevice(L"USB\\VID_7A39&PID_4215&REV_0100&MI_00", {}, true);
    device().AddDevice(L"USB\\VID_7A39&PID_4216&REV_0100&MI_00", {}, true);
    device().AddDevice(L"USB\\VID_7A39&PID_4217&REV_0100&MI_00", {}, true);
    ASSERT_TRUE(device().SetRestartOutcome(0, true, false));
    ASSERT_TRUE(device().SetRestartOutcome(1, false, true));
    auto list = sim::SimulatedDeviceLists().Open(kAudioClass, true);
    ASSERT_TRUE(list);
    EXPECT_FALSE(RestartDevice(*list, 0)); // a reboot is needed
    EXPECT_FALSE(RestartDevice(*list, 1)); // the installer refuses
    EXPECT_TRUE(RestartDevice(*list, 2));
    MarkJournal();
    EXPECT_EQ(RestartMatchingDevices(kAudioClass, kPattern, ids_), 0);
    EXPECT_EQ(
        JournalStarting(L"device restart"),
        (std::vector<std::wstring>{L"device restarted USB\\VID_7A39&PID_4215&REV_0100&MI_00",
                                   L"device restart refused USB\\VID_7A39&PID_4216&REV_0100&MI_00",
                                   L"device restarted USB\\VID_7A39&PID_4217&REV_0100&MI_00"}));
}

TEST_F(DeviceSearch, PropertyHelpersFollowTheListsAnswers) {
    device().AddDevice(L"USB\\VID_7A39&PID_4215&REV_0100&MI_00", {L"Polder"}, true);
    auto list = sim::SimulatedDeviceLists().Open(kAudioClass, true);
    ASSERT_TRUE(list);
    uint32_t type = 0;
    auto id = GetDeviceProperty(*list, 0, SPDRP_HARDWAREID, &type);
    ASSERT_TRUE(id);
    EXPECT_EQ(type, static_cast<uint32_t>(REG_MULTI_SZ));
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(id->data())),
              L"USB\\VID_7A39&PID_4215&REV_0100&MI_00");
    EXPECT_TRUE(DevicePropertyEquals(*list, 0, L"POLDER", SPDRP_LOWERFILTERS));
    EXPECT_FALSE(DevicePropertyEquals(*list, 0, L"Polde", SPDRP_LOWERFILTERS));
    EXPECT_FALSE(GetDeviceProperty(*list, 0, SPDRP_UPPERFILTERS, &type));
    EXPECT_FALSE(GetDeviceProperty(*list, 5, SPDRP_HARDWAREID, &type));
    EXPECT_TRUE(RestartDevice(*list, 0));
}

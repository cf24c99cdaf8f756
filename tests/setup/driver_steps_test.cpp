#include "setup_fixture.h"

#include "device_operations.h"
#include "fs_redirection.h"
#include "registry_values.h"
#include "setup_names.h"
#include "simulated_device.h"
#include "win_handles.h"

namespace {

sim::SimulatedDevice& Device() {
    return sim::SimulatedDevice::Instance();
}

std::vector<std::wstring> FiltersOf(const std::wstring& hardwareId) {
    for (const auto& entry : Device().DeviceList())
        if (entry.hardwareId == hardwareId) return entry.lowerFilters;
    return {L"(no such device)"};
}

const wchar_t kOwnFunction[] = L"USB\\VID_7A39&PID_4215&REV_0100&MI_00";
const wchar_t kOtherFamilyMember[] = L"USB\\VID_7A39&PID_4216&REV_0100&MI_00";

} // namespace

class DriverPreparation : public SetupFixture {};

// The old driver comes off every device whose first lower filter it is, whatever the letter
// case, with the filters after it; a device that lists another filter first keeps its list.
// A 32-bit setup on a 64-bit system does this through its 64-bit helper.
TEST_F(DriverPreparation, TakesTheFilterOffWhereItIsFirstAndWarnsWhenTheExtensionIsGone) {
    EXPECT_EQ(ChooseDeviceOperations(state_.is64),
              IsWow64() ? DeviceOperationsKind::Helper64 : DeviceOperationsKind::InProcess);
    Device().ClearDevices();
    Device().AddDevice(kOwnFunction, {L"pOLDER", L"Other"}, true);
    Device().AddDevice(kOtherFamilyMember, {L"Other", L"Polder"}, true);
    InstallSequence sequence(state_, nullptr);
    EXPECT_TRUE(sequence.PrepareDriver());
    EXPECT_EQ(FiltersOf(kOwnFunction), std::vector<std::wstring>{});
    EXPECT_EQ(FiltersOf(kOtherFamilyMember), (std::vector<std::wstring>{L"Other", L"Polder"}));
    EXPECT_EQ(boxes_.Texts(), std::vector<std::wstring>{state_.Text(LabelWarning3)});
}

TEST_F(DriverPreparation, WithNoDeviceAttachedNothingChangesAndNothingIsShown) {
    Device().Plug(false);
    Device().ClearDevices();
    InstallSequence sequence(state_, nullptr);
    EXPECT_TRUE(sequence.PrepareDriver());
    sequence.ActivateDriver();
    EXPECT_TRUE(boxes_.Texts().empty());
}

// A driver that cannot be unloaded keeps its interface open: nothing is installed.
TEST_F(DriverPreparation, AnInterfaceStillOpenStopsTheInstallation) {
    Device().PinDriver(0, true);
    WorkerRun run = RunWorker();
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(boxes_.Texts(), std::vector<std::wstring>{state_.Text(LabelWarning1)});
    EXPECT_TRUE(StepLines().empty());
    EXPECT_TRUE(run.progress.empty());
    EXPECT_EQ(beeps_, 0);
    EXPECT_FALSE(FolderExists(state_.folders.InstallFolderFullPath));
}

// Both kinds of device operations reach the same devices (the helper is a 64-bit program in
// every build, so this runs it in the 64-bit build too).
TEST_F(DriverPreparation, TheHelperAndThisProcessDoTheSameWork) {
    for (DeviceOperationsKind kind :
         {DeviceOperationsKind::InProcess, DeviceOperationsKind::Helper64}) {
        Device().ClearDevices();
        Device().AddDevice(kOwnFunction, {L"Polder"}, true);
        auto operations = MakeDeviceOperations(kind, state_.usbIds);
        uint32_t before = Device().JournalSequence();
        EXPECT_EQ(operations->RemoveFilterAndRestart(kFilterDriverName), 0);
        EXPECT_EQ(FiltersOf(kOwnFunction), std::vector<std::wstring>{});
        EXPECT_EQ(operations->RestartMatchingDevices(), 0);
        EXPECT_EQ(operations->FindMatchingDevice(), 1);
        size_t restarts = 0;
        for (const std::wstring& line : Device().JournalLines(before))
            if (line.find(L"device restarted ") != std::wstring::npos) ++restarts;
        EXPECT_EQ(restarts, 2u) << static_cast<int>(kind);
    }
}

class FilterDriverStep : public SetupFixture {};

TEST_F(FilterDriverStep, WritesTheDriverForTheSystemAndItsServiceKey) {
    InstallSequence sequence(state_, nullptr);
    EXPECT_EQ(sequence.Install_FilterDriver(), InstallStepOk);
    void* previous = nullptr;
    bool wow64 = IsWow64();
    if (wow64) DisableFsRedirection(&previous);
    std::string driver = ReadFileBytes(sequence.DriverFilePath());
    if (wow64) RevertFsRedirection(previous);
    EXPECT_NE(driver.find(state_.is64 ? "64-bit" : "32-bit"), std::string::npos);
    // The 32-bit programs' folder stays clean.
    if (wow64) {
        wchar_t x86[MAX_PATH] = L"";
        GetSystemWow64DirectoryW(x86, MAX_PATH);
        EXPECT_FALSE(FileExists(std::wstring(x86) + L"\\drivers\\Polder.sys"));
    }
    UniqueRegKey key;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Services\\Polder", 0,
                            KEY_READ | KEY_WOW64_64KEY, key.put()),
              ERROR_SUCCESS);
    wchar_t image[MAX_PATH] = L"";
    DWORD size = sizeof image, type = 0;
    RegQueryValueExW(key.get(), L"ImagePath", nullptr, &type, reinterpret_cast<BYTE*>(image),
                     &size);
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_STREQ(image, L"System32\\DRIVERS\\Polder.sys");
}

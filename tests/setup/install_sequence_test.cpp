#include "setup_fixture.h"

#include "file_operations.h"
#include "fs_redirection.h"
#include "payload_resource.h"
#include "service_control.h"
#include "setup_names.h"
#include "simulated_device.h"
#include "win_handles.h"

#include <shlobj.h>

#include <algorithm>
#include <functional>

namespace {

std::wstring ReadNative(const std::wstring& path) {
    void* previous = nullptr;
    bool wow64 = IsWow64();
    if (wow64) DisableFsRedirection(&previous);
    std::string bytes = ReadFileBytes(path);
    if (wow64) RevertFsRedirection(previous);
    return std::wstring(bytes.begin(), bytes.end());
}

std::wstring BuildFile(const std::wstring& relative) {
    std::string bytes = ReadFileBytes(BinFolder() + relative);
    return std::wstring(bytes.begin(), bytes.end());
}

std::wstring SameBytesAs(const std::wstring& path) {
    std::string bytes = ReadFileBytes(path);
    return std::wstring(bytes.begin(), bytes.end());
}

DWORD RegDword(HKEY root, const std::wstring& keyPath, const std::wstring& name) {
    UniqueRegKey key;
    DWORD value = 0xFFFFFFFF, size = sizeof value;
    if (RegOpenKeyExW(root, keyPath.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, key.put()) ==
        ERROR_SUCCESS)
        RegQueryValueExW(key.get(), name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                         &size);
    return value;
}

std::wstring ServiceBinaryPath(const std::wstring& name, DWORD* state) {
    UniqueServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
    UniqueServiceHandle service(
        OpenServiceW(manager.get(), name.c_str(), SERVICE_QUERY_CONFIG | SERVICE_QUERY_STATUS));
    if (!service) return L"";
    BYTE buffer[8192];
    DWORD needed = 0;
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer);
    if (!QueryServiceConfigW(service.get(), config, sizeof buffer, &needed)) return L"";
    SERVICE_STATUS status{};
    QueryServiceStatus(service.get(), &status);
    *state = status.dwCurrentState;
    return config->lpBinaryPathName;
}

std::vector<std::wstring> AllSteps(bool plugins) {
    std::vector<std::wstring> steps;
    for (const wchar_t* s : {L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"8.1", L"9"}) {
        std::wstring n = s;
        if (!plugins && (n == L"7" || n == L"8" || n == L"8.1")) continue;
        steps.push_back(L"===== Install STEP" + n + L" =====\n");
    }
    return steps;
}

HWND FindTopLevel(const std::wstring& className) {
    return FindWindowW(className.c_str(), nullptr);
}

} // namespace

class InstallSequenceTest : public SetupFixture {};

// A first installation on a system with the headset attached, then a second one over it; the
// installed service starts the installed panel, and the installed uninstaller takes it all away.
TEST_F(InstallSequenceTest, InstallsThePackageRunsItAgainAndUninstalls) {
    const _APPLICATION_FOLDER_PATH& f = state_.folders;
    WorkerRun run = RunWorker();
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(StepLines(), AllSteps(true));
    EXPECT_EQ(run.progress, (std::vector<int>{1, 10, 20, 30, 40, 50, 60, 70, 80, 90, 95, 98, 98}));
    EXPECT_EQ(beeps_, 1);
    // The preparation took the old driver off: the device runs without its extension until the
    // service, installed since, has put the driver back and STEP9 restarted the device.
    EXPECT_EQ(boxes_.Texts(), std::vector<std::wstring>{state_.Text(LabelWarning3)});
    EXPECT_EQ(boxes_.Captions(), std::vector<std::wstring>{L"Install"});
    EXPECT_EQ(sim::SimulatedDevice::Instance().DeviceList().front().lowerFilters,
              std::vector<std::wstring>{L"Polder"});
    EXPECT_TRUE(sim::SimulatedDevice::Instance().DriverOpen(kExtensionInterfacePath));

    // Programs, written from the payloads into the install, system and plug-in folders; the
    // 64-bit builds of driver and service when a 32-bit setup runs on a 64-bit system.
    const std::wstring install = f.InstallFolderFullPath;
    EXPECT_EQ(install, SpecialFolder(CSIDL_PROGRAM_FILESX86) + L"TRV 42xx Audio\\");
    EXPECT_EQ(SameBytesAs(install + L"Kestrel.exe"), BuildFile(L"Kestrel.exe"));
    EXPECT_EQ(SameBytesAs(install + L"Uninstall.exe"), BuildFile(L"Uninstall.exe"));
    EXPECT_EQ(SameBytesAs(install + L"Plugin\\Effect\\Effect.exe"),
              BuildFile(L"Plugin\\Effect\\Effect.exe"));
    EXPECT_EQ(SameBytesAs(install + L"Plugin\\SoundEffect\\SoundEffect.exe"),
              BuildFile(L"Plugin\\SoundEffect\\SoundEffect.exe"));
    wchar_t windows[MAX_PATH] = L"";
    GetWindowsDirectoryW(windows, MAX_PATH);
    EXPECT_EQ(f.SystemFolderPath, std::wstring(windows) + L"\\system32\\");
    const bool is64 = state_.is64;
    EXPECT_EQ(ReadNative(f.SystemFolderPath + L"drivers\\Polder.sys"),
              BuildFile(is64 ? L"..\\payloads\\Polder64.sys" : L"..\\payloads\\Polder32.sys"));
    EXPECT_EQ(ReadNative(f.SystemFolderPath + L"Meridel.exe"),
              BuildFile(is64 ? L"..\\x64\\Meridel.exe" : L"Meridel.exe"));
    EXPECT_EQ(SameBytesAs(f.SystemX86FolderPath + kUpdatePackageFileName),
              BuildFile(L"..\\payloads\\Windows6.1-KB3033929-x64.msu"));

    // Support files and folders, the manual of the chosen language.
    for (const wchar_t* file : {L"AudioConfig.cfg", L"Kestrel.ico", L"bee.wav",
                                L"DLLTR_UsbAudio42xx_x32.dll", L"Language\\English\\Language.ini",
                                L"Skin\\SkinSetting.ini", L"Manual\\English\\Manual.txt"})
        EXPECT_EQ(SameBytesAs(install + file), SameBytesAs(Source() + file)) << file;

    // Shortcuts, logon entry, uninstall entry.
    const std::wstring menu = SpecialFolder(CSIDL_COMMON_PROGRAMS) + L"TRV 42xx Audio\\";
    EXPECT_EQ(LinkTarget(menu + L"TRV 42xx Audio.lnk"), install + L"Kestrel.exe");
    EXPECT_EQ(LinkTarget(menu + L"Uninstall TRV 42xx Audio.lnk"), install + L"Uninstall.exe");
    EXPECT_EQ(LinkTarget(menu + L"TRV 42xx Audio Manual.lnk"),
              install + L"Manual\\English\\Manual.txt");
    EXPECT_EQ(LinkTarget(SpecialFolder(CSIDL_DESKTOPDIRECTORY) + L"TRV 42xx Audio.lnk"),
              install + L"Kestrel.exe");
    EXPECT_EQ(RegString(L"Microsoft\\Windows\\CurrentVersion\\Run", L"Kestrel"),
              L"\"" + install + L"Kestrel.exe\" -boot");
    const std::wstring uninstallKey =
        L"Microsoft\\Windows\\CurrentVersion\\Uninstall\\TRV42xxAudioExt";
    const std::pair<const wchar_t*, std::wstring> entry[] = {
        {L"DisplayName", L"TRV 42xx Audio"},
        {L"UninstallString", install + L"Uninstall.exe"},
        {L"DisplayIcon", install + L"Uninstall.exe"},
        {L"DisplayVersion", L"1.0.2.3"},
        {L"Publisher", L"TRV"},
    };
    for (const auto& value : entry)
        EXPECT_EQ(RegString(uninstallKey, value.first), value.second) << value.first;

    // The command lines the service starts, all fifteen.
    const std::wstring panel = L"\"" + install + L"Kestrel.exe\"";
    const std::wstring effect = L"\"" + install + L"Plugin\\Effect\\Effect.exe\"";
    const std::wstring sound = L"\"" + install + L"Plugin\\SoundEffect\\SoundEffect.exe\"";
    for (const auto& group :
         {std::make_pair(L'C', panel), std::make_pair(L'B', effect), std::make_pair(L'D', sound)}) {
        const std::wstring g(1, group.first);
        const std::pair<std::wstring, std::wstring> values[] = {
            {L"UserPrivilegeExecution_" + g + L"0", group.second + L" -servicestart"},
            {L"AdminPrivilegeExecution_" + g + L"1", group.second + L" -servicestart"},
            {L"SystemPrivilegeExecution_" + g + L"2", group.second + L" -servicestart"},
            {L"SystemPrivilegeExecutionOnBoot_" + g + L"3", group.second + L" -serviceboot"},
            {L"AdminPrivilegeExecutionOnBoot_" + g + L"4", group.second + L" -serviceboot"},
        };
        for (const auto& value : values)
            EXPECT_EQ(RegString(kSoftwareKeyName, value.first), value.second) << value.first;
    }

    // The driver's service key and the running device service.
    const std::wstring driverKey = L"SYSTEM\\CurrentControlSet\\Services\\Polder";
    EXPECT_EQ(RegDword(HKEY_LOCAL_MACHINE, driverKey, L"ErrorControl"), 1u);
    EXPECT_EQ(RegDword(HKEY_LOCAL_MACHINE, driverKey, L"Start"), 3u);
    EXPECT_EQ(RegDword(HKEY_LOCAL_MACHINE, driverKey, L"Type"), 1u);
    DWORD serviceState = 0;
    EXPECT_EQ(ServiceBinaryPath(kDeviceServiceName, &serviceState),
              f.SystemFolderPath + L"Meridel.exe");
    EXPECT_EQ(serviceState, static_cast<DWORD>(SERVICE_RUNNING));

    // A second run over the first replaces what it wrote; the entry names the newer setup.
    state_.version = L"2.0.0.0";
    FillUninstallRecord(state_);
    WriteFileBytes(install + L"Kestrel.exe", "an older panel");
    run = RunWorker();
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(beeps_, 2);
    EXPECT_EQ(boxes_.Texts().size(), 2u);
    EXPECT_EQ(SameBytesAs(install + L"Kestrel.exe"), BuildFile(L"Kestrel.exe"));
    EXPECT_EQ(RegString(uninstallKey, L"DisplayVersion"), L"2.0.0.0");
    EXPECT_EQ(ServiceBinaryPath(kDeviceServiceName, &serviceState),
              f.SystemFolderPath + L"Meridel.exe");
    EXPECT_EQ(serviceState, static_cast<DWORD>(SERVICE_RUNNING));

    // The installed service starts the installed panel on 193.
    EXPECT_EQ(ControlTheService(kDeviceServiceName, 193), ServiceOk);
    HWND main = nullptr;
    EXPECT_TRUE(WaitUntil(
        [&] {
            return (main = FindTopLevel(L"TAudioMainForm")) != nullptr && IsWindowVisible(main);
        },
        60000));
    if (main) {
        PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return FindTopLevel(L"TAudioMainForm") == nullptr; }, 30000));
    }

    // The uninstaller removes the installation.
    ChildProcess uninstaller(Quoted(install + L"Uninstall.exe"));
    ASSERT_TRUE(uninstaller.Started());
    EXPECT_TRUE(WaitUntil([&] { return !FolderExists(install); }, 60000));
    EXPECT_TRUE(WaitUntil(
        [&] { return ServiceBinaryPath(kDeviceServiceName, &serviceState).empty(); }, 30000));
    EXPECT_FALSE(FolderExists(menu));
    EXPECT_FALSE(FileExists(SpecialFolder(CSIDL_DESKTOPDIRECTORY) + L"TRV 42xx Audio.lnk"));
    EXPECT_EQ(RegString(L"Microsoft\\Windows\\CurrentVersion\\Run", L"Kestrel"), L"");
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE\\" + uninstallKey, KEY_WOW64_32KEY));
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, L"SOFTWARE\\TRV 42xx Software", KEY_WOW64_32KEY));
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, driverKey, KEY_WOW64_64KEY));
    EXPECT_TRUE(ReadNative(f.SystemFolderPath + L"drivers\\Polder.sys").empty());
}

// A failed step shows the failure text with its code once, runs nothing after it and sounds no
// beep; the finish page still follows about half a second after the box is closed.
TEST_F(InstallSequenceTest, AFailedStepShowsItsCodeAndEndsTheSequence) {
    struct Case {
        const wchar_t* what;
        std::function<void()> breakIt;
        const wchar_t* code;
        const wchar_t* lastStep;
        int lastProgress;
    };
    const Case cases[] = {
        {L"panel file cannot be written",
         [this] { CreateFolderPath(state_.folders.InstallFolderFullPath + L"Kestrel.exe\\"); },
         L"(Code = 0x80000003)", L"===== Install STEP3 =====\n", 60},
        {L"plug-in folder without the sound-effect program's folder",
         [this] {
             state_.folders.PluginFolderName = L"PluginWithoutSound";
             RemoveTree(Source() + L"PluginWithoutSound\\");
             CreateFolderPath(Source() + L"PluginWithoutSound\\Effect\\");
         },
         L"(Code = 0x80000008)", L"===== Install STEP8.1 =====\n", 98},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveInstallation();
        PrepareState();
        c.breakIt();
        size_t boxesBefore = boxes_.Texts().size();
        size_t linesBefore = StepLines().size();
        WorkerRun run = RunWorker();
        ASSERT_TRUE(run.finished);
        std::vector<std::wstring> boxes = boxes_.Texts();
        ASSERT_EQ(boxes.size(),
                  boxesBefore + 2); // the missing extension before STEP1, then the failure
        EXPECT_EQ(boxes.back(), std::wstring(L"Setup failed.") + c.code);
        std::vector<std::wstring> lines = StepLines();
        EXPECT_EQ(lines.back(), c.lastStep);
        const std::vector<std::wstring> all = AllSteps(true);
        EXPECT_EQ(
            lines.size() - linesBefore,
            static_cast<size_t>(std::find(all.begin(), all.end(), c.lastStep) - all.begin() + 1));
        EXPECT_EQ(run.progress.back(), c.lastProgress);
        EXPECT_EQ(beeps_, 0);
        EXPECT_GE(run.boxClosedToFinishedMs, 400u);
        EXPECT_LT(run.boxClosedToFinishedMs, 5000u);
    }
}

// Without a plug-in folder name the plug-in steps and their lines are left out; without the
// update STEP10 is left out, no 100 is posted, and the complete run still beeps.
TEST_F(InstallSequenceTest, PluginAndUpdateStepsRunOnlyWhenConfigured) {
    state_.pluginFlag = 0;
    state_.updateFlag = 0;
    WorkerRun run = RunWorker();
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(StepLines(), AllSteps(false));
    EXPECT_EQ(run.progress, (std::vector<int>{1, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
    EXPECT_EQ(beeps_, 1);
    EXPECT_FALSE(FolderExists(state_.folders.InstallFolderFullPath + L"Plugin\\"));
}

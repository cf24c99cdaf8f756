// The panel as a tray application following the simulated device as it comes and goes.
#include "inspect_client.h"
#include "panel_fixture.h"
#include "simulated_device.h"

#include <algorithm>

namespace {

const DWORD kTimeout = 30000;

sim::SimulatedDevice& Device() {
    return sim::SimulatedDevice::Instance();
}

// True when the journal lines from `from` on contain the expected lines in this order.
bool JournalInOrder(uint32_t from, const std::vector<std::wstring>& expected) {
    std::vector<std::wstring> lines = Device().JournalLines(from);
    auto at = lines.begin();
    for (const std::wstring& e : expected) {
        at = std::find(at, lines.end(), e);
        if (at == lines.end()) return false;
        ++at;
    }
    return true;
}

size_t JournalCount(uint32_t from, const std::wstring& line) {
    auto lines = Device().JournalLines(from);
    return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

} // namespace

class PanelShell : public PanelFixture {
  protected:
    void SetUp() override {
        PanelFixture::SetUp();
        ASSERT_TRUE(Device().Available());
        Device().Reset();
        const std::wstring stage = BinFolder() + L"..\\stage\\";
        ASSERT_TRUE(CopyFileW((stage + L"AudioConfig.cfg").c_str(),
                              (folder_.Path() + L"AudioConfig.cfg").c_str(), FALSE));
        for (const wchar_t* plugin : {L"Effect", L"SoundEffect"}) {
            CreateDirectoryW((folder_.Path() + L"Plugin").c_str(), nullptr);
            CreateDirectoryW((folder_.Path() + L"Plugin\\" + plugin).c_str(), nullptr);
            std::wstring file = std::wstring(L"Plugin\\") + plugin + L"\\" + plugin + L".exe";
            ASSERT_TRUE(CopyFileW((stage + file).c_str(), (folder_.Path() + file).c_str(), FALSE));
        }
        SetEnvironmentVariableW(L"TRV42XX_SIMULATOR", L"1");
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"TRV42XX_SIMULATOR", nullptr);
        PanelFixture::TearDown();
    }

    // Starts the panel of the test's folder and waits until it is ready.
    std::unique_ptr<RunningPanel> StartRunningPanel() {
        auto panel = std::make_unique<RunningPanel>(folder_.Path());
        EXPECT_TRUE(panel->Ready());
        main_ = panel->Main();
        return panel;
    }

    HWND main_ = nullptr;
};

TEST_F(PanelShell, UsableDeviceIsActivatedAtStart) {
    uint32_t from = Device().JournalSequence();
    auto panel = StartRunningPanel();
    auto state = panel->State();
    EXPECT_EQ(state[L"deviceText"], L"LabelActive");
    EXPECT_EQ(state[L"present"], L"1");
    EXPECT_EQ(state[L"timer1"], L"0");
    EXPECT_EQ(state[L"hid"], L"1");
    EXPECT_EQ(state[L"vid"], L"7A39");
    EXPECT_EQ(state[L"activations"], L"0");
    EXPECT_TRUE(JournalInOrder(from, {L"library DLLTR_SetActive_Device(7A39, 4215) -> 0",
                                      L"driver open \\\\.\\Class#UsbAudioExtension&7A39&4215",
                                      L"driver request 00223190 in 01 00 00 00 00 00 00 00",
                                      L"library DLLTR_SetVirtual7ch1_OnOff(0) -> 0",
                                      L"driver request 00223028 in 01 00 00 00 00 00 00 00",
                                      L"driver request 08232000 in 01 00 00 00"}));
    panel->Close();
}

TEST_F(PanelShell, DriverMissingKeepsTheTimerRetryingUntilItAnswers) {
    Device().SetDriverPresent(false);
    auto panel = StartRunningPanel();
    EXPECT_EQ(panel->State()[L"deviceText"], L"LabelUnDriver");
    EXPECT_EQ(panel->State()[L"timer1"], L"1");
    // Two ticks, two seconds apart, find the device without its driver.
    ASSERT_TRUE(WaitUntil(
        [&] {
            auto writes = monitor_.WritesOf(panel->Pid());
            return std::count(writes.begin(), writes.end(), L"DeviceArrivalforTimer1") >= 2;
        },
        kTimeout));
    EXPECT_EQ(panel->State()[L"present"], L"0");
    uint32_t from = Device().JournalSequence();
    Device().SetDriverPresent(true);
    EXPECT_TRUE(panel->WaitForState(L"timer1", L"0"));
    auto state = panel->State();
    EXPECT_EQ(state[L"deviceText"], L"LabelActive");
    EXPECT_EQ(state[L"activations"], L"1");
    EXPECT_TRUE(JournalInOrder(from, {L"driver request 00223190 in 01 00 00 00 00 00 00 00",
                                      L"library DLLTR_SetVirtual7ch1_OnOff(0) -> 0",
                                      L"driver request 00223028 in 01 00 00 00 00 00 00 00"}));
    panel->Close();
}

TEST_F(PanelShell, NoHidInterfaceShowsTheDeviceAsAbsent) {
    Device().SetHidPresent(false);
    auto panel = StartRunningPanel();
    auto state = panel->State();
    EXPECT_EQ(state[L"deviceText"], L"LabelUnactive");
    EXPECT_EQ(state[L"present"], L"0");
    EXPECT_EQ(state[L"timer1"], L"1");
    EXPECT_EQ(state[L"hid"], L"0");
    panel->Close();
}

TEST_F(PanelShell, RemovalAndReplugRunTheFullActivationAgain) {
    auto panel = StartRunningPanel();
    ASSERT_EQ(panel->State()[L"present"], L"1");
    Device().Plug(false);
    ASSERT_TRUE(panel->WaitForState(L"present", L"0"));
    auto state = panel->State();
    EXPECT_EQ(state[L"deviceText"], L"LabelUnactive");
    EXPECT_EQ(state[L"hid"], L"0");
    EXPECT_EQ(state[L"activations"], L"0");
    EXPECT_EQ(state[L"timer1"], L"0"); // a removal does not restart the search

    uint32_t from = Device().JournalSequence();
    Device().Plug(true);
    ASSERT_TRUE(panel->WaitForState(L"activations", L"1"));
    EXPECT_EQ(panel->State()[L"deviceText"], L"LabelActive");
    EXPECT_TRUE(monitor_.WaitFor(panel->Pid(), L"DeviceArrival1", 5000));
    EXPECT_TRUE(JournalInOrder(from, {L"library DLLTR_SetActive_Device(7A39, 4215) -> 0",
                                      L"driver open \\\\.\\Class#UsbAudioExtension&7A39&4215",
                                      L"driver request 00223190 in 01 00 00 00 00 00 00 00",
                                      L"driver request 00223028 in 01 00 00 00 00 00 00 00"}));
    panel->Close();
}

TEST_F(PanelShell, OtherDevicesComingAndGoingChangeNothing) {
    auto panel = StartRunningPanel();
    const std::wstring mouse = L"\\\\?\\HID#VID_046D&PID_C077&MI_00#7&9a8b7c&0&0000#{4d1e55b2-f16f-"
                               L"11cf-88cb-001111000030}";
    uint32_t from = Device().JournalSequence();
    Device().AddOtherHid(mouse, 0x046D, 0xC077, 8, 8);
    EXPECT_TRUE(monitor_.WaitFor(panel->Pid(), L"DeviceArrival1", kTimeout));
    Device().RemoveOtherHid(mouse);
    Sleep(1500);
    EXPECT_EQ(JournalCount(from, L"library DLLTR_SetActive_Device(7A39, 4215) -> 0"), 0u);
    auto state = panel->State();
    EXPECT_EQ(state[L"present"], L"1");
    EXPECT_EQ(state[L"hid"], L"1");
    EXPECT_EQ(state[L"deviceText"], L"LabelActive");
    panel->Close();
}

// A second start hands over to the running panel without reaching the device (no status
// request, no virtual 7.1 switch, no effect apply, no lighting) and without writing the
// user's last profile.
TEST_F(PanelShell, SecondStartLeavesTheDeviceAndTheLastProfileAlone) {
    auto panel = StartRunningPanel();
    ASSERT_EQ(panel->State()[L"present"], L"1");
    wchar_t appData[MAX_PATH] = L"", installFolder[MAX_PATH] = L"";
    ASSERT_GT(GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH), 0u);
    GetPrivateProfileStringW(L"Install", L"InstallFolderName", L"", installFolder, MAX_PATH,
                             (folder_.Path() + L"AudioConfig.cfg").c_str());
    const std::wstring userFolder = std::wstring(appData) + L"\\" + installFolder;
    const bool madeFolder = CreateDirectoryW(userFolder.c_str(), nullptr) != FALSE;
    const std::wstring profile = userFolder + L"\\LastProfile.ini";
    const std::string saved = "[Effect]\r\nCurrentEffect=3\r\n";
    WriteFileBytes(profile, saved);

    uint32_t from = Device().JournalSequence();
    auto second = StartPanel(L"-servicestart");
    EXPECT_EQ(second->WaitExit(kTimeout), 0);
    std::wstring journal;
    for (const std::wstring& line : Device().JournalLines(from))
        journal += line + L"\n";
    EXPECT_EQ(journal, L"");
    EXPECT_EQ(ReadFileBytes(profile), saved);
    EXPECT_TRUE(panel->Process().Running());
    panel->Close();
    DeleteFileW(profile.c_str());
    if (madeFolder) RemoveDirectoryW(userFolder.c_str());
}

TEST_F(PanelShell, AppExitMessageClosesThePanel) {
    auto panel = StartRunningPanel();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"WM_TRV42xxAPP_EXIT"), 0, 0,
                        SMTO_NORMAL, 1000, &ignored);
    EXPECT_EQ(panel->Process().WaitExit(kTimeout), 0);
}

TEST_F(PanelShell, TrayIconCarriesTheMenuAndCloseEndsThePanel) {
    auto panel = StartRunningPanel();
    std::wstring text = InspectForm(main_);
    auto tray = InspectLine(text, L"tray");
    EXPECT_EQ(tray[L"visible"], L"1");
    EXPECT_EQ(tray[L"shown"], L"1");
    EXPECT_EQ(tray[L"hint"], L"TRV 42xx Audio");
    for (const wchar_t* path : {L"LanguageMenu/", L"SkinMenu/", L"ModeMenu/", L"ModeMenu/Effect/",
                                L"ModeMenu/SoundEffect/", L"CloseMenu/"})
        EXPECT_EQ(InspectLine(text, std::wstring(L"menu path=") + path)[L"visible"], L"1") << path;
    panel->ClickMenu(L"CloseMenu/");
    EXPECT_EQ(panel->Process().WaitExit(kTimeout), 0);
}

TEST_F(PanelShell, PluginStartedFromTheMenuKeepsThePanelHidden) {
    auto panel = StartRunningPanel();
    HWND tray = WaitForWindow(panel->Pid(), L"TTrayIconWindow", kTimeout);
    panel->ClickMenu(L"ModeMenu/Effect/");
    const std::wstring path = folder_.Path() + L"Plugin\\Effect\\Effect.exe";
    ASSERT_TRUE(monitor_.WaitFor(
        panel->Pid(), L"WM_APP_EXIT_RESUMEWM_APP_EXIT_EFFECTWM_APP_EXIT_EFFECT" + path, kTimeout));
    EXPECT_TRUE(
        WaitUntil([&] { return FindWindowW(L"TrvEffectPlugin", nullptr) != nullptr; }, kTimeout));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(main_); }, kTimeout));
    EXPECT_EQ(InspectLine(InspectForm(main_), L"menu path=ModeMenu/Effect/")[L"checked"], L"1");

    // A double click on the tray icon leaves the panel hidden while the plug-in runs.
    PostMessageW(tray, WM_APP + 0x3E0, 1, WM_LBUTTONDBLCLK);
    Sleep(1500);
    EXPECT_FALSE(IsWindowVisible(main_));
    EXPECT_EQ(InspectLine(InspectForm(main_), L"menu path=ModeMenu/Effect/")[L"checked"], L"1");

    // The plug-in ends on the package's exit request; its resume message unchecks the item.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"WM_AUDIO_EFFECT_EXIT"), 0, 0,
                        SMTO_NORMAL, 1000, &ignored);
    EXPECT_TRUE(
        WaitUntil([&] { return FindWindowW(L"TrvEffectPlugin", nullptr) == nullptr; }, kTimeout));
    SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"WM_APP_EXIT_RESUME"), 0, 0,
                        SMTO_NORMAL, 1000, &ignored);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return InspectLine(InspectForm(main_), L"menu path=ModeMenu/Effect/")[L"checked"] ==
                   L"0";
        },
        5000));
    PostMessageW(tray, WM_APP + 0x3E0, 1, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main_) != FALSE; }, 10000));
    panel->Close();
}

TEST_F(PanelShell, OnlySwitchedOnPluginFoldersAreOffered) {
    std::wstring config = ReadTextFile(folder_.Path() + L"AudioConfig.cfg");
    // The package file is plain ASCII; switch the effect program off.
    std::string ascii(config.begin(), config.end());
    size_t at = ascii.find("\nEffect=1");
    ASSERT_NE(at, std::string::npos);
    ascii.replace(at + 1, 8, "Effect=0");
    WriteFileBytes(folder_.Path() + L"AudioConfig.cfg", ascii);
    auto panel = StartRunningPanel();
    std::wstring text = InspectForm(main_);
    EXPECT_TRUE(InspectLine(text, L"menu path=ModeMenu/Effect/").empty());
    EXPECT_EQ(InspectLine(text, L"menu path=ModeMenu/SoundEffect/")[L"visible"], L"1");
    panel->Close();

    at = ascii.find("\nSoundEffect=1");
    ASSERT_NE(at, std::string::npos);
    ascii.replace(at + 1, 13, "SoundEffect=0");
    WriteFileBytes(folder_.Path() + L"AudioConfig.cfg", ascii);
    auto second = StartRunningPanel();
    EXPECT_EQ(InspectLine(InspectForm(second->Main()), L"menu path=ModeMenu/")[L"visible"], L"0");
    second->Close();
}

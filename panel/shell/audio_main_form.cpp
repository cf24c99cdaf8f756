#include "audio_main_form.h"

#include "application.h"
#include "debug_output.h"
#include "device_library.h"
#include "exception.h"
#include "int_conversions.h"
#include "extension_driver.h"
#include "label.h"
#include "panel_role.h"
#include "platform_code.h"
#include "text_format.h"

#include <windows.h>

namespace {
const int kDesignWidth = 819;
const int kDesignHeight = 513;

std::wstring ExecutablePath() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// The platform's extended version information, the larger block first.
int CurrentPlatformCode() {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    OSVERSIONINFOEXW extended{};
    extended.dwOSVersionInfoSize = sizeof extended;
    if (GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&extended)))
        return PlatformCodeFor(extended.dwPlatformId, extended.dwMajorVersion,
                               extended.dwMinorVersion);
    OSVERSIONINFOW basic{};
    basic.dwOSVersionInfoSize = sizeof basic;
    if (GetVersionExW(&basic))
        return PlatformCodeFor(basic.dwPlatformId, basic.dwMajorVersion, basic.dwMinorVersion);
#pragma GCC diagnostic pop
    return 0;
}
} // namespace

TAudioMainForm::TAudioMainForm()
    : Form({L"TAudioMainForm", L"", kDesignWidth, kDesignHeight, true, 0x1B1614}) {
    // Without the device library the panel can do nothing more.
    if (!BindLibrary()) return;
    m_bBound = true;
    Timer1.SetEnabled(false);
    Timer1.SetInterval(2000);
    Timer1.OnTimer = [this] { Timer1Timer(); };
    std::wstring exe = ExecutablePath();
    m_strAppFolder = exe.substr(0, exe.rfind(L'\\') + 1);

    RegisterMessages();
    LoadConfiguration();
    CreateDesign();
    InitFeatureMembers();
    ReadFeatureKeys();
    ChooseSkinAndLanguage();
    LoadIcons();
    BuildMenus();
    LoadLanguageTexts();
    ReadRequiredSwitches();
    LoadAndApplySkin();
    SearchDevice();
    InitEffectModel();
    if (m_bDevicePresent) PrepareDevice();
    ApplyVirtualSurroundDefaults();
    DriverEffectApplyRequest(1);
    m_Notifications.Register(Handle());
    m_pCaptureEndpoint.reset();
    FinishCreation();
}

TAudioMainForm::~TAudioMainForm() {
    m_Notifications.Unregister();
}

bool TAudioMainForm::BindLibrary() {
    int result = BindDeviceLibrary();
    if (result == 0) return true;
    std::wstring text = FormatText(L"***** Open_DLLTR_UsbAudio42xx, ret = %d *****", result);
    MessageBoxW(Handle(), text.c_str(), Application().Title().c_str(), MB_OK);
    WriteDebugText(text);
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
    return false;
}

void TAudioMainForm::RegisterMessages() {
    m_uAppExitMessage = RegisterWindowMessageW(L"WM_TRV42xxAPP_EXIT");
    m_uEffectExitMessage = RegisterWindowMessageW(L"WM_AUDIO_EFFECT_EXIT");
    m_uExitResumeMessage = RegisterWindowMessageW(L"WM_APP_EXIT_RESUME");
    m_iPlatform = CurrentPlatformCode();
}

void TAudioMainForm::LoadConfiguration() {
    LoadApplicationConfig(kAppConfigFileName, ExecutablePath(), m_AppFolderPath);
}

// The configured icon for the application and the tray; the program's own icon when the
// file cannot be loaded, so the tray never shows an empty place.
void TAudioMainForm::LoadIcons() {
    m_hIcon = static_cast<HICON>(
        LoadImageW(nullptr, (m_strAppFolder + m_AppFolderPath.InstallIconFileName).c_str(),
                   IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
    if (!m_hIcon) m_hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    Application().SetIcon(m_hIcon);
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));

    CTrayIcon = std::make_unique<TrayIcon>();
    CTrayIcon->SetIcon(m_hIcon);
    CTrayIcon->SetHint(ReadConfigText(ConfigFilePath(), L"TrayIconHint", L"HintName"));
    CTrayIcon->Menu = &m_TrayMenu;
    CTrayIcon->MinimizeToTray = true;
    CTrayIcon->OnRestore = [this] { CTrayIconRestore(); };
    CTrayIcon->SetVisible(true);

    Application().SetTitle(m_AppFolderPath.InstallAppTitle);
    SetCaption(Application().Title());
}

void TAudioMainForm::ReadFeatureKeys() {
    m_iOldVersion = ReadConfigInt(ConfigFilePath(), L"Version", L"OldVersion");
    m_iDefaultIni = ReadConfigInt(ConfigFilePath(), L"Version", L"DefaultIni");
    std::wstring monitor = ReadConfigText(ConfigFilePath(), L"Mic", L"Monitor");
    m_iMonitorMode = monitor.empty() ? 1 : LeadingDigitsToInt(monitor);
}

void TAudioMainForm::BuildMenus() {
    MenuItem& root = m_TrayMenu.Root();
    root.Clear();
    LanguageMenu = &root.Add(L"Language", L"LanguageMenu");
    SkinMenu = &root.Add(L"Skin", L"SkinMenu");
    ModeMenu = &root.Add(L"Plugin", L"ModeMenu");
    CloseMenu = &root.Add(L"Close", L"CloseMenu");
    CloseMenu->OnClick = [this](MenuItem&) { CloseMenuClick(); };
    BuildLanguageAndSkinMenus();
    BuildPluginMenu();
    ModeMenu->Visible = m_iPluginCount > 0;
}

// Both keys are required: a missing or non-numeric value ends the start with the
// conversion error shown by the exception dialog.
void TAudioMainForm::ReadRequiredSwitches() {
    m_iRegionCut = StrToInt(ReadConfigText(ConfigFilePath(), L"Skin", L"RegionCut"));
    m_iSimpleEnable = StrToInt(ReadConfigText(ConfigFilePath(), L"Simple", L"Enable"));
}

void TAudioMainForm::FinishCreation() {
    ShowPage(1);
    ApplyPageVisibility(CurrentPage);
    m_bNoLastProfile = !LoadLastProfile();
    if (m_bNoLastProfile) {
        RefreshMicSettings();
        GetEEPROMData();
    }
    if (m_bDevicePresent) InitLed();
    m_iActivationCount = 0;
}

// The mouse hook of the sliders and speakers sees every message before its window does.
void TAudioMainForm::FormCreate() {
    if (m_bBound) Application().OnMessage = [this](MSG& msg) { return HookMessage(msg); };
    WriteDebugText(L"FormCreate");
}

void TAudioMainForm::FormDestroy() {
    if (!m_bBound) return;
    m_Notifications.Unregister();
    SaveLastProfile();
    CloseBeePlayer();
    ResetDeviceEffects();
    m_hDevice.reset();
    Timer1.SetEnabled(false);
}

void TAudioMainForm::FormActivate() {
    if (m_bActivated) return;
    m_bActivated = true;
    WriteDebugText(L"FormActivate");
    if (CommandLineHas(GetCommandLineW(), L"-serviceboot")) {
        WriteDebugText(L"-serviceboot");
        PostMessageW(Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    }
}

bool TAudioMainForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_DEVICECHANGE) {
        OnDeviceChange(wParam, lParam);
        result = DefWindowProcW(Handle(), msg, wParam, lParam);
        return true;
    }
    if (msg == DeviceNotifications::SimulatedChangeMessage() && msg != 0) {
        m_Notifications.DeliverSimulatedEvents(Handle());
        return true;
    }
    if (msg == m_uAppExitMessage && msg != 0) {
        SendMessageW(Handle(), WM_CLOSE, 0, 0);
        return false;
    }
    if (msg == m_uExitResumeMessage && msg != 0 && ModeMenu) {
        for (auto& item : ModeMenu->Items())
            item->Checked = false;
        return false;
    }
    return false;
}

std::wstring TAudioMainForm::InspectExtra() const {
    const wchar_t* state = m_strDeviceStateKey.c_str();
    std::wstring out = FormatText(
        L"state deviceText=%s present=%d sync=%d vid=%04X pid=%04X hid=%d timer1=%d activations=%d "
        L"endpointReady=%d page=%d platform=%d plugins=%d deviceIn=%d deviceOut=%d eq=%d preset=%d effect=%d "
        L"micValue=%d encLevel=%d led=%d skin=%s language=%s resolution=%s\n",
        state, m_bDevicePresent ? 1 : 0, m_bSync ? 1 : 0, m_wVid, m_wPid, m_hDevice ? 1 : 0, Timer1.Enabled() ? 1 : 0,
        m_iActivationCount, m_bEndpointReady ? 1 : 0, CurrentPage, m_iPlatform, m_iPluginCount, m_bDeviceIn ? 1 : 0,
        m_bDeviceOut ? 1 : 0, m_bEQEnable ? 1 : 0, m_iCurrentPreset, m_iCurrentEffect, m_iMicVolume, m_iENCLevel,
        m_bLedOn ? 1 : 0, m_strSkinName, m_strLanguageName, m_strResolutionFolder);
    if (CTrayIcon)
        out += FormatText(L"tray visible=%d shown=%d hint=%s\n", CTrayIcon->Visible() ? 1 : 0,
                          CTrayIcon->Shown() ? 1 : 0, CTrayIcon->Hint());
    std::function<void(const MenuItem&, const std::wstring&)> describe =
        [&](const MenuItem& item, const std::wstring& path) {
            for (const auto& child : item.Items()) {
                std::wstring childPath = path + child->Name + L"/";
                out += FormatText(L"menu path=%s caption=%s checked=%d visible=%d command=%u\n",
                                  childPath, child->Caption, child->Checked ? 1 : 0,
                                  child->Visible ? 1 : 0, child->Command());
                describe(*child, childPath);
            }
        };
    describe(const_cast<PopupMenu&>(m_TrayMenu).Root(), L"");
    return out;
}

#include "shell/audio_main_form.h"

#include "application.h"
#include "debug_output.h"
#include "effects/profile_values.h"
#include "device/device_library.h"
#include "exception.h"
#include "int_conversions.h"
#include "device/extension_driver.h"
#include "device/protocol_pause.h"
#include "text_helpers.h"
#include "shell/platform_code.h"
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
    m_View.CreateDesign();
    m_View.OnCloseClick = [this] { CloseImageClick(); };
    m_View.OnMinimizeClick = [this] { MinimizeImageClick(); };
    m_View.OnLanguageApplied = [this] { CaptionMenus(); };
    ReadFeatureKeys();
    LoadIcons();
    BuildMenus();
    m_View.LoadLanguageTexts();
    ReadRequiredSwitches();
    m_View.LoadAndApplySkin();
    SearchDevice();
    m_Features.effects.InitEffectModel();
    if (m_iDefaultIni == 1) ApplyStartProfile(&Profiles::LoadDefaultProfile);
    m_Features.effects.LoadInitial3DSetting();
    if (m_Device.m_bDevicePresent) PrepareDevice();
    m_Features.surround.ApplyDefaults();
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
    m_Features.microphone.SetPlatform(m_iPlatform);
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

    Application().SetTitle(m_AppFolderPath.InstallAppTitle);
    SetCaption(Application().Title());
}

// The keys the features and the view read, and the skin and language chosen for this user.
void TAudioMainForm::ReadFeatureKeys() {
    m_iOldVersion = ReadConfigInt(ConfigFilePath(), L"Version", L"OldVersion");
    m_iDefaultIni = ReadConfigInt(ConfigFilePath(), L"Version", L"DefaultIni");
    const std::wstring defaultProfile =
        PerUserProfilePath(m_AppFolderPath.InstallFolderName, L"DefaultProfile.ini");
    m_Features.effects.SetDefaultProfile(m_iDefaultIni != 0, defaultProfile);
    m_Features.surround.Configure(m_iOldVersion != 0, m_iDefaultIni != 0, defaultProfile,
                                  m_strAppFolder + L"bee.wav");
    m_Features.profiles.Configure(m_AppFolderPath.InstallFolderName, ConfigFilePath());
    std::wstring monitor = ReadConfigText(ConfigFilePath(), L"Mic", L"Monitor");
    m_Features.microphone.SetMonitorMode(monitor.empty() ? 1 : LeadingDigitsToInt(monitor));
    ViewSettings settings;
    settings.appFolder = m_strAppFolder;
    settings.config = &m_AppFolderPath;
    settings.oldVersion = m_iOldVersion != 0;
    settings.bee = ReadConfigInt(ConfigFilePath(), L"Version", L"Bee");
    m_View.ChooseSkinAndLanguage(settings);
}

void TAudioMainForm::BuildMenus() {
    MenuItem& root = m_TrayMenu.Root();
    root.Clear();
    LanguageMenu = &root.Add(L"Language", L"LanguageMenu");
    SkinMenu = &root.Add(L"Skin", L"SkinMenu");
    ModeMenu = &root.Add(L"Plugin", L"ModeMenu");
    CloseMenu = &root.Add(L"Close", L"CloseMenu");
    CloseMenu->OnClick = [this](MenuItem&) { CloseMenuClick(); };
    m_View.BuildLanguageAndSkinMenus(*LanguageMenu, *SkinMenu);
    BuildPluginMenu();
    ModeMenu->Visible = m_iPluginCount > 0;
}

void TAudioMainForm::CaptionMenus() {
    if (CloseMenu) CloseMenu->Caption = m_View.MenuCaption(L"LabelClose", L"Close");
    if (ModeMenu) ModeMenu->Caption = m_View.MenuCaption(L"LabelPlugin", L"Plugin");
}

// Both keys are required: a missing or non-numeric value ends the start with the
// conversion error shown by the exception dialog.
void TAudioMainForm::ReadRequiredSwitches() {
    m_iRegionCut = StrToInt(ReadConfigText(ConfigFilePath(), L"Skin", L"RegionCut"));
    m_iSimpleEnable = StrToInt(ReadConfigText(ConfigFilePath(), L"Simple", L"Enable"));
    m_View.SetRegionCut(m_iRegionCut != 0);
}

void TAudioMainForm::FinishCreation() {
    m_View.ShowPage(kPageEQ);
    ApplyStartProfile(&Profiles::LoadLastProfile);
    m_bNoLastProfile = m_Features.profiles.NoLastProfile();
    if (m_bNoLastProfile) {
        RefreshMicSettings();
        m_Features.effects.GetEEPROMData();
    }
    if (m_Device.m_bDevicePresent) m_Features.lighting.InitLedColors();
    m_iActivationCount = 0;
}

// A profile that cannot be read is shown as the conversion error it raises, naming its key; the
// panel starts all the same with what was applied before it.
void TAudioMainForm::ApplyStartProfile(int (Profiles::*load)()) {
    try {
        (m_Features.profiles.*load)();
    } catch (const EConvertError& e) {
        Application().ShowException(e.Message());
    }
}

void TAudioMainForm::RefreshMicSettings() {
    m_Features.microphone.RefreshENC();
    m_Features.microphone.RefreshVoiceMagic();
}

// The mouse hook of the sliders and speakers sees every message before its window does.
void TAudioMainForm::FormCreate() {
    if (m_bBound) Application().OnMessage = [this](MSG& msg) { return m_View.HookMessage(msg); };
    WriteDebugText(L"FormCreate");
}

void TAudioMainForm::FormDestroy() {
    if (!m_bBound) return;
    m_Notifications.Unregister();
    m_Features.profiles.SaveLastProfile();
    m_Features.surround.CloseBeePlayer();
    m_Features.effects.ResetDeviceEffects([this] {
        m_Features.surround.ClearState();
        m_Features.surround.ResetVirtual7ch1();
        m_Features.microphone.SwitchOff();
    });
    m_Features.lighting.StopLedWorker();
    m_hDevice.reset();
    Timer1.SetEnabled(false);
}

// The shell takes a while to add the tray icon; the icon follows the window's first showing
// instead of holding it up. Posted before any activation message, so it is there before a
// start with "-serviceboot" minimises the window to the tray.
void TAudioMainForm::FormShow() {
    if (m_bBound && CTrayIcon && !m_bTrayRequested) {
        m_bTrayRequested = true;
        PostMessageW(Handle(), kShowTrayIconMessage, 0, 0);
    }
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

void TAudioMainForm::FormMouseDown(const MouseEvent& event) {
    m_View.FormMouseDown(event);
}

bool TAudioMainForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == kShowTrayIconMessage) {
        if (CTrayIcon) CTrayIcon->SetVisible(true);
        return true;
    }
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

namespace {
// The processor time of this process as the system accounts it, for the idle benchmark.
unsigned long long ProcessCpuMs() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    auto units = [](FILETIME t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return (units(kernel) + units(user)) / 10000;
}
} // namespace

std::wstring TAudioMainForm::InspectExtra() const {
    const EffectModel& effects = m_Features.effects;
    const Microphone& microphone = m_Features.microphone;
    const VirtualSurround& surround = m_Features.surround;
    std::wstring out = FormatText(
        L"state deviceText=%s present=%d sync=%d vid=%04X pid=%04X hid=%d timer1=%d "
        L"activations=%d endpointReady=%d page=%d platform=%d plugins=%d deviceIn=%d "
        L"deviceOut=%d eq=%d 3d=%d fbm=%d preset=%d effect=%d alphaLink=%d betaLink=%d "
        L"micValue=%d boost=%d mute=%d monitor=%d enc=%d encLevel=%d surround=%d motion=%d "
        L"bee=%d beeSound=%d led=%d pausedMs=%lu cpuMs=%llu skin=%s language=%s resolution=%s\n",
        m_View.DeviceStateKey(), m_Device.m_bDevicePresent ? 1 : 0, effects.Sync() ? 1 : 0,
        m_Device.m_wVid, m_Device.m_wPid, m_hDevice ? 1 : 0, Timer1.Enabled() ? 1 : 0,
        m_iActivationCount, m_bEndpointReady ? 1 : 0, m_View.CurrentPage(), m_iPlatform,
        m_iPluginCount, m_Device.m_bDevicePresent ? 1 : 0, m_Device.m_bDevicePresent ? 1 : 0,
        effects.EQEnable() ? 1 : 0, effects.Enable3D() ? 1 : 0, effects.FBM() ? 1 : 0,
        effects.CurrentPreset(), effects.CurrentEffect(), effects.LinkMode(Link3D::Alpha),
        effects.LinkMode(Link3D::Beta), microphone.MicVolume(), microphone.MicBoost() ? 1 : 0,
        microphone.MicMute() ? 1 : 0, microphone.MicMonitor() ? 1 : 0,
        microphone.ENCEnable() ? 1 : 0, microphone.ENCLevel(), surround.Enable7ch1() ? 1 : 0,
        static_cast<int>(surround.Motion()), surround.BeeRunning() ? 1 : 0,
        surround.BeePlaying() ? 1 : 0, m_Features.lighting.LedOn() ? 1 : 0, ProtocolPauseTotal(),
        ProcessCpuMs(), m_View.SkinName(), m_View.LanguageName(), m_View.ResolutionFolder());
    out += m_View.DescribeLighting();
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
    describe(m_TrayMenu.Root(), L"");
    return out;
}

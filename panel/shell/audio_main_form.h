#pragma once
// The panel's main window. Its construction is the panel's creation sequence, in which
// every feature gets its turn; its destruction ends the panel in order.
#include "active_device.h"
#include "app_config.h"
#include "device_notifications.h"
#include "endpoint_access.h"
#include "form.h"
#include "menu.h"
#include "timer.h"
#include "tray_icon.h"

#include <memory>
#include <string>

class Image;
class Label;

class TAudioMainForm : public Form {
  public:
    TAudioMainForm();
    ~TAudioMainForm() override;

    const _APPLICATION_FOLDER_PATH& AppFolderPath() const { return m_AppFolderPath; }
    std::wstring ConfigFilePath() const { return m_strAppFolder + kAppConfigFileName; }
    bool DevicePresent() const { return m_bDevicePresent; }

    // Menu and window buttons.
    void CloseMenuClick();
    void CloseImageClick();
    void MinimizeImageClick();
    void PluginMenuClick(MenuItem& item);
    void CTrayIconRestore();

    // Device state (device arrival and removal).
    void ShowDeviceState(DeviceState state);
    void ToggleImageButton(int tag, bool& state);

  protected:
    void FormCreate() override;
    void FormDestroy() override;
    void FormActivate() override;
    bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    std::wstring InspectExtra() const override;

  private:
    // Creation steps.
    bool BindLibrary();
    void RegisterMessages();
    void LoadConfiguration();
    void LoadIcons();
    void ReadFeatureKeys();
    void BuildMenus();
    void BuildPluginMenu();
    void ReadRequiredSwitches();
    void CreateDeviceState();
    void PrepareDevice();
    void FinishCreation();

    // Device arrival and removal, and the two-second retry.
    void SearchDevice();
    void PrepareEndpoint();
    void DeviceArrival();
    void DeviceRemoval(const std::wstring& interfacePath);
    void Timer1Timer();
    void ActivationSteps();
    void OnDeviceChange(WPARAM event, LPARAM data);

    // The steps that the feature parts own, called at their place in the sequence.
    void InitFeatureMembers();
    void ChooseSkinAndLanguage();
    void BuildLanguageAndSkinMenus();
    void LoadLanguageTexts();
    void LoadAndApplySkin();
    void InitEffectModel();
    void SwitchVirtualSurroundOff(bool retry);
    void ApplyVirtualSurroundDefaults();
    void EmptyMicLevelBar();
    void StartMicLevelCapture();
    void StopMicLevelCaptureUnlessShown();
    void MicMonitoringOff();
    void ShowPage(int page);
    void RefreshPageDisplay();
    bool LoadLastProfile();
    void RefreshMicSettings();
    int GetEEPROMData();
    void InitLed();
    void ResendLedSwitch();
    void RefreshShownMicPage();
    void ClearEffectState();
    void ForgetMicCapture();
    void CloseLedWorker();
    void SaveLastProfile();
    void CloseBeePlayer();
    void ResetDeviceEffects();

    _APPLICATION_FOLDER_PATH m_AppFolderPath;
    std::wstring m_strAppFolder;
    bool m_bBound = false;
    bool m_bActivated = false;

    // The three messages between the package's programs.
    UINT m_uAppExitMessage = 0;    // "WM_TRV42xxAPP_EXIT"
    UINT m_uEffectExitMessage = 0; // "WM_AUDIO_EFFECT_EXIT"
    UINT m_uExitResumeMessage = 0; // "WM_APP_EXIT_RESUME"
    int m_iPlatform = 0;

    // Keys read for the feature parts.
    int m_iOldVersion = 0;
    int m_iDefaultIni = 0;
    int m_iMonitorMode = 1;
    int m_iRegionCut = 0;
    int m_iSimpleEnable = 0;

    // Tray icon and its menu.
    HICON m_hIcon = nullptr;
    PopupMenu m_TrayMenu;
    MenuItem* LanguageMenu = nullptr;
    MenuItem* SkinMenu = nullptr;
    MenuItem* ModeMenu = nullptr;
    MenuItem* CloseMenu = nullptr;
    int m_iPluginCount = 0;
    std::unique_ptr<TrayIcon> CTrayIcon;

    // The active device.
    uint16_t m_wVid = 0;
    uint16_t m_wPid = 0;
    HidHandle m_hDevice;
    bool m_bDevicePresent = false;
    bool m_bSync = false;
    bool m_bEndpointReady = false;
    std::unique_ptr<CaptureEndpoint> m_pCaptureEndpoint;
    int m_iActivationCount = 0;
    bool m_bReadEEPROMData = false;
    bool m_bNoLastProfile = true;
    int CurrentPage = 1;
    std::wstring m_strDeviceStateKey; // the language key of the device-state text
    bool m_bDeviceIn = false;         // states of the two device-state pictures
    bool m_bDeviceOut = false;
    Timer Timer1;
    DeviceNotifications m_Notifications;

    Label* DeviceActiveLabel = nullptr;
};

#pragma once
// The panel's main window. Its construction is the panel's creation sequence, in which
// every feature gets its turn; its destruction ends the panel in order. It owns the active
// device, the features and the view of the controls, the tray icon with its menus, the
// device notifications and the device retry timer.
#include "app_config.h"
#include "device/active_device.h"
#include "device/device_notifications.h"
#include "device/endpoint_access.h"
#include "effects/panel_features.h"
#include "form.h"
#include "menu.h"
#include "timer.h"
#include "tray_icon.h"
#include "ui/main_form_view.h"

#include <memory>
#include <string>

class TAudioMainForm : public Form {
  public:
    TAudioMainForm();
    ~TAudioMainForm() override;

    const _APPLICATION_FOLDER_PATH& AppFolderPath() const { return m_AppFolderPath; }
    std::wstring ConfigFilePath() const { return m_strAppFolder + kAppConfigFileName; }
    bool DevicePresent() const { return m_Device.m_bDevicePresent; }

    // Menu and window buttons.
    void CloseMenuClick();
    void CloseImageClick();
    void MinimizeImageClick();
    void PluginMenuClick(MenuItem& item);
    void CTrayIconRestore();
    // The About window and the lighting dialog, created after this window.
    void AttachWindows(TAboutForm* about, TLEDForm* led) { m_View.AttachWindows(about, led); }

  protected:
    void FormCreate() override;
    void FormDestroy() override;
    void FormShow() override;
    void FormActivate() override;
    void FormMouseDown(const MouseEvent& event) override;
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
    void CaptionMenus();
    void ReadRequiredSwitches();
    void PrepareDevice();
    void FinishCreation();

    // Device arrival and removal, and the two-second retry.
    void SearchDevice();
    void PrepareEndpoint();
    void DeviceArrival();
    void DeviceRemoval(const std::wstring& interfacePath);
    void Timer1Timer();
    void ActivationSteps();
    void RecheckDevice(bool pauseBeforeDriverCheck);
    void OnDeviceChange(WPARAM event, LPARAM data);
    void ShowDeviceState(DeviceState state);
    // The microphone's settings from the device and the registry, shown.
    void RefreshMicSettings();
    void ApplyStartProfile(int (Profiles::*load)());

    _APPLICATION_FOLDER_PATH m_AppFolderPath;
    std::wstring m_strAppFolder;
    bool m_bBound = false;
    bool m_bActivated = false;

    // The three messages between the package's programs.
    UINT m_uAppExitMessage = 0;    // "WM_TRV42xxAPP_EXIT"
    UINT m_uEffectExitMessage = 0; // "WM_AUDIO_EFFECT_EXIT"
    UINT m_uExitResumeMessage = 0; // "WM_APP_EXIT_RESUME"
    int m_iPlatform = 0;

    // Keys read for the features and the view.
    int m_iOldVersion = 0;
    int m_iDefaultIni = 0;
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
    bool m_bTrayRequested = false;
    static const UINT kShowTrayIconMessage = WM_APP + 1;

    // The active device.
    ActiveDevice m_Device;
    HidHandle m_hDevice;
    bool m_bEndpointReady = false;
    std::unique_ptr<CaptureEndpoint> m_pCaptureEndpoint;
    int m_iActivationCount = 0;
    bool m_bNoLastProfile = true;
    Timer Timer1;
    DeviceNotifications m_Notifications;

    PanelFeatures m_Features{m_Device};
    MainFormView m_View{*this, m_Features, m_Device};
};

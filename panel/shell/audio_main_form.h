#pragma once
// The panel's main window. Its construction is the panel's creation sequence, in which
// every feature gets its turn; its destruction ends the panel in order.
#include "active_device.h"
#include "app_config.h"
#include "check_box.h"
#include "device_notifications.h"
#include "endpoint_access.h"
#include "form.h"
#include "language_texts.h"
#include "menu.h"
#include "skin_settings.h"
#include "timer.h"
#include "tray_icon.h"

#include <memory>
#include <string>

class Image;
class Label;
class Shape;

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

    // Image controls: finding them, and the generic button, group and page mechanics.
    Image* FindImageByTag(int tag) const;
    Label* FindLabelByTag(int tag) const;
    Shape* FindShapeByTag(int tag) const;
    void ToggleImageButton(int tag, bool& state);
    void SelectPresetButtons(int preset);
    void SelectEffectButtons(int mode);
    void HighlightPageTab(int tab);

    // Skins and languages.
    void ApplySkinItem(const SkinItem& item, Image* image);
    void ApplyPageVisibility(int page);
    void ApplySkin();
    void ApplyLanguage();
    void SkinMenuClick(MenuItem& item);
    void LanguageMenuClick(MenuItem& item);

  protected:
    void FormCreate() override;
    void FormDestroy() override;
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

    // The window design, skins and languages.
    void CreateDesign();
    void ChooseSkinAndLanguage();
    void BuildLanguageAndSkinMenus();
    int BuildSkinMenu();
    int BuildLanguageMenu();
    void LoadLanguageTexts();
    void LoadAndApplySkin();
    bool LoadSkinSettings(const std::wstring& skinName);
    void LoadLanguage(const std::wstring& languageName);
    bool ApplyRegionFile();
    std::wstring SkinFolder() const;
    const SkinItem& Item(const wchar_t* section, const std::wstring& key) const;
    const SkinItem* ItemForControl(const std::wstring& control) const;
    TextItem* TextForLabel(const std::wstring& label);
    void ApplyLabelText(const wchar_t* key, const wchar_t* label, bool useUp);
    Image* ImageNamed(const std::wstring& name) const;
    Label* LabelNamed(const std::wstring& name) const;
    void SetLabelColour(Label* label, bool down);
    void SetLabelColour(int tag, bool down);
    void ShowWarning(const wchar_t* textKey);
    void ApplyDeviceStateText();

    // Mouse mechanics of the image controls.
    void OnImageMouseDown(Control& sender, const MouseEvent& event);
    void OnImageMouseUp(Control& sender, const MouseEvent& event);
    void OnLabelMouseDown(Control& sender, const MouseEvent& event);
    void OnLabelMouseUp(Control& sender, const MouseEvent& event);
    void OnLabelPageMouseDown(Control& sender, const MouseEvent& event);
    void ChangePage(int tag);
    bool DeviceGuard(int tag);
    bool HookMessage(MSG& msg);
    void HookPress();
    void HookDrag();
    void JumpThumb(Image* thumb, int cursorY, int top, int range);
    int CursorClientY() const;
    void ShowItemOf(int tag, bool down);

    // The steps that the feature parts own, called at their place in the sequence.
    void InitFeatureMembers();
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
    void ApplyEQSwitch();
    void Apply3DSwitch();
    void ApplyFBM();
    void ApplyPreset();
    void ApplyEffectMode(int mode);
    void AdvanceLinkMode(int tag);
    void ToggleSync();
    void ApplyMicBoost();
    void ApplyMicMute();
    void ApplyMicMonitor();
    void ApplyVirtualSurround();
    void StartOrStopMotion();
    void SetLedPower(bool on);
    void SaveProfileFromMenu();
    void LoadProfileFromMenu();
    void OpenAboutWindow();
    void ResetEqualiser();
    void Reset3D();
    void ResetSpeakers();
    void WriteEQBand(int tag);
    void Write3DSliders(int tag);
    void ApplyMicVolumeFromSlider();
    void ApplyEncLevelFromBar();
    void EncSliderMoved();
    void SpeakerMoved(int tag);
    void EnableSpeakerTimer();
    void StopSpeakerTimer();
    void ReapplyEQSwitch(bool with3D);
    void RefreshVoicePictures();
    void RefreshEncPictures();
    void PlaceSliderThumbs();
    void MoveSpeakersToNewCircle();
    void ApplyLedPage();

    // Noise cancellation.
    void RefreshENC();
    void ShowENC();
    uint8_t m_EncParameters[16] = {};

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

    // Skin and language state.
    SkinSettings m_Skin;
    LanguageTexts m_Texts;
    std::wstring m_strSkinRoot;
    std::wstring m_strResolutionFolder;
    std::wstring m_strSkinName;
    std::wstring m_strLanguageRoot;
    std::wstring m_strLanguageName;
    std::wstring m_strPerUserConfig;
    int m_iSkinCount = 0;
    int m_iLanguageCount = 0;
    std::vector<std::wstring> ListBoxLanguageMap;
    int m_iBee = 0;
    std::unique_ptr<CheckBox> BeeCheckBox;
    std::unique_ptr<CheckBox> ListenToDeviceCheckBox;

    // Feature states the pictures follow.
    bool m_bEQEnable = false;
    bool m_b3DEnable = false;
    bool m_bFBM = true;
    int m_iCurrentPreset = 1;
    int m_iCurrentEffect = 1;
    int m_iAlphaLink = -1;
    int m_iBetaLink = -1;
    bool m_b7ch1Enable = false;
    bool m_bMicBoost = false;
    bool m_bMicMute = false;
    bool m_bMicMonitor = false;
    int m_iMicVolume = 0;
    bool m_bENCEnable = false;
    bool m_bENCAvailable = false;
    int m_iENCLevel = 0;
    bool m_bLedOn = false;
    bool m_bClockwise = false;
    bool m_bCounterclockwise = false;
    bool m_bNarrow = false;
    bool m_bEnlarge = false;
    bool m_bLedWindowOpen = false;

    // Press, drag and release of sliders and speakers.
    bool DragActive = false;
    Control* DragControl = nullptr;
    POINT DragStartCursor{};
    int DragStartLeft = 0;
    int DragStartTop = 0;
    int DragMode = 0;
};

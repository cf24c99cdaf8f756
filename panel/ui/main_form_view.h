#pragma once
// What the main window shows and how its controls answer the mouse: the controls of the
// control table on the window, the skin and language chosen for them, the page shown, the
// pictures and label colours that follow the features' states, and the application-wide hook
// that drags slider thumbs and speaker icons. Features are reached through their operations;
// the window's own lifecycle stays with the main window.
#include "app_config.h"
#include "device/active_device.h"
#include "effects/lighting.h"
#include "ui/control_table.h"
#include "ui/language_texts.h"
#include "ui/skin_settings.h"
#include "timer.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CheckBox;
class Form;
class TAboutForm;
class TLEDForm;
class Image;
class Label;
class MenuItem;
struct MouseEvent;
struct PanelFeatures;

// What the view reads from the configuration.
struct ViewSettings {
    std::wstring appFolder; // ends in a backslash
    const _APPLICATION_FOLDER_PATH* config = nullptr;
    bool oldVersion = false; // "OldVersion" of section "Version"
    bool regionCut = false;  // "RegionCut" of section "Skin"
    int bee = 0;             // "Bee" of section "Version"
};

// The press in progress, as the slider hook keeps it.
enum class DragMode { None = 0, EQThumb = 1, MicThumb = 2, Speaker = 3, D3Thumb = 4, ENCThumb = 5 };

class MainFormView {
  public:
    MainFormView(Form& form, PanelFeatures& features, const ActiveDevice& device);
    ~MainFormView();
    MainFormView(const MainFormView&) = delete;
    MainFormView& operator=(const MainFormView&) = delete;

    // The main window's own answers to the window buttons and menu buttons.
    std::function<void()> OnCloseClick;
    std::function<void()> OnMinimizeClick;
    // Called after the language's texts were applied, for the menus the main window owns.
    std::function<void()> OnLanguageApplied;

    PanelFeatures& Features() { return features_; }
    const PanelFeatures& Features() const { return features_; }
    bool DevicePresent() const { return device_.m_bDevicePresent; }
    int CurrentPage() const { return currentPage_; }

    // Creation: the controls of the table, then the skin and language chosen for this user.
    void CreateDesign();
    void ChooseSkinAndLanguage(const ViewSettings& settings);
    // The two submenus of the tray menu; the counts of their items.
    void BuildLanguageAndSkinMenus(MenuItem& languageMenu, MenuItem& skinMenu);
    void LoadLanguageTexts();
    void SetRegionCut(bool on) { settings_.regionCut = on; }
    void LoadAndApplySkin();
    int SkinCount() const { return m_iSkinCount; }
    int LanguageCount() const { return m_iLanguageCount; }
    const std::wstring& SkinName() const { return m_strSkinName; }
    const std::wstring& LanguageName() const { return m_strLanguageName; }
    const std::wstring& ResolutionFolder() const { return m_strResolutionFolder; }
    const LanguageTexts& Texts() const { return m_Texts; }
    // A menu's caption from the language, or the fallback when it gives none.
    std::wstring MenuCaption(const wchar_t* key, const wchar_t* fallback) const;
    const SkinSettings& Skin() const { return m_Skin; }

    // Pages: the first one shown at creation, a change asked for by a tab.
    void ShowPage(int page);
    void ChangePage(int page);
    // The thumbs, pictures and label colours of every control that follows a state, after the
    // features or the device changed.
    void RefreshStates();
    // The device-state text ("LabelActive", "LabelUnDriver", "LabelUnactive").
    void ShowDeviceState(const std::wstring& textKey);
    const std::wstring& DeviceStateKey() const { return m_strDeviceStateKey; }

    // The actions of the table's buttons that are the window's own.
    void CloseImageClick();
    void MinimizeImageClick();
    void SaveProfileFromMenu();
    void LoadProfileFromMenu();
    void OpenAboutWindow();

    // The application-wide mouse hook; true when the message is consumed.
    bool HookMessage(MSG& msg);
    // A press on the window's background drags the window.
    void FormMouseDown(const MouseEvent& event);
    void ShowWarning(const wchar_t* textKey);

    bool LedWindowOpen() const { return m_bLedWindowOpen; }

    // The lighting: the About window and the lighting dialog, created after the main window;
    // the lighting page's checks and the LED tab's click.
    void AttachWindows(TAboutForm* about, TLEDForm* led);
    void LedCheckClick(LedCheck check);
    void PageLEDClick();
    void OpenLedWindow();
    // The lighting's state as a line of the window's inspection answer.
    std::wstring DescribeLighting() const;

  private:
    struct Entry {
        const ControlRow* tableRow;
        Control* control;
    };

    // Controls and their rows.
    Image* ImageNamed(const std::wstring& name) const;
    Label* LabelNamed(const std::wstring& name) const;
    const Entry* EntryOf(const Control* control) const;
    const Entry* EntryNamed(const wchar_t* name) const;
    void Bind(const Entry& entry);

    // Skins.
    bool LoadSkinSettings(const std::wstring& skinName);
    void ApplySkin();
    bool ApplyRegionFile();
    std::wstring SkinFolder() const;
    int BuildSkinMenu();
    void SkinMenuClick(MenuItem& item);
    // The key a picture shows in the current state (null: none applies).
    const wchar_t* KeyFor(const Entry& entry) const;
    bool IsDown(const Entry& entry) const;
    // Applies the item of the state unless the control already shows it.
    void ShowLook(const Entry& entry);
    void ApplyPageVisibility(int page);
    bool VisibleOnPage(const Entry& entry, int itemPage, int page) const;
    void PlaceSliderThumbs();
    void MoveSpeakersToNewCircle();
    void PlaceSpeakers();
    void TellSliderGeometry();
    int D3TrackTop() const;
    int D3Travel() const;

    // Languages.
    int BuildLanguageMenu();
    void LanguageMenuClick(MenuItem& item);
    void LoadLanguage(const std::wstring& languageName);
    void ApplyLanguage();
    void ApplyDeviceStateText();
    void SetLabelColour(Label* label, bool down);
    TextItem* TextForLabel(const std::wstring& label);
    void ShowValues();

    // The mouse.
    void OnPress(Control& sender, const MouseEvent& event);
    void OnRelease(Control& sender, const MouseEvent& event);
    void OnClick(Control& sender);
    bool DeviceGuard(const Entry& entry);
    // The press or move message's cursor position, on the screen.
    void HookPress(POINT cursor);
    void HookDrag(POINT cursor);
    void JumpThumb(Image* thumb, int cursorY, int top, int range);
    void SliderMoved(const Entry& entry);
    bool BeeRunning() const;

    Form& form_;
    PanelFeatures& features_;
    const ActiveDevice& device_;
    ViewSettings settings_;
    std::vector<Entry> entries_;
    std::map<const Control*, size_t> index_;
    std::map<const Control*, std::wstring> shownKeys_; // the key each picture shows
    const Control* pressed_ = nullptr;    // a press button or the lighting button held down
    const Control* clickArmed_ = nullptr; // the press button whose click may act

    SkinSettings m_Skin;
    LanguageTexts m_Texts;
    std::wstring m_strSkinRoot;
    std::wstring m_strResolutionFolder;
    std::wstring m_strSkinName;
    std::wstring m_strLanguageRoot;
    std::wstring m_strLanguageName;
    std::wstring m_strPerUserConfig;
    std::wstring m_strDeviceStateKey;
    int m_iSkinCount = 0;
    int m_iLanguageCount = 0;
    MenuItem* SkinMenu = nullptr;
    MenuItem* LanguageMenu = nullptr;
    std::vector<std::wstring> ListBoxLanguageMap;
    int currentPage_ = 1;
    bool m_bLedWindowOpen = false;
    Label* DeviceActiveLabel = nullptr;
    std::unique_ptr<CheckBox> BeeCheckBox;
    std::unique_ptr<CheckBox> ListenToDeviceCheckBox;
    // The skin's pictures not shown yet, decoded a few at a time once the window waits for
    // input, so that start-up decodes only what the first page shows.
    std::vector<std::wstring> picturesToDecode_;
    Timer pictureTimer_;
    DWORD lastDecodeEnd_ = 0; // tick count when the last decoding tick finished
    void DecodeSomePictures();

    // The lighting page: thumbs where the lighting has them, swatches in its colours.
    void ShowLighting();
    bool LedTrackOf(const Entry& thumb, SpeedTrack* track) const;
    void LedThumbMouseDown(Control& thumb);
    void LedThumbMouseMove(Control& thumb);
    void LedThumbMouseUp(Control& thumb, const MouseEvent& event);
    void OnShapeMouseDown(Control& swatch);
    bool LedPageShown(int page) const;

    TAboutForm* AboutForm = nullptr;
    TLEDForm* LEDForm = nullptr;
    // A speed thumb being dragged.
    struct LedDrag {
        bool active = false;
        SpeedTrack track;
        POINT startCursor{};
        int startLeft = 0;
    } ledDrag_;

    // Press, drag and release of sliders and speakers.
    bool DragActive = false;
    Control* DragControl = nullptr;
    POINT DragStartCursor{};
    int DragStartLeft = 0;
    int DragStartTop = 0;
    DragMode m_DragMode = DragMode::None;
};

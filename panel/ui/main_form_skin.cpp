// The main window's skin and language layers: the window design, the skin and language
// chosen per user and per screen class, applying them to the controls, page visibility and
// the two menus.
#include "audio_main_form.h"

#include "application.h"
#include "debug_output.h"
#include "image.h"
#include "label.h"
#include "main_form_design.h"
#include "shape.h"
#include "skin_files.h"
#include "skin_item_apply.h"

#include <cmath>

namespace {

enum class Pick { Static, Press, Flag, NotFlag, Preset, Effect, Tab, LedUp };

// A control that shows one of two skin items (or one, for static pictures).
struct SkinnedControl {
    const wchar_t* control;
    const wchar_t* section;
    const wchar_t* up;   // the item shown when not down (the only one for static pictures)
    const wchar_t* down; // null for static pictures
    Pick pick;
    int arg; // preset, effect mode or page
};

// In the order the skin is applied: Main, EQ, 3D, Effect, Mic, Virtual7ch1, page tabs,
// the lighting page, noise cancellation and voice change.
const SkinnedControl kSkinned[] = {
    {L"MainFormImage", L"Main", L"MainFormImage", nullptr, Pick::Static, 0},
    {L"DeviceActiveImage", L"Main", L"DeviceActiveImage", nullptr, Pick::Static, 0},
    {L"LogoImage", L"Main", L"LogoImage", nullptr, Pick::Static, 0},
    {L"CloseImage", L"Main", L"CloseImageUp", L"CloseImageDown", Pick::Press, 0},
    {L"MinimizeImage", L"Main", L"MinimizeImageUp", L"MinimizeImageDown", Pick::Press, 0},
    {L"Menu1Image", L"Main", L"Menu1ImageUp", L"Menu1ImageDown", Pick::Press, 0},
    {L"Menu2Image", L"Main", L"Menu2ImageUp", L"Menu2ImageDown", Pick::Press, 0},
    {L"Menu3Image", L"Main", L"Menu3ImageUp", L"Menu3ImageDown", Pick::Press, 0},
    {L"LEDImage", L"Main", L"LedImageUp", L"LedImageDown", Pick::Flag, 51},
    {L"DeviceInImage", L"Main", L"DeviceActiveUpImage", L"DeviceActiveDownImage", Pick::NotFlag,
     54},
    {L"DeviceOutImage", L"Main", L"DeviceUnActiveUpImage", L"DeviceUnActiveDownImage",
     Pick::NotFlag, 54},

    {L"Back_EQImage", L"EQ", L"Back_EQImage", nullptr, Pick::Static, 0},
    {L"EQEQENImage", L"EQ", L"EQEQENImageUp", L"EQEQENImageDown", Pick::Flag, 7},
    {L"EQ3DENImage", L"EQ", L"EQ3DENImageUp", L"EQ3DENImageDown", Pick::Flag, 8},
    {L"EQResetImage", L"EQ", L"EQResetImageUp", L"EQResetImageDown", Pick::Press, 0},
    {L"EQS1Image", L"EQ", L"EQS1ImageUp", L"EQS1ImageDown", Pick::Preset, 1},
    {L"EQS2Image", L"EQ", L"EQS2ImageUp", L"EQS2ImageDown", Pick::Preset, 2},
    {L"EQS3Image", L"EQ", L"EQS3ImageUp", L"EQS3ImageDown", Pick::Preset, 3},
    {L"EQS4Image", L"EQ", L"EQS4ImageUp", L"EQS4ImageDown", Pick::Preset, 4},
    {L"EQButtonLineImage1", L"EQ", L"EQButtonLineImage1", nullptr, Pick::Static, 0},
    {L"EQButtonLineImage2", L"EQ", L"EQButtonLineImage2", nullptr, Pick::Static, 0},
    {L"EQButtonLineImage3", L"EQ", L"EQButtonLineImage3", nullptr, Pick::Static, 0},
    {L"EQButtonLineImage4", L"EQ", L"EQButtonLineImage4", nullptr, Pick::Static, 0},
    {L"EQButtonLineImage5", L"EQ", L"EQButtonLineImage5", nullptr, Pick::Static, 0},
    {L"EQGraduationImage", L"EQ", L"EQGraduationImage", nullptr, Pick::Static, 0},
    {L"EQ60HzBarImage", L"EQ", L"EQ60HzBarImage", nullptr, Pick::Static, 0},
    {L"EQ300HzBarImage", L"EQ", L"EQ300HzBarImage", nullptr, Pick::Static, 0},
    {L"EQ1200HzBarImage", L"EQ", L"EQ1200HzBarImage", nullptr, Pick::Static, 0},
    {L"EQ3600HzBarImage", L"EQ", L"EQ3600HzBarImage", nullptr, Pick::Static, 0},
    {L"EQ12000HzBarImage", L"EQ", L"EQ12000HzBarImage", nullptr, Pick::Static, 0},
    {L"EQ60HzSliderImage", L"EQ", L"EQ60HzSliderImage", nullptr, Pick::Static, 0},
    {L"EQ300HzSliderImage", L"EQ", L"EQ300HzSliderImage", nullptr, Pick::Static, 0},
    {L"EQ1200HzSliderImage", L"EQ", L"EQ1200HzSliderImage", nullptr, Pick::Static, 0},
    {L"EQ3600HzSliderImage", L"EQ", L"EQ3600HzSliderImage", nullptr, Pick::Static, 0},
    {L"EQ12000HzSliderImage", L"EQ", L"EQ12000HzSliderImage", nullptr, Pick::Static, 0},
    {L"EQ60HzBarDownImage", L"EQ", L"EQ60HzBarDownImage", nullptr, Pick::Static, 0},
    {L"EQ300HzBarDownImage", L"EQ", L"EQ300HzBarDownImage", nullptr, Pick::Static, 0},
    {L"EQ1200HzBarDownImage", L"EQ", L"EQ1200HzBarDownImage", nullptr, Pick::Static, 0},
    {L"EQ3600HzBarDownImage", L"EQ", L"EQ3600HzBarDownImage", nullptr, Pick::Static, 0},
    {L"EQ12000HzBarDownImage", L"EQ", L"EQ12000HzBarDownImage", nullptr, Pick::Static, 0},

    {L"Back_3DImage", L"3D", L"Back_3DImage", nullptr, Pick::Static, 0},
    {L"D33DENImage", L"3D", L"D33DENImageUp", L"D33DENImageDown", Pick::Flag, 8},
    {L"D3FBMImage", L"3D", L"D3FBMImageUp", L"D3FBMImageDown", Pick::Flag, 13},
    {L"D3ResetImage", L"3D", L"D3ResetImageUp", L"D3ResetImageDown", Pick::Press, 0},
    {L"D3LChannelImage", L"3D", L"D3LChannelImage", nullptr, Pick::Static, 0},
    {L"D3RChannelImage", L"3D", L"D3RChannelImage", nullptr, Pick::Static, 0},
    {L"D3ConnectionImage", L"3D", L"D3ConnectionImage", nullptr, Pick::Static, 0},
    {L"D3ButtonLineImage1", L"3D", L"D3ButtonLineImage1", nullptr, Pick::Static, 0},
    {L"D3ButtonLineImage2", L"3D", L"D3ButtonLineImage2", nullptr, Pick::Static, 0},
    {L"D3LAlphaGraduationImage", L"3D", L"D3LAlphaGraduationImage", nullptr, Pick::Static, 0},
    {L"D3LBetaGraduationImage", L"3D", L"D3LBetaGraduationImage", nullptr, Pick::Static, 0},
    {L"D3RAlphaGraduationImage", L"3D", L"D3RAlphaGraduationImage", nullptr, Pick::Static, 0},
    {L"D3RBetaGraduationImage", L"3D", L"D3RBetaGraduationImage", nullptr, Pick::Static, 0},
    {L"D3LAlphaBarImage", L"3D", L"D3LAlphaBarImage", nullptr, Pick::Static, 0},
    {L"D3LBetaBarImage", L"3D", L"D3LBetaBarImage", nullptr, Pick::Static, 0},
    {L"D3RAlphaBarImage", L"3D", L"D3RAlphaBarImage", nullptr, Pick::Static, 0},
    {L"D3RBetaBarImage", L"3D", L"D3RBetaBarImage", nullptr, Pick::Static, 0},
    {L"D3LAlphaSliderImage", L"3D", L"D3LAlphaSliderImage", nullptr, Pick::Static, 0},
    {L"D3LBetaSliderImage", L"3D", L"D3LBetaSliderImage", nullptr, Pick::Static, 0},
    {L"D3RAlphaSliderImage", L"3D", L"D3RAlphaSliderImage", nullptr, Pick::Static, 0},
    {L"D3RBetaSliderImage", L"3D", L"D3RBetaSliderImage", nullptr, Pick::Static, 0},

    {L"Back_EffectImage", L"Effect", L"Back_EffectImage", nullptr, Pick::Static, 0},
    {L"EffectButtonNonImage", L"Effect", L"EffectButtonNonImageUp", L"EffectButtonNonImageDown",
     Pick::Effect, 1},
    {L"EffectButtonTheaterImage", L"Effect", L"EffectButtonTheaterImageUp",
     L"EffectButtonTheaterImageDown", Pick::Effect, 2},
    // The Bathroom pair goes to the tag-18 picture and the StoneGallery pair to tag 20.
    {L"EffectButtonStoneGalleryImage", L"Effect", L"EffectButtonBathroomImageUp",
     L"EffectButtonBathroomImageDown", Pick::Effect, 3},
    {L"EffectButtonLivingroomImage", L"Effect", L"EffectButtonLivingroomImageUp",
     L"EffectButtonLivingroomImageDown", Pick::Effect, 4},
    {L"EffectButtonBathroomImage", L"Effect", L"EffectButtonStoneGalleryImageUp",
     L"EffectButtonStoneGalleryImageDown", Pick::Effect, 5},
    {L"EffectButtonLineImage1", L"Effect", L"EffectButtonLineImage1", nullptr, Pick::Static, 0},
    {L"EffectButtonLineImage2", L"Effect", L"EffectButtonLineImage2", nullptr, Pick::Static, 0},
    {L"EffectButtonLineImage3", L"Effect", L"EffectButtonLineImage3", nullptr, Pick::Static, 0},
    {L"EffectButtonLineImage4", L"Effect", L"EffectButtonLineImage4", nullptr, Pick::Static, 0},

    {L"Back_MicImage", L"Mic", L"Back_MicImage", nullptr, Pick::Static, 0},
    {L"MicBoostImage", L"Mic", L"MicBoostImageUp", L"MicBoostImageDown", Pick::Flag, 21},
    {L"MicMuteImage", L"Mic", L"MicMuteImageUp", L"MicMuteImageDown", Pick::Flag, 22},
    {L"MicMonitorImage", L"Mic", L"MicMonitorImageUp", L"MicMonitorImageDown", Pick::Flag, 89},
    {L"MicButtonLineImage", L"Mic", L"MicButtonLineImage", nullptr, Pick::Static, 0},
    {L"MicPicImage", L"Mic", L"MicPicImage", nullptr, Pick::Static, 0},
    {L"MicProgressImage", L"Mic", L"MicProgressImage", nullptr, Pick::Static, 0},
    {L"MicGainImage", L"Mic", L"MicGainImage", nullptr, Pick::Static, 0},
    {L"MicGraduationImage", L"Mic", L"MicGraduationImage", nullptr, Pick::Static, 0},
    {L"MicBarImage", L"Mic", L"MicBarImage", nullptr, Pick::Static, 0},
    {L"MicSliderImage", L"Mic", L"MicSliderImage", nullptr, Pick::Static, 0},
    {L"MicValueImage", L"Mic", L"MicValueImage", nullptr, Pick::Static, 0},
    {L"MicBarDownImage", L"Mic", L"MicBarDownImage", nullptr, Pick::Static, 0},

    {L"Back_Virtual7p1Image", L"Virtual7ch1", L"Back_Virtual7p1Image", nullptr, Pick::Static, 0},
    {L"VirtualEnableImage", L"Virtual7ch1", L"VirtualEnableImageUp", L"VirtualEnableImageDown",
     Pick::Flag, 47},
    {L"VirtualClockwiseImage", L"Virtual7ch1", L"VirtualClockwiseUpImage",
     L"VirtualClockwiseDownImage", Pick::Flag, 49},
    {L"VirtualCounterclockwiseImage", L"Virtual7ch1", L"VirtualCounterclockwiseUpImage",
     L"VirtualCounterclockwiseDownImage", Pick::Flag, 50},
    {L"VirtualEnlargeImage", L"Virtual7ch1", L"VirtualEnlargeUpImage", L"VirtualEnlargeDownImage",
     Pick::Flag, 53},
    {L"VirtualNarrowImage", L"Virtual7ch1", L"VirtualNarrowUpImage", L"VirtualNarrowDownImage",
     Pick::Flag, 52},
    {L"VirtualResetImage", L"Virtual7ch1", L"VirtualResetUpImage", L"VirtualResetDownImage",
     Pick::Press, 0},
    {L"VirtualPicImage", L"Virtual7ch1", L"VirtualPicImage", nullptr, Pick::Static, 0},
    {L"VirtualCImage", L"Virtual7ch1", L"VirtualCImage", nullptr, Pick::Static, 0},
    {L"VirtualLImage", L"Virtual7ch1", L"VirtualLImage", nullptr, Pick::Static, 0},
    {L"VirtualLSImage", L"Virtual7ch1", L"VirtualLSImage", nullptr, Pick::Static, 0},
    {L"VirtualLBImage", L"Virtual7ch1", L"VirtualLBImage", nullptr, Pick::Static, 0},
    {L"VirtualRBImage", L"Virtual7ch1", L"VirtualRBImage", nullptr, Pick::Static, 0},
    {L"VirtualRSImage", L"Virtual7ch1", L"VirtualRSImage", nullptr, Pick::Static, 0},
    {L"VirtualRImage", L"Virtual7ch1", L"VirtualRImage", nullptr, Pick::Static, 0},
    {L"VirtualSUBImage", L"Virtual7ch1", L"VirtualSUBImage", nullptr, Pick::Static, 0},
    {L"VirtualButtonLineImage1", L"Virtual7ch1", L"VirtualButtonLineImage1", nullptr, Pick::Static,
     0},
    {L"VirtualButtonLineImage2", L"Virtual7ch1", L"VirtualButtonLineImage2", nullptr, Pick::Static,
     0},
    {L"VirtualButtonLineImage3", L"Virtual7ch1", L"VirtualButtonLineImage3", nullptr, Pick::Static,
     0},

    {L"PageEQImage", L"Main", L"PageEQUpImage", L"PageEQDownImage", Pick::Tab, 1},
    {L"PageEffectImage", L"Main", L"PageEffectUpImage", L"PageEffectDownImage", Pick::Tab, 2},
    {L"PageMicImage", L"Main", L"PageMicUpImage", L"PageMicDownImage", Pick::Tab, 3},
    {L"PageVirtual7p1Image", L"Main", L"PageVirtual7p1UpImage", L"PageVirtual7p1DownImage",
     Pick::Tab, 4},
    {L"PageLEDImage", L"Main", L"PageLEDUpImage", L"PageLEDDownImage", Pick::Tab, 6},
    {L"PageENCImage", L"Main", L"PageENCUpImage", L"PageENCDownImage", Pick::Tab, 7},
    {L"PageVMEffectImage", L"Main", L"PageVMEffectUpImage", L"PageVMEffectDownImage", Pick::Tab, 8},

    {L"ColorLEDOffCheckImage", L"LED", L"ColorLEDOffCheckUpImage", L"ColorLEDOffCheckDownImage",
     Pick::LedUp, 0},
    {L"ColorSingleCheckImage", L"LED", L"ColorSingleCheckUpImage", L"ColorSingleCheckDownImage",
     Pick::LedUp, 0},
    {L"ColorBreatheCheckImage", L"LED", L"ColorBreatheCheckUpImage", L"ColorBreatheCheckDownImage",
     Pick::LedUp, 0},
    {L"ColorRainbowCheckImage", L"LED", L"ColorRainbowCheckUpImage", L"ColorRainbowCheckDownImage",
     Pick::LedUp, 0},
    {L"ColorPulsatingCheckImage", L"LED", L"ColorPulsatingCheckUpImage",
     L"ColorPulsatingCheckDownImage", Pick::LedUp, 0},
    {L"ColorBreatheBarImage", L"LED", L"ColorBreatheBarImage", nullptr, Pick::LedUp, 0},
    {L"ColorRainbowBarImage", L"LED", L"ColorRainbowBarImage", nullptr, Pick::LedUp, 0},
    {L"ColorPulsatingBarImage", L"LED", L"ColorPulsatingBarImage", nullptr, Pick::LedUp, 0},
    {L"ColorBreatheSliderImage", L"LED", L"ColorBreatheSliderUpImage",
     L"ColorBreatheSliderDownImage", Pick::LedUp, 0},
    {L"ColorRainbowSliderImage", L"LED", L"ColorRainbowSliderUpImage",
     L"ColorRainbowSliderDownImage", Pick::LedUp, 0},
    {L"ColorPulsatingSliderImage", L"LED", L"ColorPulsatingSliderUpImage",
     L"ColorPulsatingSliderDownImage", Pick::LedUp, 0},

    {L"ENCFunctionImage", L"ENC", L"ENCFunctionUpImage", L"ENCFunctionDownImage", Pick::Press, 0},
    {L"ENCBarImage", L"ENC", L"ENCBarImage", nullptr, Pick::Static, 0},
    {L"ENCSliderImage", L"ENC", L"ENCSliderImage", nullptr, Pick::Static, 0},
    {L"ENCValueImage", L"ENC", L"ENCValueImage", nullptr, Pick::Static, 0},
    {L"VMEffectNoneImage", L"VoiceMagic", L"VMEffectNoneUpImage", L"VMEffectNoneDownImage",
     Pick::Press, 0},
    {L"VMEffect1Image", L"VoiceMagic", L"VMEffect1UpImage", L"VMEffect1DownImage", Pick::Press, 0},
    {L"VMEffect2Image", L"VoiceMagic", L"VMEffect2UpImage", L"VMEffect2DownImage", Pick::Press, 0},
    {L"VMEffect3Image", L"VoiceMagic", L"VMEffect3UpImage", L"VMEffect3DownImage", Pick::Press, 0},
    {L"VMEffect4Image", L"VoiceMagic", L"VMEffect4UpImage", L"VMEffect4DownImage", Pick::Press, 0},
    {L"VMFunctionImage", L"VoiceMagic", L"VMFunctionUpImage", L"VMFunctionDownImage", Pick::Press,
     0},
};

const wchar_t* const kEffectPictures[] = {L"EffectPicNonImage", L"EffectPicTheaterImage",
                                          L"EffectPicBathroomImage", L"EffectPicLivingroomImage",
                                          L"EffectPicStoneGalleryImage"};

bool Shown(const std::wstring& file) {
    return !file.empty() && file != L"(null)";
}

ShapeType ShapeOf(int code) {
    switch (code) {
    case SwatchEllipse:
        return ShapeType::Ellipse;
    case SwatchRectangle:
        return ShapeType::Rectangle;
    case SwatchRoundRect:
        return ShapeType::RoundRect;
    case SwatchRoundSquare:
        return ShapeType::RoundSquare;
    case SwatchSquare:
        return ShapeType::Square;
    default:
        return ShapeType::Circle;
    }
}

const SkinnedControl* SkinnedFor(const std::wstring& control) {
    for (const SkinnedControl& s : kSkinned)
        if (control == s.control) return &s;
    return nullptr;
}

} // namespace

void TAudioMainForm::CreateDesign() {
    for (const DesignControl& d : MainFormDesign()) {
        Control* control = nullptr;
        switch (d.kind) {
        case ControlKind::Image:
            control = &Add<Image>(d.name, d.tag);
            break;
        case ControlKind::Label: {
            Label& label = Add<Label>(d.name, d.tag);
            label.SetVisible(false);
            control = &label;
            break;
        }
        case ControlKind::Shape: {
            Shape& shape = Add<Shape>(d.name, d.tag);
            if (d.binding == DesignBinding::Bevel) {
                shape.SetBounds({0, 0, 2, 16});
                shape.SetBrushColor(0x372E2A);
                shape.SetPenColor(0x372E2A);
            }
            shape.SetVisible(false);
            control = &shape;
            break;
        }
        }
        control->SetVisible(false);
        switch (d.binding) {
        case DesignBinding::WindowDrag:
            control->OnMouseDown = [this](Control&, const MouseEvent& e) { FormMouseDown(e); };
            break;
        case DesignBinding::ImageButton:
            control->OnMouseDown = [this](Control& c, const MouseEvent& e) {
                OnImageMouseDown(c, e);
            };
            control->OnMouseUp = [this](Control& c, const MouseEvent& e) { OnImageMouseUp(c, e); };
            break;
        case DesignBinding::LabelButton:
            control->OnMouseDown = [this](Control& c, const MouseEvent& e) {
                OnLabelMouseDown(c, e);
            };
            control->OnMouseUp = [this](Control& c, const MouseEvent& e) { OnLabelMouseUp(c, e); };
            break;
        case DesignBinding::PageLabel:
            control->OnMouseDown = [this](Control& c, const MouseEvent& e) {
                OnLabelPageMouseDown(c, e);
            };
            break;
        default:
            break;
        }
    }
    DeviceActiveLabel = LabelNamed(L"DeviceActiveLabel");
    // The window buttons' and reset buttons' clicks.
    ImageNamed(L"CloseImage")->OnClick = [this](Control&) { CloseImageClick(); };
    ImageNamed(L"MinimizeImage")->OnClick = [this](Control&) { MinimizeImageClick(); };
    ImageNamed(L"EQResetImage")->OnClick = [this](Control&) { ResetEqualiser(); };
    LabelNamed(L"EQResetLabel")->OnClick = [this](Control&) { ResetEqualiser(); };
    ImageNamed(L"D3ResetImage")->OnClick = [this](Control&) { Reset3D(); };
    LabelNamed(L"D3ResetLabel")->OnClick = [this](Control&) { Reset3D(); };
    ImageNamed(L"VirtualResetImage")->OnClick = [this](Control&) { ResetSpeakers(); };
    LabelNamed(L"VirtualResetLabel")->OnClick = [this](Control&) { ResetSpeakers(); };

    BeeCheckBox = std::make_unique<CheckBox>(*this, L"BeeCheckBox", L"Bee");
    ListenToDeviceCheckBox =
        std::make_unique<CheckBox>(*this, L"ListenToDeviceCheckBox", L"Listen");
    ListenToDeviceCheckBox->SetEnabled(false);
}

Image* TAudioMainForm::ImageNamed(const std::wstring& name) const {
    Control* c = FindByName(name);
    return c && c->Kind() == ControlKind::Image ? static_cast<Image*>(c) : nullptr;
}

Label* TAudioMainForm::LabelNamed(const std::wstring& name) const {
    Control* c = FindByName(name);
    return c && c->Kind() == ControlKind::Label ? static_cast<Label*>(c) : nullptr;
}

Image* TAudioMainForm::FindImageByTag(int tag) const {
    return static_cast<Image*>(FindByTag(ControlKind::Image, tag));
}
Label* TAudioMainForm::FindLabelByTag(int tag) const {
    return static_cast<Label*>(FindByTag(ControlKind::Label, tag));
}
Shape* TAudioMainForm::FindShapeByTag(int tag) const {
    return static_cast<Shape*>(FindByTag(ControlKind::Shape, tag));
}

// The per-user choice and the screen class decide which skin and language files are read.
void TAudioMainForm::ChooseSkinAndLanguage() {
    m_strSkinRoot = m_strAppFolder + m_AppFolderPath.SkinFolderName + L"\\";
    m_strLanguageRoot = m_strAppFolder + m_AppFolderPath.LanguageFolderName + L"\\";
    m_strPerUserConfig = PerUserConfigPath(m_AppFolderPath.InstallFolderName);
    UserChoices choices = ReadUserChoices(m_strPerUserConfig);
    m_strSkinName = choices.skin;
    m_strLanguageName = choices.language;
    m_strResolutionFolder = ChooseResolutionFolder(
        m_strSkinRoot, m_strSkinName, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    m_iBee = ReadConfigInt(ConfigFilePath(), L"Version", L"Bee");
}

void TAudioMainForm::BuildLanguageAndSkinMenus() {
    m_iLanguageCount = BuildLanguageMenu();
    m_iSkinCount = BuildSkinMenu();
}

int TAudioMainForm::BuildSkinMenu() {
    SkinMenu->Clear();
    MenuItem* match = nullptr;
    for (const std::wstring& name : ListSubfolders(m_strSkinRoot + m_strResolutionFolder)) {
        MenuItem& item = SkinMenu->Add(name, name);
        item.RadioItem = true;
        item.OnClick = [this](MenuItem& clicked) { SkinMenuClick(clicked); };
        if (!match && name == m_strSkinName) match = &item;
    }
    if (!match && !SkinMenu->Items().empty()) match = SkinMenu->Items().front().get();
    if (match) match->Checked = true;
    return static_cast<int>(SkinMenu->Items().size());
}

int TAudioMainForm::BuildLanguageMenu() {
    LanguageMenu->Clear();
    ListBoxLanguageMap.clear();
    MenuItem* match = nullptr;
    for (const std::wstring& folder : ListSubfolders(m_strLanguageRoot + m_strResolutionFolder)) {
        std::wstring display =
            ReadConfigText(ConfigFilePath(), L"MultiLanguageFolderMap", folder).substr(0, 79);
        ListBoxLanguageMap.push_back(folder);
        MenuItem& item = LanguageMenu->Add(display, folder);
        item.RadioItem = true;
        item.OnClick = [this](MenuItem& clicked) { LanguageMenuClick(clicked); };
        if (!match && folder == m_strLanguageName) match = &item;
    }
    if (!match && !LanguageMenu->Items().empty()) match = LanguageMenu->Items().front().get();
    if (match) match->Checked = true;
    return static_cast<int>(LanguageMenu->Items().size());
}

void TAudioMainForm::SkinMenuClick(MenuItem& item) {
    for (auto& other : SkinMenu->Items())
        other->Checked = false;
    item.Checked = true;
    std::wstring previous = m_strSkinName;
    m_strSkinName = SkinNameFromCaption(item.Caption);
    if (!LoadSkinSettings(m_strSkinName)) {
        // A broken skin leaves the window as it was.
        m_strSkinName = previous;
        return;
    }
    ApplySkin();
    ApplyLanguage();
    RefreshEncPictures();
    RefreshVoicePictures();
    ApplyPageVisibility(CurrentPage);
    PlaceSliderThumbs();
    MoveSpeakersToNewCircle();
    SaveUserChoices(m_strPerUserConfig, {m_strSkinName, m_strLanguageName});
}

void TAudioMainForm::LanguageMenuClick(MenuItem& item) {
    for (auto& other : LanguageMenu->Items())
        other->Checked = false;
    item.Checked = true;
    const auto& items = LanguageMenu->Items();
    for (size_t i = 0; i < items.size() && i < ListBoxLanguageMap.size(); ++i)
        if (items[i]->Caption == item.Caption) {
            m_strLanguageName = ListBoxLanguageMap[i];
            break;
        }
    LoadLanguage(m_strLanguageName);
    ApplyLanguage();
    ApplyPageVisibility(CurrentPage);
    SaveUserChoices(m_strPerUserConfig, {m_strSkinName, m_strLanguageName});
}

std::wstring TAudioMainForm::SkinFolder() const {
    return m_strSkinRoot + m_strResolutionFolder + L"\\" + m_strSkinName + L"\\";
}

bool TAudioMainForm::LoadSkinSettings(const std::wstring& skinName) {
    std::wstring layout = m_strSkinRoot + m_strResolutionFolder + skinName + L"\\SkinSetting.ini";
    std::wstring base = m_strSkinRoot + skinName + L"\\SkinSetting.ini";
    int result = ::LoadSkinSettings(ProfileFileReader(layout), ProfileFileReader(base),
                                    m_iOldVersion != 0, m_Skin);
    if (result != SkinLoaded) {
        DebugPrint(L"***** LoadSkinSettings(%s) FAIL, ret = %d *****\n", layout, result);
        return false;
    }
    return true;
}

void TAudioMainForm::LoadLanguageTexts() {
    LoadLanguage(m_strLanguageName);
    ApplyLanguage();
}

void TAudioMainForm::LoadLanguage(const std::wstring& languageName) {
    std::wstring file =
        m_strLanguageRoot + m_strResolutionFolder + languageName + L"\\Language.ini";
    ::LoadLanguage(ProfileFileReader(file), m_iOldVersion != 0, m_Texts);
}

void TAudioMainForm::LoadAndApplySkin() {
    if (m_iRegionCut != 0) ApplyRegionFile();
    LoadSkinSettings(m_strSkinName);
    ApplySkin();
    ApplyLanguage();
    // The window was made at its design size; it is centred at the size the skin gave it.
    CenterOnScreen();
}

const SkinItem& TAudioMainForm::Item(const wchar_t* section, const std::wstring& key) const {
    return m_Skin.Item(section, key);
}

// The item a control shows in the current state (null for controls the skin does not cover).
const SkinItem* TAudioMainForm::ItemForControl(const std::wstring& control) const {
    static const SkinItem none;
    if (control == L"EffectPicImage") {
        if (m_iCurrentEffect < 1 || m_iCurrentEffect > 5) return &none;
        return &Item(L"Effect", kEffectPictures[m_iCurrentEffect - 1]);
    }
    if (control == L"D3AlphaImage" || control == L"D3BetaImage") {
        int link = control == L"D3AlphaImage" ? m_iAlphaLink : m_iBetaLink;
        std::wstring key = std::wstring(control == L"D3AlphaImage" ? L"D3Alpha" : L"D3Beta") +
                           (link == 1   ? L"Dep"
                            : link == 2 ? L"Inv"
                                        : L"Indep") +
                           L"Image";
        return &Item(L"3D", key);
    }
    if (control == L"MainLeftImage") {
        if (CurrentPage < 1 || CurrentPage > 4) return &none;
        return &Item(L"Main", L"MainLeftImage" + std::to_wstring(CurrentPage));
    }
    const SkinnedControl* s = SkinnedFor(control);
    if (!s) return nullptr;
    bool down = false;
    switch (s->pick) {
    case Pick::Flag: {
        const bool* flags[] = {&m_bEQEnable,         &m_b3DEnable,   &m_bFBM,        &m_bMicBoost,
                               &m_bMicMute,          &m_bMicMonitor, &m_b7ch1Enable, &m_bClockwise,
                               &m_bCounterclockwise, &m_bEnlarge,    &m_bNarrow,     &m_bLedOn};
        const int tags[] = {7, 8, 13, 21, 22, 89, 47, 49, 50, 53, 52, 51};
        for (size_t i = 0; i < sizeof tags / sizeof tags[0]; ++i)
            if (tags[i] == s->arg) down = *flags[i];
        break;
    }
    case Pick::NotFlag:
        down = !m_bDevicePresent;
        break;
    case Pick::Preset:
        down = m_iCurrentPreset == s->arg;
        break;
    case Pick::Effect:
        down = m_iCurrentEffect == s->arg;
        break;
    case Pick::Tab:
        down = CurrentPage == s->arg;
        break;
    default:
        break;
    }
    return &Item(s->section, down && s->down ? s->down : s->up);
}

void TAudioMainForm::ApplySkinItem(const SkinItem& item, Image* image) {
    if (image) ApplySkinItemTo(item, *image, SkinFolder());
}

void TAudioMainForm::ApplySkin() {
    for (const SkinnedControl& s : kSkinned) {
        Image* image = ImageNamed(s.control);
        const SkinItem* item =
            s.pick == Pick::LedUp ? &Item(s.section, s.up) : ItemForControl(s.control);
        if (item) ApplySkinItem(*item, image);
        // The pictures chosen by state go with their families: the link-mode pictures with
        // the 3D page, the environment picture with the effect page, the side picture with
        // the page tabs.
        if (std::wstring(s.control) == L"PageVMEffectImage")
            ApplySkinItem(*ItemForControl(L"MainLeftImage"), ImageNamed(L"MainLeftImage"));
        if (std::wstring(s.control) == L"D3RBetaSliderImage") {
            ApplySkinItem(*ItemForControl(L"D3AlphaImage"), ImageNamed(L"D3AlphaImage"));
            ApplySkinItem(*ItemForControl(L"D3BetaImage"), ImageNamed(L"D3BetaImage"));
        }
        if (std::wstring(s.control) == L"EffectButtonLineImage4" && m_iCurrentEffect >= 1 &&
            m_iCurrentEffect <= 5)
            ApplySkinItem(*ItemForControl(L"EffectPicImage"), ImageNamed(L"EffectPicImage"));
    }
    ApplyLedPage();
    for (int i = 0; i < kSwatchCount; ++i) {
        Shape* swatch = static_cast<Shape*>(FindByName(kSwatchKeys[i]));
        const SwatchSetting& setting = m_Skin.swatches[i];
        if (!swatch) continue;
        if (setting.hasGeometry) {
            swatch->SetBounds({setting.left, setting.top, setting.width, setting.height});
            swatch->SetType(ShapeOf(setting.shape));
        }
        swatch->SetBrushColor(setting.color);
        swatch->SetPenColor(0);
    }
    const wchar_t* bevels[] = {L"Bevel2", L"Bevel3", L"Bevel4", L"Bevel5", L"Bevel6", L"Bevel7"};
    for (int i = 0; i < 6; ++i)
        if (Control* bevel = FindByName(bevels[i]))
            bevel->SetVisible(i < 3 ? m_Skin.geometry.BevelLine : m_Skin.geometry.BevelLine2);

    // The bee switch has no skin key: it stands under the speaker buttons, scaled with the
    // window (its design place is 620, 380 in the 819-pixel window).
    if (Image* main = ImageNamed(L"MainFormImage");
        main && BeeCheckBox && !main->GetPicture().Empty()) {
        double scale = main->GetPicture().Width() / 819.0;
        BeeCheckBox->SetBounds(static_cast<int>(620 * scale), static_cast<int>(380 * scale),
                               static_cast<int>(160 * scale), static_cast<int>(20 * scale));
    }

    Image* main = ImageNamed(L"MainFormImage");
    bool shaped = m_iRegionCut != 0 && ApplyRegionFile();
    if (!shaped && main && !main->GetPicture().Empty())
        SetClientSize(main->GetPicture().Width(), main->GetPicture().Height());
}

bool TAudioMainForm::ApplyRegionFile() {
    RegionFile region;
    std::wstring path = SkinFolder() + L"MainForm_Frame.rgn";
    if (!ReadRegionFile(path, region)) {
        DebugPrint(L"***** Region file FAIL: %s *****\n", path);
        return false;
    }
    if (!ApplyWindowRegion(*this, region)) return false;
    if (Image* main = ImageNamed(L"MainFormImage"); main && !main->GetPicture().Empty())
        SetClientSize(main->GetPicture().Width(), main->GetPicture().Height());
    return true;
}

void TAudioMainForm::ApplyPageVisibility(int page) {
    for (const SkinnedControl& s : kSkinned) {
        if (std::wstring(s.section) == L"3D") continue;
        Image* image = ImageNamed(s.control);
        if (!image) continue;
        const SkinItem* item;
        int judged = page;
        if (s.pick == Pick::LedUp) {
            item = &Item(s.section, s.up);
            judged = page == 6 && m_Skin.geometry.LEDPageMode == 1 ? 6 : 1;
        } else if (s.pick == Pick::Tab) {
            item = &Item(s.section, s.up);
        } else {
            item = ItemForControl(s.control);
        }
        image->SetVisible(Shown(item->ImageFile) && (item->Page == 0 || item->Page == judged));
    }
    if (Image* picture = ImageNamed(L"EffectPicImage")) {
        const SkinItem* item = ItemForControl(L"EffectPicImage");
        picture->SetVisible(Shown(item->ImageFile) && (item->Page == 0 || item->Page == page));
    }
    bool swatches = page == 6 && m_Skin.geometry.LEDPageMode == 1;
    for (int i = 0; i < kSwatchCount; ++i)
        if (Control* swatch = FindByName(kSwatchKeys[i])) swatch->SetVisible(swatches);

    for (const LanguageKey& key : LanguageKeys()) {
        Label* label = key.control ? LabelNamed(key.control) : nullptr;
        if (!label || std::wstring(key.section) == L"3D") continue;
        if (label == DeviceActiveLabel && std::wstring(key.name) != L"LabelActive") continue;
        const TextItem* text = m_Texts.Find(key.name);
        int judged = page;
        if (std::wstring(key.section) == L"LED")
            judged = page == 6 && m_Skin.geometry.LEDPageMode == 1 ? 6 : 1;
        label->SetVisible(text && Shown(text->Text) && (text->Page == 0 || text->Page == judged));
    }
    if (BeeCheckBox) BeeCheckBox->SetVisible(page == 4 && m_iBee == 1);
}

TextItem* TAudioMainForm::TextForLabel(const std::wstring& label) {
    for (size_t i = 0; i < LanguageKeys().size(); ++i)
        if (LanguageKeys()[i].control && label == LanguageKeys()[i].control)
            return &m_Texts.items[i];
    return nullptr;
}

void TAudioMainForm::ApplyLabelText(const wchar_t* key, const wchar_t* label, bool useUp) {
    TextItem* item = m_Texts.Find(key);
    Label* target = LabelNamed(label);
    if (item && target) ApplyTextItem(*item, *target, useUp, m_Texts);
}

void TAudioMainForm::SetLabelColour(Label* label, bool down) {
    if (!label) return;
    TextItem* item = TextForLabel(label->Name());
    if (!item) return;
    if (down && (item->HasDownColour || m_Texts.GlobalDownColour != 0))
        label->SetFontColor(item->HasDownColour ? item->DownColour : m_Texts.GlobalDownColour);
    if (!down && (item->HasUpColour || m_Texts.GlobalUpColour != 0))
        label->SetFontColor(item->HasUpColour ? item->UpColour : m_Texts.GlobalUpColour);
}

void TAudioMainForm::SetLabelColour(int tag, bool down) {
    SetLabelColour(FindLabelByTag(tag), down);
}

void TAudioMainForm::ApplyLanguage() {
    struct Down {
        const wchar_t* label;
        bool down;
    };
    const Down states[] = {
        {L"PageEQLabel", CurrentPage == 1},
        {L"Page3DLabel", CurrentPage == 5},
        {L"PageEffectLabel", CurrentPage == 2},
        {L"PageMicLabel", CurrentPage == 3},
        {L"PageVirtual7p1Label", CurrentPage == 4},
        {L"PageLEDLabel", CurrentPage == 6},
        {L"PageENCLabel", CurrentPage == 7},
        {L"PageVMEffectLabel", CurrentPage == 8},
        {L"EQEQENLabel", m_bEQEnable},
        {L"EQ3DENLabel", m_b3DEnable},
        {L"D33DENLabel", m_b3DEnable},
        {L"D3FBMLabel", m_bFBM},
        {L"MicBoostLabel", m_bMicBoost},
        {L"MicMuteLabel", m_bMicMute},
        {L"MicMonitorLabel", m_bMicMonitor},
        {L"VirtualENLabel", m_b7ch1Enable},
        {L"VirtualClockwiseLabel", m_bClockwise},
        {L"VirtualCounterclockwiseLabel", m_bCounterclockwise},
        {L"VirtualEnlargeLabel", m_bEnlarge},
        {L"VirtualNarrowLabel", m_bNarrow},
        {L"EQS1Label", m_iCurrentPreset == 1},
        {L"EQS2Label", m_iCurrentPreset == 2},
        {L"EQS3Label", m_iCurrentPreset == 3},
        {L"EQS4Label", m_iCurrentPreset == 4},
        {L"EffectNonLabel", m_iCurrentEffect == 1},
        {L"EffectTheaterLabel", m_iCurrentEffect == 2},
        {L"EffectBathroomLabel", m_iCurrentEffect == 3},
        {L"EffectLivingroomLabel", m_iCurrentEffect == 4},
        {L"EffectStoneGalleryLabel", m_iCurrentEffect == 5},
    };
    // Every label fed by the language file; the device text, the preset caption and the two
    // value labels are finished below.
    for (const LanguageKey& key : LanguageKeys()) {
        if (!key.control || !*key.control) continue;
        Label* label = LabelNamed(key.control);
        if (!label || label == DeviceActiveLabel) continue;
        bool down = false;
        for (const Down& d : states)
            if (label->Name() == d.label) down = d.down;
        TextItem* item = m_Texts.Find(key.name);
        if (item) ApplyTextItem(*item, *label, !down, m_Texts);
    }
    // The page labels in one row, separated by the bevels.
    if (Control* bevel2 = FindByName(L"Bevel2"); bevel2 && bevel2->Visible()) {
        const wchar_t* row[][2] = {
            {L"PageEQLabel", L"Bevel2"},  {L"PageEffectLabel", L"Bevel3"},
            {L"PageMicLabel", L"Bevel4"}, {L"PageVirtual7p1Label", L"Bevel5"},
            {L"PageENCLabel", L"Bevel6"}, {L"PageVMEffectLabel", L"Bevel7"},
            {L"PageLEDLabel", nullptr}};
        const int gaps[] = {5, 5, 5, 10, 5, 5};
        for (int i = 0; i < 6; ++i) {
            Label* left = LabelNamed(row[i][0]);
            Control* bevel = FindByName(row[i][1]);
            Label* next = LabelNamed(row[i + 1][0]);
            if (!left || !bevel || !next) continue;
            bevel->SetLeft(left->Left() + left->Width());
            bevel->SetTop(left->Top());
            next->SetLeft(bevel->Left() + bevel->Width() + gaps[i]);
        }
    }
    ApplyDeviceStateText();
    ApplyLabelText(L"LabelSX", L"SXLabel", true);
    if (Label* sx = LabelNamed(L"SXLabel"))
        if (const TextItem* preset = m_Texts.Find(L"LabelEQS" + std::to_wstring(m_iCurrentPreset)))
            sx->SetCaption(preset->Text);
    if (Label* mic = LabelNamed(L"MicValueLabel")) mic->SetCaption(std::to_wstring(m_iMicVolume));
    if (Label* enc = LabelNamed(L"ENCValueLabel")) enc->SetCaption(std::to_wstring(m_iENCLevel));

    struct MenuText {
        MenuItem* item;
        const wchar_t* key;
        const wchar_t* fallback;
    };
    const MenuText menus[] = {{LanguageMenu, L"LabelLanguage", L"Language"},
                              {SkinMenu, L"LabelSkin", L"Skin"},
                              {CloseMenu, L"LabelClose", L"Close"},
                              {ModeMenu, L"LabelPlugin", L"Plugin"}};
    for (const MenuText& m : menus) {
        if (!m.item) continue;
        const TextItem* item = m_Texts.Find(m.key);
        m.item->Caption = item && !item->Text.empty() ? item->Text : m.fallback;
    }
}

// The device-state label takes the item of the state's text.
void TAudioMainForm::ApplyDeviceStateText() {
    if (!DeviceActiveLabel) return;
    const wchar_t* key = m_strDeviceStateKey.empty()
                             ? (m_bDevicePresent ? L"LabelActive" : L"LabelUnactive")
                             : m_strDeviceStateKey.c_str();
    if (TextItem* item = m_Texts.Find(key)) ApplyTextItem(*item, *DeviceActiveLabel, true, m_Texts);
}

void TAudioMainForm::ShowWarning(const wchar_t* textKey) {
    const TextItem* item = m_Texts.Find(textKey);
    std::wstring text = item ? item->Text : std::wstring();
    MessageBoxW(Handle(), text.c_str(), m_AppFolderPath.InstallAppTitle.c_str(),
                MB_OK | MB_ICONEXCLAMATION);
}

#include "ui/control_table.h"

#include "effects/panel_features.h"
#include "ui/main_form_view.h"

namespace {

using K = ControlKind;
using R = ControlRole;

// The state queries and actions the rows share.
bool NotPresent(const MainFormView& v, int) {
    return !v.DevicePresent();
}
bool EQOn(const MainFormView& v, int) {
    return v.Features().effects.EQEnable();
}
bool D3On(const MainFormView& v, int) {
    return v.Features().effects.Enable3D();
}
bool FBMOn(const MainFormView& v, int) {
    return v.Features().effects.FBM();
}
bool PresetIs(const MainFormView& v, int preset) {
    return v.Features().effects.CurrentPreset() == preset;
}
bool EffectIs(const MainFormView& v, int mode) {
    return v.Features().effects.CurrentEffect() == mode;
}
bool BoostOn(const MainFormView& v, int) {
    return v.Features().microphone.MicBoost();
}
bool MuteOn(const MainFormView& v, int) {
    return v.Features().microphone.MicMute();
}
bool MonitorOn(const MainFormView& v, int) {
    return v.Features().microphone.MicMonitor();
}
bool ENCOn(const MainFormView& v, int) {
    return v.Features().microphone.ENCEnable();
}
bool VoiceOn(const MainFormView& v, int) {
    return v.Features().microphone.VoiceMagicEnable();
}
bool VoiceModeIs(const MainFormView& v, int mode) {
    return v.Features().microphone.VoiceMagicMode() == mode;
}
bool SurroundOn(const MainFormView& v, int) {
    return v.Features().surround.Enable7ch1();
}
bool MotionIs(const MainFormView& v, int motion) {
    return v.Features().surround.MotionOn(static_cast<SpeakerMotion>(motion));
}
bool LedOn(const MainFormView& v, int) {
    return v.Features().lighting.LedOn();
}
bool PageIs(const MainFormView& v, int page) {
    return v.CurrentPage() == page;
}
bool LedCheckIs(const MainFormView& v, int check) {
    return v.Features().lighting.SelectedCheck() == static_cast<LedCheck>(check);
}
bool LedEffectIs(const MainFormView& v, int effect) {
    return v.Features().lighting.SelectedEffect() == effect;
}

void SetEQ(MainFormView& v, int) {
    v.Features().effects.ToggleEQ();
}
void Set3D(MainFormView& v, int) {
    v.Features().effects.Toggle3D();
}
void SetFBM(MainFormView& v, int) {
    v.Features().effects.ToggleFBM();
}
void SelectPreset(MainFormView& v, int preset) {
    v.Features().effects.SelectPreset(preset);
}
void SelectEffect(MainFormView& v, int mode) {
    v.Features().effects.ApplyEffectMode(mode);
}
void StepLink(MainFormView& v, int which) {
    v.Features().effects.AdvanceLinkMode(which == 0 ? Link3D::Alpha : Link3D::Beta);
}
void ToggleSync(MainFormView& v, int) {
    v.Features().effects.ToggleSync();
}
void SetBoost(MainFormView& v, int) {
    v.Features().microphone.ToggleBoost();
}
void SetMute(MainFormView& v, int) {
    v.Features().microphone.ToggleMute();
}
void SetMonitor(MainFormView& v, int) {
    v.Features().microphone.ToggleMonitor();
}
// Noise cancellation and voice change: nothing without a device, a warning when the device has
// no noise cancellation.
bool NoiseCancellingOffered(MainFormView& v) {
    if (!v.DevicePresent()) return false;
    if (v.Features().microphone.ENCAvailable()) return true;
    v.ShowWarning(L"LabelWarning1");
    return false;
}
void SetENC(MainFormView& v, int) {
    if (NoiseCancellingOffered(v)) v.Features().microphone.ToggleENC();
}
void SetVoice(MainFormView& v, int) {
    if (NoiseCancellingOffered(v)) v.Features().microphone.ToggleVoiceMagic();
}
void SelectVoice(MainFormView& v, int mode) {
    if (NoiseCancellingOffered(v)) v.Features().microphone.SelectVoiceMode(mode);
}
void SetSurround(MainFormView& v, int) {
    v.Features().surround.ToggleEnable();
}
void ToggleMotion(MainFormView& v, int motion) {
    v.Features().surround.ToggleMotion(static_cast<SpeakerMotion>(motion));
}
void LedPower(MainFormView& v, int on) {
    v.Features().lighting.SetLedPower(on != 0);
}
void LedCheckClick(MainFormView& v, int check) {
    v.LedCheckClick(static_cast<LedCheck>(check));
}
void ShowPage(MainFormView& v, int page) {
    v.ChangePage(page);
}
void CloseClick(MainFormView& v, int) {
    v.CloseImageClick();
}
void MinimizeClick(MainFormView& v, int) {
    v.MinimizeImageClick();
}
void SaveProfile(MainFormView& v, int) {
    v.SaveProfileFromMenu();
}
void LoadProfile(MainFormView& v, int) {
    v.LoadProfileFromMenu();
}
void About(MainFormView& v, int) {
    v.OpenAboutWindow();
}
void ResetEQ(MainFormView& v, int) {
    v.Features().effects.ResetEqualiser();
}
void Reset3D(MainFormView& v, int) {
    v.Features().effects.Reset3DSetting();
}
void ResetSpeakers(MainFormView& v, int) {
    v.Features().surround.ResetVirtual7ch1();
}
bool BeeOn(const MainFormView& v, int) {
    return v.Features().surround.BeeRunning();
}

// One constructor per kind of row keeps the table readable.
ControlRow Background(const wchar_t* name, const wchar_t* section, const wchar_t* key,
                      int page = 0) {
    return {K::Image, name,    0,       R::WindowDrag,      page,
            section,  key,     nullptr, SkinLook::Static,   nullptr,
            nullptr,  nullptr, 0,       kWorksWithoutDevice};
}
ControlRow Picture(const wchar_t* name, const wchar_t* section, int page,
                   const wchar_t* key = nullptr) {
    return {
        K::Image,         name,    0,       R::Picture, page, section, key ? key : name, nullptr,
        SkinLook::Static, nullptr, nullptr, nullptr,    0,    kNoFlags};
}
// A picture that shows the down key while a feature state holds, and presses do nothing.
ControlRow Indicator(const wchar_t* name, int tagValue, const wchar_t* section, int page,
                     const wchar_t* up, const wchar_t* down, const wchar_t* caption,
                     ControlQuery isDown, int arg = 0) {
    return {K::Image,         name,    tagValue, R::Picture, page, section, up, down,
            SkinLook::UpDown, caption, isDown,   nullptr,    arg,  kNoFlags};
}
ControlRow PressButton(const wchar_t* name, int tagValue, const wchar_t* section, int page,
                       const wchar_t* up, const wchar_t* down, const wchar_t* caption,
                       ControlAction action, unsigned flags = kNoFlags) {
    return {K::Image,         name,    tagValue, R::PressButton, page, section, up, down,
            SkinLook::UpDown, caption, nullptr,  action,         0,    flags};
}
ControlRow Button(ControlRole role, const wchar_t* name, int tagValue, const wchar_t* section,
                  int page, const wchar_t* up, const wchar_t* down, const wchar_t* caption,
                  ControlQuery isDown, ControlAction action, int arg = 0,
                  unsigned flags = kNoFlags) {
    return {K::Image,         name,    tagValue, role,   page, section, up, down,
            SkinLook::UpDown, caption, isDown,   action, arg,  flags};
}
ControlRow Slider(ControlRole role, const wchar_t* name, int tagValue, const wchar_t* section,
                  int page, int arg = 0, unsigned flags = kNoFlags) {
    return {K::Image,         name,    tagValue, role,    page, section, name, nullptr,
            SkinLook::Static, nullptr, nullptr,  nullptr, arg,  flags};
}
ControlRow Chooser(const wchar_t* name, int tagValue, ControlRole role, const wchar_t* section,
                   int page, SkinLook look, ControlAction action = nullptr, int arg = 0,
                   unsigned flags = kNoFlags) {
    return {K::Image, name, tagValue, role,    page,   section, nullptr,
            nullptr,  look, nullptr,  nullptr, action, arg,     flags};
}
ControlRow LedPicture(const wchar_t* name, int tagValue, const wchar_t* up) {
    return {K::Image,         name,    tagValue, R::LedPage, kPageLED, L"LED",  up, nullptr,
            SkinLook::Static, nullptr, nullptr,  nullptr,    0,        kNoFlags};
}
ControlRow LedCheckPicture(const wchar_t* name, int tagValue, const wchar_t* up,
                           const wchar_t* down, const wchar_t* label, LedCheck check) {
    return {K::Image,
            name,
            tagValue,
            R::LedCheck,
            kPageLED,
            L"LED",
            up,
            down,
            SkinLook::UpDown,
            label,
            LedCheckIs,
            LedCheckClick,
            static_cast<int>(check),
            kNoFlags};
}
// A speed thumb of an effect (1 breathe, 2 rainbow, 3 multi-breathe), lit while its effect is.
ControlRow LedThumb(const wchar_t* name, int tagValue, const wchar_t* up, const wchar_t* down,
                    const wchar_t* bar, int effect) {
    return {K::Image,         name, tagValue,    R::LedThumb, kPageLED, L"LED",  up, down,
            SkinLook::UpDown, bar,  LedEffectIs, nullptr,     effect,   kNoFlags};
}
ControlRow Swatch(const wchar_t* name, int tagValue) {
    return {K::Shape, name,           tagValue, R::Swatch, kPageLED, nullptr, nullptr,
            nullptr,  SkinLook::None, nullptr,  nullptr,   nullptr,  0,       kNoFlags};
}
ControlRow Bevel(const wchar_t* name) {
    return {K::Shape, name,           0,       R::Bevel, 0,       nullptr, nullptr,
            nullptr,  SkinLook::None, nullptr, nullptr,  nullptr, 0,       kNoFlags};
}
ControlRow Text(const wchar_t* name, ControlRole role = R::Text) {
    return {K::Label, name,           0,       role,    0,       nullptr, nullptr,
            nullptr,  SkinLook::None, nullptr, nullptr, nullptr, 0,       kWorksWithoutDevice};
}
ControlRow Caption(const wchar_t* name, int tagValue, const wchar_t* picture) {
    return {K::Label, name,           tagValue, R::Caption, 0,       nullptr, nullptr,
            nullptr,  SkinLook::None, picture,  nullptr,    nullptr, 0,       kNoFlags};
}
ControlRow PageLabel(const wchar_t* name, int tagValue, const wchar_t* tab, int page) {
    return {K::Label, name,           tagValue, R::PageTab, 0,        nullptr, nullptr,
            nullptr,  SkinLook::None, tab,      PageIs,     ShowPage, page,    kNoFlags};
}
ControlRow PageTab(const wchar_t* name, int tagValue, const wchar_t* up, const wchar_t* down,
                   const wchar_t* label, int page) {
    return Button(R::PageTab, name, tagValue, L"Main", 0, up, down, label, PageIs, ShowPage, page);
}

const int kMotionClockwise = static_cast<int>(SpeakerMotion::Clockwise);
const int kMotionCounterclockwise = static_cast<int>(SpeakerMotion::Counterclockwise);
const int kMotionNarrow = static_cast<int>(SpeakerMotion::Narrow);
const int kMotionEnlarge = static_cast<int>(SpeakerMotion::Enlarge);

} // namespace

const std::vector<ControlRow>& MainFormControls() {
    static const std::vector<ControlRow> controls = {
        // The frame: background, page backgrounds, title strip and window buttons.
        Background(L"MainFormImage", L"Main", L"MainFormImage"),
        Picture(L"Back_EQImage", L"EQ", kPageEQ),
        Picture(L"Back_3DImage", L"3D", kPage3D),
        Picture(L"Back_EffectImage", L"Effect", kPageEffect),
        Picture(L"Back_MicImage", L"Mic", kPageMic),
        Picture(L"Back_Virtual7p1Image", L"Virtual7ch1", kPageVirtual),
        Chooser(L"MainLeftImage", 0, R::WindowDrag, L"Main", 0, SkinLook::BySidePage, nullptr, 0,
                kWorksWithoutDevice),
        Background(L"LogoImage", L"Main", L"LogoImage"),
        Background(L"DeviceActiveImage", L"Main", L"DeviceActiveImage"),
        Indicator(L"DeviceInImage", tag::DeviceIn, L"Main", 0, L"DeviceActiveUpImage",
                  L"DeviceActiveDownImage", L"DeviceInLabel", NotPresent),
        Indicator(L"DeviceOutImage", tag::DeviceOut, L"Main", 0, L"DeviceUnActiveUpImage",
                  L"DeviceUnActiveDownImage", L"DeviceOutLabel", NotPresent),
        Button(R::Momentary, L"LEDImage", tag::Led, L"Main", 0, L"LedImageUp", L"LedImageDown",
               nullptr, LedOn, LedPower),
        PressButton(L"MinimizeImage", tag::Minimize, L"Main", 0, L"MinimizeImageUp",
                    L"MinimizeImageDown", nullptr, MinimizeClick, kWorksWithoutDevice),
        PressButton(L"CloseImage", tag::Close, L"Main", 0, L"CloseImageUp", L"CloseImageDown",
                    nullptr, CloseClick, kWorksWithoutDevice),
        Button(R::SyncToggle, L"SyncImage", tag::Sync, nullptr, 0, nullptr, nullptr, L"SyncLabel",
               nullptr, ToggleSync, 0, kWorksWithoutDevice),
        PressButton(L"Menu1Image", tag::Menu1, L"Main", 0, L"Menu1ImageUp", L"Menu1ImageDown",
                    L"Menu1Label", SaveProfile, kActOnRelease),
        PressButton(L"Menu2Image", tag::Menu2, L"Main", 0, L"Menu2ImageUp", L"Menu2ImageDown",
                    L"Menu2Label", LoadProfile, kActOnRelease),
        PressButton(L"Menu3Image", tag::Menu3, L"Main", 0, L"Menu3ImageUp", L"Menu3ImageDown",
                    L"Menu3Label", About, kActOnRelease | kWorksWithoutDevice),
        PageTab(L"PageEQImage", tag::PageEQ, L"PageEQUpImage", L"PageEQDownImage", L"PageEQLabel",
                kPageEQ),
        PageTab(L"Page3DImage", tag::Page3D, L"Page3DUpImage", L"Page3DDownImage", L"Page3DLabel",
                kPage3D),
        PageTab(L"PageEffectImage", tag::PageEffect, L"PageEffectUpImage", L"PageEffectDownImage",
                L"PageEffectLabel", kPageEffect),
        PageTab(L"PageMicImage", tag::PageMic, L"PageMicUpImage", L"PageMicDownImage",
                L"PageMicLabel", kPageMic),
        PageTab(L"PageVirtual7p1Image", tag::PageVirtual, L"PageVirtual7p1UpImage",
                L"PageVirtual7p1DownImage", L"PageVirtual7p1Label", kPageVirtual),
        PageTab(L"PageLEDImage", tag::PageLED, L"PageLEDUpImage", L"PageLEDDownImage",
                L"PageLEDLabel", kPageLED),
        PageTab(L"PageENCImage", tag::PageENC, L"PageENCUpImage", L"PageENCDownImage",
                L"PageENCLabel", kPageENC),
        PageTab(L"PageVMEffectImage", tag::PageVoice, L"PageVMEffectUpImage",
                L"PageVMEffectDownImage", L"PageVMEffectLabel", kPageVoice),

        // Equaliser page.
        Button(R::Switch, L"EQEQENImage", tag::EQEnable, L"EQ", kPageEQ, L"EQEQENImageUp",
               L"EQEQENImageDown", L"EQEQENLabel", EQOn, SetEQ),
        Button(R::Switch, L"EQ3DENImage", tag::EQ3DEnable, L"EQ", kPageEQ, L"EQ3DENImageUp",
               L"EQ3DENImageDown", L"EQ3DENLabel", D3On, Set3D),
        PressButton(L"EQResetImage", tag::EQReset, L"EQ", kPageEQ, L"EQResetImageUp",
                    L"EQResetImageDown", L"EQResetLabel", ResetEQ),
        Button(R::GroupMember, L"EQS1Image", tag::Preset1, L"EQ", kPageEQ, L"EQS1ImageUp",
               L"EQS1ImageDown", L"EQS1Label", PresetIs, SelectPreset, 1),
        Button(R::GroupMember, L"EQS2Image", tag::Preset1 + 1, L"EQ", kPageEQ, L"EQS2ImageUp",
               L"EQS2ImageDown", L"EQS2Label", PresetIs, SelectPreset, 2),
        Button(R::GroupMember, L"EQS3Image", tag::Preset1 + 2, L"EQ", kPageEQ, L"EQS3ImageUp",
               L"EQS3ImageDown", L"EQS3Label", PresetIs, SelectPreset, 3),
        Button(R::GroupMember, L"EQS4Image", tag::Preset1 + 3, L"EQ", kPageEQ, L"EQS4ImageUp",
               L"EQS4ImageDown", L"EQS4Label", PresetIs, SelectPreset, 4),
        Picture(L"EQButtonLineImage1", L"EQ", kPageEQ),
        Picture(L"EQButtonLineImage2", L"EQ", kPageEQ),
        Picture(L"EQButtonLineImage3", L"EQ", kPageEQ),
        Picture(L"EQButtonLineImage4", L"EQ", kPageEQ),
        Picture(L"EQButtonLineImage5", L"EQ", kPageEQ),
        Picture(L"EQGraduationImage", L"EQ", kPageEQ),
        Slider(R::EQBar, L"EQ60HzBarImage", tag::EQBar, L"EQ", kPageEQ, 0),
        Slider(R::EQBar, L"EQ300HzBarImage", tag::EQBar + 1, L"EQ", kPageEQ, 1),
        Slider(R::EQBar, L"EQ1200HzBarImage", tag::EQBar + 2, L"EQ", kPageEQ, 2),
        Slider(R::EQBar, L"EQ3600HzBarImage", tag::EQBar + 3, L"EQ", kPageEQ, 3),
        Slider(R::EQBar, L"EQ12000HzBarImage", tag::EQBar + 4, L"EQ", kPageEQ, 4),
        // The covers reach from their top down to their band's thumb (cut, not stretched).
        Slider(R::EQBar, L"EQ60HzBarDownImage", tag::EQBarDown, L"EQ", 0, 0),
        Slider(R::EQBar, L"EQ300HzBarDownImage", tag::EQBarDown + 1, L"EQ", 0, 1),
        Slider(R::EQBar, L"EQ1200HzBarDownImage", tag::EQBarDown + 2, L"EQ", 0, 2),
        Slider(R::EQBar, L"EQ3600HzBarDownImage", tag::EQBarDown + 3, L"EQ", 0, 3),
        Slider(R::EQBar, L"EQ12000HzBarDownImage", tag::EQBarDown + 4, L"EQ", 0, 4),
        // The first thumb answers without a device too; the hook still guards its drag.
        Slider(R::EQThumb, L"EQ60HzSliderImage", tag::EQSlider, L"EQ", kPageEQ, 0,
               kWorksWithoutDevice),
        Slider(R::EQThumb, L"EQ300HzSliderImage", tag::EQSlider + 1, L"EQ", kPageEQ, 1),
        Slider(R::EQThumb, L"EQ1200HzSliderImage", tag::EQSlider + 2, L"EQ", kPageEQ, 2),
        Slider(R::EQThumb, L"EQ3600HzSliderImage", tag::EQSlider + 3, L"EQ", kPageEQ, 3),
        Slider(R::EQThumb, L"EQ12000HzSliderImage", tag::EQSlider + 4, L"EQ", kPageEQ, 4),

        // 3D page.
        // The 3D page's own switch does what the equaliser page's 3D button does.
        Button(R::Switch, L"D33DENImage", tag::EQ3DEnable, L"3D", kPage3D, L"D33DENImageUp",
               L"D33DENImageDown", L"D33DENLabel", D3On, Set3D),
        Button(R::Switch, L"D3FBMImage", tag::FBM, L"3D", kPage3D, L"D3FBMImageUp",
               L"D3FBMImageDown", L"D3FBMLabel", FBMOn, SetFBM),
        PressButton(L"D3ResetImage", tag::D3Reset, L"3D", kPage3D, L"D3ResetImageUp",
                    L"D3ResetImageDown", L"D3ResetLabel", Reset3D),
        Picture(L"D3LChannelImage", L"3D", kPage3D),
        Picture(L"D3RChannelImage", L"3D", kPage3D),
        Picture(L"D3ConnectionImage", L"3D", kPage3D),
        Chooser(L"D3AlphaImage", tag::AlphaLink, R::LinkCycle, L"3D", kPage3D, SkinLook::ByLinkMode,
                StepLink, 0, kWorksWithoutDevice),
        Chooser(L"D3BetaImage", tag::BetaLink, R::LinkCycle, L"3D", kPage3D, SkinLook::ByLinkMode,
                StepLink, 1, kWorksWithoutDevice),
        Picture(L"D3ButtonLineImage1", L"3D", kPage3D),
        Picture(L"D3ButtonLineImage2", L"3D", kPage3D),
        Picture(L"D3LAlphaGraduationImage", L"3D", kPage3D),
        Picture(L"D3LBetaGraduationImage", L"3D", kPage3D),
        Picture(L"D3RAlphaGraduationImage", L"3D", kPage3D),
        Picture(L"D3RBetaGraduationImage", L"3D", kPage3D),
        Picture(L"D3LAlphaBarImage", L"3D", kPage3D),
        Picture(L"D3LBetaBarImage", L"3D", kPage3D),
        Picture(L"D3RAlphaBarImage", L"3D", kPage3D),
        Picture(L"D3RBetaBarImage", L"3D", kPage3D),
        Slider(R::D3Thumb, L"D3LBetaSliderImage", tag::D3LBetaSlider, L"3D", kPage3D, 0),
        Slider(R::D3Thumb, L"D3LAlphaSliderImage", tag::D3LAlphaSlider, L"3D", kPage3D, 1),
        Slider(R::D3Thumb, L"D3RBetaSliderImage", tag::D3RBetaSlider, L"3D", kPage3D, 2),
        Slider(R::D3Thumb, L"D3RAlphaSliderImage", tag::D3RAlphaSlider, L"3D", kPage3D, 3),

        // Environment effect page. The Bathroom pair goes to the tag-18 picture and the
        // StoneGallery pair to tag 20, whatever their names: the mode follows the tag.
        Chooser(L"EffectPicImage", 0, R::Picture, L"Effect", kPageEffect, SkinLook::ByEffectMode),
        Button(R::GroupMember, L"EffectButtonNonImage", tag::EffectNon, L"Effect", kPageEffect,
               L"EffectButtonNonImageUp", L"EffectButtonNonImageDown", L"EffectNonLabel", EffectIs,
               SelectEffect, 1),
        Button(R::GroupMember, L"EffectButtonTheaterImage", tag::EffectNon + 1, L"Effect",
               kPageEffect, L"EffectButtonTheaterImageUp", L"EffectButtonTheaterImageDown",
               L"EffectTheaterLabel", EffectIs, SelectEffect, 2),
        Button(R::GroupMember, L"EffectButtonStoneGalleryImage", tag::EffectNon + 2, L"Effect",
               kPageEffect, L"EffectButtonBathroomImageUp", L"EffectButtonBathroomImageDown",
               L"EffectBathroomLabel", EffectIs, SelectEffect, 3),
        Button(R::GroupMember, L"EffectButtonLivingroomImage", tag::EffectNon + 3, L"Effect",
               kPageEffect, L"EffectButtonLivingroomImageUp", L"EffectButtonLivingroomImageDown",
               L"EffectLivingroomLabel", EffectIs, SelectEffect, 4),
        Button(R::GroupMember, L"EffectButtonBathroomImage", tag::EffectNon + 4, L"Effect",
               kPageEffect, L"EffectButtonStoneGalleryImageUp",
               L"EffectButtonStoneGalleryImageDown", L"EffectStoneGalleryLabel", EffectIs,
               SelectEffect, 5),
        Picture(L"EffectButtonLineImage1", L"Effect", kPageEffect),
        Picture(L"EffectButtonLineImage2", L"Effect", kPageEffect),
        Picture(L"EffectButtonLineImage3", L"Effect", kPageEffect),
        Picture(L"EffectButtonLineImage4", L"Effect", kPageEffect),

        // Microphone page.
        Button(R::Switch, L"MicBoostImage", tag::MicBoost, L"Mic", kPageMic, L"MicBoostImageUp",
               L"MicBoostImageDown", L"MicBoostLabel", BoostOn, SetBoost),
        Button(R::Switch, L"MicMuteImage", tag::MicMute, L"Mic", kPageMic, L"MicMuteImageUp",
               L"MicMuteImageDown", L"MicMuteLabel", MuteOn, SetMute),
        Button(R::Switch, L"MicMonitorImage", tag::MicMonitor, L"Mic", kPageMic,
               L"MicMonitorImageUp", L"MicMonitorImageDown", L"MicMonitorLabel", MonitorOn,
               SetMonitor),
        Picture(L"MicButtonLineImage", L"Mic", kPageMic),
        Picture(L"MicPicImage", L"Mic", kPageMic),
        Picture(L"MicGainImage", L"Mic", kPageMic),
        Picture(L"MicProgressImage", L"Mic", kPageMic),
        Picture(L"MicGraduationImage", L"Mic", kPageMic),
        Slider(R::MicBar, L"MicBarImage", tag::MicBar, L"Mic", kPageMic),
        Slider(R::MicBar, L"MicBarDownImage", tag::MicBarDown, L"Mic", 0),
        Slider(R::MicThumb, L"MicSliderImage", tag::MicSlider, L"Mic", kPageMic),
        Picture(L"MicValueImage", L"Mic", kPageMic),

        // Virtual 7.1 page.
        Button(R::Switch, L"VirtualEnableImage", tag::VirtualEnable, L"Virtual7ch1", kPageVirtual,
               L"VirtualEnableImageUp", L"VirtualEnableImageDown", L"VirtualENLabel", SurroundOn,
               SetSurround),
        Button(R::HoldToggle, L"VirtualClockwiseImage", tag::Clockwise, L"Virtual7ch1",
               kPageVirtual, L"VirtualClockwiseUpImage", L"VirtualClockwiseDownImage",
               L"VirtualClockwiseLabel", MotionIs, ToggleMotion, kMotionClockwise,
               kWorksWithoutDevice | kStoppedByBee),
        Button(R::HoldToggle, L"VirtualCounterclockwiseImage", tag::Counterclockwise,
               L"Virtual7ch1", kPageVirtual, L"VirtualCounterclockwiseUpImage",
               L"VirtualCounterclockwiseDownImage", L"VirtualCounterclockwiseLabel", MotionIs,
               ToggleMotion, kMotionCounterclockwise, kWorksWithoutDevice | kStoppedByBee),
        Button(R::HoldToggle, L"VirtualEnlargeImage", tag::Enlarge, L"Virtual7ch1", kPageVirtual,
               L"VirtualEnlargeUpImage", L"VirtualEnlargeDownImage", L"VirtualEnlargeLabel",
               MotionIs, ToggleMotion, kMotionEnlarge, kStoppedByBee),
        Button(R::HoldToggle, L"VirtualNarrowImage", tag::Narrow, L"Virtual7ch1", kPageVirtual,
               L"VirtualNarrowUpImage", L"VirtualNarrowDownImage", L"VirtualNarrowLabel", MotionIs,
               ToggleMotion, kMotionNarrow, kStoppedByBee),
        PressButton(L"VirtualResetImage", tag::VirtualReset, L"Virtual7ch1", kPageVirtual,
                    L"VirtualResetUpImage", L"VirtualResetDownImage", L"VirtualResetLabel",
                    ResetSpeakers, kStoppedByBee),
        Picture(L"VirtualButtonLineImage1", L"Virtual7ch1", kPageVirtual),
        Picture(L"VirtualButtonLineImage2", L"Virtual7ch1", kPageVirtual),
        Picture(L"VirtualButtonLineImage3", L"Virtual7ch1", kPageVirtual),
        Picture(L"VirtualPicImage", L"Virtual7ch1", kPageVirtual),
        Slider(R::Speaker, L"VirtualCImage", tag::Speaker + 2, L"Virtual7ch1", kPageVirtual, 2),
        Slider(R::Speaker, L"VirtualLImage", tag::Speaker, L"Virtual7ch1", kPageVirtual, 0),
        Slider(R::Speaker, L"VirtualLSImage", tag::Speaker + 4, L"Virtual7ch1", kPageVirtual, 4),
        Slider(R::Speaker, L"VirtualLBImage", tag::Speaker + 6, L"Virtual7ch1", kPageVirtual, 6),
        Slider(R::Speaker, L"VirtualRBImage", tag::Speaker + 7, L"Virtual7ch1", kPageVirtual, 7),
        Slider(R::Speaker, L"VirtualRSImage", tag::Speaker + 5, L"Virtual7ch1", kPageVirtual, 5),
        Slider(R::Speaker, L"VirtualRImage", tag::Speaker + 1, L"Virtual7ch1", kPageVirtual, 1),
        Slider(R::Speaker, L"VirtualSUBImage", tag::Speaker + 3, L"Virtual7ch1", kPageVirtual, 3),
        // The bee of the demonstration, flying while it runs (the panel's own skin key).
        Indicator(L"BeeImage", 0, L"Virtual7ch1", kPageVirtual, L"", L"BeeImage", nullptr, BeeOn),

        // Lighting page.
        LedCheckPicture(L"ColorLEDOffCheckImage", tag::LedOffCheck, L"ColorLEDOffCheckUpImage",
                        L"ColorLEDOffCheckDownImage", L"ColorLEDOffLabel", LedCheck::Off),
        LedCheckPicture(L"ColorSingleCheckImage", tag::LedSingleCheck, L"ColorSingleCheckUpImage",
                        L"ColorSingleCheckDownImage", L"ColorSingleLabel", LedCheck::Single),
        LedCheckPicture(L"ColorBreatheCheckImage", tag::LedBreatheCheck,
                        L"ColorBreatheCheckUpImage", L"ColorBreatheCheckDownImage",
                        L"ColorBreatheLabel", LedCheck::Breathe),
        LedCheckPicture(L"ColorRainbowCheckImage", tag::LedRainbowCheck,
                        L"ColorRainbowCheckUpImage", L"ColorRainbowCheckDownImage",
                        L"ColorRainbowLabel", LedCheck::Rainbow),
        LedCheckPicture(L"ColorPulsatingCheckImage", tag::LedPulsatingCheck,
                        L"ColorPulsatingCheckUpImage", L"ColorPulsatingCheckDownImage",
                        L"ColorPulsatingLabel", LedCheck::Pulsating),
        LedPicture(L"ColorBreatheBarImage", 0, L"ColorBreatheBarImage"),
        LedPicture(L"ColorRainbowBarImage", 0, L"ColorRainbowBarImage"),
        LedPicture(L"ColorPulsatingBarImage", 0, L"ColorPulsatingBarImage"),
        LedThumb(L"ColorBreatheSliderImage", tag::LedBreatheSlider, L"ColorBreatheSliderUpImage",
                 L"ColorBreatheSliderDownImage", L"ColorBreatheBarImage", 1),
        LedThumb(L"ColorRainbowSliderImage", tag::LedRainbowSlider, L"ColorRainbowSliderUpImage",
                 L"ColorRainbowSliderDownImage", L"ColorRainbowBarImage", 2),
        LedThumb(L"ColorPulsatingSliderImage", tag::LedPulsatingSlider,
                 L"ColorPulsatingSliderUpImage", L"ColorPulsatingSliderDownImage",
                 L"ColorPulsatingBarImage", 3),
        Swatch(L"Color01Shape", tag::Swatch),
        Swatch(L"Color02Shape", tag::Swatch + 1),
        Swatch(L"Color03Shape", tag::Swatch + 2),
        Swatch(L"Color04Shape", tag::Swatch + 3),
        Swatch(L"Color05Shape", tag::Swatch + 4),
        Swatch(L"Color06Shape", tag::Swatch + 5),
        Swatch(L"Color07Shape", tag::Swatch + 6),
        Swatch(L"ColorBreatheShape", tag::SwatchBreathe),
        Swatch(L"ColorSingleShape", tag::SwatchSingle),

        // Noise cancellation and voice change pages.
        Button(R::Switch, L"ENCFunctionImage", 0, L"ENC", kPageENC, L"ENCFunctionUpImage",
               L"ENCFunctionDownImage", L"ENCFunctionLabel", ENCOn, SetENC),
        Slider(R::ENCBar, L"ENCBarImage", tag::ENCBar, L"ENC", kPageENC),
        Slider(R::ENCThumb, L"ENCSliderImage", tag::ENCSlider, L"ENC", kPageENC),
        Picture(L"ENCValueImage", L"ENC", kPageENC),
        Button(R::GroupMember, L"VMEffectNoneImage", 0, L"VoiceMagic", kPageVoice,
               L"VMEffectNoneUpImage", L"VMEffectNoneDownImage", L"VMEffectNoneLabel", VoiceModeIs,
               SelectVoice, 0),
        Button(R::GroupMember, L"VMEffect1Image", 0, L"VoiceMagic", kPageVoice, L"VMEffect1UpImage",
               L"VMEffect1DownImage", L"VMEffect1Label", VoiceModeIs, SelectVoice, 1),
        Button(R::GroupMember, L"VMEffect2Image", 0, L"VoiceMagic", kPageVoice, L"VMEffect2UpImage",
               L"VMEffect2DownImage", L"VMEffect2Label", VoiceModeIs, SelectVoice, 2),
        Button(R::GroupMember, L"VMEffect3Image", 0, L"VoiceMagic", kPageVoice, L"VMEffect3UpImage",
               L"VMEffect3DownImage", L"VMEffect3Label", VoiceModeIs, SelectVoice, 3),
        Button(R::GroupMember, L"VMEffect4Image", 0, L"VoiceMagic", kPageVoice, L"VMEffect4UpImage",
               L"VMEffect4DownImage", L"VMEffect4Label", VoiceModeIs, SelectVoice, 4),
        Button(R::Switch, L"VMFunctionImage", 0, L"VoiceMagic", kPageVoice, L"VMFunctionUpImage",
               L"VMFunctionDownImage", L"VMFunctionLabel", VoiceOn, SetVoice),

        // The page labels' separators.
        Bevel(L"Bevel2"),
        Bevel(L"Bevel3"),
        Bevel(L"Bevel4"),
        Bevel(L"Bevel5"),
        Bevel(L"Bevel6"),
        Bevel(L"Bevel7"),

        // Labels, above every picture.
        Text(L"DeviceActiveLabel", R::WindowDrag),
        Text(L"CompanyNameLabel", R::WindowDrag),
        Text(L"FeaturesLabel"),
        Text(L"SettingLabel"),
        Text(L"SXLabel"),
        Caption(L"SyncLabel", tag::Sync, L"SyncImage"),
        Caption(L"DeviceInLabel", tag::DeviceIn, L"DeviceInImage"),
        Caption(L"DeviceOutLabel", tag::DeviceOut, L"DeviceOutImage"),
        Caption(L"Menu1Label", tag::Menu1, L"Menu1Image"),
        Caption(L"Menu2Label", tag::Menu2, L"Menu2Image"),
        Caption(L"Menu3Label", tag::Menu3, L"Menu3Image"),
        PageLabel(L"PageEQLabel", tag::PageEQ, L"PageEQImage", kPageEQ),
        PageLabel(L"Page3DLabel", tag::Page3D, L"Page3DImage", kPage3D),
        PageLabel(L"PageEffectLabel", tag::PageEffect, L"PageEffectImage", kPageEffect),
        PageLabel(L"PageMicLabel", tag::PageMic, L"PageMicImage", kPageMic),
        PageLabel(L"PageVirtual7p1Label", tag::PageVirtual, L"PageVirtual7p1Image", kPageVirtual),
        PageLabel(L"PageLEDLabel", tag::PageLED, L"PageLEDImage", kPageLED),
        PageLabel(L"PageENCLabel", tag::PageENC, L"PageENCImage", kPageENC),
        PageLabel(L"PageVMEffectLabel", tag::PageVoice, L"PageVMEffectImage", kPageVoice),
        Caption(L"EQEQENLabel", tag::EQEnable, L"EQEQENImage"),
        Caption(L"EQ3DENLabel", tag::EQ3DEnable, L"EQ3DENImage"),
        Caption(L"EQResetLabel", tag::EQReset, L"EQResetImage"),
        Caption(L"EQS1Label", tag::Preset1, L"EQS1Image"),
        Caption(L"EQS2Label", tag::Preset1 + 1, L"EQS2Image"),
        Caption(L"EQS3Label", tag::Preset1 + 2, L"EQS3Image"),
        Caption(L"EQS4Label", tag::Preset1 + 3, L"EQS4Image"),
        Text(L"EQ60HzLabel"),
        Text(L"EQ300HzLabel"),
        Text(L"EQ1200HzLabel"),
        Text(L"EQ3600HzLabel"),
        Text(L"EQ12000HzLabel"),
        Caption(L"D33DENLabel", tag::EQ3DEnable, L"D33DENImage"),
        Caption(L"D3FBMLabel", tag::FBM, L"D3FBMImage"),
        Caption(L"D3ResetLabel", tag::D3Reset, L"D3ResetImage"),
        Text(L"D3LChannelLabel"),
        Text(L"D3RChannelLabel"),
        Text(L"D3ConnectLabel"),
        Caption(L"EffectNonLabel", tag::EffectNon, L"EffectButtonNonImage"),
        Caption(L"EffectTheaterLabel", tag::EffectNon + 1, L"EffectButtonTheaterImage"),
        Caption(L"EffectBathroomLabel", tag::EffectNon + 2, L"EffectButtonStoneGalleryImage"),
        Caption(L"EffectLivingroomLabel", tag::EffectNon + 3, L"EffectButtonLivingroomImage"),
        Caption(L"EffectStoneGalleryLabel", tag::EffectNon + 4, L"EffectButtonBathroomImage"),
        Caption(L"MicBoostLabel", tag::MicBoost, L"MicBoostImage"),
        Caption(L"MicMuteLabel", tag::MicMute, L"MicMuteImage"),
        Caption(L"MicMonitorLabel", tag::MicMonitor, L"MicMonitorImage"),
        Text(L"MicGainLabel"),
        Text(L"MicValueLabel"),
        Caption(L"VirtualENLabel", tag::VirtualEnable, L"VirtualEnableImage"),
        Caption(L"VirtualClockwiseLabel", tag::Clockwise, L"VirtualClockwiseImage"),
        Caption(L"VirtualCounterclockwiseLabel", tag::Counterclockwise,
                L"VirtualCounterclockwiseImage"),
        Caption(L"VirtualEnlargeLabel", tag::Enlarge, L"VirtualEnlargeImage"),
        Caption(L"VirtualNarrowLabel", tag::Narrow, L"VirtualNarrowImage"),
        Caption(L"VirtualResetLabel", tag::VirtualReset, L"VirtualResetImage"),
        Text(L"ColorBreatheLabel"),
        Text(L"ColorRainbowLabel"),
        Text(L"ColorPulsatingLabel"),
        Text(L"ColorSelectLabel"),
        Text(L"ColorEffectLabel"),
        Text(L"ColorLEDOffLabel"),
        Text(L"ColorSingleLabel"),
        Text(L"ColorSlowLabel"),
        Text(L"ColorFastLabel"),
        Caption(L"ENCFunctionLabel", 0, L"ENCFunctionImage"),
        Text(L"ENCValueLabel"),
        Caption(L"VMEffectNoneLabel", 0, L"VMEffectNoneImage"),
        Caption(L"VMEffect1Label", 0, L"VMEffect1Image"),
        Caption(L"VMEffect2Label", 0, L"VMEffect2Image"),
        Caption(L"VMEffect3Label", 0, L"VMEffect3Image"),
        Caption(L"VMEffect4Label", 0, L"VMEffect4Image"),
        Caption(L"VMFunctionLabel", 0, L"VMFunctionImage"),
    };
    return controls;
}

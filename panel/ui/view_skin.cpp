// The skin chosen for this user and screen class, applied to the controls of the table, the
// window's outline, and the skin menu.
#include "ui/main_form_view.h"

#include "check_box.h"
#include "debug_output.h"
#include "effects/panel_features.h"
#include "form.h"
#include "image.h"
#include "picture.h"
#include "menu.h"
#include "shape.h"
#include "ui/skin_files.h"
#include "ui/skin_item_apply.h"

namespace {

// The classic 3D track: fixed rows of the window, whatever the skin.
const int kClassic3DTop = 105;
const int kClassic3DTravel = 120;

const wchar_t* const kEQThumbs[] = {L"EQ60HzSliderImage", L"EQ300HzSliderImage",
                                    L"EQ1200HzSliderImage", L"EQ3600HzSliderImage",
                                    L"EQ12000HzSliderImage"};
const wchar_t* const kEQBarDowns[] = {L"EQ60HzBarDownImage", L"EQ300HzBarDownImage",
                                      L"EQ1200HzBarDownImage", L"EQ3600HzBarDownImage",
                                      L"EQ12000HzBarDownImage"};
const wchar_t* const kSpeakerImages[kSpeakerCount] = {
    L"VirtualLImage",  L"VirtualRImage",  L"VirtualCImage",  L"VirtualSUBImage",
    L"VirtualLSImage", L"VirtualRSImage", L"VirtualLBImage", L"VirtualRBImage"};
const wchar_t* const k3DThumbs[] = {L"D3LBetaSliderImage", L"D3LAlphaSliderImage",
                                    L"D3RBetaSliderImage", L"D3RAlphaSliderImage"};

// The pause between two rounds of background decoding.
const DWORD kDecodeIntervalMs = 10;

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

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The skin folder the pictures of a layout lie in: the first part of the main picture's
// file name when it reaches into a folder, as the layout beside the skin folders does.
std::wstring FolderOfMainPicture(const SkinSettings& skin) {
    const std::wstring& file = skin.Item(L"Main", L"MainFormImage").ImageFile;
    size_t separator = file.find(L'\\');
    return separator == std::wstring::npos ? std::wstring() : file.substr(0, separator);
}

} // namespace

// The per-user choice and the screen class decide which skin and language files are read.
void MainFormView::ChooseSkinAndLanguage(const ViewSettings& settings) {
    settings_ = settings;
    const _APPLICATION_FOLDER_PATH& config = *settings_.config;
    m_strSkinRoot = settings_.appFolder + config.SkinFolderName + L"\\";
    m_strLanguageRoot = settings_.appFolder + config.LanguageFolderName + L"\\";
    m_strPerUserConfig = PerUserConfigPath(config.InstallFolderName);
    UserChoices choices = ReadUserChoices(m_strPerUserConfig);
    m_strSkinName = choices.skin;
    m_strLanguageName = choices.language;
    m_strResolutionFolder = ChooseResolutionFolder(
        m_strSkinRoot, m_strSkinName, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

void MainFormView::BuildLanguageAndSkinMenus(MenuItem& languageMenu, MenuItem& skinMenu) {
    LanguageMenu = &languageMenu;
    SkinMenu = &skinMenu;
    m_iLanguageCount = BuildLanguageMenu();
    m_iSkinCount = BuildSkinMenu();
}

// The item of the current skin is checked; which skin an empty name shows is known only once
// it is loaded (see LoadAndApplySkin).
int MainFormView::BuildSkinMenu() {
    SkinMenu->Clear();
    bool matched = false;
    for (const std::wstring& name : ListSubfolders(m_strSkinRoot + m_strResolutionFolder)) {
        MenuItem& item = SkinMenu->Add(name, name);
        item.RadioItem = true;
        item.OnClick = [this](MenuItem& clicked) { SkinMenuClick(clicked); };
        if (!matched && name == m_strSkinName) item.Checked = matched = true;
    }
    return static_cast<int>(SkinMenu->Items().size());
}

// A skin that cannot be loaded leaves the window, the check mark and the saved choice as
// they were.
void MainFormView::SkinMenuClick(MenuItem& item) {
    std::wstring name = SkinNameFromCaption(item.Caption);
    if (!LoadSkinSettings(name)) return;
    for (auto& other : SkinMenu->Items())
        other->Checked = false;
    item.Checked = true;
    m_strSkinName = name;
    TellSliderGeometry();
    ApplySkin();
    ApplyLanguage();
    RefreshStates();
    ApplyPageVisibility(currentPage_);
    PlaceSliderThumbs();
    MoveSpeakersToNewCircle();
    SaveUserChoices(m_strPerUserConfig, {m_strSkinName, m_strLanguageName});
}

std::wstring MainFormView::SkinFolder() const {
    return m_strSkinRoot + m_strResolutionFolder + L"\\" + m_strSkinName + L"\\";
}

// A skin without its layout file is no skin: reading it would give an empty window.
bool MainFormView::LoadSkinSettings(const std::wstring& skinName) {
    std::wstring layout = m_strSkinRoot + m_strResolutionFolder + skinName + L"\\SkinSetting.ini";
    std::wstring base = m_strSkinRoot + skinName + L"\\SkinSetting.ini";
    int result = IsFile(layout)
                     ? ::LoadSkinSettings(ProfileFileReader(layout), ProfileFileReader(base),
                                          settings_.oldVersion, m_Skin)
                     : SkinFileMissing;
    if (result != SkinLoaded) {
        DebugPrint(L"***** LoadSkinSettings(%s) FAIL, ret = %d *****\n", layout, result);
        return false;
    }
    // A skin brings the lighting's page mode, speed direction and default colours.
    uint32_t colours[kSwatchCount];
    for (int i = 0; i < kSwatchCount; ++i)
        colours[i] = m_Skin.swatches[i].color;
    features_.lighting.TakeSkinSettings(m_Skin.geometry.LEDPageMode,
                                        m_Skin.geometry.LEDFastRightSide, colours);
    return true;
}

// A chosen skin that is refused or has no layout file gives way to the default skin (the
// layout beside the skin folders) rather than an empty window; the saved choice is kept.
void MainFormView::LoadAndApplySkin() {
    if (!LoadSkinSettings(m_strSkinName) && !m_strSkinName.empty()) {
        DebugPrint(L"***** Skin %s cannot be shown; the default skin is *****\n", m_strSkinName);
        for (auto& item : SkinMenu->Items())
            item->Checked = false;
        m_strSkinName.clear();
        LoadSkinSettings(m_strSkinName);
    }
    if (settings_.regionCut) ApplyRegionFile();
    TellSliderGeometry();
    ApplySkin();
    ApplyLanguage();
    // The speakers start where the skin placed them.
    const SkinGeometry& g = m_Skin.geometry;
    features_.surround.SetCircle(g.VirtualCenterX, g.VirtualCenterY, g.VirtualRadius);
    SpeakerPosition placed[kSpeakerCount];
    for (int i = 0; i < kSpeakerCount; ++i)
        if (Image* speaker = ImageNamed(kSpeakerImages[i]))
            placed[i] = {speaker->Left(), speaker->Top()};
    features_.surround.SetSpeakerPositions(placed);
    // Without a per-user choice the menu marks the skin whose pictures are shown.
    bool marked = false;
    for (auto& item : SkinMenu->Items())
        marked = marked || item->Checked;
    if (!marked) {
        std::wstring shown = FolderOfMainPicture(m_Skin);
        for (auto& item : SkinMenu->Items())
            if (!shown.empty() && SkinNameFromCaption(item->Caption) == shown) {
                item->Checked = true;
                break;
            }
    }
    // The window was made at its design size; it is centred at the size the skin gave it.
    form_.CenterOnScreen();
}

void MainFormView::ApplySkin() {
    shownKeys_.clear();
    for (const Entry& entry : entries_)
        if (entry.tableRow->look != SkinLook::None) ShowLook(entry);
    for (int i = 0; i < kSwatchCount; ++i) {
        auto* swatch = static_cast<Shape*>(form_.FindByName(kSwatchKeys[i]));
        const SwatchSetting& setting = m_Skin.swatches[i];
        if (!swatch) continue;
        if (setting.hasGeometry) {
            swatch->SetBounds({setting.left, setting.top, setting.width, setting.height});
            swatch->SetType(ShapeOf(setting.shape));
        }
        swatch->SetBrushColor(features_.lighting.SwatchColour(swatch->Tag()));
        swatch->SetPenColor(0);
        swatch->SetPenWidth(1);
    }
    // The lighting page's own apply.
    features_.lighting.ApplyLedPage();
    ShowLighting();
    const wchar_t* bevels[] = {L"Bevel2", L"Bevel3", L"Bevel4", L"Bevel5", L"Bevel6", L"Bevel7"};
    for (int i = 0; i < 6; ++i)
        if (Control* bevel = form_.FindByName(bevels[i]))
            bevel->SetVisible(i < 3 ? m_Skin.geometry.BevelLine : m_Skin.geometry.BevelLine2);

    // The bee switch has no skin key: it stands under the speaker buttons, scaled with the
    // window (its design place is 620, 380 in the 819-pixel window).
    Image* main = ImageNamed(L"MainFormImage");
    if (main && BeeCheckBox && !main->GetPicture().Empty()) {
        double scale = main->GetPicture().Width() / 819.0;
        BeeCheckBox->SetBounds(static_cast<int>(620 * scale), static_cast<int>(380 * scale),
                               static_cast<int>(160 * scale), static_cast<int>(20 * scale));
    }
    bool shaped = settings_.regionCut && ApplyRegionFile();
    if (!shaped && main && !main->GetPicture().Empty())
        form_.SetClientSize(main->GetPicture().Width(), main->GetPicture().Height());

    // Pictures of earlier skins that no control shows are let go; the rest of this skin's
    // pictures are decoded after the window is up.
    TrimPictureCache(SkinFolder());
    picturesToDecode_.clear();
    for (const SkinItem& item : m_Skin.items)
        if (!item.ImageFile.empty()) picturesToDecode_.push_back(SkinFolder() + item.ImageFile);
    pictureTimer_.SetInterval(kDecodeIntervalMs);
    pictureTimer_.OnTimer = [this] { DecodeSomePictures(); };
    pictureTimer_.SetEnabled(true);
}

// A timer's message comes only when nothing else waits, so input is never held up; two
// pictures a tick keep each pause short.
void MainFormView::DecodeSomePictures() {
    // Not before the window is up: until then the window's own start comes first. A tick due
    // straight after the last one's work is let go, so a loop that empties the queue (a page
    // change does) never decodes everything before it returns.
    if (!form_.Visible() || GetTickCount() - lastDecodeEnd_ < kDecodeIntervalMs) return;
    const size_t kPerTick = 2;
    for (size_t n = 0; n < kPerTick && !picturesToDecode_.empty(); ++n) {
        PrefetchPicture(picturesToDecode_.back());
        picturesToDecode_.pop_back();
    }
    if (DecodePendingPictures(kPerTick) == 0 && picturesToDecode_.empty())
        pictureTimer_.SetEnabled(false);
    lastDecodeEnd_ = GetTickCount();
}

bool MainFormView::ApplyRegionFile() {
    RegionFile region;
    std::wstring path = SkinFolder() + L"MainForm_Frame.rgn";
    if (!ReadRegionFile(path, region)) {
        DebugPrint(L"***** Region file FAIL: %s *****\n", path);
        return false;
    }
    if (!ApplyWindowRegion(form_, region)) return false;
    if (Image* main = ImageNamed(L"MainFormImage"); main && !main->GetPicture().Empty())
        form_.SetClientSize(main->GetPicture().Width(), main->GetPicture().Height());
    return true;
}

int MainFormView::D3TrackTop() const {
    return m_Skin.geometry.HasD3Slider ? m_Skin.geometry.D3SliderTop : kClassic3DTop;
}

int MainFormView::D3Travel() const {
    return m_Skin.geometry.HasD3Slider ? m_Skin.geometry.D3SliderRange : kClassic3DTravel;
}

// The sliders' geometry of this skin for the features that turn positions into values.
void MainFormView::TellSliderGeometry() {
    const SkinGeometry& g = m_Skin.geometry;
    features_.microphone.SetProgressLength(g.MicProgressLength);
    features_.effects.SetSliderGeometry(g.EqSliderRange, D3Travel(),
                                        g.HasD3Slider ? g.D3SliderRange : g.D3BarRange);
}

// Every thumb where the feature that owns its value has it; a band's cover picture reaches
// from its own top down to its thumb's bottom edge.
void MainFormView::PlaceSliderThumbs() {
    const SkinGeometry& g = m_Skin.geometry;
    for (int band = 0; band < 5; ++band) {
        Image* thumb = ImageNamed(kEQThumbs[band]);
        if (!thumb) continue;
        thumb->SetTop(g.EqSliderTop + features_.effects.EQSliderOffset(band));
        if (Image* cover = ImageNamed(kEQBarDowns[band])) {
            int height = thumb->Top() + thumb->Height() - cover->Top();
            if (height > 0) cover->SetHeight(height);
        }
    }
    for (int i = 0; i < 4; ++i)
        if (Image* thumb = ImageNamed(k3DThumbs[i]))
            thumb->SetTop(D3TrackTop() +
                          features_.effects.D3SliderOffset(static_cast<Slider3D>(i)));
    // The volume's thumb, its cover down to it, and the level bar.
    if (Image* thumb = ImageNamed(L"MicSliderImage"); thumb && g.MicSliderRange > 0) {
        thumb->SetTop(g.MicSliderTop + g.MicSliderRange -
                      features_.microphone.MicVolume() * g.MicSliderRange / 100);
        if (Image* cover = ImageNamed(L"MicBarDownImage")) {
            int height = thumb->Top() + thumb->Height() - cover->Top();
            if (height > 0) cover->SetHeight(height);
        }
    }
    if (Image* bar = ImageNamed(L"MicProgressImage"))
        bar->SetWidth(features_.microphone.MeterWidth());
    if (Image* thumb = ImageNamed(L"ENCSliderImage"); thumb && g.EncSliderRange > 0) {
        float step =
            static_cast<float>(features_.microphone.ENCLevel() * g.EncSliderRange * (1.0 / 30));
        thumb->SetTop(g.EncSliderTop + static_cast<int>(g.EncSliderRange - step));
    }
}

// The speakers keep their angles on a new skin's circle, their distances scaled to it.
void MainFormView::MoveSpeakersToNewCircle() {
    const SkinGeometry& g = m_Skin.geometry;
    features_.surround.MoveToNewCircle(g.VirtualCenterX, g.VirtualCenterY, g.VirtualRadius,
                                       g.PreviousVirtualRadius);
}

// The speakers (and the bee) where the virtual 7.1 feature has them.
void MainFormView::PlaceSpeakers() {
    for (int i = 0; i < kSpeakerCount; ++i)
        if (Image* speaker = ImageNamed(kSpeakerImages[i])) {
            SpeakerPosition p = features_.surround.Position(i);
            speaker->SetBounds({p.left, p.top, speaker->Width(), speaker->Height()});
        }
    if (Image* bee = ImageNamed(L"BeeImage")) {
        SpeakerPosition p = features_.surround.BeePosition();
        bee->SetBounds({p.left, p.top, bee->Width(), bee->Height()});
    }
}

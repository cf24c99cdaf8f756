// The controls of the table on the window, the pictures and colours that follow the states,
// and the pages.
#include "ui/main_form_view.h"

#include "device/protocol_pause.h"
#include "application.h"
#include "check_box.h"
#include "file_dialog.h"
#include "device/endpoint_access.h"
#include "ui/about_form.h"
#include "effects/panel_features.h"
#include "form.h"
#include "image.h"
#include "label.h"
#include "shape.h"
#include "ui/skin_item_apply.h"

namespace {

const wchar_t* const kEffectPictures[] = {L"EffectPicNonImage", L"EffectPicTheaterImage",
                                          L"EffectPicBathroomImage", L"EffectPicLivingroomImage",
                                          L"EffectPicStoneGalleryImage"};
const wchar_t* const kLinkPictures[2][3] = {
    {L"D3AlphaIndepImage", L"D3AlphaDepImage", L"D3AlphaInvImage"},
    {L"D3BetaIndepImage", L"D3BetaDepImage", L"D3BetaInvImage"}};
const wchar_t* const kSidePictures[] = {L"MainLeftImage1", L"MainLeftImage2", L"MainLeftImage3",
                                        L"MainLeftImage4"};

bool Shown(const std::wstring& file) {
    return !file.empty() && file != L"(null)";
}

} // namespace

MainFormView::MainFormView(Form& form, PanelFeatures& features, const ActiveDevice& device)
    : form_(form), features_(features), device_(device) {}

MainFormView::~MainFormView() = default;

void MainFormView::CreateDesign() {
    for (const ControlRow& tableRow : MainFormControls()) {
        Control* control = nullptr;
        switch (tableRow.kind) {
        case ControlKind::Image:
            control = &form_.Add<Image>(tableRow.name, tableRow.tag);
            break;
        case ControlKind::Label:
            control = &form_.Add<Label>(tableRow.name, tableRow.tag);
            break;
        case ControlKind::Shape: {
            Shape& shape = form_.Add<Shape>(tableRow.name, tableRow.tag);
            if (tableRow.role == ControlRole::Bevel) {
                shape.SetBounds({0, 0, 2, 16});
                shape.SetBrushColor(0x372E2A);
                shape.SetPenColor(0x372E2A);
            }
            control = &shape;
            break;
        }
        }
        control->SetVisible(false);
        index_[control] = entries_.size();
        entries_.push_back({&tableRow, control});
    }
    for (const Entry& entry : entries_)
        Bind(entry);
    DeviceActiveLabel = LabelNamed(L"DeviceActiveLabel");
    features_.effects.OnShow = [this] { RefreshStates(); };
    features_.surround.OnShow = [this] { PlaceSpeakers(); };
    features_.microphone.OnShow = [this] { RefreshStates(); };
    features_.profiles.OnApplied = [this] {
        RefreshStates();
        ApplyPageVisibility(currentPage_);
    };
    features_.lighting.OnProcessMessages = [] { Application().ProcessMessages(); };
    BeeCheckBox = std::make_unique<CheckBox>(form_, L"BeeCheckBox", L"Bee");
    BeeCheckBox->OnClick = [this](CheckBox& box) {
        features_.surround.SetBee(box.Checked());
        RefreshStates();
    };
    ListenToDeviceCheckBox =
        std::make_unique<CheckBox>(form_, L"ListenToDeviceCheckBox", L"Listen");
    ListenToDeviceCheckBox->SetEnabled(false);
    ListenToDeviceCheckBox->OnClick = [this](CheckBox& box) {
        SetCaptureListen(box.Checked(), device_.m_wVid, device_.m_wPid);
        RestartAudioService();
        ProtocolPause(300);
    };
}

// Every control answers through the handlers of its row; a label with nothing to press lets
// the press through to the control beneath it.
void MainFormView::Bind(const Entry& entry) {
    Control& control = *entry.control;
    switch (entry.tableRow->role) {
    case ControlRole::WindowDrag:
        control.OnMouseDown = [this](Control&, const MouseEvent& e) { FormMouseDown(e); };
        return;
    case ControlRole::Text:
        control.SetEnabled(false);
        return;
    case ControlRole::Bevel:
    case ControlRole::LedPage:
        return;
    case ControlRole::LedCheck:
        control.OnClick = [this](Control& c) {
            if (const Entry* e = EntryOf(&c)) e->tableRow->action(*this, e->tableRow->arg);
        };
        return;
    case ControlRole::LedThumb:
        control.OnMouseDown = [this](Control& c, const MouseEvent&) { LedThumbMouseDown(c); };
        control.OnMouseMove = [this](Control& c, const MouseEvent&) { LedThumbMouseMove(c); };
        control.OnMouseUp = [this](Control& c, const MouseEvent& e) { LedThumbMouseUp(c, e); };
        return;
    case ControlRole::Swatch:
        control.OnMouseDown = [this](Control& c, const MouseEvent&) { OnShapeMouseDown(c); };
        return;
    default:
        control.OnMouseDown = [this](Control& c, const MouseEvent& e) { OnPress(c, e); };
        control.OnMouseUp = [this](Control& c, const MouseEvent& e) { OnRelease(c, e); };
        control.OnClick = [this](Control& c) { OnClick(c); };
        return;
    }
}

Image* MainFormView::ImageNamed(const std::wstring& name) const {
    Control* c = form_.FindByName(name);
    return c && c->Kind() == ControlKind::Image ? static_cast<Image*>(c) : nullptr;
}

Label* MainFormView::LabelNamed(const std::wstring& name) const {
    Control* c = form_.FindByName(name);
    return c && c->Kind() == ControlKind::Label ? static_cast<Label*>(c) : nullptr;
}

const MainFormView::Entry* MainFormView::EntryOf(const Control* control) const {
    auto found = index_.find(control);
    return found == index_.end() ? nullptr : &entries_[found->second];
}

const MainFormView::Entry* MainFormView::EntryNamed(const wchar_t* name) const {
    if (!name) return nullptr;
    return EntryOf(form_.FindByName(name));
}

bool MainFormView::IsDown(const Entry& entry) const {
    const ControlRow& tableRow = *entry.tableRow;
    if (tableRow.role == ControlRole::PressButton) return pressed_ == entry.control;
    return tableRow.isDown && tableRow.isDown(*this, tableRow.arg);
}

const wchar_t* MainFormView::KeyFor(const Entry& entry) const {
    const ControlRow& tableRow = *entry.tableRow;
    switch (tableRow.look) {
    case SkinLook::Static:
        return tableRow.up;
    case SkinLook::UpDown:
        return IsDown(entry) ? tableRow.down : tableRow.up;
    case SkinLook::ByEffectMode: {
        int mode = features_.effects.CurrentEffect();
        return mode >= 1 && mode <= 5 ? kEffectPictures[mode - 1] : nullptr;
    }
    case SkinLook::ByLinkMode: {
        int link = features_.effects.LinkMode(tableRow.arg == 0 ? Link3D::Alpha : Link3D::Beta);
        return kLinkPictures[tableRow.arg == 0 ? 0 : 1][link < 0 ? 0 : link];
    }
    case SkinLook::BySidePage:
        // Pages without a side picture get an item that no key fills: the picture is hidden.
        return currentPage_ >= 1 && currentPage_ <= 4 ? kSidePictures[currentPage_ - 1] : L"";
    case SkinLook::None:
        break;
    }
    return nullptr;
}

// The control's own picture for its state, loaded only when it changes; a skin that names no
// Down picture leaves the Up one in place.
void MainFormView::ShowLook(const Entry& entry) {
    if (entry.tableRow->kind != ControlKind::Image) return;
    const wchar_t* key = KeyFor(entry);
    if (!key) return;
    const SkinItem& item =
        m_Skin.Item(entry.tableRow->section ? entry.tableRow->section : L"", key);
    if (entry.tableRow->look == SkinLook::UpDown && key == entry.tableRow->down &&
        item.ImageFile.empty())
        return;
    auto shown = shownKeys_.find(entry.control);
    if (shown == shownKeys_.end() || shown->second != key) {
        ApplySkinItemTo(item, *static_cast<Image*>(entry.control), SkinFolder());
        shownKeys_[entry.control] = key;
    }
    entry.control->SetVisible(Shown(item.ImageFile) &&
                              VisibleOnPage(entry, item.Page, currentPage_));
}

void MainFormView::RefreshStates() {
    PlaceSliderThumbs();
    for (const Entry& entry : entries_) {
        SkinLook look = entry.tableRow->look;
        if (look == SkinLook::UpDown || look == SkinLook::ByEffectMode ||
            look == SkinLook::ByLinkMode || look == SkinLook::BySidePage)
            ShowLook(entry);
    }
    for (const Entry& entry : entries_) {
        if (entry.tableRow->kind != ControlKind::Label) continue;
        auto* label = static_cast<Label*>(entry.control);
        if (entry.tableRow->role == ControlRole::PageTab) {
            SetLabelColour(label, entry.tableRow->arg == currentPage_);
        } else if (entry.tableRow->role == ControlRole::Caption) {
            const Entry* picture = EntryNamed(entry.tableRow->partner);
            if (picture && picture->tableRow->role != ControlRole::SyncToggle &&
                picture->tableRow->role != ControlRole::Momentary)
                SetLabelColour(label, IsDown(*picture));
        }
    }
    ShowValues();
    ShowLighting();
}

bool MainFormView::LedPageShown(int page) const {
    return page == kPageLED && features_.lighting.LEDPageMode() == 1;
}

// The LED page's controls belong to it only when the lighting is a page of the window;
// otherwise they are judged against the equaliser page, so they stay hidden.
bool MainFormView::VisibleOnPage(const Entry& entry, int itemPage, int page) const {
    const ControlRole role = entry.tableRow->role;
    if (role == ControlRole::LedPage || role == ControlRole::LedCheck ||
        role == ControlRole::LedThumb)
        page = LedPageShown(page) ? kPageLED : kPageEQ;
    return itemPage == 0 || itemPage == page;
}

void MainFormView::ShowPage(int page) {
    currentPage_ = page;
    RefreshStates();
    ApplyPageVisibility(currentPage_);
}

void MainFormView::ChangePage(int page) {
    if (!device_.m_bDevicePresent) {
        ShowWarning(L"LabelWarning");
        return;
    }
    // Without a lighting page the tab leaves the page as it is (its click opens the dialog).
    if (page == kPageLED && features_.lighting.LEDPageMode() != 1) return;
    currentPage_ = page;
    RefreshStates();
    Application().ProcessMessages();
    if (page == kPageMic) {
        Application().ProcessMessages();
        features_.microphone.StartLevelMeter();
    } else {
        features_.microphone.StopLevelMeter();
        if (page == kPageEQ) features_.effects.ReapplySwitches(false);
        if (page == kPage3D) features_.effects.ReapplySwitches(true);
    }
    Application().ProcessMessages();
    ApplyPageVisibility(currentPage_);
}

void MainFormView::ApplyPageVisibility(int page) {
    for (const Entry& entry : entries_) {
        const ControlRow& tableRow = *entry.tableRow;
        if (tableRow.kind == ControlKind::Image) {
            const wchar_t* key = KeyFor(entry);
            const SkinItem& item =
                m_Skin.Item(tableRow.section ? tableRow.section : L"", key ? key : L"");
            tableRow.look == SkinLook::None
                ? entry.control->SetVisible(false)
                : entry.control->SetVisible(Shown(item.ImageFile) &&
                                            VisibleOnPage(entry, item.Page, page));
        } else if (tableRow.role == ControlRole::Swatch) {
            entry.control->SetVisible(LedPageShown(page));
        }
    }
    for (const LanguageKey& key : LanguageKeys()) {
        Label* label = key.control ? LabelNamed(key.control) : nullptr;
        if (!label) continue;
        if (label == DeviceActiveLabel && std::wstring(key.name) != L"LabelActive") continue;
        const TextItem* text = m_Texts.Find(key.name);
        int judged = page;
        if (std::wstring(key.section) == L"LED") judged = LedPageShown(page) ? kPageLED : kPageEQ;
        label->SetVisible(text && Shown(text->Text) && (text->Page == 0 || text->Page == judged));
    }
    if (BeeCheckBox) BeeCheckBox->SetVisible(page == kPageVirtual && settings_.bee == 1);
}

void MainFormView::ShowDeviceState(const std::wstring& textKey) {
    m_strDeviceStateKey = textKey;
    if (const TextItem* text = m_Texts.Find(textKey); text && DeviceActiveLabel)
        DeviceActiveLabel->SetCaption(text->Text);
    RefreshStates();
}

bool MainFormView::BeeRunning() const {
    return BeeCheckBox && BeeCheckBox->Checked();
}

void MainFormView::CloseImageClick() {
    if (OnCloseClick) OnCloseClick();
}

void MainFormView::MinimizeImageClick() {
    if (OnMinimizeClick) OnMinimizeClick();
}

namespace {
const wchar_t kProfileFilter[] = L"INI (*.ini)|*.ini";
} // namespace

void MainFormView::SaveProfileFromMenu() {
    features_.profiles.ExportProfile([this](const std::wstring& folder, std::wstring& chosen) {
        std::wstring name = chosen.substr(chosen.rfind(L'\\') + 1);
        return SaveFileDialog(form_.Handle(), kProfileFilter, folder, name, chosen);
    });
}

void MainFormView::LoadProfileFromMenu() {
    features_.profiles.ImportProfile([this](const std::wstring& folder, std::wstring& chosen) {
        return OpenFileDialog(form_.Handle(), kProfileFilter, folder, chosen);
    });
}

// The About window takes its caption, texts and logo from the current language and skin each
// time it opens.
void MainFormView::OpenAboutWindow() {
    if (!device_.m_bDevicePresent || !AboutForm) return;
    AboutForm->SetCaption(MenuCaption(L"LabelMenu3", L"About"));
    TextItem none;
    TextItem* about = m_Texts.Find(L"LabelAbout");
    TextItem* web = m_Texts.Find(L"LabelWeb");
    // The window scales with the skin's class, as the main window's picture does.
    double scale = 1.0;
    if (Image* main = ImageNamed(L"MainFormImage"); main && !main->GetPicture().Empty())
        scale = main->GetPicture().Width() / 819.0;
    AboutForm->Prepare(about ? *about : none, web ? *web : none, m_Texts,
                       m_Skin.Item(L"About", L"LogoImage"), SkinFolder(), scale);
    AboutForm->ShowModal();
}

void MainFormView::ShowWarning(const wchar_t* textKey) {
    const TextItem* item = m_Texts.Find(textKey);
    std::wstring text = item ? item->Text : std::wstring();
    std::wstring title = settings_.config ? settings_.config->InstallAppTitle : std::wstring();
    MessageBoxW(form_.Handle(), text.c_str(), title.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

// The mouse mechanics that make the skin's pictures behave as buttons, tabs and sliders:
// press and release by tag, toggles and groups, page changes, the no-device guard, and the
// application-wide hook that drags slider thumbs and speaker icons.
#include "audio_main_form.h"

#include "application.h"
#include "image.h"
#include "label.h"

#include <algorithm>

namespace {

// Tags that work without a device.
bool AllowedWithoutDevice(int tag) {
    switch (tag) {
    case 0:
    case 1:
    case 4:
    case 14:
    case 15:
    case 28:
    case 29:
    case 49:
    case 50:
        return true;
    default:
        return false;
    }
}

struct ToggleItems {
    int tag;
    const wchar_t* section;
    const wchar_t* up;
    const wchar_t* down;
};

const ToggleItems kToggles[] = {
    {7, L"EQ", L"EQEQENImageUp", L"EQEQENImageDown"},
    {8, L"EQ", L"EQ3DENImageUp", L"EQ3DENImageDown"},
    {13, L"3D", L"D3FBMImageUp", L"D3FBMImageDown"},
    {21, L"Mic", L"MicBoostImageUp", L"MicBoostImageDown"},
    {22, L"Mic", L"MicMuteImageUp", L"MicMuteImageDown"},
    {89, L"Mic", L"MicMonitorImageUp", L"MicMonitorImageDown"},
    {47, L"Virtual7ch1", L"VirtualEnableImageUp", L"VirtualEnableImageDown"},
    {49, L"Virtual7ch1", L"VirtualClockwiseUpImage", L"VirtualClockwiseDownImage"},
    {50, L"Virtual7ch1", L"VirtualCounterclockwiseUpImage", L"VirtualCounterclockwiseDownImage"},
    {52, L"Virtual7ch1", L"VirtualNarrowUpImage", L"VirtualNarrowDownImage"},
    {53, L"Virtual7ch1", L"VirtualEnlargeUpImage", L"VirtualEnlargeDownImage"},
    {51, L"Main", L"LedImageUp", L"LedImageDown"},
    {54, L"Main", L"DeviceActiveUpImage", L"DeviceActiveDownImage"},
    {55, L"Main", L"DeviceUnActiveUpImage", L"DeviceUnActiveDownImage"},
    // Press buttons swap their pictures the same way while held.
    {0, L"Main", L"CloseImageUp", L"CloseImageDown"},
    {1, L"Main", L"MinimizeImageUp", L"MinimizeImageDown"},
    {2, L"Main", L"Menu1ImageUp", L"Menu1ImageDown"},
    {3, L"Main", L"Menu2ImageUp", L"Menu2ImageDown"},
    {4, L"Main", L"Menu3ImageUp", L"Menu3ImageDown"},
    {5, L"EQ", L"EQResetImageUp", L"EQResetImageDown"},
    {6, L"3D", L"D3ResetImageUp", L"D3ResetImageDown"},
    {48, L"Virtual7ch1", L"VirtualResetUpImage", L"VirtualResetDownImage"},
    {226, L"Main", L"PageVMEffectUpImage", L"PageVMEffectDownImage"},
    {227, L"Main", L"PageENCUpImage", L"PageENCDownImage"},
    {228, L"Main", L"PageLEDUpImage", L"PageLEDDownImage"},
};

const ToggleItems* TogglesOf(int tag) {
    for (const ToggleItems& t : kToggles)
        if (t.tag == tag) return &t;
    return nullptr;
}

struct PageRow {
    int labelTag;
    int page;
    int tab;
};
const PageRow kPages[] = {{23, 1, 1}, {24, 5, 2},    {25, 2, 3},    {26, 3, 4},
                          {27, 4, 5}, {226, 8, 204}, {227, 7, 205}, {228, 6, 206}};

} // namespace

// The Down or Up item of a tag's picture; a skin without a Down item leaves it unchanged.
void TAudioMainForm::ShowItemOf(int tag, bool down) {
    const ToggleItems* t = TogglesOf(tag);
    Image* image = FindImageByTag(tag);
    if (!t || !image) return;
    const SkinItem& item = Item(t->section, down ? t->down : t->up);
    if (down && item.ImageFile.empty()) return;
    ApplySkinItem(item, image);
}

void TAudioMainForm::ToggleImageButton(int tag, bool& state) {
    if (tag == 28) {
        state = !state;
        return;
    }
    bool down = !state;
    ShowItemOf(tag, down);
    state = down;
    if (tag != 51) SetLabelColour(tag, down);
}

void TAudioMainForm::SelectPresetButtons(int preset) {
    for (int n = 1; n <= 4; ++n) {
        std::wstring stem = L"EQS" + std::to_wstring(n) + L"Image";
        ApplySkinItem(Item(L"EQ", stem + (n == preset ? L"Down" : L"Up")), ImageNamed(stem));
        SetLabelColour(LabelNamed(L"EQS" + std::to_wstring(n) + L"Label"), n == preset);
    }
}

void TAudioMainForm::SelectEffectButtons(int mode) {
    for (int tag = 16; tag <= 20; ++tag) {
        Image* image = FindImageByTag(tag);
        if (const SkinItem* item = image ? ItemForControl(image->Name()) : nullptr)
            ApplySkinItem(*item, image);
        SetLabelColour(tag, tag - 15 == mode);
    }
    if (const SkinItem* picture = ItemForControl(L"EffectPicImage");
        picture && mode >= 1 && mode <= 5)
        ApplySkinItem(*picture, ImageNamed(L"EffectPicImage"));
}

void TAudioMainForm::HighlightPageTab(int tab) {
    const int tabs[] = {1, 3, 4, 5, 204, 205, 206};
    const wchar_t* stems[] = {L"PageEQ",       L"PageEffect", L"PageMic", L"PageVirtual7p1",
                              L"PageVMEffect", L"PageENC",    L"PageLED"};
    for (int i = 0; i < 7; ++i) {
        bool down = tabs[i] == tab;
        Image* image = FindImageByTag(tabs[i] + 22);
        ApplySkinItem(Item(L"Main", std::wstring(stems[i]) + (down ? L"DownImage" : L"UpImage")),
                      image);
        SetLabelColour(tabs[i] + 22, down);
    }
    ApplySkinItem(*ItemForControl(L"MainLeftImage"), ImageNamed(L"MainLeftImage"));
}

// Sliders, bars and speakers are guarded by the mouse hook, which runs first; guarding them
// again here would show the same warning twice.
bool TAudioMainForm::DeviceGuard(int tag) {
    bool hookGuarded = (tag >= 29 && tag <= 46) || (tag >= 129 && tag <= 133) ||
                       (tag >= 229 && tag <= 233) || tag == 138 || tag == 238 || tag == 88 ||
                       tag == 188;
    if (m_bDevicePresent || AllowedWithoutDevice(tag) || hookGuarded) return true;
    ShowWarning(L"LabelWarning");
    return false;
}

void TAudioMainForm::OnImageMouseDown(Control& sender, const MouseEvent&) {
    int tag = sender.Tag();
    if (!DeviceGuard(tag)) return;
    switch (tag) {
    case 0:
    case 1:
        ShowItemOf(tag, true);
        break;
    case 48:
        if (BeeCheckBox && BeeCheckBox->Checked()) break;
        [[fallthrough]];
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
        ShowItemOf(tag, true);
        SetLabelColour(tag, true);
        break;
    case 7:
        ToggleImageButton(tag, m_bEQEnable), ApplyEQSwitch();
        break;
    case 8:
        ToggleImageButton(tag, m_b3DEnable), Apply3DSwitch();
        break;
    case 13:
        ToggleImageButton(tag, m_bFBM), ApplyFBM();
        break;
    case 21:
        ToggleImageButton(tag, m_bMicBoost), ApplyMicBoost();
        break;
    case 22:
        ToggleImageButton(tag, m_bMicMute), ApplyMicMute();
        break;
    case 47:
        ToggleImageButton(tag, m_b7ch1Enable), ApplyVirtualSurround();
        break;
    case 89:
        ToggleImageButton(tag, m_bMicMonitor), ApplyMicMonitor();
        break;
    case 9:
    case 10:
    case 11:
    case 12:
        m_iCurrentPreset = tag - 8;
        SelectPresetButtons(m_iCurrentPreset);
        ApplyPreset();
        break;
    case 14:
    case 15:
        AdvanceLinkMode(tag);
        break;
    case 16:
    case 17:
    case 18:
    case 19:
    case 20:
        m_iCurrentEffect = tag - 15;
        SelectEffectButtons(m_iCurrentEffect);
        ApplyEffectMode(m_iCurrentEffect);
        break;
    case 23:
    case 25:
    case 26:
    case 27: {
        int tab = tag == 23 ? 1 : tag - 22;
        HighlightPageTab(tab);
        ChangePage(tag);
        break;
    }
    case 226:
    case 227:
        HighlightPageTab(tag - 22);
        ShowItemOf(tag, true);
        ChangePage(tag);
        break;
    case 228:
        if (m_Skin.geometry.LEDPageMode != 1) break;
        HighlightPageTab(206);
        ShowItemOf(tag, true);
        ChangePage(tag);
        break;
    case 28:
        if (m_bDevicePresent) ToggleSync();
        break;
    case 49:
    case 50:
    case 52:
    case 53: {
        if (BeeCheckBox && BeeCheckBox->Checked()) break;
        bool* states[] = {&m_bClockwise, &m_bCounterclockwise, &m_bNarrow, &m_bEnlarge};
        const int tags[] = {49, 50, 52, 53};
        int self = tag == 49 ? 0 : tag == 50 ? 1 : tag == 52 ? 2 : 3;
        ToggleImageButton(tag, *states[self]);
        // At most one motion runs: the partner first, then the other pair.
        int partner = self ^ 1;
        int others[] = {partner, self < 2 ? 2 : 0, self < 2 ? 3 : 1};
        for (int other : others)
            if (*states[other]) ToggleImageButton(tags[other], *states[other]);
        StartOrStopMotion();
        break;
    }
    case 51:
        ToggleImageButton(tag, m_bLedOn);
        SetLedPower(m_bLedOn);
        break;
    default:
        break;
    }
}

void TAudioMainForm::OnImageMouseUp(Control& sender, const MouseEvent&) {
    int tag = sender.Tag();
    switch (tag) {
    case 0:
    case 1:
        ShowItemOf(tag, false);
        break;
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
        ShowItemOf(tag, false);
        if (tag == 2) SaveProfileFromMenu();
        if (tag == 3) LoadProfileFromMenu();
        SetLabelColour(tag, false);
        break;
    case 48:
        if (BeeCheckBox && BeeCheckBox->Checked()) break;
        ShowItemOf(tag, false);
        SetLabelColour(tag, false);
        break;
    case 39:
    case 40:
    case 41:
    case 42:
    case 43:
    case 44:
    case 45:
    case 46:
        EnableSpeakerTimer();
        break;
    case 51:
        ToggleImageButton(tag, m_bLedOn);
        SetLedPower(m_bLedOn);
        break;
    case 226:
    case 227:
        ShowItemOf(tag, m_bDevicePresent);
        break;
    case 228:
        if (m_Skin.geometry.LEDPageMode == 1) {
            if (m_bDevicePresent) ShowItemOf(tag, true);
        } else {
            ShowItemOf(tag, false);
        }
        break;
    default:
        break;
    }
    if (tag == 4 && m_bDevicePresent) OpenAboutWindow();
}

void TAudioMainForm::OnLabelMouseDown(Control& sender, const MouseEvent& event) {
    if (Image* image = FindImageByTag(sender.Tag())) OnImageMouseDown(*image, event);
}

void TAudioMainForm::OnLabelMouseUp(Control& sender, const MouseEvent& event) {
    if (Image* image = FindImageByTag(sender.Tag())) OnImageMouseUp(*image, event);
}

void TAudioMainForm::OnLabelPageMouseDown(Control& sender, const MouseEvent&) {
    if (!m_bDevicePresent) {
        ShowWarning(L"LabelWarning");
        return;
    }
    ChangePage(sender.Tag());
}

void TAudioMainForm::ChangePage(int tag) {
    if (!m_bDevicePresent) {
        ShowWarning(L"LabelWarning");
        return;
    }
    const PageRow* row = nullptr;
    for (const PageRow& r : kPages)
        if (r.labelTag == tag) row = &r;
    if (!row) return;
    if (tag == 228 && m_Skin.geometry.LEDPageMode != 1) return;
    CurrentPage = row->page;
    HighlightPageTab(row->tab);
    Application().ProcessMessages();
    switch (tag) {
    case 23:
        StopMicLevelCaptureUnlessShown(), ReapplyEQSwitch(false);
        break;
    case 24:
        StopMicLevelCaptureUnlessShown(), ReapplyEQSwitch(true);
        break;
    case 26:
        Application().ProcessMessages(), StartMicLevelCapture();
        break;
    case 226:
        StopMicLevelCaptureUnlessShown(), RefreshVoicePictures();
        break;
    case 227:
        StopMicLevelCaptureUnlessShown(), RefreshEncPictures();
        break;
    default:
        StopMicLevelCaptureUnlessShown();
        break;
    }
    Application().ProcessMessages();
    ApplyPageVisibility(CurrentPage);
    for (int up : {23, 24, 25, 26, 228})
        SetLabelColour(up, false);
    SetLabelColour(tag, true);
}

// Dragging the borderless window by any background picture.
void TAudioMainForm::FormMouseDown(const MouseEvent& event) {
    if (event.button != MouseButton::Left || m_bLedWindowOpen) return;
    ReleaseCapture();
    SendMessageW(Handle(), WM_SYSCOMMAND, 0xF012, 0);
    Application().ProcessMessages();
}

int TAudioMainForm::CursorClientY() const {
    POINT p{};
    GetCursorPos(&p);
    ScreenToClient(Handle(), &p);
    return p.y;
}

// Only presses in the main window itself count: a click in a dialog must not move a slider
// that happens to lie under the same client point.
bool TAudioMainForm::HookMessage(MSG& msg) {
    if (m_bLedWindowOpen || msg.hwnd != Handle()) return false;
    switch (msg.message) {
    case WM_LBUTTONDOWN:
        HookPress();
        break;
    case WM_MOUSEMOVE:
        HookDrag();
        break;
    case WM_LBUTTONUP:
        DragActive = false;
        DragControl = nullptr;
        break;
    }
    return false;
}

void TAudioMainForm::JumpThumb(Image* thumb, int cursorY, int top, int range) {
    if (!thumb) return;
    int newTop = std::clamp(cursorY - thumb->Height() / 2, top, top + range);
    thumb->SetTop(newTop);
}

void TAudioMainForm::HookPress() {
    GetCursorPos(&DragStartCursor);
    POINT client = DragStartCursor;
    ScreenToClient(Handle(), &client);
    DragControl = ControlAt(client.x, client.y, true);
    if (!DragControl) return;
    const std::wstring& name = DragControl->Name();
    int tag = DragControl->Tag();
    auto startDrag = [&](int mode) {
        DragActive = true;
        DragStartLeft = DragControl->Left();
        DragStartTop = DragControl->Top();
        DragMode = mode;
    };
    bool eqThumb = tag >= 29 && tag <= 33 && DragControl->Kind() == ControlKind::Image;
    bool eqBar = (tag >= 129 && tag <= 133) || (tag >= 229 && tag <= 233);
    bool d3Thumb = tag >= 34 && tag <= 37;
    bool speaker = tag >= 39 && tag <= 46 && DragControl->Kind() == ControlKind::Image;
    bool mic = name == L"MicSliderImage" || name == L"MicBarImage" || name == L"MicBarDownImage";
    bool enc = name == L"ENCSliderImage" || name == L"ENCBarImage";
    if (!(eqThumb || eqBar || d3Thumb || speaker || mic || enc)) return;
    if (!m_bDevicePresent) {
        ShowWarning(L"LabelWarning");
        return;
    }
    if (enc && !m_bENCAvailable) {
        ShowWarning(L"LabelWarning1");
        return;
    }
    const SkinGeometry& g = m_Skin.geometry;
    if (eqThumb) {
        startDrag(1);
    } else if (eqBar) {
        int band = tag >= 229 ? tag - 200 : tag - 100;
        Image* thumb = FindImageByTag(band);
        JumpThumb(thumb, client.y, g.EqSliderTop, g.EqSliderRange);
        WriteEQBand(band);
    } else if (d3Thumb) {
        startDrag(4);
    } else if (name == L"MicSliderImage") {
        startDrag(2);
    } else if (mic) {
        JumpThumb(ImageNamed(L"MicSliderImage"), client.y, g.MicSliderTop, g.MicSliderRange);
        ApplyMicVolumeFromSlider();
    } else if (name == L"ENCSliderImage") {
        startDrag(5);
    } else if (enc) {
        JumpThumb(ImageNamed(L"ENCSliderImage"), client.y, g.EncSliderTop, g.EncSliderRange);
        ApplyEncLevelFromBar();
    } else if (speaker) {
        startDrag(3);
    }
}

void TAudioMainForm::HookDrag() {
    if (!DragActive || !DragControl) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    int newLeft = DragStartLeft + (cursor.x - DragStartCursor.x);
    int newTop = DragStartTop + (cursor.y - DragStartCursor.y);
    const SkinGeometry& g = m_Skin.geometry;
    switch (DragMode) {
    case 1:
        DragControl->SetTop(std::clamp(newTop, g.EqSliderTop, g.EqSliderTop + g.EqSliderRange));
        WriteEQBand(DragControl->Tag());
        break;
    case 4:
        DragControl->SetTop(std::clamp(newTop, 105, 225));
        Write3DSliders(DragControl->Tag());
        break;
    case 2:
        DragControl->SetTop(std::clamp(newTop, g.MicSliderTop, g.MicSliderTop + g.MicSliderRange));
        ApplyMicVolumeFromSlider();
        break;
    case 5: {
        Image* bar = ImageNamed(L"ENCBarImage");
        if (!bar) break;
        int upper = bar->Top() + bar->Height() - static_cast<int>(DragControl->Height() * 1.2);
        int lower = bar->Top() + 10;
        DragControl->SetTop(std::max(lower, std::min(newTop, upper)));
        EncSliderMoved();
        break;
    }
    case 3: {
        long dx = newLeft - g.VirtualCenterX, dy = newTop - g.VirtualCenterY;
        if (dx * dx + dy * dy > static_cast<long>(g.VirtualRadius) * g.VirtualRadius) break;
        Image* stage = ImageNamed(L"VirtualPicImage");
        if (!stage) break;
        if (stage->Left() + 10 < newLeft &&
            newLeft + DragControl->Width() <= stage->Left() + stage->Width() - 10)
            DragControl->SetLeft(newLeft);
        if (newTop >= stage->Top() + 10 &&
            newTop + DragControl->Height() <= stage->Top() + stage->Height() - 10)
            DragControl->SetTop(newTop);
        StopSpeakerTimer();
        SpeakerMoved(DragControl->Tag());
        break;
    }
    default:
        break;
    }
}

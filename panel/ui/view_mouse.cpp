// The mouse on the main window: presses, releases and clicks of the table's controls, each
// acting on the control that was pressed, and the application-wide hook that drags slider
// thumbs and speaker icons.
#include "ui/main_form_view.h"

#include "application.h"
#include "effects/panel_features.h"
#include "form.h"
#include "image.h"
#include "label.h"

#include <algorithm>

namespace {

// Presses on these are guarded by the mouse hook, which runs first; guarding them again in
// the press handler would show the same warning twice.
bool MovedByHook(ControlRole role) {
    switch (role) {
    case ControlRole::EQThumb:
    case ControlRole::EQBar:
    case ControlRole::D3Thumb:
    case ControlRole::MicThumb:
    case ControlRole::MicBar:
    case ControlRole::ENCThumb:
    case ControlRole::ENCBar:
    case ControlRole::Speaker:
        return true;
    default:
        return false;
    }
}

// The move command with the caption hit code: the system drags the borderless window.
const WPARAM kDragMove = SC_MOVE | HTCAPTION;

} // namespace

// Without a device, a press on a tagged control warns and does nothing, except on the
// controls that work without one.
bool MainFormView::DeviceGuard(const Entry& entry) {
    const ControlRow& tableRow = *entry.tableRow;
    if (device_.m_bDevicePresent || tableRow.tag <= 1 || (tableRow.flags & kWorksWithoutDevice) ||
        MovedByHook(tableRow.role))
        return true;
    ShowWarning(L"LabelWarning");
    return false;
}

void MainFormView::OnPress(Control& sender, const MouseEvent& event) {
    const Entry* entry = EntryOf(&sender);
    if (!entry) return;
    const ControlRow& tableRow = *entry->tableRow;
    if (tableRow.role == ControlRole::Caption) {
        if (const Entry* picture = EntryNamed(tableRow.partner)) OnPress(*picture->control, event);
        return;
    }
    if (tableRow.role == ControlRole::PageTab && tableRow.kind == ControlKind::Label) {
        ChangePage(tableRow.arg);
        return;
    }
    if (!DeviceGuard(*entry)) return;
    if ((tableRow.flags & kStoppedByBee) && BeeRunning()) return;
    switch (tableRow.role) {
    case ControlRole::PressButton:
        pressed_ = &sender;
        RefreshStates();
        break;
    case ControlRole::Switch:
    case ControlRole::GroupMember:
    case ControlRole::HoldToggle:
    case ControlRole::LinkCycle:
        tableRow.action(*this, tableRow.arg);
        RefreshStates();
        break;
    case ControlRole::Momentary:
        pressed_ = &sender;
        tableRow.action(*this, 1);
        RefreshStates();
        break;
    case ControlRole::SyncToggle:
        if (device_.m_bDevicePresent) tableRow.action(*this, tableRow.arg);
        break;
    case ControlRole::PageTab:
        ChangePage(tableRow.arg);
        break;
    default:
        break;
    }
}

// A release ends only what its own press began: a press refused by the guard (or lost to a
// message box) does not act on its release.
void MainFormView::OnRelease(Control& sender, const MouseEvent& event) {
    const Entry* entry = EntryOf(&sender);
    if (!entry) return;
    const ControlRow& tableRow = *entry->tableRow;
    if (tableRow.role == ControlRole::Caption) {
        if (const Entry* picture = EntryNamed(tableRow.partner))
            OnRelease(*picture->control, event);
        return;
    }
    bool accepted = pressed_ == &sender;
    switch (tableRow.role) {
    case ControlRole::PressButton:
        pressed_ = nullptr;
        clickArmed_ = accepted && !(tableRow.flags & kActOnRelease) ? &sender : nullptr;
        RefreshStates();
        if (accepted && (tableRow.flags & kActOnRelease)) tableRow.action(*this, tableRow.arg);
        break;
    case ControlRole::Momentary:
        pressed_ = nullptr;
        if (accepted) tableRow.action(*this, 0);
        RefreshStates();
        break;
    case ControlRole::Speaker:
        features_.surround.SpeakerReleased();
        break;
    case ControlRole::ENCThumb:
        // The level reaches the device and the registry when the thumb is let go.
        if (device_.m_bDevicePresent && features_.microphone.ENCAvailable())
            features_.microphone.ENCSliderReleased();
        break;
    default:
        break;
    }
}

void MainFormView::OnClick(Control& sender) {
    const Entry* entry = EntryOf(&sender);
    if (!entry) return;
    if (entry->tableRow->role == ControlRole::Caption) {
        if (const Entry* picture = EntryNamed(entry->tableRow->partner)) OnClick(*picture->control);
        return;
    }
    // The LED tab's click shows the lighting: its page or, without one, the dialog.
    if (entry->tableRow->role == ControlRole::PageTab) {
        if (entry->tableRow->arg == kPageLED) PageLEDClick();
        return;
    }
    if (clickArmed_ != &sender) return;
    clickArmed_ = nullptr;
    entry->tableRow->action(*this, entry->tableRow->arg);
}

// Dragging the borderless window by any background picture.
void MainFormView::FormMouseDown(const MouseEvent& event) {
    if (event.button != MouseButton::Left || m_bLedWindowOpen) return;
    ReleaseCapture();
    SendMessageW(form_.Handle(), WM_SYSCOMMAND, kDragMove, 0);
    Application().ProcessMessages();
}

// Only presses in the main window itself count: a click in a dialog must not move a slider
// that happens to lie under the same client point.
bool MainFormView::HookMessage(MSG& msg) {
    if (m_bLedWindowOpen || msg.hwnd != form_.Handle()) return false;
    switch (msg.message) {
    // Each message's own cursor position: one handled late (the panel busy) must not take the
    // place the cursor has reached since.
    case WM_LBUTTONDOWN:
        HookPress(msg.pt);
        break;
    case WM_MOUSEMOVE:
        HookDrag(msg.pt);
        break;
    case WM_LBUTTONUP:
        DragActive = false;
        DragControl = nullptr;
        break;
    }
    return false;
}

void MainFormView::JumpThumb(Image* thumb, int cursorY, int top, int range) {
    if (!thumb) return;
    thumb->SetTop(std::clamp(cursorY - thumb->Height() / 2, top, top + range));
}

void MainFormView::HookPress(POINT cursor) {
    DragStartCursor = cursor;
    POINT client = DragStartCursor;
    ScreenToClient(form_.Handle(), &client);
    DragControl = form_.ControlAt(client.x, client.y, true);
    const Entry* entry = DragControl ? EntryOf(DragControl) : nullptr;
    if (!entry || !MovedByHook(entry->tableRow->role)) return;
    const ControlRole role = entry->tableRow->role;
    if (!device_.m_bDevicePresent) {
        ShowWarning(L"LabelWarning");
        return;
    }
    bool enc = role == ControlRole::ENCThumb || role == ControlRole::ENCBar;
    if (enc && !features_.microphone.ENCAvailable()) {
        ShowWarning(L"LabelWarning1");
        return;
    }
    auto startDrag = [&](DragMode mode) {
        DragActive = true;
        DragStartLeft = DragControl->Left();
        DragStartTop = DragControl->Top();
        m_DragMode = mode;
    };
    const SkinGeometry& g = m_Skin.geometry;
    switch (role) {
    case ControlRole::EQThumb:
        startDrag(DragMode::EQThumb);
        break;
    case ControlRole::EQBar: {
        const wchar_t* thumbs[] = {L"EQ60HzSliderImage", L"EQ300HzSliderImage",
                                   L"EQ1200HzSliderImage", L"EQ3600HzSliderImage",
                                   L"EQ12000HzSliderImage"};
        if (const Entry* thumb = EntryNamed(thumbs[entry->tableRow->arg])) {
            JumpThumb(static_cast<Image*>(thumb->control), client.y, g.EqSliderTop,
                      g.EqSliderRange);
            SliderMoved(*thumb);
        }
        break;
    }
    case ControlRole::D3Thumb:
        startDrag(DragMode::D3Thumb);
        break;
    case ControlRole::MicThumb:
        startDrag(DragMode::MicThumb);
        break;
    case ControlRole::MicBar:
        if (const Entry* thumb = EntryNamed(L"MicSliderImage")) {
            JumpThumb(static_cast<Image*>(thumb->control), client.y, g.MicSliderTop,
                      g.MicSliderRange);
            SliderMoved(*thumb);
        }
        break;
    case ControlRole::ENCThumb:
        startDrag(DragMode::ENCThumb);
        break;
    case ControlRole::ENCBar:
        if (const Entry* thumb = EntryNamed(L"ENCSliderImage")) {
            JumpThumb(static_cast<Image*>(thumb->control), client.y, g.EncSliderTop,
                      g.EncSliderRange);
            if (g.EncSliderRange > 0)
                features_.microphone.SetENCLevel(
                    (g.EncSliderTop + g.EncSliderRange - thumb->control->Top()) * 30 /
                    g.EncSliderRange);
            ShowValues();
        }
        break;
    case ControlRole::Speaker:
        startDrag(DragMode::Speaker);
        break;
    default:
        break;
    }
}

void MainFormView::HookDrag(POINT cursor) {
    if (!DragActive || !DragControl) return;
    const Entry* entry = EntryOf(DragControl);
    if (!entry) return;
    int newLeft = DragStartLeft + (cursor.x - DragStartCursor.x);
    int newTop = DragStartTop + (cursor.y - DragStartCursor.y);
    const SkinGeometry& g = m_Skin.geometry;
    switch (m_DragMode) {
    case DragMode::EQThumb:
        DragControl->SetTop(std::clamp(newTop, g.EqSliderTop, g.EqSliderTop + g.EqSliderRange));
        SliderMoved(*entry);
        break;
    case DragMode::D3Thumb:
        DragControl->SetTop(std::clamp(newTop, D3TrackTop(), D3TrackTop() + D3Travel()));
        SliderMoved(*entry);
        break;
    case DragMode::MicThumb:
        DragControl->SetTop(std::clamp(newTop, g.MicSliderTop, g.MicSliderTop + g.MicSliderRange));
        SliderMoved(*entry);
        break;
    case DragMode::ENCThumb: {
        Image* bar = ImageNamed(L"ENCBarImage");
        if (!bar) break;
        int upper = bar->Top() + bar->Height() - static_cast<int>(DragControl->Height() * 1.2);
        int lower = bar->Top() + 10;
        DragControl->SetTop(std::max(lower, std::min(newTop, upper)));
        SliderMoved(*entry);
        break;
    }
    case DragMode::Speaker: {
        // In 64 bits: a speaker placed by a profile may lie far from a skin's circle.
        const long long dx = static_cast<long long>(newLeft) - g.VirtualCenterX;
        const long long dy = static_cast<long long>(newTop) - g.VirtualCenterY;
        if (dx * dx + dy * dy > static_cast<long long>(g.VirtualRadius) * g.VirtualRadius) break;
        Image* stage = ImageNamed(L"VirtualPicImage");
        if (!stage) break;
        if (stage->Left() + 10 < newLeft &&
            newLeft + DragControl->Width() <= stage->Left() + stage->Width() - 10)
            DragControl->SetLeft(newLeft);
        if (newTop >= stage->Top() + 10 &&
            newTop + DragControl->Height() <= stage->Top() + stage->Height() - 10)
            DragControl->SetTop(newTop);
        SliderMoved(*entry);
        break;
    }
    case DragMode::None:
        break;
    }
}

// A thumb or speaker at its new place: the feature that owns the value takes it.
void MainFormView::SliderMoved(const Entry& entry) {
    const SkinGeometry& g = m_Skin.geometry;
    const int top = entry.control->Top();
    switch (entry.tableRow->role) {
    case ControlRole::EQThumb:
        features_.effects.EQBandMoved(entry.tableRow->arg, top - g.EqSliderTop);
        break;
    case ControlRole::D3Thumb:
        features_.effects.D3SliderMoved(static_cast<Slider3D>(entry.tableRow->arg),
                                        top - D3TrackTop());
        break;
    case ControlRole::MicThumb:
        if (g.MicSliderRange > 0) {
            features_.microphone.ApplyMicVolume((g.MicSliderTop + g.MicSliderRange - top) * 100 /
                                                g.MicSliderRange);
            features_.microphone.ShowMicVolume();
        }
        break;
    case ControlRole::ENCThumb: {
        // The thumb's own limits come after the hook's: the skin's travel.
        const int held = std::clamp(top, g.EncSliderTop, g.EncSliderTop + g.EncSliderRange);
        entry.control->SetTop(held);
        features_.microphone.ENCSliderMoved(g.EncSliderTop + g.EncSliderRange - held,
                                            g.EncSliderRange);
        break;
    }
    case ControlRole::Speaker:
        features_.surround.MoveSpeaker(entry.tableRow->arg, {entry.control->Left(), top});
        break;
    default:
        break;
    }
    ShowValues();
}

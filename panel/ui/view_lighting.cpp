// The lighting on the main window: the page's checks, speed thumbs and swatches, the LED tab's
// click, and the About window and lighting dialog the window opens.
#include "ui/main_form_view.h"

#include "color_dialog.h"
#include "effects/panel_features.h"
#include "form.h"
#include "image.h"
#include "shape.h"
#include "text_format.h"
#include "ui/led_form.h"

void MainFormView::AttachWindows(TAboutForm* about, TLEDForm* led) {
    AboutForm = about;
    LEDForm = led;
}

void MainFormView::LedCheckClick(LedCheck check) {
    Lighting& lighting = features_.lighting;
    switch (check) {
    case LedCheck::Off:
        lighting.ColorLEDOffCheckImageClick();
        break;
    case LedCheck::Single:
        lighting.ColorSingleCheckImageClick();
        break;
    case LedCheck::Breathe:
        lighting.EffectCheckImageClick(1);
        break;
    case LedCheck::Rainbow:
        lighting.EffectCheckImageClick(2);
        break;
    case LedCheck::Pulsating:
        lighting.EffectCheckImageClick(3);
        break;
    case LedCheck::None:
        break;
    }
    RefreshStates();
}

// The tab (or its label) was clicked; its press has changed the page already where there is one.
void MainFormView::PageLEDClick() {
    if (!device_.m_bDevicePresent) return;
    if (features_.lighting.LEDPageMode() == 1) {
        features_.lighting.ApplyLedPage();
        RefreshStates();
    } else {
        OpenLedWindow();
    }
}

// The mouse hook and the window's dragging pause while the dialog is open.
void MainFormView::OpenLedWindow() {
    if (!LEDForm) return;
    m_bLedWindowOpen = true;
    LEDForm->ShowDialog();
    m_bLedWindowOpen = false;
}

bool MainFormView::LedTrackOf(const Entry& thumb, SpeedTrack* track) const {
    Image* bar = ImageNamed(thumb.tableRow->partner);
    if (!bar || bar->Width() <= 0) return false;
    *track = {bar->Left(), bar->Width(), thumb.control->Width()};
    return true;
}

void MainFormView::ShowLighting() {
    const Lighting& lighting = features_.lighting;
    for (const Entry& entry : entries_) {
        const ControlRow& tableRow = *entry.tableRow;
        if (tableRow.role == ControlRole::Swatch) {
            static_cast<Shape*>(entry.control)->SetBrushColor(lighting.SwatchColour(tableRow.tag));
        } else if (tableRow.role == ControlRole::LedThumb && !(ledDrag_.active)) {
            SpeedTrack track;
            if (!LedTrackOf(entry, &track)) continue;
            const int effect = tableRow.arg;
            entry.control->SetLeft(ThumbLeftFor(lighting.State().SliderPos[effect - 1],
                                                lighting.State().Speed[effect - 1], track,
                                                lighting.FastRightSide()));
        }
    }
}

// Where the cursor was when the message being handled was sent: one handled late (the panel
// busy) must not take the place the cursor has reached since.
namespace {
POINT MessageCursor() {
    const DWORD position = GetMessagePos();
    return {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
}
} // namespace

// The drag starts from the thumb's place on the bar, not from where it is drawn, so the thumb
// stays under the cursor.
void MainFormView::LedThumbMouseDown(Control& thumb) {
    const Entry* entry = EntryOf(&thumb);
    if (!entry || !LedTrackOf(*entry, &ledDrag_.track)) return;
    ledDrag_.startCursor = MessageCursor();
    ledDrag_.startLeft =
        thumb.Left() == ledDrag_.track.barLeft ? thumb.Left() : thumb.Left() - kThumbDrawOffset;
    ledDrag_.active = true;
}

void MainFormView::LedThumbMouseMove(Control& thumb) {
    const Entry* entry = EntryOf(&thumb);
    if (!ledDrag_.active || !entry) return;
    const POINT cursor = MessageCursor();
    int left =
        ClampThumbLeft(ledDrag_.startLeft + (cursor.x - ledDrag_.startCursor.x), ledDrag_.track);
    thumb.SetLeft(DrawnThumbLeft(left, ledDrag_.track));
    features_.lighting.SpeedThumbMoved(entry->tableRow->arg, left, ledDrag_.track);
}

void MainFormView::LedThumbMouseUp(Control& thumb, const MouseEvent& event) {
    const Entry* entry = EntryOf(&thumb);
    if (!entry || !ledDrag_.active) return;
    if (event.button == MouseButton::Left) ledDrag_.active = false;
    features_.lighting.SpeedThumbReleased(entry->tableRow->arg);
    RefreshStates();
}

// The pressed swatch takes the highlight from the one that had it, then the colour dialog
// chooses its colour.
void MainFormView::OnShapeMouseDown(Control& swatch) {
    Lighting& lighting = features_.lighting;
    for (const Entry& entry : entries_)
        if (entry.tableRow->role == ControlRole::Swatch &&
            entry.tableRow->tag == lighting.SelectedSwatch()) {
            static_cast<Shape*>(entry.control)->SetPenColor(0);
            static_cast<Shape*>(entry.control)->SetPenWidth(1);
        }
    auto& shape = static_cast<Shape&>(swatch);
    shape.SetPenColor(kSwatchHighlight);
    shape.SetPenWidth(3);
    lighting.SelectSwatch(swatch.Tag());
    ReleaseCapture();
    Color colour = lighting.SwatchColour(swatch.Tag());
    if (!ChooseColour(form_.Handle(), &colour)) return;
    if (lighting.SwatchColourChosen(swatch.Tag(), colour)) ShowLighting();
}

std::wstring MainFormView::DescribeLighting() const {
    const Lighting& lighting = features_.lighting;
    const LightingState& s = lighting.State();
    return FormatText(L"lighting pageMode=%d fastRight=%d check=%d off=%d single=%d effect=%d "
                      L"deviceMode=%d speeds=%d,%d,%d pending=%d swatch=%d window=%d\n",
                      s.LEDPageMode.load(), s.LEDFastRightSide.load(),
                      static_cast<int>(lighting.SelectedCheck()), s.LEDOff.load(),
                      s.LEDSingleColor.load(), s.LEDEffectMode.load(), s.LedDeviceMode.load(),
                      s.Speed[0].load(), s.Speed[1].load(), s.Speed[2].load(),
                      s.LedColorsPending.load(), s.SelectedSwatch.load(), m_bLedWindowOpen ? 1 : 0);
}

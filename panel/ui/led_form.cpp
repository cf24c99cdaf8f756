#include "ui/led_form.h"

#include "button.h"
#include "color_dialog.h"
#include "effects/led_dialog_commands.h"
#include "effects/lighting_values.h"
#include "group_box.h"
#include "radio_button.h"
#include "shape.h"
#include "track_bar.h"

namespace {

const int kWidth = 520;
const int kHeight = 452;
const int kRowTop = 104;
const int kRowHeight = 30;
const int kRadioLeft = 24;
const int kRadioWidth = 92;
const int kRadioHeight = 22;
// Where a row's track bar and swatch stand, right of its radio button.
const int kSpeedOffset = 96;
const int kSwatchOffset = 360;
const int kSwatchSize = 22;
const int kMaxByte = 255;

struct EffectDesign {
    int code;
    const wchar_t* caption;
    bool speed;
    bool colour;
};
const EffectDesign kEffects[] = {
    {1, L"LED Off", false, false},      {2, L"Single color", false, true},
    {3, L"Blinking", true, false},      {4, L"Breathe", true, true},
    {5, L"Rainbow", true, false},       {6, L"Multi Breathe", true, false},
    {7, L"Single Random", true, false},
};
const wchar_t* const kLedNumbers[] = {L"LED1", L"LED2", L"LED All"};

void Outline(Shape& shape, bool chosen) {
    shape.SetPenColor(chosen ? kSwatchHighlight : 0);
    shape.SetPenWidth(chosen ? 2 : 1);
}

} // namespace

TLEDForm::TLEDForm() : Form({L"TLEDForm", L"LED", kWidth, kHeight, false}) {}

// The dialog's controls are made when it is first opened: most starts of the panel never open
// it, and its two dozen native windows would otherwise hold the main window back.
void TLEDForm::BuildControls() {
    // Each group box starts the group of the radio buttons made after it.
    ColorSetGroupBox = std::make_unique<GroupBox>(*this, L"ColorSetGroupBox", L"Color set");
    ColorSetGroupBox->SetBounds(12, 8, 496, 64);
    for (int i = 0; i < kPaletteSize; ++i) {
        m_Colours[i] = kLedDefaultColours[i];
        Shape& shape = Add<Shape>(L"Color" + std::to_wstring(i + 1) + L"Shape", i + 1);
        shape.SetType(ShapeType::RoundSquare);
        shape.SetBounds({28 + 40 * i, 30, 28, 28});
        shape.SetBrushColor(m_Colours[i]);
        shape.OnMouseDown = [this, i](Control&, const MouseEvent&) {
            SelectColourSwatch(i + 1);
            PickPaletteColour(i + 1);
        };
        ColorShapes.push_back(&shape);
    }
    SelectColorButton = std::make_unique<Button>(*this, L"SelectColorButton", L"Select Color");
    SelectColorButton->SetBounds(384, 30, 110, 28);
    SelectColorButton->OnClick = [this](Button&) { PickPaletteColour(m_iSelectedColour); };

    EffectGroupBox = std::make_unique<GroupBox>(*this, L"EffectGroupBox", L"Effect setting");
    EffectGroupBox->SetBounds(12, 80, 496, 7 * kRowHeight + 34);
    for (const EffectDesign& design : kEffects) {
        EffectRow row;
        row.code = design.code;
        row.radio = std::make_unique<RadioButton>(
            *this, L"Effect" + std::to_wstring(design.code) + L"RadioButton", design.caption);
        row.radio->SetBounds(kRadioLeft, kRowTop + (design.code - 1) * kRowHeight, kRadioWidth,
                             kRadioHeight);
        const int code = design.code;
        row.radio->OnClick = [this, code](RadioButton&) {
            if (m_Commands) m_Commands->SelectEffect(code);
        };
        if (design.speed) {
            row.speed =
                std::make_unique<TrackBar>(*this, L"Effect" + std::to_wstring(code) + L"TrackBar");
            row.speed->SetRange(1, kMaxByte);
            row.speed->OnChange = [this, code](TrackBar& bar) {
                if (m_Commands) m_Commands->SpeedMoved(code, bar.Position());
            };
        }
        if (design.colour) {
            row.swatch = &Add<Shape>(L"Effect" + std::to_wstring(code) + L"Shape", code);
            row.swatch->SetType(ShapeType::RoundSquare);
            row.swatch->SetBrushColor(kLedDefaultColours[kPaletteSize]);
        }
        Effects.push_back(std::move(row));
    }
    for (EffectRow& row : Effects)
        if (row.swatch)
            row.swatch->OnMouseDown = [this, &row](Control&, const MouseEvent&) {
                PickEffectColour(row);
            };

    BrightnessGroupBox = std::make_unique<GroupBox>(*this, L"BrightnessGroupBox", L"Brightness");
    BrightnessGroupBox->SetBounds(12, 326, 240, 60);
    BrightnessTrackBar = std::make_unique<TrackBar>(*this, L"BrightnessTrackBar");
    BrightnessTrackBar->SetBounds(22, 348, 220, 28);
    BrightnessTrackBar->SetRange(0, kMaxByte);
    BrightnessTrackBar->SetPosition(kMaxByte);
    BrightnessTrackBar->OnChange = [this](TrackBar& bar) {
        if (m_Commands) m_Commands->SetBrightness(bar.Position());
    };

    LedNumberGroupBox = std::make_unique<GroupBox>(*this, L"LedNumberGroupBox", L"LED Number");
    LedNumberGroupBox->SetBounds(264, 326, 244, 60);
    for (int i = 0; i < 3; ++i) {
        auto radio = std::make_unique<RadioButton>(
            *this, L"LedNumber" + std::to_wstring(i + 1) + L"RadioButton", kLedNumbers[i]);
        radio->SetBounds(276 + 72 * i, 352, 70, kRadioHeight);
        LedNumberRadios.push_back(std::move(radio));
    }
    LedNumberRadios.back()->SetChecked(true);

    MasterSlaveGroupBox =
        std::make_unique<GroupBox>(*this, L"MasterSlaveGroupBox", L"Master / Slave");
    MasterSlaveGroupBox->SetBounds(12, 392, 240, 50);
    MasterRadioButton = std::make_unique<RadioButton>(*this, L"MasterRadioButton", L"Master");
    MasterRadioButton->SetBounds(24, 412, 90, kRadioHeight);
    MasterRadioButton->SetChecked(true);
    SlaveRadioButton = std::make_unique<RadioButton>(*this, L"SlaveRadioButton", L"Slave");
    SlaveRadioButton->SetBounds(124, 412, 90, kRadioHeight);
    auto master = [this](RadioButton&) {
        if (m_Commands) m_Commands->SetMaster(MasterRadioButton->Checked());
    };
    MasterRadioButton->OnClick = master;
    SlaveRadioButton->OnClick = master;

    CloseButton = std::make_unique<Button>(*this, L"CloseButton", L"Close");
    CloseButton->SetBounds(408, 408, 100, 28);
    CloseButton->OnClick = [this](Button&) { CloseDialog(); };

    for (auto* control : std::initializer_list<NativeControl*>{
             ColorSetGroupBox.get(), SelectColorButton.get(), EffectGroupBox.get(),
             BrightnessGroupBox.get(), BrightnessTrackBar.get(), LedNumberGroupBox.get(),
             MasterSlaveGroupBox.get(), MasterRadioButton.get(), SlaveRadioButton.get(),
             CloseButton.get()})
        control->SetVisible(true);
    for (auto& radio : LedNumberRadios)
        radio->SetVisible(true);
    for (EffectRow& row : Effects) {
        row.radio->SetVisible(true);
        if (row.speed) row.speed->SetVisible(true);
    }
}

TLEDForm::~TLEDForm() = default;

void TLEDForm::ShowDialog() {
    ShowModal();
    CloseDialog();
}

// The open steps: the first colour and the first effect chosen, the command thread started
// (it sends the palette's step count), and the rows' track bars and swatches beside their
// radio buttons.
void TLEDForm::FormShow() {
    if (!ColorSetGroupBox) BuildControls();
    m_Commands.reset();
    m_Commands = std::make_unique<LedDialogCommands>(MasterRadioButton->Checked());
    SelectColourSwatch(1);
    for (EffectRow& row : Effects) {
        row.radio->SetChecked(row.code == 1);
        RECT r = row.radio->Bounds();
        if (row.speed) row.speed->SetBounds(r.left + kSpeedOffset, r.top, 250, kRadioHeight + 4);
        if (row.swatch)
            row.swatch->SetBounds({r.left + kSwatchOffset, r.top, kSwatchSize, kSwatchSize});
    }
}

void TLEDForm::CloseDialog() {
    if (Visible()) Hide();
    m_Commands.reset();
}

// Return and Escape reach the window as the dialog keys; Escape closes it.
bool TLEDForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_COMMAND && lParam == 0 && LOWORD(wParam) == IDCANCEL) {
        CloseDialog();
        result = 0;
        return true;
    }
    return false;
}

void TLEDForm::SelectColourSwatch(int index) {
    m_iSelectedColour = index;
    for (size_t i = 0; i < ColorShapes.size(); ++i)
        Outline(*ColorShapes[i], static_cast<int>(i) + 1 == index);
}

// A cancelled dialog or black changes nothing.
void TLEDForm::PickPaletteColour(int index) {
    if (index < 1 || index > kPaletteSize) return;
    ReleaseCapture();
    Color colour = m_Colours[index - 1];
    if (!ChooseColour(Handle(), &colour) || (colour & 0xFFFFFF) == 0) return;
    m_Colours[index - 1] = colour & 0xFFFFFF;
    ColorShapes[index - 1]->SetBrushColor(m_Colours[index - 1]);
    if (m_Commands) m_Commands->SetPaletteColour(index, m_Colours[index - 1]);
}

void TLEDForm::PickEffectColour(EffectRow& row) {
    ReleaseCapture();
    Color colour = row.swatch->BrushColor();
    if (!ChooseColour(Handle(), &colour) || (colour & 0xFFFFFF) == 0) return;
    row.swatch->SetBrushColor(colour & 0xFFFFFF);
    if (m_Commands) m_Commands->SetEffectColour(row.code, colour & 0xFFFFFF);
}

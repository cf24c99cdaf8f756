#pragma once
// The lighting dialog, shown by the LED tab when the lighting is not a page of the main window:
// standard controls for the palette, the effect with its speed and colour, the brightness, the
// LEDs addressed and the master or slave calls.
#include "form.h"

#include <cstdint>
#include <memory>
#include <vector>

class Button;
class GroupBox;
class LedDialogCommands;
class RadioButton;
class Shape;
class TrackBar;

class TLEDForm : public Form {
  public:
    TLEDForm();
    ~TLEDForm() override;

    // Opens the dialog and returns when it is closed; its command thread lives as long.
    void ShowDialog();

  protected:
    bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    struct EffectRow {
        int code; // the device's mode code, also the radio button's tag
        std::unique_ptr<RadioButton> radio;
        std::unique_ptr<TrackBar> speed; // for the effects with a speed
        Shape* swatch = nullptr;         // for the single-colour and breathe effects
    };

    void BuildControls();
    void FormShow() override;
    void CloseDialog();
    void SelectColourSwatch(int index);
    void PickPaletteColour(int index);
    void PickEffectColour(EffectRow& row);

    std::unique_ptr<GroupBox> ColorSetGroupBox;
    std::vector<Shape*> ColorShapes; // palette colours 1 to 7
    std::unique_ptr<Button> SelectColorButton;
    std::unique_ptr<GroupBox> EffectGroupBox;
    std::vector<EffectRow> Effects;
    std::unique_ptr<GroupBox> BrightnessGroupBox;
    std::unique_ptr<TrackBar> BrightnessTrackBar;
    std::unique_ptr<GroupBox> LedNumberGroupBox;
    std::vector<std::unique_ptr<RadioButton>> LedNumberRadios;
    std::unique_ptr<GroupBox> MasterSlaveGroupBox;
    std::unique_ptr<RadioButton> MasterRadioButton;
    std::unique_ptr<RadioButton> SlaveRadioButton;
    std::unique_ptr<Button> CloseButton;

    uint32_t m_Colours[7] = {};
    int m_iSelectedColour = 1;
    std::unique_ptr<LedDialogCommands> m_Commands;
};

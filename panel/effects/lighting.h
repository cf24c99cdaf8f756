#pragma once
// The device's LED lighting: its switch, the effect and colour settings of the lighting page,
// and the worker thread that sends the palette and the effect's speed after a change. Every
// lighting call goes through the device library; the switch is a pin of the HID interface.
#include "device/active_device.h"
#include "effects/led_worker.h"
#include "effects/lighting_calls.h"
#include "effects/lighting_values.h"

#include <functional>
#include <string>

// The check pictures of the lighting page; at most one of them is shown selected.
enum class LedCheck { None, Off, Single, Breathe, Rainbow, Pulsating };

class Lighting {
  public:
    explicit Lighting(const ActiveDevice& device) : device_(device) {}
    ~Lighting() { StopLedWorker(); }
    Lighting(const Lighting&) = delete;
    Lighting& operator=(const Lighting&) = delete;

    // Lets the window's pending messages run while the palette set-up waits for the worker.
    std::function<void()> OnProcessMessages;

    const LightingState& State() const { return state_; }
    bool LedOn() const { return m_bLedOn; }
    // 1: the lighting is a page of the main window; otherwise the LED tab opens the dialog.
    int LEDPageMode() const { return state_.LEDPageMode; }
    bool FastRightSide() const { return state_.LEDFastRightSide == 1; }
    LedCheck SelectedCheck() const;
    // The effect (1 to 3) whose check is shown selected, 0 when off or single colour is.
    int SelectedEffect() const;
    uint32_t SwatchColour(int tag) const;
    int SelectedSwatch() const { return state_.SelectedSwatch; }
    LedCallTarget CallTarget() const;
    const LedWorker& Worker() const { return worker_; }

    // A skin was loaded: its page mode, speed direction and default colours (the seven palette
    // colours, then the single-colour and breathe colours).
    void TakeSkinSettings(int pageMode, int fastRightSide,
                          const uint32_t (&colours)[kPaletteSize + 2]);

    // Once a device with the lighting page is there: the worker started and the palette sent,
    // once for each pending request.
    void InitLedColors();
    // The selected effect sent again (the page's pictures are the window's to show).
    void ApplyLedPage();
    void ColorLEDOffCheckImageClick();
    void ColorSingleCheckImageClick();
    // Breathe (1), rainbow (2) or multi-breathe (3).
    void EffectCheckImageClick(int effect);
    // A speed thumb dragged to a place on its track (clamped): its drawn place and its speed are
    // kept for its effect.
    void SpeedThumbMoved(int effect, int left, const SpeedTrack& track);
    // The thumb let go: only the selected effect's speed goes to the device.
    void SpeedThumbReleased(int effect);
    // The swatch pressed: it takes the highlight (the previous one loses it).
    void SelectSwatch(int tag);
    // A colour chosen for a swatch; false when nothing changes (black, or an unknown swatch).
    bool SwatchColourChosen(int tag, uint32_t colour);

    // The lighting switch on the device's HID interface: 0; 1 the interface cannot be opened;
    // 2 the switch could not be written; 3 the exchange could not be finished.
    int SetLedPower(bool on);
    // The switch state written again (a device became usable).
    void ResendLedSwitch();
    // The device went away: it has lost the palette, which is sent again when it comes back.
    void CloseLedWorker();
    // The panel ends: the worker thread ends.
    void StopLedWorker() { worker_.Stop(); }

    // The [LED] keys of a profile file: the switch ("LEDON") and the settings, written in the
    // profile's order; applied each only when it holds a value.
    void SaveLedProfileKeys(const std::wstring& path);
    void ApplyLedProfileKeys(const std::wstring& path);
    // The settings alone (not the switch), each only when it holds a value.
    void LoadLedSettings(const std::wstring& path);

  private:
    void WorkerRound(LedWorker& worker);
    // The selected state to the device: off or an effect as a mode, single colour as a colour.
    void SendSelectedState();
    void SendMode(int mode, int speed);
    void SendSingle(int mode, uint32_t colour);
    void SendPaletteColour(int index);
    int SpeedOf(int effect) const;
    bool DeviceUsable() const { return device_.m_bDevicePresent; }

    const ActiveDevice& device_;
    LightingState state_;
    bool m_bLedOn = false;
    LedWorker worker_;
};

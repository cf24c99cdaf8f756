#pragma once
// What the lighting dialog sends: the effect chosen with its radio button at once, the speed
// of the chosen effect through the dialog's own command thread (a burst of track bar moves
// merges into one command), the brightness and the colours. Master or slave calls follow the
// dialog's choice.
#include "effects/led_worker.h"
#include "effects/lighting_calls.h"

#include <atomic>
#include <cstdint>

class LedDialogCommands {
  public:
    // Effect codes of the dialog's radio buttons, the device's mode codes: 1 off, 2 single
    // colour, 3 blinking, 4 breathe, 5 rainbow, 6 multi-breathe, 7 single random.
    static const int kEffectCount = 7;

    // The dialog opens: the command thread starts and the palette's step count is sent, in the
    // master or the slave form.
    explicit LedDialogCommands(bool master);
    // The dialog closes: the thread ends.
    ~LedDialogCommands() { worker_.Stop(); }
    LedDialogCommands(const LedDialogCommands&) = delete;
    LedDialogCommands& operator=(const LedDialogCommands&) = delete;

    bool Master() const { return master_; }
    void SetMaster(bool master) { master_ = master; }
    int SelectedEffect() const { return effect_; }
    int Speed(int code) const;
    const LedWorker& Worker() const { return worker_; }

    void SelectEffect(int code);
    // A speed track bar moved: its effect keeps the speed; the chosen effect's goes out.
    void SpeedMoved(int code, int speed);
    void SetBrightness(int brightness);
    // Palette colour 1 to 7, or the colour of the single-colour (2) or breathe (4) effect.
    void SetPaletteColour(int index, uint32_t colour);
    void SetEffectColour(int code, uint32_t colour);

  private:
    LedCallTarget Target() const;
    int SpeedToSend(int code) const;
    void SendChosenEffect();

    LedWorker worker_;
    std::atomic<bool> master_{true};
    std::atomic<int> effect_{1};
    std::atomic<int> speeds_[kEffectCount + 1] = {1, 1, 1, 1, 1, 1, 1, 1};
};

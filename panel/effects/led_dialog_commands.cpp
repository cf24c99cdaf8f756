#include "effects/led_dialog_commands.h"

#include "effects/lighting_values.h"

namespace {
const int kSlaveId = 58;
const int kCallParameter = 50;
const int kPaletteSteps = 7;
// Off and single colour have no speed; the device takes 0 for them.
const int kFirstTimedEffect = 3;
} // namespace

LedDialogCommands::LedDialogCommands(bool master) : master_(master) {
    worker_.Start([this](LedWorker&) { SendChosenEffect(); });
    SendLedStep(Target(), kPaletteSteps);
}

LedCallTarget LedDialogCommands::Target() const {
    return {master_, kSlaveId, kCallParameter};
}

int LedDialogCommands::Speed(int code) const {
    return code >= 1 && code <= kEffectCount ? speeds_[code].load() : 0;
}

int LedDialogCommands::SpeedToSend(int code) const {
    return code >= kFirstTimedEffect ? Speed(code) : 0;
}

void LedDialogCommands::SendChosenEffect() {
    int code = effect_;
    SendLedMode(Target(), 0, code, SpeedToSend(code));
}

void LedDialogCommands::SelectEffect(int code) {
    if (code < 1 || code > kEffectCount) return;
    effect_ = code;
    SendChosenEffect();
}

void LedDialogCommands::SpeedMoved(int code, int speed) {
    if (code < 1 || code > kEffectCount) return;
    speeds_[code] = speed;
    if (code == effect_) worker_.Signal();
}

void LedDialogCommands::SetBrightness(int brightness) {
    SendLedBrightness(Target(), brightness);
}

void LedDialogCommands::SetPaletteColour(int index, uint32_t colour) {
    if (index < 1 || index > kPaletteSize) return;
    SendLedColor(Target(), 0, index, colour);
}

void LedDialogCommands::SetEffectColour(int code, uint32_t colour) {
    if (code != kLedModeSingle && code != kLedModeBreathe) return;
    SendLedSingleColor(Target(), code, 0, colour);
}

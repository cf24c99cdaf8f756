#include "effects/lighting.h"

#include "device/protocol_pause.h"
#include "debug_output.h"
#include "device/hid_access.h"
#include "effects/profile_values.h"
#include "text_format.h"

#include <windows.h>

namespace {

const wchar_t kSection[] = L"LED";
const wchar_t kSwitchKey[] = L"LEDON";
// The pin of the HID interface that powers the lighting.
const int kLedPowerPin = 9;
const int kPaletteSteps = 7;
const int kOffSpeed = 1;
// The pauses the device needs between lighting commands.
const DWORD kStepPauseMs = 200;
const DWORD kSignalPauseMs = 100;
const DWORD kCommandPauseMs = 100;
const DWORD kColourPauseMs = 200;
const DWORD kAfterColourPauseMs = 100;

} // namespace

LedCheck Lighting::SelectedCheck() const {
    static const LedCheck kEffectChecks[kLedEffectCount] = {LedCheck::Breathe, LedCheck::Rainbow,
                                                            LedCheck::Pulsating};
    if (state_.LEDOff == 1) return LedCheck::Off;
    if (state_.LEDSingleColor == 1) return LedCheck::Single;
    int effect = state_.LEDEffectMode;
    return DeviceModeOfEffect(effect) ? kEffectChecks[effect - 1] : LedCheck::None;
}

int Lighting::SelectedEffect() const {
    if (state_.LEDOff == 1 || state_.LEDSingleColor == 1) return 0;
    return DeviceModeOfEffect(state_.LEDEffectMode) ? state_.LEDEffectMode.load() : 0;
}

uint32_t Lighting::SwatchColour(int tag) const {
    if (int index = PaletteIndexOfSwatch(tag)) return state_.LEDColorRGB[index - 1];
    if (tag == kBreatheSwatchTag) return state_.LEDBreatheColorRGB;
    if (tag == kSingleSwatchTag) return state_.LEDSingleColorRGB;
    return 0;
}

LedCallTarget Lighting::CallTarget() const {
    return {state_.LedUseMasterCalls == 1, state_.LedSlaveId, state_.LedCallParam};
}

int Lighting::SpeedOf(int effect) const {
    return effect >= 1 && effect <= kLedEffectCount ? state_.Speed[effect - 1].load() : kOffSpeed;
}

void Lighting::TakeSkinSettings(int pageMode, int fastRightSide,
                                const uint32_t (&colours)[kPaletteSize + 2]) {
    state_.LEDPageMode = pageMode;
    state_.LEDFastRightSide = fastRightSide;
    for (int i = 0; i < kPaletteSize; ++i)
        state_.LEDColorRGB[i] = static_cast<int32_t>(colours[i]);
    state_.LEDSingleColorRGB = static_cast<int32_t>(colours[kPaletteSize]);
    state_.LEDBreatheColorRGB = static_cast<int32_t>(colours[kPaletteSize + 1]);
}

// Every send records the mode it leaves the device in, whichever thread sends it.
void Lighting::SendMode(int mode, int speed) {
    state_.LedDeviceMode = mode;
    SendLedMode(CallTarget(), state_.LedColorCount, mode, speed);
}

void Lighting::SendSingle(int mode, uint32_t colour) {
    state_.LedDeviceMode = mode;
    SendLedSingleColor(CallTarget(), mode, state_.LedColorCount, colour);
}

void Lighting::SendPaletteColour(int index) {
    SendLedColor(CallTarget(), state_.LedColorCount, index,
                 static_cast<uint32_t>(state_.LEDColorRGB[index - 1].load()));
}

void Lighting::SendSelectedState() {
    if (!DeviceUsable()) return;
    switch (SelectedCheck()) {
    case LedCheck::Off:
        SendMode(kLedModeOff, kOffSpeed);
        return;
    case LedCheck::Single:
        SendSingle(kLedModeSingle, static_cast<uint32_t>(state_.LEDSingleColorRGB.load()));
        return;
    case LedCheck::None:
        return;
    default:
        SendMode(DeviceModeOfEffect(SelectedEffect()), SpeedOf(SelectedEffect()));
        return;
    }
}

// The worker: the palette while a request is pending (whoever takes the flag first sends it),
// then the speed of an animated effect that was sent last.
void Lighting::WorkerRound(LedWorker& worker) {
    if (state_.LedColorsPending.exchange(0) == 1) {
        for (int index = 1; index <= kPaletteSize; ++index) {
            if (!worker.Pause(kColourPauseMs)) return;
            SendPaletteColour(index);
            if (!worker.Pause(kAfterColourPauseMs)) return;
        }
    }
    int mode = state_.LedDeviceMode;
    if (int effect = EffectOfDeviceMode(mode)) {
        state_.LedColorCount = 0;
        SendMode(mode, SpeedOf(effect));
    }
}

void Lighting::InitLedColors() {
    if (state_.LEDPageMode != 1 || state_.LedColorsPending != 1) return;
    worker_.Start([this](LedWorker& worker) { WorkerRound(worker); });
    SendLedStep(CallTarget(), kPaletteSteps);
    ProtocolPause(kStepPauseMs);
    worker_.Signal();
    ProtocolPause(kSignalPauseMs);
    if (OnProcessMessages) OnProcessMessages();
    if (state_.LedColorsPending.exchange(0) != 1) return;
    state_.LedColorCount = 0;
    SendSelectedState();
    for (int index = 1; index <= kPaletteSize; ++index) {
        ProtocolPause(kColourPauseMs);
        SendPaletteColour(index);
    }
}

void Lighting::ApplyLedPage() {
    if (state_.LEDPageMode == 0) return;
    state_.LedColorCount = 0;
    SendSelectedState();
}

void Lighting::ColorLEDOffCheckImageClick() {
    state_.LEDOff = 1;
    ApplyLedPage();
    state_.LedDeviceMode = kLedModeOff;
    if (DeviceUsable()) SendMode(kLedModeOff, kOffSpeed);
}

void Lighting::ColorSingleCheckImageClick() {
    state_.LEDSingleColor = 1;
    state_.LEDOff = 0;
    state_.LEDEffectMode = 0;
    ApplyLedPage();
}

// An effect replaces the single colour too, so that the effect is what is shown and sent.
void Lighting::EffectCheckImageClick(int effect) {
    int mode = DeviceModeOfEffect(effect);
    if (!mode) return;
    state_.LEDEffectMode = effect;
    state_.LEDOff = 0;
    state_.LEDSingleColor = 0;
    ApplyLedPage();
    state_.LedDeviceMode = mode;
    state_.LedColorCount = 0;
    if (!DeviceUsable()) return;
    SendMode(mode, SpeedOf(effect));
    ProtocolPause(kCommandPauseMs);
}

void Lighting::SpeedThumbMoved(int effect, int left, const SpeedTrack& track) {
    if (effect < 1 || effect > kLedEffectCount) return;
    int clamped = ClampThumbLeft(left, track);
    state_.SliderPos[effect - 1] = DrawnThumbLeft(clamped, track);
    state_.Speed[effect - 1] = SpeedForThumb(clamped, track, FastRightSide());
}

void Lighting::SpeedThumbReleased(int effect) {
    if (effect < 1 || effect > kLedEffectCount || effect != SelectedEffect()) return;
    worker_.Signal();
    ProtocolPause(kCommandPauseMs);
    EffectCheckImageClick(effect);
}

void Lighting::SelectSwatch(int tag) {
    state_.SelectedSwatch = tag;
}

bool Lighting::SwatchColourChosen(int tag, uint32_t colour) {
    colour &= 0xFFFFFF;
    if (colour == 0) return false;
    if (int index = PaletteIndexOfSwatch(tag)) {
        state_.LEDColorRGB[index - 1] = static_cast<int32_t>(colour);
        if (!DeviceUsable()) return true;
        SendPaletteColour(index);
        ProtocolPause(kCommandPauseMs);
        return true;
    }
    if (tag == kBreatheSwatchTag) {
        state_.LEDBreatheColorRGB = static_cast<int32_t>(colour);
        state_.LedDeviceMode = kLedModeBreathe;
        if (DeviceUsable()) SendSingle(kLedModeBreathe, colour);
        return true;
    }
    if (tag == kSingleSwatchTag) {
        state_.LEDSingleColorRGB = static_cast<int32_t>(colour);
        state_.LedDeviceMode = kLedModeSingle;
        if (DeviceUsable()) SendSingle(kLedModeSingle, colour);
        return true;
    }
    return false;
}

// The other pins keep what the device holds.
int Lighting::SetLedPower(bool on) {
    m_bLedOn = on;
    HidHandle hid = OpenHidDevice(device_.m_wVid, device_.m_wPid);
    if (!hid) return 1;
    uint8_t pins[10] = {};
    if (ReadPins(hid.get(), pins) != 0) return 2;
    pins[kLedPowerPin] = on ? 1 : 0;
    if (WritePins(hid.get(), pins) != 0) return 2;
    if (SendClosingReport(hid.get()) != 0) return 3;
    return 0;
}

void Lighting::ResendLedSwitch() {
    if (int result = SetLedPower(m_bLedOn))
        DebugPrint(L"***** SetLedPower(%d), ret = %d *****\n", m_bLedOn ? 1 : 0, result);
}

void Lighting::CloseLedWorker() {
    state_.LedColorsPending = 1;
}

void Lighting::SaveLedProfileKeys(const std::wstring& path) {
    WritePrivateProfileStringW(kSection, kSwitchKey, FormatText(L"%d", m_bLedOn ? 1 : 0).c_str(),
                               path.c_str());
    for (const LedProfileKey& key : LedProfileKeys())
        WritePrivateProfileStringW(
            kSection, key.name, FormatText(L"%d", key.field(state_).load()).c_str(), path.c_str());
}

void Lighting::ApplyLedProfileKeys(const std::wstring& path) {
    std::wstring value;
    if (ReadProfileValue(path, kSection, kSwitchKey, value) && !value.empty()) {
        int on = 0;
        if (ParseLedNumber(value, 0, 1, &on))
            SetLedPower(on == 1);
        else
            DebugPrint(L"***** [LED] %s = %s refused *****\n", std::wstring(kSwitchKey), value);
    }
    LoadLedSettings(path);
    ApplyLedPage();
}

void Lighting::LoadLedSettings(const std::wstring& path) {
    for (const LedProfileKey& key : LedProfileKeys()) {
        std::wstring value;
        if (!ReadProfileValue(path, kSection, key.name, value)) return;
        if (ApplyLedProfileValue(state_, key, value) == LedValueResult::Refused)
            DebugPrint(L"***** [LED] %s = %s refused *****\n", std::wstring(key.name), value);
    }
}

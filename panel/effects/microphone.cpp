#include "effects/microphone.h"

#include "device/protocol_pause.h"
#include "debug_output.h"
#include "device/audio_commands.h"
#include "device/device_library.h"
#include "effects/microphone_rules.h"
#include "registry_values.h"
#include "text_format.h"

#include <windows.h>

#include <cstring>

namespace {

const wchar_t kSoftwareKey[] = L"TRV 42xx Software";
const wchar_t kEncValueMapKey[] = L"TRV 42xx Software\\EncValueMap";
const wchar_t kVoiceEnableValue[] = L"VoiceMagicEnable";
const wchar_t kVoiceLevelValue[] = L"VoiceMagicLevel";
const wchar_t kRecordFile[] = L"RecordTest.pcm";
const uint16_t kMonitorSwitchRegister = 0x200;
const uint16_t kMonitorRegister = 0x230;
const uint8_t kMonitorSwitchValue = 4;
const uint8_t kMonitorOn = 0x20;

// The device's value under "EncValueMap".
std::wstring EncValueName(const ActiveDevice& device) {
    return FormatText(L"VID_%.4X&PID_%.4X", device.m_wVid, device.m_wPid);
}

// A library call that fails is made once more after 100 ms.
template <typename Call> void WithRetry(Call call) {
    if (call() != 0) {
        ProtocolPause(100);
        call();
    }
}

} // namespace

Microphone::Microphone(const ActiveDevice& device) : device_(device) {
    m_ReplayTimer.SetInterval(1000);
    m_ReplayTimer.OnTimer = [this] { m_Loop.Replay(); };
}

void Microphone::Show() {
    if (OnShow) OnShow();
}

void Microphone::RefreshENC() {
    if (!device_.m_bDevicePresent) return;
    uint32_t level = 0;
    if (ReadRegDword(kEncValueMapKey, EncValueName(device_), &level) != 0) {
        DebugPrint(L"Get Level value from ini setting (Level = %d)\n", m_iENCLevel);
        m_bENCAvailable = false;
        m_bENCEnable = false;
        Show();
        return;
    }
    DebugPrint(L"ReadSoftwareKeyFromRegistryEx (Level = %d)\n", static_cast<int>(level));
    m_bENCAvailable = true;
    m_bENCEnable = true;
    m_iENCLevel = static_cast<int>(level);
    if (int result = TRV_AudioSetOnOff(kCommandNoiseCancellation, 0, 1))
        DebugPrint(L"***** TRV_AudioSetOnOff, ret = %d *****", result);
    std::memset(m_EncParameters, 0, sizeof m_EncParameters);
    uint8_t state[8] = {};
    if (int result = TRV_AudioGetAll(kCommandNoiseCancellation, 8, state, m_EncParameters))
        DebugPrint(L"***** TRV_AudioGetAll (ret = %d) *****", result);
    int32_t levelBytes = m_iENCLevel;
    std::memcpy(m_EncParameters + 8, &levelBytes, 4);
    if (TRV_AudioSetParameters(m_EncParameters) != 0)
        DebugPrint(L"***** TRV_AudioSetParameters FAIL! *****");
    Show();
}

void Microphone::ToggleENC() {
    if (!device_.m_bDevicePresent || !m_bENCAvailable) return;
    m_bENCEnable = !m_bENCEnable;
    Show();
    if (int result = TRV_AudioSetOnOff(kCommandNoiseCancellation, 0, m_bENCEnable ? 1 : 0))
        DebugPrint(L"***** TRV_AudioSetOnOff, ret = %d *****", result);
    if (TRV_AudioSetParameters(m_EncParameters) != 0)
        DebugPrint(L"***** TRV_AudioSetParameters FAIL! *****");
}

void Microphone::SetENCLevel(int level) {
    m_iENCLevel = level;
    Show();
}

void Microphone::ENCSliderMoved(int fromBottom, int range) {
    m_iENCLevel = ENCLevelOfThumb(fromBottom, range);
}

// The level is sent while ENC is switched off too; no switch command goes with it.
void Microphone::ENCSliderReleased() {
    int32_t levelBytes = m_iENCLevel;
    std::memcpy(m_EncParameters + 8, &levelBytes, 4);
    if (TRV_AudioSetParameters(m_EncParameters) != 0)
        DebugPrint(L"***** TRV_AudioSetParameters FAIL! *****");
    if (WriteRegDword(kEncValueMapKey, EncValueName(device_), static_cast<uint32_t>(m_iENCLevel)) !=
        0)
        DebugPrint(L"***** Save level to registry FAIL! *****");
}

void Microphone::RefreshVoiceMagic() {
    if (!device_.m_bDevicePresent || !m_bENCAvailable) return;
    uint32_t on = 0, level = 0;
    if (int result = ReadRegDword(kSoftwareKey, kVoiceEnableValue, &on)) {
        DebugPrint(L"***** Read REG_VOICE_MAGIC_ENABLE FAIL!, %d *****", result);
        on = 0;
    }
    if (int result = ReadRegDword(kSoftwareKey, kVoiceLevelValue, &level)) {
        DebugPrint(L"***** Read REG_VOICE_MAGIC_LEVEL FAIL!, %d *****", result);
        level = 0;
    }
    m_iVoiceMagicMode = VoiceModeOfLevel(level);
    m_bVoiceMagicEnable = on != 0;
    SetVoiceMagicEnable(m_bVoiceMagicEnable, true);
    Show();
}

void Microphone::ToggleVoiceMagic() {
    if (!device_.m_bDevicePresent || !m_bENCAvailable) return;
    m_bVoiceMagicEnable = !m_bVoiceMagicEnable;
    Show();
    SetVoiceMagicEnable(m_bVoiceMagicEnable, true);
}

void Microphone::SelectVoiceMode(int mode) {
    if (!device_.m_bDevicePresent || !m_bENCAvailable) return;
    m_iVoiceMagicMode = mode;
    Show();
    SetVoiceMagicMode(mode);
}

void Microphone::SetVoiceMagicEnable(bool on, bool apply) {
    if (int result = WriteRegDword(kSoftwareKey, kVoiceEnableValue, on ? 1 : 0))
        DebugPrint(L"***** Save REG_VOICE_MAGIC_ENABLE to registry, ret = %d *****", result);
    int32_t flag = on ? 1 : 0;
    std::memcpy(m_VoiceBlock, &flag, 4);
    if (!apply) return;
    if (int result = TRV_AudioSetOnOff(kCommandVoiceChange, 0, flag))
        DebugPrint(L"***** TRV_AudioSetOnOff, ret = %d *****", result);
    SetVoiceMagicMode(m_iVoiceMagicMode);
}

// A mode change is sent whether voice change is on or off.
void Microphone::SetVoiceMagicMode(int mode) {
    const int16_t step = static_cast<int16_t>(VoicePitchStep(mode));
    const int32_t flag = m_bVoiceMagicEnable ? 1 : 0;
    std::memset(m_VoiceBlock, 0, sizeof m_VoiceBlock);
    std::memcpy(m_VoiceBlock, &flag, 4);
    std::memcpy(m_VoiceBlock + 4, &step, 2);
    if (int result =
            WriteRegDword(kSoftwareKey, kVoiceLevelValue, static_cast<uint32_t>(step + 12)))
        DebugPrint(L"***** Save REG_VOICE_MAGIC_LEVEL to registry FAIL!, %d *****", result);
    if (int result = TRV_AudioSetCommand(kCommandVoiceChange, 2, m_VoiceBlock, sizeof m_VoiceBlock))
        DebugPrint(L"***** TRV_AudioSetCommand, ret = %d *****", result);
}

std::unique_ptr<CaptureEndpoint> Microphone::Endpoint() const {
    return FindCaptureEndpoint(device_.m_wVid, device_.m_wPid);
}

int Microphone::Mixer(int kind, long* value, long* minimum, long* maximum) const {
    long low = 0, high = 0;
    return MixerControl(kind, value, minimum ? minimum : &low, maximum ? maximum : &high,
                        device_.m_wVid, device_.m_wPid);
}

int Microphone::ApplyMicVolume(int percent) {
    m_iMicVolume = percent;
    if (!EndpointPath()) {
        long value = percent * 65535L / 100;
        Mixer(MixerWriteVolume, &value);
        return 0;
    }
    std::unique_ptr<CaptureEndpoint> endpoint = Endpoint();
    if (!endpoint) return 1;
    DebugPrint(L" %d\n", percent);
    SetEndpointVolume(endpoint.get(), percent);
    return 0;
}

void Microphone::ShowMicVolume() {
    int volume = 0;
    if (EndpointPath()) {
        std::unique_ptr<CaptureEndpoint> endpoint = Endpoint();
        if (!endpoint || GetEndpointVolume(endpoint.get(), &volume) != 0) return;
    } else {
        long value = 0, minimum = 0, maximum = 0;
        if (!Mixer(MixerReadVolume, &value, &minimum, &maximum) || maximum == minimum) return;
        volume = static_cast<int>(static_cast<double>(value) / (maximum - minimum) * 100);
    }
    m_iMicVolume = volume;
    Show();
}

void Microphone::ShowMicSwitches() {
    if (EndpointPath()) {
        std::unique_ptr<CaptureEndpoint> endpoint = Endpoint();
        if (!endpoint) return;
        bool boost = false, mute = false;
        if (GetAutoGainControl(endpoint.get(), &boost) == 0) m_bMicBoost = boost;
        if (GetEndpointMute(endpoint.get(), &mute) == 0) m_bMicMute = mute;
    } else {
        long boost = 0, mute = 0;
        if (Mixer(MixerReadInput, &boost)) m_bMicBoost = boost != 0;
        if (Mixer(MixerReadMute, &mute)) m_bMicMute = mute != 0;
    }
    Show();
}

void Microphone::ApplyMicMute(bool on) {
    m_bMicMute = on;
    if (!EndpointPath()) {
        long value = on ? 1 : 0;
        Mixer(MixerWriteMute, &value);
        return;
    }
    std::unique_ptr<CaptureEndpoint> endpoint = Endpoint();
    for (int attempt = 0; endpoint && attempt < 3; ++attempt)
        if (SetEndpointMute(endpoint.get(), on) == 0) break;
}

void Microphone::ApplyMicBoost(bool on) {
    m_bMicBoost = on;
    if (!EndpointPath()) {
        long value = on ? 1 : 0;
        Mixer(MixerWriteInput, &value);
        return;
    }
    if (std::unique_ptr<CaptureEndpoint> endpoint = Endpoint())
        SetAutoGainControl(endpoint.get(), on);
}

void Microphone::MonitorRegisters(bool on) {
    WithRetry([] {
        uint8_t ignored = 0;
        return dlltr::Read_Register(kMonitorSwitchRegister, &ignored);
    });
    WithRetry([] { return dlltr::Write_Register(kMonitorSwitchRegister, kMonitorSwitchValue); });
    ProtocolPause(300);
    WithRetry([on] { return dlltr::Write_Register(kMonitorRegister, on ? kMonitorOn : 0); });
}

// Monitoring in the configured way: the record-and-play loop (2), the endpoint's listen
// property (3), or the device's monitor register (1 and every other value).
void Microphone::ApplyMicMonitor(bool on) {
    m_bMicMonitor = on;
    switch (m_iMonitorMode) {
    case 2:
        if (on) {
            // The loop plays back through one output device, once a second, not stacking.
            if (m_Loop.Start(kRecordFile)) m_ReplayTimer.SetEnabled(true);
        } else {
            m_ReplayTimer.SetEnabled(false);
            m_Loop.Stop();
        }
        break;
    case 3:
        ProtocolPause(300);
        SetCaptureListen(on, device_.m_wVid, device_.m_wPid);
        RestartAudioService();
        break;
    default:
        MonitorRegisters(on);
        break;
    }
}

void Microphone::ToggleMute() {
    ApplyMicMute(!m_bMicMute);
}

void Microphone::ToggleBoost() {
    ApplyMicBoost(!m_bMicBoost);
}

void Microphone::ToggleMonitor() {
    ApplyMicMonitor(!m_bMicMonitor);
}

// One capture device at most: starting a running meter changes nothing.
void Microphone::StartLevelMeter() {
    m_Meter.Open([this](const uint8_t* samples, size_t count) { LevelBuffer(samples, count); });
}

void Microphone::StopLevelMeter() {
    m_Meter.Close();
}

void Microphone::LevelBuffer(const uint8_t* samples, size_t count) {
    m_iMeterWidth = LevelBarWidth(samples, count, m_iProgressLength);
    Show();
}

void Microphone::EmptyLevelBar() {
    m_iMeterWidth = 0;
    Show();
}

// The capture is opened only when it stays open: opened and closed at once it shows nothing,
// and opening a capture device costs the start tens of milliseconds.
void Microphone::ReadInitialSettings(bool meterStays) {
    if (meterStays) StartLevelMeter();
    ShowMicVolume();
    ShowMicSwitches();
}

void Microphone::DeviceArrived() {
    ApplyMicMute(false);
    ApplyMicMonitor(false);
    EmptyLevelBar();
}

void Microphone::ClearState() {
    m_bMicMute = false;
    m_bVoiceMagicEnable = false;
    m_iVoiceMagicMode = 0;
    SetVoiceMagicEnable(false, false);
    m_bENCEnable = false;
    Show();
}

void Microphone::SwitchOff() {
    TRV_AudioSetOnOff(kCommandNoiseCancellation, 0, 0);
    TRV_AudioSetOnOff(kCommandVoiceChange, 0, 0);
    if (m_Loop.Running()) ApplyMicMonitor(false);
    StopLevelMeter();
}

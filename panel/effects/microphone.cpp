#include "effects/microphone.h"

#include "debug_output.h"
#include "device/audio_commands.h"
#include "registry_values.h"
#include "text_format.h"

#include <cstring>

namespace {
const wchar_t kEncValueMapKey[] = L"TRV 42xx Software\\EncValueMap";
} // namespace

void Microphone::RefreshENC() {
    if (!device_.m_bDevicePresent) return;
    uint32_t level = 0;
    std::wstring value = FormatText(L"VID_%.4X&PID_%.4X", device_.m_wVid, device_.m_wPid);
    if (ReadRegDword(kEncValueMapKey, value, &level) != 0) {
        DebugPrint(L"Get Level value from ini setting (Level = %d)\n", m_iENCLevel);
        m_bENCAvailable = false;
        m_bENCEnable = false;
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
}

void Microphone::SetENCLevel(int level) {
    m_iENCLevel = level;
}

void Microphone::ENCSliderMoved(int, int) {}

void Microphone::ApplyMicVolume(int percent) {
    m_iMicVolume = percent;
}

void Microphone::ApplyMicMute(bool on) {
    m_bMicMute = on;
}

void Microphone::ApplyMicBoost(bool on) {
    m_bMicBoost = on;
}

void Microphone::ApplyMicMonitor(bool on) {
    m_bMicMonitor = on;
}

void Microphone::MonitoringOff() {}
void Microphone::StartLevelMeter() {}
void Microphone::StopLevelMeter() {}
void Microphone::ForgetCapture() {}

#pragma once
// The microphone side: capture volume, mute, boost and monitoring, the input level meter,
// noise cancellation (ENC) with its level kept per device, and the voice changer.
#include "device/active_device.h"

#include <cstdint>

class Microphone {
  public:
    explicit Microphone(const ActiveDevice& device) : device_(device) {}

    bool ENCAvailable() const { return m_bENCAvailable; }
    bool ENCEnable() const { return m_bENCEnable; }
    int ENCLevel() const { return m_iENCLevel; }
    bool VoiceMagicEnable() const { return m_bVoiceMagicEnable; }
    int VoiceMagicMode() const { return m_iVoiceMagicMode; }
    int MicVolume() const { return m_iMicVolume; }
    bool MicMute() const { return m_bMicMute; }
    bool MicBoost() const { return m_bMicBoost; }
    bool MicMonitor() const { return m_bMicMonitor; }
    int MonitorMode() const { return m_iMonitorMode; }
    // "Monitor" of section "Mic" of the configuration (1 when empty).
    void SetMonitorMode(int mode) { m_iMonitorMode = mode; }

    // With a device present: its ENC level from the registry switches ENC on with that level;
    // without a level ENC (and voice change) is unavailable for it.
    void RefreshENC();
    // Level 0 to 30, as the slider or bar shows it.
    void SetENCLevel(int level);
    // The ENC thumb at offset pixels from the top of its travel of range pixels.
    void ENCSliderMoved(int offset, int range);
    void ApplyMicVolume(int percent);
    void ApplyMicMute(bool on);
    void ApplyMicBoost(bool on);
    void ApplyMicMonitor(bool on);
    void MonitoringOff();
    void StartLevelMeter();
    void StopLevelMeter();
    // The device went away: nothing of its capture is kept.
    void ForgetCapture();

  private:
    const ActiveDevice& device_;
    bool m_bENCAvailable = false;
    bool m_bENCEnable = false;
    int m_iENCLevel = 0;
    bool m_bVoiceMagicEnable = false;
    int m_iVoiceMagicMode = 0;
    int m_iMicVolume = 0;
    bool m_bMicMute = false;
    bool m_bMicBoost = false;
    bool m_bMicMonitor = false;
    int m_iMonitorMode = 1;
    uint8_t m_EncParameters[16] = {};
};

#pragma once
// The microphone side: capture volume, mute, boost and monitoring, the input level meter,
// noise cancellation (ENC) with its level kept per device, and the voice changer. Volume, mute
// and boost go through the device's capture endpoint on the platforms that have endpoints,
// else through its mixer.
#include "device/active_device.h"
#include "device/endpoint_access.h"
#include "device/sound_capture.h"
#include "timer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class Microphone {
  public:
    explicit Microphone(const ActiveDevice& device);

    // Called when what the microphone pages show changed (switches, levels, the meter).
    std::function<void()> OnShow;

    // "Monitor" of section "Mic" (1 when empty) and the platform code (6: endpoints).
    void SetMonitorMode(int mode) { m_iMonitorMode = mode; }
    void SetPlatform(int platform) { m_iPlatform = platform; }

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
    // The level bar's width in pixels; the bar's full length comes from the skin.
    int MeterWidth() const { return m_iMeterWidth; }
    void SetProgressLength(int length) { m_iProgressLength = length; }
    bool MeterRunning() const { return m_Meter.IsOpen(); }
    bool RecordLoopRunning() const { return m_Loop.Running(); }

    // Noise cancellation.
    void RefreshENC();
    void ToggleENC();
    // The ENC bar pressed: the level shown; nothing is sent.
    void SetENCLevel(int level);
    // The ENC thumb fromBottom pixels above the bottom of its travel of range pixels.
    void ENCSliderMoved(int fromBottom, int range);
    // The thumb let go: the level goes to the device and is kept for it.
    void ENCSliderReleased();

    // Voice change.
    void RefreshVoiceMagic();
    void ToggleVoiceMagic();
    void SelectVoiceMode(int mode);
    void SetVoiceMagicEnable(bool on, bool apply);
    void SetVoiceMagicMode(int mode);

    // Volume, mute, boost, monitoring.
    // 0; 1 when no capture endpoint was found.
    int ApplyMicVolume(int percent);
    void ShowMicVolume();
    void ShowMicSwitches();
    void ApplyMicMute(bool on);
    void ApplyMicBoost(bool on);
    void ApplyMicMonitor(bool on);
    void ToggleMute();
    void ToggleBoost();
    void ToggleMonitor();
    void StartLevelMeter();
    void StopLevelMeter();
    // A full buffer of the meter (8-bit samples).
    void LevelBuffer(const uint8_t* samples, size_t count);
    void EmptyLevelBar();

    // The start-up step: volume and switches read and shown; the meter is started first when
    // it stays running (the microphone page is shown).
    void ReadInitialSettings(bool meterStays);
    // A device arrived: mute and monitoring off, the bar empty.
    void DeviceArrived();
    // The device went away.
    void ClearState();
    // The panel ends: noise cancellation and voice change off on the device.
    void SwitchOff();
    // The device's capture went away with it.
    void ForgetCapture() { StopLevelMeter(); }

  private:
    void Show();
    bool EndpointPath() const { return m_iPlatform == 6; }
    std::unique_ptr<CaptureEndpoint> Endpoint() const;
    int Mixer(int kind, long* value, long* minimum = nullptr, long* maximum = nullptr) const;
    void MonitorRegisters(bool on);

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
    int m_iPlatform = 0;
    int m_iMeterWidth = 0;
    int m_iProgressLength = 0;
    uint8_t m_EncParameters[16] = {};
    uint8_t m_VoiceBlock[10] = {};
    LevelCapture m_Meter;
    RecordLoop m_Loop;
    Timer m_ReplayTimer;
};

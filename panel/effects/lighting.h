#pragma once
// The device's LED lighting.
#include "device/active_device.h"

#include <string>

class Lighting {
  public:
    explicit Lighting(const ActiveDevice& device) : device_(device) {}

    bool LedOn() const { return m_bLedOn; }

    // The lighting button: on while it is held.
    void SetLedPower(bool on);
    void InitLed();
    void ResendLedSwitch();
    void CloseLedWorker();
    // The [LED] keys of a profile file: written for a save, applied (each only when not empty).
    void WriteProfileKeys(const std::wstring& path);
    void ApplyProfileKeys(const std::wstring& path);

  private:
    const ActiveDevice& device_;
    bool m_bLedOn = false;
};

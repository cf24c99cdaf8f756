#pragma once
// The device's LED lighting.
#include "device/active_device.h"

class Lighting {
  public:
    explicit Lighting(const ActiveDevice& device) : device_(device) {}

    bool LedOn() const { return m_bLedOn; }

    // The lighting button: on while it is held.
    void SetLedPower(bool on);
    void InitLed();
    void ResendLedSwitch();
    void CloseLedWorker();

  private:
    const ActiveDevice& device_;
    bool m_bLedOn = false;
};

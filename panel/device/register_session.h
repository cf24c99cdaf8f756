#pragma once
// One register operation on the device: its HID interface is opened for the operation,
// registers are read and written, and the closing report ends it. The interface is closed
// when the session ends, with or without the closing report.
#include "device/hid_access.h"

#include <cstdint>

class RegisterSession {
  public:
    RegisterSession(uint16_t vid, uint16_t pid) : device_(OpenHidDevice(vid, pid)) {}

    bool Opened() const { return device_ != nullptr; }
    // False when the transfer failed (or the session is closed).
    bool Read(uint16_t address, uint8_t* value);
    bool Write(uint16_t address, uint8_t value);
    // The closing report, then the interface closed; false when the report failed.
    bool Finish();
    // The interface closed without the closing report.
    void Abandon() { device_.reset(); }

  private:
    HidHandle device_;
};

#pragma once
// Register and pin access over the device's HID interface. The caller owns the handle.
#include "device/device_backend.h"

#include <cstdint>
#include <memory>

using HidHandle = std::unique_ptr<HidDevice>;

// The first present HID interface with this vendor and product ID, opened; or none.
HidHandle OpenHidDevice(uint16_t vid, uint16_t pid);

// Lengths from the HID capabilities; 0 when they cannot be read (or no handle).
uint32_t GetOutputReportLength(HidDevice* device);
uint32_t GetInputReportLength(HidDevice* device);

// 0; 1 no output length; 2 select report failed; 3 data report failed.
int WriteRegister(HidDevice* device, uint16_t address, uint8_t value);
// 0; 1 no output length; 2 select report failed; 3 no input length; 4 input report failed;
// 5 input reports too short to carry the value (nothing is read).
int ReadRegister(HidDevice* device, uint16_t address, uint8_t* value);
// 0; 1 no output length; 2 output length 4 or less; 3 request failed; 4 no input length;
// 5 input length 4 or less; 6 input report failed.
int ReadPins(HidDevice* device, uint8_t pins[10]);
// 0; 1 no output length; 2 output length 4 or less; 3 report failed.
int WritePins(HidDevice* device, const uint8_t pins[10]);
// 0; 1 no output length; 2 report failed.
int SendClosingReport(HidDevice* device);

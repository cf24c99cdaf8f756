#pragma once
// The extension filter driver's control channel: one control device per attached device.
#include <cstdint>
#include <string>

// Request codes: device types 823 and 22, buffered, any access.
extern const uint32_t kEffectModeRequestCode;  // 08232008
extern const uint32_t kEffectApplyRequestCode; // 08232000
extern const uint32_t kStatusRequestCode;      // 00223190
extern const uint32_t kParameterRequestCode;   // 00223028

// Remembers the device's control path for the requests below, opens and closes it.
// 1 when it cannot be opened, else 0.
int ExtensionDriverPresent(uint16_t vid, uint16_t pid);
std::wstring ExtensionDriverPath();

// 0 success, 1 the path could not be opened, 2 the request failed.
int DriverEffectModeRequest(uint32_t mode);
int DriverEffectApplyRequest(uint32_t value);
// The second 32-bit word of the answer goes to *answer; 3 when nothing came back.
int DriverStatusRequest(uint32_t* answer = nullptr);
int DriverParameterRequest(uint16_t selector, uint32_t value, uint32_t* answer = nullptr);

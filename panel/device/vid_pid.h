#pragma once
// Vendor and product IDs as device ID texts write them ("...VID_7A39&PID_4215...").
#include <cstdint>
#include <string>

struct VidPid {
    uint16_t vid = 0;
    uint16_t pid = 0;
};

// The hexadecimal number (at most 4 digits) after the first "VID_" (else "Vid_"), then the
// same for "PID_" / "Pid_"; without a vendor ID neither is read; missing parts stay 0.
VidPid ParseVidPid(const std::wstring& deviceId);

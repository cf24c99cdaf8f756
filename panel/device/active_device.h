#pragma once
// Finding the attached device, making it the library's active device and checking whether
// it can be used.
#include "device/hid_access.h"
#include "device/vid_pid.h"

#include <string>

extern const GUID kAudioInterfaceClass;      // {6994AD04-93EF-11D0-A3CC-00A0C9223196}
extern const GUID kHidInterfaceClass;        // {4D1E55B2-F16F-11CF-88CB-001111000030}
extern const wchar_t kDeviceSearchPattern[]; // "USB\VID_7A39&PID_42XX&REV_0100&MI_00"

enum class DeviceState { Usable, HidWithoutDriver, NoHid };

// The device the panel works with: its IDs and whether it can be used. The main window keeps
// it up to date on arrival and removal; the features read it for every device operation.
struct ActiveDevice {
    uint16_t m_wVid = 0;
    uint16_t m_wPid = 0;
    bool m_bDevicePresent = false;
};

// Looks for a present device of the USB group of the configuration file in folder.
bool FindActiveDevice(const std::wstring& configFolder, std::wstring* hardwareId);
// DLLTR_SetActive_Device, once more after 100 ms when it fails.
void SelectActiveDevice(VidPid ids);
// Opens the HID interface into *hid (kept open for the caller) and asks for the driver.
DeviceState CheckDevice(VidPid ids, HidHandle* hid);

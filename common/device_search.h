#pragma once
// Finding the system's devices among all devices and acting on their driver stacks.
#include "device_list.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CDeviceIdMgr;

// A property's bytes (with room to spare after them), or none when it cannot be read.
std::optional<std::vector<uint8_t>> GetDeviceProperty(DeviceList& list, uint32_t entry,
                                                      uint32_t property, uint32_t* type);
// True when the property is a multi-string whose first string equals text, ignoring case.
bool DevicePropertyEquals(DeviceList& list, uint32_t entry, const std::wstring& text,
                          uint32_t property);
bool RestartDevice(DeviceList& list, uint32_t entry);

int RemoveDeviceFilter(const GUID& classId, const std::wstring& pattern, const CDeviceIdMgr& ids,
                       const std::wstring& filterName);
int RestartMatchingDevices(const GUID& classId, const std::wstring& pattern,
                           const CDeviceIdMgr& ids);
int RemoveFilterAndRestart(const GUID& classId, const std::wstring& pattern,
                           const CDeviceIdMgr& ids, const std::wstring& filterName);
// 1 when a present device matched (its hardware ID goes to *hardwareId), 0 when none did;
// 1 also when the device list cannot be obtained.
int FindMatchingDevice(const GUID& classId, const std::wstring& pattern, const CDeviceIdMgr& ids,
                       std::wstring* hardwareId = nullptr);

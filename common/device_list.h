#pragma once
// The devices the device-setup interface knows, as the device search sees them. The
// platform's list is the default; the simulated device installs its own list through
// SetDeviceListSource so that the same search runs against it.
#include <windows.h>

#include <cstdint>
#include <memory>

class DeviceList {
  public:
    virtual ~DeviceList() = default;
    // False past the last entry.
    virtual bool HasEntry(uint32_t index) = 0;
    // As the platform's registry-property read: false with *error set (for example
    // ERROR_INSUFFICIENT_BUFFER with *required set, or ERROR_INVALID_DATA when absent).
    virtual bool ReadProperty(uint32_t index, uint32_t property, uint32_t* type, uint8_t* buffer,
                              uint32_t size, uint32_t* required, uint32_t* error) = 0;
    virtual bool WriteProperty(uint32_t index, uint32_t property, const uint8_t* buffer,
                               uint32_t size) = 0;
    // The property-change request through the class installer: its two steps.
    virtual bool SetPropertyChangeParams(uint32_t index, uint32_t stateChange, uint32_t scope,
                                         uint32_t profile) = 0;
    virtual bool CallPropertyChange(uint32_t index) = 0;
    virtual bool ReadInstallFlags(uint32_t index, uint32_t* flags) = 0;
};

class DeviceListSource {
  public:
    virtual ~DeviceListSource() = default;
    // All classes (the class identifier does not narrow it), present devices only or all.
    virtual std::unique_ptr<DeviceList> Open(const GUID& classId, bool presentOnly) = 0;
};

// The list in use: the platform's unless another source was set.
DeviceListSource& DeviceLists();
DeviceListSource& PlatformDeviceLists();
// Replaces the platform's list for the rest of the process (null restores it).
void SetDeviceListSource(DeviceListSource* source);

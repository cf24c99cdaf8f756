#pragma once
// What the device operations need from the machine: the platform's own services, or the
// simulated 42xx device when TRV42XX_SIMULATOR=1 was set when the program started. The
// operations' algorithms live once, above this seam; a back end only supplies devices.
#include "device_list.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// An open HID interface.
class HidDevice {
  public:
    virtual ~HidDevice() = default;
    virtual bool Attributes(uint16_t* vid, uint16_t* pid) = 0;
    // Report lengths from the HID capabilities; false when they cannot be read.
    virtual bool Capabilities(uint16_t* outputLength, uint16_t* inputLength) = 0;
    virtual bool SetOutputReport(const uint8_t* report, size_t length) = 0;
    virtual bool GetInputReport(uint8_t* report, size_t length) = 0;
};

// An open handle on the extension driver's control device.
class DriverHandle {
  public:
    virtual ~DriverHandle() = default;
    virtual bool Request(uint32_t code, const void* input, uint32_t inputLength, void* output,
                         uint32_t outputLength, uint32_t* returned) = 0;
};

// A capture endpoint of the multimedia device interface.
class CaptureEndpoint {
  public:
    virtual ~CaptureEndpoint() = default;
    virtual std::wstring FriendlyName() = 0;
    virtual int GetVolume(int* percent) = 0;
    virtual int SetVolume(int percent) = 0;
    virtual int GetMute(bool* mute) = 0;
    virtual int SetMute(bool mute) = 0;
    virtual int GetAutoGain(bool* enabled) = 0;
    virtual int SetAutoGain(bool enabled) = 0;
};

// A capture device as the sound-capture enumeration lists it.
struct CaptureDeviceInfo {
    std::wstring interfacePath;
    std::wstring description;
};

enum class MixerControlType { Volume, Mute, Multiplexer };

// One mixer device, opened.
class MixerDevice {
  public:
    virtual ~MixerDevice() = default;
    // The product name of the device behind the wave-input destination line.
    virtual bool WaveInTarget(std::wstring* productName) = 0;
    // The control of that type on the wave-input line, else on its microphone source lines.
    virtual bool Read(MixerControlType type, long* value, long* minimum, long* maximum) = 0;
    virtual bool Write(MixerControlType type, long value) = 0;
};

// The platform's audio service.
class ServiceHandle {
  public:
    virtual ~ServiceHandle() = default;
    virtual bool QueryState(uint32_t* state) = 0;
    virtual bool Stop() = 0;
    virtual bool Start() = 0;
};

class DeviceBackend {
  public:
    virtual ~DeviceBackend() = default;
    virtual std::vector<std::wstring> HidInterfacePaths() = 0;
    virtual std::unique_ptr<HidDevice> OpenHidPath(const std::wstring& path) = 0;
    virtual std::unique_ptr<DriverHandle> OpenDriver(const std::wstring& path) = 0;
    virtual std::vector<CaptureDeviceInfo> CaptureDevices() = 0;
    virtual std::vector<std::unique_ptr<CaptureEndpoint>> ActiveCaptureEndpoints() = 0;
    virtual std::vector<std::unique_ptr<MixerDevice>> OpenMixers() = 0;
    virtual std::unique_ptr<ServiceHandle> OpenAudioService() = 0;
    virtual DeviceListSource& DeviceLists() = 0;
};

// True when the simulated device was asked for (TRV42XX_SIMULATOR=1), read once.
bool SimulatorSelected();

// The back end chosen at start; the device search of the shared library follows it.
DeviceBackend& Backend();

DeviceBackend& PlatformBackend();
DeviceBackend& SimulatedBackend();

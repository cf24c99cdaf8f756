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

// A capture endpoint of the multimedia device interface. It reports what the platform says,
// step by step; percentages, the walk to the automatic-gain control and the results built
// from them are the operations' own (endpoint_access.h).
class CaptureEndpoint {
  public:
    virtual ~CaptureEndpoint() = default;
    virtual std::wstring FriendlyName() = 0;
    // 0 with the current volume step and the number of steps; 2 volume interface not
    // available; 3 query failed.
    virtual int GetVolumeSteps(uint32_t* step, uint32_t* count) = 0;
    // The scalar level 0.0 to 1.0: 0; 2 volume interface not available; 3 refused.
    virtual int SetVolumeLevel(float level) = 0;
    // The platform's result; 2 volume interface not available.
    virtual int GetMute(bool* mute) = 0;
    virtual int SetMute(bool mute) = 0;
    // How many of the six steps from the endpoint to its device's subunits succeeded (its
    // topology, connector 0, the connector it is connected to, that one's part, the part's
    // topology, the subunit count), with the number of subunits when all six did.
    virtual int OpenDeviceTopology(uint32_t* subunits) = 0;
    // Subunit index of that topology: how many of its two steps succeeded (the subunit, its
    // part) and, when both did, the platform's result of asking it for the automatic-gain
    // control, which the endpoint keeps when it is given.
    virtual int ProbeAutoGain(uint32_t index, long* result) = 0;
    // The kept control's enabled state; false when it cannot be read or set.
    virtual bool ReadAutoGain(bool* enabled) = 0;
    virtual bool WriteAutoGain(bool enabled) = 0;
};

// A capture device as the sound-capture enumeration lists it.
struct CaptureDeviceInfo {
    std::wstring interfacePath;
    std::wstring description;
};

enum class MixerControlType { Volume, Mute, Multiplexer };

// A line of a mixer.
struct MixerLineInfo {
    uint32_t lineId = 0;
    uint32_t destination = 0;   // the destination line's index
    uint32_t componentType = 0; // the platform's MIXERLINE_COMPONENTTYPE_ value
    uint32_t connections = 0;   // source lines of a destination line
    std::wstring targetName;    // product name of the device behind the line
};

// A control of a mixer line.
struct MixerControlInfo {
    uint32_t controlId = 0;
    uint32_t multipleItems = 0; // items of a multiple-item control (a multiplexer); 0 otherwise
    long minimum = 0;
    long maximum = 0;
};

// One mixer device, opened. It reports lines and controls; which line and control an
// operation uses is the operation's own choice.
class MixerDevice {
  public:
    virtual ~MixerDevice() = default;
    // The wave-input destination line.
    virtual bool WaveInLine(MixerLineInfo* line) = 0;
    // Source line index of a destination line.
    virtual bool SourceLine(const MixerLineInfo& destination, uint32_t index,
                            MixerLineInfo* source) = 0;
    // The control of that type on a line.
    virtual bool LineControl(uint32_t lineId, MixerControlType type, MixerControlInfo* control) = 0;
    // The control's values, one per item (one for a control of a single value).
    virtual bool ReadControl(const MixerControlInfo& control, std::vector<uint32_t>* values) = 0;
    virtual bool WriteControl(const MixerControlInfo& control,
                              const std::vector<uint32_t>& values) = 0;
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

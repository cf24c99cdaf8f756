// The device operations' view of the simulated 42xx device.
#include "device/device_backend.h"

#include "simulated_device.h"
#include "simulated_device_list.h"

#include <algorithm>

namespace {

using sim::SimulatedDevice;

SimulatedDevice& Device() {
    return SimulatedDevice::Instance();
}

class SimulatedHid : public HidDevice {
  public:
    SimulatedHid(std::wstring path, uint16_t vid, uint16_t pid)
        : path_(std::move(path)), vid_(vid), pid_(pid) {}

    bool Attributes(uint16_t* vid, uint16_t* pid) override {
        *vid = vid_;
        *pid = pid_;
        return true;
    }

    bool Capabilities(uint16_t* outputLength, uint16_t* inputLength) override {
        for (const sim::HidInterfaceInfo& info : Device().HidInterfaces())
            if (info.path == path_) {
                *outputLength = info.outputLength;
                *inputLength = info.inputLength;
                return true;
            }
        return false; // the interface has gone
    }

    bool SetOutputReport(const uint8_t* report, size_t length) override {
        return Device().HidOutputReport(path_, report, length);
    }

    bool GetInputReport(uint8_t* report, size_t length) override {
        return Device().HidInputReport(path_, report, length);
    }

  private:
    std::wstring path_;
    uint16_t vid_, pid_;
};

class SimulatedDriver : public DriverHandle {
  public:
    explicit SimulatedDriver(std::wstring path) : path_(std::move(path)) {}
    bool Request(uint32_t code, const void* input, uint32_t inputLength, void* output,
                 uint32_t outputLength, uint32_t* returned) override {
        return Device().DriverRequest(path_, code, static_cast<const uint8_t*>(input), inputLength,
                                      static_cast<uint8_t*>(output), outputLength, returned);
    }

  private:
    std::wstring path_;
};

class SimulatedEndpoint : public CaptureEndpoint {
  public:
    std::wstring FriendlyName() override {
        return std::wstring(L"Microphone (") + SimulatedDevice::kCaptureDescription + L")";
    }

    int GetVolume(int* percent) override {
        return Device().With([&](sim::State& s) {
            if (!s.plugged || !s.endpointPresent) return 2;
            *percent = static_cast<int>(s.volumeStep * 100 / (s.volumeStepCount - 1));
            return 0;
        });
    }

    int SetVolume(int percent) override {
        int result = Device().With([&](sim::State& s) {
            if (!s.plugged || !s.endpointPresent) return 2;
            // The platform rounds a scalar level to the nearest step.
            double level = std::clamp(percent * 0.01, 0.0, 1.0);
            s.volumeStep = static_cast<uint32_t>(level * (s.volumeStepCount - 1) + 0.5);
            return 0;
        });
        Device().Journal(L"endpoint volume " + std::to_wstring(percent) +
                         (result ? L" failed" : L""));
        return result;
    }

    int GetMute(bool* mute) override { return Read(&sim::State::mute, mute); }
    int SetMute(bool mute) override { return Write(&sim::State::mute, mute, L"endpoint mute "); }
    int GetAutoGain(bool* enabled) override { return Read(&sim::State::autoGain, enabled); }
    int SetAutoGain(bool enabled) override {
        return Write(&sim::State::autoGain, enabled, L"endpoint auto gain ");
    }

  private:
    int Read(uint32_t sim::State::*field, bool* value) {
        return Device().With([&](sim::State& s) {
            if (!s.plugged || !s.endpointPresent) return 2;
            *value = s.*field != 0;
            return 0;
        });
    }
    int Write(uint32_t sim::State::*field, bool value, const wchar_t* what) {
        int result = Device().With([&](sim::State& s) {
            if (!s.plugged || !s.endpointPresent) return 2;
            s.*field = value ? 1 : 0;
            return 0;
        });
        Device().Journal(what + std::to_wstring(value ? 1 : 0) + (result ? L" failed" : L""));
        return result;
    }
};

// The mixer's view of the same microphone: volume in 0 to 65535, mute, and the input
// selection (0 normal, 1 boosted) that stands for the automatic gain.
class SimulatedMixer : public MixerDevice {
  public:
    bool WaveInTarget(std::wstring* productName) override {
        if (!Device().With([](sim::State& s) { return s.plugged && s.endpointPresent; }))
            return false;
        *productName = SimulatedDevice::kCaptureDescription;
        return true;
    }

    bool Read(MixerControlType type, long* value, long* minimum, long* maximum) override {
        return Device().With([&](sim::State& s) {
            if (!s.plugged || !s.endpointPresent) return false;
            *minimum = 0;
            switch (type) {
            case MixerControlType::Volume:
                *maximum = 65535;
                *value = static_cast<long>(s.volumeStep * 65535 / (s.volumeStepCount - 1));
                break;
            case MixerControlType::Mute:
                *maximum = 1;
                *value = s.mute;
                break;
            case MixerControlType::Multiplexer:
                *maximum = 1;
                *value = s.autoGain;
                break;
            }
            return true;
        });
    }

    bool Write(MixerControlType type, long value) override {
        bool done = Device().With([&](sim::State& s) {
            if (!s.plugged || !s.endpointPresent) return false;
            switch (type) {
            case MixerControlType::Volume:
                s.volumeStep = static_cast<uint32_t>(
                    (std::clamp(value, 0L, 65535L) * (s.volumeStepCount - 1) + 32767) / 65535);
                break;
            case MixerControlType::Mute:
                s.mute = value ? 1 : 0;
                break;
            case MixerControlType::Multiplexer:
                s.autoGain = value ? 1 : 0;
                break;
            }
            return true;
        });
        Device().Journal(L"mixer write " + std::to_wstring(static_cast<int>(type)) + L" " +
                         std::to_wstring(value));
        return done;
    }
};

class SimulatedAudioService : public ServiceHandle {
  public:
    bool QueryState(uint32_t* state) override {
        *state = Device().With([](sim::State& s) {
            return s.audioServiceRunning ? SERVICE_RUNNING : SERVICE_STOPPED;
        });
        return true;
    }
    bool Stop() override {
        Device().With([](sim::State& s) { s.audioServiceRunning = 0; });
        Device().Journal(L"audio service stopped");
        return true;
    }
    bool Start() override {
        Device().With([](sim::State& s) {
            s.audioServiceRunning = 1;
            ++s.audioServiceRestarts;
        });
        Device().Journal(L"audio service started");
        return true;
    }
};

class SimulatedDeviceBackend : public DeviceBackend {
  public:
    std::vector<std::wstring> HidInterfacePaths() override {
        std::vector<std::wstring> paths;
        for (const sim::HidInterfaceInfo& info : Device().HidInterfaces())
            paths.push_back(info.path);
        return paths;
    }

    std::unique_ptr<HidDevice> OpenHidPath(const std::wstring& path) override {
        for (const sim::HidInterfaceInfo& info : Device().HidInterfaces())
            if (info.path == path)
                return std::make_unique<SimulatedHid>(info.path, info.vid, info.pid);
        return nullptr;
    }

    std::unique_ptr<DriverHandle> OpenDriver(const std::wstring& path) override {
        if (!Device().DriverOpen(path)) return nullptr;
        return std::make_unique<SimulatedDriver>(path);
    }

    std::vector<CaptureDeviceInfo> CaptureDevices() override {
        if (!Device().With([](sim::State& s) { return s.plugged && s.endpointPresent; })) return {};
        return {{Device().CaptureInterfacePath(), SimulatedDevice::kCaptureDescription}};
    }

    std::vector<std::unique_ptr<CaptureEndpoint>> ActiveCaptureEndpoints() override {
        std::vector<std::unique_ptr<CaptureEndpoint>> endpoints;
        if (Device().With([](sim::State& s) { return s.plugged && s.endpointPresent; }))
            endpoints.push_back(std::make_unique<SimulatedEndpoint>());
        return endpoints;
    }

    std::vector<std::unique_ptr<MixerDevice>> OpenMixers() override {
        std::vector<std::unique_ptr<MixerDevice>> mixers;
        mixers.push_back(std::make_unique<SimulatedMixer>());
        return mixers;
    }

    std::unique_ptr<ServiceHandle> OpenAudioService() override {
        return std::make_unique<SimulatedAudioService>();
    }

    DeviceListSource& DeviceLists() override { return sim::SimulatedDeviceLists(); }
};

} // namespace

DeviceBackend& SimulatedBackend() {
    static SimulatedDeviceBackend backend;
    return backend;
}

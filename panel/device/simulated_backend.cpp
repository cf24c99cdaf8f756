// The device operations' view of the simulated 42xx device.
#include "device/device_backend.h"

#include "simulated_device.h"
#include "simulated_device_list.h"

#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cwctype>

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

bool CaptureAttached(sim::State& s) {
    return s.plugged && s.endpointPresent;
}

// The 42xx device's capture endpoint: volume steps, mute, and a topology of subunits of
// which some offer the automatic-gain control.
class SimulatedEndpoint : public CaptureEndpoint {
  public:
    std::wstring FriendlyName() override {
        return std::wstring(L"Microphone (") + SimulatedDevice::kCaptureDescription + L")";
    }

    int GetVolumeSteps(uint32_t* step, uint32_t* count) override {
        return Device().With([&](sim::State& s) {
            if (!CaptureAttached(s)) return 2;
            *step = s.volumeStep;
            *count = s.volumeStepCount;
            return 0;
        });
    }

    // As the platform: a level outside 0 to 1 is refused, others go to the nearest step.
    int SetVolumeLevel(float level) override {
        int result = Device().With([&](sim::State& s) {
            if (!CaptureAttached(s)) return 2;
            if (!(level >= 0.0f && level <= 1.0f) || s.volumeStepCount < 2) return 3;
            s.volumeStep = static_cast<uint32_t>(level * (s.volumeStepCount - 1) + 0.5f);
            return 0;
        });
        wchar_t line[64];
        swprintf(line, 64, L"endpoint volume level %.3f%ls", static_cast<double>(level),
                 result ? L" failed" : L"");
        Device().Journal(line);
        return result;
    }

    int GetMute(bool* mute) override {
        return Device().With([&](sim::State& s) {
            if (!CaptureAttached(s)) return 2;
            *mute = s.mute != 0;
            return 0;
        });
    }

    int SetMute(bool mute) override {
        int result = Device().With([&](sim::State& s) {
            if (!CaptureAttached(s)) return 2;
            s.mute = mute ? 1 : 0;
            return 0;
        });
        Device().Journal(L"endpoint mute " + std::to_wstring(mute ? 1 : 0) +
                         (result ? L" failed" : L""));
        return result;
    }

    int OpenDeviceTopology(uint32_t* subunits) override {
        subunit_ = sim::kNoSubunit;
        return Device().With([&](sim::State& s) {
            if (!CaptureAttached(s)) return 0;
            const int done = static_cast<int>(std::min<uint32_t>(s.topologySteps, 6));
            if (done == 6) *subunits = s.subunitCount;
            return done;
        });
    }

    int ProbeAutoGain(uint32_t index, long* result) override {
        return Device().With([&](sim::State& s) {
            if (!CaptureAttached(s) || index >= s.subunitCount) return 0;
            if (index == s.brokenSubunit)
                return static_cast<int>(std::min<uint32_t>(s.brokenSubunitSteps, 1));
            const bool offers = index < 32 && (s.autoGainSubunits >> index & 1);
            *result = offers ? S_OK : E_NOINTERFACE;
            if (offers) subunit_ = index;
            return 2;
        });
    }

    bool ReadAutoGain(bool* enabled) override {
        return Device().With([&](sim::State& s) {
            if (!CaptureAttached(s) || subunit_ == sim::kNoSubunit) return false;
            *enabled = s.autoGain != 0;
            return true;
        });
    }

    bool WriteAutoGain(bool enabled) override {
        bool done = Device().With([&](sim::State& s) {
            if (!CaptureAttached(s) || subunit_ == sim::kNoSubunit) return false;
            s.autoGain = enabled ? 1 : 0;
            return true;
        });
        Device().Journal(L"endpoint auto gain " + std::to_wstring(enabled ? 1 : 0) + L" subunit " +
                         std::to_wstring(static_cast<int>(subunit_)) + (done ? L"" : L" failed"));
        return done;
    }

  private:
    uint32_t subunit_ = sim::kNoSubunit; // the subunit whose control was found
};

// Another microphone of the machine: listed, but nothing of it is simulated.
class OtherEndpoint : public CaptureEndpoint {
  public:
    explicit OtherEndpoint(std::wstring name) : name_(std::move(name)) {}
    std::wstring FriendlyName() override { return name_; }
    int GetVolumeSteps(uint32_t*, uint32_t*) override { return 2; }
    int SetVolumeLevel(float) override { return 2; }
    int GetMute(bool*) override { return 2; }
    int SetMute(bool) override { return 2; }
    int OpenDeviceTopology(uint32_t*) override { return 0; }
    int ProbeAutoGain(uint32_t, long*) override { return 0; }
    bool ReadAutoGain(bool*) override { return false; }
    bool WriteAutoGain(bool) override { return false; }

  private:
    std::wstring name_;
};

const wchar_t kWebcamPath[] =
    L"\\\\?\\USB#VID_046D&PID_0825&MI_02#6&2c4f1a7&0&0002#{65e8773d-8f56-11d0-a3b9-00a0c9223196}"
    L"\\global";
const wchar_t kWebcamDescription[] = L"Webcam Microphone";

// Line IDs: the wave-input line, then its sources.
const uint32_t kWaveInLine = 0x10;
const uint32_t kFirstSourceLine = 0x20;

// The mixer of the 42xx device's microphone, laid out by the simulated state: volume in 0 to
// 65535 on the volume steps, the mute, and a multiplexer of the wave-input line's inputs. Its
// target name is the device's description in capitals, as some drivers give it.
class SimulatedMixer : public MixerDevice {
  public:
    bool WaveInLine(MixerLineInfo* line) override {
        return Device().With([&](sim::State& s) {
            if (!CaptureAttached(s)) return false;
            line->lineId = kWaveInLine;
            line->destination = 0;
            line->componentType = MIXERLINE_COMPONENTTYPE_DST_WAVEIN;
            line->connections = std::min(s.mixerSourceCount, sim::kMixerSources);
            line->targetName = L"TRV 42XX USB AUDIO";
            return true;
        });
    }

    bool SourceLine(const MixerLineInfo&, uint32_t index, MixerLineInfo* source) override {
        return Device().With([&](sim::State& s) {
            if (!CaptureAttached(s) || index >= std::min(s.mixerSourceCount, sim::kMixerSources))
                return false;
            source->lineId = kFirstSourceLine + index;
            source->destination = 0;
            source->componentType = s.mixerSourceTypes[index];
            source->connections = 0;
            source->targetName = L"TRV 42XX USB AUDIO";
            return true;
        });
    }

    bool LineControl(uint32_t lineId, MixerControlType type, MixerControlInfo* control) override {
        return Device().With([&](sim::State& s) {
            const uint32_t slot = lineId == kWaveInLine ? 0 : lineId - kFirstSourceLine + 1;
            if (!CaptureAttached(s) || slot > sim::kMixerSources ||
                !(s.mixerControls[slot] & BitOf(type)))
                return false;
            control->controlId = lineId << 4 | static_cast<uint32_t>(type);
            control->multipleItems = type == MixerControlType::Multiplexer ? s.mixerInputs : 0;
            control->minimum = 0;
            control->maximum = type == MixerControlType::Volume ? 65535 : 1;
            return true;
        });
    }

    bool ReadControl(const MixerControlInfo& control, std::vector<uint32_t>* values) override {
        const MixerControlType type = TypeOf(control);
        bool done = Device().With([&](sim::State& s) {
            if (!CaptureAttached(s) || values->empty()) return false;
            std::fill(values->begin(), values->end(), 0);
            if (type == MixerControlType::Volume)
                (*values)[0] =
                    s.volumeStepCount > 1 ? s.volumeStep * 65535 / (s.volumeStepCount - 1) : 0;
            else if (type == MixerControlType::Mute)
                (*values)[0] = s.mute;
            else if (s.mixerInput < values->size())
                (*values)[s.mixerInput] = 1;
            return true;
        });
        Device().Journal(L"mixer read " + std::to_wstring(static_cast<int>(type)) + L" line " +
                         std::to_wstring(control.controlId >> 4));
        return done;
    }

    bool WriteControl(const MixerControlInfo& control,
                      const std::vector<uint32_t>& values) override {
        const MixerControlType type = TypeOf(control);
        bool done = Device().With([&](sim::State& s) {
            if (!CaptureAttached(s) || values.empty()) return false;
            if (type == MixerControlType::Volume) {
                const uint32_t value = std::min<uint32_t>(values[0], 65535);
                s.volumeStep = (value * (s.volumeStepCount - 1) + 32767) / 65535;
            } else if (type == MixerControlType::Mute) {
                s.mute = values[0] ? 1 : 0;
            } else {
                for (uint32_t i = 0; i < values.size(); ++i)
                    if (values[i]) s.mixerInput = i;
            }
            return true;
        });
        std::wstring line = L"mixer write " + std::to_wstring(static_cast<int>(type)) + L" line " +
                            std::to_wstring(control.controlId >> 4);
        for (uint32_t value : values)
            line += L" " + std::to_wstring(value);
        Device().Journal(line);
        return done;
    }

  private:
    static uint32_t BitOf(MixerControlType type) {
        return type == MixerControlType::Volume ? sim::MixerHasVolume
               : type == MixerControlType::Mute ? sim::MixerHasMute
                                                : sim::MixerHasMultiplexer;
    }
    static MixerControlType TypeOf(const MixerControlInfo& control) {
        return static_cast<MixerControlType>(control.controlId & 0xF);
    }
};

// A mixer of another device: its wave-input line and nothing to control.
class OtherMixer : public MixerDevice {
  public:
    explicit OtherMixer(std::wstring target) : target_(std::move(target)) {}
    bool WaveInLine(MixerLineInfo* line) override {
        line->lineId = kWaveInLine;
        line->componentType = MIXERLINE_COMPONENTTYPE_DST_WAVEIN;
        line->targetName = target_;
        return true;
    }
    bool SourceLine(const MixerLineInfo&, uint32_t, MixerLineInfo*) override { return false; }
    bool LineControl(uint32_t, MixerControlType, MixerControlInfo*) override { return false; }
    bool ReadControl(const MixerControlInfo&, std::vector<uint32_t>*) override { return false; }
    bool WriteControl(const MixerControlInfo&, const std::vector<uint32_t>&) override {
        return false;
    }

  private:
    std::wstring target_;
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
        const uint32_t fault = Device().With([](sim::State& s) { return s.audioServiceFault; });
        if (fault == sim::AudioServiceRefusesStop) {
            Device().Journal(L"audio service stop refused");
            return false;
        }
        if (fault == sim::AudioServiceNeverStops) {
            Device().Journal(L"audio service stop pending");
            return true;
        }
        Device().With([](sim::State& s) { s.audioServiceRunning = 0; });
        Device().Journal(L"audio service stopped");
        return true;
    }
    bool Start() override {
        const bool started = Device().With([](sim::State& s) {
            if (s.audioServiceFault == sim::AudioServiceDoesNotStart) return false;
            s.audioServiceRunning = 1;
            ++s.audioServiceRestarts;
            return true;
        });
        Device().Journal(started ? L"audio service started" : L"audio service start refused");
        return started;
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

    // A webcam's microphone is listed first; the device's own interface path comes in small
    // letters, as some drivers give it.
    std::vector<CaptureDeviceInfo> CaptureDevices() override {
        std::vector<CaptureDeviceInfo> devices{{kWebcamPath, kWebcamDescription}};
        if (Device().With(CaptureAttached)) {
            std::wstring path = Device().CaptureInterfacePath();
            for (wchar_t& c : path)
                c = static_cast<wchar_t>(std::towlower(c));
            devices.push_back({path, SimulatedDevice::kCaptureDescription});
        }
        return devices;
    }

    std::vector<std::unique_ptr<CaptureEndpoint>> ActiveCaptureEndpoints() override {
        std::vector<std::unique_ptr<CaptureEndpoint>> endpoints;
        endpoints.push_back(std::make_unique<OtherEndpoint>(std::wstring(L"Microphone (") +
                                                            kWebcamDescription + L")"));
        if (Device().With(CaptureAttached))
            endpoints.push_back(std::make_unique<SimulatedEndpoint>());
        return endpoints;
    }

    // The webcam's mixer and one of a second headset of the same kind come before the
    // device's own.
    std::vector<std::unique_ptr<MixerDevice>> OpenMixers() override {
        std::vector<std::unique_ptr<MixerDevice>> mixers;
        mixers.push_back(std::make_unique<OtherMixer>(kWebcamDescription));
        mixers.push_back(std::make_unique<OtherMixer>(std::wstring(L"2- ") +
                                                      SimulatedDevice::kCaptureDescription));
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

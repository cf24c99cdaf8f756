// The older mixer interface for the microphone controls, and the platform's audio service.
#include "device/platform_backend.h"

#include "win_handles.h"

#include <mmsystem.h>

#include <vector>

namespace {

DWORD ControlTypeOf(MixerControlType type) {
    switch (type) {
    case MixerControlType::Volume:
        return MIXERCONTROL_CONTROLTYPE_VOLUME;
    case MixerControlType::Mute:
        return MIXERCONTROL_CONTROLTYPE_MUTE;
    default:
        return MIXERCONTROL_CONTROLTYPE_MUX;
    }
}

class PlatformMixer : public MixerDevice {
  public:
    explicit PlatformMixer(HMIXER mixer) : mixer_(mixer) {}
    ~PlatformMixer() override { mixerClose(mixer_); }

    bool WaveInTarget(std::wstring* productName) override {
        MIXERLINEW line{};
        if (!WaveInLine(line)) return false;
        *productName = line.Target.szPname;
        return true;
    }

    bool Read(MixerControlType type, long* value, long* minimum, long* maximum) override {
        MIXERCONTROLW control{};
        if (!FindControl(type, control)) return false;
        *minimum = static_cast<long>(control.Bounds.dwMinimum);
        *maximum = static_cast<long>(control.Bounds.dwMaximum);
        std::vector<MIXERCONTROLDETAILS_UNSIGNED> items(Items(control));
        MIXERCONTROLDETAILS details =
            Details(control, items.data(), sizeof(MIXERCONTROLDETAILS_UNSIGNED));
        if (mixerGetControlDetailsW(reinterpret_cast<HMIXEROBJ>(mixer_), &details,
                                    MIXER_GETCONTROLDETAILSF_VALUE) != MMSYSERR_NOERROR)
            return false;
        if (type != MixerControlType::Multiplexer) {
            *value = static_cast<long>(items[0].dwValue);
            return true;
        }
        // A multiplexer answers with the index of its selected input.
        *value = 0;
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i].dwValue) *value = static_cast<long>(i);
        return true;
    }

    bool Write(MixerControlType type, long value) override {
        MIXERCONTROLW control{};
        if (!FindControl(type, control)) return false;
        std::vector<MIXERCONTROLDETAILS_UNSIGNED> items(Items(control));
        if (type == MixerControlType::Multiplexer) {
            if (value < 0 || static_cast<size_t>(value) >= items.size()) return false;
            items[value].dwValue = 1;
        } else {
            items[0].dwValue = static_cast<DWORD>(value);
        }
        MIXERCONTROLDETAILS details =
            Details(control, items.data(), sizeof(MIXERCONTROLDETAILS_UNSIGNED));
        return mixerSetControlDetails(reinterpret_cast<HMIXEROBJ>(mixer_), &details,
                                      MIXER_SETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR;
    }

  private:
    bool WaveInLine(MIXERLINEW& line) {
        line = MIXERLINEW{};
        line.cbStruct = sizeof line;
        line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_WAVEIN;
        return mixerGetLineInfoW(reinterpret_cast<HMIXEROBJ>(mixer_), &line,
                                 MIXER_GETLINEINFOF_COMPONENTTYPE) == MMSYSERR_NOERROR;
    }

    bool ControlOnLine(DWORD lineId, DWORD controlType, MIXERCONTROLW& control) {
        MIXERLINECONTROLSW controls{};
        controls.cbStruct = sizeof controls;
        controls.dwLineID = lineId;
        controls.dwControlType = controlType;
        controls.cControls = 1;
        controls.cbmxctrl = sizeof control;
        controls.pamxctrl = &control;
        control.cbStruct = sizeof control;
        return mixerGetLineControlsW(reinterpret_cast<HMIXEROBJ>(mixer_), &controls,
                                     MIXER_GETLINECONTROLSF_ONEBYTYPE) == MMSYSERR_NOERROR;
    }

    bool FindControl(MixerControlType type, MIXERCONTROLW& control) {
        MIXERLINEW line{};
        if (!WaveInLine(line)) return false;
        DWORD controlType = ControlTypeOf(type);
        if (ControlOnLine(line.dwLineID, controlType, control)) return true;
        for (DWORD j = 0; j < line.cConnections; ++j) {
            MIXERLINEW source{};
            source.cbStruct = sizeof source;
            source.dwDestination = line.dwDestination;
            source.dwSource = j;
            if (mixerGetLineInfoW(reinterpret_cast<HMIXEROBJ>(mixer_), &source,
                                  MIXER_GETLINEINFOF_SOURCE) != MMSYSERR_NOERROR)
                continue;
            if (source.dwComponentType != MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE &&
                source.dwComponentType != MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED)
                continue;
            if (ControlOnLine(source.dwLineID, controlType, control)) return true;
        }
        return false;
    }

    static size_t Items(const MIXERCONTROLW& control) {
        return (control.fdwControl & MIXERCONTROL_CONTROLF_MULTIPLE) && control.cMultipleItems
                   ? control.cMultipleItems
                   : 1;
    }

    static MIXERCONTROLDETAILS Details(const MIXERCONTROLW& control, void* items, DWORD itemSize) {
        MIXERCONTROLDETAILS details{};
        details.cbStruct = sizeof details;
        details.dwControlID = control.dwControlID;
        details.cChannels = 1;
        details.cMultipleItems = Items(control) > 1 ? static_cast<DWORD>(Items(control)) : 0;
        details.cbDetails = itemSize;
        details.paDetails = items;
        return details;
    }

    HMIXER mixer_;
};

class PlatformService : public ServiceHandle {
  public:
    PlatformService(SC_HANDLE manager, SC_HANDLE service) : manager_(manager), service_(service) {}
    bool QueryState(uint32_t* state) override {
        SERVICE_STATUS status{};
        if (!QueryServiceStatus(service_.get(), &status)) return false;
        *state = status.dwCurrentState;
        return true;
    }
    bool Stop() override {
        SERVICE_STATUS status{};
        return ControlService(service_.get(), SERVICE_CONTROL_STOP, &status) != FALSE;
    }
    bool Start() override { return StartServiceW(service_.get(), 0, nullptr) != FALSE; }

  private:
    UniqueServiceHandle manager_;
    UniqueServiceHandle service_;
};

} // namespace

std::vector<std::unique_ptr<MixerDevice>> PlatformOpenMixers() {
    std::vector<std::unique_ptr<MixerDevice>> mixers;
    UINT count = mixerGetNumDevs();
    for (UINT i = 0; i < count; ++i) {
        HMIXER mixer = nullptr;
        if (mixerOpen(&mixer, i, 0, 0, MIXER_OBJECTF_MIXER) == MMSYSERR_NOERROR)
            mixers.push_back(std::make_unique<PlatformMixer>(mixer));
    }
    return mixers;
}

std::unique_ptr<ServiceHandle> PlatformOpenAudioService() {
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (!manager) return nullptr;
    SC_HANDLE service =
        OpenServiceW(manager, L"audiosrv", SERVICE_QUERY_STATUS | SERVICE_STOP | SERVICE_START);
    if (!service) {
        CloseServiceHandle(manager);
        return nullptr;
    }
    return std::make_unique<PlatformService>(manager, service);
}

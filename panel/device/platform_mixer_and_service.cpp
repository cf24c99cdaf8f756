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

    bool WaveInLine(MixerLineInfo* line) override {
        MIXERLINEW info{};
        info.cbStruct = sizeof info;
        info.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_WAVEIN;
        if (mixerGetLineInfoW(Object(), &info, MIXER_GETLINEINFOF_COMPONENTTYPE) !=
            MMSYSERR_NOERROR)
            return false;
        *line = LineOf(info);
        return true;
    }

    bool SourceLine(const MixerLineInfo& destination, uint32_t index,
                    MixerLineInfo* source) override {
        MIXERLINEW info{};
        info.cbStruct = sizeof info;
        info.dwDestination = destination.destination;
        info.dwSource = index;
        if (mixerGetLineInfoW(Object(), &info, MIXER_GETLINEINFOF_SOURCE) != MMSYSERR_NOERROR)
            return false;
        *source = LineOf(info);
        return true;
    }

    bool LineControl(uint32_t lineId, MixerControlType type, MixerControlInfo* control) override {
        MIXERCONTROLW info{};
        info.cbStruct = sizeof info;
        MIXERLINECONTROLSW controls{};
        controls.cbStruct = sizeof controls;
        controls.dwLineID = lineId;
        controls.dwControlType = ControlTypeOf(type);
        controls.cControls = 1;
        controls.cbmxctrl = sizeof info;
        controls.pamxctrl = &info;
        if (mixerGetLineControlsW(Object(), &controls, MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
            MMSYSERR_NOERROR)
            return false;
        control->controlId = info.dwControlID;
        control->multipleItems =
            (info.fdwControl & MIXERCONTROL_CONTROLF_MULTIPLE) ? info.cMultipleItems : 0;
        control->minimum = static_cast<long>(info.Bounds.dwMinimum);
        control->maximum = static_cast<long>(info.Bounds.dwMaximum);
        return true;
    }

    bool ReadControl(const MixerControlInfo& control, std::vector<uint32_t>* values) override {
        std::vector<MIXERCONTROLDETAILS_UNSIGNED> items(values->size());
        MIXERCONTROLDETAILS details = Details(control, items);
        if (mixerGetControlDetailsW(Object(), &details, MIXER_GETCONTROLDETAILSF_VALUE) !=
            MMSYSERR_NOERROR)
            return false;
        for (size_t i = 0; i < items.size(); ++i)
            (*values)[i] = items[i].dwValue;
        return true;
    }

    bool WriteControl(const MixerControlInfo& control,
                      const std::vector<uint32_t>& values) override {
        std::vector<MIXERCONTROLDETAILS_UNSIGNED> items(values.size());
        for (size_t i = 0; i < items.size(); ++i)
            items[i].dwValue = values[i];
        MIXERCONTROLDETAILS details = Details(control, items);
        return mixerSetControlDetails(Object(), &details, MIXER_SETCONTROLDETAILSF_VALUE) ==
               MMSYSERR_NOERROR;
    }

  private:
    HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(mixer_); }

    static MixerLineInfo LineOf(const MIXERLINEW& info) {
        MixerLineInfo line;
        line.lineId = info.dwLineID;
        line.destination = info.dwDestination;
        line.componentType = info.dwComponentType;
        line.connections = info.cConnections;
        line.targetName = info.Target.szPname;
        return line;
    }

    static MIXERCONTROLDETAILS Details(const MixerControlInfo& control,
                                       std::vector<MIXERCONTROLDETAILS_UNSIGNED>& items) {
        MIXERCONTROLDETAILS details{};
        details.cbStruct = sizeof details;
        details.dwControlID = control.controlId;
        details.cChannels = 1;
        details.cMultipleItems = control.multipleItems;
        details.cbDetails = sizeof(MIXERCONTROLDETAILS_UNSIGNED);
        details.paDetails = items.data();
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

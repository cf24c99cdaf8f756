#include "device/endpoint_access.h"

#include "registry_walk.h"
#include "text_format.h"
#include "win_handles.h"

#include <mmsystem.h>

#include <cstring>

namespace {

bool StartsWithIgnoringCase(const std::wstring& text, const std::wstring& prefix) {
    return text.size() >= prefix.size() &&
           CompareStringOrdinal(text.c_str(), static_cast<int>(prefix.size()), prefix.c_str(),
                                static_cast<int>(prefix.size()), TRUE) == CSTR_EQUAL;
}

bool EqualIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() && StartsWithIgnoringCase(a, b);
}

} // namespace

std::wstring CaptureDescription(uint16_t vid, uint16_t pid) {
    const std::wstring prefix = FormatText(L"\\\\?\\USB#VID_%0.4X&PID_%0.4X", vid, pid);
    std::wstring description;
    for (const CaptureDeviceInfo& device : Backend().CaptureDevices())
        if (StartsWithIgnoringCase(device.interfacePath, prefix)) description = device.description;
    return description;
}

std::unique_ptr<CaptureEndpoint> FindCaptureEndpoint(uint16_t vid, uint16_t pid) {
    const std::wstring description = CaptureDescription(vid, pid);
    if (description.empty()) return nullptr;
    for (auto& endpoint : Backend().ActiveCaptureEndpoints())
        if (endpoint->FriendlyName().find(description) != std::wstring::npos)
            return std::move(endpoint);
    return nullptr;
}

int GetEndpointVolume(CaptureEndpoint* endpoint, int* percent) {
    if (!endpoint) return 2;
    uint32_t step = 0, count = 0;
    if (int result = endpoint->GetVolumeSteps(&step, &count)) return result;
    // Fewer than two steps leave no range for a share of it.
    if (count < 2) return 3;
    *percent = static_cast<int>(static_cast<uint64_t>(step) * 100 / (count - 1));
    return 0;
}

int SetEndpointVolume(CaptureEndpoint* endpoint, int percent) {
    return endpoint ? endpoint->SetVolumeLevel(static_cast<float>(percent * 0.01)) : 2;
}

int GetEndpointMute(CaptureEndpoint* endpoint, bool* mute) {
    return endpoint ? endpoint->GetMute(mute) : 2;
}

int SetEndpointMute(CaptureEndpoint* endpoint, bool mute) {
    return endpoint ? endpoint->SetMute(mute) : 2;
}

namespace {

// The steps from the endpoint to its device's subunits, whose failures give 2 to 7, and the
// two steps of each subunit, whose failures give 8 and 9.
const int kTopologySteps = 6;
const int kSubunitSteps = 2;

// The first subunit that offers the automatic-gain control, kept by the endpoint: 0; else the
// step that failed, or the platform's answer to the last subunit asked.
int OpenAutoGain(CaptureEndpoint& endpoint) {
    uint32_t subunits = 0;
    const int done = endpoint.OpenDeviceTopology(&subunits);
    if (done < kTopologySteps) return 2 + done;
    long last = E_NOINTERFACE;
    for (uint32_t i = 0; i < subunits; ++i) {
        const int steps = endpoint.ProbeAutoGain(i, &last);
        if (steps < kSubunitSteps) return 2 + kTopologySteps + steps;
        if (SUCCEEDED(last)) return 0;
    }
    return static_cast<int>(last);
}

} // namespace

int GetAutoGainControl(CaptureEndpoint* endpoint, bool* enabled) {
    if (!endpoint) return 2;
    if (int result = OpenAutoGain(*endpoint)) return result;
    return endpoint->ReadAutoGain(enabled) ? 0 : 10;
}

int SetAutoGainControl(CaptureEndpoint* endpoint, bool enabled) {
    if (!endpoint) return 2;
    if (int result = OpenAutoGain(*endpoint)) return result;
    return endpoint->WriteAutoGain(enabled) ? 0 : 10;
}

namespace {

MixerControlType ControlTypeOf(int kind) {
    return kind <= MixerWriteVolume ? MixerControlType::Volume
           : kind <= MixerWriteMute ? MixerControlType::Mute
                                    : MixerControlType::Multiplexer;
}

// The control of that type on the wave-input line, else on the first of its source lines of
// the microphone type (or of no particular type) that has one.
bool FindControl(MixerDevice& mixer, const MixerLineInfo& line, MixerControlType type,
                 MixerControlInfo* control) {
    if (mixer.LineControl(line.lineId, type, control)) return true;
    for (uint32_t i = 0; i < line.connections; ++i) {
        MixerLineInfo source;
        if (!mixer.SourceLine(line, i, &source)) continue;
        if (source.componentType != MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE &&
            source.componentType != MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED)
            continue;
        if (mixer.LineControl(source.lineId, type, control)) return true;
    }
    return false;
}

size_t ItemsOf(const MixerControlInfo& control) {
    return control.multipleItems > 0 ? control.multipleItems : 1;
}

} // namespace

int MixerControl(int kind, long* value, long* minimum, long* maximum, uint16_t vid, uint16_t pid) {
    if (kind < MixerReadVolume || kind > MixerWriteInput || !value) return 0;
    const std::wstring description = CaptureDescription(vid, pid);
    const MixerControlType type = ControlTypeOf(kind);
    const bool write = kind % 2 == 1;
    for (auto& mixer : Backend().OpenMixers()) {
        MixerLineInfo line;
        if (!mixer->WaveInLine(&line) || !EqualIgnoringCase(line.targetName, description)) continue;
        MixerControlInfo control;
        if (!FindControl(*mixer, line, type, &control)) return 0;
        if (minimum) *minimum = control.minimum;
        if (maximum) *maximum = control.maximum;
        std::vector<uint32_t> items(ItemsOf(control), 0);
        if (write) {
            // A multiplexer selects one of its inputs; the other controls take one value.
            if (type == MixerControlType::Multiplexer) {
                if (*value < 0 || static_cast<size_t>(*value) >= items.size()) return 0;
                items[*value] = 1;
            } else {
                items[0] = static_cast<uint32_t>(*value);
            }
            return mixer->WriteControl(control, items) ? 1 : 0;
        }
        if (!mixer->ReadControl(control, &items) || items.size() != ItemsOf(control)) return 0;
        if (type == MixerControlType::Multiplexer) {
            // A multiplexer answers with the index of its selected input.
            *value = 0;
            for (size_t i = 0; i < items.size(); ++i)
                if (items[i]) *value = static_cast<long>(i);
        } else {
            *value = static_cast<long>(items[0]);
        }
        return 1;
    }
    return 0;
}

int RestartAudioService() {
    auto service = Backend().OpenAudioService();
    if (!service) return 3;
    uint32_t state = 0;
    if (service->QueryState(&state) && state == SERVICE_RUNNING) {
        if (!service->Stop()) return 1;
        bool stopped = false;
        for (int i = 0; i < 1000 && !stopped; ++i)
            stopped = service->QueryState(&state) && state == SERVICE_STOPPED;
        if (!stopped) return 2;
    }
    return service->Start() ? 0 : 3;
}

void SetCaptureListen(bool on, uint16_t vid, uint16_t pid) {
    UniqueRegKey capture;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                      L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\MMDevices\\Audio\\Capture", 0,
                      KEY_READ | KEY_WOW64_64KEY, capture.put()) != ERROR_SUCCESS)
        return;
    const std::wstring vendor = FormatText(L"%x", vid), product = FormatText(L"%x", pid);
    // A Boolean property value: type 11, then the flag as all ones or zero.
    uint8_t value[16] = {11, 0, 0, 0, 1, 0, 0, 0};
    if (on) value[8] = value[9] = 0xFF;
    ForEachSubkey(capture.get(), [&](const std::wstring& name) {
        UniqueRegKey properties;
        if (RegOpenKeyExW(capture.get(), (name + L"\\Properties").c_str(), 0,
                          KEY_READ | KEY_WRITE | KEY_WOW64_64KEY,
                          properties.put()) != ERROR_SUCCESS)
            return true;
        wchar_t text[1024] = L"";
        DWORD size = sizeof text - sizeof(wchar_t), type = 0;
        if (RegQueryValueExW(properties.get(), L"{233164c8-1b2c-4c7d-bc68-b671687a2567},1", nullptr,
                             &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS ||
            type != REG_SZ)
            return true;
        std::wstring deviceText(text);
        size_t v = deviceText.find(vendor), p = deviceText.find(product);
        if (v == std::wstring::npos || v == 0 || p == std::wstring::npos || p == 0) return true;
        for (const wchar_t* valueName : {L"{24dbb0fc-9311-4b3d-9cf0-18ff155639d4},1",
                                         L"{24dbb0fc-9311-4b3d-9cf0-18ff155639d4},4"})
            RegSetValueExW(properties.get(), valueName, 0, REG_BINARY, value, sizeof value);
        RegFlushKey(properties.get());
        return true;
    });
}

#include "device/endpoint_access.h"

#include "registry_walk.h"
#include "text_format.h"
#include "win_handles.h"

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
    return endpoint ? endpoint->GetVolume(percent) : 2;
}
int SetEndpointVolume(CaptureEndpoint* endpoint, int percent) {
    return endpoint ? endpoint->SetVolume(percent) : 2;
}
int GetEndpointMute(CaptureEndpoint* endpoint, bool* mute) {
    return endpoint ? endpoint->GetMute(mute) : 2;
}
int SetEndpointMute(CaptureEndpoint* endpoint, bool mute) {
    return endpoint ? endpoint->SetMute(mute) : 2;
}
int GetAutoGainControl(CaptureEndpoint* endpoint, bool* enabled) {
    return endpoint ? endpoint->GetAutoGain(enabled) : 2;
}
int SetAutoGainControl(CaptureEndpoint* endpoint, bool enabled) {
    return endpoint ? endpoint->SetAutoGain(enabled) : 2;
}

int MixerControl(int kind, long* value, long* minimum, long* maximum, uint16_t vid, uint16_t pid) {
    if (kind < MixerReadVolume || kind > MixerWriteInput || !value) return 0;
    const std::wstring description = CaptureDescription(vid, pid);
    const MixerControlType type = kind <= MixerWriteVolume ? MixerControlType::Volume
                                  : kind <= MixerWriteMute ? MixerControlType::Mute
                                                           : MixerControlType::Multiplexer;
    const bool write = kind % 2 == 1;
    for (auto& mixer : Backend().OpenMixers()) {
        std::wstring target;
        if (!mixer->WaveInTarget(&target) || !EqualIgnoringCase(target, description)) continue;
        long low = 0, high = 0;
        bool done = write ? mixer->Write(type, *value) : mixer->Read(type, value, &low, &high);
        if (!done) return 0;
        if (minimum) *minimum = low;
        if (maximum) *maximum = high;
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

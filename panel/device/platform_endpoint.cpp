// The platform's capture devices and endpoints: the sound-capture list for the device's
// description, the multimedia device interface for its endpoint, volume, mute and gain.
#include "device/platform_backend.h"

#include "win_handles.h"

#include <devicetopology.h>
#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <mmsystem.h>

#include <mmddk.h>

namespace {

// The automatic-gain interface as the platform lays it out (the toolchain's declaration
// differs from the platform's).
const IID kAutoGainControlId = {
    0x85401fd4, 0x6de4, 0x4b9d, {0x98, 0x69, 0x2d, 0x67, 0x53, 0xa8, 0x2f, 0x3c}};
struct AutoGainControl : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetEnabled(BOOL* enabled) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetEnabled(BOOL enable, LPCGUID eventContext) = 0;
};

const PROPERTYKEY kFriendlyName = {
    {0xA45C254E, 0xDF1C, 0x4EFD, {0x80, 0x20, 0x67, 0xD1, 0x46, 0xA8, 0x50, 0xE0}}, 14};

class PlatformCaptureEndpoint : public CaptureEndpoint {
  public:
    explicit PlatformCaptureEndpoint(IMMDevice* device) : device_(device) { device_->AddRef(); }
    ~PlatformCaptureEndpoint() override { device_->Release(); }

    std::wstring FriendlyName() override {
        ComPtr<IPropertyStore> store;
        if (FAILED(device_->OpenPropertyStore(STGM_READ, store.put()))) return std::wstring();
        PROPVARIANT value;
        PropVariantInit(&value);
        std::wstring name;
        if (SUCCEEDED(store->GetValue(kFriendlyName, &value)) && value.vt == VT_LPWSTR &&
            value.pwszVal)
            name = value.pwszVal;
        PropVariantClear(&value);
        return name;
    }

    int GetVolume(int* percent) override {
        ComScope com;
        ComPtr<IAudioEndpointVolume> volume;
        if (!Volume(volume)) return 2;
        UINT step = 0, count = 0;
        if (FAILED(volume->GetVolumeStepInfo(&step, &count)) || count < 2) return 3;
        *percent = static_cast<int>(step * 100 / (count - 1));
        return 0;
    }

    int SetVolume(int percent) override {
        ComScope com;
        ComPtr<IAudioEndpointVolume> volume;
        if (!Volume(volume)) return 2;
        return FAILED(
                   volume->SetMasterVolumeLevelScalar(static_cast<float>(percent * 0.01), nullptr))
                   ? 3
                   : 0;
    }

    int GetMute(bool* mute) override {
        ComScope com;
        ComPtr<IAudioEndpointVolume> volume;
        if (!Volume(volume)) return 2;
        BOOL value = FALSE;
        HRESULT hr = volume->GetMute(&value);
        if (SUCCEEDED(hr)) *mute = value != FALSE;
        return static_cast<int>(hr);
    }

    int SetMute(bool mute) override {
        ComScope com;
        ComPtr<IAudioEndpointVolume> volume;
        if (!Volume(volume)) return 2;
        return static_cast<int>(volume->SetMute(mute ? TRUE : FALSE, nullptr));
    }

    int GetAutoGain(bool* enabled) override {
        ComScope com;
        ComPtr<AutoGainControl> agc;
        if (int result = OpenAutoGain(agc)) return result;
        BOOL value = FALSE;
        if (FAILED(agc->GetEnabled(&value))) return 10;
        *enabled = value != FALSE;
        return 0;
    }

    int SetAutoGain(bool enabled) override {
        ComScope com;
        ComPtr<AutoGainControl> agc;
        if (int result = OpenAutoGain(agc)) return result;
        return FAILED(agc->SetEnabled(enabled ? TRUE : FALSE, nullptr)) ? 10 : 0;
    }

  private:
    bool Volume(ComPtr<IAudioEndpointVolume>& volume) {
        return SUCCEEDED(device_->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr,
                                           volume.put_void()));
    }

    // The first subunit, behind the endpoint's connector 0, that offers automatic gain:
    // 0 and the interface, else the failing step (2 to 9) or the platform's last error.
    int OpenAutoGain(ComPtr<AutoGainControl>& agc) {
        ComPtr<IDeviceTopology> endpointTopology;
        if (FAILED(device_->Activate(__uuidof(IDeviceTopology), CLSCTX_ALL, nullptr,
                                     endpointTopology.put_void())))
            return 2;
        ComPtr<IConnector> connector;
        if (FAILED(endpointTopology->GetConnector(0, connector.put()))) return 3;
        ComPtr<IConnector> connectedTo;
        if (FAILED(connector->GetConnectedTo(connectedTo.put()))) return 4;
        ComPtr<IPart> part;
        if (FAILED(connectedTo->QueryInterface(__uuidof(IPart), part.put_void()))) return 5;
        ComPtr<IDeviceTopology> topology;
        if (FAILED(part->GetTopologyObjects(topology.put()))) return 6;
        UINT count = 0;
        if (FAILED(topology->GetSubunitCount(&count))) return 7;
        HRESULT last = E_NOINTERFACE;
        for (UINT i = 0; i < count; ++i) {
            ComPtr<ISubUnit> subunit;
            if (FAILED(topology->GetSubunit(i, subunit.put()))) return 8;
            ComPtr<IPart> subunitPart;
            if (FAILED(subunit->QueryInterface(__uuidof(IPart), subunitPart.put_void()))) return 9;
            last = subunitPart->Activate(CLSCTX_ALL, kAutoGainControlId, agc.put_void());
            if (SUCCEEDED(last)) return 0;
        }
        return static_cast<int>(last);
    }

    ComScope com_;
    IMMDevice* device_;
};

} // namespace

std::vector<CaptureDeviceInfo> PlatformCaptureDevices() {
    std::vector<CaptureDeviceInfo> devices;
    UINT count = waveInGetNumDevs();
    for (UINT i = 0; i < count; ++i) {
        HWAVEIN id = reinterpret_cast<HWAVEIN>(static_cast<UINT_PTR>(i));
        ULONG size = 0;
        if (waveInMessage(id, DRV_QUERYDEVICEINTERFACESIZE, reinterpret_cast<DWORD_PTR>(&size),
                          0) != MMSYSERR_NOERROR ||
            size < sizeof(wchar_t))
            continue;
        std::wstring path(size / sizeof(wchar_t), L'\0');
        if (waveInMessage(id, DRV_QUERYDEVICEINTERFACE, reinterpret_cast<DWORD_PTR>(&path[0]),
                          size) != MMSYSERR_NOERROR)
            continue;
        path.resize(wcsnlen(path.c_str(), path.size()));
        WAVEINCAPSW caps{};
        if (waveInGetDevCapsW(i, &caps, sizeof caps) != MMSYSERR_NOERROR) continue;
        devices.push_back({path, caps.szPname});
    }
    return devices;
}

std::vector<std::unique_ptr<CaptureEndpoint>> PlatformActiveCaptureEndpoints() {
    std::vector<std::unique_ptr<CaptureEndpoint>> endpoints;
    ComScope com;
    ComPtr<IMMDeviceEnumerator> enumerator;
    if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL,
                                __uuidof(IMMDeviceEnumerator), enumerator.put_void())))
        return endpoints;
    ComPtr<IMMDeviceCollection> collection;
    if (FAILED(enumerator->EnumAudioEndpoints(eCapture, DEVICE_STATE_ACTIVE, collection.put())))
        return endpoints;
    UINT count = 0;
    collection->GetCount(&count);
    for (UINT i = 0; i < count; ++i) {
        ComPtr<IMMDevice> device;
        if (SUCCEEDED(collection->Item(i, device.put())))
            endpoints.push_back(std::make_unique<PlatformCaptureEndpoint>(device.get()));
    }
    return endpoints;
}

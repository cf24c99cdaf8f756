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

    int GetVolumeSteps(uint32_t* step, uint32_t* count) override {
        ComScope com;
        ComPtr<IAudioEndpointVolume> volume;
        if (!Volume(volume)) return 2;
        UINT current = 0, steps = 0;
        if (FAILED(volume->GetVolumeStepInfo(&current, &steps))) return 3;
        *step = current;
        *count = steps;
        return 0;
    }

    int SetVolumeLevel(float level) override {
        ComScope com;
        ComPtr<IAudioEndpointVolume> volume;
        if (!Volume(volume)) return 2;
        return FAILED(volume->SetMasterVolumeLevelScalar(level, nullptr)) ? 3 : 0;
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

    int OpenDeviceTopology(uint32_t* subunits) override {
        topology_.reset();
        autoGain_.reset();
        ComPtr<IDeviceTopology> endpointTopology;
        if (FAILED(device_->Activate(__uuidof(IDeviceTopology), CLSCTX_ALL, nullptr,
                                     endpointTopology.put_void())))
            return 0;
        ComPtr<IConnector> connector;
        if (FAILED(endpointTopology->GetConnector(0, connector.put()))) return 1;
        ComPtr<IConnector> connectedTo;
        if (FAILED(connector->GetConnectedTo(connectedTo.put()))) return 2;
        ComPtr<IPart> part;
        if (FAILED(connectedTo->QueryInterface(__uuidof(IPart), part.put_void()))) return 3;
        if (FAILED(part->GetTopologyObjects(topology_.put()))) return 4;
        UINT count = 0;
        if (FAILED(topology_->GetSubunitCount(&count))) return 5;
        *subunits = count;
        return 6;
    }

    int ProbeAutoGain(uint32_t index, long* result) override {
        if (!topology_) return 0;
        ComPtr<ISubUnit> subunit;
        if (FAILED(topology_->GetSubunit(index, subunit.put()))) return 0;
        ComPtr<IPart> subunitPart;
        if (FAILED(subunit->QueryInterface(__uuidof(IPart), subunitPart.put_void()))) return 1;
        *result = static_cast<long>(
            subunitPart->Activate(CLSCTX_ALL, kAutoGainControlId, autoGain_.put_void()));
        return 2;
    }

    bool ReadAutoGain(bool* enabled) override {
        BOOL value = FALSE;
        if (!autoGain_ || FAILED(autoGain_->GetEnabled(&value))) return false;
        *enabled = value != FALSE;
        return true;
    }

    bool WriteAutoGain(bool enabled) override {
        return autoGain_ && SUCCEEDED(autoGain_->SetEnabled(enabled ? TRUE : FALSE, nullptr));
    }

  private:
    bool Volume(ComPtr<IAudioEndpointVolume>& volume) {
        return SUCCEEDED(device_->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr,
                                           volume.put_void()));
    }

    ComScope com_;
    IMMDevice* device_;
    // Between the steps of one operation: the device's topology and the control found in it.
    ComPtr<IDeviceTopology> topology_;
    ComPtr<AutoGainControl> autoGain_;
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

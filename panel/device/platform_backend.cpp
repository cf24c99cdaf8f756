#include "device/platform_backend.h"

namespace {
class PlatformDeviceBackend : public DeviceBackend {
  public:
    std::vector<std::wstring> HidInterfacePaths() override { return PlatformHidInterfacePaths(); }
    std::unique_ptr<HidDevice> OpenHidPath(const std::wstring& path) override {
        return PlatformOpenHidPath(path);
    }
    std::unique_ptr<DriverHandle> OpenDriver(const std::wstring& path) override {
        return PlatformOpenDriver(path);
    }
    std::vector<CaptureDeviceInfo> CaptureDevices() override { return PlatformCaptureDevices(); }
    std::vector<std::unique_ptr<CaptureEndpoint>> ActiveCaptureEndpoints() override {
        return PlatformActiveCaptureEndpoints();
    }
    std::vector<std::unique_ptr<MixerDevice>> OpenMixers() override { return PlatformOpenMixers(); }
    std::unique_ptr<ServiceHandle> OpenAudioService() override {
        return PlatformOpenAudioService();
    }
    DeviceListSource& DeviceLists() override { return PlatformDeviceLists(); }
};
} // namespace

DeviceBackend& PlatformBackend() {
    static PlatformDeviceBackend backend;
    return backend;
}

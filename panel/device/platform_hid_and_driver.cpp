// The platform's HID interfaces and the extension driver's control device.
#include "device/platform_backend.h"

#include "win_handles.h"

#include <setupapi.h>

extern "C" {
#include <hidsdi.h>
}

namespace {

class PlatformHidDevice : public HidDevice {
  public:
    explicit PlatformHidDevice(HANDLE file) : file_(file) {}

    bool Attributes(uint16_t* vid, uint16_t* pid) override {
        HIDD_ATTRIBUTES attributes{};
        attributes.Size = sizeof attributes;
        if (!HidD_GetAttributes(file_.get(), &attributes)) return false;
        *vid = attributes.VendorID;
        *pid = attributes.ProductID;
        return true;
    }

    bool Capabilities(uint16_t* outputLength, uint16_t* inputLength) override {
        PHIDP_PREPARSED_DATA preparsed = nullptr;
        if (!HidD_GetPreparsedData(file_.get(), &preparsed)) return false;
        HIDP_CAPS caps{};
        bool ok = HidP_GetCaps(preparsed, &caps) == HIDP_STATUS_SUCCESS;
        HidD_FreePreparsedData(preparsed);
        if (!ok) return false;
        *outputLength = caps.OutputReportByteLength;
        *inputLength = caps.InputReportByteLength;
        return true;
    }

    bool SetOutputReport(const uint8_t* report, size_t length) override {
        return HidD_SetOutputReport(file_.get(), const_cast<uint8_t*>(report),
                                    static_cast<ULONG>(length));
    }

    bool GetInputReport(uint8_t* report, size_t length) override {
        return HidD_GetInputReport(file_.get(), report, static_cast<ULONG>(length));
    }

  private:
    UniqueHandle file_;
};

class PlatformDriverHandle : public DriverHandle {
  public:
    explicit PlatformDriverHandle(HANDLE file) : file_(file) {}
    bool Request(uint32_t code, const void* input, uint32_t inputLength, void* output,
                 uint32_t outputLength, uint32_t* returned) override {
        DWORD got = 0;
        BOOL ok = DeviceIoControl(file_.get(), code, const_cast<void*>(input), inputLength, output,
                                  outputLength, &got, nullptr);
        *returned = got;
        return ok != FALSE;
    }

  private:
    UniqueHandle file_;
};

struct DeviceInfoSet {
    explicit DeviceInfoSet(HDEVINFO s) : set(s) {}
    ~DeviceInfoSet() {
        if (set != INVALID_HANDLE_VALUE) SetupDiDestroyDeviceInfoList(set);
    }
    HDEVINFO set;
};

} // namespace

std::vector<std::wstring> PlatformHidInterfacePaths() {
    GUID hidClass;
    HidD_GetHidGuid(&hidClass);
    std::vector<std::wstring> paths;
    DeviceInfoSet devices(
        SetupDiGetClassDevsW(&hidClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    if (devices.set == INVALID_HANDLE_VALUE) return paths;
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    for (DWORD i = 0; SetupDiEnumDeviceInterfaces(devices.set, nullptr, &hidClass, i, &data); ++i) {
        DWORD required = 0;
        SetupDiGetDeviceInterfaceDetailW(devices.set, &data, nullptr, 0, &required, nullptr);
        if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) continue;
        std::vector<BYTE> buffer(required);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (SetupDiGetDeviceInterfaceDetailW(devices.set, &data, detail, required, nullptr,
                                             nullptr))
            paths.push_back(detail->DevicePath);
    }
    return paths;
}

std::unique_ptr<HidDevice> PlatformOpenHidPath(const std::wstring& path) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<PlatformHidDevice>(file);
}

std::unique_ptr<DriverHandle> PlatformOpenDriver(const std::wstring& path) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<PlatformDriverHandle>(file);
}

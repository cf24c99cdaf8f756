#include "device_list.h"

#include <setupapi.h>

namespace {

class SetupApiDeviceList : public DeviceList {
  public:
    explicit SetupApiDeviceList(HDEVINFO set) : set_(set) {}
    ~SetupApiDeviceList() override { SetupDiDestroyDeviceInfoList(set_); }

    bool HasEntry(uint32_t index) override {
        SP_DEVINFO_DATA data;
        return Entry(index, data);
    }

    bool ReadProperty(uint32_t index, uint32_t property, uint32_t* type, uint8_t* buffer,
                      uint32_t size, uint32_t* required, uint32_t* error) override {
        SP_DEVINFO_DATA data;
        if (!Entry(index, data)) {
            *error = GetLastError();
            return false;
        }
        DWORD t = 0, need = 0;
        BOOL ok = SetupDiGetDeviceRegistryPropertyW(set_, &data, property, &t, buffer, size, &need);
        *error = ok ? 0 : GetLastError();
        if (type) *type = t;
        if (required) *required = need;
        return ok != FALSE;
    }

    bool WriteProperty(uint32_t index, uint32_t property, const uint8_t* buffer,
                       uint32_t size) override {
        SP_DEVINFO_DATA data;
        return Entry(index, data) &&
               SetupDiSetDeviceRegistryPropertyW(set_, &data, property, buffer, size);
    }

    bool SetPropertyChangeParams(uint32_t index, uint32_t stateChange, uint32_t scope,
                                 uint32_t profile) override {
        SP_DEVINFO_DATA data;
        if (!Entry(index, data)) return false;
        SP_PROPCHANGE_PARAMS params{};
        params.ClassInstallHeader.cbSize = sizeof(SP_CLASSINSTALL_HEADER);
        params.ClassInstallHeader.InstallFunction = DIF_PROPERTYCHANGE;
        params.StateChange = stateChange;
        params.Scope = scope;
        params.HwProfile = profile;
        return SetupDiSetClassInstallParamsW(set_, &data, &params.ClassInstallHeader,
                                             sizeof params);
    }

    bool CallPropertyChange(uint32_t index) override {
        SP_DEVINFO_DATA data;
        return Entry(index, data) && SetupDiCallClassInstaller(DIF_PROPERTYCHANGE, set_, &data);
    }

    bool ReadInstallFlags(uint32_t index, uint32_t* flags) override {
        SP_DEVINFO_DATA data;
        if (!Entry(index, data)) return false;
        SP_DEVINSTALL_PARAMS_W params{};
        params.cbSize = sizeof params;
        if (!SetupDiGetDeviceInstallParamsW(set_, &data, &params)) return false;
        *flags = params.Flags;
        return true;
    }

  private:
    bool Entry(uint32_t index, SP_DEVINFO_DATA& data) {
        data = SP_DEVINFO_DATA{};
        data.cbSize = sizeof data;
        return SetupDiEnumDeviceInfo(set_, index, &data) != FALSE;
    }

    HDEVINFO set_;
};

class SetupApiSource : public DeviceListSource {
  public:
    std::unique_ptr<DeviceList> Open(const GUID& classId, bool presentOnly) override {
        HDEVINFO set = SetupDiGetClassDevsW(&classId, nullptr, nullptr,
                                            DIGCF_ALLCLASSES | (presentOnly ? DIGCF_PRESENT : 0));
        if (set == INVALID_HANDLE_VALUE) return nullptr;
        return std::make_unique<SetupApiDeviceList>(set);
    }
};

SetupApiSource g_platformSource;
DeviceListSource* g_source = nullptr;

} // namespace

DeviceListSource& DeviceLists() {
    return g_source ? *g_source : g_platformSource;
}

DeviceListSource& PlatformDeviceLists() {
    return g_platformSource;
}

void SetDeviceListSource(DeviceListSource* source) {
    g_source = source;
}

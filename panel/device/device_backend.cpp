#include "device/device_backend.h"

#include <cwchar>

bool SimulatorSelected() {
    static const bool selected = [] {
        wchar_t value[8] = L"";
        DWORD n = GetEnvironmentVariableW(L"TRV42XX_SIMULATOR", value, 8);
        return n == 1 && value[0] == L'1';
    }();
    return selected;
}

DeviceBackend& Backend() {
    static DeviceBackend& chosen = []() -> DeviceBackend& {
        DeviceBackend& backend = SimulatorSelected() ? SimulatedBackend() : PlatformBackend();
        SetDeviceListSource(&backend.DeviceLists());
        return backend;
    }();
    return chosen;
}

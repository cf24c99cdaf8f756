#include "service_control.h"

#include "win_handles.h"

namespace {

const int kPollCount = 30;
const DWORD kPollIntervalMs = 300;

bool WaitForState(SC_HANDLE service, DWORD state) {
    for (int i = 0; i < kPollCount; ++i) {
        SERVICE_STATUS status{};
        if (QueryServiceStatus(service, &status) && status.dwCurrentState == state) return true;
        Sleep(kPollIntervalMs);
    }
    return false;
}

DWORD ServiceAccess(ServiceRights rights, uint32_t code) {
    if (rights == ServiceRights::Full || code < 128) return SERVICE_ALL_ACCESS;
    return SERVICE_QUERY_STATUS | SERVICE_USER_DEFINED_CONTROL;
}

} // namespace

int ControlTheService(const std::wstring& serviceName, uint32_t controlCode, ServiceRights rights) {
    UniqueServiceHandle manager(OpenSCManagerW(
        nullptr, nullptr, rights == ServiceRights::Full ? SC_MANAGER_ALL_ACCESS : SC_MANAGER_CONNECT));
    if (!manager) return ServiceManagerNotOpened;
    UniqueServiceHandle service(
        OpenServiceW(manager.get(), serviceName.c_str(), ServiceAccess(rights, controlCode)));
    if (!service) return ServiceNotOpened;
    SERVICE_STATUS status{};
    if (!QueryServiceStatus(service.get(), &status)) return ServiceStatusFailed;

    switch (controlCode) {
    case ServiceControlStop:
        if (status.dwCurrentState == SERVICE_STOPPED) return ServiceOk;
        if (!ControlService(service.get(), SERVICE_CONTROL_STOP, &status)) return ServiceStopRefused;
        return WaitForState(service.get(), SERVICE_STOPPED) ? ServiceOk : ServiceNotStoppedInTime;
    case ServiceControlStart:
        if (status.dwCurrentState == SERVICE_RUNNING) return ServiceOk;
        if (!StartServiceW(service.get(), 0, nullptr)) return ServiceStartRefused;
        return WaitForState(service.get(), SERVICE_RUNNING) ? ServiceOk : ServiceNotRunningInTime;
    default:
        ControlService(service.get(), controlCode, &status);
        return ServiceOk;
    }
}

int RegisterDriverService(const std::wstring& driverName) {
    UniqueRegKey key;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, (L"SYSTEM\\CurrentControlSet\\Services\\" + driverName).c_str(), 0,
                        nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, key.put(),
                        nullptr) != ERROR_SUCCESS)
        return 1;
    // Every value is tried; a driver key that lacks one would not load the driver.
    bool written = true;
    auto setValue = [&](const wchar_t* name, DWORD type, const void* data, size_t size) {
        written = RegSetValueExW(key.get(), name, 0, type, static_cast<const BYTE*>(data),
                                 static_cast<DWORD>(size)) == ERROR_SUCCESS &&
                  written;
    };
    const DWORD errorControl = 1, start = 3, kernelDriver = 1;
    setValue(L"ErrorControl", REG_DWORD, &errorControl, sizeof errorControl);
    setValue(L"Start", REG_DWORD, &start, sizeof start);
    setValue(L"Type", REG_DWORD, &kernelDriver, sizeof kernelDriver);
    std::wstring image = L"System32\\DRIVERS\\" + driverName + L".sys";
    setValue(L"ImagePath", REG_EXPAND_SZ, image.c_str(), (image.size() + 1) * sizeof(wchar_t));
    RegFlushKey(key.get());
    return written ? 0 : 1;
}

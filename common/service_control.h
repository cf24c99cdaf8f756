#pragma once
// Service and driver registration helpers.
#include <cstdint>
#include <string>

enum ServiceControlResult {
    ServiceOk = 0,
    ServiceManagerNotOpened = 1,
    ServiceNotOpened = 2,
    ServiceStatusFailed = 3,
    ServiceStopRefused = 4,
    ServiceNotStoppedInTime = 5,
    ServiceStartRefused = 6,
    ServiceNotRunningInTime = 7,
};

enum ServiceControlCode : uint32_t {
    ServiceControlStart = 0,
    ServiceControlStop = 1,
};

// Setup asks for full access; the panel only for what a user-defined code needs.
enum class ServiceRights { Full, Panel };

// Code 1 stops, code 0 starts (each polled up to 30 times, 300 ms apart), any other code
// is sent as a control request whose outcome is not looked at.
int ControlTheService(const std::wstring& serviceName, uint32_t controlCode,
                      ServiceRights rights = ServiceRights::Full);

// Writes the service key of a demand-start kernel driver; the service manager is not called.
// 0; 1 when the key cannot be created or one of its values cannot be written.
int RegisterDriverService(const std::wstring& driverName);

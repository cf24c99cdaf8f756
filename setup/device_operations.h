#pragma once
// The device operations of the driver steps, on the system's devices (those of the USB group).
// A 32-bit program on a 64-bit system cannot restart devices: the class installer refuses it
// (ERROR_IN_WOW64). There the filter removal and the restarts are run by a 64-bit helper that
// setup carries; everywhere else they run in this process.
#include <memory>
#include <string>

class CDeviceIdMgr;

class DeviceOperations {
  public:
    virtual ~DeviceOperations() = default;
    // The results of the shared library's operations of the same names.
    virtual int RemoveFilterAndRestart(const std::wstring& filterName) = 0;
    virtual int RestartMatchingDevices() = 0;
    virtual int FindMatchingDevice() = 0;
};

enum class DeviceOperationsKind { InProcess, Helper64 };

// Helper64 exactly when the program runs as a 32-bit one on a 64-bit system.
DeviceOperationsKind ChooseDeviceOperations(bool is64);
std::unique_ptr<DeviceOperations> MakeDeviceOperations(DeviceOperationsKind kind,
                                                       const CDeviceIdMgr& ids);

// The helper's side: runs one command line of the helper ("remove-filter GROUPFILE FILTER" or
// "restart GROUPFILE") against this process's device list; its result, or 100 for a command
// line it does not understand and 101 when the group cannot be loaded.
int RunDeviceHelperCommand(int argc, wchar_t** argv);

// Devices are simulated (TRV42XX_SIMULATOR=1): the device search and the interface check use
// the simulated device instead of the platform's.
bool SimulatorSelected();
void UseSimulatedDevicesWhenSelected();

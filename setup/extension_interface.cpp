#include "extension_interface.h"

#include "device_operations.h"
#include "setup_names.h"
#include "simulated_device.h"
#include "win_handles.h"

bool ExtensionInterfaceOpens() {
    if (SimulatorSelected())
        return sim::SimulatedDevice::Instance().DriverOpen(kExtensionInterfacePath);
    UniqueHandle device(CreateFileW(kExtensionInterfacePath, GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                    nullptr));
    return static_cast<bool>(device);
}

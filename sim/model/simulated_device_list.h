#pragma once
#include "device_list.h"

namespace sim {
// The device-setup list of the simulated machine, for the device search.
DeviceListSource& SimulatedDeviceLists();
} // namespace sim

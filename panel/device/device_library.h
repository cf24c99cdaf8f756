#pragma once
// The maker's device library, loaded by its bare file name and bound by name in a fixed
// order. The typed calls below go through the bound entry points; before a successful
// binding they fail with kLibraryNotBound.
#include "device_library_api.h"

#include <cstdint>

extern const wchar_t kDeviceLibraryFileName[]; // "DLLTR_UsbAudio42xx_x32.dll"
const int kLibraryNotBound = -1;

// 0 bound; 1 the library cannot be loaded (after the "Error" message box); otherwise the
// position plus 1 of the first missing entry point.
int BindDeviceLibrary();
bool DeviceLibraryBound();

// The number of entry points bound, and their names in binding order.
int DeviceLibraryEntryCount();
const char* DeviceLibraryEntryName(int position);

// One typed call per entry point, named as the entry point without its "DLLTR_" prefix.
namespace dlltr {
#define TRV_DECLARE_CALL(name, parameters, arguments) int name parameters;
TRV_DEVICE_LIBRARY_ENTRIES(TRV_DECLARE_CALL)
#undef TRV_DECLARE_CALL
} // namespace dlltr

// The 64-bit helper of the 32-bit setup: takes the filter driver off the system's devices and
// restarts them, which the platform allows 64-bit programs only. Its exit code is the result.
#include "device_operations.h"

#include <windows.h>
#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv) return 100;
    UseSimulatedDevicesWhenSelected();
    int result = RunDeviceHelperCommand(count, argv);
    LocalFree(argv);
    return result;
}

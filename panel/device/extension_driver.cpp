#include "device/extension_driver.h"

#include "device/device_backend.h"
#include "text_format.h"

#include <winioctl.h>

#include <cstring>

const uint32_t kEffectModeRequestCode = CTL_CODE(0x823, 0x802, METHOD_BUFFERED, FILE_ANY_ACCESS);
const uint32_t kEffectApplyRequestCode = CTL_CODE(0x823, 0x800, METHOD_BUFFERED, FILE_ANY_ACCESS);
const uint32_t kStatusRequestCode = CTL_CODE(0x22, 0xC64, METHOD_BUFFERED, FILE_ANY_ACCESS);
const uint32_t kParameterRequestCode = CTL_CODE(0x22, 0xC0A, METHOD_BUFFERED, FILE_ANY_ACCESS);

namespace {

// One path for the process: the last device checked is the one requests go to.
std::wstring g_driverPath;

int SendRequest(uint32_t code, const void* input, uint32_t inputLength, void* output,
                uint32_t outputLength, uint32_t* returned) {
    auto driver = Backend().OpenDriver(g_driverPath);
    if (!driver) return 1;
    uint32_t got = 0;
    if (!driver->Request(code, input, inputLength, output, outputLength, &got)) return 2;
    if (returned) *returned = got;
    return 0;
}

int ExchangeEightBytes(uint32_t code, uint8_t block[8], uint32_t* answer) {
    uint32_t returned = 0;
    int result = SendRequest(code, block, 8, block, 8, &returned);
    if (result != 0) return result;
    if (answer) std::memcpy(answer, block + 4, 4);
    return 0;
}

} // namespace

int ExtensionDriverPresent(uint16_t vid, uint16_t pid) {
    g_driverPath = FormatText(L"\\\\.\\Class#UsbAudioExtension&%.4X&%.4X", vid, pid);
    return Backend().OpenDriver(g_driverPath) ? 0 : 1;
}

std::wstring ExtensionDriverPath() {
    return g_driverPath;
}

int DriverEffectModeRequest(uint32_t mode) {
    return SendRequest(kEffectModeRequestCode, &mode, sizeof mode, nullptr, 0, nullptr);
}

int DriverEffectApplyRequest(uint32_t value) {
    return SendRequest(kEffectApplyRequestCode, &value, sizeof value, nullptr, 0, nullptr);
}

int DriverStatusRequest(uint32_t* answer) {
    uint8_t block[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    return ExchangeEightBytes(kStatusRequestCode, block, answer);
}

int DriverParameterRequest(uint16_t selector, uint32_t value, uint32_t* answer) {
    uint8_t block[8] = {1, 0};
    std::memcpy(block + 2, &selector, 2);
    std::memcpy(block + 4, &value, 4);
    uint32_t returned = 0;
    int result = SendRequest(kParameterRequestCode, block, 8, block, 8, &returned);
    if (result != 0) return result;
    if (returned == 0) return 3;
    if (answer) std::memcpy(answer, block + 4, 4);
    return 0;
}

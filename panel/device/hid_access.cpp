#include "device/hid_access.h"

#include "device/hid_reports.h"

HidHandle OpenHidDevice(uint16_t vid, uint16_t pid) {
    DeviceBackend& backend = Backend();
    for (const std::wstring& path : backend.HidInterfacePaths()) {
        HidHandle device = backend.OpenHidPath(path);
        uint16_t v = 0, p = 0;
        if (device && device->Attributes(&v, &p) && v == vid && p == pid) return device;
    }
    return nullptr;
}

uint32_t GetOutputReportLength(HidDevice* device) {
    uint16_t output = 0, input = 0;
    return device && device->Capabilities(&output, &input) ? output : 0;
}

uint32_t GetInputReportLength(HidDevice* device) {
    uint16_t output = 0, input = 0;
    return device && device->Capabilities(&output, &input) ? input : 0;
}

namespace {
// Reports shorter than the protocol's five bytes are sent cut, as the device would get them.
bool Send(HidDevice* device, const std::vector<uint8_t>& report) {
    return device->SetOutputReport(report.data(), report.size());
}
} // namespace

int WriteRegister(HidDevice* device, uint16_t address, uint8_t value) {
    uint32_t length = GetOutputReportLength(device);
    if (length == 0) return 1;
    if (!Send(device, SelectRegisterReport(length, address))) return 2;
    if (!Send(device, WriteRegisterReport(length, value))) return 3;
    return 0;
}

int ReadRegister(HidDevice* device, uint16_t address, uint8_t* value) {
    uint32_t length = GetOutputReportLength(device);
    if (length == 0) return 1;
    if (!Send(device, SelectRegisterReport(length, address))) return 2;
    uint32_t inputLength = GetInputReportLength(device);
    if (inputLength == 0) return 3;
    // A report without the value's byte must not read as a register holding 0.
    if (inputLength < kRegisterAnswerLength) return 5;
    std::vector<uint8_t> input(inputLength, 0);
    if (!device->GetInputReport(input.data(), input.size())) return 4;
    *value = RegisterValueOf(input);
    return 0;
}

int ReadPins(HidDevice* device, uint8_t pins[10]) {
    uint32_t length = GetOutputReportLength(device);
    if (length == 0) return 1;
    if (length <= 4) return 2;
    if (!Send(device, ReadPinsReport(length))) return 3;
    uint32_t inputLength = GetInputReportLength(device);
    if (inputLength == 0) return 4;
    if (inputLength <= 4) return 5;
    std::vector<uint8_t> input(inputLength, 0);
    if (!device->GetInputReport(input.data(), input.size())) return 6;
    PinsOf(input, pins);
    return 0;
}

int WritePins(HidDevice* device, const uint8_t pins[10]) {
    uint32_t length = GetOutputReportLength(device);
    if (length == 0) return 1;
    if (length <= 4) return 2;
    if (!Send(device, WritePinsReport(length, pins))) return 3;
    return 0;
}

int SendClosingReport(HidDevice* device) {
    uint32_t length = GetOutputReportLength(device);
    if (length == 0) return 1;
    std::vector<uint8_t> zeros(length, 0);
    return device->SetOutputReport(zeros.data(), zeros.size()) ? 0 : 2;
}

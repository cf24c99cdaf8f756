#include "device/hid_reports.h"

namespace {
std::vector<uint8_t> Report(size_t length, uint8_t b2, uint8_t b3, uint8_t b4) {
    std::vector<uint8_t> report(length < 5 ? 5 : length, 0);
    report[1] = kVendorMarker;
    report[2] = b2;
    report[3] = b3;
    report[4] = b4;
    report.resize(length);
    return report;
}
} // namespace

std::vector<uint8_t> SelectRegisterReport(size_t length, uint16_t address) {
    return Report(length, static_cast<uint8_t>(address & 0xFF), static_cast<uint8_t>(address >> 8),
                  kOpSelectRegister);
}

std::vector<uint8_t> WriteRegisterReport(size_t length, uint8_t value) {
    return Report(length, value, 1, kOpWriteRegister);
}

std::vector<uint8_t> ReadPinsReport(size_t length) {
    return Report(length, 0, 0, kOpReadPins);
}

std::vector<uint8_t> WritePinsReport(size_t length, const uint8_t pins[kPinCount]) {
    uint8_t low = 0;
    for (int i = 0; i < 8; ++i)
        if (pins[i]) low |= static_cast<uint8_t>(1u << i);
    uint8_t op = kOpWritePins | (pins[8] ? 1 : 0) | (pins[9] ? 2 : 0);
    return Report(length, low, 0xFF, op);
}

uint8_t RegisterValueOf(const std::vector<uint8_t>& input) {
    return input.size() > 2 ? input[2] : 0;
}

void PinsOf(const std::vector<uint8_t>& input, uint8_t pins[kPinCount]) {
    uint8_t low = input.size() > 2 ? input[2] : 0, high = input.size() > 3 ? input[3] : 0;
    for (int i = 0; i < 8; ++i)
        pins[i] = (low >> i) & 1;
    pins[8] = high & 1;
    pins[9] = (high >> 1) & 1;
}

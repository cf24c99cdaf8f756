#pragma once
// The device's vendor HID register protocol: output reports that select and write
// registers and read or write pins, and the meaning of the input report that answers.
#include <cstddef>
#include <cstdint>
#include <vector>

const uint8_t kVendorMarker = 0x60;
const uint8_t kOpSelectRegister = 0x10;
const uint8_t kOpWriteRegister = 0x20;
const uint8_t kOpReadPins = 0x30;
const uint8_t kOpWritePins = 0x3C;
const int kPinCount = 10;
// An answer to a register read carries the value in byte 2.
const size_t kRegisterAnswerLength = 3;

// Reports of the given length (bytes after the fifth are 0); each needs length >= 5.
std::vector<uint8_t> SelectRegisterReport(size_t length, uint16_t address);
std::vector<uint8_t> WriteRegisterReport(size_t length, uint8_t value);
std::vector<uint8_t> ReadPinsReport(size_t length);
std::vector<uint8_t> WritePinsReport(size_t length, const uint8_t pins[kPinCount]);

// The register value (byte 2) and the pins (byte 2 bits 0-7, byte 3 bits 0-1) of an answer.
uint8_t RegisterValueOf(const std::vector<uint8_t>& input);
void PinsOf(const std::vector<uint8_t>& input, uint8_t pins[kPinCount]);

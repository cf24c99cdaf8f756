#pragma once
// Tests against the simulated device: it starts from its default state, and the journal
// lines written during the test are at hand.
#include "simulated_device.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

class SimulatedDeviceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(device().Available());
        device().Reset();
        start_ = device().JournalSequence();
    }
    static sim::SimulatedDevice& device() { return sim::SimulatedDevice::Instance(); }
    std::vector<std::wstring> Journal() { return device().JournalLines(start_); }
    // Journal lines that begin with the prefix, in order.
    std::vector<std::wstring> JournalStarting(const std::wstring& prefix) {
        std::vector<std::wstring> lines;
        for (const std::wstring& line : Journal())
            if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
        return lines;
    }
    void MarkJournal() { start_ = device().JournalSequence(); }

    // The journal as the device saw it: register writes "W 120=FF" and reads "R 129=A3" (a
    // register selected, then written or read), pin reads "pins?" and writes "pins=201",
    // "close" for the closing report, library calls without their "library " prefix and driver
    // requests as they are.
    std::vector<std::wstring> DeviceOperations() {
        std::vector<std::wstring> ops;
        std::wstring selected;
        bool pinsAsked = false;
        for (const std::wstring& line : Journal()) {
            if (line.rfind(L"library ", 0) == 0) {
                ops.push_back(line.substr(8));
            } else if (line.rfind(L"driver request", 0) == 0) {
                ops.push_back(line);
            } else if (line.rfind(L"HID out ", 0) == 0) {
                std::vector<unsigned> b;
                for (size_t at = 8; at + 1 < line.size(); at += 3)
                    b.push_back(std::stoul(line.substr(at, 2), nullptr, 16));
                pinsAsked = false;
                if (std::all_of(b.begin(), b.end(), [](unsigned v) { return v == 0; })) {
                    ops.push_back(L"close");
                } else if (b.size() >= 5 && b[4] == 0x30) {
                    ops.push_back(L"pins?");
                    pinsAsked = true;
                } else if (b.size() >= 5 && (b[4] & 0xFC) == 0x3C && b[3] == 0xFF) {
                    wchar_t text[16];
                    swprintf(text, 16, L"pins=%03X", b[2] | ((b[4] & 0x03) << 8));
                    ops.push_back(text);
                } else if (b.size() >= 5 && b[4] == 0x10) {
                    wchar_t text[8];
                    swprintf(text, 8, L"%X", b[2] | (b[3] << 8));
                    selected = text;
                } else if (b.size() >= 5 && b[4] == 0x20) {
                    wchar_t text[8];
                    swprintf(text, 8, L"%02X", b[2]);
                    ops.push_back(L"W " + selected + L"=" + text);
                }
            } else if (line.rfind(L"HID in ", 0) == 0 && !pinsAsked) {
                ops.push_back(L"R " + selected + L"=" + line.substr(13, 2));
            }
        }
        return ops;
    }
    uint8_t Register(uint16_t address) {
        return device().With([&](sim::State& s) { return s.registers[address]; });
    }
    void SetRegister(uint16_t address, uint8_t value) {
        device().With([&](sim::State& s) { s.registers[address] = value; });
    }

    // "HID out " and the report's bytes: the given ones, then zeros up to the length.
    static std::wstring Report(const wchar_t* kind, std::vector<uint8_t> bytes, size_t length) {
        bytes.resize(length, 0);
        return std::wstring(kind) + sim::SimulatedDevice::Hex(bytes.data(), bytes.size());
    }

  private:
    uint32_t start_ = 0;
};

#pragma once
// Tests against the simulated device: it starts from its default state, and the journal
// lines written during the test are at hand.
#include "simulated_device.h"

#include <gtest/gtest.h>

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

    // "HID out " and the report's bytes: the given ones, then zeros up to the length.
    static std::wstring Report(const wchar_t* kind, std::vector<uint8_t> bytes, size_t length) {
        bytes.resize(length, 0);
        return std::wstring(kind) + sim::SimulatedDevice::Hex(bytes.data(), bytes.size());
    }

  private:
    uint32_t start_ = 0;
};

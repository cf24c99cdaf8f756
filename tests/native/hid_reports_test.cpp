#include "device/hid_reports.h"

#include <gtest/gtest.h>

TEST(HidReports, RegisterAndPinReportsCarryTheProtocolBytes) {
    using Bytes = std::vector<uint8_t>;
    EXPECT_EQ(SelectRegisterReport(9, 0x18A), (Bytes{0x00, 0x60, 0x8A, 0x01, 0x10, 0, 0, 0, 0}));
    EXPECT_EQ(WriteRegisterReport(5, 0xC3), (Bytes{0x00, 0x60, 0xC3, 0x01, 0x20}));
    EXPECT_EQ(ReadPinsReport(6), (Bytes{0x00, 0x60, 0x00, 0x00, 0x30, 0}));
    const uint8_t pins[10] = {0, 1, 0, 0, 0, 0, 0, 1, 0, 1};
    EXPECT_EQ(WritePinsReport(5, pins), (Bytes{0x00, 0x60, 0x82, 0xFF, 0x3E}));
    // A short report is cut at its length instead of being overrun.
    EXPECT_EQ(SelectRegisterReport(4, 0x18A), (Bytes{0x00, 0x60, 0x8A, 0x01}));
    EXPECT_EQ(SelectRegisterReport(0, 0x18A), Bytes{});
}

TEST(HidReports, AnswersGiveRegisterValueAndPins) {
    const std::vector<uint8_t> answer = {0x00, 0x60, 0x85, 0x02, 0x00};
    EXPECT_EQ(RegisterValueOf(answer), 0x85);
    uint8_t pins[10];
    PinsOf(answer, pins);
    EXPECT_EQ(std::vector<uint8_t>(pins, pins + 10), (std::vector<uint8_t>{1, 0, 1, 0, 0, 0, 0, 1, 0, 1}));
    PinsOf({0x00}, pins); // too short an answer reads as all pins low
    EXPECT_EQ(std::vector<uint8_t>(pins, pins + 10), std::vector<uint8_t>(10, 0));
}

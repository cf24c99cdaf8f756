#include "device/hid_access.h"
#include "simulator_fixture.h"

class HidAccess : public SimulatedDeviceTest {};

TEST_F(HidAccess, RegisterWritesAndReadsSendTheProtocolReports) {
    HidHandle hid = OpenHidDevice(0x7A39, 0x4215);
    ASSERT_TRUE(hid);
    EXPECT_EQ(GetOutputReportLength(hid.get()), 65u);
    EXPECT_EQ(GetInputReportLength(hid.get()), 65u);

    MarkJournal();
    EXPECT_EQ(WriteRegister(hid.get(), 0x18A, 0x5A), 0);
    uint8_t value = 0;
    EXPECT_EQ(ReadRegister(hid.get(), 0x18A, &value), 0);
    EXPECT_EQ(value, 0x5A);
    EXPECT_EQ(Journal(), (std::vector<std::wstring>{
                             Report(L"HID out ", {0x00, 0x60, 0x8A, 0x01, 0x10}, 65),
                             Report(L"HID out ", {0x00, 0x60, 0x5A, 0x01, 0x20}, 65),
                             Report(L"HID out ", {0x00, 0x60, 0x8A, 0x01, 0x10}, 65),
                             Report(L"HID in ", {0x00, 0x60, 0x5A}, 65),
                         }));
    EXPECT_EQ(device().With([](sim::State& s) { return s.registers[0x18A]; }), 0x5A);
}

TEST_F(HidAccess, PinsAndClosingReport) {
    HidHandle hid = OpenHidDevice(0x7A39, 0x4215);
    ASSERT_TRUE(hid);
    const uint8_t written[10] = {1, 0, 1, 0, 0, 0, 0, 1, 1, 0};
    MarkJournal();
    EXPECT_EQ(WritePins(hid.get(), written), 0);
    uint8_t read[10] = {};
    EXPECT_EQ(ReadPins(hid.get(), read), 0);
    EXPECT_EQ(std::vector<uint8_t>(read, read + 10), std::vector<uint8_t>(written, written + 10));
    EXPECT_EQ(SendClosingReport(hid.get()), 0);
    EXPECT_EQ(Journal(), (std::vector<std::wstring>{
                             Report(L"HID out ", {0x00, 0x60, 0x85, 0xFF, 0x3D}, 65),
                             Report(L"HID out ", {0x00, 0x60, 0x00, 0x00, 0x30}, 65),
                             Report(L"HID in ", {0x00, 0x60, 0x85, 0x01}, 65),
                             Report(L"HID out ", {}, 65),
                         }));
}

TEST_F(HidAccess, FourByteOutputReportRefusesPinsButStillSendsRegisters) {
    device().SetReportLengths(4, 65);
    HidHandle hid = OpenHidDevice(0x7A39, 0x4215);
    ASSERT_TRUE(hid);
    uint8_t pins[10] = {};
    MarkJournal();
    EXPECT_EQ(ReadPins(hid.get(), pins), 2);
    EXPECT_EQ(WritePins(hid.get(), pins), 2);
    EXPECT_TRUE(Journal().empty());
    EXPECT_EQ(WriteRegister(hid.get(), 0x18A, 1), 0);
    EXPECT_EQ(Journal(),
              (std::vector<std::wstring>{L"HID out 00 60 8A 01", L"HID out 00 60 01 01"}));

    device().SetReportLengths(65, 4);
    EXPECT_EQ(ReadPins(hid.get(), pins), 5);
}

// A device whose input reports end before the value's byte gives an error, not a register
// that reads as 0; three bytes carry the value.
TEST_F(HidAccess, InputReportsTooShortForTheValueAreAnError) {
    device().With([](sim::State& s) { s.registers[0x18A] = 0x5A; });
    const struct {
        uint16_t inputLength;
        int result;
        uint8_t value;
    } cases[] = {{1, 5, 0xEE}, {2, 5, 0xEE}, {3, 0, 0x5A}};
    for (const auto& c : cases) {
        device().SetReportLengths(65, c.inputLength);
        HidHandle hid = OpenHidDevice(0x7A39, 0x4215);
        ASSERT_TRUE(hid);
        uint8_t value = 0xEE;
        MarkJournal();
        EXPECT_EQ(ReadRegister(hid.get(), 0x18A, &value), c.result) << c.inputLength;
        EXPECT_EQ(value, c.value) << c.inputLength;
        EXPECT_EQ(JournalStarting(L"HID in").size(), c.result == 0 ? 1u : 0u) << c.inputLength;
    }
}

TEST_F(HidAccess, OpensOnlyThePresentInterfaceOfTheRightDevice) {
    // Another vendor's HID interface is listed first; it is passed over.
    EXPECT_TRUE(OpenHidDevice(0x7A39, 0x4215));
    EXPECT_FALSE(OpenHidDevice(0x7A39, 0x4216));
    device().SetHidPresent(false);
    EXPECT_FALSE(OpenHidDevice(0x7A39, 0x4215));
    device().SetHidPresent(true);
    HidHandle hid = OpenHidDevice(0x7A39, 0x4215);
    ASSERT_TRUE(hid);
    device().Plug(false);
    EXPECT_FALSE(OpenHidDevice(0x7A39, 0x4215));
    // A handle kept across an unplug fails cleanly.
    uint8_t value = 0;
    EXPECT_EQ(WriteRegister(hid.get(), 0x10, 1), 1);
    EXPECT_EQ(ReadRegister(hid.get(), 0x10, &value), 1);
    EXPECT_EQ(WriteRegister(nullptr, 0x10, 1), 1);
    EXPECT_EQ(SendClosingReport(nullptr), 1);
}

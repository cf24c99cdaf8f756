#include "device/vid_pid.h"

#include <gtest/gtest.h>

TEST(ParseVidPid, ReadsUpToFourHexDigitsAfterEachMarker) {
    struct Case {
        const wchar_t* text;
        uint16_t vid, pid;
    };
    const Case cases[] = {
        {L"USB\\VID_7A39&PID_4215&REV_0100&MI_00", 0x7A39, 0x4215},
        {L"\\\\?\\hid#Vid_046d&Pid_c52b&mi_00#7&1", 0x046D, 0xC52B},
        {L"USB\\VID_7A39123&PID_42", 0x7A39, 0x0042},
        {L"USB\\VID_&PID_4215", 0x0000, 0x4215},
        {L"USB\\PID_4215", 0, 0},                 // no vendor ID: the product ID is not looked for
        {L"USB\\VID_7A39", 0x7A39, 0},
        {L"", 0, 0},
        {L"vid_7a39&pid_4215", 0, 0},             // lower-case markers are not read
    };
    for (const Case& c : cases) {
        VidPid ids = ParseVidPid(c.text);
        EXPECT_EQ(ids.vid, c.vid) << c.text;
        EXPECT_EQ(ids.pid, c.pid) << c.text;
    }
}

#include "os_version_table.h"

#include <gtest/gtest.h>

TEST(OsVersionCodes, FollowTheVersionTable) {
    struct Case {
        unsigned major, minor;
        int family, code;
    };
    const Case cases[] = {
        {4, 0, 0, 0x400}, {4, 10, 0, -1},  {5, 0, 2, 0x500},  {5, 1, 2, 0x501}, {5, 2, 2, 0x502},
        {5, 3, 2, -1},    {6, 0, 3, 0x600}, {6, 1, 4, 0x601}, {6, 2, 5, 0x602}, {6, 3, 5, 0x603},
        {6, 4, -1, -1},   {10, 0, 6, 0xA00}, {10, 1, 6, -1},  {3, 51, -1, -1},  {11, 0, -1, -1},
    };
    for (const Case& c : cases) {
        OsVersionCodes codes = OsVersionCodesFor(c.major, c.minor);
        EXPECT_EQ(codes.family, c.family) << c.major << "." << c.minor;
        EXPECT_EQ(codes.code, c.code) << c.major << "." << c.minor;
    }
}

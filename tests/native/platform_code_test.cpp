#include "shell/platform_code.h"

#include <gtest/gtest.h>

TEST(PlatformCode, FollowsTheFamilyAndVersion) {
    struct Case {
        unsigned id, major, minor;
        int code;
    };
    const Case cases[] = {
        {1, 4, 10, 1}, {1, 4, 90, 3}, {1, 4, 0, 0}, {2, 5, 0, 2}, {2, 5, 1, 4},
        {2, 5, 2, 0},  {2, 6, 1, 6},  {2, 10, 0, 6}, {2, 4, 0, 0}, {0, 6, 1, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(PlatformCodeFor(c.id, c.major, c.minor), c.code) << c.major << "." << c.minor;
}

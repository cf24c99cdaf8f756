// Prints what the OS version helper reports, so a test can run it under other Windows versions.
#include "version_info.h"

#include <cstdio>

int wmain() {
    int family = -9, code = -9, servicePack = -9;
    int result = GetOsVersion(&family, &code, &servicePack);
    std::printf("%d %d %X %d\n", result, family, static_cast<unsigned>(code), servicePack);
    return 0;
}

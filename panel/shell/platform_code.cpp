#include "shell/platform_code.h"

int PlatformCodeFor(unsigned platformId, unsigned major, unsigned minor) {
    if (platformId == kPlatformWindows9x && major == 4) {
        if (minor == 10) return 1;
        if (minor == 90) return 3;
        return 0;
    }
    if (platformId == kPlatformWindowsNt) {
        if (major == 5 && minor == 0) return 2;
        if (major == 5 && minor == 1) return 4;
        if (major > 5) return 6;
    }
    return 0;
}

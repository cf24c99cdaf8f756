#pragma once
// The platform code the panel keeps: which generation of the system it runs on.
//   1: 9x 4.10, 3: 9x 4.90, 2: NT 5.0, 4: NT 5.1, 6: NT above 5 (Vista and later), 0: other.
int PlatformCodeFor(unsigned platformId, unsigned major, unsigned minor);

const unsigned kPlatformWindows9x = 1;
const unsigned kPlatformWindowsNt = 2;

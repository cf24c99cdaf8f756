#pragma once
#include <windows.h>

// Sends a registered message of the package to every top-level window, waiting at most
// timeoutMs for each; a window that does not answer in time is not asked again.
void BroadcastAppMessage(UINT message, UINT timeoutMs);

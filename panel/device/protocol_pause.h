#pragma once
// The waits the device's protocol asks for between commands. Each thread keeps the time it
// spent in them, so that start-up can be measured without the pauses the device requires.
#include <windows.h>

void ProtocolPause(DWORD milliseconds);
// The calling thread's time spent in protocol pauses since it started, in milliseconds.
unsigned long ProtocolPauseTotal();

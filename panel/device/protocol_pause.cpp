#include "device/protocol_pause.h"

namespace {
thread_local unsigned long t_paused = 0;
} // namespace

void ProtocolPause(DWORD milliseconds) {
    Sleep(milliseconds);
    t_paused += milliseconds;
}

unsigned long ProtocolPauseTotal() {
    return t_paused;
}

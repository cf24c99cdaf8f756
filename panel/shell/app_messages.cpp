#include "shell/app_messages.h"

void BroadcastAppMessage(UINT message, UINT timeoutMs) {
    if (message == 0) return;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(HWND_BROADCAST, message, 0, 0, SMTO_NORMAL, timeoutMs, &ignored);
}

#include "run_hidden.h"

#include "win_handles.h"

#include <shellapi.h>

namespace {
// A quit request taken here is the caller's message loop's: the wait ends and the request is
// posted again, so that the loop still ends.
void PumpMessagesFor(DWORD milliseconds) {
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    }
}
} // namespace

int RunHidden(const std::wstring& filePath, int wait) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpFile = filePath.c_str();
    info.nShow = SW_HIDE;
    if (!ShellExecuteExW(&info)) return 1;
    UniqueHandle process(info.hProcess);
    if (wait < 0) {
        if (process) WaitForSingleObject(process.get(), INFINITE);
    } else if (wait > 0) {
        PumpMessagesFor(static_cast<DWORD>(wait));
    }
    return 0;
}

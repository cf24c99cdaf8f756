#include "progress_bar.h"

#include <commctrl.h>

namespace {
const wchar_t* ProgressClass() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
    return PROGRESS_CLASSW;
}
} // namespace

ProgressBar::ProgressBar(Form& owner, std::wstring name)
    : NativeControl(owner, std::move(name), ProgressClass(), L"", PBS_SMOOTH) {
    SendMessageW(Handle(), PBM_SETRANGE32, 0, 100);
}

int ProgressBar::Position() const {
    return static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0));
}
void ProgressBar::SetPosition(int percent) {
    SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(percent), 0);
}

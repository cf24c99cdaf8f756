#include "track_bar.h"

#include <commctrl.h>

namespace {
const wchar_t* TrackBarClass() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
    return TRACKBAR_CLASSW;
}
} // namespace

TrackBar::TrackBar(Form& owner, std::wstring name)
    : NativeControl(owner, std::move(name), TrackBarClass(), L"",
                    WS_TABSTOP | TBS_HORZ | TBS_BOTTOM | TBS_NOTICKS) {}

void TrackBar::SetRange(int minimum, int maximum) {
    SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageW(Handle(), TBM_SETRANGEMAX, TRUE, maximum);
    last_ = Position();
}

int TrackBar::Position() const {
    return static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0));
}

// Setting the position from the program is not a change the user made.
void TrackBar::SetPosition(int position) {
    SendMessageW(Handle(), TBM_SETPOS, TRUE, position);
    last_ = Position();
}

void TrackBar::Notify(WORD) {
    int position = Position();
    if (position == last_) return;
    last_ = position;
    if (OnChange) OnChange(*this);
}

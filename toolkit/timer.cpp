#include "timer.h"

#include "application.h"

#include <map>

namespace {
std::map<UINT_PTR, Timer*>& Timers() {
    static std::map<UINT_PTR, Timer*> timers;
    return timers;
}
} // namespace

Timer::~Timer() {
    SetEnabled(false);
}

void Timer::SetInterval(unsigned milliseconds) {
    interval_ = milliseconds;
    if (Enabled()) {
        SetEnabled(false);
        SetEnabled(true);
    }
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == Enabled()) return;
    if (enabled) {
        id_ = SetTimer(nullptr, 0, interval_, Fire);
        if (id_) Timers()[id_] = this;
    } else {
        KillTimer(nullptr, id_);
        Timers().erase(id_);
        id_ = 0;
    }
}

void CALLBACK Timer::Fire(HWND, UINT, UINT_PTR id, DWORD) {
    // Exceptions never cross the platform's callback; they reach the exception dialog.
    try {
        auto it = Timers().find(id);
        if (it != Timers().end() && it->second->OnTimer) it->second->OnTimer();
    } catch (...) {
        if (ApplicationExists()) Application().ShowCurrentException();
    }
}

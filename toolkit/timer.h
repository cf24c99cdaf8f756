#pragma once
// A timer on the GUI thread: OnTimer runs from the message loop every Interval milliseconds
// while Enabled.
#include <windows.h>

#include <functional>

class Timer {
  public:
    Timer() = default;
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned milliseconds);
    bool Enabled() const { return id_ != 0; }
    void SetEnabled(bool enabled);

    std::function<void()> OnTimer;

  private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD);
    unsigned interval_ = 1000;
    UINT_PTR id_ = 0;
};

#pragma once
// Collects the debug output of every process in this Wine session (the system-wide
// debug-output buffer that debug viewers use), so tests can assert on exact lines.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct DebugWrite {
    DWORD pid;
    std::wstring text;
};

class DebugMonitor {
  public:
    DebugMonitor();
    ~DebugMonitor();
    DebugMonitor(const DebugMonitor&) = delete;
    DebugMonitor& operator=(const DebugMonitor&) = delete;

    bool Active() const { return view_ != nullptr; }
    std::vector<DebugWrite> Writes() const;
    // Every write of one process, in order.
    std::vector<std::wstring> WritesOf(DWORD pid) const;
    std::wstring TextOf(DWORD pid) const;
    // Waits until the process has written the text (a substring of its joined writes).
    bool WaitFor(DWORD pid, const std::wstring& text, DWORD timeoutMs) const;
    void Clear();

  private:
    void Loop();
    HANDLE bufferReady_ = nullptr, dataReady_ = nullptr, mapping_ = nullptr;
    const BYTE* view_ = nullptr;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<DebugWrite> writes_;
};

#pragma once
// A program started under this test's debugger and held at the moment it is about to create a
// named mutex, so that a test can decide what happens in between (another program taking the
// name first, as when two start at the same moment). Release() lets it go on, no longer
// debugged. Held() is false when the program never came to that point. It writes a
// breakpoint into the program, which an emulator running the program may not notice.
#include <windows.h>

#include <string>

class HeldAtMutexCreation {
  public:
    HeldAtMutexCreation(const std::wstring& commandLine, const std::wstring& mutexName,
                        DWORD timeoutMs);
    ~HeldAtMutexCreation();
    HeldAtMutexCreation(const HeldAtMutexCreation&) = delete;
    HeldAtMutexCreation& operator=(const HeldAtMutexCreation&) = delete;

    bool Held() const { return held_; }
    DWORD Pid() const { return pid_; }
    void Release();
    // The exit code, or -1 when it did not end in time.
    long WaitExit(DWORD timeoutMs);

  private:
    bool Arm();
    bool Disarm();
    bool NamesTheMutex(DWORD threadId);
    bool Rewind(DWORD threadId, bool stepOver);
    void Detach();

    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
    DWORD heldThread_ = 0;
    std::wstring mutexName_;
    BYTE* entry_ = nullptr; // CreateMutexW, at the same address in every process of the prefix
    BYTE original_ = 0;
    bool armed_ = false;
    bool debugging_ = false;
    bool held_ = false;
};

#pragma once
// Small helpers for tests that run real programs, files, services and windows under Wine.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The folder of the running test program, ending in a backslash; the built programs lie there.
std::wstring BinFolder();

// A fresh folder under the temporary folder, removed with its contents at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::wstring& Path() const { return path_; } // ends in a backslash

  private:
    std::wstring path_;
};

void RemoveTree(const std::wstring& folder);
bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);
std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
// A UTF-16 LE file with its byte-order mark, as the profile functions read.
void WriteUtf16File(const std::wstring& path, const std::wstring& text);

class ChildProcess {
  public:
    // Starts commandLine; its standard output goes to a pipe read by Output().
    explicit ChildProcess(const std::wstring& commandLine, bool captureOutput = false);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Pid() const { return pid_; }
    HANDLE Handle() const { return process_; }
    // The exit code, or -1 when it did not end in time.
    long WaitExit(DWORD timeoutMs);
    bool Running() const;
    std::string Output();
    void Kill();

  private:
    HANDLE process_ = nullptr;
    HANDLE output_ = nullptr;
    DWORD pid_ = 0;
    std::string captured_;
};

// Polls until the condition holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD stepMs = 25);

// Top-level windows of one process with the given class (any class when empty).
std::vector<HWND> WindowsOf(DWORD pid, const std::wstring& className = std::wstring());
HWND WaitForWindow(DWORD pid, const std::wstring& className, DWORD timeoutMs);
std::wstring WindowText(HWND hwnd);
std::wstring ClassOf(HWND hwnd);
// The text of every static control of a dialog, joined with line feeds.
std::wstring DialogText(HWND dialog);

// Services installed for one test and removed (stopped first) at the end.
class TestService {
  public:
    TestService(const std::wstring& name, const std::wstring& commandLine);
    ~TestService();
    TestService(const TestService&) = delete;
    TestService& operator=(const TestService&) = delete;
    bool Installed() const { return installed_; }
    DWORD State() const;
    const std::wstring& Name() const { return name_; }

  private:
    std::wstring name_;
    bool installed_ = false;
};
void RemoveService(const std::wstring& name);

std::wstring Quoted(const std::wstring& path);
std::wstring ReadTextFile(const std::wstring& path);

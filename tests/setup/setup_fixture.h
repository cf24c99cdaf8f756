#pragma once
// The install steps in this process against the prefix's real registry, files, services and
// shell links, with the simulated device: a package source folder made from the staged
// package, the state the wizard would prepare from it, and the message boxes answered.
#include "debug_monitor.h"
#include "debug_output.h"
#include "install_sequence.h"
#include "setup_state.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Presses OK on every message box this process shows, keeping their texts.
class MessageBoxAnswerer {
  public:
    MessageBoxAnswerer();
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
    std::vector<std::wstring> Texts() const;
    std::vector<std::wstring> Captions() const;

  private:
    void Loop();
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<std::wstring> texts_, captions_;
    std::thread thread_;
};

// What a run of the worker thread posted to the wizard window.
struct WorkerRun {
    std::vector<int> progress;
    bool finished = false;
    DWORD boxClosedToFinishedMs = 0; // from the last box's close to WM_INSTALL_FINISHED
};

class SetupFixture : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The package source as setup finds it beside itself.
    static std::wstring Source();
    static void SetConfig(const std::wstring& section, const std::wstring& key,
                          const std::wstring& value);
    // A state as the wizard prepares it from the source folder.
    void PrepareState();
    // InstallThreadProc on a thread of its own, this thread being the wizard window's.
    WorkerRun RunWorker();
    // The "===== Install STEPn =====" lines written so far.
    std::vector<std::wstring> StepLines() const;
    // Removes what an installation leaves, so that each test starts from a clean system.
    void RemoveInstallation();

    SetupState state_;
    TempFolder userData_;
    DebugCapture debug_;
    MessageBoxAnswerer boxes_;
    DebugMonitor others_; // the device service and the helper, reported when a test fails
    int beeps_ = 0;
};

std::wstring LinkTarget(const std::wstring& linkPath);
std::wstring SpecialFolder(int csidl);
// A value below HKLM\SOFTWARE (32-bit view); empty when missing.
std::wstring RegString(const std::wstring& keyPath, const std::wstring& name);
bool RegKeyExists(HKEY root, const std::wstring& keyPath, REGSAM view);

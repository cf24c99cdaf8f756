#pragma once
// The install worker's work: the steps in their fixed order with their conditions and failure
// codes, and the step procedures themselves. It reads the wizard's prepared state, posts its
// progress to the wizard window and shows its messages in boxes owned by that window.
#include "device_operations.h"
#include "setup_names.h"
#include "setup_state.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

// The step procedures' own failure codes.
enum InstallStepCode : unsigned {
    InstallStepOk = 0,
    DriverServiceKeyFailed = 0x80000101,
    DriverResourceMissing = 0x80000102,
    DriverFileNotWritten = 0x80000103,
    ServiceResourceMissing = 0x80000201,
    ServiceFileNotWritten = 0x80000202,
    ServiceRegistrationTimedOut = 0x80000203,
    ServiceRegistrationNotStarted = 0x80000204,
    AppResourceMissing = 0x80000301,
    AppFileNotWritten = 0x80000302,
    LogonEntryNotWritten = 0x80000303,
    UninstallerResourceMissing = 0x80000401,
    UninstallerFileNotWritten = 0x80000402,
    UpdateNotStarted = 0x80000601,
    UpdateResourceMissing = 0x10000701,
    UpdateFileNotWritten = 0x10000702,
};

class InstallSequence {
  public:
    // window receives the progress messages and owns the message boxes (may be null).
    InstallSequence(const SetupState& state, HWND window);

    // The whole sequence; returns when it has ended, early or complete.
    void Install();

    // Driver (STEP1, the preparation before it and STEP9).
    bool PrepareDriver(); // false: the old driver is still at work, nothing may be installed
    unsigned Install_FilterDriver();
    void ActivateDriver();
    // Device service (STEP2).
    unsigned Install_DeviceService();
    // Files, shortcuts, entries (STEP3 to STEP8.1, STEP10).
    unsigned Install_Application();
    unsigned Install_Uninstaller();
    unsigned Copy_SupportFiles();
    unsigned Copy_KB3033929();
    unsigned Copy_UserManual();
    unsigned Copy_PluginFolder();
    unsigned Install_EffectApp();
    unsigned Install_SoundEffectApp();
    unsigned Install_KB3033929();

    // STEP9 as a step of the table (its result is never looked at).
    unsigned StepActivateDriver();

    HWND Window() const { return window_; }
    // What sounds the end of a complete run (a 500 Hz beep of 100 ms).
    void SetCompletionSound(std::function<void()> sound) { completionSound_ = std::move(sound); }

    // Paths the steps write.
    std::wstring PanelPath() const;
    std::wstring EffectAppPath() const;
    std::wstring SoundEffectAppPath() const;
    std::wstring DriverFilePath() const;
    std::wstring ServiceProgramPath() const;
    std::wstring UpdatePackagePath() const;

  private:
    void PostProgress(int percent) const;
    void ShowMessage(const std::wstring& text) const;
    unsigned InstallPluginProgram(const PayloadResource& payload, const std::wstring& path);

    const SetupState& state_;
    HWND window_;
    std::unique_ptr<DeviceOperations> devices_;
    std::function<void()> completionSound_;
};

// Asks the package's running programs to close ("WM_TRV42xxAPP_EXIT" to all top-level windows,
// at most 100 ms for each).
void BroadcastAppExit();

// The worker thread's entry: runs the sequence, waits half a second and posts
// WM_INSTALL_FINISHED to the window. The parameter is the InstallSequence.
DWORD WINAPI InstallThreadProc(LPVOID sequence);

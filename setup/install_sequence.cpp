#include "install_sequence.h"

#include "debug_output.h"
#include "service_control.h"
#include "setup_names.h"

namespace {

enum class StepCondition { Always, Plugins, Update };

} // namespace

// One row of the sequence: its log name, its procedure, when it runs, the code shown when it
// fails (none: its result is not looked at) and the progress posted after it succeeded.
struct InstallStep {
    const wchar_t* name;
    unsigned (InstallSequence::*run)();
    StepCondition condition;
    const wchar_t* failureCode;
    int progressAfter; // 0: none
};

namespace {

const InstallStep kSteps[] = {
    {L"STEP1", &InstallSequence::Install_FilterDriver, StepCondition::Always,
     L"(Code = 0x80000001)", 0},
    {L"STEP2", &InstallSequence::Install_DeviceService, StepCondition::Always,
     L"(Code = 0x80000002)", 0},
    {L"STEP3", &InstallSequence::Install_Application, StepCondition::Always, L"(Code = 0x80000003)",
     0},
    {L"STEP4", &InstallSequence::Install_Uninstaller, StepCondition::Always, L"(Code = 0x80000004)",
     0},
    {L"STEP5", &InstallSequence::Copy_SupportFiles, StepCondition::Always, L"(Code = 0x80000005)",
     0},
    {L"STEP6", &InstallSequence::Copy_UserManual, StepCondition::Always, nullptr, 0},
    {L"STEP7", &InstallSequence::Copy_PluginFolder, StepCondition::Plugins, L"(Code = 0x80000007)",
     0},
    {L"STEP8", &InstallSequence::Install_EffectApp, StepCondition::Plugins, L"(Code = 0x80000008)",
     0},
    {L"STEP8.1", &InstallSequence::Install_SoundEffectApp, StepCondition::Plugins,
     L"(Code = 0x80000008)", 0},
    {L"STEP9", &InstallSequence::StepActivateDriver, StepCondition::Always, nullptr, 0},
    {L"STEP10", &InstallSequence::Install_KB3033929, StepCondition::Update, L"(Code = 0x80000006)",
     100},
};

const size_t kFailureTextLength = 255; // a buffer of 256 wide characters

} // namespace

InstallSequence::InstallSequence(const SetupState& state, HWND window)
    : state_(state), window_(window),
      devices_(MakeDeviceOperations(ChooseDeviceOperations(state.is64), state.usbIds)),
      completionSound_([] { Beep(500, 100); }) {}

void InstallSequence::PostProgress(int percent) const {
    PostMessageW(window_, WM_INSTALL_PROGRESS, static_cast<WPARAM>(percent), 0);
}

void InstallSequence::ShowMessage(const std::wstring& text) const {
    MessageBoxW(window_, text.c_str(), kMessageBoxCaption, MB_OK);
}

unsigned InstallSequence::StepActivateDriver() {
    ActivateDriver();
    return InstallStepOk;
}

void BroadcastAppExit() {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(kAppExitMessageName), 0, 0,
                        SMTO_NORMAL | SMTO_ABORTIFHUNG, 100, &ignored);
}

void InstallSequence::Install() {
    DebugPrint(L"==> %s\n", L"TMainForm::Install");
    BroadcastAppExit();
    ControlTheService(kDeviceServiceName, ServiceControlStart);
    ControlTheService(kDeviceServiceName, kServicePrepareCode);
    ControlTheService(kDeviceServiceName, ServiceControlStop);
    if (!PrepareDriver()) return;
    PostProgress(1);
    std::wstring failureText = state_.Text(LabelWarning2).substr(0, kFailureTextLength);

    for (const InstallStep& step : kSteps) {
        bool runs = step.condition == StepCondition::Always ||
                    (step.condition == StepCondition::Plugins && state_.pluginFlag == 1) ||
                    (step.condition == StepCondition::Update && state_.updateFlag == 1);
        if (!runs) continue;
        DebugPrint(L"===== Install %s =====\n", step.name);
        unsigned result = (this->*step.run)();
        if (!step.failureCode) continue;
        if (result != InstallStepOk) {
            ShowMessage((failureText + step.failureCode).substr(0, kFailureTextLength));
            return;
        }
        if (step.progressAfter) PostProgress(step.progressAfter);
    }
    if (completionSound_) completionSound_();
}

DWORD WINAPI InstallThreadProc(LPVOID parameter) {
    auto* sequence = static_cast<InstallSequence*>(parameter);
    sequence->Install();
    Sleep(500);
    PostMessageW(sequence->Window(), WM_INSTALL_FINISHED, 0, 0);
    return 0;
}

// The package's programs and files in place: the panel with its shortcuts and logon entry
// (STEP3), the uninstaller with its entry (STEP4), the support files (STEP5), the manual (STEP6),
// the plug-ins (STEP7 to STEP8.1) and the platform update (STEP10).
#include "debug_output.h"
#include "file_operations.h"
#include "file_system.h"
#include "install_sequence.h"
#include "payload_resource.h"
#include "profile_text.h"
#include "registry_values.h"
#include "run_hidden.h"
#include "setup_names.h"
#include "shortcuts.h"

#include <vector>

namespace {

// Copied from the source folder into the install folder by STEP5, in this order.
std::vector<std::wstring> SupportFiles(const _APPLICATION_FOLDER_PATH& f) {
    return {kAppConfigFileName, f.InstallIconFileName, L"bee.wav", L"DLLTR_UsbAudio42xx_x32.dll"};
}

std::wstring PluginProgramPath(const _APPLICATION_FOLDER_PATH& f, const std::wstring& name) {
    return f.InstallFolderFullPath + f.PluginFolderName + L"\\" + name + L"\\" + name + L".exe";
}

} // namespace

std::wstring InstallSequence::PanelPath() const {
    return state_.folders.InstallFolderFullPath + state_.folders.APPFileName + L".exe";
}
std::wstring InstallSequence::EffectAppPath() const {
    return PluginProgramPath(state_.folders, state_.folders.EffectAPPFileName);
}
std::wstring InstallSequence::SoundEffectAppPath() const {
    return PluginProgramPath(state_.folders, state_.folders.SoundEffectAPPFileName);
}
std::wstring InstallSequence::UpdatePackagePath() const {
    return state_.folders.SystemX86FolderPath + kUpdatePackageFileName;
}

unsigned InstallSequence::Install_Application() {
    const _APPLICATION_FOLDER_PATH& f = state_.folders;
    size_t size = 0;
    const void* bytes = LoadPayloadResource(kPanelPayload.number, kPanelPayload.type, &size);
    if (!bytes) return AppResourceMissing;
    CreateFolderPath(f.InstallFolderFullPath);
    if (WriteBufferToFile(PanelPath(), bytes, size) != 0) return AppFileNotWritten;
    if (WriteRunEntry(f.APPFileName, L"\"" + PanelPath() + L"\" -boot") != 0)
        return LogonEntryNotWritten;
    CreateStartMenuShortcut(f.ShortcutFolderName, PanelPath(), f.AppShortcutName);
    if (state_.desktopShortcutFlag == 1) CreateDesktopShortcut(PanelPath(), f.AppShortcutName);
    PostProgress(70);
    return InstallStepOk;
}

unsigned InstallSequence::Install_Uninstaller() {
    size_t size = 0;
    const void* bytes =
        LoadPayloadResource(kUninstallerPayload.number, kUninstallerPayload.type, &size);
    if (!bytes) return UninstallerResourceMissing;
    if (WriteBufferToFile(state_.uninstall.uninstallString, bytes, size) != 0)
        return UninstallerFileNotWritten;
    CreateStartMenuShortcut(state_.folders.ShortcutFolderName, state_.uninstall.uninstallString,
                            state_.folders.UninstallShortcutName);
    WriteUninstallEntry(state_.uninstall);
    PostProgress(80);
    return InstallStepOk;
}

unsigned InstallSequence::Copy_SupportFiles() {
    const _APPLICATION_FOLDER_PATH& f = state_.folders;
    for (const std::wstring* folder : {&f.SkinFolderName, &f.LanguageFolderName}) {
        CopyFolderTree(f.SourceFolderFullPath + *folder + L"\\", f.InstallFolderFullPath);
        SetNormalAttributes(f.InstallFolderFullPath);
    }
    for (const std::wstring& name : SupportFiles(f)) {
        CopyOneFile(f.SourceFolderFullPath + name, f.InstallFolderFullPath + name);
        SetNormalAttributes(f.InstallFolderFullPath + name);
    }
    if (Copy_KB3033929() != 0) Copy_KB3033929();
    PostProgress(90);
    return InstallStepOk;
}

unsigned InstallSequence::Copy_KB3033929() {
    const wchar_t kName[] = L"TMainForm::Copy_KB3033929";
    DebugPrint(L"==> %s\n", kName);
    size_t size = 0;
    const void* bytes = LoadPayloadResource(kUpdatePayload.number, kUpdatePayload.type, &size);
    if (!bytes) {
        DebugPrint(L"***** %s (0x10000701) *****\n", kName);
        return UpdateResourceMissing;
    }
    if (WriteBufferToFile(UpdatePackagePath(), bytes, size) != 0) {
        DebugPrint(L"***** %s (0x10000702) *****\n", kName);
        return UpdateFileNotWritten;
    }
    SetNormalAttributes(UpdatePackagePath());
    return InstallStepOk;
}

unsigned InstallSequence::Copy_UserManual() {
    const _APPLICATION_FOLDER_PATH& f = state_.folders;
    std::wstring language;
    ReadProfileText(state_.userDataFolder + kAppConfigFileName, L"Language", L"DefaultLanguage",
                    language);
    std::wstring source = f.SourceFolderFullPath + L"Manual\\" + language + L"\\";
    std::wstring target = f.InstallFolderFullPath + L"Manual\\";
    std::wstring manual = FirstRegularFile(source);
    if (manual.empty()) return InstallStepOk;
    CreateFolderPath(target);
    CopyFolderTree(source, target);
    SetNormalAttributes(target);
    CreateStartMenuShortcut(f.ShortcutFolderName, target + language + L"\\" + manual,
                            f.UserManualShortcutName);
    return InstallStepOk;
}

unsigned InstallSequence::Copy_PluginFolder() {
    const _APPLICATION_FOLDER_PATH& f = state_.folders;
    std::wstring target = f.InstallFolderFullPath + f.PluginFolderName + L"\\";
    CreateFolderPath(target);
    CopyFolderTree(f.SourceFolderFullPath + f.PluginFolderName + L"\\", target);
    SetNormalAttributes(target);
    PostProgress(95);
    return InstallStepOk;
}

unsigned InstallSequence::InstallPluginProgram(const PayloadResource& payload,
                                               const std::wstring& path) {
    size_t size = 0;
    const void* bytes = LoadPayloadResource(payload.number, payload.type, &size);
    if (!bytes) return AppResourceMissing;
    CreateFolderPath(state_.folders.InstallFolderFullPath);
    // The program's folder comes from the plug-in folder copied before; it is not made here.
    if (WriteBufferToFile(path, bytes, size) != 0) return AppFileNotWritten;
    PostProgress(98);
    return InstallStepOk;
}

unsigned InstallSequence::Install_EffectApp() {
    return InstallPluginProgram(kEffectAppPayload, EffectAppPath());
}

unsigned InstallSequence::Install_SoundEffectApp() {
    return InstallPluginProgram(kSoundEffectAppPayload, SoundEffectAppPath());
}

unsigned InstallSequence::Install_KB3033929() {
    if (!state_.is64) {
        DebugPrint(L"##### The OS is 32-Bit #####\n");
        return InstallStepOk;
    }
    if (state_.osFamily != 4) {
        DebugPrint(L"##### The OS is not Win7 #####\n");
        return InstallStepOk;
    }
    if (state_.servicePack == 0) {
        DebugPrint(L"##### The OS is Win7, but not install the service pack! #####\n");
        return InstallStepOk;
    }
    if (IsUpdatePackageInstalled(kUpdatePackageName)) return InstallStepOk;
    DebugPrint(L"***** Service pack KDB3033929 not EXIST! *****\n");
    if (!state_.Text(LabelWarning4).empty()) ShowMessage(state_.Text(LabelWarning4));
    if (RunHidden(UpdatePackagePath(), -1) != 0) {
        DebugPrint(L"***** %s (0x80000601) *****\n", L"TMainForm::Install_KB3033929");
        return UpdateNotStarted;
    }
    return InstallStepOk;
}

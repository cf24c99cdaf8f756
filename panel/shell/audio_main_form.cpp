#include "audio_main_form.h"

#include "application.h"
#include "debug_output.h"
#include "exception.h"
#include "panel_role.h"

#include <windows.h>

namespace {
const int kDesignWidth = 819;
const int kDesignHeight = 513;

std::wstring ExecutablePath() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}
} // namespace

TAudioMainForm::TAudioMainForm() : Form({L"TAudioMainForm", L"", kDesignWidth, kDesignHeight, true}) {
    std::wstring exe = ExecutablePath();
    m_strAppFolder = exe.substr(0, exe.rfind(L'\\') + 1);
    LoadConfiguration();
    ReadRequiredSwitches();
}

void TAudioMainForm::LoadConfiguration() {
    LoadApplicationConfig(kAppConfigFileName, ExecutablePath(), m_AppFolderPath);
    Application().SetTitle(m_AppFolderPath.InstallAppTitle);
    SetCaption(Application().Title());
}

// Both keys are required: a missing or non-numeric value ends the start with the
// conversion error shown by the exception dialog.
void TAudioMainForm::ReadRequiredSwitches() {
    m_iRegionCut = StrToInt(ReadConfigText(ConfigFilePath(), L"Skin", L"RegionCut"));
    m_iSimpleEnable = StrToInt(ReadConfigText(ConfigFilePath(), L"Simple", L"Enable"));
}

void TAudioMainForm::FormCreate() { WriteDebugText(L"FormCreate"); }

void TAudioMainForm::FormActivate() {
    if (m_bActivated) return;
    m_bActivated = true;
    WriteDebugText(L"FormActivate");
    if (CommandLineHas(GetCommandLineW(), L"-serviceboot")) {
        WriteDebugText(L"-serviceboot");
        PostMessageW(Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    }
}

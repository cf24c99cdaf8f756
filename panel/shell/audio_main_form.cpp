#include "audio_main_form.h"

#include "application.h"
#include "debug_output.h"
#include "device_library.h"
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

TAudioMainForm::TAudioMainForm()
    : Form({L"TAudioMainForm", L"", kDesignWidth, kDesignHeight, true}) {
    if (!BindLibrary()) return;
    std::wstring exe = ExecutablePath();
    m_strAppFolder = exe.substr(0, exe.rfind(L'\\') + 1);
    LoadConfiguration();
    ReadRequiredSwitches();
    SearchDevice();
}

// Without the device library the panel can do nothing: it says so and closes.
bool TAudioMainForm::BindLibrary() {
    int result = BindDeviceLibrary();
    if (result == 0) return true;
    std::wstring text = FormatText(L"***** Open_DLLTR_UsbAudio42xx, ret = %d *****", result);
    MessageBoxW(Handle(), text.c_str(), Application().Title().c_str(), MB_OK);
    WriteDebugText(text);
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
    return false;
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

void TAudioMainForm::SearchDevice() {
    std::wstring hardwareId;
    if (!FindActiveDevice(m_AppFolderPath.SourceFolderFullPath, &hardwareId))
        FindActiveDevice(m_AppFolderPath.SourceFolderFullPath, &hardwareId);
    VidPid ids = ParseVidPid(hardwareId);
    m_wVid = ids.vid;
    m_wPid = ids.pid;
    SelectActiveDevice(ids);
    ShowDeviceState(CheckDevice(ids, &m_hDevice));
}

void TAudioMainForm::ShowDeviceState(DeviceState state) {
    m_bDevicePresent = state == DeviceState::Usable;
    m_bSync = m_bDevicePresent;
}

void TAudioMainForm::FormCreate() {
    WriteDebugText(L"FormCreate");
}

void TAudioMainForm::FormActivate() {
    if (m_bActivated) return;
    m_bActivated = true;
    WriteDebugText(L"FormActivate");
    if (CommandLineHas(GetCommandLineW(), L"-serviceboot")) {
        WriteDebugText(L"-serviceboot");
        PostMessageW(Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    }
}

#include "setup_fixture.h"

#include "device_operations.h"
#include "file_operations.h"
#include "fs_redirection.h"
#include "registry_values.h"
#include "service_control.h"
#include "setup_names.h"
#include "simulated_device.h"
#include "version_info.h"
#include "win_handles.h"

#include <shlobj.h>

#include <iostream>
#include <shobjidl.h>

namespace {

TempFolder* g_sourceFolder = nullptr;

BOOL CALLBACK CollectDialogs(HWND hwnd, LPARAM param) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == GetCurrentProcessId() && IsWindowVisible(hwnd) && ClassOf(hwnd) == L"#32770")
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

const wchar_t kSinkClass[] = L"SetupTestWizardWindow";
WorkerRun* g_run = nullptr;
DWORD g_lastBoxClosed = 0;

LRESULT CALLBACK SinkProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (g_run && msg == WM_INSTALL_PROGRESS) g_run->progress.push_back(static_cast<int>(wParam));
    if (g_run && msg == WM_INSTALL_FINISHED) g_run->finished = true;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace

MessageBoxAnswerer::MessageBoxAnswerer() : thread_([this] { Loop(); }) {}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    stop_ = true;
    thread_.join();
}

void MessageBoxAnswerer::Loop() {
    while (!stop_) {
        std::vector<HWND> dialogs;
        EnumWindows(CollectDialogs, reinterpret_cast<LPARAM>(&dialogs));
        for (HWND dialog : dialogs) {
            {
                std::lock_guard<std::mutex> lock(mutex_);
                std::wstring text = DialogText(dialog);
                while (!text.empty() && text.back() == L'\n')
                    text.pop_back();
                texts_.push_back(text);
                captions_.push_back(WindowText(dialog));
            }
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 10000);
            g_lastBoxClosed = GetTickCount();
        }
        Sleep(30);
    }
}

std::vector<std::wstring> MessageBoxAnswerer::Texts() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
}

std::vector<std::wstring> MessageBoxAnswerer::Captions() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return captions_;
}

std::wstring SetupFixture::Source() {
    return g_sourceFolder->Path() + L"Package\\";
}

void SetupFixture::SetConfig(const std::wstring& section, const std::wstring& key,
                             const std::wstring& value) {
    WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(),
                               (Source() + kAppConfigFileName).c_str());
}

// The staged package with a manual, a sound and the update flag off (the update step has tests
// of its own).
void SetupFixture::SetUpTestSuite() {
    UseSimulatedDevicesWhenSelected();
    g_sourceFolder = new TempFolder();
    std::wstring stage = BinFolder() + L"..\\stage\\";
    CreateDirectoryW(Source().c_str(), nullptr);
    for (const wchar_t* folder : {L"Skin", L"Language", L"Plugin"})
        CopyFolderTree(stage + folder + L"\\", Source());
    for (const wchar_t* file : {L"AudioConfig.cfg", L"Kestrel.ico", L"DLLTR_UsbAudio42xx_x32.dll"})
        CopyFileW((stage + file).c_str(), (Source() + file).c_str(), FALSE);
    WriteFileBytes(Source() + L"bee.wav", "RIFF stand-in");
    CreateFolderPath(Source() + L"Manual\\English\\");
    WriteFileBytes(Source() + L"Manual\\English\\Manual.txt", "The manual");
    SetConfig(L"Install", L"InstallWindowsKB", L"0");
}

void SetupFixture::TearDownTestSuite() {
    delete g_sourceFolder;
    g_sourceFolder = nullptr;
}

void SetupFixture::SetUp() {
    ASSERT_TRUE(SimulatorSelected()) << "setup's tests run with TRV42XX_SIMULATOR=1";
    sim::SimulatedDevice::Instance().Reset();
    PrepareState();
}

void SetupFixture::TearDown() {
    if (HasFailure())
        for (const DebugWrite& write : others_.Writes())
            if (write.pid != GetCurrentProcessId()) std::wcerr << write.pid << L": " << write.text;
    RemoveInstallation();
}

void SetupFixture::PrepareState() {
    std::wstring config = Source() + kAppConfigFileName;
    LoadApplicationConfig(kAppConfigFileName, Source() + L"Harrow.exe", state_.folders,
                          ConfigReader::Setup);
    ASSERT_EQ(state_.usbIds.Load(config, L"USB_VID_PID"), DeviceIdLoaded);
    ASSERT_EQ(state_.usbIds.SaveToRegistry(kUsbDeviceIdGroupKey), 0);
    state_.is64 = IsWow64();
    GetOsVersion(&state_.osFamily, &state_.osVersionCode, &state_.servicePack);
    state_.version = L"1.0.2.3";
    state_.userDataFolder = userData_.Path();
    WriteFileBytes(userData_.Path() + kAppConfigFileName,
                   "[Language]\r\nDefaultLanguage=English\r\n");
    state_.pluginFlag = ReadConfigText(config, L"Plugin", L"PluginFolderName").empty() ? 0 : 1;
    state_.desktopShortcutFlag = ReadConfigInt(config, L"Install", L"DesktopShortcutEnable");
    state_.updateFlag = ReadConfigText(config, L"Install", L"InstallWindowsKB").empty()
                            ? 1
                            : ReadConfigInt(config, L"Install", L"InstallWindowsKB");
    state_.texts[LabelWarning1].text = L"The old driver is still at work.";
    state_.texts[LabelWarning2].text = L"Setup failed.";
    state_.texts[LabelWarning3].text = L"The headset's extension does not answer.";
    state_.texts[LabelWarning4].text = L"A Windows update is needed.";
    FillUninstallRecord(state_);
}

WorkerRun SetupFixture::RunWorker() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = SinkProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kSinkClass;
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, kSinkClass, L"Wizard", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    WorkerRun run;
    g_run = &run;
    g_lastBoxClosed = 0;
    InstallSequence sequence(state_, window);
    sequence.SetCompletionSound([this] { ++beeps_; });
    UniqueHandle thread(CreateThread(nullptr, 0, InstallThreadProc, &sequence, 0, nullptr));
    DWORD start = GetTickCount();
    while (!run.finished && GetTickCount() - start < 300000) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    if (run.finished && g_lastBoxClosed)
        run.boxClosedToFinishedMs = GetTickCount() - g_lastBoxClosed;
    WaitForSingleObject(thread.get(), 30000);
    g_run = nullptr;
    DestroyWindow(window);
    return run;
}

std::vector<std::wstring> SetupFixture::StepLines() const {
    std::vector<std::wstring> lines;
    for (const std::wstring& w : debug_.Writes())
        if (w.rfind(L"===== Install ", 0) == 0) lines.push_back(w);
    return lines;
}

void SetupFixture::RemoveInstallation() {
    RemoveService(kDeviceServiceName);
    const _APPLICATION_FOLDER_PATH& f = state_.folders;
    {
        void* previous = nullptr;
        bool wow64 = IsWow64();
        if (wow64) DisableFsRedirection(&previous);
        DeleteFileW((f.SystemFolderPath + L"Meridel.exe").c_str());
        DeleteFileW((f.SystemFolderPath + L"drivers\\Polder.sys").c_str());
        if (wow64) RevertFsRedirection(previous);
    }
    DeleteFileW((f.SystemX86FolderPath + kUpdatePackageFileName).c_str());
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Services\\Polder");
    RemoveTree(f.InstallFolderFullPath);
    RemoveTree(SpecialFolder(CSIDL_COMMON_PROGRAMS) + f.ShortcutFolderName + L"\\");
    DeleteFileW((SpecialFolder(CSIDL_DESKTOPDIRECTORY) + f.AppShortcutName + L".lnk").c_str());
    UniqueRegKey software;
    RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE", 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                  software.put());
    RegDeleteKeyValueW(software.get(), L"Microsoft\\Windows\\CurrentVersion\\Run",
                       f.APPFileName.c_str());
    RegDeleteTreeW(software.get(),
                   L"Microsoft\\Windows\\CurrentVersion\\Uninstall\\TRV42xxAudioExt");
    RegDeleteTreeW(software.get(), kSoftwareKeyName);
}

std::wstring LinkTarget(const std::wstring& linkPath) {
    ComScope com;
    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.put_void())))
        return L"";
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.put_void())) ||
        FAILED(file->Load(linkPath.c_str(), 0)))
        return L"";
    wchar_t target[MAX_PATH] = L"";
    link->GetPath(target, MAX_PATH, nullptr, 0);
    return target;
}

std::wstring SpecialFolder(int csidl) {
    wchar_t path[MAX_PATH] = L"";
    SHGetSpecialFolderPathW(nullptr, path, csidl, FALSE);
    return std::wstring(path) + L"\\";
}

std::wstring RegString(const std::wstring& keyPath, const std::wstring& name) {
    wchar_t data[1024] = L"";
    DWORD size = sizeof data - sizeof(wchar_t), type = 0;
    UniqueRegKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, (L"SOFTWARE\\" + keyPath).c_str(), 0,
                      KEY_READ | KEY_WOW64_32KEY, key.put()) != ERROR_SUCCESS ||
        RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return L"";
    return data;
}

bool RegKeyExists(HKEY root, const std::wstring& keyPath, REGSAM view) {
    UniqueRegKey key;
    return RegOpenKeyExW(root, keyPath.c_str(), 0, KEY_READ | view, key.put()) == ERROR_SUCCESS;
}

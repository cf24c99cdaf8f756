// Stand-in for the package's uninstaller: removes what setup installed, reading the names from
// the AudioConfig.cfg that setup copied beside it. A program cannot delete its own file while it
// runs, so it first copies itself to the temporary folder and lets that copy do the work once
// the original has ended. The per-user folder and the update package are left in place.
#include "app_config.h"
#include "fs_redirection.h"
#include "service_control.h"
#include "win_handles.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

namespace {

// Below HKLM\SOFTWARE in the 32-bit programs' view, where setup wrote them.
const wchar_t kSoftwareKey[] = L"TRV 42xx Software";
const wchar_t kRunKey[] = L"Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kUninstallKey[] = L"Microsoft\\Windows\\CurrentVersion\\Uninstall\\TRV42xxAudioExt";

std::wstring OwnPath() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

std::wstring SpecialFolder(int id) {
    wchar_t path[MAX_PATH] = L"";
    return SHGetSpecialFolderPathW(nullptr, path, id, FALSE) ? std::wstring(path) + L"\\"
                                                             : std::wstring();
}

// Files and folders below it, then the folder itself.
void RemoveFolder(const std::wstring& folder) {
    std::wstring base = folder;
    if (!base.empty() && base.back() == L'\\') base.pop_back();
    if (base.empty()) return;
    WIN32_FIND_DATAW found;
    UniqueFindHandle find(FindFirstFileW((base + L"\\*").c_str(), &found));
    if (find) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = base + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolder(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(find.get(), &found));
    }
    find.reset();
    RemoveDirectoryW(base.c_str());
}

UniqueRegKey SoftwareKey() {
    UniqueRegKey key;
    RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE", 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, key.put());
    return key;
}

void DeleteKey(const wchar_t* path) {
    if (UniqueRegKey software = SoftwareKey()) RegDeleteTreeW(software.get(), path);
}

void DeleteValue(const wchar_t* keyPath, const std::wstring& name) {
    UniqueRegKey software = SoftwareKey();
    if (software) RegDeleteKeyValueW(software.get(), keyPath, name.c_str());
}

void RemoveService() {
    ControlTheService(L"Meridel", ServiceControlStop);
    UniqueServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager) return;
    UniqueServiceHandle service(OpenServiceW(manager.get(), L"Meridel", DELETE));
    if (service) DeleteService(service.get());
}

void Uninstall(const std::wstring& installFolder) {
    _APPLICATION_FOLDER_PATH record;
    LoadApplicationConfig(kAppConfigFileName, installFolder + L"Uninstall.exe", record,
                          ConfigReader::Setup);

    // Running programs of the package close on this message.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"WM_TRV42xxAPP_EXIT"), 0, 0,
                        SMTO_NORMAL, 100, &ignored);
    RemoveService();

    void* redirection = nullptr;
    bool wow64 = IsWow64();
    if (wow64) DisableFsRedirection(&redirection);
    DeleteFileW((record.SystemFolderPath + L"Meridel.exe").c_str());
    DeleteFileW((record.SystemFolderPath + L"drivers\\Polder.sys").c_str());
    if (wow64) RevertFsRedirection(redirection);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Services\\Polder");

    if (!record.ShortcutFolderName.empty())
        RemoveFolder(SpecialFolder(CSIDL_COMMON_PROGRAMS) + record.ShortcutFolderName);
    if (!record.AppShortcutName.empty())
        DeleteFileW(
            (SpecialFolder(CSIDL_DESKTOPDIRECTORY) + record.AppShortcutName + L".lnk").c_str());

    if (!record.APPFileName.empty()) DeleteValue(kRunKey, record.APPFileName);
    DeleteKey(kUninstallKey);
    DeleteKey(kSoftwareKey);
    DeleteKey(L"TRV USB DeviceId Group");
    DeleteKey(L"TRV HID DeviceId Group");

    // Programs that were asked to close may still be ending and hold their files a moment.
    for (int attempt = 0; attempt < 20; ++attempt) {
        RemoveFolder(installFolder);
        if (GetFileAttributesW(installFolder.c_str()) == INVALID_FILE_ATTRIBUTES) break;
        Sleep(500);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring installFolder;
    DWORD originalPid = 0;
    for (int i = 1; argv && i + 1 < count; ++i) {
        if (std::wstring(argv[i]) == L"--folder")
            installFolder = argv[++i];
        else if (std::wstring(argv[i]) == L"--wait")
            originalPid = wcstoul(argv[++i], nullptr, 10);
    }
    LocalFree(argv);

    if (installFolder.empty()) {
        // Started from the install folder: hand over to a copy outside it.
        std::wstring self = OwnPath();
        installFolder = self.substr(0, self.rfind(L'\\') + 1);
        wchar_t temp[MAX_PATH] = L"";
        GetTempPathW(MAX_PATH, temp);
        std::wstring copy = std::wstring(temp) + L"TRV42xxUninstall.exe";
        if (!CopyFileW(self.c_str(), copy.c_str(), FALSE)) {
            Uninstall(installFolder); // everything but this file
            return 0;
        }
        // Without its last backslash, which would escape the closing quote.
        std::wstring line = L"\"" + copy + L"\" --folder \"" +
                            installFolder.substr(0, installFolder.size() - 1) + L"\" --wait " +
                            std::to_wstring(GetCurrentProcessId());
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process))
            return 1;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return 0;
    }

    if (originalPid) {
        UniqueHandle original(OpenProcess(SYNCHRONIZE, FALSE, originalPid));
        if (original) WaitForSingleObject(original.get(), 30000);
    }
    if (installFolder.back() != L'\\') installFolder += L'\\';
    Uninstall(installFolder);
    MoveFileExW(OwnPath().c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    return 0;
}

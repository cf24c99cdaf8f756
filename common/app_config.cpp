#include "app_config.h"

#include "debug_output.h"
#include "fs_redirection.h"
#include "int_conversions.h"
#include "profile_text.h"

#include <windows.h>
#include <shlobj.h>

const wchar_t kAppConfigFileName[] = L"AudioConfig.cfg";

namespace {

struct LoaderKey {
    std::wstring _APPLICATION_FOLDER_PATH::*field;
    const wchar_t* section;
    const wchar_t* name;
    bool setupOnly;
};

// The loader's keys, in the order they are read.
const LoaderKey kLoaderKeys[] = {
    {&_APPLICATION_FOLDER_PATH::LanguageFolderName, L"Language", L"LanguageFolderName", false},
    {&_APPLICATION_FOLDER_PATH::SkinFolderName, L"Skin", L"SkinFolderName", false},
    {&_APPLICATION_FOLDER_PATH::InstallAppTitle, L"Install", L"InstallAppTitle", false},
    {&_APPLICATION_FOLDER_PATH::InstallIconFileName, L"Install", L"InstallIconFileName", false},
    {&_APPLICATION_FOLDER_PATH::InstallFolderName, L"Install", L"InstallFolderName", false},
    {&_APPLICATION_FOLDER_PATH::ShortcutFolderName, L"Install", L"ShortcutFolderName", false},
    {&_APPLICATION_FOLDER_PATH::AppShortcutName, L"Install", L"AppShortcutName", false},
    {&_APPLICATION_FOLDER_PATH::UninstallShortcutName, L"Uninstall", L"UninstallShortcutName", false},
    {&_APPLICATION_FOLDER_PATH::Publisher, L"Uninstall", L"Publisher", false},
    {&_APPLICATION_FOLDER_PATH::UninstallDisplayName, L"Uninstall", L"UninstallDisplayName", false},
    {&_APPLICATION_FOLDER_PATH::APPFileName, L"Install", L"APPFileName", false},
    {&_APPLICATION_FOLDER_PATH::UserManualShortcutName, L"Install", L"UserManualShortcutName", false},
    {&_APPLICATION_FOLDER_PATH::UninstallFileName, L"Uninstall", L"UninstallFileName", false},
    {&_APPLICATION_FOLDER_PATH::EffectAPPFileName, L"Install", L"EffectAPPFileName", false},
    {&_APPLICATION_FOLDER_PATH::PluginFolderName, L"Plugin", L"PluginFolderName", false},
    {&_APPLICATION_FOLDER_PATH::SoundEffectAPPFileName, L"Install", L"SoundEffectAPPFileName", true},
};

std::wstring WithBackslash(std::wstring path) {
    if (path.empty() || path.back() != L'\\') path += L'\\';
    return path;
}

// The folder with a final backslash; empty when the platform does not give it (its buffer may
// then hold anything, or nothing, which a backslash would turn into the drive's root).
std::wstring SpecialFolder(int id, bool create) {
    wchar_t path[MAX_PATH] = L"";
    if (!SHGetSpecialFolderPathW(nullptr, path, id, create ? TRUE : FALSE) || !path[0])
        return std::wstring();
    return WithBackslash(path);
}

} // namespace

int LoadApplicationConfig(const std::wstring& configFileName, const std::wstring& executablePath,
                          _APPLICATION_FOLDER_PATH& record, ConfigReader reader) {
    size_t slash = executablePath.rfind(L'\\');
    record.SourceAppFileName = slash == std::wstring::npos ? executablePath : executablePath.substr(slash + 1);
    record.SourceFolderFullPath = slash == std::wstring::npos ? std::wstring() : executablePath.substr(0, slash + 1);
    DebugPrint(L"##### SourceAppFileName = %.*s\n", 255, record.SourceAppFileName);
    DebugPrint(L"##### SourceFolderFullPath = %.*s\n", 255, record.SourceFolderFullPath);
    record.AppFolderPath = record.SourceFolderFullPath;

    const std::wstring file = record.SourceFolderFullPath + configFileName;
    for (const LoaderKey& key : kLoaderKeys) {
        if (key.setupOnly && reader != ConfigReader::Setup) continue;
        ReadProfileText(file, key.section, key.name, record.*key.field);
    }

    // The 32-bit program's view of program files, also when this build is a 64-bit one.
    record.ProgramFilesPath = SpecialFolder(CSIDL_PROGRAM_FILESX86, false);
    record.InstallFolderFullPath = record.ProgramFilesPath.empty()
                                       ? std::wstring()
                                       : record.ProgramFilesPath + record.InstallFolderName + L"\\";

    const bool wow64 = IsWow64();
    record.SystemX86FolderPath = SpecialFolder(wow64 ? CSIDL_SYSTEMX86 : CSIDL_SYSTEM, true);

    void* redirection = nullptr;
    if (wow64) DisableFsRedirection(&redirection);
    wchar_t system[MAX_PATH + 1] = L"";
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (wow64) RevertFsRedirection(redirection);
    record.SystemFolderPath =
        length > 0 && length < MAX_PATH ? WithBackslash(system) : std::wstring();

    const bool complete = !record.ProgramFilesPath.empty() && !record.SystemX86FolderPath.empty() &&
                          !record.SystemFolderPath.empty();
    if (!complete) DebugPrint(L"***** LoadApplicationConfig: a system folder is unknown *****\n");
    return complete ? AppConfigLoaded : AppConfigFolderMissing;
}

std::wstring ReadConfigText(const std::wstring& filePath, const std::wstring& section, const std::wstring& name) {
    wchar_t buffer[256];
    DWORD length = GetPrivateProfileStringW(section.c_str(), name.c_str(), L"", buffer, 256, filePath.c_str());
    return std::wstring(buffer, length);
}

int ReadConfigInt(const std::wstring& filePath, const std::wstring& section, const std::wstring& name) {
    return LeadingDigitsToInt(ReadConfigText(filePath, section, name));
}

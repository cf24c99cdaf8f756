#pragma once
// The configuration record both programs fill once at start from AudioConfig.cfg beside
// their executable.
#include <string>

struct _APPLICATION_FOLDER_PATH {
    std::wstring AppFolderPath;
    std::wstring SourceAppFileName;
    std::wstring LanguageFolderName;
    std::wstring SkinFolderName;
    std::wstring ProgramFilesPath;
    std::wstring InstallAppTitle;
    std::wstring InstallIconFileName;
    std::wstring InstallFolderName;
    std::wstring ShortcutFolderName;
    std::wstring AppShortcutName;
    std::wstring UninstallShortcutName;
    std::wstring Publisher;
    std::wstring UninstallDisplayName;
    std::wstring SourceFolderFullPath;
    std::wstring InstallFolderFullPath;
    std::wstring APPFileName;
    std::wstring UninstallFileName;
    std::wstring UserManualShortcutName;
    std::wstring SystemX86FolderPath;
    std::wstring SystemFolderPath;
    std::wstring EffectAPPFileName;
    std::wstring PluginFolderName;
    std::wstring SoundEffectAPPFileName; // read by setup only
};

enum class ConfigReader { Panel, Setup };

extern const wchar_t kAppConfigFileName[]; // "AudioConfig.cfg"

enum AppConfigResult {
    AppConfigLoaded = 0,
    // The platform did not give one of its folders (program files, the system folders): that
    // field and those built on it stay empty, so that no path falls back to the drive's root.
    // Setup must not install then.
    AppConfigFolderMissing = 1,
};
int LoadApplicationConfig(const std::wstring& configFileName, const std::wstring& executablePath,
                          _APPLICATION_FOLDER_PATH& record,
                          ConfigReader reader = ConfigReader::Panel);

// A key of the configuration file converted with leading digits (missing or empty: 0).
int ReadConfigInt(const std::wstring& filePath, const std::wstring& section, const std::wstring& name);
// The raw text of a key (255 characters at most), empty when missing.
std::wstring ReadConfigText(const std::wstring& filePath, const std::wstring& section, const std::wstring& name);

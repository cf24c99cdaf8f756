#include "app_config.h"
#include "debug_output.h"
#include "fs_redirection.h"
#include "test_support.h"

#include <shlobj.h>

#include <gtest/gtest.h>

namespace {
std::wstring Special(int id) {
    wchar_t path[MAX_PATH] = L"";
    SHGetSpecialFolderPathW(nullptr, path, id, FALSE);
    return std::wstring(path) + L"\\";
}

const wchar_t kConfig[] =
    L"; product configuration\r\n"
    L"[Language]\r\nLanguageFolderName=Language\r\n"
    L"[Skin]\r\nSkinFolderName=Skin\r\nRegionCut=1\r\n"
    L"[Install]\r\nInstallAppTitle=TRV Audio\r\nInstallIconFileName=Kestrel.ico\r\nInstallFolderName=TRV Audio\r\n"
    L"ShortcutFolderName=TRV\r\nAppShortcutName=TRV Audio Panel\r\nAPPFileName=Kestrel\r\n"
    L"UserManualShortcutName=Manual\r\nEffectAPPFileName=Effect\r\nSoundEffectAPPFileName=Sound\r\n"
    L"[Uninstall]\r\nUninstallShortcutName=Uninstall\r\nPublisher=TRV\r\nUninstallDisplayName=TRV Audio\r\n"
    L"UninstallFileName=Uninstall.exe\r\n"
    L"[Plugin]\r\nPluginFolderName=Plugin\r\n";
} // namespace

TEST(LoadApplicationConfig, FillsTheRecordFromTheFileBesideTheProgram) {
    TempFolder temp;
    WriteUtf16File(temp.Path() + L"AudioConfig.cfg", kConfig);
    _APPLICATION_FOLDER_PATH record;
    DebugCapture capture;
    EXPECT_EQ(LoadApplicationConfig(L"AudioConfig.cfg", temp.Path() + L"app.exe", record,
                                    ConfigReader::Setup),
              AppConfigLoaded);

    EXPECT_EQ(capture.Writes(), (std::vector<std::wstring>{L"##### SourceAppFileName = app.exe\n",
                                                            L"##### SourceFolderFullPath = " + temp.Path() + L"\n"}));
    EXPECT_EQ(record.SourceAppFileName, L"app.exe");
    EXPECT_EQ(record.SourceFolderFullPath, temp.Path());
    EXPECT_EQ(record.AppFolderPath, temp.Path());
    const std::pair<const std::wstring*, const wchar_t*> fields[] = {
        {&record.LanguageFolderName, L"Language"},      {&record.SkinFolderName, L"Skin"},
        {&record.InstallAppTitle, L"TRV Audio"},        {&record.InstallIconFileName, L"Kestrel.ico"},
        {&record.InstallFolderName, L"TRV Audio"},      {&record.ShortcutFolderName, L"TRV"},
        {&record.AppShortcutName, L"TRV Audio Panel"},  {&record.UninstallShortcutName, L"Uninstall"},
        {&record.Publisher, L"TRV"},                    {&record.UninstallDisplayName, L"TRV Audio"},
        {&record.APPFileName, L"Kestrel"},              {&record.UserManualShortcutName, L"Manual"},
        {&record.UninstallFileName, L"Uninstall.exe"},  {&record.EffectAPPFileName, L"Effect"},
        {&record.PluginFolderName, L"Plugin"},          {&record.SoundEffectAPPFileName, L"Sound"},
    };
    for (auto& [field, value] : fields) EXPECT_EQ(*field, value);

    // The 32-bit program's folders, in either build.
    EXPECT_EQ(record.ProgramFilesPath, Special(CSIDL_PROGRAM_FILESX86));
    EXPECT_EQ(record.InstallFolderFullPath, record.ProgramFilesPath + L"TRV Audio\\");
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(record.SystemFolderPath, std::wstring(system) + L"\\");
    EXPECT_EQ(record.SystemX86FolderPath, Special(IsWow64() ? CSIDL_SYSTEMX86 : CSIDL_SYSTEM));
    if (IsWow64()) {
        EXPECT_NE(record.SystemX86FolderPath, record.SystemFolderPath);
    } else {
        EXPECT_EQ(record.SystemX86FolderPath, record.SystemFolderPath);
    }
}

TEST(LoadApplicationConfig, PanelSkipsSetupKeysAndMissingFileLeavesFieldsEmpty) {
    TempFolder temp;
    WriteUtf16File(temp.Path() + L"AudioConfig.cfg", kConfig);
    _APPLICATION_FOLDER_PATH panel;
    LoadApplicationConfig(L"AudioConfig.cfg", temp.Path() + L"Kestrel.exe", panel);
    EXPECT_EQ(panel.SoundEffectAPPFileName, L"");
    EXPECT_EQ(panel.EffectAPPFileName, L"Effect");

    TempFolder empty;
    _APPLICATION_FOLDER_PATH none;
    LoadApplicationConfig(L"AudioConfig.cfg", empty.Path() + L"Kestrel.exe", none);
    EXPECT_EQ(none.InstallAppTitle, L"");
    EXPECT_EQ(none.InstallFolderFullPath, none.ProgramFilesPath + L"\\");
    EXPECT_EQ(none.ProgramFilesPath.back(), L'\\');
}

// When the platform does not give the program files folder, the record says so and holds no
// install folder, rather than one at the drive's root that setup would install into.
TEST(LoadApplicationConfig, UnknownProgramFilesFolderIsReportedNotTheDriveRoot) {
    TempFolder temp;
    WriteUtf16File(temp.Path() + L"AudioConfig.cfg", kConfig);
    // The platform's own record of the folder, in this program's registry view, made empty.
    const wchar_t kKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion";
    const wchar_t kValue[] = L"ProgramFilesDir (x86)";
    wchar_t saved[MAX_PATH] = L"";
    DWORD size = sizeof saved;
    ASSERT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, kKey, kValue, RRF_RT_REG_SZ, nullptr, saved, &size),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kKey, kValue, REG_SZ, L"", sizeof(wchar_t)),
              ERROR_SUCCESS);
    _APPLICATION_FOLDER_PATH record;
    const int result = LoadApplicationConfig(L"AudioConfig.cfg", temp.Path() + L"Harrow.exe",
                                             record, ConfigReader::Setup);
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kKey, kValue, REG_SZ, saved,
                              static_cast<DWORD>((wcslen(saved) + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    EXPECT_EQ(result, AppConfigFolderMissing);
    EXPECT_EQ(record.ProgramFilesPath, L"");
    EXPECT_EQ(record.InstallFolderFullPath, L"");
    EXPECT_EQ(record.InstallFolderName, L"TRV Audio");
    EXPECT_FALSE(record.SystemFolderPath.empty());
}

TEST(ConfigKeys, LeadingDigitsAndRawText) {
    TempFolder temp;
    const std::wstring file = temp.Path() + L"AudioConfig.cfg";
    WriteUtf16File(file, L"[Version]\r\nOldVersion=1\r\nDefaultIni=2x\r\nBee=\r\n[Mic]\r\nMonitor=0\r\n");
    EXPECT_EQ(ReadConfigInt(file, L"Version", L"OldVersion"), 1);
    EXPECT_EQ(ReadConfigInt(file, L"Version", L"DefaultIni"), 2);
    EXPECT_EQ(ReadConfigInt(file, L"Version", L"Bee"), 0);
    EXPECT_EQ(ReadConfigInt(file, L"Version", L"Missing"), 0);
    EXPECT_EQ(ReadConfigText(file, L"Mic", L"Monitor"), L"0");
    EXPECT_EQ(ReadConfigText(file, L"Version", L"Bee"), L"");
}

#include "wizard_data.h"

#include "debug_output.h"
#include "default_settings.h"
#include "file_operations.h"
#include "file_system.h"
#include "profile_text.h"
#include "registry_values.h"
#include "win_handles.h"

namespace {

std::wstring ConfigPath(const std::wstring& folder) {
    return folder + kAppConfigFileName;
}

std::wstring Read(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
    std::wstring text;
    ReadProfileText(file, section, key, text);
    return text;
}

} // namespace

bool StoreDeviceIdGroups(SetupState& state) {
    const std::wstring config = ConfigPath(state.folders.SourceFolderFullPath);
    const std::pair<CDeviceIdMgr*, std::pair<const wchar_t*, const wchar_t*>> groups[] = {
        {&state.usbIds, {L"USB_VID_PID", kUsbDeviceIdGroupKey}},
        {&state.hidIds, {L"HID_VID_PID", kHidDeviceIdGroupKey}},
    };
    for (const auto& group : groups)
        if (group.first->Load(config, group.second.first) != DeviceIdLoaded ||
            group.first->SaveToRegistry(group.second.second) != 0)
            return false;
    return true;
}

std::wstring UserDataFolderFor(const _APPLICATION_FOLDER_PATH& folders) {
    wchar_t appData[256] = L"";
    DWORD length = GetEnvironmentVariableW(L"APPDATA", appData, 256);
    if (length == 0 || length >= 256) return std::wstring();
    std::wstring folder = std::wstring(appData) + L"\\" + folders.InstallFolderName + L"\\";
    return folder.substr(0, 255);
}

void PrepareUserDataFolder(const std::wstring& userDataFolder, const std::wstring& sourceFolder) {
    if (userDataFolder.empty() || FirstRegularFile(userDataFolder) == kAppConfigFileName) return;
    CreateFolderPath(userDataFolder);
    for (const wchar_t* name : {kAppConfigFileName, L"DefaultProfile.ini"}) {
        CopyOneFile(sourceFolder + name, userDataFolder + name);
        SetNormalAttributes(userDataFolder + name);
    }
}

std::vector<LanguageChoice> LanguageList(const _APPLICATION_FOLDER_PATH& folders) {
    std::vector<LanguageChoice> list;
    const std::wstring root = folders.SourceFolderFullPath + folders.LanguageFolderName + L"\\";
    WIN32_FIND_DATAW found;
    UniqueFindHandle find(FindFirstFileW((root + L"*").c_str(), &found));
    if (!find) return list;
    do {
        std::wstring name = found.cFileName;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || name == L"." || name == L"..")
            continue;
        std::wstring display =
            Read(ConfigPath(folders.SourceFolderFullPath), L"MultiLanguageFolderMap", name);
        if (!display.empty()) list.push_back({name, display});
    } while (FindNextFileW(find.get(), &found));
    return list;
}

int LanguageIndexFor(const std::vector<LanguageChoice>& list, const std::wstring& preselection) {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].folder == preselection) return static_cast<int>(i);
    return list.empty() ? -1 : 0;
}

std::wstring LoadSetupTexts(const _APPLICATION_FOLDER_PATH& folders, const std::wstring& language,
                            SetupTexts& texts) {
    const std::wstring file = folders.SourceFolderFullPath + folders.LanguageFolderName + L"\\" +
                              language + L"\\Language.ini";
    std::wstring badKey;
    for (size_t key = 0; key < SetupTextKeyCount; ++key) {
        int bad = ApplySetupTextValue(Read(file, L"Setup", kSetupTextKeyNames[key]), texts[key]);
        if (bad && badKey.empty()) badKey = kSetupTextKeyNames[key];
    }
    return badKey;
}

void ReadInstallFlags(SetupState& state) {
    const std::wstring config = ConfigPath(state.folders.SourceFolderFullPath);
    state.pluginFlag = Read(config, L"Plugin", L"PluginFolderName").empty() ? 0 : 1;
    state.desktopShortcutFlag = ReadConfigInt(config, L"Install", L"DesktopShortcutEnable");
    std::wstring update = Read(config, L"Install", L"InstallWindowsKB");
    state.updateFlag = update.empty() ? 1 : ReadConfigInt(config, L"Install", L"InstallWindowsKB");
}

void SaveDefaultSettings(const std::wstring& sourceFolder) {
    const std::wstring config = ConfigPath(sourceFolder);
    for (const DefaultSettingWrite& write :
         DefaultSettingWrites([&](const std::wstring&section, const std::wstring&key) {
             return Read(config, section, key);
         })) {
        int result = WriteRegDword(write.keyPath, write.name, write.value);
        if (result != 0) DebugPrint(write.failureLine, result);
    }
}

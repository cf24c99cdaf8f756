#pragma once
// What the wizard reads and prepares when it is shown, apart from its controls: the device ID
// groups in the registry, the per-user data folder, the language list and texts, the install
// flags and the default device settings.
#include "setup_state.h"

#include <string>
#include <vector>

// Loads both groups from the source folder's configuration into the state and stores them in
// the registry. False when a group cannot be loaded or stored: setup then quits silently.
bool StoreDeviceIdGroups(SetupState& state);

// "APPDATA" + "\" + InstallFolderName + "\"; empty without an "APPDATA" variable.
std::wstring UserDataFolderFor(const _APPLICATION_FOLDER_PATH& folders);

// Unless the folder's first regular file is "AudioConfig.cfg", creates the folder and copies
// "AudioConfig.cfg" and "DefaultProfile.ini" from the source folder into it, overwriting.
void PrepareUserDataFolder(const std::wstring& userDataFolder, const std::wstring& sourceFolder);

struct LanguageChoice {
    std::wstring folder;      // the language folder's name
    std::wstring displayName; // from "MultiLanguageFolderMap"
};

// The language folders in listing order that the configuration names; folders without a
// display name are left out.
std::vector<LanguageChoice> LanguageList(const _APPLICATION_FOLDER_PATH& folders);

// The entry to select for a preselected folder name: its index, else 0 (-1 for an empty list).
int LanguageIndexFor(const std::vector<LanguageChoice>& list, const std::wstring& preselection);

// Section "Setup" of the language's Language.ini into the entries, which keep the optional
// fields the file leaves out. Returns the first key whose numeric field is not an integer,
// or empty.
std::wstring LoadSetupTexts(const _APPLICATION_FOLDER_PATH& folders, const std::wstring& language,
                            SetupTexts& texts);

// The plug-in, desktop-shortcut and update flags from the source folder's configuration.
void ReadInstallFlags(SetupState& state);

// Seeds the registry with the package's microphone-feature defaults; failed writes are logged.
void SaveDefaultSettings(const std::wstring& sourceFolder);

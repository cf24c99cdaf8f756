#pragma once
// The platform side of skins and languages: files read with the profile reader, folder
// lists for the menus, the per-user choice, and the window's region file.
#include "ui/language_texts.h"
#include "ui/profile_reader.h"

#include <cstdint>
#include <string>
#include <vector>

class Form;
class Label;

// Reads keys of one INI file with the platform's profile functions (255 characters at most).
ProfileReader ProfileFileReader(const std::wstring& path);

// The names of the sub-folders of a folder, in the order the platform lists them.
std::vector<std::wstring> ListSubfolders(const std::wstring& folder);

// The per-user configuration file: APPDATA + "\" + installFolderName + "\AudioConfig.cfg".
std::wstring PerUserConfigPath(const std::wstring& installFolderName);
struct UserChoices {
    std::wstring skin;     // DefaultSkin of section Skin, at most 127 characters
    std::wstring language; // DefaultLanguage of section Language, at most 127 characters
};
// Both stay empty when the file does not exist; nothing is written when it does not exist.
UserChoices ReadUserChoices(const std::wstring& perUserFile);
void SaveUserChoices(const std::wstring& perUserFile, const UserChoices& choices);

// A region file: the platform's region data block with its header.
struct RegionFile {
    std::vector<uint8_t> bytes;
    int width = 0;  // the 32-bit value at offset 24
    int height = 0; // ... at offset 28
};
// False (file untouched) when the file is missing, shorter than its header, or its header
// does not describe the rectangles that follow.
bool ReadRegionFile(const std::wstring& path, RegionFile& region);
// Sizes the window to the region's width and height and gives it the region's outline.
bool ApplyWindowRegion(Form& form, const RegionFile& region);

// Applies one text item to one label: text (hidden when empty or "(null)"), colour (up or
// down, the item taking the global colours it lacks), font name, scaled font size, geometry.
void ApplyTextItem(TextItem& item, Label& label, bool useUpColour, const LanguageTexts& texts);

#pragma once
#include <string>

// Links in the all-users start menu (folderName is created there) and on the user's desktop.
void CreateStartMenuShortcut(const std::wstring& folderName, const std::wstring& targetPath,
                             const std::wstring& shortcutName);
void CreateDesktopShortcut(const std::wstring& targetPath, const std::wstring& shortcutName);

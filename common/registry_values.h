#pragma once
// Registry values under the local-machine root, in the 32-bit view the programs were made for.
#include <cstdint>
#include <string>

struct _REG_UNINSTALL_INFO {
    std::wstring keyPath; // below the local-machine root
    std::wstring displayName;
    std::wstring uninstallString;
    std::wstring displayIcon;
    std::wstring displayVersion;
    std::wstring publisher;
};

// keyPath is below "SOFTWARE\". 0 on success, 1 when the key or value cannot be written.
int WriteRegString(const std::wstring& keyPath, const std::wstring& valueName, const std::wstring& text);
int WriteRegDword(const std::wstring& keyPath, const std::wstring& valueName, uint32_t value);

// 0 and the value; 1 when the key did not exist (it is created now); 2 when the value is
// missing or not a 4-byte REG_DWORD. The out value is only written on success.
int ReadRegDword(const std::wstring& keyPath, const std::wstring& valueName, uint32_t* value);

// Looks in the 64-bit view, where servicing packages are recorded.
bool IsUpdatePackageInstalled(const std::wstring& updateName);

// 0; 1 when the Run key cannot be created or the value cannot be written.
int WriteRunEntry(const std::wstring& valueName, const std::wstring& commandLine);
// False when the key cannot be opened or created, or one of its five values cannot be written
// (the others are written all the same).
bool WriteUninstallEntry(const _REG_UNINSTALL_INFO& info);

// The profile files on the platform: a key read through the profile functions, and where the
// per-user profiles lie.
#include "effects/profile_values.h"

#include <windows.h>

bool ReadProfileValue(const std::wstring& path, const std::wstring& section,
                      const std::wstring& key, std::wstring& value) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (path.empty() || attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    wchar_t buffer[256] = L"";
    GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer, 256, path.c_str());
    value = buffer;
    return true;
}

std::wstring PerUserProfilePath(const std::wstring& folderName, const std::wstring& fileName) {
    wchar_t appdata[256] = L"";
    DWORD length = GetEnvironmentVariableW(L"APPDATA", appdata, 256);
    if (length == 0 || length >= 256) return std::wstring();
    return std::wstring(appdata) + L"\\" + folderName + L"\\" + fileName;
}

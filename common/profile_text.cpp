#include "profile_text.h"

#include <windows.h>

int WriteProfileText(const std::wstring& filePath, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) {
    return WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), filePath.c_str()) ? 0 : 1;
}

int ReadProfileText(const std::wstring& filePath, const std::wstring& section, const std::wstring& key,
                    std::wstring& text) {
    wchar_t buffer[1024];
    DWORD length =
        GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer, 1024, filePath.c_str());
    if (length == 0) return 1;
    text.assign(buffer, length);
    return 0;
}

#pragma once
#include <string>

// Private-profile (INI) keys. Write: 0 or 1. Read: 0 and the text when the key yields at
// least one character (1024 at most), else 1 with the out text unchanged.
int WriteProfileText(const std::wstring& filePath, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value);
int ReadProfileText(const std::wstring& filePath, const std::wstring& section, const std::wstring& key,
                    std::wstring& text);

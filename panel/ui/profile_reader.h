#pragma once
// Where skin and language keys come from: section and key to the value, empty when missing
// (at most 255 characters, as the platform's profile reader gives them).
#include <functional>
#include <string>

using ProfileReader =
    std::function<std::wstring(const std::wstring& section, const std::wstring& key)>;

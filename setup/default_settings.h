#pragma once
// The package's factory defaults of noise cancellation and voice change, as the registry values
// setup seeds from the source folder's AudioConfig.cfg. Platform-neutral: the configuration
// comes through a reader, the values go out as a list.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The text of a key, empty when it is missing or empty.
using ConfigTextReader =
    std::function<std::wstring(const std::wstring& section, const std::wstring& key)>;

struct DefaultSettingWrite {
    std::wstring keyPath; // below "SOFTWARE\"
    std::wstring name;
    uint32_t value;
    const wchar_t*
        failureLine; // written to the debug output when the write fails; "%d": its result
};

// In writing order: the "EncValueMap" lines 1 to 19 that hold a name and a number, then
// "EncEnable" (0 when missing), then "EncScalar", "VoiceMagicEnable" and "VoiceMagicLevel"
// when given.
std::vector<DefaultSettingWrite> DefaultSettingWrites(const ConfigTextReader& read);

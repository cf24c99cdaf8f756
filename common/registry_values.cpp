#include "registry_values.h"

#include "registry_walk.h"
#include "text_format.h"
#include "win_handles.h"

namespace {

const REGSAM kView32 = KEY_WOW64_32KEY;

bool CreateKey(const std::wstring& path, REGSAM access, UniqueRegKey& key, DWORD* disposition = nullptr) {
    return RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           access | kView32, nullptr, key.put(), disposition) == ERROR_SUCCESS;
}

bool SetString(HKEY key, const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ) {
    DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()), bytes) ==
           ERROR_SUCCESS;
}

} // namespace

int WriteRegString(const std::wstring& keyPath, const std::wstring& valueName, const std::wstring& text) {
    UniqueRegKey key;
    if (!CreateKey(L"SOFTWARE\\" + keyPath, KEY_ALL_ACCESS, key)) return 1;
    return SetString(key.get(), valueName.c_str(), text) ? 0 : 1;
}

int WriteRegDword(const std::wstring& keyPath, const std::wstring& valueName, uint32_t value) {
    UniqueRegKey key;
    if (!CreateKey(L"SOFTWARE\\" + keyPath, KEY_ALL_ACCESS, key)) return 1;
    DWORD data = value;
    return RegSetValueExW(key.get(), valueName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof data) == ERROR_SUCCESS
               ? 0
               : 1;
}

int ReadRegDword(const std::wstring& keyPath, const std::wstring& valueName, uint32_t* value) {
    UniqueRegKey key;
    DWORD disposition = 0;
    if (!CreateKey(L"SOFTWARE\\" + keyPath, KEY_ALL_ACCESS, key, &disposition)) return 2;
    if (disposition == REG_CREATED_NEW_KEY) return 1;
    DWORD type = 0, data = 0, size = sizeof data;
    if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof data)
        return 2;
    if (value) *value = data;
    return 0;
}

bool IsUpdatePackageInstalled(const std::wstring& updateName) {
    UniqueRegKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                      L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Component Based Servicing\\Packages",
                      0, KEY_READ | KEY_WOW64_64KEY, key.put()) != ERROR_SUCCESS)
        return false;
    std::wstring prefix = FormatText(L"Package_for_%s~", updateName);
    if (prefix.size() > 255) prefix.resize(255);
    DWORD subkeys = 0;
    if (RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
        subkeys == 0)
        return false;
    bool found = false;
    ForEachSubkey(key.get(), [&](const std::wstring& name) {
        found = name.compare(0, prefix.size(), prefix) == 0 && name.size() >= prefix.size();
        return !found;
    });
    return found;
}

// A value that cannot be written is a failure too: setup must not go on as if the panel
// would start at logon.
int WriteRunEntry(const std::wstring& valueName, const std::wstring& commandLine) {
    UniqueRegKey key;
    if (!CreateKey(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", KEY_READ | KEY_WRITE, key))
        return 1;
    return SetString(key.get(), valueName.c_str(), commandLine) ? 0 : 1;
}

bool WriteUninstallEntry(const _REG_UNINSTALL_INFO& info) {
    UniqueRegKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, info.keyPath.c_str(), 0, KEY_ALL_ACCESS | kView32, key.put()) !=
            ERROR_SUCCESS &&
        !CreateKey(info.keyPath, KEY_ALL_ACCESS, key))
        return false;
    const std::pair<const wchar_t*, const std::wstring*> values[] = {
        {L"DisplayName", &info.displayName},
        {L"UninstallString", &info.uninstallString},
        {L"DisplayIcon", &info.displayIcon},
        {L"DisplayVersion", &info.displayVersion},
        {L"Publisher", &info.publisher}};
    // Every value is tried; any that is not written makes the entry a failure.
    bool written = true;
    for (const auto& [name, text] : values)
        written = SetString(key.get(), name, *text) && written;
    return written;
}

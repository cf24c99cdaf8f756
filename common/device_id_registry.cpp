// The device ID groups' copy in the registry: setup stores a group, the panel reads it back.
#include "device_id_mgr.h"

#include "text_format.h"
#include "win_handles.h"

namespace {

// Values are numbered from 1; a group is read up to the first number that is missing.
std::wstring ValueName(int n) {
    return FormatText(L"%d", n);
}

bool CreateGroupKey(const std::wstring& keyName, UniqueRegKey& key, DWORD* disposition) {
    return RegCreateKeyExW(HKEY_LOCAL_MACHINE, (L"SOFTWARE\\" + keyName).c_str(), 0, nullptr,
                           REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr,
                           key.put(), disposition) == ERROR_SUCCESS;
}

// The text of a string value that fits 2048 bytes, up to its first null.
bool ReadEntry(HKEY key, int n, std::wstring& text) {
    wchar_t data[1024];
    DWORD type = 0, size = sizeof data;
    if (RegQueryValueExW(key, ValueName(n).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data),
                         &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    text.assign(data, size / sizeof(wchar_t));
    size_t end = text.find(L'\0');
    if (end != std::wstring::npos) text.resize(end);
    return true;
}

} // namespace

int CDeviceIdMgr::LoadFromRegistry(const std::wstring& keyName) {
    UniqueRegKey key;
    DWORD disposition = 0;
    if (!CreateGroupKey(keyName, key, &disposition)) return 1;
    if (disposition == REG_CREATED_NEW_KEY) return 1;
    Clear();
    std::wstring entry;
    for (int n = 1; ReadEntry(key.get(), n, entry); ++n)
        entries_.push_back(entry);
    key.reset();
    return DecodeEntries() != 0 ? 1 : 0;
}

int CDeviceIdMgr::SaveToRegistry(const std::wstring& keyName) {
    UniqueRegKey key;
    DWORD disposition = 0;
    if (!CreateGroupKey(keyName, key, &disposition)) return 1;
    int n = 1;
    for (const auto& id : ids_) {
        std::wstring data = id.first + L"," + id.second;
        if (RegSetValueExW(key.get(), ValueName(n).c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(data.c_str()),
                           static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) !=
            ERROR_SUCCESS)
            return 1;
        ++n;
    }
    // Numbers left from an earlier, longer group would be read back as part of this one.
    while (RegDeleteValueW(key.get(), ValueName(n).c_str()) == ERROR_SUCCESS)
        ++n;
    return 0;
}

#include "registry_walk.h"

LONG ForEachSubkey(HKEY key, const std::function<bool(const std::wstring& name)>& visit) {
    for (DWORD index = 0;; ++index) {
        wchar_t name[260];
        DWORD length = 260;
        const LONG result =
            RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS) return result;
        if (!visit(std::wstring(name, length))) return ERROR_SUCCESS;
    }
}

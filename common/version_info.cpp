#include "version_info.h"

#include "os_version_table.h"
#include "text_format.h"

#include <windows.h>

#include <vector>

int GetFileVersionString(const std::wstring& filePath, std::wstring& version) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(filePath.c_str(), &ignored);
    if (size == 0) return 1;
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(filePath.c_str(), 0, size, block.data())) return 2;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length)) return 3;
    if (length == 0 || !fixed) return 4;
    if (fixed->dwSignature == 0xFEEF04BD)
        version = FormatText(L"%d.%d.%d.%d", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                             HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS));
    return 0;
}

int GetOsVersion(int* family, int* versionCode, int* servicePackMajor) {
    using Fn = LONG(WINAPI*)(OSVERSIONINFOEXW*);
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    auto rtlGetVersion =
        ntdll ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion"))) : nullptr;
    if (!rtlGetVersion) return 1;
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (rtlGetVersion(&info) != 0) return 2;
    OsVersionCodes codes = OsVersionCodesFor(info.dwMajorVersion, info.dwMinorVersion);
    if (family) *family = codes.family;
    if (versionCode) *versionCode = codes.code;
    if (servicePackMajor) *servicePackMajor = info.wServicePackMajor;
    return 0;
}

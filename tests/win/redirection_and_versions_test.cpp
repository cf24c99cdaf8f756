#include "fs_redirection.h"
#include "test_support.h"
#include "version_info.h"

#include <gtest/gtest.h>

TEST(FsRedirection, OnlyA32BitProcessOnA64BitSystemIsRedirected) {
    void* state = nullptr;
    if (sizeof(void*) == 4) {
        EXPECT_TRUE(IsWow64());
        ASSERT_NE(DisableFsRedirection(&state), 0);
        // Without redirection the 32-bit process sees the 64-bit system folder's own files.
        wchar_t system[MAX_PATH];
        GetSystemDirectoryW(system, MAX_PATH);
        std::string bytes = ReadFileBytes(std::wstring(system) + L"\\kernel32.dll");
        EXPECT_NE(RevertFsRedirection(state), 0);
        ASSERT_GT(bytes.size(), 0x200u);
        uint32_t pe = *reinterpret_cast<const uint32_t*>(bytes.data() + 0x3C);
        uint16_t machine = *reinterpret_cast<const uint16_t*>(bytes.data() + pe + 4);
        EXPECT_EQ(machine, 0x8664);
    } else {
        EXPECT_FALSE(IsWow64());
        EXPECT_EQ(DisableFsRedirection(&state), 0);
        EXPECT_EQ(RevertFsRedirection(state), 0);
    }
}

TEST(FileVersion, ReadsTheProgramsVersionResource) {
    std::wstring version = L"untouched";
    EXPECT_EQ(GetFileVersionString(BinFolder() + L"Kestrel.exe", version), 0);
    EXPECT_EQ(version, L"1.0.0.0");
}

TEST(FileVersion, FileWithoutVersionGivesOneAndLeavesTheText) {
    TempFolder temp;
    WriteFileBytes(temp.Path() + L"plain.txt", "no version here");
    std::wstring version = L"untouched";
    EXPECT_EQ(GetFileVersionString(temp.Path() + L"plain.txt", version), 1);
    EXPECT_EQ(GetFileVersionString(temp.Path() + L"missing.exe", version), 1);
    EXPECT_EQ(version, L"untouched");
}

TEST(OsVersion, ReportsTheRunningSystemAndAcceptsMissingOutputs) {
    int family = -9, code = -9, servicePack = -9;
    ASSERT_EQ(GetOsVersion(&family, &code, &servicePack), 0);
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&info);
#pragma GCC diagnostic pop
    if (info.dwMajorVersion == 6 && info.dwMinorVersion == 1) {
        EXPECT_EQ(family, 4);
        EXPECT_EQ(code, 0x601);
    }
    EXPECT_GE(servicePack, 0);
    EXPECT_EQ(GetOsVersion(nullptr, nullptr, nullptr), 0);
}

// Wine reports another Windows version to one program when asked per program name.
TEST(OsVersion, FollowsTheReportedVersion) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\os_version_probe.exe", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    struct Case {
        const wchar_t* wineVersion;
        const char* printed; // result family code(hex)
    };
    const Case cases[] = {{L"win81", "0 5 603"}, {L"win10", "0 6 A00"}, {L"win7", "0 4 601"}, {L"vista", "0 3 600"}};
    for (const Case& c : cases) {
        RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(c.wineVersion),
                       static_cast<DWORD>((wcslen(c.wineVersion) + 1) * sizeof(wchar_t)));
        ChildProcess probe(Quoted(BinFolder() + L"os_version_probe.exe"), true);
        ASSERT_TRUE(probe.Started());
        std::string output = probe.Output();
        EXPECT_EQ(probe.WaitExit(30000), 0);
        EXPECT_EQ(output.substr(0, strlen(c.printed)), c.printed) << output;
    }
    RegCloseKey(key);
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\os_version_probe.exe");
}

#include "test_support.h"
#include "version_info.h"

#include <gtest/gtest.h>

#include <cstring>

// Setup carries the panel byte for byte as its resource "APP" 107.
TEST(Package, SetupCarriesThePanelAsApp107) {
    HMODULE setup = LoadLibraryExW((BinFolder() + L"Harrow.exe").c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(setup, nullptr);
    HRSRC found = FindResourceW(setup, MAKEINTRESOURCEW(107), L"APP");
    ASSERT_NE(found, nullptr);
    DWORD size = SizeofResource(setup, found);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(setup, found)));
    ASSERT_NE(bytes, nullptr);
    const std::string panel = ReadFileBytes(BinFolder() + L"Kestrel.exe");
    ASSERT_GT(panel.size(), 0u);
    EXPECT_EQ(std::string(bytes, size), panel);
    FreeLibrary(setup);
}

TEST(Package, BothProgramsCarryTheirVersion) {
    for (const wchar_t* program : {L"Kestrel.exe", L"Harrow.exe"}) {
        std::wstring version;
        EXPECT_EQ(GetFileVersionString(BinFolder() + program, version), 0) << program;
        EXPECT_EQ(version, L"1.0.0.0") << program;
        HMODULE module =
            LoadLibraryExW((BinFolder() + program).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr);
        EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)), nullptr)
            << program; // icon group
        FreeLibrary(module);
    }
}

namespace {
// The machine a program was built for, from its PE header.
WORD MachineOf(const std::string& image) {
    if (image.size() < 0x40) return 0;
    uint32_t pe = 0;
    memcpy(&pe, image.data() + 0x3C, 4);
    if (pe + 6 > image.size()) return 0;
    WORD machine = 0;
    memcpy(&machine, image.data() + pe + 4, 2);
    return machine;
}
} // namespace

// Every payload setup writes is carried byte for byte; the driver, service and helper builds
// that a 32-bit setup uses on a 64-bit system are 64-bit programs.
TEST(Package, SetupCarriesItsPayloads) {
    struct Payload {
        int number;
        const wchar_t* type;
        const wchar_t* file; // relative to the programs' folder
        WORD machine;        // 0: not a program, or this build's
    };
    const Payload payloads[] = {
        {102, L"DRIVER", L"..\\payloads\\Polder32.sys", 0},
        {103, L"DRIVER", L"..\\payloads\\Polder64.sys", 0},
        {105, L"Service", L"Meridel.exe", 0},
        {106, L"Service", sizeof(void*) == 8 ? L"Meridel.exe" : L"..\\x64\\Meridel.exe",
         IMAGE_FILE_MACHINE_AMD64},
        {107, L"APP", L"Kestrel.exe", 0},
        {108, L"UNINSTALL", L"Uninstall.exe", 0},
        {110, L"WindowPatch", L"..\\payloads\\Windows6.1-KB3033929-x64.msu", 0},
        {111, L"APP", L"Plugin\\Effect\\Effect.exe", 0},
        {112, L"APP", L"Plugin\\SoundEffect\\SoundEffect.exe", 0},
        {113, L"HELPER",
         sizeof(void*) == 8 ? L"HarrowDevice64.exe" : L"..\\x64\\HarrowDevice64.exe",
         IMAGE_FILE_MACHINE_AMD64},
    };
    HMODULE setup = LoadLibraryExW((BinFolder() + L"Harrow.exe").c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(setup, nullptr);
    for (const Payload& p : payloads) {
        SCOPED_TRACE(p.file);
        HRSRC found = FindResourceW(setup, MAKEINTRESOURCEW(p.number), p.type);
        ASSERT_NE(found, nullptr);
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(setup, found)));
        const std::string carried(bytes, SizeofResource(setup, found));
        const std::string file = ReadFileBytes(BinFolder() + p.file);
        ASSERT_GT(file.size(), 0u);
        EXPECT_EQ(carried, file);
        if (p.machine) {
            EXPECT_EQ(MachineOf(carried), p.machine);
        }
    }
    FreeLibrary(setup);
}

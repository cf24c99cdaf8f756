#include "test_support.h"
#include "version_info.h"

#include <gtest/gtest.h>

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

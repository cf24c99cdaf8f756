#include "registry_values.h"
#include "registry_walk.h"
#include "service_control.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <thread>

namespace {

// Reads a value back in an explicit view, independent of the helpers under test.
bool ReadValue(HKEY root, const std::wstring& key, const std::wstring& name, REGSAM view, DWORD& type,
               std::wstring& text, DWORD& number) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | view, &h) != ERROR_SUCCESS) return false;
    BYTE data[2048] = {};
    DWORD size = sizeof data;
    LONG rc = RegQueryValueExW(h, name.c_str(), nullptr, &type, data, &size);
    RegCloseKey(h);
    if (rc != ERROR_SUCCESS) return false;
    if (type == REG_DWORD) number = *reinterpret_cast<DWORD*>(data);
    else text.assign(reinterpret_cast<wchar_t*>(data), size / sizeof(wchar_t));
    return true;
}

bool KeyExists(const std::wstring& key, REGSAM view) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ | view, &h) != ERROR_SUCCESS) return false;
    RegCloseKey(h);
    return true;
}

// Deletes SOFTWARE\<name> with everything below it, in the given view.
void DeleteSoftwareTree(const std::wstring& name, REGSAM view) {
    HKEY software = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE", 0, KEY_ALL_ACCESS | view, &software) == ERROR_SUCCESS) {
        RegDeleteTreeW(software, name.c_str());
        RegDeleteKeyExW(software, name.c_str(), view, 0);
        RegCloseKey(software);
    }
}

class RegistryValues : public ::testing::Test {
  protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        DeleteSoftwareTree(L"TrvTest", KEY_WOW64_32KEY);
        DeleteSoftwareTree(L"TrvTest", KEY_WOW64_64KEY);
    }
};

} // namespace

TEST_F(RegistryValues, WritesLandInThe32BitViewWithTheirTypes) {
    ASSERT_EQ(WriteRegString(L"TrvTest\\Values", L"Text", L"h\u00e9llo"), 0);
    ASSERT_EQ(WriteRegDword(L"TrvTest\\Values", L"Number", 0xC4u), 0);

    DWORD type = 0, number = 0;
    std::wstring text;
    ASSERT_TRUE(ReadValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\TrvTest\\Values", L"Text", KEY_WOW64_32KEY, type, text, number));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(text, std::wstring(L"h\u00e9llo") + L'\0'); // terminating null stored
    ASSERT_TRUE(ReadValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\TrvTest\\Values", L"Number", KEY_WOW64_32KEY, type, text, number));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(number, 0xC4u);
    // On a 64-bit system the 32-bit view is the Wow6432Node branch of the 64-bit one.
    EXPECT_TRUE(KeyExists(L"SOFTWARE\\Wow6432Node\\TrvTest\\Values", KEY_WOW64_64KEY));
    EXPECT_FALSE(KeyExists(L"SOFTWARE\\TrvTest\\Values", KEY_WOW64_64KEY));
}

TEST_F(RegistryValues, ReadRegDwordCreatesAMissingKeyAndChecksTheType) {
    uint32_t value = 77;
    EXPECT_EQ(ReadRegDword(L"TrvTest\\Fresh", L"Level", &value), 1);
    EXPECT_EQ(value, 77u);
    EXPECT_TRUE(KeyExists(L"SOFTWARE\\TrvTest\\Fresh", KEY_WOW64_32KEY));

    EXPECT_EQ(ReadRegDword(L"TrvTest\\Fresh", L"Level", &value), 2); // key now exists, value missing
    ASSERT_EQ(WriteRegString(L"TrvTest\\Fresh", L"Level", L"12"), 0);
    EXPECT_EQ(ReadRegDword(L"TrvTest\\Fresh", L"Level", &value), 2); // a text is no number
    EXPECT_EQ(value, 77u);
    ASSERT_EQ(WriteRegDword(L"TrvTest\\Fresh", L"Level", 12), 0);
    EXPECT_EQ(ReadRegDword(L"TrvTest\\Fresh", L"Level", &value), 0);
    EXPECT_EQ(value, 12u);
}

TEST(UpdatePackage, MatchesTheCaseSensitivePrefixWithTilde) {
    const std::wstring packages =
        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Component Based Servicing\\Packages";
    const wchar_t* subkeys[] = {
        L"Package_for_KB9990001~31bf3856ad364e35~amd64~~6.1.1.1",
        L"package_for_KB9990002~31bf3856ad364e35~amd64~~6.1.1.1",
        L"Package_for_KB9990003",
        L"Package_for_KB99900044~x",
    };
    HKEY root = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, packages.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY,
                              nullptr, &root, nullptr),
              ERROR_SUCCESS);
    for (const wchar_t* name : subkeys) {
        HKEY sub = nullptr;
        RegCreateKeyExW(root, name, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &sub, nullptr);
        RegCloseKey(sub);
    }

    EXPECT_TRUE(IsUpdatePackageInstalled(L"KB9990001"));
    EXPECT_FALSE(IsUpdatePackageInstalled(L"KB9990002")); // other letter case
    EXPECT_FALSE(IsUpdatePackageInstalled(L"KB9990003")); // no tilde
    EXPECT_FALSE(IsUpdatePackageInstalled(L"KB9990004")); // longer number
    EXPECT_FALSE(IsUpdatePackageInstalled(L"KB3033929"));

    for (const wchar_t* name : subkeys) RegDeleteKeyExW(root, name, KEY_WOW64_64KEY, 0);
    RegCloseKey(root);
}

TEST(RunAndUninstallEntries, WriteTheirValuesIn32BitView) {
    ASSERT_EQ(WriteRunEntry(L"TrvTestRun", L"\"C:\\Program Files (x86)\\TRV\\Kestrel.exe\" -boot"), 0);
    DWORD type = 0, number = 0;
    std::wstring text;
    ASSERT_TRUE(ReadValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", L"TrvTestRun",
                          KEY_WOW64_32KEY, type, text, number));
    EXPECT_EQ(text, std::wstring(L"\"C:\\Program Files (x86)\\TRV\\Kestrel.exe\" -boot") + L'\0');
    HKEY run = nullptr;
    RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                  KEY_ALL_ACCESS | KEY_WOW64_32KEY, &run);
    RegDeleteValueW(run, L"TrvTestRun");
    RegCloseKey(run);

    _REG_UNINSTALL_INFO info{L"SOFTWARE\\TrvTest\\Uninstall\\TRV42xxAudioExt", L"TRV Audio", L"C:\\u.exe",
                             L"C:\\k.ico", L"1.2.3", L"TRV"};
    ASSERT_TRUE(WriteUninstallEntry(info));
    const std::pair<const wchar_t*, const wchar_t*> expected[] = {{L"DisplayName", L"TRV Audio"},
                                                                  {L"UninstallString", L"C:\\u.exe"},
                                                                  {L"DisplayIcon", L"C:\\k.ico"},
                                                                  {L"DisplayVersion", L"1.2.3"},
                                                                  {L"Publisher", L"TRV"}};
    for (auto& [name, value] : expected) {
        text.clear();
        ASSERT_TRUE(ReadValue(HKEY_LOCAL_MACHINE, info.keyPath, name, KEY_WOW64_32KEY, type, text, number)) << name;
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(text, std::wstring(value) + L'\0');
    }
    ASSERT_TRUE(WriteUninstallEntry(info)); // an existing key is opened
    DeleteSoftwareTree(L"TrvTest", KEY_WOW64_32KEY);
}

// A value the platform refuses (a name longer than a value name may be) is reported, not
// taken for a written logon entry.
TEST(RunAndUninstallEntries, RefusedRunValueIsAFailure) {
    const std::wstring tooLong(16384, L'n');
    EXPECT_EQ(WriteRunEntry(tooLong, L"\"C:\\TRV\\Kestrel.exe\" -boot"), 1);
}

TEST(DriverService, WritesADemandStartKernelDriverKey) {
    ASSERT_EQ(RegisterDriverService(L"TrvTestFilter"), 0);
    const std::wstring key = L"SYSTEM\\CurrentControlSet\\Services\\TrvTestFilter";
    DWORD type = 0, number = 0;
    std::wstring text;
    const std::pair<const wchar_t*, DWORD> numbers[] = {{L"ErrorControl", 1}, {L"Start", 3}, {L"Type", 1}};
    for (auto& [name, value] : numbers) {
        ASSERT_TRUE(ReadValue(HKEY_LOCAL_MACHINE, key, name, KEY_WOW64_32KEY, type, text, number)) << name;
        EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(number, value) << name;
    }
    ASSERT_TRUE(ReadValue(HKEY_LOCAL_MACHINE, key, L"ImagePath", KEY_WOW64_32KEY, type, text, number));
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(text, std::wstring(L"System32\\DRIVERS\\TrvTestFilter.sys") + L'\0');
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, key.c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
}

// The walk gives the subkeys' names in order and stops where its visitor asks; a key deleted
// while it is walked ends the walk with the platform's error rather than walking on forever.
TEST(RegistryWalk, StopsWhenAskedAndAtAnError) {
    const std::wstring path = L"SOFTWARE\\TrvTest\\Walk";
    for (const wchar_t* name : {L"A", L"B", L"C"}) {
        HKEY sub = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (path + L"\\" + name).c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &sub, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(sub);
    }
    struct Walk {
        HKEY key = nullptr;
        std::vector<std::wstring> names;
        std::promise<LONG> done;
    };
    auto walk = std::make_shared<Walk>();
    ASSERT_EQ(
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &walk->key),
        ERROR_SUCCESS);

    std::vector<std::wstring> names;
    EXPECT_EQ(ForEachSubkey(walk->key,
                            [&](const std::wstring& name) {
                                names.push_back(name);
                                return true;
                            }),
              ERROR_SUCCESS);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"A", L"B", L"C"}));
    names.clear();
    EXPECT_EQ(ForEachSubkey(walk->key,
                            [&](const std::wstring& name) {
                                names.push_back(name);
                                return name != L"B";
                            }),
              ERROR_SUCCESS);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"A", L"B"}));

    // On a thread of its own, so that a walk that never ends fails the test instead of hanging it.
    std::future<LONG> result = walk->done.get_future();
    std::thread([walk] {
        walk->done.set_value(ForEachSubkey(walk->key, [&](const std::wstring& name) {
            walk->names.push_back(name);
            DeleteSoftwareTree(L"TrvTest", KEY_WOW64_32KEY);
            return true;
        }));
    }).detach();
    ASSERT_EQ(result.wait_for(std::chrono::seconds(20)), std::future_status::ready);
    EXPECT_NE(result.get(), ERROR_SUCCESS);
    EXPECT_EQ(walk->names, (std::vector<std::wstring>{L"A"}));
    RegCloseKey(walk->key);
}

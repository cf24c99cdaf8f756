#include "device/endpoint_access.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

const wchar_t kCapture[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\MMDevices\\Audio\\Capture";
const wchar_t kDeviceValue[] = L"{233164c8-1b2c-4c7d-bc68-b671687a2567},1";
const wchar_t kListen1[] = L"{24dbb0fc-9311-4b3d-9cf0-18ff155639d4},1";
const wchar_t kListen4[] = L"{24dbb0fc-9311-4b3d-9cf0-18ff155639d4},4";

// Fake endpoint keys in the 64-bit view, removed again at the end.
class CaptureListen : public ::testing::Test {
  protected:
    void AddEndpoint(const std::wstring& name, const std::wstring& deviceText) {
        HKEY key = nullptr;
        std::wstring path = std::wstring(kCapture) + L"\\" + name + L"\\Properties";
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, kDeviceValue, 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(deviceText.c_str()),
                       static_cast<DWORD>((deviceText.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
        names_.push_back(name);
    }

    std::vector<uint8_t> Listen(const std::wstring& name, const wchar_t* value) {
        HKEY key = nullptr;
        std::wstring path = std::wstring(kCapture) + L"\\" + name + L"\\Properties";
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) !=
            ERROR_SUCCESS)
            return {};
        uint8_t data[64];
        DWORD size = sizeof data, type = 0;
        LONG rc = RegQueryValueExW(key, value, nullptr, &type, data, &size);
        RegCloseKey(key);
        if (rc != ERROR_SUCCESS || type != REG_BINARY) return {};
        return std::vector<uint8_t>(data, data + size);
    }

    void TearDown() override {
        HKEY capture = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kCapture, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY,
                          &capture) != ERROR_SUCCESS)
            return;
        for (const std::wstring& name : names_)
            RegDeleteTreeW(capture, name.c_str()),
                RegDeleteKeyExW(capture, name.c_str(), KEY_WOW64_64KEY, 0);
        RegCloseKey(capture);
    }

    std::vector<std::wstring> names_;
};

const std::vector<uint8_t> kOn = {11, 0, 0, 0, 1, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0};
const std::vector<uint8_t> kOff = {11, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

} // namespace

TEST_F(CaptureListen, WritesTheListenPropertyOfMatchingEndpointsOnly) {
    AddEndpoint(L"{0.0.1.00000000}.{trv-test-1}", L"{1}.USB\\vid_7a39&pid_42&mi_00\\7&1&0&0000");
    AddEndpoint(L"{0.0.1.00000000}.{trv-test-2}", L"{1}.USB\\vid_046d&pid_0a44&mi_00\\7&2&0&0000");
    AddEndpoint(L"{0.0.1.00000000}.{trv-test-3}", L"7a39 at the very start, 42 later");

    SetCaptureListen(true, 0x7A39, 0x0042);
    EXPECT_EQ(Listen(L"{0.0.1.00000000}.{trv-test-1}", kListen1), kOn);
    EXPECT_EQ(Listen(L"{0.0.1.00000000}.{trv-test-1}", kListen4), kOn);
    EXPECT_TRUE(Listen(L"{0.0.1.00000000}.{trv-test-2}", kListen1).empty());
    EXPECT_TRUE(Listen(L"{0.0.1.00000000}.{trv-test-3}", kListen1).empty());

    SetCaptureListen(false, 0x7A39, 0x0042);
    EXPECT_EQ(Listen(L"{0.0.1.00000000}.{trv-test-1}", kListen1), kOff);
    EXPECT_EQ(Listen(L"{0.0.1.00000000}.{trv-test-1}", kListen4), kOff);
}

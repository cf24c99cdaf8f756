// The simple-mode window on a real window: its caption, the device ID groups it loads from the
// registry when shown, the message for a group that is not there, and its close.
#include "ui/simple_form.h"

#include "application.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

const wchar_t kUsbKey[] = L"TrvTest USB DeviceId Group";
const wchar_t kHidKey[] = L"TrvTest HID DeviceId Group";

void DeleteGroupKey(const wchar_t* name) {
    HKEY software = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE", 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                      &software) == ERROR_SUCCESS) {
        RegDeleteTreeW(software, name);
        RegDeleteKeyExW(software, name, KEY_WOW64_32KEY, 0);
        RegCloseKey(software);
    }
}

// Answers the message boxes the window shows, keeping their texts.
class MessageBoxAnswerer {
  public:
    MessageBoxAnswerer()
        : thread_([this] {
              while (!stop_) {
                  for (HWND box : WindowsOf(GetCurrentProcessId(), L"#32770"))
                      if (IsWindowVisible(box) && WindowText(box) == L"Uninstall") {
                          texts_.push_back(DialogText(box));
                          PostMessageW(box, WM_COMMAND, IDOK, 0);
                          WaitUntil([&] { return !IsWindowVisible(box); }, 5000);
                      }
                  Sleep(20);
              }
          }) {}
    ~MessageBoxAnswerer() { Stop(); }
    std::vector<std::wstring> Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        return texts_;
    }

  private:
    std::atomic<bool> stop_{false};
    std::vector<std::wstring> texts_;
    std::thread thread_;
};

} // namespace

class SimpleFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteGroupKey(kUsbKey);
        DeleteGroupKey(kHidKey);
    }
    void TearDown() override {
        DeleteGroupKey(kUsbKey);
        DeleteGroupKey(kHidKey);
    }
};

// Shown, the window loads both groups; the one missing from the registry is reported and the
// window stays. Closing it sends the application to the notification area.
TEST_F(SimpleFormTest, ShowingLoadsTheGroupsAndReportsAMissingOne) {
    CDeviceIdMgr usb;
    ASSERT_EQ(usb.Load(BinFolder() + L"..\\stage\\AudioConfig.cfg", L"USB_VID_PID"), 0);
    ASSERT_FALSE(usb.ids().empty());
    ASSERT_EQ(usb.SaveToRegistry(kUsbKey), 0);

    TApplication app;
    app.CreateForm<Form>(FormDesign{L"TrvSimpleFormTestMain", L"main", 200, 100, false});
    TSimpleForm* simple = app.CreateForm<TSimpleForm>(kUsbKey, kHidKey);
    // This program carries no version resource.
    EXPECT_EQ(simple->Caption(), L"Simple Mode (V?)");

    MessageBoxAnswerer answerer;
    simple->Show();
    std::vector<std::wstring> texts = answerer.Stop();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].find(L"***** Get HID device ID from registry FAIL! *****"),
              std::wstring::npos)
        << texts[0].c_str();
    EXPECT_EQ(simple->UsbDeviceIds().ids(), usb.ids());
    EXPECT_TRUE(simple->HidDeviceIds().ids().empty());
    EXPECT_TRUE(simple->Visible());

    simple->Close();
    EXPECT_TRUE(app.Minimized());
    EXPECT_FALSE(simple->Visible());
}

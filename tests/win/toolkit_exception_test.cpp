#include "application.h"
#include "exception.h"
#include "test_support.h"
#include "timer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

TEST(StrToInt, RaisesTheConversionErrorWithTheToolkitsMessage) {
    EXPECT_EQ(StrToInt(L"1"), 1);
    EXPECT_EQ(StrToInt(L"-3"), -3);
    for (const wchar_t* bad : {L"", L"abc", L"1 "}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << "no exception for '" << static_cast<int>(wcslen(bad)) << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::wstring(L"'") + bad + L"' is not a valid integer value");
        }
    }
}

// An exception from a timer's handler is shown by the exception dialog, as one from a window's
// handler is; it does not cross the platform's timer callback.
TEST(TimerCallbacks, ExceptionsReachTheExceptionDialog) {
    TApplication application;
    Timer timer;
    std::atomic<bool> fired{false};
    timer.OnTimer = [&] {
        timer.SetEnabled(false);
        fired = true;
        StrToInt(L"ten");
    };
    timer.SetInterval(10);
    timer.SetEnabled(true);
    // The dialog is modal inside the callback; another thread reads and closes it.
    std::wstring shown;
    std::thread closer([&] {
        HWND dialog = WaitForWindow(GetCurrentProcessId(), L"#32770", 20000);
        if (!dialog) return;
        WaitUntil([&] { return !DialogText(dialog).empty(); }, 5000);
        shown = DialogText(dialog);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    bool escaped = false;
    const DWORD start = GetTickCount();
    try {
        while (!fired && GetTickCount() - start < 20000) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
            Sleep(5);
        }
    } catch (...) {
        escaped = true;
    }
    closer.join();
    EXPECT_TRUE(fired);
    EXPECT_FALSE(escaped);
    EXPECT_NE(shown.find(L"'ten' is not a valid integer value."), std::wstring::npos)
        << shown.size();
}

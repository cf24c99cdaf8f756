#include "run_hidden.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {
int g_handled = 0;
LRESULT CALLBACK CountingProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_APP + 7) ++g_handled;
    return DefWindowProcW(h, m, w, l);
}

std::wstring CopyMarkerHelper(const TempFolder& temp) {
    std::wstring exe = temp.Path() + L"marker.exe";
    CopyFileW((BinFolder() + L"marker_helper.exe").c_str(), exe.c_str(), FALSE);
    return exe;
}
} // namespace

TEST(RunHidden, NegativeWaitBlocksUntilTheProgramEnds) {
    TempFolder temp;
    std::wstring exe = CopyMarkerHelper(temp);
    EXPECT_EQ(RunHidden(exe, -1), 0);
    EXPECT_TRUE(FileExists(exe + L".ran"));
}

TEST(RunHidden, ZeroWaitReturnsAtOnce) {
    TempFolder temp;
    std::wstring exe = CopyMarkerHelper(temp);
    EXPECT_EQ(RunHidden(exe, 0), 0);
    EXPECT_FALSE(FileExists(exe + L".ran")); // the helper takes 300 ms
    EXPECT_TRUE(WaitUntil([&] { return FileExists(exe + L".ran"); }, 20000));
}

TEST(RunHidden, PositiveWaitPumpsThisThreadsMessages) {
    TempFolder temp;
    std::wstring exe = CopyMarkerHelper(temp);
    g_handled = 0;
    WNDCLASSW wc{};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TrvRunHiddenPump";
    RegisterClassW(&wc);
    HWND sink = CreateWindowW(L"TrvRunHiddenPump", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(sink, nullptr);
    PostMessageW(sink, WM_APP + 7, 0, 0);
    DWORD start = GetTickCount();
    EXPECT_EQ(RunHidden(exe, 150), 0);
    EXPECT_GE(GetTickCount() - start, 140u);
    EXPECT_EQ(g_handled, 1);
    DestroyWindow(sink);
    WaitUntil([&] { return FileExists(exe + L".ran"); }, 20000);
}

// A quit request that arrives while RunHidden pumps belongs to the caller's loop: the wait
// ends and the request is still there, with its exit code.
TEST(RunHidden, QuitRequestEndsTheWaitAndIsKeptForTheCaller) {
    TempFolder temp;
    std::wstring exe = CopyMarkerHelper(temp);
    PostQuitMessage(7);
    DWORD start = GetTickCount();
    EXPECT_EQ(RunHidden(exe, 10000), 0);
    EXPECT_LT(GetTickCount() - start, 5000u);
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    WaitUntil([&] { return FileExists(exe + L".ran"); }, 20000);
}

TEST(RunHidden, FailedStartGivesOne) {
    TempFolder temp;
    EXPECT_EQ(RunHidden(temp.Path() + L"missing.exe", -1), 1);
}

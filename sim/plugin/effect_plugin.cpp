// Stand-in for the package's effect programs that the panel's plug-in menu starts: a small
// window that ends when the package asks its effect programs to exit
// ("WM_AUDIO_EFFECT_EXIT"), and that tells the panel to resume ("WM_APP_EXIT_RESUME")
// when the user closes it.
#include <windows.h>

#include <string>

namespace {

UINT g_effectExit = 0;
UINT g_exitResume = 0;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == g_effectExit && msg != 0) {
        DestroyWindow(hwnd);
        return 0;
    }
    switch (msg) {
    case WM_CLOSE: {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(HWND_BROADCAST, g_exitResume, 0, 0, SMTO_NORMAL, 1000, &ignored);
        DestroyWindow(hwnd);
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT r;
        GetClientRect(hwnd, &r);
        HBRUSH background = CreateSolidBrush(RGB(0x14, 0x16, 0x1B));
        FillRect(dc, &r, background);
        DeleteObject(background);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0xE7, 0xE9, 0xEE));
        wchar_t title[128] = L"";
        GetWindowTextW(hwnd, title, 128);
        DrawTextW(dc, title, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    g_effectExit = RegisterWindowMessageW(L"WM_AUDIO_EFFECT_EXIT");
    g_exitResume = RegisterWindowMessageW(L"WM_APP_EXIT_RESUME");
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"TrvEffectPlugin";
    RegisterClassW(&wc);
    HWND window =
        CreateWindowW(L"TrvEffectPlugin", TRV_PLUGIN_TITLE, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, 360, 200, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    // The panel starts plug-ins hidden; they show themselves.
    ShowWindow(window, show == SW_HIDE ? SW_SHOWNORMAL : show);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

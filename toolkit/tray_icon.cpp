#include "tray_icon.h"

#include "application.h"
#include "form.h"

#include <shellapi.h>

namespace {
const wchar_t kClassName[] = L"TTrayIconWindow";
const UINT kIconId = 1;
} // namespace

UINT TrayIcon::CallbackMessage() {
    return WM_APP + 0x3E0;
}

TrayIcon::TrayIcon() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
    window_ = CreateWindowExW(0, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              wc.hInstance, this);
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    if (ApplicationExists())
        Application().AddMinimizeListener(this, [this] {
            if (MinimizeToTray && visible_) Application().HideApplicationWindow();
        });
}

TrayIcon::~TrayIcon() {
    if (ApplicationExists()) Application().RemoveMinimizeListener(this);
    if (shown_) Update(NIM_DELETE);
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void TrayIcon::Update(DWORD action) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = CallbackMessage();
    data.hIcon = icon_;
    lstrcpynW(data.szTip, hint_.c_str(), ARRAYSIZE(data.szTip));
    BOOL ok = Shell_NotifyIconW(action, &data);
    if (action == NIM_ADD) shown_ = ok != FALSE;
    if (action == NIM_DELETE) shown_ = false;
}

void TrayIcon::SetIcon(HICON icon) {
    icon_ = icon;
    if (shown_) Update(NIM_MODIFY);
}

void TrayIcon::SetHint(const std::wstring& hint) {
    hint_ = hint;
    if (shown_) Update(NIM_MODIFY);
}

void TrayIcon::SetVisible(bool visible) {
    visible_ = visible;
    if (visible && !shown_) Update(NIM_ADD);
    if (!visible && shown_) Update(NIM_DELETE);
}

void TrayIcon::Minimize() {
    Application().Minimize();
    Application().HideApplicationWindow();
}

void TrayIcon::Restore() {
    Application().Restore();
    if (Form* main = Application().MainForm(); main && main->Visible())
        SetForegroundWindow(main->Handle());
}

LRESULT CALLBACK TrayIcon::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* created =
            static_cast<TrayIcon*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->window_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* tray = reinterpret_cast<TrayIcon*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!tray) return DefWindowProcW(hwnd, msg, wParam, lParam);
    try {
        return tray->OnMessage(msg, wParam, lParam);
    } catch (...) {
        if (ApplicationExists()) Application().ShowCurrentException();
        return 0;
    }
}

LRESULT TrayIcon::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == CallbackMessage()) {
        switch (LOWORD(lParam)) {
        case WM_LBUTTONDBLCLK:
            Restore();
            if (OnRestore) OnRestore();
            break;
        case WM_RBUTTONUP:
            if (Menu) {
                POINT p{};
                GetCursorPos(&p);
                Menu->Popup(window_, p.x, p.y);
            }
            break;
        }
        return 0;
    }
    if (msg == taskbarCreated_ && taskbarCreated_ != 0) {
        if (visible_) Update(NIM_ADD);
        return 0;
    }
    if (msg == WM_COMMAND && Menu) {
        Menu->Command(LOWORD(wParam));
        return 0;
    }
    return DefWindowProcW(window_, msg, wParam, lParam);
}

#include "form.h"

#include "application.h"
#include "exception.h"
#include "inspection.h"
#include "native_control.h"

#include <windowsx.h>

#include <vector>

namespace {
void RegisterFormClass(const std::wstring& className, WNDPROC proc) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className.c_str(), &existing)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
    wc.lpszClassName = className.c_str();
    RegisterClassExW(&wc);
}

// The platform's callbacks use its own calling convention, which a lambda does not have in a
// 32-bit program.
BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM list) {
    auto* windows = reinterpret_cast<std::vector<HWND>*>(list);
    if (IsWindowVisible(window) && IsWindowEnabled(window)) windows->push_back(window);
    return TRUE;
}

MouseButton ButtonOf(UINT msg) {
    switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return MouseButton::Middle;
    default:
        return MouseButton::Left;
    }
}
} // namespace

Form::Form(const FormDesign& design)
    : className_(design.className), background_(design.background) {
    RegisterFormClass(className_, StaticWindowProc);
    DWORD style = design.borderless ? (WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX)
                                    : (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    RECT frame{0, 0, design.width, design.height};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    HWND owner = ApplicationExists() ? Application().Handle() : nullptr;
    handle_ = CreateWindowExW(0, className_.c_str(), design.caption.c_str(), style, x, y, width,
                              height, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!handle_) throw Exception(L"Cannot create window " + className_);
}

Form::~Form() {
    if (controlBrush_) DeleteObject(controlBrush_);
    if (handle_) {
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
    }
}

void Form::DoCreate() {
    FormCreate();
}
void Form::DoDestroy() {
    FormDestroy();
}

void Form::Show() {
    ShowWindow(handle_, SW_SHOWNORMAL);
    if (ApplicationExists()) Application().UpdateVisible();
}

void Form::Hide() {
    ShowWindow(handle_, SW_HIDE);
    if (ApplicationExists()) Application().UpdateVisible();
}

bool Form::Visible() const {
    return handle_ && IsWindowVisible(handle_);
}

void Form::Close() {
    SendMessageW(handle_, WM_CLOSE, 0, 0);
}

void Form::SetCaption(const std::wstring& caption) {
    SetWindowTextW(handle_, caption.c_str());
}

std::wstring Form::Caption() const {
    wchar_t text[512] = L"";
    GetWindowTextW(handle_, text, 512);
    return text;
}

int Form::ClientWidth() const {
    RECT r{};
    GetClientRect(handle_, &r);
    return r.right;
}

int Form::ClientHeight() const {
    RECT r{};
    GetClientRect(handle_, &r);
    return r.bottom;
}

void Form::SetClientSize(int width, int height) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_STYLE)), FALSE, 0);
    SetWindowPos(handle_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::CenterOnScreen() {
    RECT r{};
    GetWindowRect(handle_, &r);
    int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
    SetWindowPos(handle_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetBackground(Color color) {
    background_ = color;
    InvalidateRect(handle_, nullptr, FALSE);
}

// The application's other windows take no input until this one is hidden again; a quit
// request ends the wait and goes on to the application's loop.
void Form::ShowModal() {
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow,
                      reinterpret_cast<LPARAM>(&disabled));
    for (HWND window : disabled)
        if (window != handle_) EnableWindow(window, FALSE);
    Show();
    SetForegroundWindow(handle_);
    MSG msg;
    while (Visible()) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 0);
            break;
        }
        if (ApplicationExists() && Application().OnMessage && Application().OnMessage(msg))
            continue;
        if (IsDialogMessageW(handle_, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    for (HWND window : disabled)
        if (window != handle_ && IsWindow(window)) EnableWindow(window, TRUE);
    if (Visible()) Hide();
}

bool Form::SetRegion(HRGN region) {
    return SetWindowRgn(handle_, region, TRUE) != 0;
}

// A hidden window is drawn whole when it is shown, so changes made before that ask for nothing.
void Form::InvalidateArea(const Bounds& area) {
    if (!handle_ || !IsWindowVisible(handle_)) return;
    RECT r{area.left, area.top, area.left + area.width, area.top + area.height};
    InvalidateRect(handle_, &r, FALSE);
}

bool Form::IsMainForm() const {
    return ApplicationExists() && Application().MainForm() == this;
}

bool Form::WndProc(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

void Form::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(handle_, &ps);
    RECT client{};
    GetClientRect(handle_, &client);
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ old = SelectObject(buffer, bitmap);
    HBRUSH brush = CreateSolidBrush(background_);
    FillRect(buffer, &client, brush);
    DeleteObject(brush);
    PaintContext context(buffer);
    for (const auto& control : Controls()) {
        if (!control->Visible()) continue;
        RECT r{control->Left(), control->Top(), control->Left() + control->Width(),
               control->Top() + control->Height()};
        RECT overlap;
        if (IntersectRect(&overlap, &r, &ps.rcPaint)) control->Paint(context);
    }
    BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, buffer, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    SelectObject(buffer, old);
    DeleteObject(bitmap);
    DeleteDC(buffer);
    EndPaint(handle_, &ps);
}

// Presses go to the topmost enabled control under the cursor, which keeps the mouse until
// the release; a release over it is also a click. Presses on no control go to the form.
bool Form::RouteMouse(UINT msg, WPARAM, LPARAM lParam) {
    int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    auto event = [&](Control* c) { return MouseEvent{ButtonOf(msg), x - c->Left(), y - c->Top()}; };
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        Control* target = ControlAt(x, y, false);
        if (!target) {
            FormMouseDown(MouseEvent{ButtonOf(msg), x, y});
            return true;
        }
        captured_ = target;
        SetCapture(handle_);
        if (target->OnMouseDown) target->OnMouseDown(*target, event(target));
        return true;
    }
    case WM_MOUSEMOVE: {
        Control* target = captured_ ? captured_ : ControlAt(x, y, false);
        if (target && target->OnMouseMove) target->OnMouseMove(*target, event(target));
        return true;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
        Control* target = captured_;
        captured_ = nullptr;
        if (GetCapture() == handle_) ReleaseCapture();
        if (!target) return true;
        if (target->OnMouseUp) target->OnMouseUp(*target, event(target));
        // The handler may have removed or hidden the control; look it up again.
        if (msg == WM_LBUTTONUP && ControlAt(x, y, false) == target && target->OnClick)
            target->OnClick(*target);
        return true;
    }
    case WM_CAPTURECHANGED:
        captured_ = nullptr;
        return false;
    }
    return false;
}

LRESULT CALLBACK Form::StaticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* form = static_cast<Form*>(create->lpCreateParams);
        form->handle_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!form) return DefWindowProcW(hwnd, msg, wParam, lParam);
    // Exceptions never cross the platform's callback; they reach the exception dialog.
    try {
        return form->Dispatch(msg, wParam, lParam);
    } catch (...) {
        if (ApplicationExists()) Application().ShowCurrentException();
    }
    return 0;
}

LRESULT Form::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (WndProc(msg, wParam, lParam, result)) return result;
    if (msg == InspectionMessage() && msg != 0 && InspectionAnswered()) {
        AnswerInspection(handle_, reinterpret_cast<HWND>(wParam),
                         DescribeControls(*this) + InspectExtra());
        return 1;
    }
    switch (msg) {
    case WM_HSCROLL:
        // A track bar's moves come back to the control that sent them.
        if (lParam) {
            auto* control = reinterpret_cast<NativeControl*>(
                GetWindowLongPtrW(reinterpret_cast<HWND>(lParam), GWLP_USERDATA));
            if (control) control->Notify(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_CAPTURECHANGED:
        if (RouteMouse(msg, wParam, lParam)) return 0;
        break;
    case WM_COMMAND:
        // Notifications of native child controls go back to the control that sent them.
        if (lParam) {
            auto* control = reinterpret_cast<NativeControl*>(
                GetWindowLongPtrW(reinterpret_cast<HWND>(lParam), GWLP_USERDATA));
            if (control) control->Notify(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        // Native controls over the painted pictures take the colour under them.
        HWND child = reinterpret_cast<HWND>(lParam);
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, handle_, reinterpret_cast<POINT*>(&r), 2);
        HDC own = GetDC(handle_);
        COLORREF under =
            GetPixel(own, r.left > 0 ? r.left - 1 : r.right, r.top + (r.bottom - r.top) / 2);
        ReleaseDC(handle_, own);
        if (under == CLR_INVALID) under = background_;
        HDC dc = reinterpret_cast<HDC>(wParam);
        int luminance =
            (GetRValue(under) * 299 + GetGValue(under) * 587 + GetBValue(under) * 114) / 1000;
        SetTextColor(dc, luminance > 128 ? RGB(0x1B, 0x1E, 0x24) : RGB(0xE7, 0xE9, 0xEE));
        SetBkColor(dc, under);
        if (controlBrush_) DeleteObject(controlBrush_);
        controlBrush_ = CreateSolidBrush(under);
        return reinterpret_cast<LRESULT>(controlBrush_);
    }
    case WM_SHOWWINDOW:
        if (wParam) FormShow();
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) FormActivate();
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE && IsMainForm()) {
            Application().Minimize();
            return 0;
        }
        break;
    case WM_CLOSE:
        if (IsMainForm())
            Application().Terminate();
        else
            Hide();
        return 0;
    }
    return DefWindowProcW(handle_, msg, wParam, lParam);
}

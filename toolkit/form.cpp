#include "form.h"

#include "application.h"
#include "exception.h"

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
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className.c_str();
    RegisterClassExW(&wc);
}
} // namespace

Form::Form(const FormDesign& design) : className_(design.className) {
    RegisterFormClass(className_, StaticWindowProc);
    DWORD style = design.borderless ? (WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX)
                                    : (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    RECT frame{0, 0, design.width, design.height};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    HWND owner = ApplicationExists() ? Application().Handle() : nullptr;
    handle_ = CreateWindowExW(0, className_.c_str(), design.caption.c_str(), style, x, y, width, height, owner,
                              nullptr, GetModuleHandleW(nullptr), this);
    if (!handle_) throw Exception(L"Cannot create window " + className_);
}

Form::~Form() {
    if (handle_) {
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
    }
}

void Form::DoCreate() { FormCreate(); }
void Form::DoDestroy() { FormDestroy(); }

void Form::Show() {
    ShowWindow(handle_, SW_SHOWNORMAL);
    if (ApplicationExists()) Application().UpdateVisible();
}

void Form::Hide() {
    ShowWindow(handle_, SW_HIDE);
    if (ApplicationExists()) Application().UpdateVisible();
}

bool Form::Visible() const { return handle_ && IsWindowVisible(handle_); }

void Form::Close() { SendMessageW(handle_, WM_CLOSE, 0, 0); }

void Form::SetCaption(const std::wstring& caption) { SetWindowTextW(handle_, caption.c_str()); }

std::wstring Form::Caption() const {
    wchar_t text[512] = L"";
    GetWindowTextW(handle_, text, 512);
    return text;
}

bool Form::IsMainForm() const { return ApplicationExists() && Application().MainForm() == this; }

bool Form::WndProc(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

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
    switch (msg) {
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

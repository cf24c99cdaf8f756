#include "application.h"

#include "exception.h"
#include "form.h"

namespace {

TApplication* g_application = nullptr;
const wchar_t kClassName[] = L"TApplication";
const UINT kActivateMainForm = WM_APP + 0x3F0;

std::wstring ExecutableBaseName() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    size_t slash = name.rfind(L'\\');
    if (slash != std::wstring::npos) name.erase(0, slash + 1);
    size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos) name.erase(dot);
    return name;
}

} // namespace

TApplication& Application() {
    return *g_application;
}
bool ApplicationExists() {
    return g_application != nullptr;
}

TApplication::TApplication() : instance_(GetModuleHandleW(nullptr)) {
    g_application = this;
    defaultTitle_ = ExecutableBaseName();
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance_;
    wc.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
    // A zero-size window in the middle of the screen: it carries the taskbar button.
    handle_ = CreateWindowExW(0, kClassName, defaultTitle_.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2,
                              0, 0, nullptr, nullptr, instance_, this);
}

TApplication::~TApplication() {
    // Forms go in reverse order of creation, each told first so its destruction steps run.
    while (!forms_.empty()) {
        std::unique_ptr<Form> form = std::move(forms_.back());
        forms_.pop_back();
        try {
            form->DoDestroy();
        } catch (...) {
            ShowCurrentException();
        }
    }
    if (handle_) DestroyWindow(handle_);
    g_application = nullptr;
}

void TApplication::AdoptForm(std::unique_ptr<Form> form) {
    Form* raw = form.get();
    forms_.push_back(std::move(form));
    raw->DoCreate();
}

std::wstring TApplication::Title() const {
    return title_.empty() ? defaultTitle_ : title_;
}

void TApplication::SetTitle(const std::wstring& title) {
    title_ = title;
    if (handle_) SetWindowTextW(handle_, Title().c_str());
}

void TApplication::SetIcon(HICON icon) {
    if (!handle_ || !icon) return;
    SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void TApplication::Run() {
    Form* main = MainForm();
    if (ShowMainForm && main && !terminated_) main->Show();
    while (!terminated_)
        HandleMessage();
}

bool TApplication::HandleMessage() {
    MSG msg;
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        terminated_ = true;
        return false;
    }
    if (OnMessage && OnMessage(msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            return;
        }
        if (OnMessage && OnMessage(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void TApplication::Terminate() {
    PostQuitMessage(0);
}

void TApplication::Minimize() {
    if (minimized_) return;
    minimized_ = true;
    hiddenByMinimize_.clear();
    for (auto& form : forms_)
        if (form->Handle() && IsWindowVisible(form->Handle())) {
            hiddenByMinimize_.push_back(form->Handle());
            ShowWindow(form->Handle(), SW_HIDE);
        }
    if (handle_) ShowWindow(handle_, SW_MINIMIZE);
    auto listeners = minimizeListeners_;
    for (auto& entry : listeners)
        entry.second();
}

void TApplication::AddMinimizeListener(const void* owner, std::function<void()> listener) {
    minimizeListeners_[owner] = std::move(listener);
}

void TApplication::RemoveMinimizeListener(const void* owner) {
    minimizeListeners_.erase(owner);
}

void TApplication::Restore() {
    if (!minimized_) return;
    minimized_ = false;
    restoring_ = true;
    if (handle_) ShowWindow(handle_, SW_RESTORE);
    restoring_ = false;
    for (HWND hwnd : hiddenByMinimize_)
        if (IsWindow(hwnd)) ShowWindow(hwnd, SW_SHOW);
    hiddenByMinimize_.clear();
    if (Form* main = MainForm(); main && main->Visible()) SetForegroundWindow(main->Handle());
}

void TApplication::HideApplicationWindow() {
    if (handle_) ShowWindow(handle_, SW_HIDE);
}

void TApplication::UpdateVisible() {
    if (!handle_ || minimized_) return;
    bool anyVisible = false;
    for (auto& form : forms_)
        if (form->Visible()) anyVisible = true;
    ShowWindow(handle_, anyVisible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

namespace {

void ShowExceptionDialog(const std::wstring& message, const std::wstring& title) {
    std::wstring text = message;
    if (!text.empty() && text.back() > L'.') text += L'.';
    MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

std::wstring CurrentExceptionMessage() {
    try {
        throw;
    } catch (const Exception& e) {
        return e.Message();
    } catch (const std::exception& e) {
        const char* what = e.what();
        return std::wstring(what, what + std::char_traits<char>::length(what));
    } catch (...) {
        return std::wstring();
    }
}

} // namespace

void TApplication::ShowException(const std::wstring& message) {
    ShowExceptionDialog(message, Title());
}

void TApplication::ShowCurrentException() {
    ShowException(CurrentExceptionMessage());
}

void ShowExceptionWithoutApplication() {
    ShowExceptionDialog(CurrentExceptionMessage(), ExecutableBaseName());
}

LRESULT CALLBACK TApplication::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        static_cast<TApplication*>(create->lpCreateParams)->handle_ = hwnd;
    }
    auto* app = reinterpret_cast<TApplication*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!app) return DefWindowProcW(hwnd, msg, wParam, lParam);
    return app->AppWindowMessage(msg, wParam, lParam);
}

LRESULT TApplication::AppWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
            Minimize();
            return 0;
        case SC_RESTORE:
            Restore();
            return 0;
        case SC_CLOSE:
            if (Form* main = MainForm()) main->Close();
            return 0;
        }
        break;
    case WM_SIZE:
        // Another program restoring our window (a second instance does) restores the forms.
        if (wParam == SIZE_RESTORED && minimized_ && !restoring_) {
            LRESULT r = DefWindowProcW(handle_, msg, wParam, lParam);
            Restore();
            return r;
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !minimized_)
            PostMessageW(handle_, kActivateMainForm, 0, 0);
        break;
    case kActivateMainForm:
        if (Form* main = MainForm(); main && main->Visible()) SetForegroundWindow(main->Handle());
        return 0;
    case WM_CLOSE:
        if (Form* main = MainForm()) main->Close();
        return 0;
    }
    return DefWindowProcW(handle_, msg, wParam, lParam);
}

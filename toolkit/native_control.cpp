#include "native_control.h"

#include "exception.h"
#include "form.h"

namespace {
UINT NextId() {
    static UINT next = 0x5000;
    return next++;
}
} // namespace

NativeControl::NativeControl(Form& owner, std::wstring name, const wchar_t* windowClass,
                             const std::wstring& caption, DWORD style, int id)
    : name_(std::move(name)) {
    UINT controlId = id ? static_cast<UINT>(id) : NextId();
    handle_ =
        CreateWindowExW(0, windowClass, caption.c_str(), WS_CHILD | style, 0, 0, 80, 20,
                        owner.Handle(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)),
                        GetModuleHandleW(nullptr), nullptr);
    if (!handle_) throw Exception(L"Cannot create control " + name_);
    SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

NativeControl::~NativeControl() {
    if (handle_) {
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
    }
}

bool NativeControl::Visible() const {
    return (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}
void NativeControl::SetVisible(bool visible) {
    ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}
bool NativeControl::Enabled() const {
    return IsWindowEnabled(handle_) != FALSE;
}
void NativeControl::SetEnabled(bool enabled) {
    EnableWindow(handle_, enabled);
}
void NativeControl::SetBounds(int left, int top, int width, int height) {
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}
RECT NativeControl::Bounds() const {
    RECT r{};
    GetWindowRect(handle_, &r);
    MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
    return r;
}
void NativeControl::SetCaption(const std::wstring& caption) {
    SetWindowTextW(handle_, caption.c_str());
}
std::wstring NativeControl::Caption() const {
    wchar_t text[512] = L"";
    GetWindowTextW(handle_, text, 512);
    return text;
}
void NativeControl::SetFont(HFONT font) {
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}
void NativeControl::SetFocus() {
    ::SetFocus(handle_);
}

#include "check_box.h"

#include "form.h"

namespace {
UINT NextId() {
    static UINT next = 0x5000;
    return next++;
}
} // namespace

CheckBox::CheckBox(Form& owner, std::wstring name, const std::wstring& caption)
    : name_(std::move(name)) {
    handle_ = CreateWindowExW(
        0, L"BUTTON", caption.c_str(), WS_CHILD | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 0, 120, 20,
        owner.Handle(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(NextId())),
        GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
}

CheckBox::~CheckBox() {
    if (handle_) DestroyWindow(handle_);
}

bool CheckBox::Checked() const {
    return SendMessageW(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
void CheckBox::SetChecked(bool checked) {
    SendMessageW(handle_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
bool CheckBox::Visible() const {
    return (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}
void CheckBox::SetVisible(bool visible) {
    ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}
void CheckBox::SetEnabled(bool enabled) {
    EnableWindow(handle_, enabled);
}
void CheckBox::SetBounds(int left, int top, int width, int height) {
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}
void CheckBox::SetCaption(const std::wstring& caption) {
    SetWindowTextW(handle_, caption.c_str());
}

void CheckBox::Notify(WORD code) {
    if (code == BN_CLICKED && OnClick) OnClick(*this);
}

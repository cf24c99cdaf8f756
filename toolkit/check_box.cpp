#include "check_box.h"

CheckBox::CheckBox(Form& owner, std::wstring name, const std::wstring& caption)
    : NativeControl(owner, std::move(name), L"BUTTON", caption, WS_TABSTOP | BS_AUTOCHECKBOX) {}

bool CheckBox::Checked() const {
    return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}
void CheckBox::SetChecked(bool checked) {
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::Notify(WORD code) {
    if (code == BN_CLICKED && OnClick) OnClick(*this);
}

#include "radio_button.h"

RadioButton::RadioButton(Form& owner, std::wstring name, const std::wstring& caption)
    : NativeControl(owner, std::move(name), L"BUTTON", caption, WS_TABSTOP | BS_AUTORADIOBUTTON) {}

bool RadioButton::Checked() const {
    return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}
void RadioButton::SetChecked(bool checked) {
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void RadioButton::Notify(WORD code) {
    if (code == BN_CLICKED && OnClick) OnClick(*this);
}

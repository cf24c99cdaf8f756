#include "button.h"

Button::Button(Form& owner, std::wstring name, const std::wstring& caption, int id)
    : NativeControl(owner, std::move(name), L"BUTTON", caption, WS_TABSTOP | BS_PUSHBUTTON, id) {}

void Button::SetDefault(bool isDefault) {
    SendMessageW(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

bool Button::IsDefault() const {
    return (GetWindowLongPtrW(Handle(), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
}

void Button::Click() {
    if (Enabled() && OnClick) OnClick(*this);
}

void Button::Notify(WORD code) {
    if (code == BN_CLICKED && OnClick) OnClick(*this);
}

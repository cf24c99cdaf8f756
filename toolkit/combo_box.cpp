#include "combo_box.h"

ComboBox::ComboBox(Form& owner, std::wstring name)
    : NativeControl(owner, std::move(name), L"COMBOBOX", L"",
                    WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST) {}

void ComboBox::Clear() {
    SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
}
void ComboBox::AddItem(const std::wstring& text) {
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
int ComboBox::Count() const {
    return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0));
}
std::wstring ComboBox::Item(int index) const {
    LRESULT length = SendMessageW(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}
int ComboBox::ItemIndex() const {
    return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}
void ComboBox::SetItemIndex(int index) {
    SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ComboBox::Notify(WORD code) {
    if (code == CBN_SELCHANGE && OnChange) OnChange(*this);
}

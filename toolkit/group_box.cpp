#include "group_box.h"

GroupBox::GroupBox(Form& owner, std::wstring name, const std::wstring& caption)
    : NativeControl(owner, std::move(name), L"BUTTON", caption, WS_GROUP | BS_GROUPBOX) {}

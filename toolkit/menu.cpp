#include "menu.h"

namespace {
UINT NextCommand() {
    static UINT next = 0x7000;
    return next++;
}
} // namespace

MenuItem::MenuItem(std::wstring caption, std::wstring name)
    : Caption(std::move(caption)), Name(std::move(name)), command_(NextCommand()) {}

MenuItem& MenuItem::Add(const std::wstring& caption, const std::wstring& name) {
    items_.push_back(std::make_unique<MenuItem>(caption, name));
    items_.back()->parent_ = this;
    return *items_.back();
}

MenuItem* MenuItem::FindByName(const std::wstring& name) {
    if (Name == name) return this;
    for (auto& item : items_)
        if (MenuItem* found = item->FindByName(name)) return found;
    return nullptr;
}

MenuItem* MenuItem::FindByCommand(UINT command) {
    if (command_ == command) return this;
    for (auto& item : items_)
        if (MenuItem* found = item->FindByCommand(command)) return found;
    return nullptr;
}

void MenuItem::Click() {
    if (AutoCheck) {
        if (RadioItem) {
            if (parent_)
                for (auto& sibling : parent_->items_)
                    if (sibling->RadioItem && sibling->GroupIndex == GroupIndex)
                        sibling->Checked = false;
            Checked = true;
        } else {
            Checked = !Checked;
        }
    }
    if (OnClick) OnClick(*this);
}

HMENU PopupMenu::Build(const MenuItem& item) const {
    HMENU menu = CreatePopupMenu();
    for (const auto& child : item.Items()) {
        if (!child->Visible) continue;
        UINT flags =
            MF_STRING | (child->Enabled ? 0 : MF_GRAYED) | (child->Checked ? MF_CHECKED : 0);
        if (child->Caption == L"-") {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!child->Items().empty()) {
            AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(Build(*child)),
                        child->Caption.c_str());
        } else {
            AppendMenuW(menu, flags, child->Command(), child->Caption.c_str());
            if (child->RadioItem) {
                MENUITEMINFOW info{};
                info.cbSize = sizeof info;
                info.fMask = MIIM_FTYPE;
                info.fType = MFT_STRING | MFT_RADIOCHECK;
                SetMenuItemInfoW(menu, child->Command(), FALSE, &info);
            }
        }
    }
    return menu;
}

void PopupMenu::Popup(HWND owner, int x, int y) {
    HMENU menu = Build(root_);
    // The owner must be in front, or the menu does not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    UINT command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0,
                                  owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
    DestroyMenu(menu);
    if (command) Command(command);
}

bool PopupMenu::Command(UINT command) {
    MenuItem* item = root_.FindByCommand(command);
    if (!item || item == &root_) return false;
    item->Click();
    return true;
}

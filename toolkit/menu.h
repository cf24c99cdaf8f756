#pragma once
// Pop-up menus with submenus, check marks and radio groups, built into a platform menu each
// time they are shown.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class MenuItem {
  public:
    explicit MenuItem(std::wstring caption = std::wstring(), std::wstring name = std::wstring());

    std::wstring Caption;
    std::wstring Name;
    bool Checked = false;
    bool Visible = true;
    bool Enabled = true;
    bool RadioItem = false; // one checked item per GroupIndex among its siblings
    int GroupIndex = 0;
    bool AutoCheck = false; // a click checks it (a radio item) or toggles it
    std::function<void(MenuItem&)> OnClick;

    MenuItem& Add(const std::wstring& caption, const std::wstring& name = std::wstring());
    void Clear() { items_.clear(); }
    const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
    MenuItem* Parent() const { return parent_; }
    UINT Command() const { return command_; }
    MenuItem* FindByName(const std::wstring& name);
    MenuItem* FindByCommand(UINT command);

    // What a click does: the automatic check, then the handler.
    void Click();

  private:
    std::vector<std::unique_ptr<MenuItem>> items_;
    MenuItem* parent_ = nullptr;
    UINT command_;
};

class PopupMenu {
  public:
    MenuItem& Root() { return root_; }
    const MenuItem& Root() const { return root_; }
    // Shows the menu at a screen point, owned by the window; a chosen item is clicked.
    void Popup(HWND owner, int x, int y);
    // Clicks the item with this command; false when no item has it.
    bool Command(UINT command);

  private:
    HMENU Build(const MenuItem& item) const;
    MenuItem root_;
};

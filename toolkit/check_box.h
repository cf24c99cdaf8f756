#pragma once
// A native check box, a child window of a form.
#include <windows.h>

#include <functional>
#include <string>

class Form;

class CheckBox {
  public:
    CheckBox(Form& owner, std::wstring name, const std::wstring& caption);
    ~CheckBox();
    CheckBox(const CheckBox&) = delete;
    CheckBox& operator=(const CheckBox&) = delete;

    const std::wstring& Name() const { return name_; }
    HWND Handle() const { return handle_; }
    bool Checked() const;
    void SetChecked(bool checked);
    bool Visible() const;
    void SetVisible(bool visible);
    void SetEnabled(bool enabled);
    void SetBounds(int left, int top, int width, int height);
    void SetCaption(const std::wstring& caption);

    std::function<void(CheckBox&)> OnClick;
    // Called by the owner form for its child's notifications.
    void Notify(WORD code);

  private:
    std::wstring name_;
    HWND handle_ = nullptr;
};

#pragma once
// A native child window of a form (button, check box, combo box, progress bar, radio button).
// The form hands the control's notifications back to it.
#include <windows.h>

#include <string>

class Form;

class NativeControl {
  public:
    virtual ~NativeControl();
    NativeControl(const NativeControl&) = delete;
    NativeControl& operator=(const NativeControl&) = delete;

    const std::wstring& Name() const { return name_; }
    HWND Handle() const { return handle_; }
    int Id() const { return GetDlgCtrlID(handle_); }
    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void SetBounds(int left, int top, int width, int height);
    RECT Bounds() const; // in the form's client coordinates
    void SetCaption(const std::wstring& caption);
    std::wstring Caption() const;
    void SetFont(HFONT font);
    void SetFocus();

    // Called by the owner form for its child's notifications (WM_COMMAND codes).
    virtual void Notify(WORD code) = 0;

  protected:
    // id 0: the next free number of the toolkit.
    NativeControl(Form& owner, std::wstring name, const wchar_t* windowClass,
                  const std::wstring& caption, DWORD style, int id = 0);

  private:
    std::wstring name_;
    HWND handle_ = nullptr;
};

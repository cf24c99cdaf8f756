#pragma once
// A top-level window of the toolkit: borderless and skinned, or a fixed dialog. Owned by
// the application object, which calls its creation and destruction steps.
#include <windows.h>

#include <string>

struct FormDesign {
    std::wstring className; // the window class, named after the form ("TAudioMainForm")
    std::wstring caption;
    int width = 320;
    int height = 240;
    bool borderless = false;
};

class Form {
  public:
    explicit Form(const FormDesign& design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND Handle() const { return handle_; }
    const std::wstring& ClassName() const { return className_; }
    void Show();
    void Hide();
    bool Visible() const;
    void Close();
    void SetCaption(const std::wstring& caption);
    std::wstring Caption() const;

    // Called by the application: after construction, before destruction.
    void DoCreate();
    void DoDestroy();

  protected:
    virtual void FormCreate() {}
    virtual void FormDestroy() {}
    virtual void FormShow() {}
    virtual void FormActivate() {}
    // The window procedure before default handling; return true when the message is done.
    virtual bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    bool IsMainForm() const;

    std::wstring className_;
    HWND handle_ = nullptr;
};

#pragma once
// A top-level window of the toolkit: borderless and skinned, or a fixed dialog. Owned by
// the application object, which calls its creation and destruction steps. Its windowless
// controls are drawn in z-order into a back buffer and get the mouse through it.
#include "control_model.h"
#include "paint_context.h"

#include <windows.h>

#include <string>

struct FormDesign {
    std::wstring className; // the window class, named after the form ("TAudioMainForm")
    std::wstring caption;
    int width = 320;
    int height = 240;
    bool borderless = false;
    Color background = 0xF0F0F0;
};

class Form : public ControlContainer {
  public:
    explicit Form(const FormDesign& design);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND Handle() const { return handle_; }
    const std::wstring& ClassName() const { return className_; }
    void Show();
    void Hide();
    bool Visible() const;
    void Close();
    // Shows the form and returns when it is hidden again (closed, or hidden by a handler).
    void ShowModal();
    void SetCaption(const std::wstring& caption);
    std::wstring Caption() const;
    int ClientWidth() const;
    int ClientHeight() const;
    // Client size; the window's frame is added around it.
    void SetClientSize(int width, int height);
    void SetBackground(Color color);
    void CenterOnScreen();
    // The window's outline; the form owns the region afterwards (null: rectangular).
    bool SetRegion(HRGN region);

    // Called by the application: after construction, before destruction.
    void DoCreate();
    void DoDestroy();

    void InvalidateArea(const Bounds& area) override;

  protected:
    virtual void FormCreate() {}
    virtual void FormDestroy() {}
    virtual void FormShow() {}
    virtual void FormActivate() {}
    // A press on the form itself, outside every enabled control.
    virtual void FormMouseDown(const MouseEvent&) {}
    // More state for the inspection answer.
    virtual std::wstring InspectExtra() const { return std::wstring(); }
    // The window procedure before default handling; return true when the message is done.
    virtual bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    bool IsMainForm() const;
    void Paint();
    bool RouteMouse(UINT msg, WPARAM wParam, LPARAM lParam);

    std::wstring className_;
    HWND handle_ = nullptr;
    Color background_;
    Control* captured_ = nullptr;
    HBRUSH controlBrush_ = nullptr;
};

#pragma once
// The application object: a hidden top-level window of class "TApplication" whose text is
// the application title, the forms it owns, and the message loop.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class Form;

class TApplication {
  public:
    TApplication();
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    void Initialize() {}

    // The first form created becomes the main form; closing it ends the message loop.
    template <typename T, typename... Args> T* CreateForm(Args&&... args) {
        auto form = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = form.get();
        AdoptForm(std::move(form));
        return raw;
    }

    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    void ProcessMessages();

    // Minimising hides the forms and minimises the application window; restoring reverses it.
    void Minimize();
    void Restore();
    bool Minimized() const { return minimized_; }
    void HideApplicationWindow();
    void AddMinimizeListener(const void* owner, std::function<void()> listener);
    void RemoveMinimizeListener(const void* owner);

    // Sees every message the loop takes before it is dispatched; true when it is handled.
    std::function<bool(MSG&)> OnMessage;

    HWND Handle() const { return handle_; }
    HINSTANCE Instance() const { return instance_; }
    std::wstring Title() const;
    void SetTitle(const std::wstring& title);
    void SetIcon(HICON icon);
    Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }

    bool ShowMainForm = true;

    // The standard exception dialog: the message (with a final period) under the title.
    void ShowException(const std::wstring& message);
    // Inside a catch block: shows the exception being handled. One that is not the
    // toolkit's own or a standard one is shown with an empty message.
    void ShowCurrentException();

    // Keeps the application window's visibility in step with its forms.
    void UpdateVisible();

  private:
    void AdoptForm(std::unique_ptr<Form> form);
    bool HandleMessage();
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT AppWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    HWND handle_ = nullptr;
    std::wstring title_;
    std::wstring defaultTitle_;
    std::vector<std::unique_ptr<Form>> forms_;
    std::vector<HWND> hiddenByMinimize_;
    std::map<const void*, std::function<void()>> minimizeListeners_;
    bool terminated_ = false;
    bool minimized_ = false;
    bool restoring_ = false;
};

// The exception dialog when no application object exists yet (title: the program's name).
void ShowExceptionWithoutApplication();

// The one application object of the process.
TApplication& Application();
bool ApplicationExists();

#pragma once
// An icon in the notification area with a hint and a pop-up menu. It restores the
// application on a double click, shows its menu on a right-button release, hides the
// application's taskbar button while the application is minimised, and comes back when
// the taskbar restarts.
#include "menu.h"

#include <windows.h>

#include <functional>
#include <string>

class TrayIcon {
  public:
    TrayIcon();
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void SetIcon(HICON icon);
    void SetHint(const std::wstring& hint);
    const std::wstring& Hint() const { return hint_; }
    void SetVisible(bool visible);
    bool Visible() const { return visible_; }
    // Whether the notification area took the icon.
    bool Shown() const { return shown_; }

    PopupMenu* Menu = nullptr;
    bool MinimizeToTray = true;
    // After a double click has restored the application.
    std::function<void()> OnRestore;

    // The application minimised and its taskbar window hidden: only the icon remains.
    void Minimize();
    // The application restored and brought to the foreground.
    void Restore();

    HWND Handle() const { return window_; }
    static UINT CallbackMessage();

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void Update(DWORD action);

    HWND window_ = nullptr;
    HICON icon_ = nullptr;
    std::wstring hint_;
    bool visible_ = false;
    bool shown_ = false;
    UINT taskbarCreated_ = 0;
};

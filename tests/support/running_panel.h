#pragma once
// The real panel, started as the device service starts it and run against the simulated
// device, for end-to-end tests: it is ready once its window shows and it has activated; its
// state and controls are read through its inspection answer; controls are pressed, clicked
// and dragged by name with the real mouse; its debug lines are at hand; it is closed at the end.
#include "debug_monitor.h"
#include "test_support.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string>

struct ControlBox {
    int left = 0, top = 0, width = 0, height = 0;
    int CentreX() const { return left + width / 2; }
    int CentreY() const { return top + height / 2; }
};

// The one reader of the system's debug output in a test program.
DebugMonitor& SharedDebugMonitor();

// The install-like folder the build stages, with the panel, its library and its data.
std::wstring StagedPanelFolder();

class RunningPanel {
  public:
    // Starts the panel of folder with arguments; the simulated device is used unless the
    // environment of this process says otherwise.
    explicit RunningPanel(const std::wstring& folder = StagedPanelFolder(),
                          const std::wstring& arguments = L"-servicestart");
    ~RunningPanel();
    RunningPanel(const RunningPanel&) = delete;
    RunningPanel& operator=(const RunningPanel&) = delete;

    // The window showed and the panel activated it within the time.
    bool Ready() const { return ready_; }
    HWND Main() const { return main_; }
    DWORD Pid() const { return process_->Pid(); }
    ChildProcess& Process() { return *process_; }

    // Waits until the panel has taken everything sent to it so far and waits for input.
    void Settle() const;
    std::map<std::wstring, std::wstring> State() const;
    bool WaitForState(const std::wstring& key, const std::wstring& value,
                      DWORD timeoutMs = 10000) const;
    // The inspection line of a control ("name", "kind", "visible", "bounds", "picture" ...).
    std::map<std::wstring, std::wstring> ControlInfo(const std::wstring& name) const;
    ControlBox Bounds(const std::wstring& name) const;
    bool Visible(const std::wstring& name) const;
    // A point of a control (its centre moved by dx, dy) on the screen.
    POINT ScreenPoint(const std::wstring& name, int dx = 0, int dy = 0) const;

    // The real mouse, at a control's centre.
    void Click(const std::wstring& name);
    void Press(const std::wstring& name);
    void Release();
    void Drag(const std::wstring& name, int dx, int dy);
    // A tray menu item by its path of item names ("SkinMenu/Daylight/"); its inspection line.
    void ClickMenu(const std::wstring& path);
    std::map<std::wstring, std::wstring> MenuInfo(const std::wstring& path) const;

    std::wstring DebugText() const;
    bool WaitForDebug(const std::wstring& text, DWORD timeoutMs = 10000) const;

    // Asks the main window to close; the exit code, or -1 when it did not end in time.
    long Close(DWORD timeoutMs = 30000);

  private:
    std::unique_ptr<ChildProcess> process_;
    HWND main_ = nullptr;
    bool ready_ = false;
};

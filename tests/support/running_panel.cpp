#include "running_panel.h"

#include "inspect_client.h"
#include "screen_input.h"

namespace {
const DWORD kStartTimeout = 60000;
} // namespace

DebugMonitor& SharedDebugMonitor() {
    static DebugMonitor monitor;
    return monitor;
}

std::wstring StagedPanelFolder() {
    return BinFolder() + L"..\\stage\\";
}

RunningPanel::RunningPanel(const std::wstring& folder, const std::wstring& arguments) {
    SharedDebugMonitor();
    wchar_t chosen[8] = L"";
    bool inherited = GetEnvironmentVariableW(L"TRV42XX_SIMULATOR", chosen, 8) > 0;
    if (!inherited) SetEnvironmentVariableW(L"TRV42XX_SIMULATOR", L"1");
    process_ = std::make_unique<ChildProcess>(Quoted(folder + L"Kestrel.exe") + L" " + arguments);
    if (!inherited) SetEnvironmentVariableW(L"TRV42XX_SIMULATOR", nullptr);
    if (!process_->Started()) return;
    main_ = WaitForWindow(process_->Pid(), L"TAudioMainForm", kStartTimeout);
    ready_ = main_ && WaitForDebug(L"FormActivate", kStartTimeout) &&
             WaitUntil([&] { return IsWindowVisible(main_) != FALSE; }, kStartTimeout) &&
             WaitUntil([&] { return !State().empty(); }, kStartTimeout);
    if (ready_) Settle();
}

RunningPanel::~RunningPanel() {
    if (process_ && process_->Running()) Close();
}

void RunningPanel::Settle() const {
    WaitForInputIdle(process_->Handle(), 30000);
    DWORD_PTR ignored = 0;
    if (main_) SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored);
}

std::map<std::wstring, std::wstring> RunningPanel::State() const {
    return InspectLine(InspectForm(main_), L"state");
}

bool RunningPanel::WaitForState(const std::wstring& key, const std::wstring& value,
                                DWORD timeoutMs) const {
    return WaitUntil([&] { return State()[key] == value; }, timeoutMs, 50);
}

std::map<std::wstring, std::wstring> RunningPanel::ControlInfo(const std::wstring& name) const {
    return InspectLine(InspectForm(main_), L"control name=" + name);
}

ControlBox RunningPanel::Bounds(const std::wstring& name) const {
    ControlBox box;
    auto fields = ControlInfo(name);
    auto found = fields.find(L"bounds");
    if (found != fields.end())
        swscanf(found->second.c_str(), L"%d,%d,%d,%d", &box.left, &box.top, &box.width,
                &box.height);
    return box;
}

bool RunningPanel::Visible(const std::wstring& name) const {
    return ControlInfo(name)[L"visible"] == L"1";
}

POINT RunningPanel::ScreenPoint(const std::wstring& name, int dx, int dy) const {
    ControlBox box = Bounds(name);
    return ClientToScreenPoint(main_, box.CentreX() + dx, box.CentreY() + dy);
}

void RunningPanel::Click(const std::wstring& name) {
    POINT p = ScreenPoint(name);
    MouseClickAt(p.x, p.y);
    Settle();
}

void RunningPanel::Press(const std::wstring& name) {
    POINT p = ScreenPoint(name);
    MouseMoveTo(p.x, p.y);
    MouseDown();
    Settle();
}

void RunningPanel::Release() {
    MouseUp();
    Settle();
}

void RunningPanel::Drag(const std::wstring& name, int dx, int dy) {
    POINT p = ScreenPoint(name);
    MouseDrag(p.x, p.y, p.x + dx, p.y + dy);
    Settle();
}

std::map<std::wstring, std::wstring> RunningPanel::MenuInfo(const std::wstring& path) const {
    return InspectLine(InspectForm(main_), L"menu path=" + path);
}

// The tray menu is the tray window's; a chosen item reaches it as its command.
void RunningPanel::ClickMenu(const std::wstring& path) {
    HWND tray = WaitForWindow(process_->Pid(), L"TTrayIconWindow", 10000);
    UINT command = static_cast<UINT>(wcstoul(MenuInfo(path)[L"command"].c_str(), nullptr, 10));
    if (tray && command) PostMessageW(tray, WM_COMMAND, command, 0);
    Settle();
}

std::wstring RunningPanel::DebugText() const {
    return SharedDebugMonitor().TextOf(process_->Pid());
}

bool RunningPanel::WaitForDebug(const std::wstring& text, DWORD timeoutMs) const {
    return SharedDebugMonitor().WaitFor(process_->Pid(), text, timeoutMs);
}

long RunningPanel::Close(DWORD timeoutMs) {
    for (HWND window : WindowsOf(process_->Pid(), L"TAudioMainForm"))
        PostMessageW(window, WM_CLOSE, 0, 0);
    long code = process_->WaitExit(timeoutMs);
    if (code == -1) process_->Kill();
    return code;
}

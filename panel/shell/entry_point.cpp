#include "shell/entry_point.h"

#include "ui/about_form.h"
#include "app_config.h"
#include "application.h"
#include "shell/audio_main_form.h"
#include "debug_output.h"
#include "ui/led_form.h"
#include "shell/panel_role.h"
#include "service_control.h"
#include "ui/simple_form.h"
#include "win_handles.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <vector>

namespace {

const wchar_t kInstanceMutexName[] = L"{196BFF53-13AC-4BB7-8F82-D7E5E55E19F7}";
const wchar_t kServiceName[] = L"Meridel";

std::vector<std::wstring> CommandLineParams() {
    std::vector<std::wstring> params;
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    params.push_back(path);
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; argv && i < count; ++i)
        params.push_back(argv[i]);
    LocalFree(argv);
    return params;
}

void Relay(const wchar_t* banner, unsigned code) {
    WriteDebugText(banner);
    int result = ControlTheService(kServiceName, code, ServiceRights::Panel);
    DebugPrint(L"ControlTheService ret = %d\n", result);
}

// The first panel may already carry the configured title instead of the default one;
// looking for that too keeps a second start from failing silently.
HWND FindFirstInstance(const std::wstring& defaultTitle, const std::wstring& executablePath) {
    if (HWND first = FindWindowW(L"TApplication", defaultTitle.c_str())) return first;
    std::wstring folder = executablePath.substr(0, executablePath.rfind(L'\\') + 1);
    std::wstring configured =
        ReadConfigText(folder + kAppConfigFileName, L"Install", L"InstallAppTitle");
    if (configured.empty() || configured == defaultTitle) return nullptr;
    return FindWindowW(L"TApplication", configured.c_str());
}

// Another panel runs: bring its application window forward. This instance creates no window,
// so it does no device work and writes no profile that would disturb the running panel.
void HandOverToFirstInstance(TApplication& app, const std::wstring& executablePath) {
    std::wstring title = app.Title();
    SetWindowTextW(app.Handle(), L"");
    HWND first = FindFirstInstance(title, executablePath);
    if (!first) return;
    if (IsIconic(first)) ShowWindow(first, SW_RESTORE);
    BringWindowToTop(first);
    SetForegroundWindow(first);
}

// The mutex is created once: when it exists already (or exists and may not be opened by this
// user), another panel runs. Opening and then creating it would let two panels started
// together both find nothing and both run. It only marks that a panel runs and lives as long
// as this process; a creation that fails otherwise leaves the panel running unguarded.
bool AnotherPanelRuns(UniqueHandle& instanceMutex) {
    instanceMutex.reset(CreateMutexW(nullptr, FALSE, kInstanceMutexName));
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || (!instanceMutex && error == ERROR_ACCESS_DENIED);
}

} // namespace

int KestrelMain() {
    UniqueHandle instanceMutex;
    std::unique_ptr<TApplication> app;
    try {
        std::vector<std::wstring> params = CommandLineParams();
        for (size_t i = 0; i < params.size(); ++i)
            DebugPrint(L"ParamStr(%d) = %s\n", i, params[i]);

        switch (ChoosePanelRole(params)) {
        case PanelRole::RelayBoot:
            Relay(L"===== Service Control Execution -boot =====\n", kServiceCodeBoot);
            return 0;
        case PanelRole::RelayNoSwitch:
            Relay(L"===== Service Control Execution no service =====\n", kServiceCodeNoSwitch);
            return 0;
        case PanelRole::Running:
            break;
        }

        app = std::make_unique<TApplication>();
        if (AnotherPanelRuns(instanceMutex)) {
            HandOverToFirstInstance(*app, params[0]);
            return 0;
        }

        app->Initialize();
        TAudioMainForm* main = app->CreateForm<TAudioMainForm>();
        TAboutForm* about = app->CreateForm<TAboutForm>();
        TLEDForm* led = app->CreateForm<TLEDForm>();
        main->AttachWindows(about, led);
        app->CreateForm<TSimpleForm>();
        app->Run();
    } catch (...) {
        if (app)
            app->ShowCurrentException();
        else
            ShowExceptionWithoutApplication();
    }
    return 0;
}

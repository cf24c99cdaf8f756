// Stand-in for the device service. Registers itself with "/Service"; when running it starts
// the panel with the command lines setup registered, on the user-defined control codes
// 193 (user start) and 196 (boot). When it starts and the extension filter driver is
// registered, it attaches the driver to the system's devices (the package's own way of
// putting the driver in their stacks; setup restarts them afterwards). For tests it can keep a
// journal of the control codes it receives and imitate a service that refuses or is slow to stop or
// start.
#include "debug_output.h"
#include "device_id_mgr.h"
#include "device_search.h"
#include "simulated_device_list.h"
#include "win_handles.h"

#include <setupapi.h>

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {

struct Options {
    bool registerSelf = false;
    std::wstring journal;
    bool acceptStop = true;
    bool slowStop = false;
    bool slowStart = false;
    bool rejectUserCodes = false;
};

Options g_options;
std::wstring g_name = L"Meridel";
SERVICE_STATUS_HANDLE g_statusHandle = nullptr;
SERVICE_STATUS g_status{};
UniqueHandle g_stopEvent;
const DWORD kSlowMs = 12000; // longer than the controller's 9 s of polling

Options ParseOptions() {
    Options options;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; argv && i < count; ++i) {
        std::wstring a = argv[i];
        if (a == L"/Service")
            options.registerSelf = true;
        else if (a == L"--journal" && i + 1 < count)
            options.journal = argv[++i];
        else if (a == L"--no-stop")
            options.acceptStop = false;
        else if (a == L"--slow-stop")
            options.slowStop = true;
        else if (a == L"--slow-start")
            options.slowStart = true;
        else if (a == L"--reject-user-codes")
            options.rejectUserCodes = true;
    }
    LocalFree(argv);
    return options;
}

void Journal(const std::wstring& line) {
    DebugPrint(L"Meridel: %s\n", line);
    if (g_options.journal.empty()) return;
    UniqueHandle file(CreateFileW(g_options.journal.c_str(), FILE_APPEND_DATA,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    std::string bytes;
    for (wchar_t c : line + L"\r\n")
        bytes.push_back(static_cast<char>(c < 0x80 ? c : '?'));
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// Debug output only: the journal keeps the control codes and the programs started.
void Note(const std::wstring& line) {
    DebugPrint(L"Meridel: %s\n", line);
}

void ReportState(DWORD state, DWORD waitHint = 0) {
    g_status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    g_status.dwCurrentState = state;
    g_status.dwControlsAccepted =
        (state == SERVICE_RUNNING && g_options.acceptStop) ? SERVICE_ACCEPT_STOP : 0;
    g_status.dwWin32ExitCode = NO_ERROR;
    g_status.dwWaitHint = waitHint;
    SetServiceStatus(g_statusHandle, &g_status);
}

// The start-up line registered by setup for this control code, if any.
void StartRegisteredProgram(DWORD code) {
    const wchar_t* valueName =
        code == 196 ? L"SystemPrivilegeExecutionOnBoot_C3" : L"UserPrivilegeExecution_C0";
    UniqueRegKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\TRV 42xx Software", 0,
                      KEY_READ | KEY_WOW64_32KEY, key.put()) != ERROR_SUCCESS)
        return;
    wchar_t line[1024] = L"";
    DWORD size = sizeof line - sizeof(wchar_t), type = 0;
    if (RegQueryValueExW(key.get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(line),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    // The user's desktop, not the service's own window station, so that the user sees it.
    wchar_t desktop[] = L"WinSta0\\Default";
    startup.lpDesktop = desktop;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        Journal(std::wstring(L"started ") + line);
    }
}

bool SimulatorSelected() {
    wchar_t value[8] = L"";
    return GetEnvironmentVariableW(L"TRV42XX_SIMULATOR", value, 8) == 1 && value[0] == L'1';
}

// Puts "Polder" first in the lower filters of the present devices of the USB group that
// setup stored, once the driver's service key exists.
void AttachFilterDriver() {
    const wchar_t kDriver[] = L"Polder";
    UniqueRegKey driverKey;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Services\\Polder", 0,
                      KEY_READ | KEY_WOW64_64KEY, driverKey.put()) != ERROR_SUCCESS)
        return Note(L"no filter driver to attach");
    CDeviceIdMgr ids(MatchRule::Setup);
    if (ids.LoadFromRegistry(kUsbDeviceIdGroupKey) != 0)
        return Note(L"no device group to attach the driver to");
    if (SimulatorSelected()) SetDeviceListSource(&sim::SimulatedDeviceLists());
    Note(SimulatorSelected() ? L"attaching to the simulated devices" : L"attaching to the devices");
    const GUID anyClass{};
    std::unique_ptr<DeviceList> list = DeviceLists().Open(anyClass, true);
    for (uint32_t i = 0; list && list->HasEntry(i); ++i) {
        uint32_t type = 0;
        auto hardwareId = GetDeviceProperty(*list, i, SPDRP_HARDWAREID, &type);
        if (!hardwareId || !ids.Match(reinterpret_cast<const wchar_t*>(hardwareId->data())))
            continue;
        if (DevicePropertyEquals(*list, i, kDriver, SPDRP_LOWERFILTERS)) continue;
        std::wstring filters = std::wstring(kDriver) + L'\0';
        if (auto old = GetDeviceProperty(*list, i, SPDRP_LOWERFILTERS, &type);
            old && type == REG_MULTI_SZ)
            for (const wchar_t* p = reinterpret_cast<const wchar_t*>(old->data()); *p;
                 p += wcslen(p) + 1)
                filters += std::wstring(p) + L'\0';
        filters += L'\0';
        if (list->WriteProperty(i, SPDRP_LOWERFILTERS,
                                reinterpret_cast<const uint8_t*>(filters.data()),
                                static_cast<uint32_t>(filters.size() * sizeof(wchar_t))))
            Note(L"attached Polder");
    }
}

DWORD WINAPI ControlHandler(DWORD control, DWORD, LPVOID, LPVOID) {
    switch (control) {
    case SERVICE_CONTROL_STOP:
        Journal(L"control 1");
        if (!g_options.acceptStop) return ERROR_CALL_NOT_IMPLEMENTED;
        ReportState(SERVICE_STOP_PENDING, kSlowMs + 1000);
        if (!g_options.slowStop) SetEvent(g_stopEvent.get());
        return NO_ERROR;
    case SERVICE_CONTROL_INTERROGATE:
        return NO_ERROR;
    default:
        if (control < 128 || control > 255) return ERROR_CALL_NOT_IMPLEMENTED;
        Journal(L"control " + std::to_wstring(control));
        if (g_options.rejectUserCodes) return ERROR_CALL_NOT_IMPLEMENTED;
        if (control == 193 || control == 196) StartRegisteredProgram(control);
        return NO_ERROR;
    }
}

void WINAPI ServiceMain(DWORD argc, LPWSTR* argv) {
    if (argc > 0 && argv[0] && *argv[0]) g_name = argv[0];
    g_statusHandle = RegisterServiceCtrlHandlerExW(g_name.c_str(), ControlHandler, nullptr);
    if (!g_statusHandle) return;
    g_stopEvent.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    ReportState(SERVICE_START_PENDING, kSlowMs + 1000);
    Journal(L"start");
    AttachFilterDriver();
    if (g_options.slowStart) Sleep(kSlowMs);
    ReportState(SERVICE_RUNNING);
    // A slow stop finishes on its own time after the request.
    while (WaitForSingleObject(g_stopEvent.get(), 100) != WAIT_OBJECT_0) {
        if (g_status.dwCurrentState == SERVICE_STOP_PENDING && g_options.slowStop) {
            Sleep(kSlowMs);
            break;
        }
    }
    Journal(L"stop");
    ReportState(SERVICE_STOPPED);
}

int RegisterSelf() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    UniqueServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager) return 1;
    // A service left by an earlier installation now runs this program file.
    UniqueServiceHandle existing(OpenServiceW(manager.get(), L"Meridel", SERVICE_ALL_ACCESS));
    if (existing)
        return ChangeServiceConfigW(existing.get(), SERVICE_NO_CHANGE, SERVICE_NO_CHANGE,
                                    SERVICE_NO_CHANGE, path, nullptr, nullptr, nullptr, nullptr,
                                    nullptr, nullptr)
                   ? 0
                   : 2;
    UniqueServiceHandle service(CreateServiceW(manager.get(), L"Meridel", L"Meridel",
                                               SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
                                               SERVICE_AUTO_START, SERVICE_ERROR_NORMAL, path,
                                               nullptr, nullptr, nullptr, nullptr, nullptr));
    return service ? 0 : 2;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    g_options = ParseOptions();
    if (g_options.registerSelf) return RegisterSelf();
    SERVICE_TABLE_ENTRYW table[] = {{const_cast<LPWSTR>(L""), ServiceMain}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherW(table) ? 0 : 1;
}

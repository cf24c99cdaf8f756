#include "test_support.h"

#include <fstream>
#include <sstream>

std::wstring BinFolder() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p = path;
    return p.substr(0, p.rfind(L'\\') + 1);
}

TempFolder::TempFolder() {
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    static LONG counter = 0;
    for (;;) {
        path_ = std::wstring(temp) + L"trv-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(InterlockedIncrement(&counter)) + L"\\";
        if (CreateDirectoryW(path_.c_str(), nullptr)) break;
    }
}

TempFolder::~TempFolder() {
    RemoveTree(path_);
}

void RemoveTree(const std::wstring& folder) {
    std::wstring base = folder;
    if (!base.empty() && base.back() == L'\\') base.pop_back();
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((base + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring full = base + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileW(full.c_str());
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(base.c_str());
}

bool FileExists(const std::wstring& path) {
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path) {
    DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void WriteUtf16File(const std::wstring& path, const std::wstring& text) {
    std::string bytes("\xFF\xFE", 2);
    for (wchar_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>((c >> 8) & 0xFF));
    }
    WriteFileBytes(path, bytes);
}

std::wstring ReadTextFile(const std::wstring& path) {
    std::string bytes = ReadFileBytes(path);
    return std::wstring(bytes.begin(), bytes.end());
}

std::wstring Quoted(const std::wstring& path) {
    return L"\"" + path + L"\"";
}

ChildProcess::ChildProcess(const std::wstring& commandLine, bool captureOutput) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    HANDLE writeEnd = nullptr;
    if (captureOutput) {
        SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
        CreatePipe(&output_, &writeEnd, &sa, 0);
        SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = writeEnd;
        startup.hStdError = writeEnd;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    }
    std::wstring line = commandLine;
    PROCESS_INFORMATION info{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, captureOutput, 0, nullptr, nullptr,
                       &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        pid_ = info.dwProcessId;
    }
    if (writeEnd) CloseHandle(writeEnd);
}

ChildProcess::~ChildProcess() {
    if (process_) {
        if (Running()) Kill();
        CloseHandle(process_);
    }
    if (output_) CloseHandle(output_);
}

long ChildProcess::WaitExit(DWORD timeoutMs) {
    if (!process_) return -1;
    if (output_) Output();
    if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return static_cast<long>(code);
}

bool ChildProcess::Running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::string ChildProcess::Output() {
    if (output_) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(output_, buffer, sizeof buffer, &got, nullptr) && got > 0)
            captured_.append(buffer, got);
        CloseHandle(output_);
        output_ = nullptr;
    }
    return captured_;
}

void ChildProcess::Kill() {
    if (process_) {
        TerminateProcess(process_, 255);
        WaitForSingleObject(process_, 5000);
    }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD stepMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return condition();
        Sleep(stepMs);
    }
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = L"";
    GetClassNameW(hwnd, name, 256);
    return name;
}

std::wstring WindowText(HWND hwnd) {
    wchar_t text[1024] = L"";
    GetWindowTextW(hwnd, text, 1024);
    return text;
}

namespace {
struct WindowSearch {
    DWORD pid;
    const std::wstring* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    auto* s = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == s->pid && (s->className->empty() || ClassOf(hwnd) == *s->className))
        s->found.push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM param) {
    if (ClassOf(child) == L"Static") {
        auto* text = reinterpret_cast<std::wstring*>(param);
        std::wstring t = WindowText(child);
        if (!t.empty()) *text += t + L"\n";
    }
    return TRUE;
}
} // namespace

std::vector<HWND> WindowsOf(DWORD pid, const std::wstring& className) {
    WindowSearch search{pid, &className, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(DWORD pid, const std::wstring& className, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            auto windows = WindowsOf(pid, className);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

std::wstring DialogText(HWND dialog) {
    std::wstring all;
    EnumChildWindows(dialog, CollectStaticText, reinterpret_cast<LPARAM>(&all));
    return all;
}

void RemoveService(const std::wstring& name) {
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) return;
    SC_HANDLE service = OpenServiceW(manager, name.c_str(), SERVICE_ALL_ACCESS);
    if (service) {
        SERVICE_STATUS status{};
        auto stopped = [&] {
            return QueryServiceStatus(service, &status) && status.dwCurrentState == SERVICE_STOPPED;
        };
        if (!stopped()) {
            ControlService(service, SERVICE_CONTROL_STOP, &status);
            // A service made to refuse or drag out its stop is ended by force.
            if (!WaitUntil(stopped, 2000, 50)) {
                SERVICE_STATUS_PROCESS process{};
                DWORD needed = 0;
                if (QueryServiceStatusEx(service, SC_STATUS_PROCESS_INFO,
                                         reinterpret_cast<BYTE*>(&process), sizeof process,
                                         &needed) &&
                    process.dwProcessId) {
                    HANDLE h =
                        OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process.dwProcessId);
                    if (h) {
                        TerminateProcess(h, 1);
                        WaitForSingleObject(h, 5000);
                        CloseHandle(h);
                    }
                }
                WaitUntil(stopped, 5000, 50);
            }
        }
        DeleteService(service);
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
}

TestService::TestService(const std::wstring& name, const std::wstring& commandLine) : name_(name) {
    RemoveService(name);
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) return;
    SC_HANDLE service =
        CreateServiceW(manager, name.c_str(), name.c_str(), SERVICE_ALL_ACCESS,
                       SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL,
                       commandLine.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr);
    installed_ = service != nullptr;
    if (service) CloseServiceHandle(service);
    CloseServiceHandle(manager);
}

TestService::~TestService() {
    RemoveService(name_);
}

DWORD TestService::State() const {
    DWORD state = 0;
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (!manager) return 0;
    SC_HANDLE service = OpenServiceW(manager, name_.c_str(), SERVICE_QUERY_STATUS);
    if (service) {
        SERVICE_STATUS status{};
        if (QueryServiceStatus(service, &status)) state = status.dwCurrentState;
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return state;
}

// Started without arguments by tests of program start: leaves "<its path>.ran" behind.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    Sleep(300); // long enough that waiting for the end is observable
    HANDLE file = CreateFileW((std::wstring(path) + L".ran").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return 0;
}

// Setup's entry. The wizard itself comes later; for now setup checks that it carries the
// control panel and says so.
#include "payload_resource.h"
#include "text_format.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    size_t size = 0;
    const void* panel = LoadPayloadResource(107, L"APP", &size);
    std::wstring text = panel ? FormatText(L"This setup carries the control panel (%u bytes).", size)
                              : std::wstring(L"This setup does not carry the control panel.");
    MessageBoxW(nullptr, text.c_str(), L"Setup", MB_OK | (panel ? MB_ICONINFORMATION : MB_ICONERROR));
    return panel ? 0 : 1;
}

#include "device/device_library.h"

#include "debug_output.h"
#include "text_format.h"

#include <windows.h>

const wchar_t kDeviceLibraryFileName[] = L"DLLTR_UsbAudio42xx_x32.dll";

namespace {

const char* const kEntryNames[kDeviceLibraryEntryCount] = {
#define TRV_ENTRY_NAME(name, parameters, arguments) "DLLTR_" #name,
    TRV_DEVICE_LIBRARY_ENTRIES(TRV_ENTRY_NAME)
#undef TRV_ENTRY_NAME
};

FARPROC g_entries[kDeviceLibraryEntryCount] = {};
bool g_bound = false;

std::wstring SystemMessage(DWORD error) {
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = text ? text : L"";
    LocalFree(text);
    return message;
}

template <typename Fn> Fn Bound(DeviceLibraryEntry entry) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(g_entries[entry]));
}

} // namespace

int BindDeviceLibrary() {
    // Loaded for the life of the process; never freed.
    HMODULE library = LoadLibraryW(kDeviceLibraryFileName);
    if (!library) {
        DWORD error = GetLastError();
        std::wstring text =
            FormatText(L"error %d: %s", static_cast<int>(error), SystemMessage(error));
        MessageBoxW(nullptr, text.c_str(), L"Error", MB_OK);
        return 1;
    }
    for (int i = 0; i < kDeviceLibraryEntryCount; ++i) {
        g_entries[i] = GetProcAddress(library, kEntryNames[i]);
        if (!g_entries[i]) {
            if (i >= 2) DebugPrint(L"***** %s *****\n", std::string(kEntryNames[i]));
            for (FARPROC& entry : g_entries)
                entry = nullptr;
            return i + 2;
        }
    }
    g_bound = true;
    return 0;
}

bool DeviceLibraryBound() {
    return g_bound;
}
int DeviceLibraryEntryCount() {
    return kDeviceLibraryEntryCount;
}
const char* DeviceLibraryEntryName(int position) {
    return position >= 0 && position < kDeviceLibraryEntryCount ? kEntryNames[position] : "";
}

namespace dlltr {
#define TRV_DEFINE_CALL(name, parameters, arguments)                                               \
    int name parameters {                                                                          \
        auto fn = Bound<int(WINAPI*) parameters>(e##name);                                         \
        return fn ? fn arguments : kLibraryNotBound;                                               \
    }
TRV_DEVICE_LIBRARY_ENTRIES(TRV_DEFINE_CALL)
#undef TRV_DEFINE_CALL
} // namespace dlltr

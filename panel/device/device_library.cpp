#include "device_library.h"

#include "device_library_entries.h"

#include "debug_output.h"
#include "text_format.h"

const wchar_t kDeviceLibraryFileName[] = L"DLLTR_UsbAudio42xx_x32.dll";

namespace {

const char* const kEntryNames[kDeviceLibraryEntryCount] = {
    "DLLTR_SetActive_Device",
    "DLLTR_AudioCommand",
    "DLLTR_SetVirtual7ch1_OnOff",
    "DLLTR_SetVirtual7ch1",
    "DLLTR_ConfigEQ_ById",
    "DLLTR_Config3D_ById",
    "DLLTR_SetEQ_OnOff_ById",
    "DLLTR_IsEQ_Enable_ById",
    "DLLTR_Set3D_OnOff_ById",
    "DLLTR_Is3D_Enable_ById",
    "DLLTR_SetEnc_Parameters",
    "DLLTR_Read_Register",
    "DLLTR_Write_Register",
    "DLLTR_Read_I2C_ById",
    "DLLTR_SetRGB_Mode",
    "DLLTR_SetRGB_Color",
    "DLLTR_SetRGB_SingleColor",
    "DLLTR_SetRGB_Brightness",
    "DLLTR_SetRGB_Step",
    "DLLTR_UsbHidSlave_SetRGB_Mode_Ex",
    "DLLTR_UsbHidSlave_SetRGB_Color_Ex",
    "DLLTR_UsbHidSlave_SetRGB_SingleColor_Ex",
    "DLLTR_UsbHidSlave_SetRGB_Brightness_Ex",
    "DLLTR_UsbHidSlave_SetRGB_Step_Ex",
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

#define TRV_CALL(entry, signature, ...)                                                            \
    do {                                                                                           \
        auto fn = Bound<int(WINAPI*) signature>(entry);                                            \
        return fn ? fn(__VA_ARGS__) : kLibraryNotBound;                                            \
    } while (0)

namespace dlltr {
int SetActive_Device(uint16_t vid, uint16_t pid) {
    TRV_CALL(eSetActive_Device, (uint16_t, uint16_t), vid, pid);
}
int AudioCommand(uint8_t* block, int* length) {
    TRV_CALL(eAudioCommand, (uint8_t*, int*), block, length);
}
int SetVirtual7ch1_OnOff(int on) {
    TRV_CALL(eSetVirtual7ch1_OnOff, (int), on);
}
int SetVirtual7ch1(VIRTUAL_7CH1_PARAMETERS* p) {
    TRV_CALL(eSetVirtual7ch1, (VIRTUAL_7CH1_PARAMETERS*), p);
}
int ConfigEQ_ById(uint8_t index) {
    TRV_CALL(eConfigEQ_ById, (uint8_t), index);
}
int Config3D_ById(uint8_t index) {
    TRV_CALL(eConfig3D_ById, (uint8_t), index);
}
int SetEQ_OnOff_ById(int on, uint8_t index) {
    TRV_CALL(eSetEQ_OnOff_ById, (int, uint8_t), on, index);
}
int IsEQ_Enable_ById(int* state, uint8_t index) {
    TRV_CALL(eIsEQ_Enable_ById, (int*, uint8_t), state, index);
}
int Set3D_OnOff_ById(int on, uint8_t index) {
    TRV_CALL(eSet3D_OnOff_ById, (int, uint8_t), on, index);
}
int Is3D_Enable_ById(int* state, uint8_t index) {
    TRV_CALL(eIs3D_Enable_ById, (int*, uint8_t), state, index);
}
int SetEnc_Parameters(uint8_t* block) {
    TRV_CALL(eSetEnc_Parameters, (uint8_t*), block);
}
int Read_Register(uint16_t address, uint8_t* value) {
    TRV_CALL(eRead_Register, (uint16_t, uint8_t*), address, value);
}
int Write_Register(uint16_t address, uint8_t value) {
    TRV_CALL(eWrite_Register, (uint16_t, uint8_t), address, value);
}
int Read_I2C_ById(uint8_t address, uint8_t offset, uint8_t* buffer, int count, int wait,
                  uint8_t index) {
    TRV_CALL(eRead_I2C_ById, (uint8_t, uint8_t, uint8_t*, int, int, uint8_t), address, offset,
             buffer, count, wait, index);
}
int SetRGB_Mode(uint8_t slave, uint8_t group, uint8_t mode, uint8_t speed, int parameter) {
    TRV_CALL(eSetRGB_Mode, (uint8_t, uint8_t, uint8_t, uint8_t, int), slave, group, mode, speed,
             parameter);
}
int SetRGB_Color(uint8_t slave, uint8_t group, uint8_t index, uint8_t red, uint8_t green,
                 uint8_t blue, int parameter) {
    TRV_CALL(eSetRGB_Color, (uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, int), slave,
             group, index, red, green, blue, parameter);
}
int SetRGB_SingleColor(uint8_t slave, uint8_t mode, uint8_t group, uint8_t red, uint8_t green,
                       uint8_t blue, int parameter) {
    TRV_CALL(eSetRGB_SingleColor, (uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, int),
             slave, mode, group, red, green, blue, parameter);
}
int SetRGB_Brightness(uint8_t slave, uint8_t brightness, int parameter) {
    TRV_CALL(eSetRGB_Brightness, (uint8_t, uint8_t, int), slave, brightness, parameter);
}
int SetRGB_Step(uint8_t slave, uint8_t steps, int parameter) {
    TRV_CALL(eSetRGB_Step, (uint8_t, uint8_t, int), slave, steps, parameter);
}
int UsbHidSlave_SetRGB_Mode_Ex(uint8_t group, uint8_t mode, uint8_t speed, int parameter) {
    TRV_CALL(eUsbHidSlave_SetRGB_Mode_Ex, (uint8_t, uint8_t, uint8_t, int), group, mode, speed,
             parameter);
}
int UsbHidSlave_SetRGB_Color_Ex(uint8_t group, uint8_t index, uint8_t red, uint8_t green,
                                uint8_t blue, int parameter) {
    TRV_CALL(eUsbHidSlave_SetRGB_Color_Ex, (uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, int),
             group, index, red, green, blue, parameter);
}
int UsbHidSlave_SetRGB_SingleColor_Ex(uint8_t mode, uint8_t group, uint8_t red, uint8_t green,
                                      uint8_t blue, int parameter) {
    TRV_CALL(eUsbHidSlave_SetRGB_SingleColor_Ex, (uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, int),
             mode, group, red, green, blue, parameter);
}
int UsbHidSlave_SetRGB_Brightness_Ex(uint8_t brightness, int parameter) {
    TRV_CALL(eUsbHidSlave_SetRGB_Brightness_Ex, (uint8_t, int), brightness, parameter);
}
int UsbHidSlave_SetRGB_Step_Ex(uint8_t steps, int parameter) {
    TRV_CALL(eUsbHidSlave_SetRGB_Step_Ex, (uint8_t, int), steps, parameter);
}
} // namespace dlltr

#pragma once
// The maker's device library, loaded by its bare file name and bound by name in a fixed
// order. The typed calls below go through the bound entry points; before a successful
// binding they fail with kLibraryNotBound.
#include <windows.h>

#include <cstdint>

extern const wchar_t kDeviceLibraryFileName[]; // "DLLTR_UsbAudio42xx_x32.dll"
const int kLibraryNotBound = -1;

// 0 bound; 1 the library cannot be loaded (after the "Error" message box); otherwise the
// position plus 1 of the first missing entry point.
int BindDeviceLibrary();
bool DeviceLibraryBound();

// The number of entry points bound, and their names in binding order.
int DeviceLibraryEntryCount();
const char* DeviceLibraryEntryName(int position);

// The virtual 7.1 block: enable, then eight ratios and eight angles.
#pragma pack(push, 1)
struct VIRTUAL_7CH1_PARAMETERS {
    int32_t enable;
    float ratio[8];
    float angle[8];
};
#pragma pack(pop)
static_assert(sizeof(VIRTUAL_7CH1_PARAMETERS) == 68, "the library takes 68 bytes");

const int kAudioCommandLength = 234;

namespace dlltr {
int SetActive_Device(uint16_t vid, uint16_t pid);
int AudioCommand(uint8_t* block, int* length);
int SetVirtual7ch1_OnOff(int on);
int SetVirtual7ch1(VIRTUAL_7CH1_PARAMETERS* parameters);
int ConfigEQ_ById(uint8_t index);
int Config3D_ById(uint8_t index);
int SetEQ_OnOff_ById(int on, uint8_t index);
int IsEQ_Enable_ById(int* state, uint8_t index);
int Set3D_OnOff_ById(int on, uint8_t index);
int Is3D_Enable_ById(int* state, uint8_t index);
int SetEnc_Parameters(uint8_t* block);
int Read_Register(uint16_t address, uint8_t* value);
int Write_Register(uint16_t address, uint8_t value);
int Read_I2C_ById(uint8_t address, uint8_t offset, uint8_t* buffer, int count, int wait,
                  uint8_t index);
int SetRGB_Mode(uint8_t slave, uint8_t group, uint8_t mode, uint8_t speed, int parameter);
int SetRGB_Color(uint8_t slave, uint8_t group, uint8_t index, uint8_t red, uint8_t green,
                 uint8_t blue, int parameter);
int SetRGB_SingleColor(uint8_t slave, uint8_t mode, uint8_t group, uint8_t red, uint8_t green,
                       uint8_t blue, int parameter);
int SetRGB_Brightness(uint8_t slave, uint8_t brightness, int parameter);
int SetRGB_Step(uint8_t slave, uint8_t steps, int parameter);
int UsbHidSlave_SetRGB_Mode_Ex(uint8_t group, uint8_t mode, uint8_t speed, int parameter);
int UsbHidSlave_SetRGB_Color_Ex(uint8_t group, uint8_t index, uint8_t red, uint8_t green,
                                uint8_t blue, int parameter);
int UsbHidSlave_SetRGB_SingleColor_Ex(uint8_t mode, uint8_t group, uint8_t red, uint8_t green,
                                      uint8_t blue, int parameter);
int UsbHidSlave_SetRGB_Brightness_Ex(uint8_t brightness, int parameter);
int UsbHidSlave_SetRGB_Step_Ex(uint8_t steps, int parameter);
} // namespace dlltr

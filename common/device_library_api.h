#pragma once
// The maker's device library as the panel binds it: every entry point in binding order with
// its parameters. The panel's typed calls and the stand-in library's exports are both made
// from this one list, so a signature cannot differ between them. Every entry point uses the
// standard calling convention and returns 0 for success.
#include <cstdint>

// The virtual 7.1 block: enable, then eight ratios and eight angles.
#pragma pack(push, 1)
struct VIRTUAL_7CH1_PARAMETERS {
    int32_t enable;
    float ratio[8];
    float angle[8];
};
#pragma pack(pop)
static_assert(sizeof(VIRTUAL_7CH1_PARAMETERS) == 68, "the library takes 68 bytes");

// The audio-command block's length, passed with it.
const int kAudioCommandLength = 234;

// X(name, parameter list, argument list); the exported name is "DLLTR_" + name.
#define TRV_DEVICE_LIBRARY_ENTRIES(X)                                                              \
    X(SetActive_Device, (uint16_t vid, uint16_t pid), (vid, pid))                                  \
    X(AudioCommand, (uint8_t * block, int* length), (block, length))                               \
    X(SetVirtual7ch1_OnOff, (int on), (on))                                                        \
    X(SetVirtual7ch1, (VIRTUAL_7CH1_PARAMETERS * parameters), (parameters))                        \
    X(ConfigEQ_ById, (uint8_t index), (index))                                                     \
    X(Config3D_ById, (uint8_t index), (index))                                                     \
    X(SetEQ_OnOff_ById, (int on, uint8_t index), (on, index))                                      \
    X(IsEQ_Enable_ById, (int* state, uint8_t index), (state, index))                               \
    X(Set3D_OnOff_ById, (int on, uint8_t index), (on, index))                                      \
    X(Is3D_Enable_ById, (int* state, uint8_t index), (state, index))                               \
    X(SetEnc_Parameters, (uint8_t * block), (block))                                               \
    X(Read_Register, (uint16_t address, uint8_t * value), (address, value))                        \
    X(Write_Register, (uint16_t address, uint8_t value), (address, value))                         \
    X(Read_I2C_ById,                                                                               \
      (uint8_t address, uint8_t offset, uint8_t * buffer, int count, int wait, uint8_t index),     \
      (address, offset, buffer, count, wait, index))                                               \
    X(SetRGB_Mode, (uint8_t slave, uint8_t group, uint8_t mode, uint8_t speed, int parameter),     \
      (slave, group, mode, speed, parameter))                                                      \
    X(SetRGB_Color,                                                                                \
      (uint8_t slave, uint8_t group, uint8_t index, uint8_t red, uint8_t green, uint8_t blue,      \
       int parameter),                                                                             \
      (slave, group, index, red, green, blue, parameter))                                          \
    X(SetRGB_SingleColor,                                                                          \
      (uint8_t slave, uint8_t mode, uint8_t group, uint8_t red, uint8_t green, uint8_t blue,       \
       int parameter),                                                                             \
      (slave, mode, group, red, green, blue, parameter))                                           \
    X(SetRGB_Brightness, (uint8_t slave, uint8_t brightness, int parameter),                       \
      (slave, brightness, parameter))                                                              \
    X(SetRGB_Step, (uint8_t slave, uint8_t steps, int parameter), (slave, steps, parameter))       \
    X(UsbHidSlave_SetRGB_Mode_Ex, (uint8_t group, uint8_t mode, uint8_t speed, int parameter),     \
      (group, mode, speed, parameter))                                                             \
    X(UsbHidSlave_SetRGB_Color_Ex,                                                                 \
      (uint8_t group, uint8_t index, uint8_t red, uint8_t green, uint8_t blue, int parameter),     \
      (group, index, red, green, blue, parameter))                                                 \
    X(UsbHidSlave_SetRGB_SingleColor_Ex,                                                           \
      (uint8_t mode, uint8_t group, uint8_t red, uint8_t green, uint8_t blue, int parameter),      \
      (mode, group, red, green, blue, parameter))                                                  \
    X(UsbHidSlave_SetRGB_Brightness_Ex, (uint8_t brightness, int parameter),                       \
      (brightness, parameter))                                                                     \
    X(UsbHidSlave_SetRGB_Step_Ex, (uint8_t steps, int parameter), (steps, parameter))

// The entry points' positions in binding order; the stand-in counts its injected failures
// by the same numbers.
enum DeviceLibraryEntry {
#define TRV_ENTRY_POSITION(name, parameters, arguments) e##name,
    TRV_DEVICE_LIBRARY_ENTRIES(TRV_ENTRY_POSITION)
#undef TRV_ENTRY_POSITION
        kDeviceLibraryEntryCount
};

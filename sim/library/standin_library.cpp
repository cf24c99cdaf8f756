// Stand-in for the maker's device library: the entry points the panel binds, acting on the
// simulated 42xx device. It answers only when the simulator was asked for
// (TRV42XX_SIMULATOR=1); otherwise every call reports that no device is attached.
#include "device_library_api.h"
#include "simulated_device.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>

#define TRV_EXPORT extern "C" __declspec(dllexport)

// Every export is declared from the panel's list first, so a definition below whose
// parameters differ from it does not compile.
#define TRV_DECLARE_EXPORT(name, parameters, arguments) TRV_EXPORT int WINAPI DLLTR_##name parameters;
TRV_DEVICE_LIBRARY_ENTRIES(TRV_DECLARE_EXPORT)
#undef TRV_DECLARE_EXPORT

namespace {

using sim::SimulatedDevice;
using sim::State;

enum Result {
    kOk = 0,
    kNoDevice = 1, // the active device is not attached (or not selected)
    kBadArgument = 2,
    kUnknownCommand = 3,
    kI2cFailed = 4,
    kInjectedFailure = 9,
};

bool Simulated() {
    static const bool selected = [] {
        wchar_t value[8] = L"";
        return GetEnvironmentVariableW(L"TRV42XX_SIMULATOR", value, 8) == 1 && value[0] == L'1';
    }();
    return selected && SimulatedDevice::Instance().Available();
}

std::wstring Hex(uint32_t v) {
    wchar_t text[16];
    swprintf(text, 16, L"%X", v);
    return text;
}

bool Attached(const State& s) {
    return s.plugged && s.activeVid == s.vid && s.activePid == s.pid;
}

// Runs one entry point: an injected failure, a missing device or the action's own result,
// each written to the journal with the call's arguments.
int Call(DeviceLibraryEntry entry, const wchar_t* name, const std::wstring& arguments,
         bool needsDevice, const std::function<int(State&)>& action) {
    if (!Simulated()) return kNoDevice;
    SimulatedDevice& device = SimulatedDevice::Instance();
    int result = device.With([&](State& s) {
        if (s.failNext[entry] > 0) {
            --s.failNext[entry];
            return static_cast<int>(kInjectedFailure);
        }
        if (needsDevice && !Attached(s)) return static_cast<int>(kNoDevice);
        return action(s);
    });
    device.Journal(std::wstring(L"library ") + name + L"(" + arguments + L") -> " +
                   std::to_wstring(result));
    return result;
}

std::wstring Args(std::initializer_list<uint32_t> values) {
    std::wstring text;
    for (uint32_t v : values)
        text += (text.empty() ? L"" : L", ") + Hex(v);
    return text;
}

uint32_t Color(uint8_t r, uint8_t g, uint8_t b) {
    return r | (g << 8) | (b << 16);
}

} // namespace

TRV_EXPORT int WINAPI DLLTR_SetActive_Device(uint16_t vid, uint16_t pid) {
    return Call(eSetActive_Device, L"DLLTR_SetActive_Device", Args({vid, pid}), false,
                [&](State& s) {
                    if (!s.plugged || vid != s.vid || pid != s.pid)
                        return static_cast<int>(kNoDevice);
                    s.activeVid = vid;
                    s.activePid = pid;
                    return static_cast<int>(kOk);
                });
}

TRV_EXPORT int WINAPI DLLTR_AudioCommand(uint8_t* block, int* length) {
    if (!block || !length) return kBadArgument;
    return Call(eAudioCommand, L"DLLTR_AudioCommand",
                Args({block[0], block[1]}) + L", " + SimulatedDevice::Hex(block + 2, 12), true,
                [&](State& s) {
                    if (*length != 234) return static_cast<int>(kBadArgument);
                    int32_t value = 0;
                    std::memcpy(&value, block + 2, 4);
                    switch (block[0] << 8 | block[1]) {
                    case 0x0400:
                        s.encEnabled = value != 0;
                        break;
                    case 0x0700:
                        s.voiceEnabled = value != 0;
                        break;
                    case 0x0702:
                        std::memcpy(s.voiceBlock, block + 2, sizeof s.voiceBlock);
                        break;
                    case 0x0408: {
                        uint32_t on = s.encEnabled;
                        std::memcpy(s.encState, &on, 4);
                        std::memcpy(s.encState + 4, s.encParameters + 8, 4);
                        std::memcpy(block + 2, s.encState, sizeof s.encState);
                        std::memcpy(block + 134, s.encParameters, sizeof s.encParameters);
                        break;
                    }
                    default:
                        return static_cast<int>(kUnknownCommand);
                    }
                    return static_cast<int>(kOk);
                });
}

TRV_EXPORT int WINAPI DLLTR_SetVirtual7ch1_OnOff(int on) {
    return Call(eSetVirtual7ch1_OnOff, L"DLLTR_SetVirtual7ch1_OnOff",
                Args({static_cast<uint32_t>(on)}), true, [&](State& s) {
                    s.virtual71Enabled = on != 0;
                    return static_cast<int>(kOk);
                });
}

TRV_EXPORT int WINAPI DLLTR_SetVirtual7ch1(VIRTUAL_7CH1_PARAMETERS* parameters) {
    if (!parameters) return kBadArgument;
    const auto* bytes = reinterpret_cast<const uint8_t*>(parameters);
    return Call(eSetVirtual7ch1, L"DLLTR_SetVirtual7ch1", SimulatedDevice::Hex(bytes, 68),
                true, [&](State& s) {
                    std::memcpy(s.virtual71Parameters, bytes, sizeof s.virtual71Parameters);
                    return static_cast<int>(kOk);
                });
}

TRV_EXPORT int WINAPI DLLTR_ConfigEQ_ById(uint8_t index) {
    return Call(eConfigEQ_ById, L"DLLTR_ConfigEQ_ById", Args({index}), true,
                [](State&) { return 0; });
}

TRV_EXPORT int WINAPI DLLTR_Config3D_ById(uint8_t index) {
    return Call(eConfig3D_ById, L"DLLTR_Config3D_ById", Args({index}), true,
                [](State&) { return 0; });
}

TRV_EXPORT int WINAPI DLLTR_SetEQ_OnOff_ById(int on, uint8_t index) {
    return Call(eSetEQ_OnOff_ById, L"DLLTR_SetEQ_OnOff_ById",
                Args({static_cast<uint32_t>(on), index}), true, [&](State& s) {
                    s.eqEnabled = on != 0;
                    return 0;
                });
}

TRV_EXPORT int WINAPI DLLTR_IsEQ_Enable_ById(int* state, uint8_t index) {
    if (!state) return kBadArgument;
    return Call(eIsEQ_Enable_ById, L"DLLTR_IsEQ_Enable_ById", Args({index}), true, [&](State& s) {
        *state = static_cast<int>(s.eqEnabled);
        return 0;
    });
}

TRV_EXPORT int WINAPI DLLTR_Set3D_OnOff_ById(int on, uint8_t index) {
    return Call(eSet3D_OnOff_ById, L"DLLTR_Set3D_OnOff_ById",
                Args({static_cast<uint32_t>(on), index}), true, [&](State& s) {
                    s.d3Enabled = on != 0;
                    return 0;
                });
}

TRV_EXPORT int WINAPI DLLTR_Is3D_Enable_ById(int* state, uint8_t index) {
    if (!state) return kBadArgument;
    return Call(eIs3D_Enable_ById, L"DLLTR_Is3D_Enable_ById", Args({index}), true, [&](State& s) {
        *state = static_cast<int>(s.d3Enabled);
        return 0;
    });
}

TRV_EXPORT int WINAPI DLLTR_SetEnc_Parameters(uint8_t* block) {
    if (!block) return kBadArgument;
    return Call(eSetEnc_Parameters, L"DLLTR_SetEnc_Parameters", SimulatedDevice::Hex(block, 16),
                true, [&](State& s) {
                    std::memcpy(s.encParameters, block, sizeof s.encParameters);
                    return 0;
                });
}

TRV_EXPORT int WINAPI DLLTR_Read_Register(uint16_t address, uint8_t* value) {
    if (!value) return kBadArgument;
    return Call(eRead_Register, L"DLLTR_Read_Register", Args({address}), true, [&](State& s) {
        *value = s.registers[address];
        return 0;
    });
}

TRV_EXPORT int WINAPI DLLTR_Write_Register(uint16_t address, uint8_t value) {
    return Call(eWrite_Register, L"DLLTR_Write_Register", Args({address, value}), true,
                [&](State& s) {
                    s.registers[address] = value;
                    return 0;
                });
}

TRV_EXPORT int WINAPI DLLTR_Read_I2C_ById(uint8_t address, uint8_t offset, uint8_t* buffer,
                                          int count, int wait, uint8_t index) {
    if (!buffer || count < 0) return kBadArgument;
    int result = Call(
        eRead_I2C_ById, L"DLLTR_Read_I2C_ById",
        Args({address, offset, static_cast<uint32_t>(count), static_cast<uint32_t>(wait), index}),
        true, [](State&) { return 0; });
    if (result != kOk) return result;
    // The bytes themselves come through the device's I2C bus, one read each.
    for (int i = 0; i < count; ++i)
        if (!SimulatedDevice::Instance().ReadI2c(address, static_cast<uint8_t>(offset + i),
                                                 buffer + i))
            return kI2cFailed;
    return kOk;
}

namespace {
int SetMode(DeviceLibraryEntry entry, const wchar_t* name, const std::wstring& args, uint8_t mode,
            uint8_t speed) {
    return Call(entry, name, args, true, [&](State& s) {
        s.ledMode = mode;
        s.ledSpeed = speed;
        return 0;
    });
}
int SetColor(DeviceLibraryEntry entry, const wchar_t* name, const std::wstring& args, uint8_t index,
             uint32_t color) {
    return Call(entry, name, args, true, [&](State& s) {
        if (index < 1 || index > 7) return static_cast<int>(kBadArgument);
        s.ledPalette[index] = color;
        return 0;
    });
}
int SetSingle(DeviceLibraryEntry entry, const wchar_t* name, const std::wstring& args, uint8_t mode,
              uint32_t color) {
    return Call(entry, name, args, true, [&](State& s) {
        s.ledSingleMode = mode;
        s.ledSingleColor = color;
        return 0;
    });
}
int SetField(DeviceLibraryEntry entry, const wchar_t* name, const std::wstring& args,
             uint32_t State::*field, uint32_t value) {
    return Call(entry, name, args, true, [&](State& s) {
        s.*field = value;
        return 0;
    });
}
} // namespace

TRV_EXPORT int WINAPI DLLTR_SetRGB_Mode(uint8_t slave, uint8_t group, uint8_t mode, uint8_t speed,
                                        int parameter) {
    return SetMode(eSetRGB_Mode, L"DLLTR_SetRGB_Mode",
                   Args({slave, group, mode, speed, static_cast<uint32_t>(parameter)}), mode,
                   speed);
}

TRV_EXPORT int WINAPI DLLTR_SetRGB_Color(uint8_t slave, uint8_t group, uint8_t index, uint8_t red,
                                         uint8_t green, uint8_t blue, int parameter) {
    return SetColor(eSetRGB_Color, L"DLLTR_SetRGB_Color",
                    Args({slave, group, index, red, green, blue, static_cast<uint32_t>(parameter)}),
                    index, Color(red, green, blue));
}

TRV_EXPORT int WINAPI DLLTR_SetRGB_SingleColor(uint8_t slave, uint8_t mode, uint8_t group,
                                               uint8_t red, uint8_t green, uint8_t blue,
                                               int parameter) {
    return SetSingle(eSetRGB_SingleColor, L"DLLTR_SetRGB_SingleColor",
                     Args({slave, mode, group, red, green, blue, static_cast<uint32_t>(parameter)}),
                     mode, Color(red, green, blue));
}

TRV_EXPORT int WINAPI DLLTR_SetRGB_Brightness(uint8_t slave, uint8_t brightness, int parameter) {
    return SetField(eSetRGB_Brightness, L"DLLTR_SetRGB_Brightness",
                    Args({slave, brightness, static_cast<uint32_t>(parameter)}),
                    &State::ledBrightness, brightness);
}

TRV_EXPORT int WINAPI DLLTR_SetRGB_Step(uint8_t slave, uint8_t steps, int parameter) {
    return SetField(eSetRGB_Step, L"DLLTR_SetRGB_Step",
                    Args({slave, steps, static_cast<uint32_t>(parameter)}), &State::ledSteps,
                    steps);
}

TRV_EXPORT int WINAPI DLLTR_UsbHidSlave_SetRGB_Mode_Ex(uint8_t group, uint8_t mode, uint8_t speed,
                                                       int parameter) {
    return SetMode(eUsbHidSlave_SetRGB_Mode_Ex, L"DLLTR_UsbHidSlave_SetRGB_Mode_Ex",
                   Args({group, mode, speed, static_cast<uint32_t>(parameter)}), mode, speed);
}

TRV_EXPORT int WINAPI DLLTR_UsbHidSlave_SetRGB_Color_Ex(uint8_t group, uint8_t index, uint8_t red,
                                                        uint8_t green, uint8_t blue,
                                                        int parameter) {
    return SetColor(eUsbHidSlave_SetRGB_Color_Ex, L"DLLTR_UsbHidSlave_SetRGB_Color_Ex",
                    Args({group, index, red, green, blue, static_cast<uint32_t>(parameter)}), index,
                    Color(red, green, blue));
}

TRV_EXPORT int WINAPI DLLTR_UsbHidSlave_SetRGB_SingleColor_Ex(uint8_t mode, uint8_t group,
                                                              uint8_t red, uint8_t green,
                                                              uint8_t blue, int parameter) {
    return SetSingle(eUsbHidSlave_SetRGB_SingleColor_Ex, L"DLLTR_UsbHidSlave_SetRGB_SingleColor_Ex",
                     Args({mode, group, red, green, blue, static_cast<uint32_t>(parameter)}), mode,
                     Color(red, green, blue));
}

TRV_EXPORT int WINAPI DLLTR_UsbHidSlave_SetRGB_Brightness_Ex(uint8_t brightness, int parameter) {
    return SetField(eUsbHidSlave_SetRGB_Brightness_Ex, L"DLLTR_UsbHidSlave_SetRGB_Brightness_Ex",
                    Args({brightness, static_cast<uint32_t>(parameter)}), &State::ledBrightness,
                    brightness);
}

#ifndef TRV_WITHOUT_SLAVE_STEP_ENTRY
TRV_EXPORT int WINAPI DLLTR_UsbHidSlave_SetRGB_Step_Ex(uint8_t steps, int parameter) {
    return SetField(eUsbHidSlave_SetRGB_Step_Ex, L"DLLTR_UsbHidSlave_SetRGB_Step_Ex",
                    Args({steps, static_cast<uint32_t>(parameter)}), &State::ledSteps, steps);
}
#endif

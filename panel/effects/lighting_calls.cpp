#include "effects/lighting_calls.h"

#include "device/protocol_pause.h"
#include "debug_output.h"
#include "device/device_library.h"
#include "effects/lighting_values.h"

#include <windows.h>

namespace {

const DWORD kRetryMs = 100;

uint8_t Byte(int value) {
    return static_cast<uint8_t>(value);
}

uint8_t ColourGroup(int group) {
    return Byte(group == 0 ? 1 : group);
}

template <typename Call> int WithRetry(const wchar_t* name, Call call) {
    int result = call();
    if (result != 0) {
        DebugPrint(L"***** fnDLLTR_%s, ret = %d *****\n", name, result);
        ProtocolPause(kRetryMs);
        call();
    }
    return result;
}

} // namespace

int SendLedMode(const LedCallTarget& t, int group, int mode, int speed) {
    return WithRetry(L"SetRGB_Mode", [&] {
        return t.master ? dlltr::SetRGB_Mode(Byte(t.slaveId), Byte(group), Byte(mode), Byte(speed),
                                             t.parameter)
                        : dlltr::UsbHidSlave_SetRGB_Mode_Ex(Byte(group), Byte(mode), Byte(speed),
                                                            t.parameter);
    });
}

int SendLedColor(const LedCallTarget& t, int group, int index, uint32_t colour) {
    return WithRetry(L"SetRGB_Color", [&] {
        return t.master ? dlltr::SetRGB_Color(Byte(t.slaveId), ColourGroup(group), Byte(index),
                                              RedOf(colour), GreenOf(colour), BlueOf(colour),
                                              t.parameter)
                        : dlltr::UsbHidSlave_SetRGB_Color_Ex(ColourGroup(group), Byte(index),
                                                             RedOf(colour), GreenOf(colour),
                                                             BlueOf(colour), t.parameter);
    });
}

int SendLedSingleColor(const LedCallTarget& t, int mode, int group, uint32_t colour) {
    return WithRetry(L"SetRGB_SingleColor", [&] {
        return t.master ? dlltr::SetRGB_SingleColor(Byte(t.slaveId), Byte(mode), ColourGroup(group),
                                                    RedOf(colour), GreenOf(colour), BlueOf(colour),
                                                    t.parameter)
                        : dlltr::UsbHidSlave_SetRGB_SingleColor_Ex(Byte(mode), ColourGroup(group),
                                                                   RedOf(colour), GreenOf(colour),
                                                                   BlueOf(colour), t.parameter);
    });
}

int SendLedStep(const LedCallTarget& t, int steps) {
    return WithRetry(L"SetRGB_Step", [&] {
        return t.master ? dlltr::SetRGB_Step(Byte(t.slaveId), Byte(steps), t.parameter)
                        : dlltr::UsbHidSlave_SetRGB_Step_Ex(Byte(steps), t.parameter);
    });
}

int SendLedBrightness(const LedCallTarget& t, int brightness) {
    return WithRetry(L"SetRGB_Brightness", [&] {
        return t.master ? dlltr::SetRGB_Brightness(Byte(t.slaveId), Byte(brightness), t.parameter)
                        : dlltr::UsbHidSlave_SetRGB_Brightness_Ex(Byte(brightness), t.parameter);
    });
}

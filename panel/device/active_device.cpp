#include "device/active_device.h"

#include "device/protocol_pause.h"
#include "app_config.h"
#include "debug_output.h"
#include "device_id_mgr.h"
#include "device/device_library.h"
#include "device_search.h"
#include "device/extension_driver.h"

const GUID kAudioInterfaceClass = {
    0x6994AD04, 0x93EF, 0x11D0, {0xA3, 0xCC, 0x00, 0xA0, 0xC9, 0x22, 0x31, 0x96}};
const GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
const wchar_t kDeviceSearchPattern[] = L"USB\\VID_7A39&PID_42XX&REV_0100&MI_00";

bool FindActiveDevice(const std::wstring& configFolder, std::wstring* hardwareId) {
    Backend(); // the device search follows the chosen back end
    CDeviceIdMgr ids(MatchRule::Panel);
    ids.Load(configFolder + kAppConfigFileName, L"USB_VID_PID");
    return FindMatchingDevice(kAudioInterfaceClass, kDeviceSearchPattern, ids, hardwareId) == 1;
}

void SelectActiveDevice(VidPid ids) {
    int result = dlltr::SetActive_Device(ids.vid, ids.pid);
    if (result == 0) return;
    DebugPrint(L"***** fnDLLTR_SetActive_Device, ret = %d *****", result);
    ProtocolPause(100);
    dlltr::SetActive_Device(ids.vid, ids.pid);
}

DeviceState CheckDevice(VidPid ids, HidHandle* hid) {
    *hid = OpenHidDevice(ids.vid, ids.pid);
    if (!*hid) return DeviceState::NoHid;
    return ExtensionDriverPresent(ids.vid, ids.pid) == 0 ? DeviceState::Usable
                                                         : DeviceState::HidWithoutDriver;
}

#include "device/device_notifications.h"

#include "device/device_backend.h"
#include "simulated_device.h"

#include <dbt.h>

#include <cstring>
#include <vector>

namespace {
const GUID kHidClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
const GUID kAudioClass = {
    0x6994AD04, 0x93EF, 0x11D0, {0xA3, 0xCC, 0x00, 0xA0, 0xC9, 0x22, 0x31, 0x96}};
} // namespace

UINT DeviceNotifications::SimulatedChangeMessage() {
    static const UINT message = RegisterWindowMessageW(L"TRV42xxSimulatedDeviceChange");
    return message;
}

DeviceNotifications::~DeviceNotifications() {
    Unregister();
}

bool DeviceNotifications::Register(HWND window) {
    if (SimulatorSelected()) {
        delivered_ =
            sim::SimulatedDevice::Instance().AddNotifyWindow(window, SimulatedChangeMessage());
        simulatedWindow_ = window;
        return true;
    }
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = 32;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    handle_ = RegisterDeviceNotificationW(
        window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE | DEVICE_NOTIFY_ALL_INTERFACE_CLASSES);
    return handle_ != nullptr;
}

void DeviceNotifications::Unregister() {
    if (simulatedWindow_) sim::SimulatedDevice::Instance().RemoveNotifyWindow(simulatedWindow_);
    simulatedWindow_ = nullptr;
    if (handle_) UnregisterDeviceNotification(handle_);
    handle_ = nullptr;
}

void DeviceNotifications::DeliverSimulatedEvents(HWND window) {
    for (const sim::DeviceEvent& e : sim::SimulatedDevice::Instance().EventsSince(delivered_)) {
        delivered_ = e.sequence + 1;
        size_t pathUnits = wcslen(e.path) + 1;
        std::vector<uint8_t> buffer(
            sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) + pathUnits * sizeof(wchar_t), 0);
        auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(buffer.data());
        broadcast->dbcc_size = static_cast<DWORD>(buffer.size());
        broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        broadcast->dbcc_classguid = e.hidClass ? kHidClass : kAudioClass;
        std::memcpy(broadcast->dbcc_name, e.path, pathUnits * sizeof(wchar_t));
        SendMessageW(window, WM_DEVICECHANGE,
                     e.arrival ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE,
                     reinterpret_cast<LPARAM>(broadcast));
    }
}

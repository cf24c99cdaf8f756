#pragma once
// Device-interface arrivals and removals, delivered to a window as the platform's
// device-change message. The simulated device posts its own message to the registered window
// at each arrival or removal, and the window hands the events to itself as the same
// device-change message.
#include <windows.h>

#include <cstdint>

class DeviceNotifications {
  public:
    DeviceNotifications() = default;
    ~DeviceNotifications();
    DeviceNotifications(const DeviceNotifications&) = delete;
    DeviceNotifications& operator=(const DeviceNotifications&) = delete;

    // All interface classes, to the window. False when the registration failed.
    bool Register(HWND window);
    void Unregister();

    // Posted to the window when simulated events wait; the window then calls Deliver.
    static UINT SimulatedChangeMessage();
    void DeliverSimulatedEvents(HWND window);

  private:
    HDEVNOTIFY handle_ = nullptr;
    HWND simulatedWindow_ = nullptr; // registered with the simulated device
    uint32_t delivered_ = 0;
};

#pragma once
// Device-interface arrivals and removals, delivered to a window as the platform's
// device-change message. With the simulated device a watcher notices its arrivals and
// removals and the window hands them to itself as the same message.
#include <windows.h>

#include <cstdint>
#include <thread>

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
    std::thread watcher_;
    HANDLE stop_ = nullptr; // set to end the watcher
    uint32_t delivered_ = 0;
};

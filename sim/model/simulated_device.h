#pragma once
// The one simulated 42xx device of this machine. Its state lies in a file-backed shared
// section, so the panel, the stand-in device library and the control tool all act on
// the same device, and it outlives the processes that touch it. Every operation takes
// the section's lock and leaves a line in the journal.
#include "sim_state.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

struct HidInterfaceInfo {
    std::wstring path;
    uint16_t vid;
    uint16_t pid;
    uint16_t outputLength;
    uint16_t inputLength;
};

struct DeviceListEntry {
    std::wstring hardwareId;
    std::vector<std::wstring> lowerFilters; // empty with hasLowerFilters false: no property
    bool hasLowerFilters;
    bool present;
};

class SimulatedDevice {
  public:
    // The process's view of the shared device; opened on first use.
    static SimulatedDevice& Instance();
    bool Available() const { return state_ != nullptr; }

    // Runs f(State&) under the section's lock.
    template <typename F> auto With(F f) -> decltype(f(*static_cast<State*>(nullptr))) {
        Lock lock(*this);
        return f(*state_);
    }

    void Reset();
    void Journal(const std::wstring& line);
    // Journal lines with sequence numbers from `from` on (oldest kept first).
    std::vector<std::wstring> JournalLines(uint32_t from = 0);
    uint32_t JournalSequence();
    void ClearJournal();

    // Plugging and the parts of the device that can go missing; arrivals and removals
    // are posted as device-interface events.
    void Plug(bool plugged);
    void SetHidPresent(bool present);
    void SetDriverPresent(bool present);
    void SetReportLengths(uint16_t output, uint16_t input);
    std::vector<DeviceEvent> EventsSince(uint32_t sequence);
    uint32_t EventSequence();
    // The window gets `message` posted at each arrival or removal from now on; gives the event
    // sequence at registration. A slot of a window that no longer exists is taken again.
    uint32_t AddNotifyWindow(HWND window, UINT message);
    void RemoveNotifyWindow(HWND window);

    // The device-setup list.
    std::vector<DeviceListEntry> DeviceList();
    bool SetLowerFilters(uint32_t index, const std::vector<std::wstring>& filters, bool present);
    bool RestartDevice(uint32_t index, bool* needsReboot);
    // The extension driver of that device stays loaded across restarts.
    void PinDriver(uint32_t index, bool pinned);
    // What a restart of entry index gives: a reboot needed, or a refusal of the installer.
    bool SetRestartOutcome(uint32_t index, bool needsReboot, bool fails);
    int AddDevice(const std::wstring& hardwareId, const std::vector<std::wstring>& filters,
                  bool present);
    void ClearDevices();

    // HID interfaces.
    std::vector<HidInterfaceInfo> HidInterfaces();
    bool HidOutputReport(const std::wstring& path, const uint8_t* report, size_t length);
    bool HidInputReport(const std::wstring& path, uint8_t* report, size_t length);
    // Another device's HID interface arrives or goes.
    int AddOtherHid(const std::wstring& path, uint16_t vid, uint16_t pid, uint16_t outputLength,
                    uint16_t inputLength);
    bool RemoveOtherHid(const std::wstring& path);

    // Extension driver.
    bool DriverOpen(const std::wstring& path);
    bool DriverRequest(const std::wstring& path, uint32_t code, const uint8_t* input,
                       uint32_t inputLength, uint8_t* output, uint32_t outputLength,
                       uint32_t* returned);

    // Capture endpoint and audio service.
    static const wchar_t kCaptureDescription[];
    bool EndpointPresent(uint16_t vid, uint16_t pid);
    std::wstring CaptureInterfacePath();
    void SetVolumeStep(uint32_t step);
    void SetVolumeSteps(uint32_t count, uint32_t step);

    // I2C EEPROM.
    void PreloadEeprom(uint8_t offset, const std::vector<uint8_t>& bytes);
    void QueueEepromReads(uint8_t offset, const std::vector<uint8_t>& bytes);
    bool ReadI2c(uint8_t address, uint8_t offset, uint8_t* value);

    // Text dumps for the control tool and tests.
    std::wstring DumpState();
    std::wstring DumpRegisters();
    std::wstring DumpEeprom();

    static std::wstring HidPathFor(uint16_t vid, uint16_t pid);
    static std::wstring FamilyDriverPathFor(uint16_t vid);
    static std::wstring DriverPathFor(uint16_t vid, uint16_t pid);
    static std::wstring Hex(const uint8_t* bytes, size_t length);

  private:
    SimulatedDevice();
    ~SimulatedDevice();
    SimulatedDevice(const SimulatedDevice&) = delete;
    SimulatedDevice& operator=(const SimulatedDevice&) = delete;

    // The section's lock: a word in a small shared section that holds the owning thread. A
    // kernel mutex costs two round trips to the system per operation; with the hundreds of
    // operations of the panel's start, the simulator's locking outweighed the panel's own
    // work in start-up measurements. The owner's thread may take the lock again; a lock whose
    // owner has gone is taken over, as an abandoned mutex is. Without the shared word, the
    // mutex is the lock.
    struct LockWord {
        volatile LONG owner; // thread ID, 0 when free
        LONG depth;          // touched by the owner only
    };
    class Lock {
      public:
        explicit Lock(SimulatedDevice& device);
        ~Lock();

      private:
        SimulatedDevice& device_;
    };
    void Acquire();
    void Release();

    void ResetLocked(State& s);
    void JournalLocked(State& s, const std::wstring& line);
    void PostEventLocked(State& s, bool arrival, bool hidClass, const std::wstring& path);

    HANDLE mutex_ = nullptr;
    HANDLE lockSection_ = nullptr;
    LockWord* lockWord_ = nullptr;
    HANDLE file_ = INVALID_HANDLE_VALUE;
    HANDLE mapping_ = nullptr;
    State* state_ = nullptr;
};

} // namespace sim

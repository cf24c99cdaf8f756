#include "simulated_device.h"

#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <cwchar>

namespace sim {

const wchar_t SimulatedDevice::kCaptureDescription[] = L"TRV 42xx USB Audio";

namespace {

const wchar_t kLockName[] = L"TRV42xxSimulatorLock";
const wchar_t kLockWordName[] = L"TRV42xxSimulatorLockWord";
const wchar_t kHidClassSuffix[] = L"#{4d1e55b2-f16f-11cf-88cb-001111000030}";

std::wstring StateFilePath() {
    wchar_t folder[MAX_PATH] = L"";
    SHGetSpecialFolderPathW(nullptr, folder, CSIDL_COMMON_APPDATA, TRUE);
    std::wstring path = std::wstring(folder) + L"\\TRV42xxSimulator";
    CreateDirectoryW(path.c_str(), nullptr);
    return path + L"\\device.bin";
}

void CopyText(wchar_t* target, size_t capacity, const std::wstring& text) {
    size_t n = std::min(text.size(), capacity - 1);
    std::wmemcpy(target, text.data(), n);
    target[n] = 0;
}

// A thread that no longer runs: its ID names no thread, or the thread has ended.
bool ThreadGone(DWORD id) {
    HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, id);
    if (!thread) return GetLastError() == ERROR_INVALID_PARAMETER;
    bool ended = WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
    CloseHandle(thread);
    return ended;
}

bool SameText(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() &&
           CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

const wchar_t kFilterDriverName[] = L"Polder";

std::wstring Hex4(uint16_t v);

// The hardware ID names the simulated device's own vendor and product.
bool IsOwnFunction(const std::wstring& hardwareId, uint16_t vid, uint16_t pid) {
    std::wstring upper = hardwareId;
    for (wchar_t& c : upper)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return upper.find(L"VID_" + Hex4(vid) + L"&PID_" + Hex4(pid)) != std::wstring::npos;
}

std::wstring Hex4(uint16_t v) {
    wchar_t text[8];
    swprintf(text, 8, L"%04X", v);
    return text;
}

} // namespace

std::wstring SimulatedDevice::Hex(const uint8_t* bytes, size_t length) {
    std::wstring out;
    wchar_t two[4];
    for (size_t i = 0; i < length; ++i) {
        swprintf(two, 4, L"%02X", bytes[i]);
        if (i) out += L' ';
        out += two;
    }
    return out;
}

std::wstring SimulatedDevice::HidPathFor(uint16_t vid, uint16_t pid) {
    return L"\\\\?\\HID#VID_" + Hex4(vid) + L"&PID_" + Hex4(pid) + L"&MI_03#8&2f3e4d1&0&0000" +
           kHidClassSuffix;
}

std::wstring SimulatedDevice::DriverPathFor(uint16_t vid, uint16_t pid) {
    return L"\\\\.\\Class#UsbAudioExtension&" + Hex4(vid) + L"&" + Hex4(pid);
}

// The name the driver also gives its control device for the whole vendor family; setup
// opens this one.
std::wstring SimulatedDevice::FamilyDriverPathFor(uint16_t vid) {
    return L"\\\\.\\Class#UsbAudioExtension&" + Hex4(vid) + L"&00";
}

SimulatedDevice& SimulatedDevice::Instance() {
    static SimulatedDevice device;
    return device;
}

SimulatedDevice::SimulatedDevice() {
    mutex_ = CreateMutexW(nullptr, FALSE, kLockName);
    lockSection_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(LockWord), kLockWordName);
    if (lockSection_)
        lockWord_ = static_cast<LockWord*>(
            MapViewOfFile(lockSection_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(LockWord)));
    Lock lock(*this);
    file_ = CreateFileW(StateFilePath().c_str(), GENERIC_READ | GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file_ == INVALID_HANDLE_VALUE) return;
    mapping_ = CreateFileMappingW(file_, nullptr, PAGE_READWRITE, 0, sizeof(State), nullptr);
    if (!mapping_) return;
    state_ = static_cast<State*>(MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(State)));
    if (state_ && (state_->magic != kStateMagic || state_->version != kStateVersion ||
                   state_->size != sizeof(State)))
        ResetLocked(*state_);
}

SimulatedDevice::~SimulatedDevice() {
    if (lockWord_) UnmapViewOfFile(lockWord_);
    if (lockSection_) CloseHandle(lockSection_);
    if (state_) UnmapViewOfFile(state_);
    if (mapping_) CloseHandle(mapping_);
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    if (mutex_) CloseHandle(mutex_);
}

SimulatedDevice::Lock::Lock(SimulatedDevice& device) : device_(device) {
    device_.Acquire();
}

SimulatedDevice::Lock::~Lock() {
    device_.Release();
}

void SimulatedDevice::Acquire() {
    if (!lockWord_) {
        if (mutex_) WaitForSingleObject(mutex_, INFINITE); // an abandoned mutex is taken over
        return;
    }
    const LONG self = static_cast<LONG>(GetCurrentThreadId());
    if (lockWord_->owner == self) {
        ++lockWord_->depth;
        return;
    }
    for (unsigned spins = 0;; ++spins) {
        LONG owner = InterlockedCompareExchange(&lockWord_->owner, self, 0);
        if (owner == 0 || (spins % 64 == 63 && ThreadGone(static_cast<DWORD>(owner)) &&
                           InterlockedCompareExchange(&lockWord_->owner, self, owner) == owner)) {
            lockWord_->depth = 1;
            return;
        }
        if (spins < 64)
            SwitchToThread();
        else
            Sleep(1);
    }
}

void SimulatedDevice::Release() {
    if (!lockWord_) {
        if (mutex_) ReleaseMutex(mutex_);
        return;
    }
    if (--lockWord_->depth == 0) InterlockedExchange(&lockWord_->owner, 0);
}

void SimulatedDevice::Reset() {
    With([&](State& s) { ResetLocked(s); });
}

void SimulatedDevice::ResetLocked(State& s) {
    std::memset(&s, 0, sizeof s);
    s.magic = kStateMagic;
    s.version = kStateVersion;
    s.size = sizeof s;
    s.plugged = s.hidPresent = s.driverPresent = s.endpointPresent = 1;
    s.vid = 0x7A39;
    s.pid = 0x4215;
    s.outputReportLength = 65;
    s.inputReportLength = 65;
    // Flat equaliser presets (gain code 1024 per band), equaliser on, 3D off.
    std::memset(s.eeprom, 0xFF, sizeof s.eeprom);
    const uint8_t factory[8] = {0x00, 0x04, 0x40, 0x00, 0x04, 0x40, 0x00, 0x04};
    std::memcpy(s.eeprom, factory, sizeof factory);
    s.volumeStepCount = 65;
    s.volumeStep = 48;
    s.audioServiceRunning = 1;
    // A capture chain of three subunits, the second of which controls the gain.
    s.topologySteps = 6;
    s.subunitCount = 3;
    s.autoGainSubunits = 1u << 1;
    s.brokenSubunit = kNoSubunit;
    // The wave-input line selects between line input and microphone; the microphone line
    // carries the volume and the mute.
    s.mixerSourceCount = 2;
    s.mixerSourceTypes[0] = 0x1002; // line input
    s.mixerSourceTypes[1] = 0x1003; // microphone
    s.mixerControls[0] = MixerHasMultiplexer;
    s.mixerControls[2] = MixerHasVolume | MixerHasMute;
    s.mixerInputs = 2;
    const wchar_t* ids[] = {L"USB\\VID_7A39&PID_4215&REV_0100&MI_00",
                            L"USB\\VID_046D&PID_0A44&REV_0100&MI_00",
                            L"HDAUDIO\\FUNC_01&VEN_10EC&DEV_0662&SUBSYS_10280600"};
    for (int i = 0; i < 3; ++i) {
        s.devices[i].used = 1;
        s.devices[i].present = 1;
        CopyText(s.devices[i].hardwareId, 128, ids[i]);
    }
    // The extension driver is at work because it is the audio function's lower filter.
    CopyText(s.devices[0].lowerFilters, 127, kFilterDriverName);
    s.devices[0].hasLowerFilters = 1;
    s.otherHid[0].used = 1;
    s.otherHid[0].vid = 0x046D;
    s.otherHid[0].pid = 0xC52B;
    s.otherHid[0].outputLength = 20;
    s.otherHid[0].inputLength = 20;
    CopyText(s.otherHid[0].path, 96,
             std::wstring(L"\\\\?\\HID#VID_046D&PID_C52B&MI_00#7&1a2b3c4&0&0000") +
                 kHidClassSuffix);
    JournalLocked(s, L"reset");
}

void SimulatedDevice::JournalLocked(State& s, const std::wstring& line) {
    CopyText(s.journal[s.journalNext % kJournalLines], kJournalLineLength, line);
    ++s.journalNext;
}

void SimulatedDevice::Journal(const std::wstring& line) {
    With([&](State& s) { JournalLocked(s, line); });
}

std::vector<std::wstring> SimulatedDevice::JournalLines(uint32_t from) {
    return With([&](State& s) {
        std::vector<std::wstring> lines;
        uint32_t first = s.journalNext > kJournalLines ? s.journalNext - kJournalLines : 0;
        for (uint32_t n = std::max(first, from); n < s.journalNext; ++n)
            lines.push_back(s.journal[n % kJournalLines]);
        return lines;
    });
}

uint32_t SimulatedDevice::JournalSequence() {
    return With([](State& s) { return s.journalNext; });
}

void SimulatedDevice::ClearJournal() {
    With([](State& s) {
        s.journalNext = 0;
        std::memset(s.journal, 0, sizeof s.journal);
    });
}

void SimulatedDevice::PostEventLocked(State& s, bool arrival, bool hidClass,
                                      const std::wstring& path) {
    DeviceEvent& e = s.events[s.eventNext % kMaxEvents];
    e.sequence = s.eventNext;
    e.arrival = arrival ? 1 : 0;
    e.hidClass = hidClass ? 1 : 0;
    CopyText(e.path, 96, path);
    ++s.eventNext;
    for (uint32_t i = 0; i < kMaxNotifyWindows; ++i)
        if (s.notifyWindows[i])
            PostMessageW(reinterpret_cast<HWND>(static_cast<uintptr_t>(s.notifyWindows[i])),
                         s.notifyMessages[i], 0, 0);
}

uint32_t SimulatedDevice::AddNotifyWindow(HWND window, UINT message) {
    const uint64_t handle = reinterpret_cast<uintptr_t>(window);
    return With([&](State& s) {
        uint32_t slot = kMaxNotifyWindows;
        for (uint32_t i = 0; i < kMaxNotifyWindows && slot == kMaxNotifyWindows; ++i)
            if (s.notifyWindows[i] == handle) slot = i;
        for (uint32_t i = 0; i < kMaxNotifyWindows && slot == kMaxNotifyWindows; ++i)
            if (!s.notifyWindows[i] ||
                !IsWindow(reinterpret_cast<HWND>(static_cast<uintptr_t>(s.notifyWindows[i]))))
                slot = i;
        if (slot < kMaxNotifyWindows) {
            s.notifyWindows[slot] = handle;
            s.notifyMessages[slot] = message;
        }
        return s.eventNext;
    });
}

void SimulatedDevice::RemoveNotifyWindow(HWND window) {
    const uint64_t handle = reinterpret_cast<uintptr_t>(window);
    With([&](State& s) {
        for (uint32_t i = 0; i < kMaxNotifyWindows; ++i)
            if (s.notifyWindows[i] == handle) s.notifyWindows[i] = 0;
    });
}

std::vector<DeviceEvent> SimulatedDevice::EventsSince(uint32_t sequence) {
    return With([&](State& s) {
        std::vector<DeviceEvent> events;
        uint32_t first = s.eventNext > kMaxEvents ? s.eventNext - kMaxEvents : 0;
        for (uint32_t n = std::max(first, sequence); n < s.eventNext; ++n)
            events.push_back(s.events[n % kMaxEvents]);
        return events;
    });
}

uint32_t SimulatedDevice::EventSequence() {
    return With([](State& s) { return s.eventNext; });
}

void SimulatedDevice::Plug(bool plugged) {
    With([&](State& s) {
        if (!!s.plugged == plugged) return;
        s.plugged = plugged ? 1 : 0;
        s.devices[0].present = s.plugged;
        JournalLocked(s, plugged ? L"device plugged" : L"device unplugged");
        // The audio interface comes first on arrival and goes last on removal.
        std::wstring audioPath = L"\\\\?\\USB#VID_" + Hex4(s.vid) + L"&PID_" + Hex4(s.pid) +
                                 L"&MI_00#7&3a2b1c&0&0000#{6994ad04-93ef-11d0-a3cc-00a0c9223196}";
        if (plugged) PostEventLocked(s, true, false, audioPath);
        if (s.hidPresent) PostEventLocked(s, plugged, true, HidPathFor(s.vid, s.pid));
        if (!plugged) PostEventLocked(s, false, false, audioPath);
    });
}

void SimulatedDevice::SetHidPresent(bool present) {
    With([&](State& s) {
        if (!!s.hidPresent == present) return;
        s.hidPresent = present ? 1 : 0;
        JournalLocked(s, present ? L"HID interface restored" : L"HID interface removed");
        if (s.plugged) PostEventLocked(s, present, true, HidPathFor(s.vid, s.pid));
    });
}

void SimulatedDevice::SetDriverPresent(bool present) {
    With([&](State& s) {
        s.driverPresent = present ? 1 : 0;
        JournalLocked(s, present ? L"driver restored" : L"driver removed");
    });
}

void SimulatedDevice::SetReportLengths(uint16_t output, uint16_t input) {
    With([&](State& s) {
        s.outputReportLength = output;
        s.inputReportLength = input;
        JournalLocked(s,
                      L"report lengths " + std::to_wstring(output) + L" " + std::to_wstring(input));
    });
}

std::vector<DeviceListEntry> SimulatedDevice::DeviceList() {
    return With([](State& s) {
        std::vector<DeviceListEntry> list;
        for (const DeviceRecord& d : s.devices) {
            if (!d.used) continue;
            DeviceListEntry e{d.hardwareId, {}, d.hasLowerFilters != 0, d.present != 0};
            for (const wchar_t* p = d.lowerFilters; *p; p += std::wcslen(p) + 1)
                e.lowerFilters.push_back(p);
            list.push_back(e);
        }
        return list;
    });
}

bool SimulatedDevice::SetLowerFilters(uint32_t index, const std::vector<std::wstring>& filters,
                                      bool present) {
    return With([&](State& s) {
        uint32_t seen = 0;
        for (DeviceRecord& d : s.devices) {
            if (!d.used || seen++ != index) continue;
            std::memset(d.lowerFilters, 0, sizeof d.lowerFilters);
            size_t at = 0;
            for (const std::wstring& f : filters) {
                if (at + f.size() + 2 > 128) return false;
                std::wmemcpy(d.lowerFilters + at, f.data(), f.size());
                at += f.size() + 1;
            }
            d.hasLowerFilters = present ? 1 : 0;
            std::wstring list;
            for (const std::wstring& f : filters)
                list += (list.empty() ? L"" : L",") + f;
            JournalLocked(s, std::wstring(L"lower filters of ") + d.hardwareId + L" = " +
                                 (present ? list : L"(none)"));
            return true;
        }
        return false;
    });
}

bool SimulatedDevice::RestartDevice(uint32_t index, bool* needsReboot) {
    return With([&](State& s) {
        uint32_t seen = 0;
        for (DeviceRecord& d : s.devices) {
            if (!d.used || seen++ != index) continue;
            if (d.restartFails) {
                JournalLocked(s, std::wstring(L"device restart refused ") + d.hardwareId);
                return false;
            }
            ++d.restartCount;
            if (needsReboot) *needsReboot = d.needsReboot != 0;
            JournalLocked(s, std::wstring(L"device restarted ") + d.hardwareId);
            // A restart of the device's own audio function loads its driver stack again: the
            // extension driver works when it is the first lower filter (or cannot be unloaded).
            if (d.present && IsOwnFunction(d.hardwareId, s.vid, s.pid)) {
                bool filtered = d.hasLowerFilters && SameText(d.lowerFilters, kFilterDriverName);
                s.driverPresent = (filtered || d.driverPinned) ? 1 : 0;
                JournalLocked(s, s.driverPresent ? L"driver loaded" : L"driver not loaded");
            }
            return true;
        }
        return false;
    });
}

bool SimulatedDevice::SetRestartOutcome(uint32_t index, bool needsReboot, bool fails) {
    return With([&](State& s) {
        uint32_t seen = 0;
        for (DeviceRecord& d : s.devices) {
            if (!d.used || seen++ != index) continue;
            d.needsReboot = needsReboot ? 1 : 0;
            d.restartFails = fails ? 1 : 0;
            return true;
        }
        return false;
    });
}

int SimulatedDevice::AddDevice(const std::wstring& hardwareId,
                               const std::vector<std::wstring>& filters, bool present) {
    int index = With([&](State& s) {
        int n = 0;
        for (DeviceRecord& d : s.devices) {
            if (!d.used) {
                std::memset(&d, 0, sizeof d);
                d.used = 1;
                d.present = present ? 1 : 0;
                CopyText(d.hardwareId, 128, hardwareId);
                return n;
            }
            ++n;
        }
        return -1;
    });
    if (index >= 0 && !filters.empty())
        SetLowerFilters(static_cast<uint32_t>(index), filters, true);
    return index;
}

void SimulatedDevice::PinDriver(uint32_t index, bool pinned) {
    With([&](State& s) {
        uint32_t seen = 0;
        for (DeviceRecord& d : s.devices)
            if (d.used && seen++ == index) d.driverPinned = pinned ? 1 : 0;
    });
}

void SimulatedDevice::ClearDevices() {
    With([](State& s) { std::memset(s.devices, 0, sizeof s.devices); });
}

std::vector<HidInterfaceInfo> SimulatedDevice::HidInterfaces() {
    return With([](State& s) {
        std::vector<HidInterfaceInfo> list;
        for (const HidRecord& h : s.otherHid)
            if (h.used) list.push_back({h.path, h.vid, h.pid, h.outputLength, h.inputLength});
        if (s.plugged && s.hidPresent)
            list.push_back({HidPathFor(s.vid, s.pid), s.vid, s.pid, s.outputReportLength,
                            s.inputReportLength});
        return list;
    });
}

int SimulatedDevice::AddOtherHid(const std::wstring& path, uint16_t vid, uint16_t pid,
                                 uint16_t outputLength, uint16_t inputLength) {
    return With([&](State& s) {
        for (int i = 0; i < static_cast<int>(kMaxHidInterfaces); ++i) {
            HidRecord& h = s.otherHid[i];
            if (h.used) continue;
            h.used = 1;
            h.vid = vid;
            h.pid = pid;
            h.outputLength = outputLength;
            h.inputLength = inputLength;
            CopyText(h.path, 96, path);
            JournalLocked(s, L"HID interface added " + path);
            PostEventLocked(s, true, true, path);
            return i;
        }
        return -1;
    });
}

bool SimulatedDevice::RemoveOtherHid(const std::wstring& path) {
    return With([&](State& s) {
        for (HidRecord& h : s.otherHid) {
            if (!h.used || !SameText(path, h.path)) continue;
            h.used = 0;
            JournalLocked(s, L"HID interface removed " + path);
            PostEventLocked(s, false, true, path);
            return true;
        }
        return false;
    });
}

bool SimulatedDevice::HidOutputReport(const std::wstring& path, const uint8_t* report,
                                      size_t length) {
    return With([&](State& s) {
        if (!s.plugged || !s.hidPresent || !SameText(path, HidPathFor(s.vid, s.pid))) {
            JournalLocked(s, L"HID out refused");
            return false;
        }
        if (length != s.outputReportLength || length < 2) {
            JournalLocked(s, L"HID out refused: length " + std::to_wstring(length));
            return false;
        }
        JournalLocked(s, L"HID out " + Hex(report, length));
        bool allZero = std::all_of(report, report + length, [](uint8_t b) { return b == 0; });
        if (allZero || report[1] != 0x60 || length < 5) return true;
        uint8_t operation = report[4];
        if (operation == 0x10) {
            s.selectedRegister = static_cast<uint16_t>(report[2] | (report[3] << 8));
            s.lastOperation = 0x10;
        } else if (operation == 0x20 && report[3] == 1) {
            s.registers[s.selectedRegister] = report[2];
        } else if (operation == 0x30) {
            s.lastOperation = 0x30;
        } else if ((operation & 0xFC) == 0x3C && report[3] == 0xFF) {
            s.pins = static_cast<uint16_t>(report[2] | ((operation & 0x03) << 8));
        }
        return true;
    });
}

bool SimulatedDevice::HidInputReport(const std::wstring& path, uint8_t* report, size_t length) {
    return With([&](State& s) {
        if (!s.plugged || !s.hidPresent || !SameText(path, HidPathFor(s.vid, s.pid)) ||
            length != s.inputReportLength || length == 0) {
            JournalLocked(s, L"HID in refused");
            return false;
        }
        // A device with short input reports answers with as much of the answer as fits.
        uint8_t answer[4] = {0, 0x60, 0, 0};
        if (s.lastOperation == 0x30) {
            answer[2] = static_cast<uint8_t>(s.pins & 0xFF);
            answer[3] = static_cast<uint8_t>((s.pins >> 8) & 0x03);
        } else {
            answer[2] = s.registers[s.selectedRegister];
        }
        std::memset(report, 0, length);
        std::memcpy(report, answer, std::min(length, sizeof answer));
        JournalLocked(s, L"HID in " + Hex(report, length));
        return true;
    });
}

bool SimulatedDevice::DriverOpen(const std::wstring& path) {
    return With([&](State& s) {
        bool ok = s.plugged && s.driverPresent &&
                  (SameText(path, DriverPathFor(s.vid, s.pid)) ||
                   SameText(path, FamilyDriverPathFor(s.vid)));
        JournalLocked(s, L"driver open " + path + (ok ? L"" : L" failed"));
        return ok;
    });
}

bool SimulatedDevice::DriverRequest(const std::wstring& path, uint32_t code, const uint8_t* input,
                                    uint32_t inputLength, uint8_t* output, uint32_t outputLength,
                                    uint32_t* returned) {
    return With([&](State& s) {
        *returned = 0;
        wchar_t codeText[16];
        swprintf(codeText, 16, L"%08X", code);
        JournalLocked(s, std::wstring(L"driver request ") + codeText + L" in " +
                             Hex(input, inputLength));
        if (!s.plugged || !s.driverPresent || !SameText(path, DriverPathFor(s.vid, s.pid)))
            return false;
        ++s.driverRequests;
        uint32_t value = 0;
        if (inputLength >= 4) std::memcpy(&value, input, 4);
        switch (code) {
        case 0x08232008:
            s.effectMode = value;
            return true;
        case 0x08232000:
            s.effectApply = value;
            return true;
        case 0x00223190:
        case 0x00223028: {
            if (inputLength < 8 || outputLength < 8) return false;
            std::memmove(output, input, 8);
            uint32_t answer = code == 0x00223190 ? 1u : 0u; // status: running; parameter: accepted
            std::memcpy(output + 4, &answer, 4);
            *returned = 8;
            return true;
        }
        default:
            return false;
        }
    });
}

bool SimulatedDevice::EndpointPresent(uint16_t vid, uint16_t pid) {
    return With(
        [&](State& s) { return s.plugged && s.endpointPresent && s.vid == vid && s.pid == pid; });
}

std::wstring SimulatedDevice::CaptureInterfacePath() {
    return With([](State& s) {
        return L"\\\\?\\USB#VID_" + Hex4(s.vid) + L"&PID_" + Hex4(s.pid) +
               L"&MI_00#7&3a2b1c&0&0000#{65e8773d-8f56-11d0-a3b9-00a0c9223196}\\global";
    });
}

void SimulatedDevice::SetVolumeStep(uint32_t step) {
    With([&](State& s) {
        s.volumeStep = std::min(step, s.volumeStepCount ? s.volumeStepCount - 1 : 0);
        JournalLocked(s, L"endpoint volume step " + std::to_wstring(s.volumeStep));
    });
}

void SimulatedDevice::SetVolumeSteps(uint32_t count, uint32_t step) {
    With([&](State& s) {
        s.volumeStepCount = std::max<uint32_t>(count, 2);
        s.volumeStep = std::min(step, s.volumeStepCount - 1);
    });
}

void SimulatedDevice::PreloadEeprom(uint8_t offset, const std::vector<uint8_t>& bytes) {
    With([&](State& s) {
        for (size_t i = 0; i < bytes.size() && offset + i < kEepromSize; ++i)
            s.eeprom[offset + i] = bytes[i];
        JournalLocked(s, L"EEPROM preload at " + std::to_wstring(offset) + L": " +
                             Hex(bytes.data(), bytes.size()));
    });
}

void SimulatedDevice::QueueEepromReads(uint8_t offset, const std::vector<uint8_t>& bytes) {
    With([&](State& s) {
        s.eepromQueueOffset = offset;
        s.eepromQueueCount =
            static_cast<uint8_t>(std::min<size_t>(bytes.size(), kEepromQueueLength));
        std::memcpy(s.eepromQueue, bytes.data(), s.eepromQueueCount);
    });
}

bool SimulatedDevice::ReadI2c(uint8_t address, uint8_t offset, uint8_t* value) {
    return With([&](State& s) {
        wchar_t text[48];
        if (!s.plugged || address != 0x51) {
            swprintf(text, 48, L"I2C read %02X:%02X failed", address, offset);
            JournalLocked(s, text);
            return false;
        }
        if (s.eepromQueueCount && s.eepromQueueOffset == offset) {
            *value = s.eepromQueue[0];
            std::memmove(s.eepromQueue, s.eepromQueue + 1, kEepromQueueLength - 1);
            --s.eepromQueueCount;
        } else {
            *value = s.eeprom[offset];
        }
        swprintf(text, 48, L"I2C read %02X:%02X -> %02X", address, offset, *value);
        JournalLocked(s, text);
        return true;
    });
}

std::wstring SimulatedDevice::DumpState() {
    return With([](State& s) {
        wchar_t text[2048];
        swprintf(text, 2048,
                 L"plugged %u\nhid %u\ndriver %u\nendpoint %u\nvid %04X\npid %04X\noutput-report "
                 L"%u\ninput-report %u\n"
                 L"pins %03X\nvolume-step %u/%u\nmute %u\nauto-gain %u\nactive-device %04X "
                 L"%04X\neq %u\n3d %u\n"
                 L"virtual71 %u\nenc %u\nvoice %u\neffect-mode %u\neffect-apply %u\nled-mode %u "
                 L"speed %u brightness %u "
                 L"steps %u\naudio-service %u restarts %u\n",
                 s.plugged, s.hidPresent, s.driverPresent, s.endpointPresent, s.vid, s.pid,
                 s.outputReportLength, s.inputReportLength, s.pins, s.volumeStep, s.volumeStepCount,
                 s.mute, s.autoGain, s.activeVid, s.activePid, s.eqEnabled, s.d3Enabled,
                 s.virtual71Enabled, s.encEnabled, s.voiceEnabled, s.effectMode, s.effectApply,
                 s.ledMode, s.ledSpeed, s.ledBrightness, s.ledSteps, s.audioServiceRunning,
                 s.audioServiceRestarts);
        std::wstring out = text;
        for (const DeviceRecord& d : s.devices) {
            if (!d.used) continue;
            out += std::wstring(L"device ") + (d.present ? L"present " : L"absent ") + d.hardwareId;
            if (d.hasLowerFilters) {
                out += L" filters";
                for (const wchar_t* p = d.lowerFilters; *p; p += std::wcslen(p) + 1)
                    out += std::wstring(L" ") + p;
            }
            out += L"\n";
        }
        return out;
    });
}

std::wstring SimulatedDevice::DumpRegisters() {
    return With([](State& s) {
        std::wstring out;
        wchar_t line[32];
        for (uint32_t a = 0; a < 65536; ++a)
            if (s.registers[a]) {
                swprintf(line, 32, L"%04X = %02X\n", a, s.registers[a]);
                out += line;
            }
        return out;
    });
}

std::wstring SimulatedDevice::DumpEeprom() {
    return With([](State& s) {
        std::wstring out;
        wchar_t head[8];
        for (uint32_t row = 0; row < kEepromSize; row += 16) {
            swprintf(head, 8, L"%02X: ", row);
            out += head + Hex(s.eeprom + row, 16) + L"\n";
        }
        return out;
    });
}

} // namespace sim

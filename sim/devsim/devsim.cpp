// Control tool of the simulated 42xx device: plug and unplug it, take parts of it away,
// preload its EEPROM, set its microphone, and print its state and journal as text.
#include "simulated_device.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

using sim::SimulatedDevice;

const wchar_t kUsage[] =
    L"usage: devsim <command> [arguments]\n"
    L"  reset                          the default device: plugged, HID interface and driver "
    L"present\n"
    L"  plug | unplug                  attach or detach the device (arrival or removal follows)\n"
    L"  hid on|off                     restore or remove the device's HID interface\n"
    L"  driver on|off                  restore or remove the extension driver\n"
    L"  endpoint on|off                restore or remove the capture endpoint\n"
    L"  report-lengths <out> <in>      HID report lengths in bytes\n"
    L"  eeprom <offset> <byte>...      preload EEPROM bytes (hexadecimal)\n"
    L"  eeprom-next <offset> <byte>... answer the next reads of one offset with these bytes first\n"
    L"  volume <step> [<step count>]   the capture endpoint's volume step\n"
    L"  mute 0|1, agc 0|1              the capture endpoint's mute and automatic gain\n"
    L"  audio-service ok|refuse-stop|never-stops|no-start   how the audio service answers\n"
    L"  restart-outcome <index> ok|reboot|refuse   what a restart of a listed device gives\n"
    L"  add-device <hardware id> [--absent] [<lower filter>...]\n"
    L"  clear-devices                  empty the device-setup list\n"
    L"  add-hid <vid> <pid> <out> <in> <path>   another device's HID interface arrives\n"
    L"  remove-hid <path>              ... and goes\n"
    L"  fail <entry number> <count>    the next calls of a library entry point fail\n"
    L"  dump [state|registers|eeprom|journal|events]\n"
    L"  journal-clear\n"
    L"  wait-journal <text> [<ms>]     wait until a journal line contains the text (exit 1 on "
    L"time-out)\n";

unsigned long Number(const wchar_t* text, int base = 16) {
    return std::wcstoul(text, nullptr, base);
}

std::vector<uint8_t> Bytes(int argc, wchar_t** argv, int from) {
    std::vector<uint8_t> bytes;
    for (int i = from; i < argc; ++i)
        bytes.push_back(static_cast<uint8_t>(Number(argv[i])));
    return bytes;
}

bool OnOff(const wchar_t* text) {
    return std::wcscmp(text, L"on") == 0 || std::wcscmp(text, L"1") == 0;
}

void Print(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text)
        narrow.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    std::fwrite(narrow.data(), 1, narrow.size(), stdout);
}

int Dump(SimulatedDevice& device, const std::wstring& what) {
    if (what == L"state")
        Print(device.DumpState());
    else if (what == L"registers")
        Print(device.DumpRegisters());
    else if (what == L"eeprom")
        Print(device.DumpEeprom());
    else if (what == L"journal")
        for (const std::wstring& line : device.JournalLines())
            Print(line + L"\n");
    else if (what == L"events")
        for (const sim::DeviceEvent& e : device.EventsSince(0))
            Print(std::to_wstring(e.sequence) + (e.arrival ? L" arrival " : L" removal ") +
                  (e.hidClass ? L"hid " : L"audio ") + e.path + L"\n");
    else
        return 2;
    return 0;
}

int WaitJournal(SimulatedDevice& device, const std::wstring& text, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        for (const std::wstring& line : device.JournalLines())
            if (line.find(text) != std::wstring::npos) return 0;
        if (GetTickCount() - start > timeoutMs) return 1;
        Sleep(50);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    SimulatedDevice& device = SimulatedDevice::Instance();
    if (!device.Available()) {
        std::fwprintf(stderr, L"devsim: the simulated device's state cannot be opened\n");
        return 1;
    }
    if (argc < 2) {
        Print(kUsage);
        return 2;
    }
    const std::wstring command = argv[1];
    auto need = [&](int n) { return argc >= 2 + n; };

    if (command == L"reset")
        device.Reset();
    else if (command == L"plug")
        device.Plug(true);
    else if (command == L"unplug")
        device.Plug(false);
    else if (command == L"hid" && need(1))
        device.SetHidPresent(OnOff(argv[2]));
    else if (command == L"driver" && need(1))
        device.SetDriverPresent(OnOff(argv[2]));
    else if (command == L"endpoint" && need(1)) {
        bool on = OnOff(argv[2]);
        device.With([&](sim::State& s) { s.endpointPresent = on ? 1 : 0; });
        device.Journal(on ? L"capture endpoint restored" : L"capture endpoint removed");
    } else if (command == L"report-lengths" && need(2))
        device.SetReportLengths(static_cast<uint16_t>(Number(argv[2], 10)),
                                static_cast<uint16_t>(Number(argv[3], 10)));
    else if (command == L"eeprom" && need(2))
        device.PreloadEeprom(static_cast<uint8_t>(Number(argv[2])), Bytes(argc, argv, 3));
    else if (command == L"eeprom-next" && need(2))
        device.QueueEepromReads(static_cast<uint8_t>(Number(argv[2])), Bytes(argc, argv, 3));
    else if (command == L"volume" && need(1)) {
        if (argc >= 4)
            device.SetVolumeSteps(Number(argv[3], 10), Number(argv[2], 10));
        else
            device.SetVolumeStep(Number(argv[2], 10));
    } else if ((command == L"mute" || command == L"agc") && need(1)) {
        uint32_t value = OnOff(argv[2]) ? 1 : 0;
        device.With([&](sim::State& s) { (command == L"mute" ? s.mute : s.autoGain) = value; });
    } else if (command == L"audio-service" && need(1)) {
        const wchar_t* faults[] = {L"ok", L"refuse-stop", L"never-stops", L"no-start"};
        uint32_t fault = 0;
        while (fault < 4 && std::wcscmp(argv[2], faults[fault]) != 0)
            ++fault;
        if (fault == 4) return 2;
        device.With([&](sim::State& s) { s.audioServiceFault = fault; });
    } else if (command == L"restart-outcome" && need(2)) {
        const std::wstring outcome = argv[3];
        if (outcome != L"ok" && outcome != L"reboot" && outcome != L"refuse") return 2;
        if (!device.SetRestartOutcome(static_cast<uint32_t>(Number(argv[2], 10)),
                                      outcome == L"reboot", outcome == L"refuse"))
            return 1;
    } else if (command == L"add-device" && need(1)) {
        bool present = true;
        std::vector<std::wstring> filters;
        for (int i = 3; i < argc; ++i) {
            if (std::wcscmp(argv[i], L"--absent") == 0)
                present = false;
            else
                filters.push_back(argv[i]);
        }
        if (device.AddDevice(argv[2], filters, present) < 0) return 1;
    } else if (command == L"clear-devices")
        device.ClearDevices();
    else if (command == L"add-hid" && need(5)) {
        if (device.AddOtherHid(argv[6], static_cast<uint16_t>(Number(argv[2])),
                               static_cast<uint16_t>(Number(argv[3])),
                               static_cast<uint16_t>(Number(argv[4], 10)),
                               static_cast<uint16_t>(Number(argv[5], 10))) < 0)
            return 1;
    } else if (command == L"remove-hid" && need(1)) {
        if (!device.RemoveOtherHid(argv[2])) return 1;
    } else if (command == L"fail" && need(2)) {
        unsigned long entry = Number(argv[2], 10);
        if (entry >= sim::kLibraryEntryCount) return 2;
        device.With(
            [&](sim::State& s) { s.failNext[entry] = static_cast<uint32_t>(Number(argv[3], 10)); });
    } else if (command == L"dump")
        return Dump(device, argc > 2 ? argv[2] : L"state");
    else if (command == L"journal-clear")
        device.ClearJournal();
    else if (command == L"wait-journal" && need(1))
        return WaitJournal(device, argv[2], argc > 3 ? Number(argv[3], 10) : 10000);
    else {
        Print(kUsage);
        return 2;
    }
    return 0;
}

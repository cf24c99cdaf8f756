// Start-up of the panel against an empty window in the same run: the time from process start
// until the main window is visible and the process waits for input, median and spread of
// repeated runs. The pauses the device's protocol asks for during start-up (the panel counts
// them) are shown apart and subtracted. Also the panel's working set once it is up. Not a
// test: run it by hand (scripts/bench.sh).
#include "inspect_client.h"
#include "running_panel.h"
#include "simulated_device.h"
#include "test_support.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HWND VisibleWindowOf(DWORD pid, const wchar_t* className) {
    for (HWND window : WindowsOf(pid, className))
        if (IsWindowVisible(window)) return window;
    return nullptr;
}

struct Run {
    double ms = -1;      // start until visible and waiting for input
    double pausedMs = 0; // protocol pauses the panel made in that time
    double workingSetKb = 0;
};

// One start of the program; it is closed again afterwards.
Run StartOnce(const std::wstring& commandLine, const wchar_t* className, bool panel) {
    Run run;
    const double start = NowMs();
    ChildProcess process(commandLine);
    if (!process.Started()) return run;
    HWND window = nullptr;
    while (!(window = VisibleWindowOf(process.Pid(), className))) {
        if (!process.Running() || NowMs() - start > 60000) return run;
        Sleep(1);
    }
    WaitForInputIdle(process.Handle(), 30000);
    run.ms = NowMs() - start;
    if (panel) {
        auto state = InspectLine(InspectForm(window), L"state");
        run.pausedMs = _wtof(state[L"pausedMs"].c_str());
        Sleep(1000);
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof counters;
        if (GetProcessMemoryInfo(process.Handle(), &counters, sizeof counters))
            run.workingSetKb = static_cast<double>(counters.WorkingSetSize) / 1024.0;
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (process.WaitExit(30000) == -1) process.Kill();
    return run;
}

struct Summary {
    double median, low, high;
};

Summary Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    if (values.empty()) return {0, 0, 0};
    return {values[values.size() / 2], values.front(), values.back()};
}

void PrintRow(const char* name, const Summary& s, const char* unit) {
    std::printf("  %-34s %9.1f %s  (%.1f to %.1f)\n", name, s.median, unit, s.low, s.high);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
    // A device plugged in and answering, and the default skin and language, whatever earlier
    // runs left. Without a last profile, the warm-up start saves the one that every measured
    // start loads, as at each logon; one left by a test could switch the lighting off.
    sim::SimulatedDevice::Instance().Reset();
    wchar_t appData[MAX_PATH] = L"";
    if (GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH))
        for (const wchar_t* name : {L"AudioConfig.cfg", L"LastProfile.ini"})
            DeleteFileW((std::wstring(appData) + L"\\TRV 42xx Audio\\" + name).c_str());
    SetEnvironmentVariableW(L"TRV42XX_SIMULATOR", L"1");
    SetEnvironmentVariableW(L"TRV42XX_INSPECT", L"1");
    const std::wstring empty = Quoted(BinFolder() + L"empty_window.exe");
    const std::wstring panel = Quoted(StagedPanelFolder() + L"Kestrel.exe") + L" -servicestart";
    // One start of each first, so that both find the system's files in its caches.
    StartOnce(empty, L"TrvEmptyWindow", false);
    StartOnce(panel, L"TAudioMainForm", true);
    std::vector<double> emptyMs, panelMs, pausedMs, netMs, ratios, workingSet;
    for (int i = 0; i < runs; ++i) {
        Run e = StartOnce(empty, L"TrvEmptyWindow", false);
        Run p = StartOnce(panel, L"TAudioMainForm", true);
        if (e.ms < 0 || p.ms < 0) {
            std::fprintf(stderr, "a program did not show its window\n");
            return 2;
        }
        emptyMs.push_back(e.ms);
        panelMs.push_back(p.ms);
        pausedMs.push_back(p.pausedMs);
        netMs.push_back(p.ms - p.pausedMs);
        ratios.push_back((p.ms - p.pausedMs) / e.ms);
        workingSet.push_back(p.workingSetKb);
    }
    std::printf("start-up until the window is visible and waits for input, %d runs (%s build)\n",
                runs, sizeof(void*) == 8 ? "64-bit" : "32-bit");
    PrintRow("empty window", Summarise(emptyMs), "ms");
    PrintRow("panel", Summarise(panelMs), "ms");
    PrintRow("protocol pauses in the panel's start", Summarise(pausedMs), "ms");
    PrintRow("panel without the pauses", Summarise(netMs), "ms");
    PrintRow("ratio panel / empty window", Summarise(ratios), "  ");
    PrintRow("panel's working set after start", Summarise(workingSet), "KB");
    return 0;
}

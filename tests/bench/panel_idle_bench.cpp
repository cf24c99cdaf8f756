// The panel's processor time while it sits idle with each page shown, against the simulated
// device: the time its process uses over a while, as a share of one core. Not a test: run it by
// hand (scripts/bench.sh).
#include "running_panel.h"
#include "simulated_device.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

// The panel's time by its own account (its inspection answer). Asked about another process,
// this Wine's GetProcessTimes answers with the caller's own times: that figure followed this
// benchmark (its debug monitor wakes every 50 ms), not the panel.
double OwnSeconds(const RunningPanel& panel) {
    return _wtof(panel.State()[L"cpuMs"].c_str()) / 1000.0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int seconds = argc > 1 ? _wtoi(argv[1]) : 30;
    sim::SimulatedDevice::Instance().Reset();
    RunningPanel panel;
    if (!panel.Ready()) {
        std::fprintf(stderr, "the panel did not start\n");
        return 2;
    }
    struct Page {
        const wchar_t* tab;
        const char* name;
    };
    const Page pages[] = {{L"PageEQImage", "equaliser"},           {L"Page3DImage", "3D"},
                          {L"PageEffectImage", "environment"},     {L"PageMicImage", "microphone"},
                          {L"PageVirtual7p1Image", "virtual 7.1"}, {L"PageLEDImage", "lighting"},
                          {L"PageENCImage", "noise cancelling"},   {L"PageVMEffectImage", "voice"}};
    // The start goes on after the window is up (the skin's other pictures are decoded then):
    // the first page is measured once the panel's time has stood still for two seconds.
    double last = OwnSeconds(panel);
    for (int still = 0, waited = 0; still < 4 && waited < 60; ++waited) {
        Sleep(500);
        const double now = OwnSeconds(panel);
        still = now == last ? still + 1 : 0;
        last = now;
    }
    std::printf("idle processor time of the panel over %d s per page (%s build)\n", seconds,
                sizeof(void*) == 8 ? "64-bit" : "32-bit");
    for (const Page& page : pages) {
        panel.Click(page.tab);
        Sleep(1000); // the page change's own work is not idle time
        const double before = OwnSeconds(panel);
        Sleep(static_cast<DWORD>(seconds) * 1000);
        const double used = OwnSeconds(panel) - before;
        std::printf("  %-17s %7.3f s  %6.3f %% of one core\n", page.name, used,
                    100.0 * used / seconds);
    }
    return panel.Close() == 0 ? 0 : 1;
}

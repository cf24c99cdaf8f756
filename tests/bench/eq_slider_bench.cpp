// How much device work one equaliser slider move costs against the simulated device: the
// library's switch sequence and the band's register transfers, each move opening and closing
// the device's HID interface. Prints time and transfers per move. Not a test: run it by hand
// (scripts/bench.sh) with the simulator selected.
#include "device/active_device.h"
#include "device/device_library.h"
#include "device/extension_driver.h"
#include "effects/effect_model.h"
#include "simulated_device.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

double Seconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

size_t CountStarting(const std::vector<std::wstring>& lines, const wchar_t* prefix) {
    size_t n = 0;
    for (const std::wstring& line : lines)
        if (line.rfind(prefix, 0) == 0) ++n;
    return n;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int moves = argc > 1 ? _wtoi(argv[1]) : 200;
    sim::SimulatedDevice& device = sim::SimulatedDevice::Instance();
    if (!device.Available() || BindDeviceLibrary() != 0) {
        std::fprintf(stderr, "the simulated device and its library are needed (TRV42XX_SIMULATOR=1)\n");
        return 2;
    }
    device.Reset();
    dlltr::SetActive_Device(0x7A39, 0x4215);
    ExtensionDriverPresent(0x7A39, 0x4215);
    ActiveDevice active{0x7A39, 0x4215, true};
    EffectModel model(active);
    model.SetSliderGeometry(220, 120, 220);
    model.InitEffectModel();
    model.DeviceUsable(true);

    // Warm up once, then measure a drag over the track and back, one move per pixel step.
    model.EQBandMoved(2, 0);
    device.ClearJournal();
    const double start = Seconds();
    for (int i = 0; i < moves; ++i)
        model.EQBandMoved(2, (i * 7) % 221);
    const double elapsed = Seconds() - start;
    std::vector<std::wstring> journal = device.JournalLines();

    const double perMove = elapsed * 1000.0 / moves;
    const double reports = static_cast<double>(CountStarting(journal, L"HID out ") +
                                               CountStarting(journal, L"HID in ")) / moves;
    const double calls = static_cast<double>(CountStarting(journal, L"library ")) / moves;
    std::printf("equaliser slider move, %d moves (%s build)\n", moves,
                sizeof(void*) == 8 ? "64-bit" : "32-bit");
    std::printf("  time per move       %.3f ms (goal 5 ms; ratio %.2f)\n", perMove, perMove / 5.0);
    std::printf("  HID reports / move  %.1f (register transfers and the closing report)\n", reports);
    std::printf("  library calls/move  %.1f (equaliser switch with read-back)\n", calls);
    std::printf("  device opens / move 1\n");
    return 0;
}

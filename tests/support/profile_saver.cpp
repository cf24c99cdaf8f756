// Saves a profile for the tests of interrupted saves: "0" or "1" saves one of two settings once;
// "loop" saves them in turn until it is killed.
#include "effects/panel_features.h"

#include <cwchar>

namespace {

void Save(PanelFeatures& f, const std::wstring& path, int version) {
    f.effects.SetEQEnableState(version == 1);
    f.effects.Set3DEnableState(version == 1);
    f.profiles.SaveProfile(path);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    ActiveDevice device;
    PanelFeatures f(device);
    f.effects.SetSliderGeometry(220, 120, 220);
    f.effects.InitEffectModel();
    f.effects.LoadInitial3DSetting();
    const std::wstring path = argv[1];
    if (std::wcscmp(argv[2], L"loop") != 0) {
        Save(f, path, _wtoi(argv[2]));
        return 0;
    }
    for (int version = 0;; version ^= 1)
        Save(f, path, version);
}

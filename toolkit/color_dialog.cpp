#include "color_dialog.h"

#include "late_entry.h"

#include <commdlg.h>

bool ChooseColour(HWND owner, Color* colour) {
    static COLORREF custom[16] = {};
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.rgbResult = *colour;
    choose.lpCustColors = custom;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    static auto* choose_colour = LateEntry<decltype(ChooseColorW)>(L"comdlg32.dll", "ChooseColorW");
    if (!choose_colour || !choose_colour(&choose)) return false;
    *colour = choose.rgbResult;
    return true;
}

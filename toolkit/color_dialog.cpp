#include "color_dialog.h"

#include <commdlg.h>

bool ChooseColour(HWND owner, Color* colour) {
    static COLORREF custom[16] = {};
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.rgbResult = *colour;
    choose.lpCustColors = custom;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&choose)) return false;
    *colour = choose.rgbResult;
    return true;
}

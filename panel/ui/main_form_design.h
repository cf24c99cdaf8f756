#pragma once
// The main window's design: every control, in creation order (which is the painting order),
// with its name, kind and tag, and which of the window's handlers it is bound to.
#include "control_model.h"

#include <vector>

enum class DesignBinding {
    None,        // drawn only; the mouse hook still sees presses on it
    WindowDrag,  // FormMouseDown: dragging the window by its background
    ImageButton, // OnImageMouseDown / OnImageMouseUp
    LabelButton, // OnLabelMouseDown / OnLabelMouseUp, forwarded to the picture of its tag
    PageLabel,   // OnLabelPageMouseDown
    LedControl,  // the lighting page's own handlers
    Swatch,      // OnShapeMouseDown
    Bevel,       // a separator of the page labels' row
};

struct DesignControl {
    ControlKind kind;
    const wchar_t* name;
    int tag;
    DesignBinding binding;
};

const std::vector<DesignControl>& MainFormDesign();

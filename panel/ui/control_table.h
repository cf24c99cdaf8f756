#pragma once
// The main window's controls, each described once: name, kind, tag, what a press does, the
// page it belongs to, the skin keys of its pictures, which state chooses between them, and
// the label that captions it. The window's design, skin application, page visibility, label
// colours and mouse dispatch are all driven from this table, in its order (which is also the
// painting order: later controls lie on top).
#include "control_model.h"

#include <vector>

class MainFormView;

// The tags of the interactive controls; a button's caption label carries the same tag.
namespace tag {
enum : int {
    Close = 0,
    Minimize = 1,
    Menu1 = 2,
    Menu2 = 3,
    Menu3 = 4,
    EQReset = 5,
    D3Reset = 6,
    EQEnable = 7,
    EQ3DEnable = 8,
    Preset1 = 9, // to Preset4 = 12
    FBM = 13,
    AlphaLink = 14,
    BetaLink = 15,
    EffectNon = 16, // to EffectBathroom = 20: effect mode = tag - 15
    MicBoost = 21,
    MicMute = 22,
    PageEQ = 23,
    Page3D = 24,
    PageEffect = 25,
    PageMic = 26,
    PageVirtual = 27,
    Sync = 28,
    EQSlider = 29, // to 33: the five bands
    D3LBetaSlider = 34,
    D3LAlphaSlider = 35,
    D3RBetaSlider = 36,
    D3RAlphaSlider = 37,
    MicSlider = 38,
    Speaker = 39, // to 46: L, R, C, SUB, LS, RS, LB, RB
    VirtualEnable = 47,
    VirtualReset = 48,
    Clockwise = 49,
    Counterclockwise = 50,
    Led = 51,
    Narrow = 52,
    Enlarge = 53,
    DeviceIn = 54,
    DeviceOut = 55,
    ENCSlider = 88,
    MicMonitor = 89,
    EQBar = 129, // to 133
    MicBar = 138,
    Swatch = 151, // to 157
    SwatchBreathe = 183,
    SwatchSingle = 184,
    ENCBar = 188,
    PageVoice = 226,
    PageENC = 227,
    PageLED = 228,
    EQBarDown = 229, // to 233
    MicBarDown = 238,
    LedPulsatingCheck = 337,
    LedBreatheCheck = 338,
    LedRainbowCheck = 339,
    LedOffCheck = 340,
    LedSingleCheck = 341,
    LedPulsatingSlider = 437,
    LedBreatheSlider = 438,
    LedRainbowSlider = 439,
};
} // namespace tag

// The pages of the window; one is shown at a time (0 on an item: every page).
enum Page : int {
    kPageEQ = 1,
    kPageEffect = 2,
    kPageMic = 3,
    kPageVirtual = 4,
    kPage3D = 5,
    kPageLED = 6,
    kPageENC = 7,
    kPageVoice = 8,
};

// What the mouse does with a control.
enum class ControlRole {
    Picture,     // drawn only
    WindowDrag,  // the borderless window is dragged by it
    PressButton, // Down picture while held; its action on release or click
    Switch,      // on/off button of a feature switch, acting at the press
    GroupMember, // one of a group (presets, effect modes), acting at the press
    PageTab,     // shows its page
    HoldToggle,  // a speaker motion: on until pressed again, one at a time
    Momentary,   // on while held (the lighting button)
    LinkCycle,   // steps a 3D link mode
    SyncToggle,  // the write-to-device flag: no picture of its own
    EQThumb,     // the sliders and their bars are moved by the application-wide hook
    EQBar,
    D3Thumb,
    MicThumb,
    MicBar,
    ENCThumb,
    ENCBar,
    Speaker,  // a speaker icon of the virtual 7.1 page, dragged by the hook
    Caption,  // a label captioning a picture: presses go to that picture
    Text,     // a label with nothing to press: presses go to what lies beneath it
    Bevel,    // a separator of the page labels' row
    Swatch,   // a colour swatch of the lighting page
    LedPage,  // the lighting page's own pictures
    LedCheck, // an effect check of the lighting page, acting at its click
    LedThumb, // a speed thumb of the lighting page, dragged along its bar (the partner)
};

// How a picture's skin item is chosen.
enum class SkinLook {
    None,         // no skin key (labels, shapes, pictures of no item)
    Static,       // always the up key
    UpDown,       // the down key while IsDown, else the up key
    ByEffectMode, // the picture of the current effect mode
    ByLinkMode,   // the picture of a 3D link mode (arg: 0 alpha, 1 beta)
    BySidePage,   // the side picture of the current page
};

// Exceptions to the rules every control follows.
enum ControlFlags : unsigned {
    kNoFlags = 0,
    kWorksWithoutDevice = 1, // no warning when no device is present
    kStoppedByBee = 2,       // nothing happens while the bee demonstration runs
    kActOnRelease = 4,       // a press button acting at its release rather than its click
};

using ControlQuery = bool (*)(const MainFormView& view, int arg);
using ControlAction = void (*)(MainFormView& view, int arg);

struct ControlRow {
    ControlKind kind;
    const wchar_t* name;
    int tag;
    ControlRole role;
    int page;               // the page it belongs to; 0 on every page
    const wchar_t* section; // skin section of its keys
    const wchar_t* up;      // skin key shown when not down (the one key of static pictures)
    const wchar_t* down;    // skin key while down
    SkinLook look;
    const wchar_t* partner; // a picture's caption label, or the picture a caption forwards to
    ControlQuery isDown;    // the state that shows the down key and the label's down colour
    ControlAction action;   // what a press (or release, or click) does; the argument is arg
    int arg;                // preset, effect mode, page, band, speaker or motion
    unsigned flags;
};

// Every control of the main window in creation (painting) order.
const std::vector<ControlRow>& MainFormControls();

#pragma once
// The system's colour dialog.
#include "paint_context.h"

#include <windows.h>

// Shows the dialog over owner, starting at *colour; true with the chosen colour in *colour,
// false when it was cancelled. The sixteen custom colours are kept for the next time.
bool ChooseColour(HWND owner, Color* colour);

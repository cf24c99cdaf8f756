#pragma once
// Real mouse input and screenshots of windows, for end-to-end tests of the skinned window.
#include <windows.h>

#include <string>

// Moves the cursor to a screen point through the platform's input queue.
void MouseMoveTo(int x, int y);
void MouseDown();
void MouseUp();
// A press and release at one point, with a short pause between, as a user's click.
void MouseClickAt(int x, int y);
// Press at one point, move in steps to another, release there.
void MouseDrag(int fromX, int fromY, int toX, int toY);

// A key pressed and released through the platform's input queue (to the focused window).
void KeyPress(WORD virtualKey);

// The client point of a window in screen coordinates.
POINT ClientToScreenPoint(HWND window, int x, int y);

// Saves what the screen shows of the window as a PNG file; false on failure.
bool SaveWindowPicture(HWND window, const std::wstring& path);
// The same for its client area alone (a display without a window manager draws no frames).
bool SaveClientPicture(HWND window, const std::wstring& path);

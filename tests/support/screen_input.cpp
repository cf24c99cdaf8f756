#include "screen_input.h"

#include "gdiplus_flat.h"

#include <vector>

namespace {

void Send(DWORD flags, int x = 0, int y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = static_cast<LONG>((x * 65535LL + w / 2) / (w - 1));
        input.mi.dy = static_cast<LONG>((y * 65535LL + h / 2) / (h - 1));
    }
    SendInput(1, &input, sizeof input);
    Sleep(40);
}

} // namespace

void MouseMoveTo(int x, int y) {
    Send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y);
    SetCursorPos(x, y);
    Sleep(40);
}

void MouseDown() {
    Send(MOUSEEVENTF_LEFTDOWN);
}
void MouseUp() {
    Send(MOUSEEVENTF_LEFTUP);
}

void MouseClickAt(int x, int y) {
    MouseMoveTo(x, y);
    MouseDown();
    Sleep(80);
    MouseUp();
    Sleep(150);
}

void MouseDrag(int fromX, int fromY, int toX, int toY) {
    MouseMoveTo(fromX, fromY);
    MouseDown();
    const int steps = 8;
    for (int i = 1; i <= steps; ++i)
        MouseMoveTo(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps);
    Sleep(80);
    MouseUp();
    Sleep(150);
}

void KeyPress(WORD virtualKey) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = virtualKey;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    Sleep(150);
}

POINT ClientToScreenPoint(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    return p;
}

namespace {
bool SaveScreenArea(const RECT& r, const std::wstring& path) {
    if (!StartGdiPlus()) return false;
    int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    void* image = nullptr;
    bool ok = GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) == 0;
    // The PNG encoder of the platform's picture library.
    const CLSID png = {
        0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    if (ok) ok = GdipSaveImageToFile(image, path.c_str(), &png, nullptr) == 0;
    if (image) GdipDisposeImage(image);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}
} // namespace

bool SaveWindowPicture(HWND window, const std::wstring& path) {
    RECT r{};
    GetWindowRect(window, &r);
    return SaveScreenArea(r, path);
}

bool SaveClientPicture(HWND window, const std::wstring& path) {
    RECT r{};
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return SaveScreenArea(r, path);
}

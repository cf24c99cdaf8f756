#pragma once
// The surface a form's windowless controls draw on: the form's back buffer.
#include <windows.h>

class PaintContext {
  public:
    explicit PaintContext(HDC dc) : dc_(dc) {}
    HDC Dc() const { return dc_; }

  private:
    HDC dc_;
};

// Colours as the toolkit stores them: 0x00BBGGRR.
using Color = unsigned long;

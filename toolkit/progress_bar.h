#pragma once
// A native smooth progress bar from 0 to 100.
#include "native_control.h"

class ProgressBar : public NativeControl {
  public:
    ProgressBar(Form& owner, std::wstring name);
    int Position() const;
    void SetPosition(int percent);
    void Notify(WORD) override {}
};

#pragma once
// A native group box with its caption. It starts a group: the radio buttons created after it,
// up to the next group box, are one choice.
#include "native_control.h"

#include <string>

class GroupBox : public NativeControl {
  public:
    GroupBox(Form& owner, std::wstring name, const std::wstring& caption);
    void Notify(WORD) override {}
};

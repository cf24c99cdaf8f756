#pragma once
// A native radio button; the buttons of one form that follow each other form a group.
#include "native_control.h"

#include <functional>
#include <string>

class RadioButton : public NativeControl {
  public:
    RadioButton(Form& owner, std::wstring name, const std::wstring& caption);
    bool Checked() const;
    void SetChecked(bool checked);

    std::function<void(RadioButton&)> OnClick;
    void Notify(WORD code) override;
};

#pragma once
// A native check box, a child window of a form.
#include "native_control.h"

#include <functional>
#include <string>

class CheckBox : public NativeControl {
  public:
    CheckBox(Form& owner, std::wstring name, const std::wstring& caption);

    bool Checked() const;
    void SetChecked(bool checked);

    std::function<void(CheckBox&)> OnClick;
    void Notify(WORD code) override;
};

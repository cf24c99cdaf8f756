#pragma once
// A native push button; the default button of a page is drawn as such and pressed by Return.
#include "native_control.h"

#include <functional>
#include <string>

class Button : public NativeControl {
  public:
    Button(Form& owner, std::wstring name, const std::wstring& caption, int id = 0);

    void SetDefault(bool isDefault);
    bool IsDefault() const;
    // As a user's press: the click handler runs when the button is enabled.
    void Click();

    std::function<void(Button&)> OnClick;
    void Notify(WORD code) override;
};

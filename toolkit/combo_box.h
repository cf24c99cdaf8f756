#pragma once
// A native drop-down list.
#include "native_control.h"

#include <functional>
#include <string>

class ComboBox : public NativeControl {
  public:
    ComboBox(Form& owner, std::wstring name);

    void Clear();
    void AddItem(const std::wstring& text);
    int Count() const;
    std::wstring Item(int index) const;
    int ItemIndex() const; // -1: none selected
    void SetItemIndex(int index);

    // The user chose another entry.
    std::function<void(ComboBox&)> OnChange;
    void Notify(WORD code) override;
};

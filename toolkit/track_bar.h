#pragma once
// A native horizontal track bar; its owner form hands it the scroll notifications.
#include "native_control.h"

#include <functional>
#include <string>

class TrackBar : public NativeControl {
  public:
    TrackBar(Form& owner, std::wstring name);

    void SetRange(int minimum, int maximum);
    int Position() const;
    void SetPosition(int position);

    // Called once for every change of the position, whatever moved it.
    std::function<void(TrackBar&)> OnChange;
    void Notify(WORD code) override;

  private:
    int last_ = 0;
};

#pragma once
#include "form.h"

// The simple-mode window: created with the others, shown by no flow of the panel.
class TSimpleForm : public Form {
  public:
    TSimpleForm();

  protected:
    void FormActivate() override;
    bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

#pragma once
#include "form.h"

// The About window, shown modally from the main window.
class TAboutForm : public Form {
  public:
    TAboutForm();
};

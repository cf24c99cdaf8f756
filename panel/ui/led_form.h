#pragma once
#include "form.h"

// The lighting dialog.
class TLEDForm : public Form {
  public:
    TLEDForm();
};

#include "ui/led_form.h"

TLEDForm::TLEDForm() : Form({L"TLEDForm", L"LED", 420, 300, false}) {}

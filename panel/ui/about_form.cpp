#include "ui/about_form.h"

TAboutForm::TAboutForm() : Form({L"TAboutForm", L"About", 360, 220, false}) {}

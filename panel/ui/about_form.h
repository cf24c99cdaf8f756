#pragma once
// The About window, shown modally from the main window: a text, a logo and the maker's web
// address, which opens in the browser when clicked.
#include "form.h"
#include "ui/language_texts.h"
#include "ui/skin_settings.h"

#include <string>

class Image;
class Label;

class TAboutForm : public Form {
  public:
    TAboutForm();

    // The texts (with their fonts and places) and the logo for this opening; the window takes
    // its design size at the skin's scale (1 at the 1366x768 class), or more where its contents
    // need it.
    void Prepare(TextItem& about, TextItem& web, const LanguageTexts& texts, const SkinItem& logo,
                 const std::wstring& skinFolder, double scale);
    void WebLabelClick();

  private:
    Label* AboutLabel;
    Image* LOGOTRImage;
    Label* WebLabel;
};

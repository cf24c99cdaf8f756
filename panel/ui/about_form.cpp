#include "ui/about_form.h"

#include "image.h"
#include "label.h"
#include "ui/skin_files.h"
#include "ui/skin_item_apply.h"

#include <shellapi.h>

#include <algorithm>

namespace {
// The window's face, light whatever the skin: its texts and logo are made for it.
const Color kFace = 0xF7F5F4;
// The design's client area, 360 x 160 at the 1366x768 class; other classes scale it.
const int kDesignWidth = 360;
const int kDesignHeight = 160;
} // namespace

TAboutForm::TAboutForm()
    : Form({L"TAboutForm", L"About", kDesignWidth, kDesignHeight, false, kFace}) {
    LOGOTRImage = &Add<Image>(L"LOGOTRImage");
    AboutLabel = &Add<Label>(L"AboutLabel");
    WebLabel = &Add<Label>(L"WebLabel");
    WebLabel->SetUnderline(true);
    WebLabel->OnClick = [this](Control&) { WebLabelClick(); };
}

void TAboutForm::Prepare(TextItem& about, TextItem& web, const LanguageTexts& texts,
                         const SkinItem& logo, const std::wstring& skinFolder, double scale) {
    ApplyTextItem(about, *AboutLabel, true, texts);
    ApplyTextItem(web, *WebLabel, true, texts);
    ApplySkinItemTo(logo, *LOGOTRImage, skinFolder);
    int width = static_cast<int>(kDesignWidth * scale),
        height = static_cast<int>(kDesignHeight * scale);
    for (Control* c : {static_cast<Control*>(LOGOTRImage), static_cast<Control*>(AboutLabel),
                       static_cast<Control*>(WebLabel)}) {
        if (!c->Visible()) continue;
        width = std::max(width, c->Left() * 2 + c->Width());
        height = std::max(height, c->Top() + c->Height() + c->Left());
    }
    SetClientSize(width, height);
    CenterOnScreen();
}

// The shell opens the address in the default browser; what it answers is not looked at.
void TAboutForm::WebLabelClick() {
    const std::wstring& address = WebLabel->Caption();
    if (address.empty() || !WebLabel->Visible()) return;
    ShellExecuteW(Handle(), L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

#include "label.h"

#include <utility>
#include <vector>

void Label::SetCaption(const std::wstring& text) {
    caption_ = text;
    Changed();
}
void Label::SetFontName(const std::wstring& name) {
    fontName_ = name;
    Changed();
}
void Label::SetFontSize(int points) {
    fontSize_ = points;
    Changed();
}
void Label::SetFontColor(Color color) {
    fontColor_ = color;
    Invalidate();
}
void Label::SetBold(bool bold) {
    bold_ = bold;
    Changed();
}
void Label::SetUnderline(bool underline) {
    underline_ = underline;
    Changed();
}
void Label::SetAlignment(TextAlignment a) {
    alignment_ = a;
    Invalidate();
}
void Label::SetAutoSize(bool v) {
    autoSize_ = v;
    Changed();
}

namespace {

// Labels share their fonts: a window of labels would otherwise make and free a font for every
// caption change and every paint. The few distinct fonts a skin uses live as long as the program.
struct FontKey {
    std::wstring name;
    int height;
    bool bold;
    bool underline;
    bool operator==(const FontKey& o) const {
        return height == o.height && bold == o.bold && underline == o.underline && name == o.name;
    }
};

HFONT SharedFont(const FontKey& key) {
    static std::vector<std::pair<FontKey, HFONT>> fonts;
    for (const auto& entry : fonts)
        if (entry.first == key) return entry.second;
    HFONT font =
        CreateFontW(key.height, 0, 0, 0, key.bold ? FW_BOLD : FW_NORMAL, FALSE, key.underline,
                    FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    CLEARTYPE_QUALITY, DEFAULT_PITCH, key.name.c_str());
    if (font) fonts.emplace_back(key, font);
    return font;
}

// One screen-compatible surface for measuring text, instead of a screen DC per change.
HDC MeasuringDc() {
    static HDC dc = CreateCompatibleDC(nullptr);
    return dc;
}

} // namespace

HFONT Label::LabelFont(HDC dc) const {
    int height = -MulDiv(fontSize_, GetDeviceCaps(dc, LOGPIXELSY), 72);
    return SharedFont({fontName_, height, bold_, underline_});
}

void Label::Changed() {
    if (autoSize_) {
        HDC dc = MeasuringDc();
        HGDIOBJ old = SelectObject(dc, LabelFont(dc));
        RECT r{0, 0, 0, 0};
        if (caption_.empty()) {
            TEXTMETRICW metrics{};
            GetTextMetricsW(dc, &metrics);
            r.bottom = metrics.tmHeight;
        } else {
            DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r,
                      DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
        }
        SelectObject(dc, old);
        SetBounds({Left(), Top(), r.right - r.left, r.bottom - r.top});
    }
    Invalidate();
}

void Label::Paint(PaintContext& context) {
    if (caption_.empty()) return;
    HDC dc = context.Dc();
    HGDIOBJ old = SelectObject(dc, LabelFont(dc));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, fontColor_);
    RECT r{Left(), Top(), Left() + Width(), Top() + Height()};
    UINT format = DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER |
                  (alignment_ == TextAlignment::Center  ? DT_CENTER
                   : alignment_ == TextAlignment::Right ? DT_RIGHT
                                                        : DT_LEFT);
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r, format);
    SelectObject(dc, old);
}

#include "label.h"

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

HFONT Label::CreateLabelFont(HDC dc) const {
    int height = -MulDiv(fontSize_, GetDeviceCaps(dc, LOGPIXELSY), 72);
    return CreateFontW(height, 0, 0, 0, bold_ ? FW_BOLD : FW_NORMAL, FALSE, underline_, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH, fontName_.c_str());
}

void Label::Changed() {
    if (autoSize_) {
        HDC dc = GetDC(nullptr);
        HFONT font = CreateLabelFont(dc);
        HGDIOBJ old = SelectObject(dc, font);
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
        DeleteObject(font);
        ReleaseDC(nullptr, dc);
        SetBounds({Left(), Top(), r.right - r.left, r.bottom - r.top});
    }
    Invalidate();
}

void Label::Paint(PaintContext& context) {
    if (caption_.empty()) return;
    HDC dc = context.Dc();
    HFONT font = CreateLabelFont(dc);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, fontColor_);
    RECT r{Left(), Top(), Left() + Width(), Top() + Height()};
    UINT format = DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER |
                  (alignment_ == TextAlignment::Center  ? DT_CENTER
                   : alignment_ == TextAlignment::Right ? DT_RIGHT
                                                        : DT_LEFT);
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r, format);
    SelectObject(dc, old);
    DeleteObject(font);
}

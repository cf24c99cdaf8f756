#pragma once
// A windowless text control.
#include "control_model.h"
#include "paint_context.h"

#include <string>

enum class TextAlignment { Left, Center, Right };

class Label : public Control {
  public:
    explicit Label(std::wstring name, int tag = 0)
        : Control(ControlKind::Label, std::move(name), tag) {}

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& text);
    const std::wstring& FontName() const { return fontName_; }
    void SetFontName(const std::wstring& name);
    int FontSize() const { return fontSize_; }
    void SetFontSize(int points);
    Color FontColor() const { return fontColor_; }
    void SetFontColor(Color color);
    bool Bold() const { return bold_; }
    void SetBold(bool bold);
    bool Underline() const { return underline_; }
    void SetUnderline(bool underline);
    TextAlignment Alignment() const { return alignment_; }
    void SetAlignment(TextAlignment a);
    // Sizes the control to its text whenever text or font change.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);

    void Paint(PaintContext& context) override;

  private:
    void Changed();
    HFONT LabelFont(HDC dc) const;

    std::wstring caption_;
    std::wstring fontName_ = L"Tahoma";
    int fontSize_ = 9;
    Color fontColor_ = 0;
    bool bold_ = false;
    bool underline_ = false;
    TextAlignment alignment_ = TextAlignment::Left;
    bool autoSize_ = true;
};

#pragma once
// A windowless picture control.
#include "control_model.h"
#include "picture.h"

class Image : public Control {
  public:
    explicit Image(std::wstring name, int tag = 0)
        : Control(ControlKind::Image, std::move(name), tag) {}

    // False (picture unchanged) when the file cannot be loaded.
    bool LoadPicture(const std::wstring& path);
    void ClearPicture();
    const Picture& GetPicture() const { return picture_; }

    bool Stretch() const { return stretch_; }
    void SetStretch(bool v) {
        stretch_ = v;
        Invalidate();
    }
    // Takes the picture's size whenever a picture is loaded.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);

    void Paint(PaintContext& context) override;

  private:
    Picture picture_;
    bool stretch_ = false;
    bool autoSize_ = false;
};

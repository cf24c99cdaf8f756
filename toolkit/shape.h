#pragma once
// A windowless filled shape (the lighting page's colour swatches).
#include "control_model.h"
#include "paint_context.h"

enum class ShapeType { Circle, Ellipse, Rectangle, RoundRect, RoundSquare, Square };

class Shape : public Control {
  public:
    explicit Shape(std::wstring name, int tag = 0)
        : Control(ControlKind::Shape, std::move(name), tag) {}

    ShapeType Type() const { return type_; }
    void SetType(ShapeType t) {
        type_ = t;
        Invalidate();
    }
    Color BrushColor() const { return brush_; }
    void SetBrushColor(Color c) {
        brush_ = c;
        Invalidate();
    }
    Color PenColor() const { return pen_; }
    void SetPenColor(Color c) {
        pen_ = c;
        Invalidate();
    }
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int w) {
        penWidth_ = w;
        Invalidate();
    }

    void Paint(PaintContext& context) override;

  private:
    ShapeType type_ = ShapeType::Rectangle;
    Color brush_ = 0xFFFFFF;
    Color pen_ = 0;
    int penWidth_ = 1;
};

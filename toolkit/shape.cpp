#include "shape.h"

#include <algorithm>

void Shape::Paint(PaintContext& context) {
    HDC dc = context.Dc();
    HPEN pen = CreatePen(PS_SOLID, penWidth_, pen_);
    HBRUSH brush = CreateSolidBrush(brush_);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    // Square kinds use the shorter side, centred, as the toolkit's shape control does.
    int x = Left() + penWidth_ / 2, y = Top() + penWidth_ / 2;
    int w = Width() - penWidth_ + 1, h = Height() - penWidth_ + 1;
    if (type_ == ShapeType::Circle || type_ == ShapeType::Square ||
        type_ == ShapeType::RoundSquare) {
        int side = std::min(w, h);
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = h = side;
    }
    int corner = std::min(w, h) / 4;
    switch (type_) {
    case ShapeType::Circle:
    case ShapeType::Ellipse:
        Ellipse(dc, x, y, x + w, y + h);
        break;
    case ShapeType::RoundRect:
    case ShapeType::RoundSquare:
        RoundRect(dc, x, y, x + w, y + h, corner, corner);
        break;
    default:
        Rectangle(dc, x, y, x + w, y + h);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

#include "image.h"

#include "paint_context.h"

bool Image::LoadPicture(const std::wstring& path) {
    Picture loaded;
    if (!loaded.LoadFromFile(path)) return false;
    picture_ = std::move(loaded);
    if (autoSize_) SetBounds({Left(), Top(), picture_.Width(), picture_.Height()});
    Invalidate();
    return true;
}

void Image::ClearPicture() {
    picture_.Clear();
    Invalidate();
}

void Image::SetAutoSize(bool v) {
    autoSize_ = v;
    if (autoSize_ && !picture_.Empty())
        SetBounds({Left(), Top(), picture_.Width(), picture_.Height()});
}

void Image::Paint(PaintContext& context) {
    if (picture_.Empty()) return;
    if (stretch_)
        picture_.Draw(context.Dc(), Left(), Top(), Width(), Height());
    else {
        // Unstretched pictures are drawn at their own size, cut at the control's edges.
        HRGN clip = CreateRectRgn(0, 0, 0, 0);
        int hadClip = GetClipRgn(context.Dc(), clip);
        IntersectClipRect(context.Dc(), Left(), Top(), Left() + Width(), Top() + Height());
        picture_.Draw(context.Dc(), Left(), Top(), picture_.Width(), picture_.Height());
        SelectClipRgn(context.Dc(), hadClip == 1 ? clip : nullptr);
        DeleteObject(clip);
    }
}

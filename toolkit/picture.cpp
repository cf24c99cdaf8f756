#include "picture.h"

#include "gdiplus_flat.h"

#include <objbase.h>

#include <cstring>
#include <utility>
#include <vector>

namespace {

const INT kFormat32bppPARGB = 0x000E200B;
const UINT kImageLockModeRead = 1;

} // namespace

bool StartGdiPlus() {
    static const bool started = [] {
        ULONG_PTR token = 0;
        GdiplusStartupInputFlat input{1, nullptr, FALSE, FALSE};
        return GdiplusStartup(&token, &input, nullptr) == 0;
    }();
    return started;
}

Picture::~Picture() {
    Clear();
}

Picture::Picture(Picture&& other) noexcept {
    *this = std::move(other);
}

Picture& Picture::operator=(Picture&& other) noexcept {
    if (this != &other) {
        Clear();
        std::swap(bitmap_, other.bitmap_);
        std::swap(bits_, other.bits_);
        std::swap(width_, other.width_);
        std::swap(height_, other.height_);
        std::swap(source_, other.source_);
    }
    return *this;
}

void Picture::Clear() {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
    source_.clear();
}

bool Picture::LoadFromFile(const std::wstring& path) {
    if (!StartGdiPlus() || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return false;
    void* image = nullptr;
    if (GdipCreateBitmapFromFile(path.c_str(), &image) != 0 || !image) return false;
    UINT width = 0, height = 0;
    GdipGetImageWidth(image, &width);
    GdipGetImageHeight(image, &height);
    bool ok = false;
    if (width > 0 && height > 0 && width <= 16384 && height <= 16384) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = static_cast<LONG>(width);
        info.bmiHeader.biHeight = -static_cast<LONG>(height); // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        GpRectInt rect{0, 0, static_cast<INT>(width), static_cast<INT>(height)};
        GpBitmapData data{};
        if (bitmap &&
            GdipBitmapLockBits(image, &rect, kImageLockModeRead, kFormat32bppPARGB, &data) == 0) {
            for (UINT row = 0; row < height; ++row)
                std::memcpy(static_cast<BYTE*>(bits) + row * width * 4,
                            static_cast<BYTE*>(data.scan0) +
                                static_cast<ptrdiff_t>(row) * data.stride,
                            width * 4);
            GdipBitmapUnlockBits(image, &data);
            Clear();
            bitmap_ = bitmap;
            bits_ = bits;
            width_ = static_cast<int>(width);
            height_ = static_cast<int>(height);
            source_ = path;
            ok = true;
        } else if (bitmap) {
            DeleteObject(bitmap);
        }
    }
    GdipDisposeImage(image);
    return ok;
}

void Picture::Draw(HDC dc, int x, int y, int width, int height) const {
    if (!bitmap_ || width <= 0 || height <= 0) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap_);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, x, y, width, height, source, 0, 0, width_, height_, blend);
    SelectObject(source, old);
    DeleteDC(source);
}

unsigned char Picture::AlphaAt(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return static_cast<const BYTE*>(bits_)[(static_cast<size_t>(y) * width_ + x) * 4 + 3];
}

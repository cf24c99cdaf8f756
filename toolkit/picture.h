#pragma once
// A decoded picture (bitmap or PNG) kept as a premultiplied 32-bit bitmap, so that pictures
// with transparency overlay whatever lies behind them.
#include <windows.h>

#include <string>

class Picture {
  public:
    Picture() = default;
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    Picture(Picture&& other) noexcept;
    Picture& operator=(Picture&& other) noexcept;

    // False when the file is missing or cannot be decoded; the picture is then unchanged.
    bool LoadFromFile(const std::wstring& path);
    void Clear();
    bool Empty() const { return bitmap_ == nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::wstring& Source() const { return source_; }

    void Draw(HDC dc, int x, int y, int width, int height) const;
    // The alpha of one pixel (0 for outside or no picture).
    unsigned char AlphaAt(int x, int y) const;

  private:
    HBITMAP bitmap_ = nullptr;
    void* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    std::wstring source_;
};

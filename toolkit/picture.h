#pragma once
// A picture (bitmap or PNG) kept as a premultiplied 32-bit bitmap, so that pictures with
// transparency overlay whatever lies behind them. Pictures are shared: every control showing
// the same file holds the same decoded bitmap, and a file is read once. Decoding waits until
// the picture is first drawn or hit-tested (or until DecodePendingPictures), because the size,
// which layout needs at once, comes from the file's header.
#include <windows.h>

#include <memory>
#include <string>

struct PictureData;

class Picture {
  public:
    // False when the file is missing or is no picture; the picture is then unchanged.
    bool LoadFromFile(const std::wstring& path);
    void Clear() { data_.reset(); }
    bool Empty() const { return !data_; }
    int Width() const;
    int Height() const;
    const std::wstring& Source() const;

    void Draw(HDC dc, int x, int y, int width, int height) const;
    // The alpha of one pixel (0 for outside or no picture).
    unsigned char AlphaAt(int x, int y) const;

  private:
    std::shared_ptr<PictureData> data_;
};

// Makes the file known (its size read, nothing decoded) so that DecodePendingPictures takes
// it too; false when it is no picture.
bool PrefetchPicture(const std::wstring& path);
// Decodes at most count of the known pictures not decoded yet; how many are still waiting.
size_t DecodePendingPictures(size_t count);
// Forgets the pictures no control holds, except those whose path starts with keepPrefix.
void TrimPictureCache(const std::wstring& keepPrefix);

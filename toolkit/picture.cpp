#include "picture.h"

#include "debug_output.h"
#include "gdiplus_flat.h"
#include "late_entry.h"
#include "picture_header.h"
#include "text_format.h"

#include <objbase.h>

#include <cstring>
#include <map>
#include <vector>

namespace {

const INT kFormat32bppPARGB = 0x000E200B;
const UINT kImageLockModeRead = 1;

} // namespace

struct PictureData {
    std::wstring path;
    int width = 0;
    int height = 0;
    FILETIME written{};
    DWORD length = 0;
    bool decoded = false; // tried: bitmap holds the picture unless decoding failed
    HBITMAP bitmap = nullptr;
    void* bits = nullptr;

    PictureData() = default;
    PictureData(const PictureData&) = delete;
    PictureData& operator=(const PictureData&) = delete;
    ~PictureData() {
        if (bitmap) DeleteObject(bitmap);
    }
    void Decode();
};

namespace {

// The picture library's calls, bound when the first picture is decoded (after the window is
// up): loading the library and its codecs at start would hold the window back.
struct GdiPlusCalls {
    decltype(&GdiplusStartup) startup;
    decltype(&GdipCreateBitmapFromFile) createBitmapFromFile;
    decltype(&GdipGetImageWidth) getImageWidth;
    decltype(&GdipGetImageHeight) getImageHeight;
    decltype(&GdipBitmapLockBits) bitmapLockBits;
    decltype(&GdipBitmapUnlockBits) bitmapUnlockBits;
    decltype(&GdipDisposeImage) disposeImage;
};

// Null when the library or one of its calls is missing.
const GdiPlusCalls* GdiPlus() {
    static const GdiPlusCalls calls{
        LateEntry<decltype(GdiplusStartup)>(L"gdiplus.dll", "GdiplusStartup"),
        LateEntry<decltype(GdipCreateBitmapFromFile)>(L"gdiplus.dll", "GdipCreateBitmapFromFile"),
        LateEntry<decltype(GdipGetImageWidth)>(L"gdiplus.dll", "GdipGetImageWidth"),
        LateEntry<decltype(GdipGetImageHeight)>(L"gdiplus.dll", "GdipGetImageHeight"),
        LateEntry<decltype(GdipBitmapLockBits)>(L"gdiplus.dll", "GdipBitmapLockBits"),
        LateEntry<decltype(GdipBitmapUnlockBits)>(L"gdiplus.dll", "GdipBitmapUnlockBits"),
        LateEntry<decltype(GdipDisposeImage)>(L"gdiplus.dll", "GdipDisposeImage")};
    static const bool complete = calls.startup && calls.createBitmapFromFile &&
                                 calls.getImageWidth && calls.getImageHeight &&
                                 calls.bitmapLockBits && calls.bitmapUnlockBits &&
                                 calls.disposeImage;
    return complete ? &calls : nullptr;
}

} // namespace

bool StartGdiPlus() {
    static const bool started = [] {
        const GdiPlusCalls* gdiPlus = GdiPlus();
        ULONG_PTR token = 0;
        GdiplusStartupInputFlat input{1, nullptr, FALSE, FALSE};
        return gdiPlus && gdiPlus->startup(&token, &input, nullptr) == 0;
    }();
    return started;
}

namespace {

// One entry per file, for the life of the skin that names it.
std::map<std::wstring, std::shared_ptr<PictureData>>& Cache() {
    static std::map<std::wstring, std::shared_ptr<PictureData>> cache;
    return cache;
}

// A bitmap of the file's pixels in the premultiplied format, or null.
HBITMAP DecodeFile(const std::wstring& path, int width, int height, void** bitsOut) {
    if (!StartGdiPlus()) return nullptr;
    const GdiPlusCalls& gdiPlus = *GdiPlus();
    void* image = nullptr;
    if (gdiPlus.createBitmapFromFile(path.c_str(), &image) != 0 || !image) return nullptr;
    UINT w = 0, h = 0;
    gdiPlus.getImageWidth(image, &w);
    gdiPlus.getImageHeight(image, &h);
    HBITMAP result = nullptr;
    if (static_cast<int>(w) == width && static_cast<int>(h) == height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        GpRectInt rect{0, 0, width, height};
        GpBitmapData data{};
        if (bitmap && gdiPlus.bitmapLockBits(image, &rect, kImageLockModeRead, kFormat32bppPARGB,
                                             &data) == 0) {
            for (int row = 0; row < height; ++row)
                std::memcpy(static_cast<BYTE*>(bits) + static_cast<size_t>(row) * width * 4,
                            static_cast<BYTE*>(data.scan0) +
                                static_cast<ptrdiff_t>(row) * data.stride,
                            static_cast<size_t>(width) * 4);
            gdiPlus.bitmapUnlockBits(image, &data);
            result = bitmap;
            *bitsOut = bits;
        } else if (bitmap) {
            DeleteObject(bitmap);
        }
    }
    gdiPlus.disposeImage(image);
    return result;
}

// The size from the file's first bytes; false when the file cannot be read or is no picture.
bool ReadSize(const std::wstring& path, PictureSize& size) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    uint8_t header[32] = {};
    DWORD read = 0;
    bool ok = ReadFile(file, header, sizeof header, &read, nullptr) &&
              ReadPictureHeader(header, read, size);
    CloseHandle(file);
    return ok;
}

// A file changed since it was read is read again.
std::shared_ptr<PictureData> Known(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes)) return nullptr;
    auto found = Cache().find(path);
    if (found != Cache().end() && found->second->length == attributes.nFileSizeLow &&
        CompareFileTime(&found->second->written, &attributes.ftLastWriteTime) == 0)
        return found->second;
    PictureSize size;
    if (!ReadSize(path, size)) return nullptr;
    auto data = std::make_shared<PictureData>();
    data->path = path;
    data->width = size.width;
    data->height = size.height;
    data->written = attributes.ftLastWriteTime;
    data->length = attributes.nFileSizeLow;
    Cache()[path] = data;
    return data;
}

} // namespace

void PictureData::Decode() {
    if (decoded) return;
    decoded = true;
    bitmap = DecodeFile(path, width, height, &bits);
    // A file whose header is sound but whose pixels are not stays empty, as a picture that
    // cannot be loaded does.
    if (!bitmap) DebugPrint(L"***** Decode picture FAIL: %s *****\n", path);
}

bool Picture::LoadFromFile(const std::wstring& path) {
    std::shared_ptr<PictureData> data = Known(path);
    if (!data) return false;
    data_ = std::move(data);
    return true;
}

int Picture::Width() const {
    return data_ ? data_->width : 0;
}

int Picture::Height() const {
    return data_ ? data_->height : 0;
}

const std::wstring& Picture::Source() const {
    static const std::wstring none;
    return data_ ? data_->path : none;
}

void Picture::Draw(HDC dc, int x, int y, int width, int height) const {
    if (!data_ || width <= 0 || height <= 0) return;
    data_->Decode();
    if (!data_->bitmap) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, data_->bitmap);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    // The system's own export of the blend, so no extra library is loaded for it.
    GdiAlphaBlend(dc, x, y, width, height, source, 0, 0, data_->width, data_->height, blend);
    SelectObject(source, old);
    DeleteDC(source);
}

unsigned char Picture::AlphaAt(int x, int y) const {
    if (!data_ || x < 0 || y < 0 || x >= data_->width || y >= data_->height) return 0;
    data_->Decode();
    if (!data_->bits) return 0;
    return static_cast<const BYTE*>(
        data_->bits)[(static_cast<size_t>(y) * data_->width + x) * 4 + 3];
}

bool PrefetchPicture(const std::wstring& path) {
    return Known(path) != nullptr;
}

size_t DecodePendingPictures(size_t count) {
    size_t waiting = 0;
    for (auto& entry : Cache()) {
        if (entry.second->decoded) continue;
        if (count > 0) {
            entry.second->Decode();
            --count;
        } else {
            ++waiting;
        }
    }
    return waiting;
}

void TrimPictureCache(const std::wstring& keepPrefix) {
    for (auto it = Cache().begin(); it != Cache().end();) {
        bool held = it->second.use_count() > 1;
        bool kept = !keepPrefix.empty() && it->first.compare(0, keepPrefix.size(), keepPrefix) == 0;
        it = held || kept ? std::next(it) : Cache().erase(it);
    }
}

#pragma once
// The flat interface of the platform's picture library (GDI+), declared here so that no C++
// wrapper headers are needed: decoding pictures and saving screenshots.
#include <windows.h>

extern "C" {
struct GdiplusStartupInputFlat {
    UINT32 version;
    void* debugEventCallback;
    BOOL suppressBackgroundThread;
    BOOL suppressExternalCodecs;
};
struct GpBitmapData {
    UINT width;
    UINT height;
    INT stride;
    INT pixelFormat;
    void* scan0;
    UINT_PTR reserved;
};
struct GpRectInt {
    INT x, y, width, height;
};
int WINAPI GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInputFlat* input, void* output);
int WINAPI GdipCreateBitmapFromFile(const WCHAR* filename, void** bitmap);
int WINAPI GdipCreateBitmapFromHBITMAP(HBITMAP bitmap, HPALETTE palette, void** result);
int WINAPI GdipGetImageWidth(void* image, UINT* width);
int WINAPI GdipGetImageHeight(void* image, UINT* height);
int WINAPI GdipBitmapLockBits(void* bitmap, const GpRectInt* rect, UINT flags, INT format,
                              GpBitmapData* data);
int WINAPI GdipBitmapUnlockBits(void* bitmap, GpBitmapData* data);
int WINAPI GdipSaveImageToFile(void* image, const WCHAR* filename, const CLSID* encoder,
                               const void* parameters);
int WINAPI GdipDisposeImage(void* image);
}

// Starts the picture library once for the process; false when it cannot start.
bool StartGdiPlus();

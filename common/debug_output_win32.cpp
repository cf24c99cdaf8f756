#include <windows.h>

#include <string>

void WritePlatformDebugText(const std::wstring& text) { OutputDebugStringW(text.c_str()); }

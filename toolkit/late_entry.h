#pragma once
// A function of a system library bound at its first call instead of at the program's start:
// every library loaded before the first line runs holds the panel's window back, and some
// (the picture library with its codecs, the common dialogs with the printing libraries) are
// needed only after the window is up or for one action. Null when the library or the function
// is missing. Keep the result in a function-local static so that each is bound once.
#include <windows.h>

template <typename Fn> Fn* LateEntry(const wchar_t* library, const char* name) {
    HMODULE module = LoadLibraryW(library);
    return module ? reinterpret_cast<Fn*>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                  : nullptr;
}

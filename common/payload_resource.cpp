#include "payload_resource.h"

#include <windows.h>

const void* LoadPayloadResource(uint32_t number, const wchar_t* typeName, size_t* size) {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(number), typeName);
    if (!found) return nullptr;
    DWORD bytes = SizeofResource(nullptr, found);
    if (bytes == 0) return nullptr;
    HGLOBAL loaded = LoadResource(nullptr, found);
    if (!loaded) return nullptr;
    const void* data = LockResource(loaded);
    if (!data) return nullptr;
    if (size) *size = bytes;
    return data;
}

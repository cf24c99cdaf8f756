#pragma once
#include <cstddef>
#include <cstdint>

// The bytes of a resource of the running program's own module, or null (size untouched)
// when it is missing, empty or cannot be loaded. The memory belongs to the module.
const void* LoadPayloadResource(uint32_t number, const wchar_t* typeName, size_t* size);

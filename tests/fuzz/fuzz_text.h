#pragma once
// Fuzz input as the text the platform's profile reader would give: one character per byte,
// so that digits, commas, brackets and line ends are easy for the fuzzer to reach.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

inline std::wstring FuzzText(const uint8_t* data, size_t size) {
    return std::wstring(data, data + size);
}

// Stops the run on a broken promise of the code under test.
inline void Require(bool condition) {
    if (!condition) std::abort();
}

#pragma once
// Base64 (standard alphabet, "=" padding) as the enciphered part of a device ID entry uses it.
#include <cstddef>
#include <cstdint>

enum Base64Result {
    Base64Ok = 0,
    Base64BadLength = 1,   // not a non-zero multiple of 4
    Base64NoRoom = 2,      // capacity not above length / 4 * 3
    Base64BadCharacter = 3 // outside the alphabet, or "=" anywhere but the end
};

// capacity: in, the room in output; out, the number of bytes decoded.
int Base64Decode(const char* text, size_t length, uint8_t* output, size_t* capacity);

#pragma once
// DES deciphering through the platform's enhanced cryptographic provider: a plain-text key
// blob, the provider's default chaining (CBC, zero initialisation vector) and the padding of
// the final block removed.
#include <cstddef>
#include <cstdint>

enum DesDecryptResult {
    DesBadLength = -1, // the input is not a non-empty multiple of 8 bytes
    DesDecrypted = 0,
    DesNoContext = 1,
    DesKeyImportFailed = 2,
    DesBlockFailed = 3, // also a wrong key or padding: the last block does not decipher
    DesNoRoom = 4       // outputLength below the input length
};

// outputLength: in, the room in output; out, the deciphered length. Only the first 8 bytes of
// the key text are used (missing ones are zero).
int DesDecrypt(const uint8_t* input, size_t length, uint8_t* output, size_t* outputLength,
               const char* keyText, size_t keyLength);

#include "base64_decode.h"

namespace {

const int kPadding = 64;

// The 6-bit value of a character, kPadding for "=", -1 outside the alphabet.
int SextetOf(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    if (c == '=') return kPadding;
    return -1;
}

} // namespace

int Base64Decode(const char* text, size_t length, uint8_t* output, size_t* capacity) {
    if (length == 0 || length % 4 != 0) return Base64BadLength;
    if (*capacity <= length / 4 * 3) return Base64NoRoom;
    size_t written = 0;
    for (size_t group = 0; group < length; group += 4) {
        int v[4];
        for (int k = 0; k < 4; ++k) {
            v[k] = SextetOf(text[group + k]);
            if (v[k] < 0) return Base64BadCharacter;
        }
        // Padding only closes the text: "xx==" or "xxx=" in the last group.
        bool last = group + 4 == length;
        bool padThird = v[2] == kPadding, padFourth = v[3] == kPadding;
        if (v[0] == kPadding || v[1] == kPadding || (padThird && !padFourth) ||
            ((padThird || padFourth) && !last))
            return Base64BadCharacter;
        output[written++] = static_cast<uint8_t>((v[0] << 2) | (v[1] >> 4));
        if (!padThird) output[written++] = static_cast<uint8_t>(((v[1] & 0x0F) << 4) | (v[2] >> 2));
        if (!padFourth) output[written++] = static_cast<uint8_t>(((v[2] & 0x03) << 6) | v[3]);
    }
    *capacity = written;
    return Base64Ok;
}

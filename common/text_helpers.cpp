#include "text_helpers.h"

#include <new>

size_t SplitByComma(const std::wstring& text, std::vector<std::wstring>& out) {
    size_t start = 0;
    for (;;) {
        size_t comma = text.find(L',', start);
        if (comma == std::wstring::npos) {
            out.push_back(text.substr(start));
            return out.size();
        }
        out.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
}

std::wstring TrimChar(const std::wstring& text, wchar_t c) {
    size_t first = text.find_first_not_of(c);
    if (first == std::wstring::npos) return std::wstring();
    size_t last = text.find_last_not_of(c);
    return text.substr(first, last - first + 1);
}

void SwapBytes16(uint16_t* units, size_t count) {
    for (size_t i = 0; i < count; ++i)
        units[i] = static_cast<uint16_t>((units[i] >> 8) | (units[i] << 8));
}

void SwapBytes32(uint32_t* units, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        uint32_t v = units[i];
        units[i] = (v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24);
    }
}

namespace {

int SequenceLength(uint8_t lead) {
    if (lead <= 0x7F) return 1;
    if (lead >= 0xC0 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF7) return 4;
    if (lead >= 0xF8 && lead <= 0xFB) return 5;
    if (lead >= 0xFC && lead <= 0xFD) return 6;
    return 0;
}

// Walks the input once; calls sink(codePoint) per code point. False on malformed input.
template <typename Sink> bool Decode(const uint8_t* bytes, size_t byteCount, Sink sink) {
    static const uint8_t payloadMask[7] = {0, 0x7F, 0x1F, 0x0F, 0x07, 0x03, 0x01};
    size_t i = 0;
    while (i < byteCount) {
        int length = SequenceLength(bytes[i]);
        if (length == 0 || static_cast<size_t>(length) > byteCount - i) return false;
        uint32_t codePoint = bytes[i] & payloadMask[length];
        for (int k = 1; k < length; ++k) {
            uint8_t b = bytes[i + k];
            if (b < 0x80 || b > 0xBF) return false;
            codePoint = (codePoint << 6) | (b & 0x3F);
        }
        sink(codePoint);
        i += length;
    }
    return true;
}

} // namespace

int Utf8ToUtf16(const uint8_t* bytes, size_t byteCount, std::wstring* out, size_t* unitCount) {
    size_t count = 0;
    if (!Decode(bytes, byteCount, [&](uint32_t) { ++count; })) return Utf8Malformed;
    if (!out) {
        if (unitCount) *unitCount = count;
        return Utf8Ok;
    }
    std::vector<uint32_t> codePoints;
    try {
        codePoints.reserve(count);
    } catch (const std::bad_alloc&) {
        return Utf8NoMemory;
    }
    if (!Decode(bytes, byteCount, [&](uint32_t cp) { codePoints.push_back(cp); }))
        return Utf8MalformedSecondPass;
    std::wstring text;
    try {
        text.reserve(count);
    } catch (const std::bad_alloc&) {
        return Utf8NoMemory;
    }
    for (uint32_t cp : codePoints) {
        if (cp > 0xFFFF) return Utf8AboveBmp;
        text.push_back(static_cast<wchar_t>(cp));
    }
    *out = std::move(text);
    if (unitCount) *unitCount = count;
    return Utf8Ok;
}

bool CommandLineHas(const std::wstring& commandLine, const wchar_t* switchText) {
    return commandLine.find(switchText) != std::wstring::npos;
}

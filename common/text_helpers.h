#pragma once
// Text helpers shared by both programs. Wide text holds one UTF-16 code unit per
// wchar_t on every platform, so these behave the same in every build.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Appends the pieces between "," separators, empty pieces included; returns the new size.
size_t SplitByComma(const std::wstring& text, std::vector<std::wstring>& out);

// The text without the given character at both ends.
std::wstring TrimChar(const std::wstring& text, wchar_t c);

void SwapBytes16(uint16_t* units, size_t count);
void SwapBytes32(uint32_t* units, size_t count);

enum Utf8Result {
    Utf8Ok = 0,
    Utf8Malformed = 1,
    Utf8NoMemory = 2,
    Utf8MalformedSecondPass = 3,
    Utf8AboveBmp = 4,
};

// Decodes UTF-8 (sequences of one to six bytes) into one UTF-16 unit per code point.
// With no output, only the unit count is produced. No surrogate pairs are formed.
int Utf8ToUtf16(const uint8_t* bytes, size_t byteCount, std::wstring* out, size_t* unitCount);

// The case-sensitive substring checks the programs make on their raw command line.
bool CommandLineHas(const std::wstring& commandLine, const wchar_t* switchText);

#pragma once
// The comma-separated values of skin and language files.
#include <cstddef>
#include <string>
#include <vector>

// The fields of a value: only commas separate, blanks belong to the field. At most maxFields
// fields are kept (the rest is ignored) and each is cut to maxLength characters; an empty
// value gives one empty field.
std::vector<std::wstring> SplitValueFields(const std::wstring& value, size_t maxFields,
                                           size_t maxLength);

// value + offset, held at the ends of the 32-bit range instead of overflowing.
int AddOffset(int value, int offset);

// What a window on a screen can hold: positions are 16-bit signed client coordinates (as
// mouse messages carry them) and sizes at most the largest window, so that a position plus a
// size, or a size squared, never overflows a 32-bit integer.
const int kMinWindowPosition = -32768;
const int kMaxWindowPosition = 32767;
const int kMaxWindowExtent = 32767;
// The tallest text that a window of that size holds at 96 dots per inch, in points.
const int kMaxFontPoints = kMaxWindowExtent * 72 / 96;

// The kinds of numbers the files give, each with the range a window can use.
enum class NumberKind {
    Position, // left, top, a slider's top, the speaker circle's centre
    Extent,   // width, height, a slider's range, a bar's length, a radius
    FontSize, // points
    Colour,   // 0x00BBGGRR
};
bool InWindowRange(NumberKind kind, long long value);

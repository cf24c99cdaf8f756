#pragma once
// The two ways configuration numbers are read: leniently (leading digits, else 0) and
// strictly (the whole text must be a number).
#include <string>

// Leading white space, an optional sign and the digits that follow; anything else gives 0.
int LeadingDigitsToInt(const std::wstring& text);

// Optional leading spaces, optional sign, decimal digits or a "$"/"0x" hexadecimal number,
// and nothing after it; the value must fit a 32-bit signed integer.
bool TryStrictToInt(const std::wstring& text, int& value);

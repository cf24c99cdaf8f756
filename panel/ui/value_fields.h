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

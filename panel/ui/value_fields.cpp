#include "ui/value_fields.h"

#include <algorithm>
#include <climits>

std::vector<std::wstring> SplitValueFields(const std::wstring& value, size_t maxFields,
                                           size_t maxLength) {
    std::vector<std::wstring> fields;
    size_t start = 0;
    while (fields.size() < maxFields) {
        const size_t comma = value.find(L',', start);
        const size_t end = comma == std::wstring::npos ? value.size() : comma;
        fields.push_back(value.substr(start, std::min(end - start, maxLength)));
        if (comma == std::wstring::npos) break;
        start = comma + 1;
    }
    return fields;
}

int AddOffset(int value, int offset) {
    const long long sum = static_cast<long long>(value) + offset;
    if (sum > INT_MAX) return INT_MAX;
    if (sum < INT_MIN) return INT_MIN;
    return static_cast<int>(sum);
}

bool InWindowRange(NumberKind kind, long long value) {
    struct Range {
        NumberKind kind;
        long long low, high;
    };
    static const Range kRanges[] = {
        {NumberKind::Position, kMinWindowPosition, kMaxWindowPosition},
        {NumberKind::Extent, 0, kMaxWindowExtent},
        {NumberKind::FontSize, 1, kMaxFontPoints},
        {NumberKind::Colour, 0, 0xFFFFFF},
    };
    for (const Range& range : kRanges)
        if (range.kind == kind) return value >= range.low && value <= range.high;
    return false;
}

#include "effects/profile_values.h"

#include "int_conversions.h"

#include <algorithm>

std::vector<std::wstring> SplitProfileValue(const std::wstring& value) {
    std::vector<std::wstring> fields;
    size_t start = 0;
    for (;;) {
        const size_t comma = value.find(L',', start);
        const size_t end = comma == std::wstring::npos ? value.size() : comma;
        fields.push_back(value.substr(start, std::min(end - start, kProfileFieldLength)));
        if (comma == std::wstring::npos) return fields;
        start = comma + 1;
    }
}

namespace {
// The value's fields as numbers when there are exactly `count` of them.
bool Numbers(const std::wstring& value, size_t count, int* numbers) {
    const std::vector<std::wstring> fields = SplitProfileValue(value);
    if (fields.size() != count) return false;
    for (size_t i = 0; i < count; ++i)
        if (!TryStrictToInt(fields[i], numbers[i])) return false;
    return true;
}
} // namespace

bool ReadPresetValue(const std::wstring& value, PresetValue& preset) {
    int n[kPresetFields];
    if (!Numbers(value, kPresetFields, n)) return false;
    for (int i = 0; i < 5; ++i)
        preset.gains[i] = static_cast<uint16_t>(static_cast<uint32_t>(n[i]) & 0xFFFF);
    preset.eqEnable = n[5];
    return true;
}

bool ReadSpeakerPlace(const std::wstring& value, SpeakerPlace& place) {
    int n[kSpeakerFields];
    if (!Numbers(value, kSpeakerFields, n)) return false;
    place.left = n[0];
    place.top = n[1];
    return true;
}

std::wstring ExportFileName(const std::wstring& chosen) {
    return chosen.find(L".ini") == std::wstring::npos ? chosen + L".ini" : chosen;
}

std::wstring ImportStartFolder(const std::wstring& lastExport) {
    const size_t cut = lastExport.size() > 1 ? lastExport.rfind(L'\\') : std::wstring::npos;
    return cut == std::wstring::npos || cut < 1 ? lastExport : lastExport.substr(0, cut);
}

#include "effects/profile_values.h"

std::vector<std::wstring> SplitProfileValue(const std::wstring& value) {
    const size_t kMaxFields = 128, kMaxLength = 127;
    std::vector<std::wstring> fields;
    size_t start = 0;
    for (;;) {
        size_t comma = value.find(L',', start);
        fields.push_back(value.substr(start, comma - start).substr(0, kMaxLength));
        if (comma == std::wstring::npos || fields.size() == kMaxFields) break;
        start = comma + 1;
    }
    return fields;
}

std::wstring ExportFileName(const std::wstring& chosen) {
    return chosen.find(L".ini") == std::wstring::npos ? chosen + L".ini" : chosen;
}

std::wstring ImportStartFolder(const std::wstring& lastExport) {
    const size_t cut = lastExport.size() > 1 ? lastExport.rfind(L'\\') : std::wstring::npos;
    return cut == std::wstring::npos || cut < 1 ? lastExport : lastExport.substr(0, cut);
}

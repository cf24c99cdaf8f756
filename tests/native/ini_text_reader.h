#pragma once
// A ProfileReader over INI text held in memory: "[Section]" lines and "Key=Value" lines, the
// first of equal keys wins, a missing key reads as empty, as the platform's reader gives them.
#include "ui/profile_reader.h"

#include <map>
#include <memory>
#include <string>
#include <utility>

inline ProfileReader IniText(const std::wstring& text) {
    auto values = std::make_shared<std::map<std::pair<std::wstring, std::wstring>, std::wstring>>();
    std::wstring section;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        const std::wstring line = text.substr(start, end - start);
        start = end + 1;
        if (line.size() > 1 && line.front() == L'[' && line.back() == L']') {
            section = line.substr(1, line.size() - 2);
        } else if (line.find(L'=') != std::wstring::npos) {
            const size_t equals = line.find(L'=');
            values->emplace(std::make_pair(section, line.substr(0, equals)),
                            line.substr(equals + 1));
        }
    }
    return [values](const std::wstring& s, const std::wstring& k) {
        const auto found = values->find({s, k});
        return found == values->end() ? std::wstring() : found->second;
    };
}

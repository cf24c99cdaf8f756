#include "device_id_match.h"

#include "text_helpers.h"

namespace {

std::wstring UpperAscii(std::wstring text) {
    for (wchar_t& c : text)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return text;
}

} // namespace

int SplitDeviceIdEntry(const std::wstring& entry, std::wstring& plain, std::wstring& enciphered) {
    size_t comma = entry.find(L',');
    if (comma == std::wstring::npos) return EntryNoComma;
    plain = TrimChar(entry.substr(0, comma), L' ');
    enciphered = TrimChar(entry.substr(comma + 1), L' ');
    return plain.empty() || enciphered.empty() ? EntryEmptyPart : EntrySplit;
}

std::string NarrowEntryText(const std::wstring& text) {
    std::string narrow;
    narrow.reserve(text.size());
    for (wchar_t c : text)
        narrow.push_back(static_cast<uint32_t>(c) <= 0xFF ? static_cast<char>(c) : '?');
    return narrow;
}

bool MatchDeviceIdPattern(const std::wstring& pattern, const std::wstring& deviceId,
                          MatchRule rule) {
    if (pattern.size() != deviceId.size()) return false;
    std::wstring id = UpperAscii(deviceId);
    std::wstring wanted = rule == MatchRule::Panel ? UpperAscii(pattern) : pattern;
    for (size_t i = 0; i < wanted.size(); ++i)
        if (wanted[i] == L'X') id[i] = L'X';
    return id == wanted;
}

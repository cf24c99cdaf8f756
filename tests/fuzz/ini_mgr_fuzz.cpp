// Feeds arbitrary bytes to the INI reader. Besides the sanitizers' checks, it stops on any
// broken promise of the reader: a failed decode leaves nothing, lookups find the first match.
#include "ini_mgr.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckLookups(const CIniMgr& ini) {
    for (const auto& define : ini.sections()) {
        Require(ini.HasSection(define->name));
        // The first section of this name answers every lookup.
        const CIniSectionDefine* first = nullptr;
        for (const auto& other : ini.sections())
            if (other->name == define->name) {
                first = other.get();
                break;
            }
        std::vector<std::wstring> names;
        ini.GetValueNames(define->name, names);
        Require(names.size() == first->section.values.size());
        for (const VALUE_NAME_DEFINE& value : first->section.values) {
            Require(!value.name.empty());
            std::wstring found = ini.GetValue(define->name, value.name);
            for (const VALUE_NAME_DEFINE& earlier : first->section.values)
                if (earlier.name == value.name) {
                    Require(found == earlier.value);
                    break;
                }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CIniMgr ini;
    const uint8_t kept[] = "[kept]\nk=v\n";
    Require(ini.LoadBytes(kept, sizeof kept - 1) == IniLoaded);

    int result = ini.LoadBytes(data, size);
    Require(result == IniLoaded || result == IniDecodeFailed);
    if (result == IniDecodeFailed) {
        Require(ini.sections().empty() && ini.lines().empty());
        return 0;
    }
    if (size == 0) Require(ini.sections().empty() && ini.lines().empty());
    for (const std::wstring& line : ini.lines())
        Require(line.find(L'\n') == std::wstring::npos &&
                (line.empty() || (line.front() != L'\r' && line.back() != L'\r')));
    for (const auto& define : ini.sections())
        Require(!define->lines.empty() && define->lines.front() == L"[" + define->name + L"]");
    CheckLookups(ini);
    return 0;
}

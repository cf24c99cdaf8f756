#include "default_settings.h"

#include "int_conversions.h"
#include "text_helpers.h"

namespace {

const wchar_t kSoftwareKey[] = L"TRV 42xx Software";
const int kFirstLevelKey = 1;
const int kLastLevelKey = 19;

struct DefaultSetKey {
    const wchar_t* name;
    bool writtenWhenMissing; // as 0
    const wchar_t* failureLine;
};

const DefaultSetKey kDefaultSetKeys[] = {
    {L"EncEnable", true, L"***** Save REG_ENC_ENABLE to registry FAIL!, %d *****"},
    {L"EncScalar", false, L"***** Save REG_ENC_SCALAR to registry FAIL!, %d *****"},
    {L"VoiceMagicEnable", false, L"***** Save REG_VOICE_MAGIC_ENABLE FAIL!, %d *****"},
    {L"VoiceMagicLevel", false, L"***** Save REG_VOICE_MAGIC_LEVEL to registry FAIL!, %d *****"},
};

uint32_t NumberOf(const std::wstring& text) {
    return static_cast<uint32_t>(LeadingDigitsToInt(text));
}

} // namespace

std::vector<DefaultSettingWrite> DefaultSettingWrites(const ConfigTextReader& read) {
    std::vector<DefaultSettingWrite> writes;
    const std::wstring levelKey = std::wstring(kSoftwareKey) + L"\\EncValueMap";
    for (int index = kFirstLevelKey; index <= kLastLevelKey; ++index) {
        std::vector<std::wstring> pieces;
        SplitByComma(read(L"EncValueMap", std::to_wstring(index)), pieces);
        if (pieces.size() == 1) continue; // missing, empty or without a comma
        writes.push_back({levelKey, pieces[0], NumberOf(pieces[1]),
                          L"***** Save level to registry FAIL! *****"});
    }
    for (const DefaultSetKey& key : kDefaultSetKeys) {
        std::wstring text = read(L"DefaultSet", key.name);
        if (text.empty() && !key.writtenWhenMissing) continue;
        std::vector<std::wstring> pieces;
        SplitByComma(text, pieces);
        writes.push_back(
            {kSoftwareKey, key.name, text.empty() ? 0u : NumberOf(pieces[0]), key.failureLine});
    }
    return writes;
}

// Feeds arbitrary values to the profile text reader: the fields put back together give the
// value (when none was cut), and a preset or speaker value is read exactly when it has the
// right number of fields, each one a number.
#include "effects/profile_values.h"
#include "fuzz_text.h"
#include "int_conversions.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::wstring value = FuzzText(data, size);
    const std::vector<std::wstring> fields = SplitProfileValue(value);
    Require(!fields.empty());
    bool cut = false;
    std::wstring joined;
    for (size_t i = 0; i < fields.size(); ++i) {
        Require(fields[i].size() <= kProfileFieldLength);
        Require(fields[i].find(L',') == std::wstring::npos);
        cut = cut || fields[i].size() == kProfileFieldLength;
        joined += (i ? L"," : L"") + fields[i];
    }
    Require(fields.size() == static_cast<size_t>(std::count(value.begin(), value.end(), L',')) + 1);
    if (!cut) Require(joined == value);

    bool allNumbers = true;
    std::vector<int> numbers;
    for (const std::wstring& f : fields) {
        int n = 0;
        allNumbers = allNumbers && TryStrictToInt(f, n);
        numbers.push_back(n);
    }
    PresetValue preset;
    preset.gains[0] = 0xABCD;
    const bool isPreset = ReadPresetValue(value, preset);
    Require(isPreset == (allNumbers && fields.size() == kPresetFields));
    if (isPreset) {
        for (int i = 0; i < 5; ++i)
            Require(preset.gains[i] == static_cast<uint16_t>(numbers[i]));
        Require(preset.eqEnable == numbers[5]);
    } else {
        Require(preset.gains[0] == 0xABCD);
    }
    SpeakerPlace place{-7, -9};
    const bool isPlace = ReadSpeakerPlace(value, place);
    Require(isPlace == (allNumbers && fields.size() == kSpeakerFields));
    if (isPlace)
        Require(place.left == numbers[0] && place.top == numbers[1]);
    else
        Require(place.left == -7 && place.top == -9);
    return 0;
}

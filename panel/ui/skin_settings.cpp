#include "ui/skin_settings.h"

#include "debug_output.h"
#include "effects/lighting_values.h"
#include "int_conversions.h"
#include "ui/value_fields.h"

#include <iterator>

namespace {

const size_t kImageFields = 6;
const size_t kFieldLength = 127;
const size_t kFileNameLength = 63;
const int kOldLayoutLeft = 392;
const int kOldLayoutTop = 104;

std::vector<std::wstring> Fields(const std::wstring& value) {
    return SplitValueFields(value, kImageFields, kFieldLength);
}

// A field given as a number: present and not empty.
bool Given(const std::vector<std::wstring>& fields, size_t index) {
    return index < fields.size() && !fields[index].empty();
}

SkinItem ReadImageItem(const SkinKey& key, const std::wstring& value, bool oldVersion) {
    const std::vector<std::wstring> f = Fields(value);
    SkinItem item;
    item.ImageFile = f[0].substr(0, kFileNameLength);
    struct Number {
        int* value;
        bool* has;
    };
    const Number numbers[] = {{&item.Left, &item.HasLeft},
                              {&item.Top, &item.HasTop},
                              {&item.Width, &item.HasWidth},
                              {&item.Height, &item.HasHeight}};
    for (size_t i = 0; i < std::size(numbers); ++i) {
        if (!Given(f, i + 1)) continue;
        *numbers[i].value = LeadingDigitsToInt(f[i + 1]);
        *numbers[i].has = true;
    }
    item.Page = Given(f, 5) ? LeadingDigitsToInt(f[5]) : key.defaultPage;
    // Old layouts place every page's controls relative to the page area, not the window.
    if (oldVersion && key.defaultPage != 0) {
        if (item.HasLeft) item.Left = AddOffset(item.Left, kOldLayoutLeft);
        if (item.HasTop) item.Top = AddOffset(item.Top, kOldLayoutTop);
    }
    return item;
}

// The first `count` fields as strict numbers; false when one is missing, empty or malformed.
bool StrictNumbers(const std::wstring& value, size_t count, int* numbers) {
    const std::vector<std::wstring> f = Fields(value);
    if (f.size() < count) return false;
    for (size_t i = 0; i < count; ++i)
        if (!TryStrictToInt(f[i], numbers[i])) return false;
    return true;
}

// A geometry key; false when its value is present but not made of the numbers it needs.
bool ReadGeometry(const SkinKey& key, const std::wstring& value, bool oldVersion, SkinGeometry& g) {
    // An absent key keeps the values of the window design or of the previous skin.
    if (value.empty()) return true;
    const std::wstring name = key.name;
    int n[3] = {0, 0, 0};
    const size_t count = name == L"VirtualCenter" ? 3 : name == L"MicProgressLength" ? 1 : 2;
    if (!StrictNumbers(value, count, n)) {
        DebugPrint(L"***** LoadSkinSettings: %s of [%s] is not a number: %s *****\n", name,
                   key.section, value);
        return false;
    }
    const int topShift = oldVersion ? kOldLayoutTop : 0;
    if (name == L"EQSlider") {
        g.EqSliderTop = AddOffset(n[0], topShift);
        g.EqSliderRange = n[1];
        g.D3BarRange = n[1];
    } else if (name == L"MicSlider") {
        g.MicSliderTop = AddOffset(n[0], topShift);
        g.MicSliderRange = n[1];
    } else if (name == L"ENCSlider") {
        g.EncSliderTop = n[0];
        g.EncSliderRange = n[1];
    } else if (name == L"D3Slider") {
        g.D3SliderTop = AddOffset(n[0], topShift);
        g.D3SliderRange = n[1];
        g.HasD3Slider = true;
    } else if (name == L"MicProgressLength") {
        g.MicProgressLength = n[0];
    } else if (name == L"VirtualCenter") {
        g.VirtualCenterX = AddOffset(n[0], oldVersion ? kOldLayoutLeft : 0);
        g.VirtualCenterY = AddOffset(n[1], topShift);
        g.VirtualRadius = n[2];
    }
    return true;
}

// Flags and modes: the leading digits of the first field; empty is 0.
int ReadFlag(const std::wstring& value) {
    return LeadingDigitsToInt(Fields(value)[0]);
}

int SwatchIndex(const std::wstring& name) {
    for (int i = 0; i < kSwatchCount; ++i)
        if (name == kSwatchKeys[i]) return i;
    return -1;
}

void ReadSwatch(const ProfileReader& base, int index, SwatchSetting& swatch) {
    swatch.color = kLedDefaultColours[index];
    const std::wstring value = base(L"LED", kSwatchKeys[index]);
    const std::vector<std::wstring> f = Fields(value);
    swatch.hasGeometry = false;
    // Without a first field the swatch keeps the geometry and shape it has.
    if (f[0].empty()) return;
    if (f.size() < 4) {
        DebugPrint(L"***** LoadSkinSettings: %s of [LED] lacks its size: %s *****\n",
                   kSwatchKeys[index], value);
        return;
    }
    swatch.hasGeometry = true;
    swatch.left = LeadingDigitsToInt(f[0]);
    swatch.top = LeadingDigitsToInt(f[1]);
    swatch.width = LeadingDigitsToInt(f[2]);
    swatch.height = LeadingDigitsToInt(f[3]);
    const int shape = f.size() > 4 ? LeadingDigitsToInt(f[4]) : 0;
    swatch.shape = shape >= SwatchCircle && shape <= SwatchSquare ? shape : SwatchCircle;
}

} // namespace

const wchar_t* const kSwatchKeys[kSwatchCount] = {
    L"Color01Shape", L"Color02Shape", L"Color03Shape",     L"Color04Shape",     L"Color05Shape",
    L"Color06Shape", L"Color07Shape", L"ColorSingleShape", L"ColorBreatheShape"};

const SkinItem& SkinSettings::Item(const std::wstring& section, const std::wstring& name) const {
    static const SkinItem empty;
    const int index = SkinKeyIndex(section, name);
    return index >= 0 && static_cast<size_t>(index) < items.size() ? items[index] : empty;
}

void LoadSwatches(const ProfileReader& base, std::array<SwatchSetting, kSwatchCount>& swatches) {
    for (int i = 0; i < kSwatchCount; ++i)
        ReadSwatch(base, i, swatches[i]);
}

int LoadSkinSettings(const ProfileReader& layout, const ProfileReader& base, bool oldVersion,
                     SkinSettings& settings) {
    const std::vector<SkinKey>& keys = SkinKeys();
    SkinSettings loaded;
    loaded.items.resize(keys.size());
    loaded.geometry = settings.geometry;
    loaded.swatches = settings.swatches;
    // The radius the speakers stand on until now; without a "VirtualCenter" key it stays.
    loaded.geometry.PreviousVirtualRadius = settings.geometry.VirtualRadius;
    SkinGeometry& g = loaded.geometry;
    // A skin without its own 3D track uses the classic fixed one.
    g.HasD3Slider = false;
    for (size_t i = 0; i < keys.size(); ++i) {
        const SkinKey& key = keys[i];
        const std::wstring name = key.name;
        switch (key.kind) {
        case SkinKeyKind::Image:
            loaded.items[i] = ReadImageItem(key, layout(key.section, key.name), oldVersion);
            break;
        case SkinKeyKind::Slider:
        case SkinKeyKind::Length:
        case SkinKeyKind::Centre:
            if (!ReadGeometry(key, layout(key.section, key.name), oldVersion, g))
                return SkinBadGeometry;
            break;
        case SkinKeyKind::Bevel: {
            const bool on = ReadFlag(layout(key.section, key.name)) != 0;
            (name == L"BevelLine" ? g.BevelLine : g.BevelLine2) = on;
            break;
        }
        case SkinKeyKind::Led:
            (name == L"LEDPageMode" ? g.LEDPageMode : g.LEDFastRightSide) =
                ReadFlag(base(key.section, key.name));
            break;
        case SkinKeyKind::Shape: {
            const int index = SwatchIndex(name);
            if (index >= 0) ReadSwatch(base, index, loaded.swatches[index]);
            break;
        }
        case SkinKeyKind::Ignored: // read by older panels, without effect
            break;
        }
    }
    settings = std::move(loaded);
    return SkinLoaded;
}

std::wstring ResolutionFolderFor(int screenWidth, int screenHeight) {
    const long long area = static_cast<long long>(screenWidth) * screenHeight;
    if (area > 1920LL * 1080) return L"1920x1080\\";
    if (area > 1366LL * 768) return L"1366x768\\";
    if (area > 960LL * 540) return L"960x540\\";
    return std::wstring();
}

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

void ReportOutOfRange(const SkinKey& key, const std::wstring& value) {
    DebugPrint(L"***** LoadSkinSettings: %s of [%s] is out of range: %s *****\n", key.name,
               key.section, value);
}

// False when a number of the item lies outside what a window can hold.
bool ReadImageItem(const SkinKey& key, const std::wstring& value, bool oldVersion, SkinItem& item) {
    const std::vector<std::wstring> f = Fields(value);
    item = SkinItem();
    item.ImageFile = f[0].substr(0, kFileNameLength);
    struct Number {
        int* value;
        bool* has;
        NumberKind kind;
    };
    const Number numbers[] = {{&item.Left, &item.HasLeft, NumberKind::Position},
                              {&item.Top, &item.HasTop, NumberKind::Position},
                              {&item.Width, &item.HasWidth, NumberKind::Extent},
                              {&item.Height, &item.HasHeight, NumberKind::Extent}};
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
    for (const Number& n : numbers)
        if (*n.has && !InWindowRange(n.kind, *n.value)) {
            ReportOutOfRange(key, value);
            return false;
        }
    return true;
}

// The first `count` fields as strict numbers; false when one is missing, empty or malformed.
bool StrictNumbers(const std::wstring& value, size_t count, int* numbers) {
    const std::vector<std::wstring> f = Fields(value);
    if (f.size() < count) return false;
    for (size_t i = 0; i < count; ++i)
        if (!TryStrictToInt(f[i], numbers[i])) return false;
    return true;
}

// The numbers of a geometry key, in the order its value gives them.
struct GeometryKey {
    const wchar_t* name;
    size_t count;
    NumberKind kinds[3];
};
const GeometryKey kGeometryKeys[] = {
    {L"EQSlider", 2, {NumberKind::Position, NumberKind::Extent}},
    {L"MicSlider", 2, {NumberKind::Position, NumberKind::Extent}},
    {L"ENCSlider", 2, {NumberKind::Position, NumberKind::Extent}},
    {L"D3Slider", 2, {NumberKind::Position, NumberKind::Extent}},
    {L"MicProgressLength", 1, {NumberKind::Extent}},
    {L"VirtualCenter", 3, {NumberKind::Position, NumberKind::Position, NumberKind::Extent}},
};

// A geometry key; false when its value is present but not made of the numbers it needs, or
// when one of them lies outside what a window can hold.
bool ReadGeometry(const SkinKey& key, const std::wstring& value, bool oldVersion, SkinGeometry& g) {
    // An absent key keeps the values of the window design or of the previous skin.
    if (value.empty()) return true;
    const std::wstring name = key.name;
    const GeometryKey* geometry = nullptr;
    for (const GeometryKey& k : kGeometryKeys)
        if (name == k.name) geometry = &k;
    if (!geometry) return true;
    int n[3] = {0, 0, 0};
    if (!StrictNumbers(value, geometry->count, n)) {
        DebugPrint(L"***** LoadSkinSettings: %s of [%s] is not a number: %s *****\n", name,
                   key.section, value);
        return false;
    }
    // Old layouts shift the slider tops and the circle's centre with the page area.
    const int topShift = oldVersion ? kOldLayoutTop : 0;
    if (name == L"EQSlider" || name == L"MicSlider" || name == L"D3Slider") n[0] = AddOffset(n[0], topShift);
    if (name == L"VirtualCenter") {
        n[0] = AddOffset(n[0], oldVersion ? kOldLayoutLeft : 0);
        n[1] = AddOffset(n[1], topShift);
    }
    for (size_t i = 0; i < geometry->count; ++i)
        if (!InWindowRange(geometry->kinds[i], n[i])) {
            ReportOutOfRange(key, value);
            return false;
        }
    if (name == L"EQSlider") {
        g.EqSliderTop = n[0];
        g.EqSliderRange = n[1];
        g.D3BarRange = n[1];
    } else if (name == L"MicSlider") {
        g.MicSliderTop = n[0];
        g.MicSliderRange = n[1];
    } else if (name == L"ENCSlider") {
        g.EncSliderTop = n[0];
        g.EncSliderRange = n[1];
    } else if (name == L"D3Slider") {
        g.D3SliderTop = n[0];
        g.D3SliderRange = n[1];
        g.HasD3Slider = true;
    } else if (name == L"MicProgressLength") {
        g.MicProgressLength = n[0];
    } else {
        g.VirtualCenterX = n[0];
        g.VirtualCenterY = n[1];
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

// False when the swatch's place or size lies outside what a window can hold; it then keeps
// the geometry and shape it has.
bool ReadSwatch(const ProfileReader& base, int index, SwatchSetting& swatch) {
    swatch.color = kLedDefaultColours[index];
    const std::wstring value = base(L"LED", kSwatchKeys[index]);
    const std::vector<std::wstring> f = Fields(value);
    swatch.hasGeometry = false;
    // Without a first field the swatch keeps the geometry and shape it has.
    if (f[0].empty()) return true;
    if (f.size() < 4) {
        DebugPrint(L"***** LoadSkinSettings: %s of [LED] lacks its size: %s *****\n",
                   kSwatchKeys[index], value);
        return true;
    }
    const int left = LeadingDigitsToInt(f[0]);
    const int top = LeadingDigitsToInt(f[1]);
    const int width = LeadingDigitsToInt(f[2]);
    const int height = LeadingDigitsToInt(f[3]);
    if (!InWindowRange(NumberKind::Position, left) || !InWindowRange(NumberKind::Position, top) ||
        !InWindowRange(NumberKind::Extent, width) || !InWindowRange(NumberKind::Extent, height)) {
        DebugPrint(L"***** LoadSkinSettings: %s of [LED] is out of range: %s *****\n",
                   kSwatchKeys[index], value);
        return false;
    }
    swatch.hasGeometry = true;
    swatch.left = left;
    swatch.top = top;
    swatch.width = width;
    swatch.height = height;
    const int shape = f.size() > 4 ? LeadingDigitsToInt(f[4]) : 0;
    swatch.shape = shape >= SwatchCircle && shape <= SwatchSquare ? shape : SwatchCircle;
    return true;
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
            if (!ReadImageItem(key, layout(key.section, key.name), oldVersion, loaded.items[i]))
                return SkinBadGeometry;
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
            if (index >= 0 && !ReadSwatch(base, index, loaded.swatches[index]))
                return SkinBadGeometry;
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

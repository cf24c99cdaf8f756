#include "ui/language_texts.h"

#include "debug_output.h"
#include "int_conversions.h"
#include "ui/value_fields.h"

#include <cmath>
#include <iterator>

namespace {

const size_t kTextFields = 10;
const size_t kTextLength = 127;
const size_t kFontNameLength = 63;
const int kOldLayoutLeft = 392;
const int kOldLayoutTop = 104;

// A numeric field: true with its value when given, valid and inside the range a window can
// use for its kind (pages take any number); a malformed or outlying one is reported.
bool ReadNumber(const LanguageKey& key, const std::wstring& field, int fieldNumber,
                const NumberKind* kind, int& value) {
    if (field.empty()) return false;
    int number = 0;
    if (!TryStrictToInt(field, number)) {
        DebugPrint(L"***** LoadLanguage: field %d of %s in [%s] is not a number: %s *****\n",
                   fieldNumber, key.name, key.section, field);
        return false;
    }
    if (kind && !InWindowRange(*kind, number)) {
        DebugPrint(L"***** LoadLanguage: field %d of %s in [%s] is out of range: %s *****\n",
                   fieldNumber, key.name, key.section, field);
        return false;
    }
    value = number;
    return true;
}

bool ReadNumber(const LanguageKey& key, const std::wstring& field, int fieldNumber, NumberKind kind,
                int& value) {
    return ReadNumber(key, field, fieldNumber, &kind, value);
}

TextItem ReadTextItem(const LanguageKey& key, const std::wstring& value, bool oldVersion) {
    const std::vector<std::wstring> f = SplitValueFields(value, kTextFields, kTextLength);
    auto field = [&f](size_t number) {
        return number <= f.size() ? f[number - 1] : std::wstring();
    };
    TextItem item;
    item.Text = field(1);
    int number = 0;
    if (ReadNumber(key, field(2), 2, NumberKind::Colour, number)) {
        item.UpColour = static_cast<uint32_t>(number);
        item.HasUpColour = true;
    }
    if (ReadNumber(key, field(3), 3, NumberKind::Colour, number)) {
        item.DownColour = static_cast<uint32_t>(number);
        item.HasDownColour = true;
    }
    item.FontName = field(4).substr(0, kFontNameLength);
    item.HasFontName = !item.FontName.empty();
    struct Number {
        int* value;
        bool* has;
        NumberKind kind;
    };
    const Number numbers[] = {{&item.FontSize, &item.HasFontSize, NumberKind::FontSize},
                              {&item.Left, &item.HasLeft, NumberKind::Position},
                              {&item.Top, &item.HasTop, NumberKind::Position},
                              {&item.Width, &item.HasWidth, NumberKind::Extent},
                              {&item.Height, &item.HasHeight, NumberKind::Extent}};
    for (size_t i = 0; i < std::size(numbers); ++i)
        *numbers[i].has = ReadNumber(key, field(5 + i), static_cast<int>(5 + i), numbers[i].kind,
                                     *numbers[i].value);
    item.Page = key.defaultPage;
    if (ReadNumber(key, field(10), 10, nullptr, number)) item.Page = number;
    // Old layouts place every page's labels relative to the page area, not the window; a
    // place that the shift carries out of the window's range counts as not given.
    if (oldVersion && key.defaultPage != 0) {
        const struct {
            int* value;
            bool* has;
            int shift;
        } shifts[] = {{&item.Left, &item.HasLeft, kOldLayoutLeft},
                      {&item.Top, &item.HasTop, kOldLayoutTop}};
        for (const auto& s : shifts) {
            if (!*s.has) continue;
            *s.value = AddOffset(*s.value, s.shift);
            if (!InWindowRange(NumberKind::Position, *s.value)) {
                DebugPrint(L"***** LoadLanguage: %s in [%s] lies out of range: %s *****\n",
                           key.name, key.section, value);
                *s.has = false;
                *s.value = 0;
            }
        }
    }
    return item;
}

uint32_t ReadGlobalColour(const ProfileReader& file, const wchar_t* name) {
    const LanguageKey key = {L"GlobalFont", name, L"", 0};
    int value = 0;
    return ReadNumber(key, file(key.section, name), 1, NumberKind::Colour, value)
               ? static_cast<uint32_t>(value)
               : 0;
}

} // namespace

TextItem* LanguageTexts::Find(const std::wstring& name) {
    const std::vector<LanguageKey>& keys = LanguageKeys();
    for (size_t i = 0; i < keys.size() && i < items.size(); ++i)
        if (name == keys[i].name) return &items[i];
    return nullptr;
}

const TextItem* LanguageTexts::Find(const std::wstring& name) const {
    return const_cast<LanguageTexts*>(this)->Find(name);
}

void LoadLanguage(const ProfileReader& file, bool oldVersion, LanguageTexts& texts) {
    texts = LanguageTexts();
    texts.GlobalUpColour = ReadGlobalColour(file, L"ColorUp");
    texts.GlobalDownColour = ReadGlobalColour(file, L"ColorDown");
    texts.GlobalFontName = file(L"GlobalFont", L"Font").substr(0, kFontNameLength);
    const LanguageKey sizeKey = {L"GlobalFont", L"FontSize", L"", 0};
    int size = 0;
    if (ReadNumber(sizeKey, file(L"GlobalFont", L"FontSize"), 1, NumberKind::FontSize, size))
        texts.GlobalFontSize = size;
    const std::vector<LanguageKey>& keys = LanguageKeys();
    texts.items.reserve(keys.size());
    for (const LanguageKey& key : keys)
        texts.items.push_back(ReadTextItem(key, file(key.section, key.name), oldVersion));
}

int ScaledFontSize(int points, int dpi, bool vistaOrLater) {
    double factor = 1.0;
    if (dpi == 96)
        factor = vistaOrLater ? 1.0 : 0.9;
    else if (dpi == 120)
        factor = vistaOrLater ? 0.8 : 0.72;
    else if (dpi == 144)
        factor = 0.6664;
    return static_cast<int>(std::lround(points * factor));
}

TextItemLook ResolveTextItem(TextItem& item, bool useUpColour, const LanguageTexts& texts, int dpi,
                             bool vistaOrLater) {
    TextItemLook look;
    look.visible = !item.Text.empty() && item.Text != L"(null)";
    // Kept in the item, so that later presses and releases show the same colours.
    if (texts.GlobalUpColour != 0 && !item.HasUpColour) {
        item.UpColour = texts.GlobalUpColour;
        item.HasUpColour = true;
    }
    if (texts.GlobalDownColour != 0 && !item.HasDownColour) {
        item.DownColour = texts.GlobalDownColour;
        item.HasDownColour = true;
    }
    look.hasColour = useUpColour ? item.HasUpColour : item.HasDownColour;
    look.colour = useUpColour ? item.UpColour : item.DownColour;
    if (item.HasFontName)
        look.fontName = item.FontName;
    else
        look.fontName = texts.GlobalFontName;
    look.hasFontName = !look.fontName.empty();
    if (item.HasFontSize || texts.GlobalFontSize != -1) {
        look.hasFontSize = true;
        look.fontSize = ScaledFontSize(item.HasFontSize ? item.FontSize : texts.GlobalFontSize, dpi,
                                       vistaOrLater);
    }
    return look;
}

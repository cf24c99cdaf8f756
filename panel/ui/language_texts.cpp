#include "language_texts.h"

#include "debug_output.h"
#include "int_conversions.h"
#include "value_fields.h"

#include <cmath>
#include <iterator>

namespace {

const LanguageKey kLanguageKeyTable[] = {
    // [Main]
    {L"Main", L"LabelMenu1", L"Menu1Label", 0},
    {L"Main", L"LabelMenu2", L"Menu2Label", 0},
    {L"Main", L"LabelMenu3", L"Menu3Label", 0},
    {L"Main", L"LabelPageEQ", L"PageEQLabel", 0},
    {L"Main", L"LabelPage3D", L"Page3DLabel", 0},
    {L"Main", L"LabelPageEffect", L"PageEffectLabel", 0},
    {L"Main", L"LabelPageMic", L"PageMicLabel", 0},
    {L"Main", L"LabelPageVirtual7ch1", L"PageVirtual7p1Label", 0},
    {L"Main", L"LabelActive", L"DeviceActiveLabel", 0},
    {L"Main", L"LabelUnDriver", L"", 0},
    {L"Main", L"LabelUnactive", L"DeviceActiveLabel", 0},
    {L"Main", L"LabelSync", L"SyncLabel", 0},
    {L"Main", L"LabelSetting", L"SettingLabel", 0},
    {L"Main", L"LabelSX", L"SXLabel", 0},
    {L"Main", L"LabelFeatures", L"FeaturesLabel", 0},
    {L"Main", L"LabelCompanyName", L"CompanyNameLabel", 0},
    {L"Main", L"DeviceInLabel", L"DeviceInLabel", 0},
    {L"Main", L"DeviceOutLabel", L"DeviceOutLabel", 0},
    {L"Main", L"LabelPageLED", L"PageLEDLabel", 0},
    {L"Main", L"LabelPageENC", L"PageENCLabel", 0},
    {L"Main", L"LabelPageVMEffect", L"PageVMEffectLabel", 0},
    {L"Main", L"LabelLanguage", L"LanguageMenu", 0},
    {L"Main", L"LabelSkin", L"SkinMenu", 0},
    {L"Main", L"LabelClose", L"CloseMenu", 0},
    {L"Main", L"LabelPlugin", L"ModeMenu", 0},
    // [EQ]
    {L"EQ", L"LabelEQEnable", L"EQEQENLabel", 1},
    {L"EQ", L"LableEQ3DEnable", L"EQ3DENLabel", 1},
    {L"EQ", L"LabelEQReset", L"EQResetLabel", 1},
    {L"EQ", L"LabelEQS1", L"EQS1Label", 1},
    {L"EQ", L"LabelEQS2", L"EQS2Label", 1},
    {L"EQ", L"LabelEQS3", L"EQS3Label", 1},
    {L"EQ", L"LabelEQS4", L"EQS4Label", 1},
    {L"EQ", L"LabelEQ60Hz", L"EQ60HzLabel", 1},
    {L"EQ", L"LabelEQ300Hz", L"EQ300HzLabel", 1},
    {L"EQ", L"LabelEQ1200Hz", L"EQ1200HzLabel", 1},
    {L"EQ", L"LabelEQ3600Hz", L"EQ3600HzLabel", 1},
    {L"EQ", L"LabelEQ12000Hz", L"EQ12000HzLabel", 1},
    // [3D]
    {L"3D", L"Label3DEnable", L"D33DENLabel", 5},
    {L"3D", L"Label3DFBM", L"D3FBMLabel", 5},
    {L"3D", L"Label3DReset", L"D3ResetLabel", 5},
    {L"3D", L"Label3DLeftChannel", L"D3LChannelLabel", 5},
    {L"3D", L"Label3DRightChannel", L"D3RChannelLabel", 5},
    {L"3D", L"Label3DConnection", L"D3ConnectLabel", 5},
    // [Effect]
    {L"Effect", L"LabelEffectNothing", L"EffectNonLabel", 2},
    {L"Effect", L"LabelEffectTheater", L"EffectTheaterLabel", 2},
    {L"Effect", L"LabelEffectBathroom", L"EffectBathroomLabel", 2},
    {L"Effect", L"LabelEffectLivingroom", L"EffectLivingroomLabel", 2},
    {L"Effect", L"LabelEffectStoneGallery", L"EffectStoneGalleryLabel", 2},
    // [Mic]
    {L"Mic", L"LabelMicBoost", L"MicBoostLabel", 3},
    {L"Mic", L"LabelMicMute", L"MicMuteLabel", 3},
    {L"Mic", L"LabelMicMonitor", L"MicMonitorLabel", 3},
    {L"Mic", L"LabelMicGain", L"MicGainLabel", 3},
    {L"Mic", L"LabelMicValue", L"MicValueLabel", 3},
    // [Virtual7ch1]
    {L"Virtual7ch1", L"Label7ch1Enable", L"VirtualENLabel", 4},
    {L"Virtual7ch1", L"LabelVirtualClockwise", L"VirtualClockwiseLabel", 4},
    {L"Virtual7ch1", L"LabelVirtualCounterclockwise", L"VirtualCounterclockwiseLabel", 4},
    {L"Virtual7ch1", L"LabelVirtualEnlarge", L"VirtualEnlargeLabel", 4},
    {L"Virtual7ch1", L"LabelVirtualNarrow", L"VirtualNarrowLabel", 4},
    {L"Virtual7ch1", L"Label7ch1Reset", L"VirtualResetLabel", 4},
    // [LED]
    {L"LED", L"ColorBreatheLabel", L"ColorBreatheLabel", 6},
    {L"LED", L"ColorRainbowLabel", L"ColorRainbowLabel", 6},
    {L"LED", L"ColorPulsatingLabel", L"ColorPulsatingLabel", 6},
    {L"LED", L"ColorSelectLabel", L"ColorSelectLabel", 6},
    {L"LED", L"ColorEffectLabel", L"ColorEffectLabel", 6},
    {L"LED", L"ColorLEDOffLabel", L"ColorLEDOffLabel", 6},
    {L"LED", L"ColorSingleLabel", L"ColorSingleLabel", 6},
    {L"LED", L"ColorSlowLabel", L"ColorSlowLabel", 6},
    {L"LED", L"ColorFastLabel", L"ColorFastLabel", 6},
    // [ENC]
    {L"ENC", L"ENCFunctionLabel", L"ENCFunctionLabel", 7},
    {L"ENC", L"LabelENCValue", L"ENCValueLabel", 7},
    // [VoiceMagic]
    {L"VoiceMagic", L"VMEffectNoneLabel", L"VMEffectNoneLabel", 8},
    {L"VoiceMagic", L"VMEffect1Label", L"VMEffect1Label", 8},
    {L"VoiceMagic", L"VMEffect2Label", L"VMEffect2Label", 8},
    {L"VoiceMagic", L"VMEffect3Label", L"VMEffect3Label", 8},
    {L"VoiceMagic", L"VMEffect4Label", L"VMEffect4Label", 8},
    {L"VoiceMagic", L"VMFunctionLabel", L"VMFunctionLabel", 8},
    // [About]
    {L"About", L"LabelAbout", L"AboutLabel", 0},
    {L"About", L"LabelWeb", L"WebLabel", 0},
    // [Main]
    {L"Main", L"LabelWarning", L"", 0},
    {L"Main", L"LabelWarning1", L"", 0},
};

const size_t kTextFields = 10;
const size_t kTextLength = 127;
const size_t kFontNameLength = 63;
const int kOldLayoutLeft = 392;
const int kOldLayoutTop = 104;

// A numeric field: true with its value when given and valid; a malformed one is reported.
bool ReadNumber(const LanguageKey& key, const std::wstring& field, int fieldNumber, int& value) {
    if (field.empty()) return false;
    if (TryStrictToInt(field, value)) return true;
    DebugPrint(L"***** LoadLanguage: field %d of %s in [%s] is not a number: %s *****\n",
               fieldNumber, key.name, key.section, field);
    return false;
}

TextItem ReadTextItem(const LanguageKey& key, const std::wstring& value, bool oldVersion) {
    const std::vector<std::wstring> f = SplitValueFields(value, kTextFields, kTextLength);
    auto field = [&f](size_t number) {
        return number <= f.size() ? f[number - 1] : std::wstring();
    };
    TextItem item;
    item.Text = field(1);
    int number = 0;
    if (ReadNumber(key, field(2), 2, number)) {
        item.UpColour = static_cast<uint32_t>(number);
        item.HasUpColour = true;
    }
    if (ReadNumber(key, field(3), 3, number)) {
        item.DownColour = static_cast<uint32_t>(number);
        item.HasDownColour = true;
    }
    item.FontName = field(4).substr(0, kFontNameLength);
    item.HasFontName = !item.FontName.empty();
    struct Number {
        int* value;
        bool* has;
    };
    const Number numbers[] = {{&item.FontSize, &item.HasFontSize},
                              {&item.Left, &item.HasLeft},
                              {&item.Top, &item.HasTop},
                              {&item.Width, &item.HasWidth},
                              {&item.Height, &item.HasHeight}};
    for (size_t i = 0; i < std::size(numbers); ++i)
        *numbers[i].has = ReadNumber(key, field(5 + i), static_cast<int>(5 + i), *numbers[i].value);
    item.Page = key.defaultPage;
    if (ReadNumber(key, field(10), 10, number)) item.Page = number;
    // Old layouts place every page's labels relative to the page area, not the window.
    if (oldVersion && key.defaultPage != 0) {
        if (item.HasLeft) item.Left = AddOffset(item.Left, kOldLayoutLeft);
        if (item.HasTop) item.Top = AddOffset(item.Top, kOldLayoutTop);
    }
    return item;
}

uint32_t ReadGlobalColour(const ProfileReader& file, const wchar_t* name) {
    const LanguageKey key = {L"GlobalFont", name, L"", 0};
    int value = 0;
    return ReadNumber(key, file(key.section, name), 1, value) ? static_cast<uint32_t>(value) : 0;
}

} // namespace

const std::vector<LanguageKey>& LanguageKeys() {
    static const std::vector<LanguageKey> keys(std::begin(kLanguageKeyTable),
                                               std::end(kLanguageKeyTable));
    return keys;
}

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
    if (ReadNumber(sizeKey, file(L"GlobalFont", L"FontSize"), 1, size)) texts.GlobalFontSize = size;
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

#include "ui/language_texts.h"

#include "debug_output.h"
#include "ini_text_reader.h"

#include <gtest/gtest.h>

#include <set>

namespace {

LanguageTexts Load(const std::wstring& file, bool oldVersion = false) {
    LanguageTexts texts;
    LoadLanguage(IniText(file), oldVersion, texts);
    return texts;
}

struct TextCase {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* value;
    const wchar_t* text;
    uint32_t up, down;
    const wchar_t* font;
    int size, left, top, width, height, page;
    // Which of up, down, font, size, left, top, width, height were given.
    const char* given;
};

void ExpectText(const TextCase& c, const TextItem& item) {
    EXPECT_EQ(c.text, item.Text);
    const bool flags[] = {item.HasUpColour, item.HasDownColour, item.HasFontName, item.HasFontSize,
                          item.HasLeft,     item.HasTop,        item.HasWidth,    item.HasHeight};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(c.given[i] == '1', flags[i]) << "flag " << i;
    EXPECT_EQ(c.up, item.UpColour);
    EXPECT_EQ(c.down, item.DownColour);
    EXPECT_EQ(c.font, item.FontName);
    EXPECT_EQ(c.size, item.FontSize);
    EXPECT_EQ(c.left, item.Left);
    EXPECT_EQ(c.top, item.Top);
    EXPECT_EQ(c.width, item.Width);
    EXPECT_EQ(c.height, item.Height);
    EXPECT_EQ(c.page, item.Page);
}

} // namespace

TEST(LanguageKeyTable, KeysAreUniqueWithTheirPages) {
    const std::vector<LanguageKey>& keys = LanguageKeys();
    ASSERT_EQ(80u, keys.size());
    std::set<std::wstring> names;
    for (const LanguageKey& key : keys)
        EXPECT_TRUE(names.insert(key.name).second) << key.name;
    EXPECT_EQ(std::wstring(L"LabelMenu1"), keys.front().name);
    EXPECT_EQ(std::wstring(L"LabelWarning1"), keys.back().name);
    LanguageTexts texts = Load(L"[About]\nLabelWeb=site\n");
    ASSERT_NE(nullptr, texts.Find(L"LabelWeb"));
    EXPECT_EQ(L"site", texts.Find(L"LabelWeb")->Text);
    EXPECT_EQ(nullptr, texts.Find(L"NoSuchLabel"));
}

TEST(LanguageLoad, TenFieldsWithTheirFlags) {
    const std::wstring longText(140, L'w');
    const std::wstring longValue = longText + L",,," + std::wstring(70, L'f');
    const std::wstring cutText = longText.substr(0, 127);
    const std::wstring cutFont(63, L'f');
    const TextCase cases[] = {
        {L"EQ", L"LabelEQReset", L"Reset,255,$FF00,Tahoma,9,10,20,30,40", L"Reset", 255, 0xFF00,
         L"Tahoma", 9, 10, 20, 30, 40, 1, "11111111"},
        {L"EQ", L"LabelEQReset", L"Reset", L"Reset", 0, 0, L"", 0, 0, 0, 0, 0, 1, "00000000"},
        {L"EQ", L"LabelEQReset", L"", L"", 0, 0, L"", 0, 0, 0, 0, 0, 1, "00000000"},
        // Colours in decimal, "$" and "0x" hexadecimal; blanks belong to the text.
        {L"Mic", L"LabelMicMute", L" Mute ,0x00ABCDEF,16777215", L" Mute ", 0xABCDEF, 0xFFFFFF, L"",
         0, 0, 0, 0, 0, 3, "11000000"},
        {L"Mic", L"LabelMicMute", L"Mute,,,Segoe UI,10", L"Mute", 0, 0, L"Segoe UI", 10, 0, 0, 0, 0,
         3, "00110000"},
        // A number that is not one counts as not given.
        {L"Mic", L"LabelMicMute", L"Mute,red,0xZZ,,9pt,1 ,,,x", L"Mute", 0, 0, L"", 0, 0, 0, 0, 0,
         3, "00000000"},
        {L"Main", L"LabelMenu1", L"(null),,,,,5,6", L"(null)", 0, 0, L"", 0, 5, 6, 0, 0, 0,
         "00001100"},
        // The tenth field moves the label to another page or to every page.
        {L"EQ", L"LabelEQS1", L"S1,,,,,,,,,0", L"S1", 0, 0, L"", 0, 0, 0, 0, 0, 0, "00000000"},
        {L"Main", L"LabelSetting", L"S,,,,,,,,,4,extra", L"S", 0, 0, L"", 0, 0, 0, 0, 0, 4,
         "00000000"},
        {L"EQ", L"LabelEQS1", L"S1,,,,,,,,,p", L"S1", 0, 0, L"", 0, 0, 0, 0, 0, 1, "00000000"},
        {L"VoiceMagic", L"VMEffect2Label", L"V", L"V", 0, 0, L"", 0, 0, 0, 0, 0, 8, "00000000"},
        {L"LED", L"ColorFastLabel", longValue.c_str(), cutText.c_str(), 0, 0, cutFont.c_str(), 0, 0,
         0, 0, 0, 6, "00100000"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(std::wstring(c.key) + L"=" + c.value);
        LanguageTexts texts =
            Load(std::wstring(L"[") + c.section + L"]\n" + c.key + L"=" + c.value + L"\n");
        ASSERT_NE(nullptr, texts.Find(c.key));
        ExpectText(c, *texts.Find(c.key));
    }
}

TEST(LanguageLoad, MalformedNumbersAreReported) {
    DebugCapture capture;
    Load(L"[Mic]\nLabelMicGain=Gain,,,,big\n");
    EXPECT_NE(std::wstring::npos, capture.Text().find(L"LabelMicGain")) << capture.Text();
    EXPECT_NE(std::wstring::npos, capture.Text().find(L"big")) << capture.Text();
}

// Colours, font sizes and places a window cannot use count as not given, like a field that
// is not a number; the rest of the item is used.
TEST(LanguageLoad, NumbersOutsideWhatAWindowHoldsCountAsNotGiven) {
    const TextCase cases[] = {
        {L"EQ", L"LabelEQReset", L"R,$FFFFFFFF,16777216,,0,-32769,32768,-1,32768", L"R", 0, 0, L"",
         0, 0, 0, 0, 0, 1, "00000000"},
        {L"EQ", L"LabelEQReset", L"R,-1,,,2147483647,,,2147483647", L"R", 0, 0, L"", 0, 0, 0, 0, 0,
         1, "00000000"},
        {L"EQ", L"LabelEQReset", L"R,$FFFFFF,0,,24575,-32768,32767,0,32767", L"R", 0xFFFFFF, 0, L"",
         24575, -32768, 32767, 0, 32767, 1, "11011111"},
        {L"EQ", L"LabelEQReset", L"R,,,,24576,,,5", L"R", 0, 0, L"", 0, 0, 0, 5, 0, 1, "00000010"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(std::wstring(c.key) + L"=" + c.value);
        DebugCapture capture;
        LanguageTexts texts =
            Load(std::wstring(L"[") + c.section + L"]\n" + c.key + L"=" + c.value + L"\n");
        ExpectText(c, *texts.Find(c.key));
        if (std::string(c.given) != "11011111") {
            EXPECT_NE(std::wstring::npos, capture.Text().find(L"out of range")) << capture.Text();
        }
    }

    // A shift that carries a label out of the window's range leaves its place not given.
    const TextCase shifted = {
        L"EQ", L"LabelEQ60Hz", L"60,,,,,32700,32700", L"60", 0, 0, L"", 0, 0, 0, 0, 0,
        1,     "00000000"};
    ExpectText(shifted,
               *Load(L"[EQ]\nLabelEQ60Hz=60,,,,,32700,32700\n", true).Find(L"LabelEQ60Hz"));

    LanguageTexts texts = Load(L"[GlobalFont]\nColorUp=$1000000\nColorDown=-5\nFontSize=0\n");
    EXPECT_EQ(0u, texts.GlobalUpColour);
    EXPECT_EQ(0u, texts.GlobalDownColour);
    EXPECT_EQ(-1, texts.GlobalFontSize);
}

TEST(LanguageLoad, OldLayoutShiftsGivenPlacesOfPageLabels) {
    const TextCase cases[] = {
        {L"EQ", L"LabelEQ60Hz", L"60,,,,,10,20", L"60", 0, 0, L"", 0, 402, 124, 0, 0, 1,
         "00001100"},
        {L"EQ", L"LabelEQ60Hz", L"60,,,,,,20,,,0", L"60", 0, 0, L"", 0, 0, 124, 0, 0, 0,
         "00000100"},
        {L"Main", L"LabelSync", L"Sync,,,,,10,20", L"Sync", 0, 0, L"", 0, 10, 20, 0, 0, 0,
         "00001100"},
        {L"About", L"LabelAbout", L"About,,,,,10,20", L"About", 0, 0, L"", 0, 10, 20, 0, 0, 0,
         "00001100"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(std::wstring(c.key) + L"=" + c.value);
        LanguageTexts texts =
            Load(std::wstring(L"[") + c.section + L"]\n" + c.key + L"=" + c.value + L"\n", true);
        ExpectText(c, *texts.Find(c.key));
    }
}

TEST(LanguageLoad, GlobalDefaultsAndClearing) {
    LanguageTexts texts = Load(L"[GlobalFont]\nColorUp=$C9CED6\nColorDown=255\n"
                               L"Font=Segoe UI, Semibold\nFontSize=9\n[Main]\nLabelSync=Sync\n");
    EXPECT_EQ(0xC9CED6u, texts.GlobalUpColour);
    EXPECT_EQ(255u, texts.GlobalDownColour);
    EXPECT_EQ(L"Segoe UI, Semibold", texts.GlobalFontName);
    EXPECT_EQ(9, texts.GlobalFontSize);

    // A new load starts from nothing: no global values, every item empty.
    LoadLanguage(IniText(L"[GlobalFont]\nColorUp=\nFontSize=large\n"), false, texts);
    EXPECT_EQ(0u, texts.GlobalUpColour);
    EXPECT_EQ(0u, texts.GlobalDownColour);
    EXPECT_EQ(L"", texts.GlobalFontName);
    EXPECT_EQ(-1, texts.GlobalFontSize);
    ASSERT_EQ(LanguageKeys().size(), texts.items.size());
    EXPECT_EQ(L"", texts.Find(L"LabelSync")->Text);
}

TEST(FontScaling, FactorsByResolutionAndSystem) {
    const struct {
        int points, dpi;
        bool vista;
        int size;
    } cases[] = {
        {10, 96, true, 10}, {10, 96, false, 9}, {10, 120, true, 8},   {10, 120, false, 7},
        {9, 120, false, 6}, {10, 144, true, 7}, {10, 144, false, 7},  {12, 144, true, 8},
        {11, 144, true, 7}, {12, 72, true, 12}, {12, 192, false, 12},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.size, ScaledFontSize(c.points, c.dpi, c.vista))
            << c.points << " pt at " << c.dpi << (c.vista ? "" : " (older)");
}

TEST(TextItemLooks, GlobalColoursFillWhatTheItemLacks) {
    LanguageTexts texts = Load(L"[GlobalFont]\nColorUp=111\nColorDown=222\nFontSize=10\n"
                               L"[EQ]\nLabelEQS1=Preset,,,Arial,12\nLabelEQS2=Two,5,6\n");
    TextItem& preset = *texts.Find(L"LabelEQS1");
    TextItemLook look = ResolveTextItem(preset, true, texts, 120, true);
    EXPECT_TRUE(look.visible);
    EXPECT_TRUE(look.hasColour);
    EXPECT_EQ(111u, look.colour);
    EXPECT_EQ(L"Arial", look.fontName);
    EXPECT_EQ(10, look.fontSize); // 12 pt at 120 dpi
    // The item keeps the global colours for later presses and releases.
    EXPECT_TRUE(preset.HasUpColour);
    EXPECT_TRUE(preset.HasDownColour);
    EXPECT_EQ(222u, preset.DownColour);
    EXPECT_EQ(222u, ResolveTextItem(preset, false, texts, 96, true).colour);
    EXPECT_FALSE(preset.HasLeft);

    TextItem& two = *texts.Find(L"LabelEQS2");
    look = ResolveTextItem(two, false, texts, 96, true);
    EXPECT_EQ(6u, look.colour);
    EXPECT_FALSE(look.hasFontName);
    EXPECT_TRUE(look.hasFontSize);
    EXPECT_EQ(10, look.fontSize);
}

TEST(TextItemLooks, WithoutDefaultsTheLabelKeepsItsLook) {
    LanguageTexts texts = Load(L"[Main]\nLabelSX=(null)\n[GlobalFont]\nFont=Tahoma\n");
    TextItem& item = *texts.Find(L"LabelSX");
    const TextItemLook look = ResolveTextItem(item, true, texts, 96, true);
    EXPECT_FALSE(look.visible);
    EXPECT_FALSE(look.hasColour);
    EXPECT_FALSE(item.HasUpColour);
    EXPECT_TRUE(look.hasFontName);
    EXPECT_EQ(L"Tahoma", look.fontName);
    EXPECT_FALSE(look.hasFontSize);
    EXPECT_FALSE(ResolveTextItem(*texts.Find(L"LabelSync"), true, texts, 96, true).visible);
}

#include "background_rules.h"
#include "default_settings.h"
#include "setup_texts.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

namespace {

using Keys = std::map<std::pair<std::wstring, std::wstring>, std::wstring>;

struct Recorded {
    std::wstring key;
    std::wstring name;
    uint32_t value;
    bool operator==(const Recorded& o) const {
        return key == o.key && name == o.name && value == o.value;
    }
};

std::vector<Recorded> WritesFor(const Keys& keys, std::set<std::wstring>* asked = nullptr) {
    std::vector<Recorded> out;
    for (const DefaultSettingWrite& w :
         DefaultSettingWrites([&](const std::wstring&section, const std::wstring&key) {
             if (asked && section == L"EncValueMap") asked->insert(key);
             auto found = keys.find({section, key});
             return found == keys.end() ? std::wstring() : found->second;
         }))
        out.push_back({w.keyPath, w.name, w.value});
    return out;
}

void PrintTo(const Recorded& r, std::ostream* os) {
    *os << std::string(r.name.begin(), r.name.end()) << "=" << r.value;
}

const wchar_t kMap[] = L"TRV 42xx Software\\EncValueMap";
const wchar_t kSoftware[] = L"TRV 42xx Software";

} // namespace

// The package's noise-cancellation table and defaults, as setup writes them.
TEST(DefaultSettings, LevelTableLinesNeedANameAndANumber) {
    std::set<std::wstring> asked;
    const Keys keys = {
        {{L"EncValueMap", L"0"}, L"Zero,1"},
        {{L"EncValueMap", L"1"}, L"VID_7A39&PID_4215,15"},
        {{L"EncValueMap", L"2"}, L"VID_7A39&PID_4216,8"},
        {{L"EncValueMap", L"7"}, L"Quiet"},
        {{L"EncValueMap", L"9"}, L"Loud,12,extra"},
        {{L"EncValueMap", L"11"}, L" Blank name ,  -3x"},
        {{L"EncValueMap", L"20"}, L"Twenty,20"},
        {{L"DefaultSet", L"VoiceMagicLevel"}, L"abc"},
    };
    EXPECT_EQ(WritesFor(keys, &asked), (std::vector<Recorded>{
                                           {kMap, L"VID_7A39&PID_4215", 15},
                                           {kMap, L"VID_7A39&PID_4216", 8},
                                           {kMap, L"Loud", 12},
                                           {kMap, L" Blank name ", static_cast<uint32_t>(-3)},
                                           {kSoftware, L"EncEnable", 0},
                                           {kSoftware, L"VoiceMagicLevel", 0},
                                       }));
    std::set<std::wstring> oneTo19;
    for (int i = 1; i <= 19; ++i)
        oneTo19.insert(std::to_wstring(i));
    EXPECT_EQ(asked, oneTo19);
}

TEST(DefaultSettings, DefaultSetValuesTakeTheTextBeforeTheFirstComma) {
    const Keys keys = {
        {{L"DefaultSet", L"EncEnable"}, L"1,ignored"},
        {{L"DefaultSet", L"EncScalar"}, L" 15"},
        {{L"DefaultSet", L"VoiceMagicEnable"}, L"+1"},
    };
    EXPECT_EQ(WritesFor(keys), (std::vector<Recorded>{
                                   {kSoftware, L"EncEnable", 1},
                                   {kSoftware, L"EncScalar", 15},
                                   {kSoftware, L"VoiceMagicEnable", 1},
                               }));
    // A missing file reads as every key missing: only EncEnable = 0.
    EXPECT_EQ(WritesFor({}), (std::vector<Recorded>{{kSoftware, L"EncEnable", 0}}));
}

TEST(BackgroundRules, ResolutionFolderByScreenArea) {
    const struct {
        int width, height;
        const wchar_t* folder;
    } cases[] = {
        {2560, 1440, L"1920x1080\\"},
        {1921, 1080, L"1920x1080\\"},
        {1920, 1080, L"1366x768\\"},
        {1600, 900, L"1366x768\\"},
        {1366, 768, L"960x540\\"},
        {1024, 768, L"960x540\\"},
        {960, 540, L""},
        {800, 600, L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BackgroundResolutionFolder(c.width, c.height), c.folder)
            << c.width << "x" << c.height;
}

TEST(BackgroundRules, GeometryIsTheScreenUnlessBothSizesAreGiven) {
    auto g = BackgroundGeometryFor(1600, 900, 1024, 0);
    EXPECT_TRUE(g.fullScreen);
    EXPECT_EQ(g.width, 1600);
    EXPECT_EQ(g.height, 900);
    g = BackgroundGeometryFor(1600, 900, 0, 0);
    EXPECT_TRUE(g.fullScreen);
    g = BackgroundGeometryFor(1600, 900, 1024, 640);
    EXPECT_FALSE(g.fullScreen);
    EXPECT_EQ(g.left, 0);
    EXPECT_EQ(g.top, 0);
    EXPECT_EQ(g.width, 1024);
    EXPECT_EQ(g.height, 640);
}

TEST(BackgroundRules, PictureFromTheResolutionFolderElseFromTheProgramFolder) {
    const std::wstring inSkin = L"C:\\Pkg\\Skin\\1920x1080\\B.png";
    EXPECT_EQ(BackgroundPicturePath(L"C:\\Pkg\\", L"Skin", L"1920x1080\\", L"B.png",
                                    [&](const std::wstring& p) { return p == inSkin; }),
              inSkin);
    EXPECT_EQ(
        BackgroundPicturePath(L"C:\\Pkg\\", L"Skin", L"", L"B.png",
                              [](const std::wstring& p) { return p == L"C:\\Pkg\\Skin\\B.png"; }),
        L"C:\\Pkg\\Skin\\B.png");
    EXPECT_EQ(BackgroundPicturePath(L"C:\\Pkg\\", L"Skin", L"1920x1080\\", L"B.png",
                                    [](const std::wstring&) { return false; }),
              L"C:\\Pkg\\\\B.png");
}

// A language value: text first, then the optional fields, each only when given; fields an
// earlier language gave stay when a later one leaves them out.
TEST(SetupTexts, ValuesFillOnlyTheFieldsTheyGive) {
    SetupTextEntry entry;
    EXPECT_EQ(
        ApplySetupTextValue(L"Select Language :,$0000FF,255,Tahoma,9,16,20,200,14,tenth", entry),
        0);
    EXPECT_EQ(entry.text, L"Select Language :");
    EXPECT_TRUE(entry.hasUpColour);
    EXPECT_EQ(entry.upColour, 0xFFu);
    EXPECT_EQ(entry.downColour, 255u);
    EXPECT_EQ(entry.fontName, L"Tahoma");
    EXPECT_EQ(entry.fontSize, 9);
    EXPECT_EQ(entry.left, 16);
    EXPECT_EQ(entry.top, 20);
    EXPECT_EQ(entry.width, 200);
    EXPECT_EQ(entry.height, 14);

    EXPECT_EQ(ApplySetupTextValue(L"Sprache,,,,11", entry), 0);
    EXPECT_EQ(entry.text, L"Sprache");
    EXPECT_EQ(entry.upColour, 0xFFu); // kept from the earlier language
    EXPECT_EQ(entry.fontName, L"Tahoma");
    EXPECT_EQ(entry.fontSize, 11);
    EXPECT_EQ(entry.left, 16);

    SetupTextEntry fresh;
    EXPECT_EQ(ApplySetupTextValue(L"Text,,,,big,7", fresh), 5); // the size is no integer
    EXPECT_FALSE(fresh.hasFontSize);
    EXPECT_TRUE(fresh.hasLeft);
    EXPECT_EQ(ApplySetupTextValue(std::wstring(200, L'x'), fresh), 0);
    EXPECT_EQ(fresh.text.size(), 127u);
}

TEST(SetupTexts, EmptyAndNullTextsHideTheLabel) {
    EXPECT_TRUE(HidesLabel(L""));
    EXPECT_TRUE(HidesLabel(L"(null)"));
    EXPECT_FALSE(HidesLabel(L"(null) "));
    EXPECT_FALSE(HidesLabel(L"Installing..."));
}

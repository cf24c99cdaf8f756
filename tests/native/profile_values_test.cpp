#include "effects/profile_values.h"

#include <gtest/gtest.h>

TEST(ProfileValues, SplitAtEveryCommaWithoutTrimming) {
    const struct {
        const wchar_t* value;
        std::vector<std::wstring> fields;
    } cases[] = {
        {L"", {L""}},
        {L"a", {L"a"}},
        {L"a,", {L"a", L""}},
        {L" 1 , 2", {L" 1 ", L" 2"}},
        {L",,", {L"", L"", L""}},
        {L"a;b,c", {L"a;b", L"c"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.fields, SplitProfileValue(c.value)) << c.value;
    const std::wstring long_(200, L'x');
    EXPECT_EQ((std::vector<std::wstring>{std::wstring(127, L'x'), L"1"}),
              SplitProfileValue(long_ + L",1"));
}

TEST(ProfileValues, PresetsHoldSixNumbersAndKeepSixteenBitGains) {
    PresetValue preset;
    ASSERT_TRUE(ReadPresetValue(L"0x800,0x400,1024,$400,0x10400,1", preset));
    EXPECT_EQ(0x800, preset.gains[0]);
    EXPECT_EQ(0x400, preset.gains[1]);
    EXPECT_EQ(1024, preset.gains[2]);
    EXPECT_EQ(0x400, preset.gains[3]);
    EXPECT_EQ(0x400, preset.gains[4]); // the low 16 bits
    EXPECT_EQ(1, preset.eqEnable);
    ASSERT_TRUE(ReadPresetValue(L"-1,0,0,0,0,0", preset));
    EXPECT_EQ(0xFFFF, preset.gains[0]);

    for (const wchar_t* bad :
         {L"", L"0x400,0x400,0x400,0x400,0x400", L"0x400,0x400,0x400,0x400,0x400,0,0",
          L"0x400,0x400,0x400,0x400,0x400,", L"0x400,0x400,0x400,0x400,0x400,on",
          L"0x400,0x400,0x400,0x400,0x400 ,0", L"0x400,0x400,0x400,0x400,0x1FFFFFFFF,0"}) {
        PresetValue kept;
        kept.gains[0] = 7;
        EXPECT_FALSE(ReadPresetValue(bad, kept)) << bad;
        EXPECT_EQ(7, kept.gains[0]) << bad;
    }
}

TEST(ProfileValues, SpeakersHoldTwoNumbers) {
    SpeakerPlace place;
    ASSERT_TRUE(ReadSpeakerPlace(L"-12,0x20", place));
    EXPECT_EQ(-12, place.left);
    EXPECT_EQ(32, place.top);
    for (const wchar_t* bad : {L"", L"5", L"5,", L"5,6,7", L"a,6", L"2147483648,0"}) {
        SpeakerPlace kept{3, 4};
        EXPECT_FALSE(ReadSpeakerPlace(bad, kept)) << bad;
        EXPECT_EQ(3, kept.left) << bad;
        EXPECT_EQ(4, kept.top) << bad;
    }
}

#include "profile_text.h"
#include "test_support.h"

#include <gtest/gtest.h>

TEST(ProfileText, RoundTripAndMissingKeys) {
    TempFolder temp;
    const std::wstring file = temp.Path() + L"AudioConfig.cfg";
    WriteUtf16File(file, L"[Skin]\r\nRegionCut=1\r\nEmpty=\r\n");
    EXPECT_EQ(WriteProfileText(file, L"Skin", L"DefaultSkin", L"Midnight \u4e2d"), 0);

    std::wstring text = L"unchanged";
    EXPECT_EQ(ReadProfileText(file, L"Skin", L"DefaultSkin", text), 0);
    EXPECT_EQ(text, L"Midnight \u4e2d");
    EXPECT_EQ(ReadProfileText(file, L"Skin", L"RegionCut", text), 0);
    EXPECT_EQ(text, L"1");

    text = L"unchanged";
    EXPECT_EQ(ReadProfileText(file, L"Skin", L"Empty", text), 1);
    EXPECT_EQ(ReadProfileText(file, L"Skin", L"Missing", text), 1);
    EXPECT_EQ(ReadProfileText(file, L"Nothing", L"RegionCut", text), 1);
    EXPECT_EQ(ReadProfileText(temp.Path() + L"none.cfg", L"Skin", L"RegionCut", text), 1);
    EXPECT_EQ(text, L"unchanged");
}

TEST(ProfileText, LongValuesAreCutTo1023Characters) {
    TempFolder temp;
    const std::wstring file = temp.Path() + L"long.ini";
    ASSERT_EQ(WriteProfileText(file, L"S", L"K", std::wstring(1500, L'x')), 0);
    std::wstring text;
    EXPECT_EQ(ReadProfileText(file, L"S", L"K", text), 0);
    EXPECT_EQ(text, std::wstring(1023, L'x'));
}

TEST(ProfileText, WriteFailureGivesOne) {
    TempFolder temp;
    EXPECT_EQ(WriteProfileText(temp.Path() + L"no\\such\\folder\\x.ini", L"S", L"K", L"v"), 1);
}

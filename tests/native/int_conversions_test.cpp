#include "int_conversions.h"

#include <gtest/gtest.h>

TEST(LeadingDigitsToInt, TakesTheLeadingNumberOrZero) {
    struct Case {
        const wchar_t* text;
        int value;
    };
    const Case cases[] = {
        {L"1", 1},   {L"  42abc", 42}, {L"-7", -7},  {L"+3", 3},           {L"", 0},
        {L"abc", 0}, {L"0", 0},        {L"12 34", 12}, {L"99999999999", 2147483647},
    };
    for (const Case& c : cases) EXPECT_EQ(LeadingDigitsToInt(c.text), c.value) << c.text;
}

TEST(TryStrictToInt, AcceptsWholeNumbersOnly) {
    struct Case {
        const wchar_t* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {L"1", true, 1},          {L"-12", true, -12},      {L"  5", true, 5},
        {L"$1F", true, 31},       {L"0x10", true, 16},      {L"2147483647", true, 2147483647},
        {L"", false, 0},          {L"abc", false, 0},       {L"5 ", false, 0},
        {L"1.0", false, 0},       {L"2147483648", false, 0}, {L"-", false, 0},
        {L"$", false, 0},
    };
    for (const Case& c : cases) {
        int value = -99;
        EXPECT_EQ(TryStrictToInt(c.text, value), c.ok) << c.text;
        if (c.ok) EXPECT_EQ(value, c.value) << c.text;
        else EXPECT_EQ(value, -99) << c.text;
    }
}

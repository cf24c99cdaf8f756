#include "exception.h"

#include <gtest/gtest.h>

TEST(StrToInt, RaisesTheConversionErrorWithTheToolkitsMessage) {
    EXPECT_EQ(StrToInt(L"1"), 1);
    EXPECT_EQ(StrToInt(L"-3"), -3);
    for (const wchar_t* bad : {L"", L"abc", L"1 "}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << "no exception for '" << static_cast<int>(wcslen(bad)) << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::wstring(L"'") + bad + L"' is not a valid integer value");
        }
    }
}

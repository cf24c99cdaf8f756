#include "debug_output.h"
#include "text_format.h"

#include <gtest/gtest.h>

TEST(TextFormat, WideStringsIntegersAndWidthsFollowPrintf) {
    EXPECT_EQ(FormatText(L"ParamStr(%d) = %s\n", 3, std::wstring(L"-boot")), L"ParamStr(3) = -boot\n");
    EXPECT_EQ(FormatText(L"[%5d|%-4s|%04X|%x]", 42, L"ab", 0x1Fu, 255), L"[   42|ab  |001F|ff]");
    EXPECT_EQ(FormatText(L"%d.%d.%d.%d", 1, 0, 12, 7), L"1.0.12.7");
    EXPECT_EQ(FormatText(L"%.3s|%c|%%|%u", L"abcdef", L'Z', 7u), L"abc|Z|%|7");
    EXPECT_EQ(FormatText(L"0x%08X", -2), L"0xFFFFFFFE");
    EXPECT_EQ(FormatText(L"%.2f", 2.5), L"2.50");
}

TEST(TextFormat, NonAsciiTextIsKeptUnitForUnit) {
    std::wstring chinese = L"\u8033\u673A";
    EXPECT_EQ(FormatText(L"<%s>", chinese), L"<" + chinese + L">");
}

TEST(TextFormat, MissingArgumentsAndUnknownDirectivesDoNotReadGarbage) {
    EXPECT_EQ(FormatText(L"a %d b %s"), L"a %d b %s");
    EXPECT_EQ(FormatText(L"%q %d", 5), L"%q 5");
    EXPECT_EQ(FormatText(L"trailing %"), L"trailing %");
}

TEST(DebugOutput, CaptureSeesEachWriteExactly) {
    DebugCapture capture;
    DebugPrint(L"ControlTheService ret = %d\n", 2);
    WriteDebugText(L"-boot");
    ASSERT_EQ(capture.Writes().size(), 2u);
    EXPECT_EQ(capture.Writes()[0], L"ControlTheService ret = 2\n");
    EXPECT_EQ(capture.Writes()[1], L"-boot");
    EXPECT_TRUE(capture.Contains(L"ret = 2\n-boot"));
}

TEST(DebugOutput, NestedCapturesRestoreTheOuterOne) {
    DebugCapture outer;
    {
        DebugCapture inner;
        WriteDebugText(L"inner");
        EXPECT_EQ(inner.Text(), L"inner");
    }
    WriteDebugText(L"outer");
    EXPECT_EQ(outer.Text(), L"outer");
}

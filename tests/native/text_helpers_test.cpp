#include "text_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(SplitByComma, KeepsEmptyPiecesAndAppends) {
    struct Case {
        std::wstring text;
        std::vector<std::wstring> pieces;
    };
    const Case cases[] = {
        {L"a,b", {L"a", L"b"}},
        {L"a,", {L"a", L""}},
        {L"", {L""}},
        {L",,x", {L"", L"", L"x"}},
        {L" a , b ", {L" a ", L" b "}},
    };
    for (const Case& c : cases) {
        std::vector<std::wstring> out;
        EXPECT_EQ(SplitByComma(c.text, out), c.pieces.size());
        EXPECT_EQ(out, c.pieces);
    }
    std::vector<std::wstring> list{L"kept"};
    EXPECT_EQ(SplitByComma(L"x,y", list), 3u);
    EXPECT_EQ(list.front(), L"kept");
}

TEST(TrimChar, RemovesOnlyAtBothEnds) {
    EXPECT_EQ(TrimChar(L"\"C:\\A B\\\"", L'"'), L"C:\\A B\\");
    EXPECT_EQ(TrimChar(L"xxaxbxx", L'x'), L"axb");
    EXPECT_EQ(TrimChar(L"xxxx", L'x'), L"");
    EXPECT_EQ(TrimChar(L"", L'x'), L"");
    EXPECT_EQ(TrimChar(L"abc", L'x'), L"abc");
}

TEST(SwapBytes, ReversesEachElement) {
    uint16_t words[] = {0x1234, 0xFF00};
    SwapBytes16(words, 2);
    EXPECT_EQ(words[0], 0x3412);
    EXPECT_EQ(words[1], 0x00FF);
    uint32_t dwords[] = {0x11223344u, 0xFEFF0000u};
    SwapBytes32(dwords, 2);
    EXPECT_EQ(dwords[0], 0x44332211u);
    EXPECT_EQ(dwords[1], 0x0000FFFEu);
}

namespace {
struct Decoded {
    int result;
    std::wstring text;
    size_t units;
};
Decoded Decode(std::initializer_list<uint8_t> bytes) {
    std::vector<uint8_t> b(bytes);
    Decoded d{0, L"<untouched>", 999};
    d.result = Utf8ToUtf16(b.data(), b.size(), &d.text, &d.units);
    return d;
}
} // namespace

TEST(Utf8ToUtf16, DecodesWithinTheBasicPlane) {
    Decoded e = Decode({0xC3, 0xA9});
    EXPECT_EQ(e.result, Utf8Ok);
    EXPECT_EQ(e.text, std::wstring(1, wchar_t(0xE9)));
    EXPECT_EQ(e.units, 1u);

    Decoded mixed = Decode({'A', 0xE8, 0x80, 0xB3, 0xEF, 0xBF, 0xBF});
    EXPECT_EQ(mixed.result, Utf8Ok);
    EXPECT_EQ(mixed.text, (std::wstring{L'A', wchar_t(0x8033), wchar_t(0xFFFF)}));

    Decoded empty = Decode({});
    EXPECT_EQ(empty.result, Utf8Ok);
    EXPECT_EQ(empty.text, L"");
}

TEST(Utf8ToUtf16, ReportsMalformedInputAndPlanesAbove) {
    struct Case {
        std::vector<uint8_t> bytes;
        int result;
    };
    const Case cases[] = {
        {{0xC3, 0x28}, Utf8Malformed},             // second byte is no continuation
        {{0xE8, 0x80}, Utf8Malformed},             // runs past the end
        {{0x80}, Utf8Malformed},                   // stray continuation byte
        {{0xFE}, Utf8Malformed},
        {{0xFF, 0x41}, Utf8Malformed},
        {{0xF0, 0x9F, 0x98, 0x80}, Utf8AboveBmp},  // U+1F600
        {{0xF8, 0x88, 0x80, 0x80, 0x80}, Utf8AboveBmp},
        {{0xFC, 0x84, 0x80, 0x80, 0x80, 0x80}, Utf8AboveBmp},
    };
    for (const Case& c : cases) {
        std::wstring out = L"<untouched>";
        size_t units = 999;
        EXPECT_EQ(Utf8ToUtf16(c.bytes.data(), c.bytes.size(), &out, &units), c.result);
        EXPECT_EQ(out, L"<untouched>");
    }
}

TEST(Utf8ToUtf16, CountOnlyWithoutOutput) {
    const uint8_t bytes[] = {'a', 0xC3, 0xA9, 0xF0, 0x9F, 0x98, 0x80};
    size_t units = 0;
    EXPECT_EQ(Utf8ToUtf16(bytes, sizeof bytes, nullptr, &units), Utf8Ok);
    EXPECT_EQ(units, 3u);
    const uint8_t bad[] = {0xC3};
    EXPECT_EQ(Utf8ToUtf16(bad, sizeof bad, nullptr, &units), Utf8Malformed);
}

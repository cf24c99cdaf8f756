#include "base64_decode.h"
#include "device_id_match.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Decoded {
    int result;
    std::string bytes;
};

Decoded Decode(const std::string& text, size_t capacity = 64) {
    std::vector<uint8_t> out(capacity + 1, 0xAA);
    size_t length = capacity;
    int result = Base64Decode(text.data(), text.size(), out.data(), &length);
    if (result != Base64Ok) return {result, std::string()};
    EXPECT_EQ(out[capacity], 0xAA) << "wrote past the capacity";
    return {result, std::string(out.begin(), out.begin() + length)};
}

} // namespace

TEST(Base64Decode, DecodesWithEachPadding) {
    const std::pair<std::string, std::string> cases[] = {
        {"TWFu", "Man"},
        {"TWE=", "Ma"},
        {"TQ==", "M"},
        {"GNhpv6F7HZYnQ2NQkx7SCA==",
         "\x18\xd8\x69\xbf\xa1\x7b\x1d\x96\x27\x43\x63\x50\x93\x1e\xd2\x08"},
        {"+/+/", "\xfb\xff\xbf"},
    };
    for (const auto& [text, bytes] : cases) {
        Decoded d = Decode(text);
        EXPECT_EQ(d.result, Base64Ok) << text;
        EXPECT_EQ(d.bytes, bytes) << text;
    }
}

TEST(Base64Decode, RefusesBadLengthRoomAndCharacters) {
    const std::pair<std::string, int> cases[] = {
        {"", Base64BadLength},
        {"TWF", Base64BadLength},
        {"TWFuT", Base64BadLength},
        {"TW u", Base64BadCharacter},
        {"TWF\n", Base64BadCharacter},
        {"TW-u", Base64BadCharacter},
        // Padding only at the very end, and never alone in the third place.
        {"TQ==TWFu", Base64BadCharacter},
        {"=WFu", Base64BadCharacter},
        {"T===", Base64BadCharacter},
        {"TW=u", Base64BadCharacter},
    };
    for (const auto& [text, result] : cases)
        EXPECT_EQ(Decode(text).result, result) << text;

    // The room must exceed length / 4 * 3, padding or not.
    EXPECT_EQ(Decode("TWFuTWFu", 6).result, Base64NoRoom);
    EXPECT_EQ(Decode("TWFuTWFu", 7).bytes, "ManMan");
    EXPECT_EQ(Decode("TWFuTQ==", 6).result, Base64NoRoom);
}

TEST(SplitDeviceIdEntry, SplitsAtTheFirstCommaAndTrimsSpaces) {
    struct Case {
        std::wstring entry;
        int result;
        std::wstring plain, enciphered;
    };
    const Case cases[] = {
        {L"USB\\VID_1,abc=", EntrySplit, L"USB\\VID_1", L"abc="},
        {L"  USB\\VID_1  ,  abc=  ", EntrySplit, L"USB\\VID_1", L"abc="},
        {L"a,b,c", EntrySplit, L"a", L"b,c"},
        {L"\tUSB,abc ", EntrySplit, L"\tUSB", L"abc"},
        {L"USB\\VID_1,", EntryEmptyPart, L"USB\\VID_1", L""},
        {L" , abc", EntryEmptyPart, L"", L"abc"},
        {L"no comma", EntryNoComma, L"", L""},
    };
    for (const Case& c : cases) {
        std::wstring plain, enciphered;
        EXPECT_EQ(SplitDeviceIdEntry(c.entry, plain, enciphered), c.result);
        if (c.result == EntryNoComma) continue;
        EXPECT_EQ(plain, c.plain);
        EXPECT_EQ(enciphered, c.enciphered);
    }
}

TEST(NarrowEntryText, KeepsBytesAndRefusesWiderCharacters) {
    EXPECT_EQ(NarrowEntryText(L"Ab+/=\u00e9"), "Ab+/=\xe9");
    // U+0141 must not lose its high byte and become the valid "A".
    std::string narrow = NarrowEntryText(L"TW\u0141u");
    uint8_t out[8];
    size_t length = sizeof out;
    EXPECT_EQ(Base64Decode(narrow.data(), narrow.size(), out, &length), Base64BadCharacter);
}

TEST(MatchDeviceIdPattern, WildcardsLengthAndCase) {
    const std::wstring usb = L"USB\\VID_7A39&PID_42XX&REV_0100&MI_00";
    struct Case {
        std::wstring pattern, id;
        bool panel, setup;
    };
    const Case cases[] = {
        {usb, L"USB\\VID_7A39&PID_4215&REV_0100&MI_00", true, true},
        {usb, L"usb\\vid_7a39&pid_4215&rev_0100&mi_00", true, true},
        {usb, L"USB\\VID_7A39&PID_42ab&REV_0100&MI_00", true, true},
        {usb, L"USB\\VID_7A39&PID_4215&REV_0100&MI_01", false, false},
        {usb, L"USB\\VID_7A39&PID_4215&REV_0100&MI_000", false, false},
        {usb, L"USB\\VID_7A39&PID_4215&REV_0100&MI_0", false, false},
        {usb, L"USB\\VID_7A39&PID_4315&REV_0100&MI_00", false, false},
        // Only the panel upper-cases the pattern, a lower-case "x" wildcard included.
        {L"usb\\vid_7a39&pid_42xx", L"USB\\VID_7A39&PID_4215", true, false},
        {L"AB", L"ab", true, true},
        {L"", L"", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.id.begin(), c.id.end()));
        EXPECT_EQ(MatchDeviceIdPattern(c.pattern, c.id, MatchRule::Panel), c.panel);
        EXPECT_EQ(MatchDeviceIdPattern(c.pattern, c.id, MatchRule::Setup), c.setup);
    }
}

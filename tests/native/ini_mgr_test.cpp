#include "ini_mgr.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Ascii(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes Concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// UTF-16 or UTF-32 units of the text in either byte order, after the given mark.
Bytes Encode(const Bytes& mark, const std::wstring& text, int unitSize, bool bigEndian) {
    Bytes out = mark;
    for (wchar_t c : text) {
        uint32_t unit = static_cast<uint32_t>(c);
        for (int k = 0; k < unitSize; ++k) {
            int shift = 8 * (bigEndian ? unitSize - 1 - k : k);
            out.push_back(static_cast<uint8_t>(unit >> shift));
        }
    }
    return out;
}

// Section names with their values, flattened for comparison.
std::vector<std::wstring> Flatten(const CIniMgr& ini) {
    std::vector<std::wstring> out;
    for (const auto& define : ini.sections()) {
        out.push_back(L"[" + define->name + L"]");
        for (const VALUE_NAME_DEFINE& v : define->section.values)
            out.push_back(v.name + L"=" + v.value);
    }
    return out;
}

int LoadText(CIniMgr& ini, const std::string& text) {
    Bytes bytes = Ascii(text);
    return ini.LoadBytes(bytes.data(), bytes.size());
}

// A file in the temporary folder, removed at the end.
class TempFile {
  public:
    explicit TempFile(const std::string& name, const Bytes& bytes = Bytes())
        : path_(std::filesystem::temp_directory_path() / ("trv_ini_" + name)) {
        std::ofstream out(path_, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    ~TempFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    std::wstring Path() const { return path_.wstring(); }
    const std::filesystem::path& FsPath() const { return path_; }

  private:
    std::filesystem::path path_;
};

const wchar_t kSample[] = L"; device groups\r\n"
                          L"[USB_VID_PID]\r\n"
                          L"1=USB\\VID_7A39&PID_42XX,abc=\r\n"
                          L"caf\u00e9=cr\u00e8me\r\n"
                          L"[HID_VID_PID]\r\n"
                          L"1=HID\\VID_7A39\r\n";

const std::vector<std::wstring> kSampleFlat = {L"[USB_VID_PID]", L"1=USB\\VID_7A39&PID_42XX,abc=",
                                               L"caf\u00e9=cr\u00e8me", L"[HID_VID_PID]",
                                               L"1=HID\\VID_7A39"};

} // namespace

TEST(CIniMgr, EveryEncodingGivesTheSameSections) {
    const std::wstring text = kSample;
    // UTF-8 of the sample: the two accented letters are two bytes each.
    std::string utf8;
    for (wchar_t c : text) {
        if (c < 0x80) {
            utf8.push_back(static_cast<char>(c));
        } else {
            utf8.push_back(static_cast<char>(0xC0 | (c >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    struct Case {
        const char* name;
        Bytes bytes;
        IniEncoding encoding;
    };
    const Case cases[] = {
        {"UTF-8", Concat({0xEF, 0xBB, 0xBF}, Ascii(utf8)), IniEncoding::Utf8},
        {"UTF-16 LE", Encode({0xFF, 0xFE}, text, 2, false), IniEncoding::Utf16LE},
        {"UTF-16 BE", Encode({0xFE, 0xFF}, text, 2, true), IniEncoding::Utf16BE},
        {"UTF-32 LE", Encode({0xFF, 0xFE, 0, 0}, text, 4, false), IniEncoding::Utf32LE},
        {"UTF-32 BE", Encode({0, 0, 0xFE, 0xFF}, text, 4, true), IniEncoding::Utf32BE},
        // Without a mark each byte is one character: Latin-1 bytes give the same letters.
        {"no mark", Encode({}, text, 1, false), IniEncoding::Ansi},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CIniMgr ini;
        ASSERT_EQ(ini.LoadBytes(c.bytes.data(), c.bytes.size()), IniLoaded);
        EXPECT_EQ(ini.encoding(), c.encoding);
        EXPECT_EQ(Flatten(ini), kSampleFlat);
        EXPECT_EQ(ini.GetValue(L"USB_VID_PID", L"caf\u00e9"), L"cr\u00e8me");
    }
}

TEST(CIniMgr, ShortFilesAndMarkOnlyFiles) {
    struct Case {
        Bytes bytes;
        IniEncoding encoding;
        size_t lines;
    };
    const Case cases[] = {
        {{}, IniEncoding::Ansi, 0},
        {{0xEF, 0xBB, 0xBF}, IniEncoding::Utf8, 0},
        {{0xFF, 0xFE}, IniEncoding::Utf16LE, 0},
        {{0xFE, 0xFF}, IniEncoding::Utf16BE, 0},
        {{0xFF, 0xFE, 0, 0}, IniEncoding::Utf32LE, 0},
        {{0, 0, 0xFE, 0xFF}, IniEncoding::Utf32BE, 0},
        // Too short for the mark it begins: plain bytes.
        {{0xFF}, IniEncoding::Ansi, 1},
        {{0xEF, 0xBB}, IniEncoding::Ansi, 1},
        // FF FE then one more byte: UTF-16 with a stray last byte, which is left out.
        {{0xFF, 0xFE, 0x00}, IniEncoding::Utf16LE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.bytes));
        CIniMgr ini;
        ASSERT_EQ(ini.LoadBytes(c.bytes.data(), c.bytes.size()), IniLoaded);
        EXPECT_EQ(ini.encoding(), c.encoding);
        EXPECT_EQ(ini.lines().size(), c.lines);
        EXPECT_TRUE(ini.sections().empty());
    }
}

TEST(CIniMgr, UndecodableTextFailsAndClearsTheContent) {
    const std::vector<std::pair<const char*, Bytes>> cases = {
        {"malformed UTF-8", {0xEF, 0xBB, 0xBF, '[', 'a', ']', '\n', 0xC3, 0x28}},
        {"UTF-8 above U+FFFF", {0xEF, 0xBB, 0xBF, 'x', '=', 0xF0, 0x9F, 0x98, 0x80}},
        {"UTF-8 cut in a sequence", {0xEF, 0xBB, 0xBF, 'x', '=', 0xC3}},
        {"UTF-32 LE length", {0xFF, 0xFE, 0, 0, '[', 0, 0, 0, 'a'}},
        {"UTF-32 BE length", {0, 0, 0xFE, 0xFF, 0, 0, 0}},
        {"UTF-32 LE above U+FFFF", {0xFF, 0xFE, 0, 0, 0x00, 0xF6, 0x01, 0x00}},
        {"UTF-32 BE above U+FFFF", {0, 0, 0xFE, 0xFF, 0x00, 0x01, 0xF6, 0x00}},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        CIniMgr ini;
        ASSERT_EQ(LoadText(ini, "[kept]\nk=v\n"), IniLoaded);
        EXPECT_EQ(ini.LoadBytes(bytes.data(), bytes.size()), IniDecodeFailed);
        EXPECT_TRUE(ini.sections().empty());
        EXPECT_TRUE(ini.lines().empty());
        EXPECT_FALSE(ini.HasSection(L"kept"));
    }
}

TEST(CIniMgr, LineRulesAndFirstMatchLookups) {
    CIniMgr ini;
    ASSERT_EQ(LoadText(ini, "orphan=dropped\n"
                            "[ spaced ]\n"
                            "name = value\n"
                            "[S]\n"
                            "a=1\n"
                            "a=2\n"
                            "  ;indented comment\n"
                            "c=x ; not a comment\n"
                            "[S] trailing\n"
                            "=no name\n"
                            "no equals\n"
                            "\tt\t=\ttab\n"
                            "e=\n"
                            "sp=v  \r\n"
                            "[S]\n"
                            "a=second section\n"),
              IniLoaded);

    // Spaces around "=" and inside the brackets are kept.
    EXPECT_TRUE(ini.HasSection(L" spaced "));
    EXPECT_FALSE(ini.HasSection(L"spaced"));
    EXPECT_EQ(ini.GetValue(L" spaced ", L"name "), L" value");
    EXPECT_EQ(ini.GetValue(L" spaced ", L"name"), L"");

    std::vector<std::wstring> names;
    ini.GetValueNames(L"S", names);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"a", L"a", L"c", L"\tt\t", L"e", L"sp"}));
    EXPECT_EQ(ini.GetValue(L"S", L"a"), L"1");
    EXPECT_EQ(ini.GetValue(L"S", L"c"), L"x ; not a comment");
    EXPECT_EQ(ini.GetValue(L"S", L"\tt\t"), L"\ttab");
    EXPECT_EQ(ini.GetValue(L"S", L"sp"), L"v");
    EXPECT_EQ(ini.GetValue(L"S", L""), L"");
    EXPECT_EQ(ini.GetValue(L"S", L"missing"), L"");
    EXPECT_EQ(ini.GetValue(L"missing", L"a"), L"");

    // The second [S] is parsed but never found.
    ASSERT_EQ(ini.sections().size(), 3u);
    EXPECT_EQ(ini.sections()[2]->name, L"S");
    EXPECT_EQ(ini.sections()[2]->section.values.size(), 1u);

    // A missing section leaves the caller's list alone.
    std::vector<std::wstring> untouched{L"x"};
    ini.GetValueNames(L"nope", untouched);
    EXPECT_EQ(untouched, std::vector<std::wstring>{L"x"});
}

TEST(CIniMgr, LineEndingsAndBlankLinesGiveTheSameSections) {
    const char* const texts[] = {
        "[A]\nk=v\n[B]\nx=y",
        "[A]\r\nk=v\r\n[B]\r\nx=y\r\n",
        "\n\n[A]\n\n\nk=v\r\n\r\n  \r\n[B]\nx=y\n\n",
    };
    for (const char* text : texts) {
        CIniMgr ini;
        ASSERT_EQ(LoadText(ini, text), IniLoaded);
        EXPECT_EQ(Flatten(ini), (std::vector<std::wstring>{L"[A]", L"k=v", L"[B]", L"x=y"}))
            << text;
    }
}

TEST(CIniMgr, KeepsTrimmedLinesAndSectionLines) {
    CIniMgr ini;
    ASSERT_EQ(LoadText(ini, "\n  [A]\r\n\r\n;c\nv=1 \r\n\n"), IniLoaded);
    // Spaces go before carriage returns, so "v=1 \r" keeps its space here.
    EXPECT_EQ(ini.lines(), (std::vector<std::wstring>{L"[A]", L"", L";c", L"v=1 "}));
    ASSERT_EQ(ini.sections().size(), 1u);
    EXPECT_EQ(ini.sections()[0]->lines, (std::vector<std::wstring>{L"[A]", L"v=1 "}));
    EXPECT_EQ(ini.GetValue(L"A", L"v"), L"1");

    // For the same reason a header with a space before its carriage return is no header.
    ASSERT_EQ(LoadText(ini, "[A] \r\nv=1\r\n"), IniLoaded);
    EXPECT_TRUE(ini.sections().empty());
    ASSERT_EQ(LoadText(ini, "[A] \nv=1\n"), IniLoaded);
    EXPECT_EQ(ini.GetValue(L"A", L"v"), L"1");
}

TEST(CIniMgr, LoadFromFilesAndTheStateEachResultLeaves) {
    TempFile good("good.ini", Ascii("[A]\r\nk=v\r\n"));
    CIniMgr ini;
    ASSERT_EQ(ini.Load(good.Path()), IniLoaded);
    EXPECT_EQ(ini.path(), good.Path());
    EXPECT_EQ(ini.GetValue(L"A", L"k"), L"v");

    // A missing file: the path is replaced, the content kept.
    const std::wstring missing = good.Path() + L".missing";
    EXPECT_EQ(ini.Load(missing), IniOpenFailed);
    EXPECT_EQ(ini.path(), missing);
    EXPECT_EQ(ini.GetValue(L"A", L"k"), L"v");

    // A folder is not a file to read.
    EXPECT_EQ(ini.Load(std::filesystem::temp_directory_path().wstring()), IniOpenFailed);
    EXPECT_EQ(ini.GetValue(L"A", L"k"), L"v");

    // A length beyond any configuration file is refused before a buffer is taken.
    TempFile huge("huge.ini");
    std::filesystem::resize_file(huge.FsPath(), kIniMaxFileBytes + 1);
    EXPECT_EQ(ini.Load(huge.Path()), IniNoMemory);
    EXPECT_EQ(ini.GetValue(L"A", L"k"), L"v");

    TempFile bad("bad.ini", {0xEF, 0xBB, 0xBF, 0xFF});
    EXPECT_EQ(ini.Load(bad.Path()), IniDecodeFailed);
    EXPECT_FALSE(ini.HasSection(L"A"));

    TempFile empty("empty.ini");
    EXPECT_EQ(ini.Load(empty.Path()), IniLoaded);
    EXPECT_TRUE(ini.sections().empty());
}

TEST(CIniMgr, EveryCutOfAFileLoadsOrFailsCleanly) {
    const std::wstring text = L"[A]\r\nk=v\u00e9\r\n";
    const std::vector<std::pair<IniEncoding, Bytes>> files = {
        {IniEncoding::Utf16BE, Encode({0xFE, 0xFF}, text, 2, true)},
        {IniEncoding::Utf32LE, Encode({0xFF, 0xFE, 0, 0}, text, 4, false)},
        {IniEncoding::Utf8, {0xEF, 0xBB, 0xBF, '[', 'A', ']', '\n', 'k', '=', 0xC3, 0xA9}},
    };
    for (const auto& [encoding, bytes] : files) {
        for (size_t cut = 4; cut <= bytes.size(); ++cut) {
            SCOPED_TRACE(cut);
            CIniMgr ini;
            int result = ini.LoadBytes(bytes.data(), cut);
            bool whole = encoding == IniEncoding::Utf32LE ? cut % 4 == 0
                         : encoding == IniEncoding::Utf8  ? cut != bytes.size() - 1
                                                          : true;
            EXPECT_EQ(result, whole ? IniLoaded : IniDecodeFailed);
            EXPECT_EQ(ini.encoding(), encoding);
        }
    }
}

#include "staged_package.h"

#include "test_support.h"
#include "win_handles.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const wchar_t* const kLabelSections[] = {L"Main",        L"EQ",  L"3D",  L"Effect",     L"Mic",
                                         L"Virtual7ch1", L"LED", L"ENC", L"VoiceMagic", L"About"};
// Texts that are not labels: menu captions and message texts.
const wchar_t* const kPlainTexts[] = {L"LabelLanguage", L"LabelSkin",    L"LabelClose",
                                      L"LabelPlugin",   L"LabelWarning", L"LabelWarning1"};

struct LanguageFile {
    std::wstring res, name;
    std::wstring Path() const { return LanguageRoot() + res + name + L"\\Language.ini"; }
    std::wstring Skin() const { return SkinRoot() + res + L"Midnight\\SkinSetting.ini"; }
    std::wstring Describe() const {
        return (res.empty() ? L"plain\\" : res) + (name.empty() ? L"(default)" : name);
    }
};

std::vector<LanguageFile> AllLanguageFiles() {
    std::vector<LanguageFile> files;
    for (const wchar_t* res : kResolutionFolders) {
        for (const wchar_t* name : kLanguageNames)
            files.push_back({res, name});
        files.push_back({res, L""}); // read while no language has been chosen
    }
    return files;
}

bool IsPlainText(const std::wstring& key) {
    for (const wchar_t* plain : kPlainTexts)
        if (key == plain) return true;
    return false;
}

struct Label {
    std::wstring key, text, face;
    int size = 0, page = 0;
    Box box;
};

std::vector<Label> Labels(const std::wstring& file) {
    std::vector<Label> labels;
    for (const wchar_t* section : kLabelSections) {
        for (const std::wstring& key : SectionKeys(file, section)) {
            if (IsPlainText(key)) continue;
            const std::vector<std::wstring> f = Fields(ProfileText(file, section, key.c_str()));
            if (f[0].empty()) continue; // hidden on purpose
            Label label;
            label.key = std::wstring(section) + L"/" + key;
            label.text = f[0];
            if (f.size() == 10) {
                label.face = f[3];
                label.size = Number(f[4]);
                label.box = {Number(f[5]), Number(f[6]), Number(f[7]), Number(f[8])};
                label.page = Number(f[9]);
            }
            labels.push_back(label);
        }
    }
    return labels;
}

} // namespace

// The files are UTF-16 with their byte-order mark, so the profile reader gives non-Latin text
// unchanged; every language has the same keys, the menus and messages have texts.
TEST(LanguageFiles, ReadBackUnchangedThroughTheProfileReader) {
    const std::wstring english = LanguageRoot() + L"1366x768\\English\\Language.ini";
    for (const LanguageFile& file : AllLanguageFiles()) {
        SCOPED_TRACE(file.Describe());
        const std::string bytes = ReadFileBytes(file.Path());
        ASSERT_GE(bytes.size(), 2u);
        EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
        for (const wchar_t* section : kLabelSections)
            EXPECT_EQ(SectionKeys(file.Path(), section), SectionKeys(english, section)) << section;
        for (const wchar_t* key : kPlainTexts) {
            const std::wstring text = ProfileText(file.Path(), L"Main", key);
            EXPECT_NE(text, kMissing) << key;
            EXPECT_FALSE(text.empty()) << key;
        }
        for (const wchar_t* key : {L"ColorUp", L"ColorDown", L"Font", L"FontSize"})
            EXPECT_NE(ProfileText(file.Path(), L"GlobalFont", key), kMissing) << key;
    }
    const std::wstring chinese = LanguageRoot() + L"960x540\\SimplifiedChinese\\Language.ini";
    EXPECT_EQ(Fields(ProfileText(chinese, L"Main", L"LabelPageEQ"))[0], L"\u5747\u8861\u5668");
    EXPECT_EQ(ProfileText(chinese, L"Main", L"LabelLanguage"), L"\u8BED\u8A00");
    EXPECT_EQ(
        Fields(ProfileText(LanguageRoot() + L"German\\Language.ini", L"Mic", L"LabelMicBoost"))[0],
        L"Verst\u00E4rkung");
}

// Every label is complete (text, colours, font, size, box, page), its font is present with every
// character of its text, the text fits its box as the platform measures it at 96 dots per inch,
// and the box lies inside its window.
TEST(LanguageFiles, EveryLabelFitsItsBoxInItsFont) {
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    for (const LanguageFile& file : AllLanguageFiles()) {
        SCOPED_TRACE(file.Describe());
        const std::wstring globalFace = ProfileText(file.Path(), L"GlobalFont", L"Font");
        const Box window = ReadSkinItem(file.Skin(), L"Main", L"MainFormImage").box;
        const double scale = window.width / 819.0;
        const std::vector<Label> labels = Labels(file.Path());
        EXPECT_GT(labels.size(), 60u);
        for (const Label& label : labels) {
            SCOPED_TRACE(label.key + L"=" + label.text);
            ASSERT_GT(label.size, 0) << "a label needs all ten fields";
            EXPECT_EQ(label.face, globalFace);
            HFONT font = CreateFontW(-MulDiv(label.size, 96, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                                     DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, 0, label.face.c_str());
            HGDIOBJ old = SelectObject(dc, font);
            wchar_t face[LF_FACESIZE] = {};
            GetTextFaceW(dc, LF_FACESIZE, face);
            EXPECT_EQ(std::wstring(face), label.face) << "the font is not installed";
            std::vector<WORD> glyphs(label.text.size());
            GetGlyphIndicesW(dc, label.text.c_str(), static_cast<int>(label.text.size()),
                             glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
            for (size_t i = 0; i < glyphs.size(); ++i)
                EXPECT_NE(glyphs[i], 0xFFFF) << "no glyph for character " << i;
            SIZE extent{};
            GetTextExtentPoint32W(dc, label.text.c_str(), static_cast<int>(label.text.size()),
                                  &extent);
            EXPECT_LE(extent.cx, label.box.width);
            EXPECT_LE(extent.cy, label.box.height);
            SelectObject(dc, old);
            DeleteObject(font);

            const bool about = label.key.compare(0, 6, L"About/") == 0;
            const Box frame =
                about ? Box{0, 0, static_cast<int>(360 * scale), static_cast<int>(160 * scale)}
                      : window;
            EXPECT_GE(label.box.left, frame.left);
            EXPECT_GE(label.box.top, frame.top);
            EXPECT_LE(label.box.left + label.box.width, frame.width);
            EXPECT_LE(label.box.top + label.box.height, frame.height);
            EXPECT_TRUE(label.page >= 0 && label.page <= 8);
        }
    }
    DeleteDC(dc);
}

// No two labels shown on the same page overlap (the three device-state texts take turns in one
// place and are left out).
TEST(LanguageFiles, LabelsOfOnePageDoNotOverlap) {
    for (const LanguageFile& file : AllLanguageFiles()) {
        SCOPED_TRACE(file.Describe());
        std::vector<Label> labels;
        for (const Label& label : Labels(file.Path()))
            if (label.key != L"Main/LabelUnDriver" && label.key != L"Main/LabelUnactive" &&
                label.key.compare(0, 6, L"About/") != 0)
                labels.push_back(label);
        for (int page : {1, 2, 3, 4, 6, 7, 8}) {
            for (size_t i = 0; i < labels.size(); ++i) {
                for (size_t j = i + 1; j < labels.size(); ++j) {
                    const Label &a = labels[i], &b = labels[j];
                    const bool shown =
                        (a.page == 0 || a.page == page) && (b.page == 0 || b.page == page);
                    EXPECT_FALSE(shown && a.box.Overlaps(b.box))
                        << a.key << " and " << b.key << " on page " << page;
                }
            }
        }
    }
}

// Every language folder of the package has its menu name in the installed configuration file;
// without one the panel shows an empty menu item and setup leaves the language out.
TEST(LanguageFiles, EveryLanguageFolderHasAMenuName) {
    const std::wstring config = StageFolder() + L"AudioConfig.cfg";
    WIN32_FIND_DATAW found;
    UniqueFindHandle find(FindFirstFileW((LanguageRoot() + L"*").c_str(), &found));
    ASSERT_NE(find.get(), INVALID_HANDLE_VALUE);
    int languages = 0;
    do {
        const std::wstring name = found.cFileName;
        bool resolution = false;
        for (const wchar_t* res : kResolutionFolders)
            resolution = resolution || (*res && name + L"\\" == res);
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || name == L"." || name == L".." ||
            resolution)
            continue; // the resolution folders hold languages, they are none
        const std::wstring caption = ProfileText(config, L"MultiLanguageFolderMap", name.c_str());
        EXPECT_NE(caption, kMissing) << name;
        EXPECT_FALSE(caption.empty()) << name;
        ++languages;
    } while (FindNextFileW(find.get(), &found));
    EXPECT_EQ(languages, 3);
}

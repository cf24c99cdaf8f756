// Skin and language files read through the platform: the profile reader, folder lists, the
// per-user choice, and the product's staged skins and languages.
#include "ui/skin_files.h"
#include "ui/skin_settings.h"

#include "debug_output.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::wstring StagedSkinRoot() {
    return BinFolder() + L"..\\stage\\Skin\\";
}
std::wstring StagedLanguageRoot() {
    return BinFolder() + L"..\\stage\\Language\\";
}

// An environment variable set for one test and put back afterwards.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const wchar_t* name, const wchar_t* value) : name_(name) {
        wchar_t old[4096] = L"";
        const DWORD length = GetEnvironmentVariableW(name, old, 4096);
        had_ = length > 0 && length < 4096;
        old_ = old;
        SetEnvironmentVariableW(name, value);
    }
    ~ScopedEnvironment() { SetEnvironmentVariableW(name_.c_str(), had_ ? old_.c_str() : nullptr); }

  private:
    std::wstring name_, old_;
    bool had_ = false;
};

bool IsIdeograph(wchar_t c) {
    return c >= 0x4E00 && c <= 0x9FFF;
}

} // namespace

TEST(ProfileFileReader, ReadsUtf16AndAnsiFiles) {
    TempFolder temp;
    const std::wstring wide = temp.Path() + L"Language.ini";
    WriteUtf16File(wide, L"[Main]\r\nLabelSync=\x540C\x6B65,255\r\nLabelSetting=Einstellungen\r\n");
    const ProfileReader utf16 = ProfileFileReader(wide);
    EXPECT_EQ(L"\x540C\x6B65,255", utf16(L"Main", L"LabelSync"));
    EXPECT_EQ(L"Einstellungen", utf16(L"Main", L"LabelSetting"));
    EXPECT_EQ(L"", utf16(L"Main", L"LabelClose"));
    EXPECT_EQ(L"", utf16(L"Other", L"LabelSync"));

    const std::wstring ansi = temp.Path() + L"SkinSetting.ini";
    const std::string longValue(300, 'x');
    WriteFileBytes(ansi, "[EQ]\r\nBack_EQImage=back.png,1,2\r\nLong=" + longValue + "\r\n");
    const ProfileReader narrow = ProfileFileReader(ansi);
    EXPECT_EQ(L"back.png,1,2", narrow(L"EQ", L"Back_EQImage"));
    EXPECT_EQ(std::wstring(255, L'x'), narrow(L"EQ", L"Long"));

    EXPECT_EQ(L"", ProfileFileReader(temp.Path() + L"missing.ini")(L"EQ", L"Back_EQImage"));
}

// The reader takes each section once; what it gives must be what the platform's key reader
// gives for the same file: case, quotes, comments, repeated names and sections, '=' in values.
TEST(ProfileFileReader, GivesWhatTheKeyReaderGives) {
    TempFolder temp;
    const std::wstring file = temp.Path() + L"Tricky.ini";
    WriteFileBytes(file, "; leading comment\r\n"
                         "[Main]\r\n"
                         "Plain=value\r\n"
                         "  Spaced  =  padded value  \r\n"
                         "Quoted=\"in quotes\"\r\n"
                         "Single='single'\r\n"
                         "HalfQuoted=\"open\r\n"
                         "LoneQuote=\"\r\n"
                         "Equals=a=b=c\r\n"
                         "Empty=\r\n"
                         "NoValue\r\n"
                         ";Commented=yes\r\n"
                         "Twice=first\r\n"
                         "twice=second\r\n"
                         "[main]\r\n"
                         "Later=from the repeated section\r\n"
                         "[Other]\r\n"
                         "Plain=other\r\n"
                         "Long=\"" + std::string(300, 'y') + "\"\r\n");
    const ProfileReader reader = ProfileFileReader(file);
    const wchar_t* const sections[] = {L"Main", L"MAIN", L"Other", L"Missing"};
    const wchar_t* const keys[] = {L"Plain",  L"Spaced",    L"Quoted", L"Single", L"HalfQuoted",
                                   L"LoneQuote", L"Equals", L"Empty",  L"NoValue", L";Commented",
                                   L"Commented", L"Twice",  L"TWICE",  L"Later",  L"Long",
                                   L"Missing"};
    for (const wchar_t* section : sections)
        for (const wchar_t* key : keys) {
            wchar_t expected[256] = L"";
            const DWORD length =
                GetPrivateProfileStringW(section, key, L"", expected, 256, file.c_str());
            EXPECT_EQ(reader(section, key), std::wstring(expected, length))
                << std::string(section, section + wcslen(section)) << "/"
                << std::string(key, key + wcslen(key));
        }
    EXPECT_EQ(reader(L"Main", L"Equals"), L"a=b=c");
    EXPECT_EQ(reader(L"Main", L"Quoted"), L"in quotes");
}

TEST(SkinFolders, ListsSubfoldersOnly) {
    TempFolder temp;
    CreateDirectoryW((temp.Path() + L"Midnight").c_str(), nullptr);
    CreateDirectoryW((temp.Path() + L"Night & Day").c_str(), nullptr);
    WriteFileBytes(temp.Path() + L"SkinSetting.ini", "[Main]\r\n");
    for (const std::wstring& folder :
         {temp.Path(), temp.Path().substr(0, temp.Path().size() - 1)}) {
        std::vector<std::wstring> names = ListSubfolders(folder);
        std::sort(names.begin(), names.end());
        EXPECT_EQ((std::vector<std::wstring>{L"Midnight", L"Night & Day"}), names);
    }
    EXPECT_TRUE(ListSubfolders(temp.Path() + L"missing\\").empty());
}

TEST(UserChoices, PathFromAppData) {
    {
        ScopedEnvironment appData(L"APPDATA", L"C:\\users\\someone\\AppData\\Roaming");
        EXPECT_EQ(L"C:\\users\\someone\\AppData\\Roaming\\TRV 42xx\\AudioConfig.cfg",
                  PerUserConfigPath(L"TRV 42xx"));
    }
    ScopedEnvironment noAppData(L"APPDATA", nullptr);
    EXPECT_EQ(L"", PerUserConfigPath(L"TRV 42xx"));
}

TEST(UserChoices, NothingReadOrWrittenWithoutTheFile) {
    TempFolder temp;
    for (const std::wstring& file :
         {temp.Path() + L"AudioConfig.cfg", temp.Path() + L"TRV 42xx\\AudioConfig.cfg"}) {
        const UserChoices read = ReadUserChoices(file);
        EXPECT_EQ(L"", read.skin);
        EXPECT_EQ(L"", read.language);
        SaveUserChoices(file, {L"Daylight", L"German"});
    }
    SaveUserChoices(L"", {L"Daylight", L"German"});
    EXPECT_FALSE(FileExists(temp.Path() + L"AudioConfig.cfg"));
    EXPECT_FALSE(FileExists(temp.Path() + L"AudioConfig.cfg.tmp"));
    EXPECT_FALSE(FolderExists(temp.Path() + L"TRV 42xx"));
}

TEST(UserChoices, RoundTripKeepsTheRestOfTheFile) {
    TempFolder temp;
    const std::wstring file = temp.Path() + L"AudioConfig.cfg";
    WriteUtf16File(file, L"[Skin]\r\nSkinFolderName=Skin\r\nDefaultSkin=Midnight\r\n"
                         L"[Language]\r\nLanguageFolderName=Language\r\n[Version]\r\nBee=1\r\n");
    UserChoices read = ReadUserChoices(file);
    EXPECT_EQ(L"Midnight", read.skin);
    EXPECT_EQ(L"", read.language);

    const std::wstring longName(140, L'n');
    SaveUserChoices(file, {L"Night & Day", L"SimplifiedChinese"});
    read = ReadUserChoices(file);
    EXPECT_EQ(L"Night & Day", read.skin);
    EXPECT_EQ(L"SimplifiedChinese", read.language);
    SaveUserChoices(file, {longName, L"\x4E2D\x6587"});
    read = ReadUserChoices(file);
    EXPECT_EQ(longName.substr(0, 127), read.skin);
    EXPECT_EQ(L"\x4E2D\x6587", read.language);

    // The other keys survive, the file stays UTF-16 and no temporary file is left behind.
    const ProfileReader config = ProfileFileReader(file);
    EXPECT_EQ(L"Skin", config(L"Skin", L"SkinFolderName"));
    EXPECT_EQ(L"Language", config(L"Language", L"LanguageFolderName"));
    EXPECT_EQ(L"1", config(L"Version", L"Bee"));
    EXPECT_EQ(std::string("\xFF\xFE", 2), ReadFileBytes(file).substr(0, 2));
    EXPECT_FALSE(FileExists(file + L".tmp"));
}

TEST(StagedSkins, MidnightLoadsAndNamesPicturesThatExist) {
    const std::wstring folder = StagedSkinRoot() + L"1366x768\\" + L"Midnight";
    SkinSettings settings;
    DebugCapture capture;
    ASSERT_EQ(SkinLoaded,
              LoadSkinSettings(ProfileFileReader(folder + L"\\SkinSetting.ini"),
                               ProfileFileReader(StagedSkinRoot() + L"Midnight\\SkinSetting.ini"),
                               false, settings));
    EXPECT_EQ(L"", capture.Text());
    int pictures = 0;
    const std::vector<SkinKey>& keys = SkinKeys();
    for (size_t i = 0; i < keys.size(); ++i) {
        const SkinItem& item = settings.items[i];
        if (keys[i].kind != SkinKeyKind::Image || item.ImageFile.empty()) continue;
        ++pictures;
        // The path as the panel builds it, doubled separator included.
        const std::wstring path =
            StagedSkinRoot() + L"1366x768\\" + L"\\" + L"Midnight" + L"\\" + item.ImageFile;
        EXPECT_TRUE(FileExists(path)) << keys[i].section << L"/" << keys[i].name << L" " << path;
    }
    EXPECT_GT(pictures, 150);
    EXPECT_GT(settings.geometry.EqSliderRange, 0);
    EXPECT_GT(settings.geometry.MicSliderRange, 0);
    EXPECT_GT(settings.geometry.EncSliderRange, 0);
    EXPECT_GT(settings.geometry.MicProgressLength, 0);
    EXPECT_GT(settings.geometry.VirtualRadius, 0);
    EXPECT_EQ(1, settings.geometry.LEDPageMode);
    for (const SwatchSetting& swatch : settings.swatches) {
        EXPECT_TRUE(swatch.hasGeometry);
        EXPECT_GT(swatch.width, 0);
    }
}

TEST(StagedLanguages, LoadWithoutMalformedNumbers) {
    for (const wchar_t* name : {L"English", L"German", L"SimplifiedChinese"}) {
        SCOPED_TRACE(name);
        DebugCapture capture;
        LanguageTexts texts;
        LoadLanguage(
            ProfileFileReader(StagedLanguageRoot() + L"1366x768\\" + name + L"\\Language.ini"),
            false, texts);
        EXPECT_EQ(L"", capture.Text());
        const TextItem* tab = texts.Find(L"LabelPageEQ");
        ASSERT_NE(nullptr, tab);
        EXPECT_FALSE(tab->Text.empty());
        EXPECT_TRUE(tab->HasFontSize && tab->HasLeft && tab->HasWidth);
        EXPECT_FALSE(texts.Find(L"LabelWarning")->Text.empty());
        const bool ideographs = std::any_of(tab->Text.begin(), tab->Text.end(), IsIdeograph);
        EXPECT_EQ(std::wstring(name) == L"SimplifiedChinese", ideographs) << tab->Text;
    }
}

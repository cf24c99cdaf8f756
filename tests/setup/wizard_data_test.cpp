#include "setup_fixture.h"

#include "file_operations.h"
#include "registry_values.h"
#include "wizard_data.h"

#include <map>

namespace {

// A package source of its own: a configuration and language folders written by the test.
class WizardData : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteUtf16File(folder_.Path() + L"AudioConfig.cfg", config_);
        LoadApplicationConfig(kAppConfigFileName, folder_.Path() + L"Harrow.exe", folders_,
                              ConfigReader::Setup);
    }
    void AddLanguage(const std::wstring& name, const std::wstring& setupSection) {
        CreateFolderPath(folder_.Path() + L"Language\\" + name + L"\\");
        if (!setupSection.empty())
            WriteUtf16File(folder_.Path() + L"Language\\" + name + L"\\Language.ini",
                           L"[Setup]\r\n" + setupSection);
    }
    TempFolder folder_;
    std::wstring config_ =
        L"[Language]\r\nLanguageFolderName=Language\r\n"
        L"[Install]\r\nInstallFolderName=TRV Wizard Test\r\n"
        L"[MultiLanguageFolderMap]\r\nEnglish=English\r\nGerman=Deutsch\r\n"
        L"[DefaultSet]\r\nVoiceMagicLevel=abc\r\n"
        L"[EncValueMap]\r\n1=VID_7A39&PID_4215,15\r\n2=VID_7A39&PID_4216,8\r\n7=Quiet\r\n";
    _APPLICATION_FOLDER_PATH folders_;
};

DWORD ReadDword(const std::wstring& key, const std::wstring& name) {
    uint32_t value = 0xFFFFFFFF;
    ReadRegDword(key, name, &value);
    return value;
}

} // namespace

// Only folders the configuration names are offered; an unknown preselection selects the first
// entry while the texts still come from the named folder (none when it has no file).
TEST_F(WizardData, LanguageListAndTexts) {
    AddLanguage(L"English", L"LabelTitle=Setup\r\nLabelNextBtn=Next >,,,,,8\r\n");
    AddLanguage(L"German", L"LabelTitle=Installation\r\nLabelNextBtn=Weiter >\r\n");
    AddLanguage(L"Klingon", L"LabelTitle=Nope\r\n");
    std::vector<LanguageChoice> list = LanguageList(folders_);
    ASSERT_EQ(list.size(), 2u);
    std::map<std::wstring, std::wstring> names;
    for (const LanguageChoice& c : list)
        names[c.folder] = c.displayName;
    EXPECT_EQ(names, (std::map<std::wstring, std::wstring>{{L"English", L"English"},
                                                           {L"German", L"Deutsch"}}));
    EXPECT_EQ(LanguageIndexFor(list, L"Polish"), 0);
    EXPECT_EQ(list[LanguageIndexFor(list, L"German")].folder, L"German");
    EXPECT_EQ(LanguageIndexFor({}, L"German"), -1);

    SetupTexts texts;
    EXPECT_EQ(LoadSetupTexts(folders_, L"English", texts), L"");
    EXPECT_EQ(texts[LabelTitle].text, L"Setup");
    EXPECT_EQ(texts[LabelNextBtn].left, 8);
    EXPECT_EQ(LoadSetupTexts(folders_, L"German", texts), L"");
    EXPECT_EQ(texts[LabelNextBtn].text, L"Weiter >");
    EXPECT_TRUE(texts[LabelNextBtn].hasLeft); // carried over from English
    EXPECT_EQ(LoadSetupTexts(folders_, L"Polish", texts), L"");
    EXPECT_EQ(texts[LabelTitle].text, L"");
}

// The per-user folder keeps a configuration that is its first file; otherwise it gets both
// files of the package again.
TEST_F(WizardData, UserDataFolderIsFilledUnlessItsFirstFileIsTheConfiguration) {
    WriteFileBytes(folder_.Path() + L"DefaultProfile.ini", "[Profile]\r\n");
    TempFolder user;
    struct Case {
        const wchar_t* existing; // the one file the user folder holds
        bool copied;
    };
    for (const Case& c :
         {Case{L"AudioConfig.cfg", false}, Case{L"DefaultProfile.ini", true}, Case{L"", true}}) {
        SCOPED_TRACE(c.existing);
        std::wstring folder = user.Path() + L"Case\\";
        RemoveTree(folder);
        CreateFolderPath(folder);
        if (*c.existing) WriteFileBytes(folder + c.existing, "user's own");
        PrepareUserDataFolder(folder, folder_.Path());
        EXPECT_EQ(ReadFileBytes(folder + L"AudioConfig.cfg") ==
                      ReadFileBytes(folder_.Path() + L"AudioConfig.cfg"),
                  c.copied);
        EXPECT_EQ(FileExists(folder + L"DefaultProfile.ini"),
                  c.copied || std::wstring(c.existing) != L"AudioConfig.cfg");
    }
    // A folder that does not exist yet is made.
    std::wstring fresh = user.Path() + L"New\\Deeper\\";
    PrepareUserDataFolder(fresh, folder_.Path());
    EXPECT_TRUE(FileExists(fresh + L"DefaultProfile.ini"));
}

// The factory defaults: the level table's usable lines, "EncEnable" 0 when missing, values the
// file does not give left as they were.
TEST_F(WizardData, DefaultSettingsSeedTheRegistry) {
    const std::wstring key = L"TRV 42xx Software";
    ASSERT_EQ(WriteRegDword(key, L"EncScalar", 99), 0);
    ASSERT_EQ(WriteRegDword(key, L"EncEnable", 1), 0);
    SaveDefaultSettings(folder_.Path());
    EXPECT_EQ(ReadDword(key + L"\\EncValueMap", L"VID_7A39&PID_4215"), 15u);
    EXPECT_EQ(ReadDword(key + L"\\EncValueMap", L"VID_7A39&PID_4216"), 8u);
    EXPECT_EQ(ReadDword(key + L"\\EncValueMap", L"Quiet"), 0xFFFFFFFFu);
    EXPECT_EQ(ReadDword(key, L"EncEnable"), 0u);
    EXPECT_EQ(ReadDword(key, L"EncScalar"), 99u);
    EXPECT_EQ(ReadDword(key, L"VoiceMagicLevel"), 0u);
    EXPECT_EQ(ReadDword(key, L"VoiceMagicEnable"), 0xFFFFFFFFu);
}

// A group that cannot be loaded makes setup quit; both loaded groups reach the registry.
TEST_F(WizardData, DeviceIdGroupsReachTheRegistryOrSetupQuits) {
    SetupState state;
    state.folders = folders_;
    EXPECT_FALSE(StoreDeviceIdGroups(state)); // this configuration has no groups
    CopyOneFile(BinFolder() + L"..\\stage\\AudioConfig.cfg", folder_.Path() + L"AudioConfig.cfg");
    EXPECT_TRUE(StoreDeviceIdGroups(state));
    CDeviceIdMgr usb, hid;
    EXPECT_EQ(usb.LoadFromRegistry(kUsbDeviceIdGroupKey), 0);
    EXPECT_EQ(hid.LoadFromRegistry(kHidDeviceIdGroupKey), 0);
    EXPECT_EQ(usb.Match(L"USB\\VID_7A39&PID_4215&REV_0100&MI_00"), 1);
    EXPECT_EQ(hid.Match(L"HID\\VID_7A39&PID_4215&MI_03"), 1);
}

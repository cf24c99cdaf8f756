// Profile files in-process against the simulated device: the saved text, applying a profile in
// its steps with the strict numbers of its required keys, export names and the import's folder,
// and saves that are never left half-written when the saving process is killed.
#include "device/device_library.h"
#include "device/extension_driver.h"
#include "effects/panel_features.h"
#include "effects/profile_values.h"
#include "exception.h"
#include "simulator_fixture.h"
#include "test_support.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

std::wstring Text(const std::wstring& path) {
    std::string bytes = ReadFileBytes(path);
    return std::wstring(bytes.begin(), bytes.end());
}

// A profile with every required key, the given values replacing or adding keys.
std::wstring ProfileText(const std::wstring& eq, const std::wstring& d3 = L"3DEN=0\r\n",
                         const std::wstring& more = L"") {
    return L"[EQ]\r\n" + eq + L"[3D]\r\n" + d3 +
           L"[Effect]\r\nCurrentEffect=2\r\n[Virtual7ch1]\r\n7ch1EN=1\r\nL=300,200\r\nR=500,200\r\n"
           L"C=400,150\r\nSUB=400,250\r\nLS=250,300\r\nRS=550,300\r\nLB=300,400\r\nRB=500,400\r\n" +
           more;
}

const wchar_t kPresets[] = L"S1=0x400,0x400,0x400,0x400,0x400,0\r\n"
                           L"S2=0x400,0x400,0x400,0x400,0x400,0\r\n"
                           L"S3=0x400,0x400,0x400,0x400,0x400,0\r\n"
                           L"S4=0x400,0x400,0x400,0x400,0x400,0\r\n";

} // namespace

class ProfilesTest : public SimulatedDeviceTest {
  protected:
    void SetUp() override {
        SimulatedDeviceTest::SetUp();
        ASSERT_EQ(BindDeviceLibrary(), 0);
        ASSERT_EQ(dlltr::SetActive_Device(0x7A39, 0x4215), 0);
        ASSERT_EQ(ExtensionDriverPresent(0x7A39, 0x4215), 0);
        // The variables name folders without a closing backslash, as the system's do.
        const std::wstring root = folder_.Path().substr(0, folder_.Path().size() - 1);
        SetEnvironmentVariableW(L"APPDATA", root.c_str());
        SetEnvironmentVariableW(L"USERPROFILE", root.c_str());
        config_ = folder_.Path() + L"AudioConfig.cfg";
        WriteFileBytes(config_, "[Install]\r\nInstallFolderName=Audio\r\n");
        CreateDirectoryW((folder_.Path() + L"Audio").c_str(), nullptr);
        f_.profiles.Configure(L"Audio", config_);
        f_.effects.SetSliderGeometry(220, 120, 220);
        f_.effects.InitEffectModel();
        f_.effects.LoadInitial3DSetting();
        f_.effects.DeviceUsable(true);
        f_.surround.SetCircle(400, 300, 130);
        SpeakerPosition skin[kSpeakerCount];
        f_.surround.SetSpeakerPositions(skin);
        f_.surround.ApplyDefaults();
    }
    std::wstring Write(const std::wstring& name, const std::wstring& text) {
        std::wstring path = folder_.Path() + name;
        WriteFileBytes(path, std::string(text.begin(), text.end()));
        return path;
    }

    TempFolder folder_;
    std::wstring config_;
    ActiveDevice device_{0x7A39, 0x4215, true};
    PanelFeatures f_{device_};
};

TEST_F(ProfilesTest, AFreshProfileHoldsTheBuiltInSettingsInKeyOrder) {
    const std::wstring path = f_.profiles.LastProfilePath();
    ASSERT_EQ(f_.profiles.SaveLastProfile(), 0);
    const std::wstring text = Text(path);
    const std::wstring eq = L"[EQ]\r\n"
                            L"S1=0x400,0x400,0x400,0x400,0x400,0\r\n"
                            L"S2=0x400,0x400,0x400,0x400,0x400,0\r\n"
                            L"S3=0x400,0x400,0x400,0x400,0x400,0\r\n"
                            L"S4=0x400,0x400,0x400,0x400,0x400,0\r\n"
                            L"EQEN=0\r\n"
                            L"EQFromEEPROM=0\r\n";
    const std::wstring d3 = L"[3D]\r\nLeftAlpha=10\r\nLeftBeta=3\r\nRightAlpha=10\r\nRightBeta=3\r\n"
                            L"FBM=1\r\n3DEN=0\r\n";
    EXPECT_EQ(text.compare(0, eq.size(), eq), 0) << text.c_str();
    EXPECT_NE(text.find(d3), std::wstring::npos) << text.c_str();
    // Then the environment, the speakers (C first), lighting, ENC and voice change.
    size_t at = 0;
    for (const wchar_t* key : {L"[Effect]", L"CurrentEffect=1", L"[Virtual7ch1]", L"C=", L"L=",
                               L"LS=", L"LB=", L"RB=", L"RS=", L"SUB=", L"R=", L"7ch1EN=0",
                               L"[LED]", L"LEDON=0", L"[ENC]", L"ENCEN=", L"ENCValue=",
                               L"[VoiceMagic]", L"VoiceMagicEN=", L"VoiceMagicMode="}) {
        size_t found = text.find(key, at);
        ASSERT_NE(found, std::wstring::npos) << key;
        at = found;
    }
    // No copy is left beside it.
    EXPECT_FALSE(FileExists(path + L".saving"));
}

// Saving over an existing file replaces its keys where they are and keeps the others.
TEST_F(ProfilesTest, SavingKeepsTheFilesOtherKeysAndWorksWithoutADevice) {
    device_.m_bDevicePresent = false;
    const std::wstring path = Write(L"mine.ini", L"[Notes]\r\nOwner=me\r\n[EQ]\r\nEQEN=1\r\n");
    f_.effects.SelectPreset(3);
    MarkJournal();
    ASSERT_EQ(f_.profiles.SaveProfile(path), 0);
    EXPECT_TRUE(JournalStarting(L"HID").empty());
    wchar_t value[64] = L"";
    GetPrivateProfileStringW(L"Notes", L"Owner", L"", value, 64, path.c_str());
    EXPECT_STREQ(value, L"me");
    GetPrivateProfileStringW(L"EQ", L"EQEN", L"", value, 64, path.c_str());
    EXPECT_STREQ(value, L"0");
    GetPrivateProfileStringW(L"EQ", L"S4", L"", value, 64, path.c_str());
    EXPECT_STREQ(value, L"0x400,0x400,0x400,0x400,0x400,0");
    EXPECT_EQ(f_.effects.CurrentPreset(), 3);
}

// "S2" goes into slot 2 and switches the equaliser on; the registers keep the selected preset.
TEST_F(ProfilesTest, APresetValueLandsInItsSlotWhileTheRegistersHoldTheSelectedOne) {
    const std::wstring path =
        Write(L"p.ini", ProfileText(L"S1=0x400,0x400,0x400,0x400,0x400,0\r\n"
                                    L"S2=0x800,0x400,0x400,0x400,0x400,1\r\n"
                                    L"S3=0x400,0x400,0x400,0x400,0x400,1\r\n"
                                    L"S4=0x400,0x400,0x400,0x400,0x400,1\r\nEQEN=1\r\n"));
    ASSERT_EQ(f_.profiles.ApplyProfile(path), 0);
    EQ_SETTING slot2;
    UnpackPreset(PresetSlotOffset(1), slot2, f_.effects.Image());
    EXPECT_EQ(slot2.gain[0], 0x800);
    EXPECT_EQ(f_.effects.CurrentPreset(), 1);
    EXPECT_EQ(Register(0x120), 0x00);
    EXPECT_EQ(Register(0x121), 0x04);
    EXPECT_TRUE(f_.effects.EQEnable());
    EXPECT_EQ(Register(0x100) & 0x04, 0x04);
    EXPECT_EQ(f_.effects.CurrentEffect(), 2);
    EXPECT_TRUE(f_.surround.Enable7ch1());
    EXPECT_EQ(f_.surround.Position(2), (SpeakerPosition{400, 150}));
    EXPECT_EQ(f_.profiles.CurrentProfile(), path);
}

// With "EQFromEEPROM" the switch follows the last preset's field, not "EQEN"; with a device the
// device's own data decides it last.
TEST_F(ProfilesTest, EqualiserDataFromTheDeviceIgnoresEQEN) {
    const std::wstring eq = L"S1=0x400,0x400,0x400,0x400,0x400,0\r\n"
                            L"S2=0x400,0x400,0x400,0x400,0x400,0\r\n"
                            L"S3=0x400,0x400,0x400,0x400,0x400,0\r\n"
                            L"S4=0x400,0x400,0x400,0x400,0x400,1\r\nEQEN=0\r\nEQFromEEPROM=1\r\n";
    const std::wstring path = Write(L"e.ini", ProfileText(eq));
    device_.m_bDevicePresent = false;
    f_.profiles.ApplyProfile(path);
    EXPECT_TRUE(f_.effects.ReadEEPROMData());
    EXPECT_TRUE(f_.effects.EQEnable());
    device_.m_bDevicePresent = true;
    device().PreloadEeprom(0, {0x00, 0x04, 0x40, 0x00, 0x04, 0x40, 0x00, 0x84});
    f_.profiles.ApplyProfile(path);
    EXPECT_FALSE(f_.effects.EQEnable()); // the device's flags byte has bit 7 set
}

TEST_F(ProfilesTest, AProfileWithoutLightingKeysLeavesTheLighting) {
    f_.lighting.SetLedPower(true);
    f_.profiles.ApplyProfile(Write(L"n.ini", ProfileText(kPresets)));
    EXPECT_TRUE(f_.lighting.LedOn());
    f_.profiles.ApplyProfile(Write(L"o.ini", ProfileText(kPresets, L"3DEN=0\r\n", L"[LED]\r\nLEDON=0\r\n")));
    EXPECT_FALSE(f_.lighting.LedOn());
}

// A required key that is missing or not a number stops the apply at its step with the
// conversion error naming it; what came before stays applied.
TEST_F(ProfilesTest, ABrokenRequiredKeyStopsAtItsStep) {
    struct Case {
        const char* name;
        std::wstring eq, d3;
        const wchar_t* key;
        bool presetsApplied;
    };
    const Case cases[] = {
        {"3DEN missing", std::wstring(kPresets).replace(3, 5, L"0x600"), L"", L"[3D] 3DEN", true},
        {"3DEN not a number", std::wstring(kPresets).replace(3, 5, L"0x600"), L"3DEN=on\r\n",
         L"[3D] 3DEN", true},
        {"S3 with five fields", L"S1=0x600,0x400,0x400,0x400,0x400,0\r\nS2=0x400,0x400,0x400,0x400,0x400,0\r\n"
                                L"S3=0x400,0x400,0x400,0x400,0\r\n",
         L"3DEN=0\r\n", L"[EQ] S3", true},
        {"S1 not a number", L"S1=zero,0x400,0x400,0x400,0x400,0\r\n", L"3DEN=0\r\n", L"[EQ] S1", false},
    };
    for (const Case& c : cases) {
        PanelFeatures f(device_);
        f.profiles.Configure(L"Audio", config_);
        f.effects.SetSliderGeometry(220, 120, 220);
        f.effects.InitEffectModel();
        f.effects.LoadInitial3DSetting();
        const std::wstring path = Write(L"bad.ini", ProfileText(c.eq, c.d3));
        try {
            f.profiles.ApplyProfile(path);
            ADD_FAILURE() << c.name << ": no conversion error";
        } catch (const EConvertError& e) {
            EXPECT_NE(e.Message().find(c.key), std::wstring::npos) << c.name << ": "
                                                                   << std::string(e.Message().begin(), e.Message().end());
        }
        EQ_SETTING s1;
        UnpackPreset(PresetSlotOffset(0), s1, f.effects.Image());
        EXPECT_EQ(s1.gain[0], c.presetsApplied ? 0x600 : 0x400) << c.name;
        EXPECT_EQ(f.effects.CurrentEffect(), 1) << c.name; // a later step, not reached
        EXPECT_TRUE(f.profiles.CurrentProfile().empty()) << c.name;
    }
}

TEST_F(ProfilesTest, ExportNamesAndTheImportsFolder) {
    struct Case {
        const wchar_t* chosen;
        const wchar_t* written;
    };
    for (const Case& c : {Case{L"mine", L"mine.ini"}, Case{L"mine.INI", L"mine.INI.ini"},
                          Case{L"a.ini.bak", L"a.ini.bak"}}) {
        std::wstring offered;
        const std::wstring chosen = folder_.Path() + c.chosen;
        EXPECT_EQ(f_.profiles.ExportProfile([&](const std::wstring& folder, std::wstring& name) {
            offered = folder + L"|" + name;
            name = chosen;
            return true;
        }),
                  0);
        EXPECT_EQ(offered, folder_.Path() + L"Audio|" + folder_.Path() + L"Audio\\AudioSetting.ini");
        EXPECT_TRUE(FileExists(folder_.Path() + c.written)) << c.written;
        wchar_t last[MAX_PATH] = L"";
        GetPrivateProfileStringW(L"LastINI", L"Path", L"", last, MAX_PATH, config_.c_str());
        EXPECT_EQ(std::wstring(last), folder_.Path() + c.written);
    }
    // The import starts where the last export went, and applies the chosen file.
    WritePrivateProfileStringW(L"LastINI", L"Path", L"D:\\p\\x.ini", config_.c_str());
    std::wstring started;
    const std::wstring profile = Write(L"import.ini", ProfileText(kPresets));
    EXPECT_EQ(f_.profiles.ImportProfile([&](const std::wstring& folder, std::wstring& name) {
        started = folder;
        name = profile;
        return true;
    }),
              0);
    EXPECT_EQ(started, L"D:\\p");
    EXPECT_EQ(f_.effects.CurrentEffect(), 2);
    // Cancelled dialogs and a missing device.
    EXPECT_EQ(f_.profiles.ImportProfile([](const std::wstring&, std::wstring&) { return false; }), 2);
    device().Plug(false);
    EXPECT_EQ(f_.profiles.ExportProfile([](const std::wstring&, std::wstring&) { return true; }), 1);
}

// A process killed at any moment of its saves leaves the old profile or the new one, whole.
TEST_F(ProfilesTest, AKilledSaveLeavesTheOldOrTheNewProfile) {
    const std::wstring path = folder_.Path() + L"Killed.ini";
    const std::wstring saver = Quoted(BinFolder() + L"profile_saver.exe") + L" " + Quoted(path);
    std::string versions[2];
    for (int v = 0; v < 2; ++v) {
        ChildProcess once(saver + L" " + std::to_wstring(v));
        ASSERT_EQ(once.WaitExit(30000), 0);
        versions[v] = ReadFileBytes(path);
    }
    ASSERT_NE(versions[0], versions[1]);
    std::srand(12345);
    for (int round = 0; round < 25; ++round) {
        ChildProcess loop(saver + L" loop");
        ASSERT_TRUE(loop.Started());
        Sleep(20 + std::rand() % 180); // a moment somewhere in its saves
        loop.Kill();
        loop.WaitExit(10000);
        const std::string now = ReadFileBytes(path);
        EXPECT_TRUE(now == versions[0] || now == versions[1]) << "round " << round << ":\n" << now;
    }
}

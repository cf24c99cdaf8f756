// The effect model driven in-process against the simulated device: the register bytes and
// library calls each operation leaves in the device's journal.
#include "device/device_library.h"
#include "device/extension_driver.h"
#include "effects/effect_model.h"
#include "simulator_fixture.h"
#include "test_support.h"

#include <windows.h>

#include <algorithm>

namespace {

using Ops = std::vector<std::wstring>;

size_t Count(const Ops& ops, const std::wstring& prefix) {
    return static_cast<size_t>(std::count_if(ops.begin(), ops.end(), [&](const std::wstring& op) {
        return op.rfind(prefix, 0) == 0;
    }));
}

// The switch sequence of the equaliser through the library when its state reads back right.
Ops EQLibrarySwitch(int on) {
    return {L"DLLTR_ConfigEQ_ById(0) -> 0", L"DLLTR_SetEQ_OnOff_ById(" + std::to_wstring(on) + L", 0) -> 0",
            L"DLLTR_IsEQ_Enable_ById(0) -> 0"};
}

Ops Joined(std::initializer_list<Ops> parts) {
    Ops all;
    for (const Ops& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

class EffectModelTest : public SimulatedDeviceTest {
  protected:
    void SetUp() override {
        SimulatedDeviceTest::SetUp();
        ASSERT_EQ(BindDeviceLibrary(), 0);
        ASSERT_EQ(dlltr::SetActive_Device(0x7A39, 0x4215), 0);
        ASSERT_EQ(ExtensionDriverPresent(0x7A39, 0x4215), 0); // the driver's path, for requests
        // A travel of 1024 pixels makes one pixel one step of the gain arithmetic.
        model_.SetSliderGeometry(1024, 120, 120);
        model_.InitEffectModel();
        model_.LoadInitial3DSetting();
        model_.DeviceUsable(true);
        MarkJournal();
    }

    ActiveDevice device_{0x7A39, 0x4215, true};
    EffectModel model_{device_};
};

TEST_F(EffectModelTest, DraggedBandWritesItsGainCode) {
    struct Case {
        int offset;
        uint16_t gain;
        const wchar_t* low;
        const wchar_t* high;
    };
    const Case cases[] = {{0, 2559, L"W 122=FF", L"W 123=09"},
                          {512, 1024, L"W 122=00", L"W 123=04"},
                          {1024, 512, L"W 122=00", L"W 123=02"},
                          {511, 1026, L"W 122=02", L"W 123=04"}};
    for (const Case& c : cases) {
        MarkJournal();
        model_.EQBandMoved(1, c.offset);
        EXPECT_EQ(DeviceOperations(), Joined({EQLibrarySwitch(0), {c.low, c.high, L"close"}}))
            << c.offset;
        EXPECT_EQ(model_.EQSetting().gain[1], c.gain);
        // The preset keeps it and the thumb stays where it was put.
        EXPECT_EQ(model_.EQSliderOffset(1), c.offset);
    }
    // Without the write-to-device flag the gain is kept but nothing is written.
    model_.ToggleSync();
    MarkJournal();
    model_.EQBandMoved(1, 0);
    EXPECT_EQ(DeviceOperations(), (Ops{L"close"}));
    EXPECT_EQ(model_.EQSetting().gain[1], 2559);
}

TEST_F(EffectModelTest, LastBandKeepsTheControlBitsTheDeviceHoldsUntilAFullWrite) {
    SetRegister(0x129, 0xA3);
    model_.EQBandMoved(4, 0);
    EXPECT_EQ(DeviceOperations(),
              Joined({EQLibrarySwitch(0), {L"W 128=FF", L"R 129=A3", L"W 129=A9", L"close"}}));
    // The equaliser switched on writes the whole setting: the control bits replace them.
    MarkJournal();
    model_.ToggleEQ();
    Ops ops = DeviceOperations();
    EXPECT_EQ(Ops(ops.begin(), ops.begin() + 2), (Ops{L"R 100=00", L"W 100=04"}));
    EXPECT_EQ(ops[11], L"W 129=E9");
    EXPECT_EQ(Register(0x129), 0xE9);
    EXPECT_EQ(Register(0x100), 0x04);
    EXPECT_TRUE(device().With([](sim::State& s) { return s.eqEnabled != 0; }));
}

TEST_F(EffectModelTest, SelectingAPresetWritesItsGainsAndShowsIt) {
    model_.SelectPreset(2);
    model_.EQBandMoved(0, 0); // preset 2's 60 Hz band to the top
    model_.SelectPreset(1);
    EXPECT_EQ(Register(0x120), 0x00);
    EXPECT_EQ(Register(0x121), 0x04);
    EXPECT_EQ(model_.EQSliderOffset(0), 512);
    MarkJournal();
    model_.SelectPreset(2);
    EXPECT_EQ(DeviceOperations(),
              Joined({{L"W 120=FF", L"W 121=09", L"W 122=00", L"W 123=04", L"W 124=00",
                       L"W 125=04", L"W 126=00", L"W 127=04", L"W 128=00", L"W 129=E4", L"close"},
                      EQLibrarySwitch(0)}));
    EXPECT_EQ(model_.CurrentPreset(), 2);
    EXPECT_EQ(model_.EQSliderOffset(0), 0);
}

// The library's switch is read back and set once more when it differs; a failed read-back
// stops the equaliser's sequence but not the 3D one's, which then retries when switching on.
TEST_F(EffectModelTest, LibrarySwitchesAreReadBackAndRetriedOnce) {
    struct Case {
        const char* name;
        bool equaliser;
        int flag;
        DeviceLibraryEntry failing;
        size_t sets;
    };
    const Case cases[] = {
        {"equaliser set fails, read-back differs", true, 1, eSetEQ_OnOff_ById, 2},
        {"equaliser read-back fails", true, 1, eIsEQ_Enable_ById, 1},
        {"equaliser reads back right", true, 1, kDeviceLibraryEntryCount, 1},
        {"3D on, read-back fails", false, 1, eIs3D_Enable_ById, 2},
        {"3D off, read-back fails", false, 0, eIs3D_Enable_ById, 1},
        {"3D set fails, read-back differs", false, 1, eSet3D_OnOff_ById, 2},
    };
    for (const Case& c : cases) {
        device().With([&](sim::State& s) {
            s.eqEnabled = s.d3Enabled = 0;
            if (c.failing != kDeviceLibraryEntryCount) s.failNext[c.failing] = 1;
        });
        MarkJournal();
        c.equaliser ? model_.SwitchEQByLibrary(c.flag) : model_.Switch3DByLibrary(c.flag);
        const wchar_t* set = c.equaliser ? L"DLLTR_SetEQ_OnOff_ById(" : L"DLLTR_Set3D_OnOff_ById(";
        EXPECT_EQ(Count(DeviceOperations(), set), c.sets) << c.name;
    }
}

TEST_F(EffectModelTest, ThreeDButtonRepairsTheNibblesAndFBMHasItsBit) {
    SetRegister(0x1CD, 0xAA);
    SetRegister(0x1CE, 0x5A);
    SetRegister(0x18A, 0x41);
    model_.Toggle3D();
    Ops ops = DeviceOperations();
    EXPECT_EQ(Ops(ops.end() - 7, ops.end()),
              (Ops{L"R 100=00", L"W 100=80", L"R 1CD=AA", L"W 1CD=FF", L"R 1CE=5A", L"W 1CE=5F",
                   L"close"}));
    EXPECT_TRUE(model_.Enable3D());

    MarkJournal();
    model_.ToggleFBM();
    EXPECT_FALSE(model_.FBM());
    EXPECT_EQ(DeviceOperations(), (Ops{L"R 18A=41", L"W 18A=40", L"close"}));
    EXPECT_EQ(model_.Image()[0xA1] & 0x40, 0);
    // The field switch writes FBM and the four parameters with it.
    MarkJournal();
    EXPECT_EQ(model_.Switch3DFieldRegisters(1), 0);
    EXPECT_EQ(DeviceOperations(), (Ops{L"R 18A=40", L"W 18A=40", L"R 18A=40", L"W 18A=40",
                                       L"W 18B=A3", L"W 18C=A3", L"close"}));
}

TEST_F(EffectModelTest, ThreeDThumbsFollowTheirLinksAndReachTheRegisters) {
    struct Case {
        const char* name;
        int travel, range;
        int link; // steps of the alpha link from its start
        int offset;
        uint8_t left, right; // 0x18B and 0x18C
        int partnerOffset;
    };
    const Case cases[] = {
        {"independent", 120, 120, 1, 0, 0xF3, 0xA3, 40},
        {"together", 120, 120, 2, 0, 0xF3, 0xF3, 0},
        {"mirrored", 120, 120, 3, 0, 0xF3, 0x03, 120},
        {"own track of 90 pixels, mirrored", 90, 90, 3, 30, 0xA3, 0x53, 60},
    };
    for (const Case& c : cases) {
        EffectModel model(device_);
        model.SetSliderGeometry(1024, c.travel, c.range);
        model.InitEffectModel();
        model.LoadInitial3DSetting();
        model.DeviceUsable(true);
        for (int i = 0; i < c.link; ++i)
            model.AdvanceLinkMode(Link3D::Alpha);
        model.D3SliderMoved(Slider3D::LeftAlpha, c.offset);
        EXPECT_EQ(Register(0x18B), c.left) << c.name;
        EXPECT_EQ(Register(0x18C), c.right) << c.name;
        EXPECT_EQ(model.D3SliderOffset(Slider3D::RightAlpha), c.partnerOffset) << c.name;
        EXPECT_EQ(model.Image()[0xE7], c.left) << c.name;
    }
}

// In the classic layout the thumbs travel 120 pixels whatever the skin's range; with a
// shorter range the bottom gives values below 0, which are never sent: the left pair keeps
// the values it held (the right channel's write sends the whole setting).
TEST_F(EffectModelTest, ThreeDValuesOutsideTheNibbleAreNotSent) {
    model_.SetSliderGeometry(1024, 120, 100);
    MarkJournal();
    model_.D3SliderMoved(Slider3D::LeftBeta, 120);
    Ops ops = DeviceOperations();
    EXPECT_EQ(Count(ops, L"W 18B="), 1u);
    EXPECT_EQ(Register(0x18B), 0xA3);
    EXPECT_EQ(model_.Sound3D().leftBeta, 3);
    EXPECT_EQ(model_.Write3DChannel(Channel3D::Left, true), 4);
    EXPECT_EQ(model_.Image()[0xE7], 0xA3);
}

TEST_F(EffectModelTest, EffectModesReachTheDriverAsModeMinusOne) {
    for (int mode = 1; mode <= 5; ++mode) {
        MarkJournal();
        model_.ApplyEffectMode(mode);
        Ops ops = DeviceOperations();
        ASSERT_EQ(ops.size(), 2u) << mode;
        EXPECT_EQ(ops[0], L"driver request 08232008 in 0" + std::to_wstring(mode - 1) + L" 00 00 00");
        EXPECT_EQ(ops[1], L"driver request 08232000 in 01 00 00 00");
        EXPECT_EQ(model_.CurrentEffect(), mode);
    }
}

TEST_F(EffectModelTest, EqualiserResetWithAndWithoutTheDefaultProfile) {
    TempFolder folder;
    const std::wstring profile = folder.Path() + L"DefaultProfile.ini";
    WriteUtf16File(profile, L"[EQ]\r\nS1=0x800,0x400,0x400,0x400,0x600,1\r\n");
    struct Case {
        const char* name;
        bool defaultIni;
        std::wstring path;
        uint16_t gain0, gain4;
        bool eq;
    };
    // Each band's gain is derived again from its thumb, so 0x800 comes back as the code of
    // the nearest thumb position (2046), which is what the registers get.
    const Case cases[] = {{"built-in", false, profile, 1024, 1024, false},
                          {"default profile", true, profile, 2046, 0x600, true},
                          {"default profile missing", true, folder.Path() + L"none.ini", 1024,
                           1024, false}};
    for (const Case& c : cases) {
        model_.SetDefaultProfile(c.defaultIni, c.path);
        model_.EQBandMoved(0, 0);
        model_.EQBandMoved(4, 1024);
        MarkJournal();
        model_.ResetEqualiser();
        EXPECT_EQ(model_.EQSetting().gain[0], c.gain0) << c.name;
        EXPECT_EQ(model_.EQSetting().gain[4], c.gain4) << c.name;
        EXPECT_EQ(model_.EQEnable(), c.eq) << c.name;
        EXPECT_EQ(Register(0x120), c.gain0 & 0xFF) << c.name;
        EXPECT_EQ(Register(0x121), (c.gain0 >> 8) & 0x0F) << c.name;
        EXPECT_EQ(Register(0x129) & 0x0F, (c.gain4 >> 8) & 0x0F) << c.name;
        EXPECT_EQ(Register(0x100) & 0x04, c.eq ? 4 : 0) << c.name;
        // The 3D switch follows last, through the library.
        EXPECT_EQ(DeviceOperations().back(), L"DLLTR_Is3D_Enable_ById(0) -> 0") << c.name;
        EXPECT_EQ(model_.EQSliderOffset(0), c.gain0 == 1024 ? 512 : 171) << c.name;
        if (c.eq) model_.ToggleEQ();
    }
}

TEST_F(EffectModelTest, ExitResetLeavesEveryEffectOff) {
    model_.ToggleEQ();
    model_.Toggle3D();
    model_.Switch3DFieldRegisters(1);
    model_.ApplyEffectMode(3);
    ASSERT_NE(Register(0x100), 0);
    bool othersOff = false;
    MarkJournal();
    model_.ResetDeviceEffects([&] { othersOff = true; });
    EXPECT_TRUE(othersOff);
    EXPECT_EQ(Register(0x100), 0);
    EXPECT_EQ(Register(0x18A) & 0x40, 0);
    EXPECT_TRUE(device().With([](sim::State& s) { return !s.eqEnabled && !s.d3Enabled; }));
    Ops ops = DeviceOperations();
    EXPECT_EQ(ops.back(), L"close");
    EXPECT_NE(std::find(ops.begin(), ops.end(), L"driver request 08232008 in 00 00 00 00"),
              ops.end());
    // Without a device nothing can be reached and nothing fails.
    device().Plug(false);
    model_.ResetDeviceEffects([&] { othersOff = false; });
    EXPECT_TRUE(othersOff);
}

TEST_F(EffectModelTest, EEPROMDataBecomesPresetOneAndTheSwitches) {
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        std::vector<uint8_t> flagsReads; // what offset 7 answers first
        int result;
        bool eq, d3;
        uint16_t gain4;
    };
    const Case cases[] = {
        {"flat, equaliser off", {0x00, 0x04, 0x40, 0x00, 0x04, 0x40, 0x00, 0x84}, {}, 0, false,
         false, 1024},
        {"byte 7 = 0x14", {0x00, 0x04, 0x40, 0x00, 0x04, 0x40, 0x00, 0x14}, {}, 0, true, true,
         1024},
        {"blank twice", {0x00, 0x04, 0x40, 0x00, 0x04, 0x40, 0x00, 0xFF}, {0xFF}, 3, false, false,
         1024},
        {"blank, then 0x10", {0x00, 0x08, 0x40, 0x00, 0x04, 0x40, 0x00, 0x10}, {0xFF}, 0, true,
         true, 0},
    };
    for (const Case& c : cases) {
        EffectModel model(device_);
        model.SetSliderGeometry(1024, 120, 120);
        model.InitEffectModel();
        model.LoadInitial3DSetting();
        model.DeviceUsable(true);
        model.SelectPreset(2);
        device().PreloadEeprom(0, c.bytes);
        if (!c.flagsReads.empty()) device().QueueEepromReads(7, c.flagsReads);
        DWORD started = GetTickCount();
        EXPECT_EQ(model.GetEEPROMData(), c.result) << c.name;
        DWORD elapsed = GetTickCount() - started;
        if (!c.flagsReads.empty()) {
            EXPECT_GE(elapsed, 280u) << c.name; // the 100 ms pause and the 200 ms second look
        }
        if (c.result != 0) continue;
        EXPECT_EQ(model.EQEnable(), c.eq) << c.name;
        EXPECT_EQ(model.Enable3D(), c.d3) << c.name;
        EQ_SETTING s1;
        UnpackPreset(PresetSlotOffset(0), s1, model.Image());
        EXPECT_EQ(s1.gain[4], c.gain4) << c.name;
        EXPECT_EQ(s1.gain[0], c.bytes[1] == 0x08 ? 0x800 : 1024) << c.name;
        // The selected preset stays selected, in the model and in the registers.
        EXPECT_EQ(model.CurrentPreset(), 2) << c.name;
        EXPECT_EQ(Register(0x121), 0x04) << c.name;
        EXPECT_EQ(Register(0x100) & 0x04, c.eq ? 4 : 0) << c.name;
        EXPECT_EQ(Register(0x18A) & 0x40, c.d3 ? 0x40 : 0) << c.name;
    }
    // A failing I2C read gives 2.
    EffectModel model(device_);
    device().With([](sim::State& s) { s.failNext[eRead_I2C_ById] = 1; });
    EXPECT_EQ(model.GetEEPROMData(), 2);
}

// The lighting driven in-process against the simulated device: the library's lighting calls and
// the switch's pin reports in the device's journal, the worker threads' merging, and the [LED]
// keys of profile files.
#include "device/device_library.h"
#include "effects/led_dialog_commands.h"
#include "effects/lighting.h"
#include "simulator_fixture.h"
#include "test_support.h"

#include <windows.h>

#include <memory>

namespace {

using Ops = std::vector<std::wstring>;

std::wstring Call(const wchar_t* format, std::initializer_list<unsigned> values, int result = 0) {
    std::wstring arguments;
    for (unsigned v : values) {
        wchar_t text[16];
        swprintf(text, 16, L"%X", v);
        arguments += (arguments.empty() ? L"" : L", ") + std::wstring(text);
    }
    return std::wstring(format) + L"(" + arguments + L") -> " + std::to_wstring(result);
}

// The calls in their master form, with slave id 58 and parameter 50.
std::wstring Mode(unsigned mode, unsigned speed) {
    return Call(L"DLLTR_SetRGB_Mode", {58, 0, mode, speed, 50});
}
std::wstring Colour(unsigned index, uint32_t c) {
    return Call(L"DLLTR_SetRGB_Color", {58, 1, index, c & 0xFF, (c >> 8) & 0xFF, c >> 16, 50});
}
std::wstring Single(unsigned mode, uint32_t c) {
    return Call(L"DLLTR_SetRGB_SingleColor", {58, mode, 1, c & 0xFF, (c >> 8) & 0xFF, c >> 16, 50});
}
std::wstring Step(int result = 0) {
    return Call(L"DLLTR_SetRGB_Step", {58, 7, 50}, result);
}

Ops DefaultPalette() {
    Ops palette;
    for (unsigned i = 1; i <= 7; ++i)
        palette.push_back(Colour(i, kLedDefaultColours[i - 1]));
    return palette;
}

// The operations that begin with the prefix, in order.
Ops Only(const Ops& ops, const std::wstring& prefix) {
    Ops kept;
    for (const std::wstring& op : ops)
        if (op.rfind(prefix, 0) == 0) kept.push_back(op);
    return kept;
}

std::wstring ProfileText(const std::wstring& path, const wchar_t* key) {
    wchar_t value[256] = L"";
    GetPrivateProfileStringW(L"LED", key, L"", value, 256, path.c_str());
    return value;
}

// A track of 287 pixels at 100 with a 28-pixel thumb: 259 pixels of travel.
const SpeedTrack kTrack{100, 287, 28};

} // namespace

class LightingTest : public SimulatedDeviceTest {
  protected:
    void SetUp() override {
        SimulatedDeviceTest::SetUp();
        ASSERT_EQ(BindDeviceLibrary(), 0);
        ASSERT_EQ(dlltr::SetActive_Device(0x7A39, 0x4215), 0);
        lighting_ = MakeLighting(1, 0);
        MarkJournal();
    }

    std::unique_ptr<Lighting> MakeLighting(int pageMode, int fastRightSide) {
        auto lighting = std::make_unique<Lighting>(device_);
        lighting->TakeSkinSettings(pageMode, fastRightSide, kLedDefaultColours);
        return lighting;
    }
    // The library's calls and the pin reports since the mark.
    Ops LightingOps() {
        Ops ops;
        for (const std::wstring& op : DeviceOperations())
            if (op.rfind(L"DLLTR_SetActive", 0) != 0) ops.push_back(op);
        return ops;
    }
    // The worker has done its rounds and waits.
    static bool WorkerIdleAfter(const LedWorker& worker, int rounds) {
        return WaitUntil(
            [&] {
                return worker.Rounds() >= rounds &&
                       worker.CurrentPhase() == LedWorker::Phase::Waiting;
            },
            10000);
    }

    ActiveDevice device_{0x7A39, 0x4215, true};
    std::unique_ptr<Lighting> lighting_;
};

// The palette goes to the device once per pending request: at the first set-up, not at the
// next one, and again after the device went away; the worker then sends only the speed of the
// effect sent last. A failing call is made once more.
TEST_F(LightingTest, PaletteIsSentOncePerPendingRequest) {
    lighting_->EffectCheckImageClick(2);
    device().With([](sim::State& s) { s.failNext[eSetRGB_Step] = 1; });
    MarkJournal();
    lighting_->InitLedColors();
    // The window's set-up: the step count, the effect, the palette; the worker's round (its
    // speed) falls somewhere among the colours.
    ASSERT_TRUE(WorkerIdleAfter(lighting_->Worker(), 1));
    Ops ops = LightingOps();
    EXPECT_EQ(ops.front(), Step(9));
    EXPECT_EQ(Only(ops, L"DLLTR_SetRGB_Step"), (Ops{Step(9), Step()}));
    EXPECT_EQ(Only(ops, L"DLLTR_SetRGB_Color"), DefaultPalette());
    EXPECT_EQ(Only(ops, L"DLLTR_SetRGB_Mode"), (Ops{Mode(5, 1), Mode(5, 1)}));
    EXPECT_EQ(ops[2], Mode(5, 1));
    EXPECT_EQ(ops.size(), 11u);
    EXPECT_EQ(lighting_->State().LedColorsPending, 0);

    MarkJournal();
    lighting_->InitLedColors();
    EXPECT_EQ(LightingOps(), Ops{});

    // The device left and came back.
    lighting_->CloseLedWorker();
    MarkJournal();
    lighting_->InitLedColors();
    ASSERT_TRUE(WorkerIdleAfter(lighting_->Worker(), 2));
    ops = LightingOps();
    EXPECT_EQ(Only(ops, L"DLLTR_SetRGB_Step"), Ops{Step()});
    EXPECT_EQ(Only(ops, L"DLLTR_SetRGB_Color"), DefaultPalette());
    EXPECT_EQ(Only(ops, L"DLLTR_SetRGB_Mode"), (Ops{Mode(5, 1), Mode(5, 1)}));
    EXPECT_EQ(ops.size(), 10u);

    // Without the lighting page nothing is set up.
    auto dialogSkin = MakeLighting(0, 0);
    MarkJournal();
    dialogSkin->InitLedColors();
    EXPECT_EQ(LightingOps(), Ops{});
    EXPECT_FALSE(dialogSkin->Worker().Running());
}

// Each check sends what it selects; an effect chosen after the single colour is what shows.
TEST_F(LightingTest, ChecksSendTheSelectedState) {
    lighting_->SpeedThumbMoved(1, kTrack.barLeft + kTrack.Travel() / 2, kTrack); // breathe 124
    struct Case {
        const char* name;
        std::function<void(Lighting&)> click;
        Ops ops;
        LedCheck check;
        int deviceMode;
    };
    const Case cases[] = {
        {"off",
         [](Lighting& l) { l.ColorLEDOffCheckImageClick(); },
         {Mode(1, 1), Mode(1, 1)},
         LedCheck::Off,
         1},
        {"single",
         [](Lighting& l) { l.ColorSingleCheckImageClick(); },
         {Single(2, 0x0000FF)},
         LedCheck::Single,
         2},
        {"breathe after single",
         [](Lighting& l) { l.EffectCheckImageClick(1); },
         {Mode(4, 124), Mode(4, 124)},
         LedCheck::Breathe,
         4},
        {"pulsating",
         [](Lighting& l) { l.EffectCheckImageClick(3); },
         {Mode(6, 1), Mode(6, 1)},
         LedCheck::Pulsating,
         6},
    };
    for (const Case& c : cases) {
        MarkJournal();
        c.click(*lighting_);
        EXPECT_EQ(LightingOps(), c.ops) << c.name;
        EXPECT_EQ(lighting_->SelectedCheck(), c.check) << c.name;
        EXPECT_EQ(lighting_->State().LedDeviceMode, c.deviceMode) << c.name;
    }
    // The page's apply sends the selected effect again; without a device nothing is sent.
    MarkJournal();
    lighting_->ApplyLedPage();
    EXPECT_EQ(LightingOps(), Ops{Mode(6, 1)});
    device_.m_bDevicePresent = false;
    MarkJournal();
    lighting_->EffectCheckImageClick(2);
    lighting_->ApplyLedPage();
    EXPECT_EQ(LightingOps(), Ops{});
    EXPECT_EQ(lighting_->SelectedCheck(), LedCheck::Rainbow);
}

// A thumb at either end gives the slowest and fastest bytes, the other way round with the fast
// side on the right; only the selected effect's thumb sends its speed when let go.
TEST_F(LightingTest, SpeedThumbsAtTheEndsAndOnlyTheSelectedEffectSends) {
    struct Case {
        int fastRightSide;
        int left;
        int speed;
        int stored;
    };
    const int rightEnd = kTrack.barLeft + kTrack.Travel();
    const Case cases[] = {{0, 0, 1, 100},
                          {0, 900, 255, rightEnd + 3},
                          {1, 0, 254, 100},
                          {1, 900, 1, rightEnd + 3},
                          {0, 229, 124, 232}};
    for (const Case& c : cases) {
        auto lighting = MakeLighting(1, c.fastRightSide);
        lighting->EffectCheckImageClick(2);
        MarkJournal();
        lighting->SpeedThumbMoved(2, c.left, kTrack);
        lighting->SpeedThumbReleased(2);
        EXPECT_EQ(LightingOps(), (Ops{Mode(5, c.speed), Mode(5, c.speed)}))
            << "fast right " << c.fastRightSide << ", left " << c.left;
        EXPECT_EQ(lighting->State().Speed[1], c.speed);
        EXPECT_EQ(lighting->State().SliderPos[1], c.stored);

        // The breathe thumb is not the selected effect's: its speed is kept, nothing is sent.
        MarkJournal();
        lighting->SpeedThumbMoved(1, c.left, kTrack);
        lighting->SpeedThumbReleased(1);
        EXPECT_EQ(LightingOps(), Ops{});
        EXPECT_EQ(lighting->State().Speed[0], c.speed);
    }
}

// Let go, the selected effect's thumb sends its speed at once and once more from the worker.
TEST_F(LightingTest, ReleasedThumbWakesTheWorkerForOneMoreCommand) {
    lighting_->EffectCheckImageClick(3);
    lighting_->InitLedColors();
    ASSERT_TRUE(WorkerIdleAfter(lighting_->Worker(), 1));
    MarkJournal();
    lighting_->SpeedThumbMoved(3, kTrack.barLeft + kTrack.Travel(), kTrack);
    lighting_->SpeedThumbReleased(3);
    ASSERT_TRUE(WorkerIdleAfter(lighting_->Worker(), 2));
    EXPECT_EQ(LightingOps(), (Ops{Mode(6, 255), Mode(6, 255), Mode(6, 255)}));
}

// A colour from the dialog fills its swatch's setting and reaches the device; black (or no
// swatch) changes nothing.
TEST_F(LightingTest, SwatchColoursAndBlackChangesNothing) {
    struct Case {
        int tag;
        uint32_t colour;
        Ops ops;
        int deviceMode;
    };
    const uint32_t c = 0x203040;
    const Case cases[] = {
        {153, c, {Colour(3, c)}, 1}, {183, c, {Single(4, c)}, 4}, {184, c, {Single(2, c)}, 2}};
    for (const Case& k : cases) {
        auto lighting = MakeLighting(1, 0);
        MarkJournal();
        for (uint32_t black : {0x000000u, 0x1000000u}) {
            EXPECT_FALSE(lighting->SwatchColourChosen(k.tag, black)) << k.tag;
            EXPECT_EQ(lighting->SwatchColour(k.tag), k.tag == 153 ? 0x00FFFFu : 0x0000FFu);
        }
        EXPECT_EQ(LightingOps(), Ops{}) << k.tag;
        EXPECT_TRUE(lighting->SwatchColourChosen(k.tag, c));
        EXPECT_EQ(lighting->SwatchColour(k.tag), c);
        EXPECT_EQ(LightingOps(), k.ops) << k.tag;
        EXPECT_EQ(lighting->State().LedDeviceMode, k.deviceMode) << k.tag;
    }
    MarkJournal();
    EXPECT_FALSE(lighting_->SwatchColourChosen(150, c));
    EXPECT_EQ(LightingOps(), Ops{});
}

// The switch is one pin of the HID interface; the other pins keep what the device holds.
TEST_F(LightingTest, SwitchWritesItsPinAndKeepsTheOthers) {
    device().With([](sim::State& s) { s.pins = 0x005; });
    EXPECT_EQ(lighting_->SetLedPower(true), 0);
    EXPECT_EQ(LightingOps(), (Ops{L"pins?", L"pins=205", L"close"}));
    EXPECT_TRUE(lighting_->LedOn());
    MarkJournal();
    EXPECT_EQ(lighting_->SetLedPower(false), 0);
    EXPECT_EQ(LightingOps(), (Ops{L"pins?", L"pins=005", L"close"}));
    device().SetHidPresent(false);
    EXPECT_EQ(lighting_->SetLedPower(true), 1);
    EXPECT_TRUE(lighting_->LedOn());
}

// Saved keys come back as they were; empty and unusable values leave their setting.
TEST_F(LightingTest, ProfileKeysRoundTripAndKeepWhatTheyCannotUse) {
    TempFolder folder;
    const std::wstring saved = folder.Path() + L"saved.ini";
    lighting_->EffectCheckImageClick(1);
    lighting_->SpeedThumbMoved(1, kTrack.barLeft + kTrack.Travel(), kTrack);
    lighting_->SwatchColourChosen(155, 0x123456);
    lighting_->SetLedPower(true);
    lighting_->SaveLedProfileKeys(saved);
    EXPECT_EQ(ProfileText(saved, L"LEDON"), L"1");
    EXPECT_EQ(ProfileText(saved, L"LEDEffectMode"), L"1");
    EXPECT_EQ(ProfileText(saved, L"LEDBreatheSpeed"), L"255");
    EXPECT_EQ(ProfileText(saved, L"LEDBreatheSliderPos"),
              std::to_wstring(kTrack.barLeft + kTrack.Travel() + 3));
    EXPECT_EQ(ProfileText(saved, L"LEDColor5RGB"), std::to_wstring(0x123456));
    // The keys stand in the profile's order.
    std::string text = ReadFileBytes(saved);
    size_t at = text.find("LEDON=");
    for (const LedProfileKey& key : LedProfileKeys()) {
        size_t next = text.find(std::string(key.name, key.name + wcslen(key.name)) + "=");
        ASSERT_NE(next, std::string::npos);
        EXPECT_GT(next, at);
        at = next;
    }

    auto restored = MakeLighting(1, 0);
    device().With([](sim::State& s) { s.pins = 0; });
    MarkJournal();
    restored->ApplyLedProfileKeys(saved);
    EXPECT_EQ(LightingOps(), (Ops{L"pins?", L"pins=200", L"close", Mode(4, 255)}));
    const std::wstring again = folder.Path() + L"again.ini";
    restored->SaveLedProfileKeys(again);
    EXPECT_EQ(ReadFileBytes(again), ReadFileBytes(saved));

    const std::wstring odd = folder.Path() + L"odd.ini";
    WriteFileBytes(odd, "[LED]\r\nLEDON=on\r\nLEDOff=\r\nLEDEffectMode=4\r\nLEDBreatheSpeed=0\r\n"
                        "LEDRainbowSpeed=0x20\r\nLEDColor1RGB=$FF\r\nLEDColor2RGB=16777216\r\n");
    MarkJournal();
    restored->ApplyLedProfileKeys(odd);
    EXPECT_EQ(restored->State().LEDEffectMode, 1);
    EXPECT_EQ(restored->State().Speed[0], 255);
    EXPECT_EQ(restored->State().Speed[1], 0x20);
    EXPECT_EQ(restored->State().LEDColorRGB[0], 0x0000FF);
    EXPECT_EQ(restored->State().LEDColorRGB[1], 0xFFFF00);
    EXPECT_TRUE(restored->LedOn());
    EXPECT_EQ(LightingOps(), Ops{Mode(4, 255)});

    // A profile without lighting keys leaves the lighting as it was.
    const std::wstring none = folder.Path() + L"none.ini";
    WriteFileBytes(none, "[EQ]\r\nEQEN=1\r\n");
    restored->ApplyLedProfileKeys(none);
    EXPECT_EQ(restored->State().Speed[0], 255);
    EXPECT_EQ(restored->SelectedCheck(), LedCheck::Breathe);
}

// The dialog's command thread: any number of speed changes while it waits its merge time give
// exactly one further command, with the last speed; other effects' track bars only keep their
// speed; off and single colour go with speed 0; the slave form when the dialog says so.
TEST_F(LightingTest, DialogTrackBarBurstMergesIntoOneFurtherCommand) {
    auto commands = std::make_unique<LedDialogCommands>(true);
    EXPECT_EQ(LightingOps(), Ops{Step()});
    commands->SelectEffect(5);
    MarkJournal();
    commands->SpeedMoved(5, 10);
    ASSERT_TRUE(WaitUntil(
        [&] { return commands->Worker().CurrentPhase() == LedWorker::Phase::Merging; }, 5000));
    for (int speed = 11; speed <= 40; ++speed)
        commands->SpeedMoved(5, speed);
    ASSERT_TRUE(WorkerIdleAfter(commands->Worker(), 2));
    EXPECT_FALSE(WaitUntil([&] { return commands->Worker().Rounds() > 2; }, 1500));
    EXPECT_EQ(LightingOps(), (Ops{Mode(5, 40), Mode(5, 40)}));

    MarkJournal();
    commands->SpeedMoved(4, 99);
    commands->SelectEffect(2);
    commands->SelectEffect(4);
    commands->SetMaster(false);
    commands->SelectEffect(3);
    commands->SetBrightness(128);
    commands->SetPaletteColour(2, 0x0A0B0C);
    commands->SetEffectColour(4, 0x0A0B0C);
    EXPECT_EQ(commands->Worker().Rounds(), 2);
    EXPECT_EQ(
        LightingOps(),
        (Ops{Mode(2, 0), Mode(4, 99), Call(L"DLLTR_UsbHidSlave_SetRGB_Mode_Ex", {0, 3, 1, 50}),
             Call(L"DLLTR_UsbHidSlave_SetRGB_Brightness_Ex", {128, 50}),
             Call(L"DLLTR_UsbHidSlave_SetRGB_Color_Ex", {1, 2, 0x0C, 0x0B, 0x0A, 50}),
             Call(L"DLLTR_UsbHidSlave_SetRGB_SingleColor_Ex", {4, 1, 0x0C, 0x0B, 0x0A, 50})}));

    // Closing ends the thread without a command, also in the middle of its wait.
    commands->SpeedMoved(3, 7);
    ASSERT_TRUE(WaitUntil(
        [&] { return commands->Worker().CurrentPhase() == LedWorker::Phase::Merging; }, 5000));
    MarkJournal();
    commands.reset();
    EXPECT_EQ(LightingOps(), Ops{});
}

// The skinned window driven with the real mouse: pages, buttons, sliders and speakers, skin
// and language switches, and a screenshot of every page in both skins and in every language.
#include "file_operations.h"
#include "inspect_client.h"
#include "registry_values.h"
#include "running_panel.h"
#include "screen_input.h"
#include "simulated_device.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

std::wstring PerUserFolder() {
    wchar_t appdata[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"APPDATA", appdata, MAX_PATH);
    return std::wstring(appdata) + L"\\TRV 42xx Audio\\";
}

std::wstring ProfileValue(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    wchar_t value[256] = L"";
    GetPrivateProfileStringW(section, key, L"", value, 256, file.c_str());
    return value;
}

int Field(const std::wstring& value, int index) {
    size_t start = 0;
    for (int i = 0; i < index; ++i)
        start = value.find(L',', start) + 1;
    return _wtoi(value.c_str() + start);
}

uint8_t Register(uint16_t address) {
    return sim::SimulatedDevice::Instance().With([&](sim::State& s) { return s.registers[address]; });
}

std::wstring FirstField(const std::wstring& value) {
    return value.substr(0, value.find(L','));
}

bool EndsWith(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The page a control belongs to, by the family its name starts with; the frame, the tabs, the
// menu buttons and the device state are on every page (0).
int PageOfControl(const std::wstring& name) {
    struct Family {
        const wchar_t* prefix;
        int page;
    };
    const Family families[] = {{L"Back_EQ", 1},  {L"Back_Effect", 2}, {L"Back_Mic", 3},
                               {L"Back_Virtual", 4}, {L"Back_3D", 5}, {L"EQ", 1},
                               {L"Effect", 2},   {L"Mic", 3},         {L"Virtual", 4},
                               {L"D3", 5},       {L"Color", 6},       {L"ENC", 7},
                               {L"VM", 8}};
    for (const Family& f : families)
        if (name.compare(0, wcslen(f.prefix), f.prefix) == 0) return f.page;
    return 0;
}

struct PageTab {
    const wchar_t* tab;
    int page;
    const wchar_t* title;
};
const PageTab kPages[] = {
    {L"PageEQImage", 1, L"1-Equaliser"},   {L"Page3DImage", 5, L"5-3D"},
    {L"PageEffectImage", 2, L"2-Environment"},
    {L"PageMicImage", 3, L"3-Microphone"}, {L"PageVirtual7p1Image", 4, L"4-Virtual71"},
    {L"PageLEDImage", 6, L"6-Lighting"},   {L"PageENCImage", 7, L"7-NoiseCancelling"},
    {L"PageVMEffectImage", 8, L"8-Voice"}};

} // namespace

class PanelSkin : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::SimulatedDevice::Instance().Reset();
        WriteRegDword(L"TRV 42xx Software\\EncValueMap", L"VID_7A39&PID_4215", 15);
        RemoveTree(PerUserFolder());
    }
    void TearDown() override {
        panel_.reset();
        RemoveTree(PerUserFolder());
    }

    void ChooseSkinAndLanguage(const std::wstring& skin, const std::wstring& language) {
        CreateDirectoryW(PerUserFolder().c_str(), nullptr);
        WriteFileBytes(PerUserFile(), "[Skin]\r\nDefaultSkin=" +
                                          std::string(skin.begin(), skin.end()) +
                                          "\r\n[Language]\r\nDefaultLanguage=" +
                                          std::string(language.begin(), language.end()) + "\r\n");
    }
    static std::wstring PerUserFile() { return PerUserFolder() + L"AudioConfig.cfg"; }

    void Start(const std::wstring& folder = StagedPanelFolder()) {
        panel_ = std::make_unique<RunningPanel>(folder);
        ASSERT_TRUE(panel_->Ready());
    }
    std::map<std::wstring, std::wstring> State() { return panel_->State(); }
    void ShowPage(const wchar_t* tab, int page) {
        panel_->Click(tab);
        ASSERT_TRUE(panel_->WaitForState(L"page", std::to_wstring(page))) << tab;
    }
    std::wstring SkinFile(const std::wstring& folder = StagedPanelFolder()) {
        return folder + L"Skin\\" + State()[L"resolution"] + State()[L"skin"] +
               L"\\SkinSetting.ini";
    }
    std::wstring Picture(const std::wstring& control) {
        return panel_->ControlInfo(control)[L"picture"];
    }
    // The picture a skin key names, as the control shows it.
    bool Shows(const std::wstring& control, const wchar_t* section, const wchar_t* key) {
        std::wstring file = FirstField(ProfileValue(SkinFile(), section, key));
        return !file.empty() && EndsWith(Picture(control), file);
    }

    std::unique_ptr<RunningPanel> panel_;
};

// Every page of both skins in every language: each control shown belongs to the page (or to
// every page), has its picture or text, lies inside the window; a screenshot of each.
TEST_F(PanelSkin, EveryPageInBothSkinsAndEveryLanguage) {
    wchar_t folder[MAX_PATH] = L"";
    ASSERT_GT(GetEnvironmentVariableW(L"TRV_SCREENSHOT_DIR", folder, MAX_PATH), 0u);
    for (wchar_t* c = folder; *c; ++c)
        if (*c == L'/') *c = L'\\';
    SHCreateDirectoryExW(nullptr, folder, nullptr);
    struct Look {
        const wchar_t* skin;
        const wchar_t* language;
    };
    const Look looks[] = {{L"Midnight", L"English"},
                          {L"Daylight", L"English"},
                          {L"Midnight", L"German"},
                          {L"Midnight", L"SimplifiedChinese"}};
    for (const Look& look : looks) {
        ChooseSkinAndLanguage(look.skin, look.language);
        Start();
        ASSERT_EQ(State()[L"skin"], look.skin);
        ASSERT_EQ(State()[L"language"], look.language);
        for (const PageTab& page : kPages) {
            ShowPage(page.tab, page.page);
            std::wstring text = InspectForm(panel_->Main());
            RECT client{};
            GetClientRect(panel_->Main(), &client);
            int ownControls = 0;
            for (size_t at = 0; (at = text.find(L"control name=", at)) != std::wstring::npos;
                 ++at) {
                std::wstring line = text.substr(at, text.find(L'\n', at) - at);
                auto fields = InspectLine(line, L"control");
                if (fields[L"visible"] != L"1") continue;
                const std::wstring name = fields[L"name"];
                int belongs = PageOfControl(name);
                EXPECT_TRUE(belongs == 0 || belongs == page.page)
                    << look.skin << " page " << page.page << " shows " << name.c_str();
                if (belongs == page.page) ++ownControls;
                ControlBox b;
                swscanf(fields[L"bounds"].c_str(), L"%d,%d,%d,%d", &b.left, &b.top, &b.width,
                        &b.height);
                EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.left + b.width <= client.right &&
                            b.top + b.height <= client.bottom)
                    << look.skin << " page " << page.page << ": " << name.c_str();
                if (fields[L"kind"] == L"image") {
                    EXPECT_FALSE(fields[L"picture"].empty()) << name.c_str();
                } else if (fields[L"kind"] == L"label") {
                    EXPECT_FALSE(fields[L"text"].empty()) << name.c_str();
                }
            }
            EXPECT_GT(ownControls, 0) << look.skin << " page " << page.page;
            std::wstring file = std::wstring(folder) + L"\\" + look.skin + L"-" + look.language +
                                L"-" + page.title + L".png";
            EXPECT_TRUE(SaveWindowPicture(panel_->Main(), file)) << file.c_str();
        }
        EXPECT_EQ(panel_->Close(), 0);
        panel_.reset();
    }
}

TEST_F(PanelSkin, ButtonsSwapTheirPicturesAndGroupsKeepOneDown) {
    Start();
    // The device's own equaliser data decides whether the equaliser starts on.
    const bool on = State()[L"eq"] == L"1";
    const wchar_t* key[] = {L"EQEQENImageUp", L"EQEQENImageDown"};
    ASSERT_TRUE(Shows(L"EQEQENImage", L"EQ", key[on]));
    panel_->Click(L"EQEQENImage");
    EXPECT_TRUE(panel_->WaitForState(L"eq", on ? L"0" : L"1"));
    EXPECT_TRUE(Shows(L"EQEQENImage", L"EQ", key[!on]));
    EXPECT_EQ(Register(0x100) & 0x04, on ? 0 : 4);
    panel_->Click(L"EQEQENImage");
    EXPECT_TRUE(panel_->WaitForState(L"eq", on ? L"1" : L"0"));
    EXPECT_TRUE(Shows(L"EQEQENImage", L"EQ", key[on]));

    panel_->Click(L"EQS3Image");
    EXPECT_TRUE(panel_->WaitForState(L"preset", L"3"));
    EXPECT_TRUE(Shows(L"EQS3Image", L"EQ", L"EQS3ImageDown"));
    EXPECT_TRUE(Shows(L"EQS1Image", L"EQ", L"EQS1ImageUp"));
    // A caption forwards its press to the button it names.
    panel_->Click(L"EQS2Label");
    EXPECT_TRUE(panel_->WaitForState(L"preset", L"2"));
    EXPECT_TRUE(Shows(L"EQS2Image", L"EQ", L"EQS2ImageDown"));
    EXPECT_TRUE(Shows(L"EQS3Image", L"EQ", L"EQS3ImageUp"));
    panel_->Click(L"PageMicLabel");
    EXPECT_TRUE(panel_->WaitForState(L"page", L"3"));
}

// The close button sends the panel to the notification area, the minimise button minimises
// it (and the tray icon then hides its taskbar button); each on its first click.
TEST_F(PanelSkin, WindowButtonsActOnTheirFirstClick) {
    Start();
    HWND application = WindowsOf(panel_->Pid(), L"TApplication").front();
    ASSERT_TRUE(Shows(L"CloseImage", L"Main", L"CloseImageUp"));
    panel_->Click(L"CloseImage");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(panel_->Main()); }, 5000));
    EXPECT_TRUE(IsIconic(application));
    EXPECT_FALSE(IsWindowVisible(application));
    EXPECT_TRUE(panel_->Process().Running());
    EXPECT_TRUE(Shows(L"CloseImage", L"Main", L"CloseImageUp"));
    EXPECT_EQ(panel_->Close(), 0);

    Start();
    application = WindowsOf(panel_->Pid(), L"TApplication").front();
    panel_->Click(L"MinimizeImage");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(panel_->Main()); }, 5000));
    EXPECT_TRUE(IsIconic(application));
    EXPECT_TRUE(panel_->Process().Running());
}

// At most one of the four speaker motions runs: starting one stops the one that ran.
TEST_F(PanelSkin, OneSpeakerMotionAtATime) {
    Start();
    ShowPage(L"PageVirtual7p1Image", 4);
    struct Button {
        const wchar_t* control;
        const wchar_t* up;
        const wchar_t* down;
    };
    const Button buttons[] = {
        {L"VirtualClockwiseImage", L"VirtualClockwiseUpImage", L"VirtualClockwiseDownImage"},
        {L"VirtualCounterclockwiseImage", L"VirtualCounterclockwiseUpImage",
         L"VirtualCounterclockwiseDownImage"},
        {L"VirtualNarrowImage", L"VirtualNarrowUpImage", L"VirtualNarrowDownImage"},
        {L"VirtualEnlargeImage", L"VirtualEnlargeUpImage", L"VirtualEnlargeDownImage"}};
    // Clicked in turn: the motion of each runs alone (1 to 4); clicking the last again stops it.
    const int clicks[] = {0, 1, 2, 3, 0, 3, 3};
    const int running[] = {0, 1, 2, 3, 0, 3, -1};
    for (size_t i = 0; i < std::size(clicks); ++i) {
        panel_->Click(buttons[clicks[i]].control);
        ASSERT_TRUE(panel_->WaitForState(L"motion", std::to_wstring(running[i] + 1))) << i;
        for (int b = 0; b < 4; ++b)
            EXPECT_TRUE(Shows(buttons[b].control, L"Virtual7ch1",
                              b == running[i] ? buttons[b].down : buttons[b].up))
                << "click " << i << ": " << buttons[b].control;
    }
}

// The lighting button lights while it is held: its pin of the device follows.
TEST_F(PanelSkin, LightingButtonActsOnlyWhileHeld) {
    Start();
    auto lightingPin = [] {
        return sim::SimulatedDevice::Instance().With([](sim::State& s) { return (s.pins >> 9) & 1; });
    };
    panel_->Press(L"LEDImage");
    EXPECT_TRUE(panel_->WaitForState(L"led", L"1"));
    EXPECT_TRUE(Shows(L"LEDImage", L"Main", L"LedImageDown"));
    EXPECT_EQ(lightingPin(), 1);
    panel_->Release();
    EXPECT_TRUE(panel_->WaitForState(L"led", L"0"));
    EXPECT_TRUE(Shows(L"LEDImage", L"Main", L"LedImageUp"));
    EXPECT_EQ(lightingPin(), 0);
}

TEST_F(PanelSkin, SlidersStayWithinTheirTravel) {
    Start();
    std::wstring skin = SkinFile();
    int eqTop = Field(ProfileValue(skin, L"EQ", L"EQSlider"), 0),
        eqRange = Field(ProfileValue(skin, L"EQ", L"EQSlider"), 1);
    // The band's gain reaches its two registers: 512 at the bottom, 2559 at the top.
    panel_->Drag(L"EQ60HzSliderImage", 0, 600);
    EXPECT_EQ(panel_->Bounds(L"EQ60HzSliderImage").top, eqTop + eqRange);
    EXPECT_EQ(Register(0x120), 0x00);
    EXPECT_EQ(Register(0x121), 0x02);
    panel_->Drag(L"EQ60HzSliderImage", 0, -600);
    EXPECT_EQ(panel_->Bounds(L"EQ60HzSliderImage").top, eqTop);
    EXPECT_EQ(Register(0x120), 0xFF);
    EXPECT_EQ(Register(0x121), 0x09);

    ShowPage(L"PageMicImage", 3);
    int micTop = Field(ProfileValue(skin, L"Mic", L"MicSlider"), 0),
        micRange = Field(ProfileValue(skin, L"Mic", L"MicSlider"), 1);
    ControlBox value = panel_->Bounds(L"MicValueLabel");
    ControlBox bar = panel_->Bounds(L"MicBarImage");
    POINT top = ClientToScreenPoint(panel_->Main(), bar.CentreX(), bar.top + 1);
    MouseClickAt(top.x, top.y);
    EXPECT_TRUE(panel_->WaitForState(L"micValue", L"100"));
    EXPECT_EQ(panel_->Bounds(L"MicSliderImage").top, micTop);
    // The value label keeps the box its language file gives it for the wider text.
    EXPECT_EQ(panel_->ControlInfo(L"MicValueLabel")[L"text"], L"100");
    EXPECT_EQ(panel_->Bounds(L"MicValueLabel").width, value.width);
    EXPECT_EQ(panel_->Bounds(L"MicValueLabel").height, value.height);
    POINT bottom = ClientToScreenPoint(panel_->Main(), bar.CentreX(), bar.top + bar.height - 1);
    MouseClickAt(bottom.x, bottom.y);
    EXPECT_TRUE(panel_->WaitForState(L"micValue", L"0"));
    EXPECT_EQ(panel_->Bounds(L"MicSliderImage").top, micTop + micRange);

    ShowPage(L"PageENCImage", 7);
    int encTop = Field(ProfileValue(skin, L"ENC", L"ENCSlider"), 0);
    ControlBox field = panel_->Bounds(L"ENCBarImage");
    POINT high = ClientToScreenPoint(panel_->Main(), field.CentreX(), field.top + 1);
    MouseClickAt(high.x, high.y);
    EXPECT_TRUE(panel_->WaitForState(L"encLevel", L"30"));
    EXPECT_EQ(panel_->Bounds(L"ENCSliderImage").top, encTop);
}

// A skin without its own 3D track (a small skin of the test's own): the thumbs travel between
// the fixed rows 105 and 225 whatever the skin says.
TEST_F(PanelSkin, ThreeDThumbsKeepTheClassicRowsWithoutATrackOfTheSkin) {
    TempFolder install;
    for (const wchar_t* file : {L"Kestrel.exe", L"DLLTR_UsbAudio42xx_x32.dll", L"AudioConfig.cfg"})
        ASSERT_TRUE(CopyFileW((StagedPanelFolder() + file).c_str(),
                              (install.Path() + file).c_str(), FALSE));
    const std::wstring skin = install.Path() + L"Skin\\Test3D\\";
    CreateDirectoryW((install.Path() + L"Skin").c_str(), nullptr);
    CreateDirectoryW(skin.c_str(), nullptr);
    const std::wstring source = StagedPanelFolder() + L"Skin\\Midnight\\";
    for (const wchar_t* file : {L"MainForm.png", L"Thumb.png", L"Tab3DUp.png", L"MainForm_Frame.rgn"})
        ASSERT_TRUE(CopyFileW((source + file).c_str(), (skin + file).c_str(), FALSE));
    WriteFileBytes(skin + L"SkinSetting.ini", "[Main]\r\nMainFormImage=MainForm.png,0,0\r\n"
                                              "Page3DUpImage=Tab3DUp.png,12,128\r\n"
                                              "[3D]\r\nD3LAlphaSliderImage=Thumb.png,400,160\r\n");
    ChooseSkinAndLanguage(L"Test3D", L"English");
    Start(install.Path());
    ASSERT_EQ(State()[L"skin"], L"Test3D");
    EXPECT_FALSE(panel_->Visible(L"D3LAlphaSliderImage"));
    ShowPage(L"Page3DImage", 5);
    ASSERT_TRUE(panel_->Visible(L"D3LAlphaSliderImage"));
    panel_->Drag(L"D3LAlphaSliderImage", 0, -400);
    EXPECT_EQ(panel_->Bounds(L"D3LAlphaSliderImage").top, 105);
    panel_->Drag(L"D3LAlphaSliderImage", 0, 400);
    EXPECT_EQ(panel_->Bounds(L"D3LAlphaSliderImage").top, 225);
    EXPECT_EQ(panel_->Close(), 0);
    panel_.reset();
}

// The product's 3D page: its switch, the thumbs on the skin's own track, and the link mode
// that moves the other channel's thumb with it.
TEST_F(PanelSkin, ThreeDPageSetsTheSoundField) {
    Start();
    ShowPage(L"Page3DImage", 5);
    const std::wstring track = ProfileValue(SkinFile(), L"3D", L"D3Slider");
    const int top = Field(track, 0), range = Field(track, 1);
    panel_->Click(L"D33DENImage");
    EXPECT_TRUE(panel_->WaitForState(L"3d", L"1"));
    EXPECT_TRUE(Shows(L"D33DENImage", L"3D", L"D33DENImageDown"));
    EXPECT_EQ(Register(0x100) & 0x80, 0x80);

    // Left alpha to the top: 15, with the left beta's 3 in the same register.
    panel_->Drag(L"D3LAlphaSliderImage", 0, -400);
    EXPECT_EQ(panel_->Bounds(L"D3LAlphaSliderImage").top, top);
    EXPECT_EQ(Register(0x18B), 0xF3);
    EXPECT_EQ(Register(0x18C), 0xA3);

    // Twice on the alpha link: the channels' alphas move together.
    panel_->Click(L"D3AlphaImage");
    panel_->Click(L"D3AlphaImage");
    EXPECT_TRUE(panel_->WaitForState(L"alphaLink", L"1"));
    EXPECT_TRUE(Shows(L"D3AlphaImage", L"3D", L"D3AlphaDepImage"));
    panel_->Drag(L"D3LAlphaSliderImage", 0, 400);
    EXPECT_EQ(panel_->Bounds(L"D3LAlphaSliderImage").top, top + range);
    EXPECT_EQ(panel_->Bounds(L"D3RAlphaSliderImage").top, top + range);
    EXPECT_EQ(Register(0x18B), 0x03);
    EXPECT_EQ(Register(0x18C), 0x03);
}

TEST_F(PanelSkin, SpeakersFollowTheMouseOnlyInsideTheCircle) {
    Start();
    ShowPage(L"PageVirtual7p1Image", 4);
    std::wstring centre = ProfileValue(SkinFile(), L"Virtual7ch1", L"VirtualCenter");
    int cx = Field(centre, 0), cy = Field(centre, 1), r = Field(centre, 2);
    ControlBox before = panel_->Bounds(L"VirtualLImage");
    // Towards the centre: the icon follows, and the library gets the new arrangement.
    const uint32_t from = sim::SimulatedDevice::Instance().JournalSequence();
    panel_->Drag(L"VirtualLImage", (cx - before.left) / 2, (cy - before.top) / 2);
    ControlBox moved = panel_->Bounds(L"VirtualLImage");
    EXPECT_NE(moved.left, before.left);
    EXPECT_NE(moved.top, before.top);
    bool sent = false;
    for (const std::wstring& line : sim::SimulatedDevice::Instance().JournalLines(from))
        sent = sent || line.rfind(L"library DLLTR_SetVirtual7ch1(", 0) == 0;
    EXPECT_TRUE(sent);
    // Far out of the circle: it stops where the circle ends.
    panel_->Drag(L"VirtualLImage", -3 * r, 0);
    ControlBox after = panel_->Bounds(L"VirtualLImage");
    long dx = after.left - cx, dy = after.top - cy;
    EXPECT_LE(dx * dx + dy * dy, static_cast<long>(r) * r);
}

TEST_F(PanelSkin, WithoutADeviceGuardedControlsWarnAndChangeNothing) {
    sim::SimulatedDevice::Instance().Plug(false);
    Start();
    ASSERT_EQ(State()[L"present"], L"0");
    std::wstring picture = Picture(L"EQEQENImage");
    panel_->Click(L"EQEQENImage");
    HWND box = WaitForWindow(panel_->Pid(), L"#32770", 10000);
    ASSERT_NE(box, nullptr);
    std::wstring warning =
        ProfileValue(StagedPanelFolder() + L"Language\\" + State()[L"resolution"] + L"Language.ini",
                     L"Main", L"LabelWarning");
    EXPECT_TRUE(WaitUntil(
        [&] { return DialogText(box).find(FirstField(warning)) != std::wstring::npos; }, 5000))
        << DialogText(box).c_str();
    EXPECT_EQ(WindowText(box), L"TRV 42xx Audio");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
    EXPECT_EQ(State()[L"eq"], L"0");
    EXPECT_EQ(Picture(L"EQEQENImage"), picture);

    // The About button and the minimise button do not warn.
    panel_->Click(L"Menu3Image");
    EXPECT_TRUE(WindowsOf(panel_->Pid(), L"#32770").empty());
    panel_->Click(L"MinimizeImage");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(panel_->Main()); }, 5000));
    EXPECT_TRUE(WindowsOf(panel_->Pid(), L"#32770").empty());
}

// Without a per-user choice the panel shows the skin the layout beside the skins uses, and
// the menu marks that one.
TEST_F(PanelSkin, FirstStartMarksTheSkinThatIsShown) {
    Start();
    EXPECT_EQ(State()[L"skin"], L"");
    std::wstring main = Picture(L"MainFormImage");
    ASSERT_NE(main.find(L"\\Midnight\\"), std::wstring::npos) << main.c_str();
    EXPECT_EQ(panel_->MenuInfo(L"SkinMenu/Midnight/")[L"checked"], L"1");
    EXPECT_EQ(panel_->MenuInfo(L"SkinMenu/Daylight/")[L"checked"], L"0");
}

// Skin and language change from the tray menu while the panel runs; a skin that cannot be
// loaded changes nothing, and only an applied choice is saved.
TEST_F(PanelSkin, SkinAndLanguageSwitchAtRunTime) {
    TempFolder install;
    const std::wstring stage = StagedPanelFolder();
    for (const wchar_t* file : {L"Kestrel.exe", L"DLLTR_UsbAudio42xx_x32.dll", L"AudioConfig.cfg"})
        ASSERT_TRUE(CopyFileW((stage + file).c_str(), (install.Path() + file).c_str(), FALSE));
    ASSERT_EQ(CopyFolderTree(stage + L"Skin", install.Path() + L"Skin"), 1);
    ASSERT_EQ(CopyFolderTree(stage + L"Language", install.Path() + L"Language"), 1);
    ChooseSkinAndLanguage(L"Midnight", L"English");
    Start(install.Path());
    const std::wstring resolution = State()[L"resolution"];
    const std::wstring broken = install.Path() + L"Skin\\" + resolution + L"Broken\\";
    ASSERT_TRUE(CreateDirectoryW(broken.c_str(), nullptr));
    WriteFileBytes(broken + L"SkinSetting.ini", "[EQ]\r\nEQSlider=top,range\r\n");
    panel_->Close();
    Start(install.Path());
    ASSERT_EQ(panel_->MenuInfo(L"SkinMenu/Broken/")[L"visible"], L"1");

    panel_->ClickMenu(L"SkinMenu/Daylight/");
    ASSERT_TRUE(panel_->WaitForState(L"skin", L"Daylight"));
    EXPECT_NE(Picture(L"MainFormImage").find(L"\\Daylight\\"), std::wstring::npos);
    EXPECT_EQ(panel_->MenuInfo(L"SkinMenu/Daylight/")[L"checked"], L"1");
    EXPECT_EQ(panel_->MenuInfo(L"SkinMenu/Midnight/")[L"checked"], L"0");
    EXPECT_EQ(ProfileValue(PerUserFile(), L"Skin", L"DefaultSkin"), L"Daylight");

    std::wstring look = Picture(L"MainFormImage");
    panel_->ClickMenu(L"SkinMenu/Broken/");
    EXPECT_TRUE(panel_->WaitForDebug(L"LoadSkinSettings"));
    EXPECT_EQ(State()[L"skin"], L"Daylight");
    EXPECT_EQ(Picture(L"MainFormImage"), look);
    EXPECT_EQ(panel_->MenuInfo(L"SkinMenu/Broken/")[L"checked"], L"0");
    EXPECT_EQ(panel_->MenuInfo(L"SkinMenu/Daylight/")[L"checked"], L"1");
    EXPECT_EQ(ProfileValue(PerUserFile(), L"Skin", L"DefaultSkin"), L"Daylight");

    const std::wstring german = ProfileValue(
        install.Path() + L"Language\\" + resolution + L"German\\Language.ini", L"Main", L"LabelMenu1");
    panel_->ClickMenu(L"LanguageMenu/German/");
    ASSERT_TRUE(panel_->WaitForState(L"language", L"German"));
    EXPECT_EQ(panel_->ControlInfo(L"Menu1Label")[L"text"], FirstField(german));
    EXPECT_EQ(panel_->MenuInfo(L"LanguageMenu/German/")[L"checked"], L"1");
    EXPECT_EQ(ProfileValue(PerUserFile(), L"Language", L"DefaultLanguage"), L"German");
}

// The bee flies around the listener while its box is checked, the motions wait, and the
// speakers come back to their places when it is cleared.
TEST_F(PanelSkin, BeeDemonstrationFliesAndPutsTheSpeakersBack) {
    Start();
    ShowPage(L"PageVirtual7p1Image", 4);
    HWND box = FindWindowExW(panel_->Main(), nullptr, L"Button", L"Bee");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(box) != FALSE; }, 5000));
    const ControlBox centre = panel_->Bounds(L"VirtualCImage");
    auto clickBox = [&] {
        RECT r{};
        GetWindowRect(box, &r);
        MouseClickAt(r.left + 8, (r.top + r.bottom) / 2);
        panel_->Settle();
    };
    clickBox();
    ASSERT_TRUE(panel_->WaitForState(L"bee", L"1"));
    EXPECT_TRUE(panel_->Visible(L"BeeImage"));
    const ControlBox start = panel_->Bounds(L"BeeImage");
    EXPECT_TRUE(WaitUntil(
        [&] {
            ControlBox now = panel_->Bounds(L"BeeImage");
            return now.left != start.left || now.top != start.top;
        },
        5000));
    panel_->Click(L"VirtualClockwiseImage");
    EXPECT_EQ(State()[L"motion"], L"0");

    clickBox();
    ASSERT_TRUE(panel_->WaitForState(L"bee", L"0"));
    EXPECT_FALSE(panel_->Visible(L"BeeImage"));
    const ControlBox back = panel_->Bounds(L"VirtualCImage");
    EXPECT_LE(std::abs(back.left - centre.left), 1);
    EXPECT_LE(std::abs(back.top - centre.top), 1);
}

namespace {

BOOL CALLBACK FindVisibleEdit(HWND child, LPARAM found) {
    if (ClassOf(child) == L"Edit" && IsWindowVisible(child)) {
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
    }
    return TRUE;
}

// The file dialog the panel opens: its file name typed in, then its OK button.
bool AnswerFileDialog(DWORD pid, const std::wstring& path) {
    HWND dialog = WaitForWindow(pid, L"#32770", 15000);
    if (!dialog) return false;
    HWND edit = nullptr;
    EnumChildWindows(dialog, FindVisibleEdit, reinterpret_cast<LPARAM>(&edit));
    if (!edit) return false;
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    return WaitUntil([&] { return !IsWindow(dialog); }, 15000);
}

} // namespace

// Save and Load in the window: a profile exported through the save dialog and imported again.
TEST_F(PanelSkin, ProfilesAreExportedAndImportedThroughTheirDialogs) {
    Start();
    TempFolder folder;
    ShowPage(L"PageEffectImage", 2);
    panel_->Click(L"EffectButtonTheaterImage");
    ASSERT_TRUE(panel_->WaitForState(L"effect", L"2"));
    panel_->Click(L"Menu1Image");
    ASSERT_TRUE(AnswerFileDialog(panel_->Pid(), folder.Path() + L"mine"));
    ASSERT_TRUE(WaitUntil([&] { return FileExists(folder.Path() + L"mine.ini"); }, 10000));
    EXPECT_EQ(ProfileValue(folder.Path() + L"mine.ini", L"Effect", L"CurrentEffect"), L"2");

    panel_->Click(L"EffectButtonNonImage");
    ASSERT_TRUE(panel_->WaitForState(L"effect", L"1"));
    panel_->Click(L"Menu2Image");
    ASSERT_TRUE(AnswerFileDialog(panel_->Pid(), folder.Path() + L"mine.ini"));
    EXPECT_TRUE(panel_->WaitForState(L"effect", L"2"));
}

// A chosen skin that is refused, or whose folder lacks its layout file, gives way at start to
// the default skin rather than an empty window; the user's choice itself is kept.
TEST_F(PanelSkin, UnusableChosenSkinFallsBackToTheDefaultAtStart) {
    TempFolder install;
    const std::wstring stage = StagedPanelFolder();
    for (const wchar_t* file : {L"Kestrel.exe", L"DLLTR_UsbAudio42xx_x32.dll", L"AudioConfig.cfg"})
        ASSERT_TRUE(CopyFileW((stage + file).c_str(), (install.Path() + file).c_str(), FALSE));
    ASSERT_EQ(CopyFolderTree(stage + L"Skin", install.Path() + L"Skin"), 1);
    ASSERT_EQ(CopyFolderTree(stage + L"Language", install.Path() + L"Language"), 1);
    const struct {
        const wchar_t* skin;
        const char* layout; // null: the folder has no SkinSetting.ini
    } cases[] = {
        {L"NegativeRange",
         "[Main]\r\nMainFormImage=MainForm.png,0,0\r\n[EQ]\r\nEQSlider=190,-220\r\n"},
        {L"NotANumber", "[Main]\r\nMainFormImage=MainForm.png,0,0\r\n[Mic]\r\nMicSlider=top,9\r\n"},
        {L"NoLayout", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.skin);
        for (const wchar_t* size : {L"", L"1920x1080\\", L"1366x768\\", L"960x540\\"}) {
            const std::wstring folder = install.Path() + L"Skin\\" + size + c.skin + L"\\";
            ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
            if (c.layout) WriteFileBytes(folder + L"SkinSetting.ini", c.layout);
        }
        ChooseSkinAndLanguage(c.skin, L"English");
        Start(install.Path());
        EXPECT_EQ(State()[L"skin"], L"");
        const std::wstring main = Picture(L"MainFormImage");
        EXPECT_NE(main.find(L"\\Midnight\\"), std::wstring::npos) << main.c_str();
        EXPECT_TRUE(panel_->Visible(L"MainFormImage"));
        EXPECT_TRUE(panel_->Visible(L"PageEQImage"));
        EXPECT_EQ(panel_->MenuInfo(std::wstring(L"SkinMenu/") + c.skin + L"/")[L"checked"], L"0");
        EXPECT_EQ(ProfileValue(PerUserFile(), L"Skin", L"DefaultSkin"), c.skin);
        EXPECT_EQ(panel_->Close(), 0);
        panel_.reset();
    }
}

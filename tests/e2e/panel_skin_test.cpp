// The skinned window driven with the real mouse: pages, buttons, sliders and speakers, and
// a screenshot of every page in both skins and in every language.
#include "inspect_client.h"
#include "registry_values.h"
#include "screen_input.h"
#include "simulated_device.h"
#include "test_support.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

const DWORD kTimeout = 30000;

std::wstring StageFolder() {
    return BinFolder() + L"..\\stage\\";
}

std::wstring PerUserFolder() {
    wchar_t appdata[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"APPDATA", appdata, MAX_PATH);
    return std::wstring(appdata) + L"\\TRV 42xx Audio\\";
}

struct Box {
    int left = 0, top = 0, width = 0, height = 0;
    int CentreX() const { return left + width / 2; }
    int CentreY() const { return top + height / 2; }
};

Box BoxOf(const std::map<std::wstring, std::wstring>& fields) {
    Box b;
    auto it = fields.find(L"bounds");
    if (it != fields.end())
        swscanf(it->second.c_str(), L"%d,%d,%d,%d", &b.left, &b.top, &b.width, &b.height);
    return b;
}

// The value of a key of the resolution class's skin file the panel uses.
std::wstring SkinValue(const std::wstring& skinFile, const wchar_t* section, const wchar_t* key) {
    wchar_t value[256] = L"";
    GetPrivateProfileStringW(section, key, L"", value, 256, skinFile.c_str());
    return value;
}

int Field(const std::wstring& value, int index) {
    size_t start = 0;
    for (int i = 0; i < index; ++i)
        start = value.find(L',', start) + 1;
    return _wtoi(value.c_str() + start);
}

std::wstring FirstField(const std::wstring& value) {
    return value.substr(0, value.find(L','));
}

bool EndsWith(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

class PanelSkin : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::SimulatedDevice::Instance().Reset();
        SetEnvironmentVariableW(L"TRV42XX_SIMULATOR", L"1");
        WriteRegDword(L"TRV 42xx Software\\EncValueMap", L"VID_7A39&PID_4215", 15);
        RemoveTree(PerUserFolder());
    }
    void TearDown() override {
        if (panel_) {
            PostMessageW(main_, WM_CLOSE, 0, 0);
            if (panel_->WaitExit(kTimeout) == -1) panel_->Kill();
        }
        SetEnvironmentVariableW(L"TRV42XX_SIMULATOR", nullptr);
        RemoveTree(PerUserFolder());
    }

    void ChooseSkinAndLanguage(const std::wstring& skin, const std::wstring& language) {
        CreateDirectoryW(PerUserFolder().c_str(), nullptr);
        WriteFileBytes(PerUserFolder() + L"AudioConfig.cfg",
                       "[Skin]\r\nDefaultSkin=" + std::string(skin.begin(), skin.end()) +
                           "\r\n[Language]\r\nDefaultLanguage=" +
                           std::string(language.begin(), language.end()) + "\r\n");
    }

    void Start(const std::wstring& panelPath = StageFolder() + L"Kestrel.exe") {
        panel_ = std::make_unique<ChildProcess>(Quoted(panelPath) + L" -servicestart");
        ASSERT_TRUE(panel_->Started());
        main_ = WaitForWindow(panel_->Pid(), L"TAudioMainForm", kTimeout);
        ASSERT_NE(main_, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main_) != FALSE; }, kTimeout));
        ASSERT_TRUE(WaitUntil([&] { return !State().empty(); }, kTimeout));
        Sleep(500);
    }

    std::map<std::wstring, std::wstring> State() {
        return InspectLine(InspectForm(main_), L"state");
    }
    std::map<std::wstring, std::wstring> ControlInfo(const std::wstring& name) {
        return InspectLine(InspectForm(main_), L"control name=" + name);
    }
    Box BoundsOf(const std::wstring& name) { return BoxOf(ControlInfo(name)); }
    POINT ScreenPointOf(const std::wstring& name, int dx = 0, int dy = 0) {
        Box b = BoundsOf(name);
        return ClientToScreenPoint(main_, b.CentreX() + dx, b.CentreY() + dy);
    }
    void Click(const std::wstring& name) {
        POINT p = ScreenPointOf(name);
        MouseClickAt(p.x, p.y);
    }
    bool WaitForPage(int page) {
        return WaitUntil([&] { return State()[L"page"] == std::to_wstring(page); }, 10000, 100);
    }
    std::wstring SkinFile() {
        std::wstring resolution = State()[L"resolution"];
        return StageFolder() + L"Skin\\" + resolution + State()[L"skin"] + L"\\SkinSetting.ini";
    }

    std::unique_ptr<ChildProcess> panel_;
    HWND main_ = nullptr;
};

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
    struct Page {
        const wchar_t* tab;
        int page;
        const wchar_t* title;
    };
    const Page pages[] = {
        {L"PageEQImage", 1, L"1-Equaliser"},   {L"PageEffectImage", 2, L"2-Environment"},
        {L"PageMicImage", 3, L"3-Microphone"}, {L"PageVirtual7p1Image", 4, L"4-Virtual71"},
        {L"PageLEDImage", 6, L"6-Lighting"},   {L"PageENCImage", 7, L"7-NoiseCancelling"},
        {L"PageVMEffectImage", 8, L"8-Voice"}};
    for (const Look& look : looks) {
        ChooseSkinAndLanguage(look.skin, look.language);
        Start();
        ASSERT_EQ(State()[L"skin"], look.skin);
        ASSERT_EQ(State()[L"language"], look.language);
        for (const Page& page : pages) {
            Click(page.tab);
            ASSERT_TRUE(WaitForPage(page.page)) << look.skin << " " << page.title;
            Sleep(300);
            std::wstring text = InspectForm(main_);
            // Nothing shown lacks its picture or stands outside the window.
            RECT client{};
            GetClientRect(main_, &client);
            for (size_t at = 0; (at = text.find(L"control name=", at)) != std::wstring::npos;
                 ++at) {
                std::wstring line = text.substr(at, text.find(L'\n', at) - at);
                auto fields = InspectLine(line, L"control");
                if (fields[L"visible"] != L"1") continue;
                Box b = BoxOf(fields);
                EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.left + b.width <= client.right &&
                            b.top + b.height <= client.bottom)
                    << look.skin << " page " << page.page << ": " << fields[L"name"].c_str();
                if (fields[L"kind"] == L"image") {
                    EXPECT_FALSE(fields[L"picture"].empty()) << fields[L"name"].c_str();
                }
                if (fields[L"kind"] == L"label") {
                    EXPECT_FALSE(fields[L"text"].empty()) << fields[L"name"].c_str();
                }
            }
            std::wstring file = std::wstring(folder) + L"\\" + look.skin + L"-" + look.language +
                                L"-" + page.title + L".png";
            EXPECT_TRUE(SaveWindowPicture(main_, file)) << file.c_str();
        }
        PostMessageW(main_, WM_CLOSE, 0, 0);
        EXPECT_EQ(panel_->WaitExit(kTimeout), 0);
        panel_.reset();
    }
}

TEST_F(PanelSkin, ButtonsSwapTheirPicturesAndGroupsKeepOneDown) {
    Start();
    std::wstring skin = SkinFile();
    std::wstring up = FirstField(SkinValue(skin, L"EQ", L"EQEQENImageUp"));
    std::wstring down = FirstField(SkinValue(skin, L"EQ", L"EQEQENImageDown"));
    ASSERT_FALSE(up.empty());
    EXPECT_TRUE(EndsWith(ControlInfo(L"EQEQENImage")[L"picture"], up));
    Click(L"EQEQENImage");
    EXPECT_TRUE(WaitUntil([&] { return State()[L"eq"] == L"1"; }, 5000));
    EXPECT_TRUE(EndsWith(ControlInfo(L"EQEQENImage")[L"picture"], down));
    Click(L"EQEQENImage");
    EXPECT_TRUE(WaitUntil([&] { return State()[L"eq"] == L"0"; }, 5000));
    EXPECT_TRUE(EndsWith(ControlInfo(L"EQEQENImage")[L"picture"], up));

    Click(L"EQS3Image");
    EXPECT_TRUE(WaitUntil([&] { return State()[L"preset"] == L"3"; }, 5000));
    EXPECT_TRUE(EndsWith(ControlInfo(L"EQS3Image")[L"picture"],
                         FirstField(SkinValue(skin, L"EQ", L"EQS3ImageDown"))));
    EXPECT_TRUE(EndsWith(ControlInfo(L"EQS1Image")[L"picture"],
                         FirstField(SkinValue(skin, L"EQ", L"EQS1ImageUp"))));
}

TEST_F(PanelSkin, SlidersStayWithinTheirTravel) {
    Start();
    std::wstring skin = SkinFile();
    int eqTop = Field(SkinValue(skin, L"EQ", L"EQSlider"), 0),
        eqRange = Field(SkinValue(skin, L"EQ", L"EQSlider"), 1);
    POINT thumb = ScreenPointOf(L"EQ60HzSliderImage");
    MouseDrag(thumb.x, thumb.y, thumb.x, thumb.y + 600);
    EXPECT_EQ(BoundsOf(L"EQ60HzSliderImage").top, eqTop + eqRange);
    thumb = ScreenPointOf(L"EQ60HzSliderImage");
    MouseDrag(thumb.x, thumb.y, thumb.x, thumb.y - 600);
    EXPECT_EQ(BoundsOf(L"EQ60HzSliderImage").top, eqTop);

    Click(L"PageMicImage");
    ASSERT_TRUE(WaitForPage(3));
    int micTop = Field(SkinValue(skin, L"Mic", L"MicSlider"), 0),
        micRange = Field(SkinValue(skin, L"Mic", L"MicSlider"), 1);
    Box bar = BoundsOf(L"MicBarImage");
    POINT top = ClientToScreenPoint(main_, bar.CentreX(), bar.top + 1);
    MouseClickAt(top.x, top.y);
    EXPECT_EQ(BoundsOf(L"MicSliderImage").top, micTop);
    EXPECT_EQ(State()[L"micValue"], L"100");
    POINT bottom = ClientToScreenPoint(main_, bar.CentreX(), bar.top + bar.height - 1);
    MouseClickAt(bottom.x, bottom.y);
    EXPECT_EQ(BoundsOf(L"MicSliderImage").top, micTop + micRange);
    EXPECT_EQ(State()[L"micValue"], L"0");

    Click(L"PageENCImage");
    ASSERT_TRUE(WaitForPage(7));
    int encTop = Field(SkinValue(skin, L"ENC", L"ENCSlider"), 0);
    Box field = BoundsOf(L"ENCBarImage");
    POINT high = ClientToScreenPoint(main_, field.CentreX(), field.top + 1);
    MouseClickAt(high.x, high.y);
    EXPECT_EQ(BoundsOf(L"ENCSliderImage").top, encTop);
    EXPECT_EQ(State()[L"encLevel"], L"30");
}

// The product's skins leave the 3D page out; a small skin of the test's own places a 3D
// thumb, which travels between fixed rows whatever the skin says.
TEST_F(PanelSkin, ThreeDThumbsKeepTheirFixedTravel) {
    TempFolder install;
    for (const wchar_t* file : {L"Kestrel.exe", L"DLLTR_UsbAudio42xx_x32.dll", L"AudioConfig.cfg"})
        ASSERT_TRUE(
            CopyFileW((StageFolder() + file).c_str(), (install.Path() + file).c_str(), FALSE));
    const std::wstring skin = install.Path() + L"Skin\\Test3D\\";
    CreateDirectoryW((install.Path() + L"Skin").c_str(), nullptr);
    CreateDirectoryW(skin.c_str(), nullptr);
    const std::wstring source = StageFolder() + L"Skin\\Midnight\\";
    for (const wchar_t* file : {L"MainForm.png", L"Thumb.png", L"MainForm_Frame.rgn"})
        ASSERT_TRUE(CopyFileW((source + file).c_str(), (skin + file).c_str(), FALSE));
    WriteFileBytes(skin + L"SkinSetting.ini", "[Main]\r\nMainFormImage=MainForm.png,0,0\r\n"
                                              "[3D]\r\nD3LAlphaSliderImage=Thumb.png,400,160\r\n");
    ChooseSkinAndLanguage(L"Test3D", L"English");
    Start(install.Path() + L"Kestrel.exe");
    ASSERT_EQ(State()[L"skin"], L"Test3D");
    POINT thumb = ScreenPointOf(L"D3LAlphaSliderImage");
    MouseDrag(thumb.x, thumb.y, thumb.x, thumb.y - 400);
    EXPECT_EQ(BoundsOf(L"D3LAlphaSliderImage").top, 105);
    thumb = ScreenPointOf(L"D3LAlphaSliderImage");
    MouseDrag(thumb.x, thumb.y, thumb.x, thumb.y + 400);
    EXPECT_EQ(BoundsOf(L"D3LAlphaSliderImage").top, 225);
    PostMessageW(main_, WM_CLOSE, 0, 0);
    EXPECT_EQ(panel_->WaitExit(kTimeout), 0);
    panel_.reset();
}

TEST_F(PanelSkin, SpeakersFollowTheMouseOnlyInsideTheCircle) {
    Start();
    Click(L"PageVirtual7p1Image");
    ASSERT_TRUE(WaitForPage(4));
    std::wstring centre = SkinValue(SkinFile(), L"Virtual7ch1", L"VirtualCenter");
    int cx = Field(centre, 0), cy = Field(centre, 1), r = Field(centre, 2);
    Box before = BoundsOf(L"VirtualLImage");
    // Towards the centre: the icon follows.
    POINT from = ScreenPointOf(L"VirtualLImage");
    MouseDrag(from.x, from.y, from.x + (cx - before.left) / 2, from.y + (cy - before.top) / 2);
    Box moved = BoundsOf(L"VirtualLImage");
    EXPECT_NE(moved.left, before.left);
    EXPECT_NE(moved.top, before.top);
    // Far out of the circle: it stops where the circle ends.
    from = ScreenPointOf(L"VirtualLImage");
    MouseDrag(from.x, from.y, from.x - 3 * r, from.y);
    Box after = BoundsOf(L"VirtualLImage");
    long dx = after.left - cx, dy = after.top - cy;
    EXPECT_LE(dx * dx + dy * dy, static_cast<long>(r) * r);
}

TEST_F(PanelSkin, WithoutADeviceGuardedControlsWarnAndChangeNothing) {
    sim::SimulatedDevice::Instance().Plug(false);
    Start();
    ASSERT_EQ(State()[L"present"], L"0");
    std::wstring picture = ControlInfo(L"EQEQENImage")[L"picture"];
    Click(L"EQEQENImage");
    HWND box = WaitForWindow(panel_->Pid(), L"#32770", 10000);
    ASSERT_NE(box, nullptr);
    std::wstring warning =
        SkinValue(StageFolder() + L"Language\\" + State()[L"resolution"] + L"Language.ini", L"Main",
                  L"LabelWarning");
    EXPECT_TRUE(WaitUntil(
        [&] { return DialogText(box).find(FirstField(warning)) != std::wstring::npos; }, 5000))
        << DialogText(box).c_str();
    EXPECT_EQ(WindowText(box), L"TRV 42xx Audio");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
    EXPECT_EQ(State()[L"eq"], L"0");
    EXPECT_EQ(ControlInfo(L"EQEQENImage")[L"picture"], picture);

    // The About button and the minimise button do not warn.
    Click(L"Menu3Image");
    Sleep(800);
    EXPECT_TRUE(WindowsOf(panel_->Pid(), L"#32770").empty());
    Click(L"MinimizeImage");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(main_); }, 5000));
    EXPECT_TRUE(WindowsOf(panel_->Pid(), L"#32770").empty());
}

// The lighting, the About window and the simple-mode window of the real panel, driven with the
// real mouse: the lighting page's checks, thumbs and swatches, the lighting dialog of a skin
// without the page, the About window's texts and link; screenshots of each.
#include "file_operations.h"
#include "inspect_client.h"
#include "registry_values.h"
#include "running_panel.h"
#include "screen_input.h"
#include "simulated_device.h"
#include "version_info.h"

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Controls of the system's colour dialog.
const int kBasicColours = 0x2D0;

std::wstring PerUserFolder() {
    wchar_t appdata[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"APPDATA", appdata, MAX_PATH);
    return std::wstring(appdata) + L"\\TRV 42xx Audio\\";
}

std::wstring ScreenshotFolder() {
    wchar_t folder[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"TRV_SCREENSHOT_DIR", folder, MAX_PATH);
    for (wchar_t* c = folder; *c; ++c)
        if (*c == L'/') *c = L'\\';
    SHCreateDirectoryExW(nullptr, folder, nullptr);
    return std::wstring(folder) + L"\\";
}

sim::SimulatedDevice& Device() {
    return sim::SimulatedDevice::Instance();
}

// The library's calls since a journal mark whose names begin with name, without the
// "library " prefix and the result.
std::vector<std::wstring> LibraryCalls(uint32_t from, const std::wstring& name) {
    std::vector<std::wstring> calls;
    for (const std::wstring& line : Device().JournalLines(from))
        if (line.rfind(L"library " + name, 0) == 0)
            calls.push_back(line.substr(8, line.find(L" -> ") - 8));
    return calls;
}

std::wstring Hex(unsigned value) {
    wchar_t text[16];
    swprintf(text, 16, L"%X", value);
    return text;
}

// A colour as the journal shows its red, green and blue arguments.
std::wstring ColourArguments(const std::wstring& brush) {
    unsigned c = static_cast<unsigned>(wcstoul(brush.c_str(), nullptr, 16));
    return Hex(c & 0xFF) + L", " + Hex((c >> 8) & 0xFF) + L", " + Hex(c >> 16);
}

RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

void ClickWindow(HWND window, int dx = 0) {
    RECT r = ScreenRect(window);
    MouseClickAt((r.left + r.right) / 2 + dx, (r.top + r.bottom) / 2);
}

// The panel's colour dialog once it is up; null when none came.
HWND WaitForColourDialog(DWORD pid) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : WindowsOf(pid, L"#32770"))
                if (IsWindowVisible(w) && GetDlgItem(w, kBasicColours)) found = w;
            return found != nullptr;
        },
        10000);
    return found;
}

// Picks a basic colour with the mouse and confirms it, or cancels; the dialog is gone after.
void AnswerColourDialog(HWND dialog, bool pick) {
    if (pick) {
        RECT r = ScreenRect(GetDlgItem(dialog, kBasicColours));
        // The fourth cell of the second row of the eight by six colours.
        MouseClickAt(r.left + (r.right - r.left) * 7 / 16, r.top + (r.bottom - r.top) * 3 / 12);
    }
    ClickWindow(GetDlgItem(dialog, pick ? IDOK : IDCANCEL));
    WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 5000);
}

class LightingPanel : public ::testing::Test {
  protected:
    void SetUp() override {
        Device().Reset();
        WriteRegDword(L"TRV 42xx Software\\EncValueMap", L"VID_7A39&PID_4215", 15);
        RemoveTree(PerUserFolder());
    }
    void TearDown() override {
        panel_.reset();
        RemoveTree(PerUserFolder());
    }

    void ChooseSkinAndLanguage(const std::string& skin, const std::string& language) {
        CreateDirectoryW(PerUserFolder().c_str(), nullptr);
        WriteFileBytes(PerUserFolder() + L"AudioConfig.cfg",
                       "[Skin]\r\nDefaultSkin=" + skin +
                           "\r\n[Language]\r\nDefaultLanguage=" + language + "\r\n");
    }
    void Start(const std::wstring& folder = StagedPanelFolder()) {
        panel_ = std::make_unique<RunningPanel>(folder);
        ASSERT_TRUE(panel_->Ready());
    }
    std::map<std::wstring, std::wstring> Lighting() {
        return InspectLine(InspectForm(panel_->Main()), L"lighting");
    }
    std::wstring Picture(const std::wstring& control) {
        return panel_->ControlInfo(control)[L"picture"];
    }
    // A windowless control of another form of the panel, clicked at its centre.
    static void ClickControlOf(HWND form, const std::wstring& name) {
        auto fields = InspectLine(InspectForm(form), L"control name=" + name);
        int left = 0, top = 0, width = 0, height = 0;
        swscanf(fields[L"bounds"].c_str(), L"%d,%d,%d,%d", &left, &top, &width, &height);
        POINT p = ClientToScreenPoint(form, left + width / 2, top + height / 2);
        MouseClickAt(p.x, p.y);
    }

    std::unique_ptr<RunningPanel> panel_;
};

} // namespace

// The page's checks, thumbs and swatches each send what they choose; the palette went to the
// device once when the panel found it.
TEST_F(LightingPanel, LightingPageSendsWhatItsControlsChoose) {
    const uint32_t start = Device().JournalSequence();
    ChooseSkinAndLanguage("Midnight", "English");
    Start();
    ASSERT_TRUE(
        WaitUntil([&] { return LibraryCalls(start, L"DLLTR_SetRGB_Color(").size() == 7; }, 20000));
    EXPECT_EQ(LibraryCalls(start, L"DLLTR_SetRGB_Step").size(), 1u);
    ASSERT_EQ(Lighting()[L"pageMode"], L"1");
    panel_->Click(L"PageLEDImage");
    ASSERT_TRUE(panel_->WaitForState(L"page", L"6"));
    ASSERT_TRUE(panel_->Visible(L"Color01Shape"));

    // Checks: each shows itself selected and sends its mode (the single colour its colour).
    struct Check {
        const wchar_t* control;
        const wchar_t* check; // LedCheck's number
        const wchar_t* call;
        const wchar_t* arguments;
    };
    const Check checks[] = {
        {L"ColorLEDOffCheckImage", L"1", L"DLLTR_SetRGB_Mode", L"3A, 0, 1, 1, 32"},
        {L"ColorSingleCheckImage", L"2", L"DLLTR_SetRGB_SingleColor", L"3A, 2, 1, FF, 0, 0, 32"},
        {L"ColorBreatheCheckImage", L"3", L"DLLTR_SetRGB_Mode", L"3A, 0, 4, 1, 32"},
        {L"ColorPulsatingCheckImage", L"5", L"DLLTR_SetRGB_Mode", L"3A, 0, 6, 1, 32"},
        {L"ColorRainbowCheckImage", L"4", L"DLLTR_SetRGB_Mode", L"3A, 0, 5, 1, 32"},
    };
    for (const Check& c : checks) {
        const std::wstring up = Picture(c.control);
        const uint32_t mark = Device().JournalSequence();
        panel_->Click(c.control);
        EXPECT_EQ(Lighting()[L"check"], c.check) << c.control;
        auto calls = LibraryCalls(mark, c.call);
        ASSERT_FALSE(calls.empty()) << c.control;
        EXPECT_EQ(calls.back(), std::wstring(c.call) + L"(" + c.arguments + L")") << c.control;
        EXPECT_NE(Picture(c.control), up) << c.control << " shows its selected picture";
    }

    // The rainbow thumb (its effect selected) to the right end: the fast end of this skin.
    uint32_t mark = Device().JournalSequence();
    panel_->Drag(L"ColorRainbowSliderImage", 400, 0);
    EXPECT_EQ(Lighting()[L"speeds"], L"1,1,1");
    ASSERT_TRUE(
        WaitUntil([&] { return LibraryCalls(mark, L"DLLTR_SetRGB_Mode").size() == 3; }, 5000));
    EXPECT_EQ(LibraryCalls(mark, L"DLLTR_SetRGB_Mode").back(),
              L"DLLTR_SetRGB_Mode(3A, 0, 5, 1, 32)");
    // The others are kept for their effects and not sent.
    mark = Device().JournalSequence();
    panel_->Drag(L"ColorBreatheSliderImage", -400, 0);
    panel_->Drag(L"ColorPulsatingSliderImage", -400, 0);
    EXPECT_EQ(Lighting()[L"speeds"], L"254,1,254");
    EXPECT_TRUE(LibraryCalls(mark, L"DLLTR_SetRGB_Mode").empty());
    const ControlBox bar = panel_->Bounds(L"ColorBreatheBarImage");
    EXPECT_EQ(panel_->Bounds(L"ColorBreatheSliderImage").left, bar.left);
    EXPECT_EQ(panel_->Bounds(L"ColorRainbowSliderImage").left,
              bar.left + bar.width - panel_->Bounds(L"ColorRainbowSliderImage").width + 3);

    // Every swatch takes the highlight from the one before; three take a colour.
    struct Swatch {
        const wchar_t* control;
        bool pick;
        const wchar_t* call = nullptr;
        const wchar_t* arguments = nullptr; // before the colour
    };
    const Swatch swatches[] = {
        {L"Color01Shape", false},
        {L"Color02Shape", false},
        {L"Color03Shape", true, L"DLLTR_SetRGB_Color", L"3A, 1, 3, "},
        {L"Color04Shape", false},
        {L"Color05Shape", false},
        {L"Color06Shape", false},
        {L"Color07Shape", false},
        {L"ColorBreatheShape", true, L"DLLTR_SetRGB_SingleColor", L"3A, 4, 1, "},
        {L"ColorSingleShape", true, L"DLLTR_SetRGB_SingleColor", L"3A, 2, 1, "},
    };
    const wchar_t* previous = nullptr;
    for (const Swatch& s : swatches) {
        const std::wstring before = panel_->ControlInfo(s.control)[L"brush"];
        mark = Device().JournalSequence();
        POINT p = panel_->ScreenPoint(s.control);
        MouseClickAt(p.x, p.y);
        HWND dialog = WaitForColourDialog(panel_->Pid());
        ASSERT_NE(dialog, nullptr) << s.control;
        AnswerColourDialog(dialog, s.pick);
        panel_->Settle();
        auto info = panel_->ControlInfo(s.control);
        EXPECT_EQ(info[L"pen"], L"F0CAA6") << s.control;
        EXPECT_EQ(info[L"width"], L"3") << s.control;
        if (previous) {
            EXPECT_EQ(panel_->ControlInfo(previous)[L"pen"], L"000000") << previous;
            EXPECT_EQ(panel_->ControlInfo(previous)[L"width"], L"1") << previous;
        }
        previous = s.control;
        if (!s.pick) {
            EXPECT_EQ(info[L"brush"], before) << s.control;
            EXPECT_TRUE(LibraryCalls(mark, L"DLLTR_SetRGB").empty()) << s.control;
            continue;
        }
        EXPECT_NE(info[L"brush"], before) << s.control;
        auto calls = LibraryCalls(mark, s.call);
        ASSERT_EQ(calls.size(), 1u) << s.control;
        EXPECT_EQ(calls.front(), std::wstring(s.call) + L"(" + s.arguments +
                                     ColourArguments(info[L"brush"]) + L", 32)");
    }
    EXPECT_TRUE(SaveWindowPicture(panel_->Main(),
                                  ScreenshotFolder() + L"Midnight-English-6-Lighting-in-use.png"));

    // The simple-mode window, never shown, carries the program's version in its caption.
    std::wstring version;
    ASSERT_EQ(GetFileVersionString(StagedPanelFolder() + L"Kestrel.exe", version), 0);
    HWND simple = WaitForWindow(panel_->Pid(), L"TSimpleForm", 5000);
    ASSERT_NE(simple, nullptr);
    EXPECT_EQ(WindowText(simple), L"Simple Mode (V" + version + L")");
    EXPECT_EQ(panel_->Close(), 0);
}

namespace {

// A native child of a dialog by its class and caption (any caption when empty), in creation
// order; null when there is none.
std::vector<HWND> ChildrenOf(HWND parent, const std::wstring& className,
                             const std::wstring& caption = std::wstring()) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (_wcsicmp(ClassOf(child).c_str(), className.c_str()) == 0 &&
            (caption.empty() || WindowText(child) == caption))
            found.push_back(child);
    return found;
}

HWND ButtonOf(HWND dialog, const std::wstring& caption) {
    auto found = ChildrenOf(dialog, L"Button", caption);
    return found.empty() ? nullptr : found.front();
}

// The track bar that stands in the row of a radio button.
HWND TrackBarBeside(HWND dialog, HWND radio) {
    for (HWND bar : ChildrenOf(dialog, TRACKBAR_CLASSW))
        if (ScreenRect(bar).top == ScreenRect(radio).top) return bar;
    return nullptr;
}

bool Checked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int TrackPosition(HWND bar) {
    return static_cast<int>(SendMessageW(bar, TBM_GETPOS, 0, 0));
}

void SetProfileValue(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                     const std::wstring& value) {
    WritePrivateProfileStringW(section, key, value.c_str(), file.c_str());
}

std::wstring ProfileValue(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    wchar_t value[256] = L"";
    GetPrivateProfileStringW(section, key, L"", value, 256, file.c_str());
    return value;
}

} // namespace

// A skin without the lighting page: the LED tab opens the lighting dialog and the page stays;
// every control of the dialog sends what it chooses. The About window takes the current
// language's texts and the skin's logo each time it opens; its link opens through the shell.
TEST_F(LightingPanel, DialogWithoutTheLightingPageAndTheAboutWindow) {
    TempFolder install;
    const std::wstring stage = StagedPanelFolder();
    for (const wchar_t* file : {L"Kestrel.exe", L"DLLTR_UsbAudio42xx_x32.dll", L"AudioConfig.cfg"})
        ASSERT_TRUE(CopyFileW((stage + file).c_str(), (install.Path() + file).c_str(), FALSE));
    ASSERT_EQ(CopyFolderTree(stage + L"Skin", install.Path() + L"Skin"), 1);
    ASSERT_EQ(CopyFolderTree(stage + L"Language", install.Path() + L"Language"), 1);
    SetProfileValue(install.Path() + L"Skin\\Midnight\\SkinSetting.ini", L"LED", L"LEDPageMode",
                    L"0");
    ChooseSkinAndLanguage("Midnight", "English");
    Start(install.Path());
    ASSERT_EQ(Lighting()[L"pageMode"], L"0");
    EXPECT_FALSE(panel_->Visible(L"ColorRainbowCheckImage"));

    // The tab opens the dialog; the page stays.
    const uint32_t open = Device().JournalSequence();
    panel_->Click(L"PageLEDImage");
    HWND dialog = WaitForWindow(panel_->Pid(), L"TLEDForm", 10000);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(dialog) != FALSE; }, 10000));
    EXPECT_EQ(panel_->State()[L"page"], L"1");
    EXPECT_EQ(Lighting()[L"window"], L"1");
    EXPECT_EQ(LibraryCalls(open, L"DLLTR_SetRGB_Step"),
              std::vector<std::wstring>{L"DLLTR_SetRGB_Step(3A, 7, 32)"});
    EXPECT_TRUE(Checked(ButtonOf(dialog, L"LED Off")));
    EXPECT_TRUE(Checked(ButtonOf(dialog, L"Master")));
    EXPECT_TRUE(SaveClientPicture(dialog, ScreenshotFolder() + L"LED-dialog.png"));

    // Each effect sends its mode when chosen, with its speed from blinking on.
    const wchar_t* effects[] = {L"LED Off", L"Single color",  L"Blinking",     L"Breathe",
                                L"Rainbow", L"Multi Breathe", L"Single Random"};
    for (int code = 1; code <= 7; ++code) {
        const uint32_t mark = Device().JournalSequence();
        ClickWindow(ButtonOf(dialog, effects[code - 1]), -30);
        EXPECT_TRUE(Checked(ButtonOf(dialog, effects[code - 1]))) << code;
        EXPECT_EQ(LibraryCalls(mark, L"DLLTR_SetRGB_Mode"),
                  std::vector<std::wstring>{L"DLLTR_SetRGB_Mode(3A, 0, " + std::to_wstring(code) +
                                            L", " + (code > 2 ? L"1" : L"0") + L", 32)"})
            << code;
    }
    // A click on a speed track bar moves it; only the chosen effect's speed (Single Random's)
    // goes out, from the dialog's command thread.
    for (int code = 3; code <= 7; ++code) {
        HWND bar = TrackBarBeside(dialog, ButtonOf(dialog, effects[code - 1]));
        ASSERT_NE(bar, nullptr) << code;
        const uint32_t mark = Device().JournalSequence();
        ClickWindow(bar, 60);
        EXPECT_GT(TrackPosition(bar), 1) << code;
        if (code == 7) {
            const std::wstring sent =
                L"DLLTR_SetRGB_Mode(3A, 0, 7, " + Hex(TrackPosition(bar)) + L", 32)";
            EXPECT_TRUE(WaitUntil(
                [&] {
                    return LibraryCalls(mark, L"DLLTR_SetRGB_Mode") ==
                           std::vector<std::wstring>{sent};
                },
                5000));
        } else {
            EXPECT_TRUE(LibraryCalls(mark, L"DLLTR_SetRGB_Mode").empty()) << code;
        }
    }
    // The brightness goes out at every change.
    uint32_t mark = Device().JournalSequence();
    HWND brightness = TrackBarBeside(dialog, ChildrenOf(dialog, TRACKBAR_CLASSW).back());
    ClickWindow(brightness, -60);
    EXPECT_LT(TrackPosition(brightness), 255);
    EXPECT_EQ(LibraryCalls(mark, L"DLLTR_SetRGB_Brightness").back(),
              L"DLLTR_SetRGB_Brightness(3A, " + Hex(TrackPosition(brightness)) + L", 32)");
    // Which LEDs is shown only.
    for (const wchar_t* led : {L"LED1", L"LED2", L"LED All"}) {
        ClickWindow(ButtonOf(dialog, led), -20);
        EXPECT_TRUE(Checked(ButtonOf(dialog, led))) << led;
    }
    // The slave form after "Slave": a palette colour chosen through "Select Color" after a
    // swatch was picked and cancelled, an effect colour through its swatch.
    ClickWindow(ButtonOf(dialog, L"Slave"), -20);
    EXPECT_TRUE(Checked(ButtonOf(dialog, L"Slave")));
    for (int i = 1; i <= 7; ++i) {
        mark = Device().JournalSequence();
        ClickControlOf(dialog, L"Color" + std::to_wstring(i) + L"Shape");
        HWND colours = WaitForColourDialog(panel_->Pid());
        ASSERT_NE(colours, nullptr) << i;
        AnswerColourDialog(colours, false);
        auto outline =
            InspectLine(InspectForm(dialog), L"control name=Color" + std::to_wstring(i) + L"Shape");
        EXPECT_EQ(outline[L"pen"], L"F0CAA6") << i;
        EXPECT_EQ(outline[L"width"], L"2") << i;
        EXPECT_TRUE(LibraryCalls(mark, L"DLLTR_").empty()) << i;
    }
    mark = Device().JournalSequence();
    ClickWindow(ButtonOf(dialog, L"Select Color"));
    HWND colours = WaitForColourDialog(panel_->Pid());
    ASSERT_NE(colours, nullptr);
    AnswerColourDialog(colours, true);
    std::wstring brush = InspectLine(InspectForm(dialog), L"control name=Color7Shape")[L"brush"];
    EXPECT_EQ(LibraryCalls(mark, L"DLLTR_UsbHidSlave_SetRGB_Color_Ex"),
              std::vector<std::wstring>{L"DLLTR_UsbHidSlave_SetRGB_Color_Ex(1, 7, " +
                                        ColourArguments(brush) + L", 32)"});
    for (const wchar_t* swatch : {L"Effect2Shape", L"Effect4Shape"}) {
        mark = Device().JournalSequence();
        ClickControlOf(dialog, swatch);
        colours = WaitForColourDialog(panel_->Pid());
        ASSERT_NE(colours, nullptr) << swatch;
        AnswerColourDialog(colours, true);
        brush = InspectLine(InspectForm(dialog), std::wstring(L"control name=") + swatch)[L"brush"];
        EXPECT_EQ(LibraryCalls(mark, L"DLLTR_UsbHidSlave_SetRGB_SingleColor_Ex"),
                  std::vector<std::wstring>{L"DLLTR_UsbHidSlave_SetRGB_SingleColor_Ex(" +
                                            std::wstring(swatch[6] == L'2' ? L"2" : L"4") +
                                            L", 1, " + ColourArguments(brush) + L", 32)"})
            << swatch;
    }
    ClickWindow(ButtonOf(dialog, L"Master"), -20);
    EXPECT_TRUE(Checked(ButtonOf(dialog, L"Master")));
    ClickWindow(ButtonOf(dialog, L"Close"));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000));
    EXPECT_TRUE(WaitUntil([&] { return Lighting()[L"window"] == L"0"; }, 5000));
    EXPECT_EQ(panel_->State()[L"page"], L"1");

    // The About window, in English with Midnight's logo, then in German with Daylight's, then
    // in English again, whose web address has become a program of the test's meanwhile, so
    // that the link's opening shows.
    const std::wstring marker = install.Path() + L"marker_helper.exe";
    ASSERT_TRUE(CopyFileW((BinFolder() + L"marker_helper.exe").c_str(), marker.c_str(), FALSE));
    struct Look {
        const wchar_t* skin;
        const wchar_t* language;
        const wchar_t* screenshot;
    };
    const Look looks[] = {{L"Midnight", L"English", L"Midnight-English-About.png"},
                          {L"Daylight", L"German", L"Daylight-German-About.png"},
                          {L"Daylight", L"English", nullptr}};
    for (const Look& look : looks) {
        const std::wstring texts = install.Path() + L"Language\\" + panel_->State()[L"resolution"] +
                                   look.language + L"\\Language.ini";
        if (!look.screenshot) {
            std::wstring web = ProfileValue(texts, L"About", L"LabelWeb");
            SetProfileValue(texts, L"About", L"LabelWeb", marker + web.substr(web.find(L',')));
        }
        if (panel_->State()[L"skin"] != look.skin)
            panel_->ClickMenu(std::wstring(L"SkinMenu/") + look.skin + L"/");
        if (panel_->State()[L"language"] != look.language)
            panel_->ClickMenu(std::wstring(L"LanguageMenu/") + look.language + L"/");
        ASSERT_TRUE(panel_->WaitForState(L"language", look.language));
        ASSERT_TRUE(panel_->WaitForState(L"skin", look.skin));
        panel_->Click(L"Menu3Image");
        HWND about = WaitForWindow(panel_->Pid(), L"TAboutForm", 10000);
        ASSERT_NE(about, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(about) != FALSE; }, 10000));
        const std::wstring answer = InspectForm(about);
        auto first = [](const std::wstring& value) { return value.substr(0, value.find(L',')); };
        EXPECT_EQ(InspectLine(answer, L"control name=AboutLabel")[L"text"],
                  first(ProfileValue(texts, L"About", L"LabelAbout")));
        EXPECT_EQ(InspectLine(answer, L"control name=WebLabel")[L"text"],
                  first(ProfileValue(texts, L"About", L"LabelWeb")));
        EXPECT_EQ(WindowText(about), first(ProfileValue(texts, L"Main", L"LabelMenu3")));
        std::wstring logo = InspectLine(answer, L"control name=LOGOTRImage")[L"picture"];
        EXPECT_NE(logo.find(std::wstring(L"\\") + look.skin + L"\\"), std::wstring::npos)
            << logo.c_str();
        if (look.screenshot) {
            EXPECT_TRUE(SaveClientPicture(about, ScreenshotFolder() + look.screenshot));
        } else {
            ClickControlOf(about, L"WebLabel");
            EXPECT_TRUE(WaitUntil([&] { return FileExists(marker + L".ran"); }, 15000));
        }
        PostMessageW(about, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(about); }, 5000));
    }
    EXPECT_EQ(panel_->Close(), 0);
}

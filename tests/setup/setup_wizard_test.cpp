// A new user's way through setup, as the user goes it: the package folder's Harrow.exe on a
// system that never had the package, the language chosen, "Next >" pressed (twice, for the
// antivirus tip), the installation run to its finish page and "Finish" pressed; then the panel
// runs, started by the installed device service, against the simulated device. Screenshots of
// every page and of the panel go to the screenshot folder.
#include "debug_monitor.h"
#include "inspect_client.h"
#include "screen_input.h"
#include "simulated_device.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <shlobj.h>

namespace {

const DWORD kTimeout = 60000;

std::wstring ScreenshotPath(const std::wstring& name) {
    wchar_t folder[MAX_PATH] = L"";
    if (!GetEnvironmentVariableW(L"TRV_SCREENSHOT_DIR", folder, MAX_PATH)) return L"";
    CreateDirectoryW(folder, nullptr);
    return std::wstring(folder) + L"\\" + name + L".png";
}

void Screenshot(HWND window, const std::wstring& name) {
    std::wstring path = ScreenshotPath(name);
    ASSERT_FALSE(path.empty()) << "TRV_SCREENSHOT_DIR";
    EXPECT_TRUE(SaveWindowPicture(window, path)) << name;
}

HWND Child(HWND wizard, int id) {
    return GetDlgItem(wizard, id);
}

POINT CentreOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void ClickControl(HWND control) {
    POINT p = CentreOf(control);
    MouseClickAt(p.x, p.y);
}

std::wstring WizardLine(HWND wizard) {
    std::wstring text = InspectForm(wizard);
    size_t at = text.find(L"wizard ");
    return at == std::wstring::npos ? L"" : text.substr(at, text.find(L'\n', at) - at);
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// The message box the setup process shows, once it is there.
HWND WaitForBox(DWORD pid, DWORD timeoutMs) {
    HWND box = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : WindowsOf(pid, L"#32770"))
                if (IsWindowVisible(w)) box = w;
            return box != nullptr;
        },
        timeoutMs);
    return box;
}

std::wstring UserConfig() {
    wchar_t appData[MAX_PATH] = L"";
    SHGetSpecialFolderPathW(nullptr, appData, CSIDL_APPDATA, FALSE);
    return std::wstring(appData) + L"\\TRV 42xx Audio\\AudioConfig.cfg";
}

std::wstring ProfileValue(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    wchar_t value[256] = L"";
    GetPrivateProfileStringW(section, key, L"", value, 256, file.c_str());
    return value;
}

// Picks an entry of a drop-down list with the mouse, as a user does: a click on the arrow
// opens the list, a click on the entry chooses it. Only messages without pointers are sent to
// the other process, and strings the platform carries across.
void ChooseWithMouse(DWORD pid, HWND combo, const std::wstring& text) {
    RECT r{};
    GetWindowRect(combo, &r);
    const LRESULT fieldHeight = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    MouseClickAt(r.right - 8, r.top + static_cast<int>(fieldHeight) / 2 + 3);
    HWND list = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            for (HWND w : WindowsOf(pid, L"ComboLBox"))
                if (IsWindowVisible(w)) list = w;
            return list != nullptr;
        },
        5000));
    const LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
    ASSERT_GE(index, 0);
    const LRESULT itemHeight = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    RECT listRect{};
    GetWindowRect(list, &listRect);
    MouseClickAt(listRect.left + 20, listRect.top + 2 + static_cast<int>(itemHeight) * index +
                                         static_cast<int>(itemHeight) / 2);
}

} // namespace

TEST(SetupWizard, ANewUserInstallsThePackageAndThePanelRuns) {
    sim::SimulatedDevice::Instance().Reset();
    DebugMonitor monitor;
    wchar_t full[MAX_PATH] = L"";
    GetFullPathNameW((BinFolder() + L"..\\package\\").c_str(), MAX_PATH, full, nullptr);
    const std::wstring package = full;
    ChildProcess setup(Quoted(package + L"Harrow.exe"));
    ASSERT_TRUE(setup.Started());
    HWND wizard = WaitForWindow(setup.Pid(), L"TMainForm", kTimeout);
    ASSERT_NE(wizard, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(wizard) != FALSE; }, kTimeout));
    ASSERT_TRUE(monitor.WaitFor(setup.Pid(), L"==> TMainForm::FormShow", kTimeout));
    HWND background = WaitForWindow(setup.Pid(), L"TBackgroundForm", kTimeout);
    ASSERT_NE(background, nullptr);

    // The language page in the package's default language, over the background picture.
    HWND next = Child(wizard, 1001), finish = Child(wizard, 1002), cancel = Child(wizard, IDCANCEL);
    HWND combo = FindWindowExW(wizard, nullptr, L"ComboBox", nullptr);
    ASSERT_TRUE(next && finish && cancel && combo);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(wizard) == L"TRV 42xx Audio Setup (V1.0.0.0)"; },
                          kTimeout))
        << WindowText(wizard);
    EXPECT_EQ(WindowText(next), L"Next >");
    EXPECT_EQ(WindowText(cancel), L"Cancel");
    EXPECT_FALSE(IsWindowEnabled(finish));
    std::wstring controls = InspectForm(wizard);
    EXPECT_NE(controls.find(L"text=Select language:"), std::wstring::npos) << controls;
    EXPECT_NE(
        InspectForm(background).find(L"picture=" + package + L"Skin\\1366x768\\Background.png"),
        std::wstring::npos)
        << InspectForm(background);
    RECT screen{}, backgroundRect{};
    GetWindowRect(GetDesktopWindow(), &screen);
    GetWindowRect(background, &backgroundRect);
    EXPECT_TRUE(EqualRect(&screen, &backgroundRect));
    Screenshot(background, L"setup-1-language");

    // Choosing a language applies its texts and keeps the choice at once.
    ChooseWithMouse(setup.Pid(), combo, L"Deutsch");
    EXPECT_TRUE(WaitUntil([&] { return WindowText(next) == L"Weiter >"; }, 10000))
        << WindowText(next);
    EXPECT_EQ(ProfileValue(UserConfig(), L"Language", L"DefaultLanguage"), L"German");
    Screenshot(wizard, L"setup-2-language-german");
    ChooseWithMouse(setup.Pid(), combo, L"English");
    EXPECT_TRUE(WaitUntil([&] { return WindowText(next) == L"Next >"; }, 10000));
    EXPECT_EQ(ProfileValue(UserConfig(), L"Language", L"DefaultLanguage"), L"English");

    // Tab moves on to the next control; Return presses the page's default button, which first
    // shows the antivirus tip and stays on the language page.
    EXPECT_EQ(FocusOf(wizard), combo);
    KeyPress(VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(wizard) == next; }, 5000));
    KeyPress(VK_RETURN);
    HWND tip = WaitForBox(setup.Pid(), kTimeout);
    ASSERT_NE(tip, nullptr);
    SetForegroundWindow(tip);
    EXPECT_EQ(WindowText(tip), L"Install");
    EXPECT_NE(DialogText(tip).find(L"antivirus"), std::wstring::npos) << DialogText(tip);
    KeyPress(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(tip) || !IsWindowVisible(tip); }, 10000));
    EXPECT_NE(WizardLine(wizard).find(L"page=0"), std::wstring::npos);

    // The second press installs. The headset is attached, so the driver preparation reports
    // that its extension does not answer until the new driver is in place.
    ClickControl(next);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return WizardLine(wizard).find(L"page=1") != std::wstring::npos ||
                   WizardLine(wizard).find(L"page=2") != std::wstring::npos;
        },
        kTimeout));
    Screenshot(wizard, L"setup-3-install");
    std::vector<std::wstring> boxes;
    while (WizardLine(wizard).find(L"page=2") == std::wstring::npos) {
        HWND box = WaitForBox(setup.Pid(), 500);
        if (!box) continue;
        boxes.push_back(DialogText(box));
        SetForegroundWindow(box);
        KeyPress(VK_RETURN);
        WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 10000);
        ASSERT_LT(boxes.size(), 5u);
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(L"does not answer"), std::wstring::npos) << boxes[0];

    // The finish page: only "Finish" is offered; the bar stands at 100.
    std::wstring finished = WizardLine(wizard);
    EXPECT_NE(finished.find(L"progress=100"), std::wstring::npos) << finished;
    EXPECT_NE(finished.find(L"finish=visible,enabled"), std::wstring::npos) << finished;
    EXPECT_NE(finished.find(L"next=hidden"), std::wstring::npos) << finished;
    EXPECT_NE(finished.find(L"cancel=hidden"), std::wstring::npos) << finished;
    Screenshot(wizard, L"setup-4-finish");

    // "Finish" ends setup and starts the panel through the installed device service.
    ClickControl(finish);
    EXPECT_EQ(setup.WaitExit(kTimeout), 0);
    HWND panel = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (panel = FindWindowW(L"TAudioMainForm", nullptr)) && IsWindowVisible(panel); },
        kTimeout));
    EXPECT_TRUE(WaitUntil(
        [&] { return InspectForm(panel).find(L"present=1") != std::wstring::npos; }, kTimeout))
        << InspectForm(panel);
    Screenshot(panel, L"setup-5-panel");
    PostMessageW(panel, WM_CLOSE, 0, 0);
    EXPECT_TRUE(
        WaitUntil([&] { return FindWindowW(L"TAudioMainForm", nullptr) == nullptr; }, kTimeout));
}

// Escape cancels the wizard: the program ends without installing anything more.
TEST(SetupWizard, EscapeCancels) {
    ChildProcess setup(Quoted(BinFolder() + L"..\\package\\Harrow.exe"));
    HWND wizard = WaitForWindow(setup.Pid(), L"TMainForm", kTimeout);
    ASSERT_NE(wizard, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(wizard) != FALSE; }, kTimeout));
    POINT empty = ClientToScreenPoint(wizard, 300, 95); // beside the list, on the page itself
    MouseClickAt(empty.x, empty.y);
    KeyPress(VK_ESCAPE);
    EXPECT_EQ(setup.WaitExit(kTimeout), 0);
}

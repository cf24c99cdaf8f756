#include "panel_fixture.h"
#include "simulated_device.h"

namespace {
const DWORD kTimeout = 30000;

bool DeviceJournalHas(const std::wstring& line, DWORD timeoutMs) {
    return WaitUntil(
        [&] {
            for (const std::wstring& l : sim::SimulatedDevice::Instance().JournalLines())
                if (l == line) return true;
            return false;
        },
        timeoutMs);
}

// Presses OK on the next message box of the process and returns its caption and text.
std::pair<std::wstring, std::wstring> AnswerMessageBox(ChildProcess& process) {
    HWND box = WaitForWindow(process.Pid(), L"#32770", kTimeout);
    if (!box) return {L"<none>", L""};
    std::wstring text;
    WaitUntil([&] { return !(text = DialogText(box)).empty(); }, 10000);
    std::wstring caption = WindowText(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !IsWindow(box); }, 10000);
    return {caption, text};
}
} // namespace

class PanelDevice : public PanelFixture {
  protected:
    void TearDown() override {
        SetEnvironmentVariableW(L"TRV42XX_SIMULATOR", nullptr);
        PanelFixture::TearDown();
    }
};

TEST_F(PanelDevice, WithTheSimulatorTheLibraryIsBoundAndTheDeviceFound) {
    sim::SimulatedDevice& device = sim::SimulatedDevice::Instance();
    ASSERT_TRUE(device.Available());
    device.Reset();
    SetEnvironmentVariableW(L"TRV42XX_SIMULATOR", L"1");
    auto panel = StartPanel(L"-servicestart");
    EXPECT_TRUE(DeviceJournalHas(L"library DLLTR_SetActive_Device(7A39, 4215) -> 0", kTimeout));
    EXPECT_TRUE(
        DeviceJournalHas(L"driver open \\\\.\\Class#UsbAudioExtension&7A39&4215", kTimeout));
    EXPECT_NE(WaitForWindow(panel->Pid(), L"TAudioMainForm", kTimeout), nullptr);
    ClosePanel(*panel);
}

TEST_F(PanelDevice, MissingLibraryIsReportedAndEndsThePanel) {
    DeleteFileW((folder_.Path() + L"DLLTR_UsbAudio42xx_x32.dll").c_str());
    auto panel = StartPanel(L"-servicestart");
    auto [caption, text] = AnswerMessageBox(*panel);
    EXPECT_EQ(caption, L"Error");
    EXPECT_EQ(text.substr(0, 10), L"error 126:") << text;
    auto [caption2, text2] = AnswerMessageBox(*panel);
    EXPECT_NE(text2.find(L"***** Open_DLLTR_UsbAudio42xx, ret = 1 *****"), std::wstring::npos)
        << text2;
    EXPECT_EQ(panel->WaitExit(kTimeout), 0);
    EXPECT_NE(monitor_.TextOf(panel->Pid()).find(L"***** Open_DLLTR_UsbAudio42xx, ret = 1 *****"),
              std::wstring::npos);
}

TEST_F(PanelDevice, MissingEntryPointGivesItsPositionPlusOne) {
    ASSERT_TRUE(CopyFileW((BinFolder() + L"incomplete-library\\DLLTR_UsbAudio42xx_x32.dll").c_str(),
                          (folder_.Path() + L"DLLTR_UsbAudio42xx_x32.dll").c_str(), FALSE));
    auto panel = StartPanel(L"-servicestart");
    auto [caption, text] = AnswerMessageBox(*panel);
    EXPECT_NE(text.find(L"***** Open_DLLTR_UsbAudio42xx, ret = 25 *****"), std::wstring::npos)
        << text;
    EXPECT_EQ(panel->WaitExit(kTimeout), 0);
    EXPECT_NE(monitor_.TextOf(panel->Pid()).find(L"***** DLLTR_UsbHidSlave_SetRGB_Step_Ex *****\n"),
              std::wstring::npos);
}

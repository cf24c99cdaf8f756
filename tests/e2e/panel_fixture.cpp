#include "panel_fixture.h"

#include "service_control.h"

void PanelFixture::SetUp() {
    ASSERT_TRUE(monitor_.Active());
    ASSERT_TRUE(CopyFileW((BinFolder() + L"Kestrel.exe").c_str(), PanelPath().c_str(), FALSE));
    ASSERT_TRUE(CopyFileW((BinFolder() + L"DLLTR_UsbAudio42xx_x32.dll").c_str(),
                          (folder_.Path() + L"DLLTR_UsbAudio42xx_x32.dll").c_str(), FALSE));
    WriteConfig(DefaultConfig());
    journal_ = folder_.Path() + L"meridel-journal.txt";
}

void PanelFixture::TearDown() {
    meridel_.reset();
}

std::wstring PanelFixture::DefaultConfig(const std::wstring& title) {
    return L"[Install]\r\nInstallAppTitle=" + title +
           L"\r\n[Skin]\r\nRegionCut=1\r\n[Simple]\r\nEnable=0\r\n"
           L"[USB_VID_PID]\r\n1=USB\\VID_7A39&PID_42XX&REV_0100&MI_00,"
           L"ECeFCOn8qwiU5YH8ofGvnEf2oVJLzGd0q8uzFl3Kfxm4WMIVGmhUXw==\r\n";
}

void PanelFixture::WriteConfig(const std::wstring& text) {
    WriteUtf16File(folder_.Path() + L"AudioConfig.cfg", text);
}

void PanelFixture::InstallMeridel() {
    meridel_ = std::make_unique<TestService>(L"Meridel", Quoted(BinFolder() + L"Meridel.exe") +
                                                             L" --journal " + Quoted(journal_));
    ASSERT_TRUE(meridel_->Installed());
    ASSERT_EQ(ControlTheService(L"Meridel", ServiceControlStart), ServiceOk);
}

bool PanelFixture::JournalHas(const std::wstring& line, DWORD timeoutMs) const {
    return WaitUntil([&] { return JournalText().find(line + L"\r\n") != std::wstring::npos; },
                     timeoutMs);
}

std::unique_ptr<ChildProcess> PanelFixture::StartPanel(const std::wstring& arguments) {
    auto panel = std::make_unique<ChildProcess>(Quoted(PanelPath()) +
                                                (arguments.empty() ? L"" : L" " + arguments));
    EXPECT_TRUE(panel->Started());
    return panel;
}

void PanelFixture::ClosePanel(ChildProcess& panel) {
    for (HWND main : WindowsOf(panel.Pid(), L"TAudioMainForm"))
        PostMessageW(main, WM_CLOSE, 0, 0);
    if (panel.WaitExit(20000) == -1) panel.Kill();
}

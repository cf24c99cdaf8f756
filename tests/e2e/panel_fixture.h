#pragma once
// An installed panel in a folder of its own, the stand-in device service registered as
// "Meridel" with a journal, and the debug output of every process collected.
#include "running_panel.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <memory>

class PanelFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The configuration every test starts from; tests may rewrite it before starting.
    static std::wstring DefaultConfig(const std::wstring& title = std::wstring());
    void WriteConfig(const std::wstring& text);
    std::wstring PanelPath() const { return folder_.Path() + L"Kestrel.exe"; }
    std::unique_ptr<ChildProcess> StartPanel(const std::wstring& arguments);
    void InstallMeridel();
    std::wstring JournalText() const { return ReadTextFile(journal_); }
    bool JournalHas(const std::wstring& line, DWORD timeoutMs = 5000) const;

    // Closes every panel window left and waits for the process.
    static void ClosePanel(ChildProcess& panel);

    TempFolder folder_;
    std::wstring journal_;
    std::unique_ptr<TestService> meridel_;
    DebugMonitor& monitor_ = SharedDebugMonitor();
};

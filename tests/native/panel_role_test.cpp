#include "debug_output.h"
#include "shell/panel_role.h"
#include "text_helpers.h"

#include <gtest/gtest.h>

TEST(PanelRole, FirstSwitchInOrderDecides) {
    struct Case {
        std::vector<std::wstring> params;
        PanelRole role;
    };
    const Case cases[] = {
        {{L"k.exe"}, PanelRole::RelayNoSwitch},
        {{L"k.exe", L"-boot"}, PanelRole::RelayBoot},
        {{L"k.exe", L"-BOOT"}, PanelRole::RelayBoot},
        {{L"k.exe", L"-Boot"}, PanelRole::RelayBoot},
        {{L"k.exe", L"-servicestart"}, PanelRole::Running},
        {{L"k.exe", L"-ServiceBoot"}, PanelRole::Running},
        {{L"k.exe", L"x", L"-boot", L"-servicestart"}, PanelRole::RelayBoot},
        {{L"k.exe", L"-servicestart", L"-boot"}, PanelRole::Running},
        {{L"k.exe", L"--boot"}, PanelRole::RelayNoSwitch},
        {{L"k.exe", L"-bootx"}, PanelRole::RelayNoSwitch},
        {{L"k.exe", L"", L"-start"}, PanelRole::RelayNoSwitch},
        {{L"-boot"}, PanelRole::RelayNoSwitch}, // parameter 0 is the program itself
    };
    for (const Case& c : cases) EXPECT_EQ(ChoosePanelRole(c.params), c.role) << c.params.size();
}

TEST(PanelRole, LogsEachParameterLowerCasedUpToTheDecision) {
    DebugCapture capture;
    ChoosePanelRole({L"K.EXE", L"Foo", L"-ServiceStart", L"-boot"});
    EXPECT_EQ(capture.Writes(), (std::vector<std::wstring>{L"foo", L"-servicestart"}));
}

TEST(PanelRole, LaterChecksAreCaseSensitiveSubstrings) {
    EXPECT_TRUE(CommandLineHas(L"\"C:\\k.exe\" -serviceboot", L"-serviceboot"));
    EXPECT_FALSE(CommandLineHas(L"\"C:\\k.exe\" -ServiceBoot", L"-serviceboot"));
    EXPECT_TRUE(CommandLineHas(L"k.exe -starting", L"-start"));
}

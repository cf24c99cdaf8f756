#include "setup_fixture.h"

#include "file_operations.h"
#include "setup_names.h"

#include <shlobj.h>

class UserManualStep : public SetupFixture {};

// The manual of the chosen language, when its folder holds a regular file.
TEST_F(UserManualStep, InstallsTheChosenLanguagesManualOnlyWhenItHasAFile) {
    struct Case {
        const wchar_t* language;
        std::vector<const wchar_t*> entries; // folders end in a backslash
        const wchar_t* linkTarget;           // empty: no manual and no shortcut
    };
    const Case cases[] = {
        {L"English", {}, L"Manual\\English\\Manual.txt"},
        {L"German", {}, L""}, // no folder for it
        {L"Odd", {L".hidden.pdf", L"Sub\\"}, L""},
        {L"Mixed", {L".first.pdf", L"Sub\\", L"Guide.pdf"}, L"Manual\\Mixed\\Guide.pdf"},
    };
    const std::wstring link = SpecialFolder(CSIDL_COMMON_PROGRAMS) +
                              state_.folders.ShortcutFolderName + L"\\TRV 42xx Audio Manual.lnk";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        RemoveInstallation();
        for (const wchar_t* entry : c.entries) {
            std::wstring path = Source() + L"Manual\\" + c.language + L"\\" + entry;
            CreateFolderPath(path);
            if (path.back() != L'\\') WriteFileBytes(path, "manual");
        }
        WriteFileBytes(state_.userDataFolder + kAppConfigFileName,
                       "[Language]\r\nDefaultLanguage=" +
                           std::string(c.language, c.language + wcslen(c.language)) + "\r\n");
        InstallSequence sequence(state_, nullptr);
        EXPECT_EQ(sequence.Copy_UserManual(), InstallStepOk);
        const std::wstring target =
            *c.linkTarget ? state_.folders.InstallFolderFullPath + c.linkTarget : L"";
        EXPECT_EQ(LinkTarget(link), target);
        EXPECT_EQ(FileExists(target), *c.linkTarget != 0);
        EXPECT_EQ(FolderExists(state_.folders.InstallFolderFullPath + L"Manual\\"),
                  *c.linkTarget != 0);
    }
}

class UpdateStep : public SetupFixture {};

// Only a 64-bit Windows 7 with a service pack and without the update gets it; the user is
// told first. The outcome of the platform's update installer is not looked at.
TEST_F(UpdateStep, RunsOnlyOnA64BitWindows7WithServicePackThatLacksIt) {
    struct Case {
        bool is64;
        int family;
        int servicePack;
        bool installed;
        const wchar_t* line; // empty: the update is due
    };
    const Case cases[] = {
        {false, 4, 1, false, L"##### The OS is 32-Bit #####\n"},
        {true, 6, 0, false, L"##### The OS is not Win7 #####\n"},
        {true, 4, 0, false, L"##### The OS is Win7, but not install the service pack! #####\n"},
        {true, 4, 1, true, L""},
        {true, 4, 1, false, L"***** Service pack KDB3033929 not EXIST! *****\n"},
    };
    const std::wstring packages =
        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Component Based Servicing\\Packages\\";
    const std::wstring present =
        packages + L"Package_for_KB3033929~31bf3856ad364e35~amd64~~6.1.1.2";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        state_.is64 = c.is64;
        state_.osFamily = c.family;
        state_.servicePack = c.servicePack;
        if (c.installed) {
            HKEY key = nullptr;
            RegCreateKeyExW(HKEY_LOCAL_MACHINE, present.c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &key, nullptr);
            RegCloseKey(key);
        }
        size_t boxesBefore = boxes_.Texts().size();
        size_t writesBefore = debug_.Writes().size();
        InstallSequence sequence(state_, nullptr);
        unsigned result = sequence.Install_KB3033929();
        const std::vector<std::wstring> all = debug_.Writes();
        std::vector<std::wstring> writes(all.begin() + writesBefore, all.end());
        bool due = std::wstring(c.line).rfind(L"*****", 0) == 0;
        if (*c.line) {
            ASSERT_FALSE(writes.empty());
            EXPECT_EQ(writes.front(), c.line);
        } else {
            EXPECT_TRUE(writes.empty());
        }
        const std::vector<std::wstring> boxes = boxes_.Texts();
        ASSERT_EQ(boxes.size() - boxesBefore, due ? 1u : 0u);
        if (due) {
            EXPECT_EQ(boxes.back(), state_.Text(LabelWarning4));
            // The package is started through its file association; where the system has none
            // for it the step fails with its own code.
            EXPECT_TRUE(result == InstallStepOk || result == UpdateNotStarted);
            EXPECT_EQ(result == UpdateNotStarted,
                      writes.back() == L"***** TMainForm::Install_KB3033929 (0x80000601) *****\n");
        } else {
            EXPECT_EQ(result, InstallStepOk);
        }
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, present.c_str(), KEY_WOW64_64KEY, 0);
    }
}

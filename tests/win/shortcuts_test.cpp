#include "shortcuts.h"
#include "test_support.h"
#include "win_handles.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

namespace {

std::wstring SpecialFolder(int id) {
    wchar_t path[MAX_PATH] = L"";
    SHGetSpecialFolderPathW(nullptr, path, id, FALSE);
    return path;
}

// The target of a saved link, read back through the shell.
std::wstring LinkTarget(const std::wstring& linkPath) {
    ComScope com;
    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put_void())))
        return L"<no shell link>";
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.put_void())) || FAILED(file->Load(linkPath.c_str(), STGM_READ)))
        return L"<not loaded>";
    wchar_t target[MAX_PATH] = L"";
    link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
    return target;
}

} // namespace

TEST(Shortcuts, StartMenuLinkGoesIntoItsFolder) {
    TempFolder temp;
    const std::wstring target = temp.Path() + L"Kestrel.exe";
    WriteFileBytes(target, "MZ");
    const std::wstring folder = SpecialFolder(CSIDL_COMMON_PROGRAMS) + L"\\TRV Test Folder";
    RemoveTree(folder);

    CreateStartMenuShortcut(L"TRV Test Folder", target, L"TRV Panel");
    const std::wstring link = folder + L"\\TRV Panel.lnk";
    ASSERT_TRUE(FileExists(link));
    EXPECT_EQ(LinkTarget(link), target);
    CreateStartMenuShortcut(L"TRV Test Folder", target, L"Second"); // folder exists already
    EXPECT_TRUE(FileExists(folder + L"\\Second.lnk"));
    RemoveTree(folder);
}

TEST(Shortcuts, DesktopLinkNeedsNoFolder) {
    TempFolder temp;
    const std::wstring target = temp.Path() + L"Kestrel.exe";
    WriteFileBytes(target, "MZ");
    const std::wstring link = SpecialFolder(CSIDL_DESKTOPDIRECTORY) + L"\\TRV Test Panel.lnk";
    DeleteFileW(link.c_str());
    CreateDesktopShortcut(target, L"TRV Test Panel");
    ASSERT_TRUE(FileExists(link));
    EXPECT_EQ(LinkTarget(link), target);
    DeleteFileW(link.c_str());
}

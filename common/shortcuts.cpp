#include "shortcuts.h"

#include "win_handles.h"

#include <shlobj.h>
#include <shobjidl.h>

namespace {

void SaveLink(int folderId, const std::wstring& subfolder, const std::wstring& targetPath,
              const std::wstring& shortcutName) {
    ComScope com;
    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put_void())))
        return;
    link->SetPath(targetPath.c_str());
    wchar_t folder[MAX_PATH];
    if (!SHGetSpecialFolderPathW(nullptr, folder, folderId, FALSE)) return;
    std::wstring path = folder;
    if (!subfolder.empty()) {
        path += L"\\" + subfolder;
        CreateDirectoryW(path.c_str(), nullptr);
    }
    path += L"\\" + shortcutName + L".lnk";
    if (path.size() >= MAX_PATH) return;
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.put_void()))) return;
    file->Save(path.c_str(), TRUE);
}

} // namespace

void CreateStartMenuShortcut(const std::wstring& folderName, const std::wstring& targetPath,
                             const std::wstring& shortcutName) {
    SaveLink(CSIDL_COMMON_PROGRAMS, folderName, targetPath, shortcutName);
}

void CreateDesktopShortcut(const std::wstring& targetPath, const std::wstring& shortcutName) {
    SaveLink(CSIDL_DESKTOPDIRECTORY, std::wstring(), targetPath, shortcutName);
}

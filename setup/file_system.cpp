#include "file_system.h"

#include "fs_redirection.h"
#include "win_handles.h"

std::wstring FirstRegularFile(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    UniqueFindHandle find(FindFirstFileW((folder + L"*.*").c_str(), &found));
    if (!find) return std::wstring();
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && found.cFileName[0] != L'.')
            return found.cFileName;
    } while (FindNextFileW(find.get(), &found));
    return std::wstring();
}

void SetNormalAttributes(const std::wstring& path) {
    std::wstring target = path;
    if (target.size() > 3 && target.back() == L'\\') target.pop_back();
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

RedirectionOff::RedirectionOff(bool is64) : active_(is64) {
    if (active_) DisableFsRedirection(&previous_);
}

RedirectionOff::~RedirectionOff() {
    if (active_) RevertFsRedirection(previous_);
}

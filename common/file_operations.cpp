#include "file_operations.h"

#include "debug_output.h"
#include "win_handles.h"

namespace {

// The text after the last backslash, ignoring one trailing backslash; false when none.
bool LastElement(const std::wstring& path, std::wstring& element) {
    std::wstring trimmed = path;
    if (!trimmed.empty() && trimmed.back() == L'\\') trimmed.pop_back();
    size_t slash = trimmed.rfind(L'\\');
    if (slash == std::wstring::npos) return false;
    element = trimmed.substr(slash + 1);
    return true;
}

std::wstring Join(const std::wstring& folder, const std::wstring& name) {
    if (!folder.empty() && folder.back() == L'\\') return folder + name;
    return folder + L'\\' + name;
}

void LogCreateDirectory(const std::wstring& shown, bool created) {
    DebugPrint(L"##### Create Directory = %s\n", shown);
    if (!created) DebugPrint(L"***** Create Directory FAIL! *****\n");
}

// A junction or symbolic link stands for another place: following it could copy a whole
// drive, or the copy into itself without end. Links carry a name-surrogate tag; Wine lists a
// host symbolic link with the reparse attribute and no tag at all. Other reparse points (cloud
// placeholders) are ordinary files and folders.
bool IsLink(const WIN32_FIND_DATAW& entry) {
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
           (entry.dwReserved0 == 0 || IsReparseTagNameSurrogate(entry.dwReserved0));
}

std::wstring FullPath(const std::wstring& path) {
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), needed, &full[0], nullptr);
    full.resize(length < needed ? length : 0);
    while (full.size() > 3 && full.back() == L'\\')
        full.pop_back();
    return full;
}

// True when inner is the folder itself or lies inside it (names compared as the file system
// does, without regard to case).
bool IsSameOrInside(const std::wstring& inner, const std::wstring& folder) {
    const std::wstring a = FullPath(inner), b = FullPath(folder);
    if (a.empty() || b.empty() || a.size() < b.size()) return false;
    if (CompareStringOrdinal(a.c_str(), static_cast<int>(b.size()), b.c_str(),
                             static_cast<int>(b.size()), TRUE) != CSTR_EQUAL)
        return false;
    return a.size() == b.size() || a[b.size()] == L'\\' || b.back() == L'\\';
}

} // namespace

int CopyOneFile(const std::wstring& source, const std::wstring& destination) {
    return CopyFileW(source.c_str(), destination.c_str(), FALSE);
}

int CopyFolderTree(const std::wstring& source, const std::wstring& destination) {
    std::wstring sourceName, destinationName;
    if (!LastElement(source, sourceName) || !LastElement(destination, destinationName)) return 0;

    std::wstring target = destination;
    if (sourceName != destinationName) target = Join(destination, sourceName);
    if (!target.empty() && target.back() == L'\\') target.pop_back();
    // Copying a folder onto or into itself would copy its own copies again and again.
    if (IsSameOrInside(target, source)) {
        DebugPrint(L"***** Copy %s into itself refused *****\n", source);
        return 0;
    }
    LogCreateDirectory(target, CreateDirectoryW(target.c_str(), nullptr) != FALSE);

    WIN32_FIND_DATAW entry;
    UniqueFindHandle find(FindFirstFileW(Join(source, L"*").c_str(), &entry));
    if (!find) return 1;
    do {
        std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        if (IsLink(entry)) {
            DebugPrint(L"##### Link not followed = %s\n", Join(source, name));
            continue;
        }
        std::wstring from = Join(source, name);
        std::wstring to = target + L'\\' + name;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            bool created = CreateDirectoryW(to.c_str(), nullptr) != FALSE;
            SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_NORMAL);
            LogCreateDirectory(target, created);
            CopyFolderTree(from, to);
        } else {
            CopyFileW(from.c_str(), to.c_str(), FALSE);
            SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_NORMAL);
        }
    } while (FindNextFileW(find.get(), &entry));
    return 1;
}

void CreateFolderPath(const std::wstring& path) {
    for (size_t i = path.find(L'\\'); i != std::wstring::npos; i = path.find(L'\\', i + 1))
        CreateDirectoryW(path.substr(0, i + 1).c_str(), nullptr);
}

int WriteBufferToFile(const std::wstring& path, const void* bytes, size_t size) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
    if (!file) return 1;
    const char* p = static_cast<const char*>(bytes);
    size_t left = size;
    while (left > 0) {
        DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(file.get(), p, chunk, &written, nullptr) || written == 0) return 2;
        p += written;
        left -= written;
    }
    return 0;
}

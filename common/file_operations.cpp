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
    LogCreateDirectory(target, CreateDirectoryW(target.c_str(), nullptr) != FALSE);

    WIN32_FIND_DATAW entry;
    UniqueFindHandle find(FindFirstFileW(Join(source, L"*").c_str(), &entry));
    if (!find) return 1;
    do {
        std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
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

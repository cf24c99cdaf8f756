#include "file_dialog.h"

#include "late_entry.h"

#include <commdlg.h>

#include <vector>

namespace {

// "A|B|C|D" as the dialog wants it: pieces ended by nulls, the list by a second null.
std::wstring DialogFilter(const std::wstring& filter) {
    std::wstring out = filter;
    for (wchar_t& c : out)
        if (c == L'|') c = L'\0';
    out.push_back(L'\0');
    out.push_back(L'\0');
    return out;
}

bool Run(bool save, HWND owner, const std::wstring& filter, const std::wstring& initialFolder,
         const std::wstring& fileName, std::wstring& chosen) {
    std::vector<wchar_t> buffer(32768, L'\0');
    fileName.copy(buffer.data(), buffer.size() - 1);
    const std::wstring pieces = DialogFilter(filter);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = pieces.c_str();
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | (save ? 0 : OFN_FILEMUSTEXIST);
    static auto* save_name =
        LateEntry<decltype(GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
    static auto* open_name =
        LateEntry<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    auto* ask = save ? save_name : open_name;
    if (!ask || !ask(&ofn)) return false;
    chosen = buffer.data();
    return true;
}

} // namespace

bool SaveFileDialog(HWND owner, const std::wstring& filter, const std::wstring& initialFolder,
                    const std::wstring& fileName, std::wstring& chosen) {
    return Run(true, owner, filter, initialFolder, fileName, chosen);
}

bool OpenFileDialog(HWND owner, const std::wstring& filter, const std::wstring& initialFolder,
                    std::wstring& chosen) {
    return Run(false, owner, filter, initialFolder, std::wstring(), chosen);
}

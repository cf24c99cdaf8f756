#include "ui/skin_files.h"

#include "debug_output.h"
#include "form.h"
#include "label.h"
#include "ui/region_block.h"
#include "version_info.h"
#include "win_handles.h"

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

namespace {

// The profile functions give values of at most 255 characters.
const DWORD kProfileBuffer = 256;
const size_t kChoiceLength = 127;
// Far more than any window outline needs; a larger file is not a region file.
const LONGLONG kMaxRegionFileSize = 16 * 1024 * 1024;

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring ReadProfileValue(const std::wstring& path, const std::wstring& section,
                              const std::wstring& key) {
    wchar_t buffer[kProfileBuffer] = L"";
    const DWORD length = GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer,
                                                  kProfileBuffer, path.c_str());
    return std::wstring(buffer, length);
}

bool IsVistaOrLater() {
    // Unknown families are newer than the table; a failed lookup means a current system.
    static const bool vista = [] {
        int family = 0;
        return GetOsVersion(&family, nullptr, nullptr) != 0 || family < 0 || family >= 3;
    }();
    return vista;
}

int ScreenDpi() {
    HDC dc = GetDC(nullptr);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    return dpi;
}

const wchar_t* RegionProblem(int result) {
    switch (result) {
    case RegionBlockShort:
        return L"shorter than its header";
    case RegionBlockBadHeader:
        return L"not a rectangle region";
    case RegionBlockNoRectangles:
        return L"no rectangles";
    case RegionBlockTruncated:
        return L"rectangles missing";
    case RegionBlockBadSize:
        return L"window size out of range";
    default:
        return L"unreadable";
    }
}

std::wstring Lowered(std::wstring text) {
    if (!text.empty()) CharLowerBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

// The "key=value" lines of a section as the platform's section reader gives them (comments
// and empty lines left out, names and values trimmed), keyed by the lowered name; the first
// of equal names counts, as for the key reader.
std::map<std::wstring, std::wstring> ReadSection(const std::wstring& path,
                                                 const std::wstring& section) {
    std::map<std::wstring, std::wstring> entries;
    std::vector<wchar_t> buffer(32 * 1024);
    DWORD length = 0;
    for (;;) {
        length = GetPrivateProfileSectionW(section.c_str(), buffer.data(),
                                           static_cast<DWORD>(buffer.size()), path.c_str());
        if (length + 2 < buffer.size() || buffer.size() >= (1u << 24)) break;
        buffer.resize(buffer.size() * 2); // cut short: the section is larger
    }
    for (size_t at = 0; at < length && buffer[at];) {
        const std::wstring line(&buffer[at]);
        at += line.size() + 1;
        const size_t equals = line.find(L'=');
        if (equals == std::wstring::npos) continue; // a name without a value reads as empty
        std::wstring value = line.substr(equals + 1);
        // The key reader takes off one pair of enclosing quotes.
        if (value.size() > 1 && (value[0] == L'"' || value[0] == L'\'') && value.back() == value[0])
            value = value.substr(1, value.size() - 2);
        entries.emplace(Lowered(line.substr(0, equals)), value.substr(0, kProfileBuffer - 1));
    }
    return entries;
}

} // namespace

// A skin or language file has hundreds of keys, and the platform parses and checks the file
// for every single key read: each section is read once and its keys are found in memory.
ProfileReader ProfileFileReader(const std::wstring& path) {
    auto sections =
        std::make_shared<std::map<std::wstring, std::map<std::wstring, std::wstring>>>();
    return [path, sections](const std::wstring& section, const std::wstring& key) {
        // The section reader leaves out comment lines, which the key reader still finds.
        if (!key.empty() && key[0] == L';') return ReadProfileValue(path, section, key);
        const std::wstring name = Lowered(section);
        auto found = sections->find(name);
        if (found == sections->end())
            found = sections->emplace(name, ReadSection(path, section)).first;
        auto entry = found->second.find(Lowered(key));
        return entry == found->second.end() ? std::wstring() : entry->second;
    };
}

std::vector<std::wstring> ListSubfolders(const std::wstring& folder) {
    std::vector<std::wstring> names;
    std::wstring pattern = folder;
    if (!pattern.empty() && pattern.back() != L'\\') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW found;
    UniqueFindHandle find(FindFirstFileW(pattern.c_str(), &found));
    if (!find) return names;
    do {
        const std::wstring name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(find.get(), &found));
    return names;
}

std::wstring PerUserConfigPath(const std::wstring& installFolderName) {
    const DWORD needed = GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
    if (needed == 0) return std::wstring();
    std::wstring appData(needed, L'\0');
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", &appData[0], needed);
    if (length == 0 || length >= needed) return std::wstring();
    appData.resize(length);
    return appData + L"\\" + installFolderName + L"\\AudioConfig.cfg";
}

UserChoices ReadUserChoices(const std::wstring& perUserFile) {
    UserChoices choices;
    if (perUserFile.empty() || !IsFile(perUserFile)) return choices;
    choices.skin = ReadProfileValue(perUserFile, L"Skin", L"DefaultSkin").substr(0, kChoiceLength);
    choices.language =
        ReadProfileValue(perUserFile, L"Language", L"DefaultLanguage").substr(0, kChoiceLength);
    return choices;
}

void SaveUserChoices(const std::wstring& perUserFile, const UserChoices& choices) {
    if (perUserFile.empty() || !IsFile(perUserFile)) return;
    // The keys are written into a copy that then replaces the file in one step, so that an
    // interrupted write never leaves the user's configuration half written.
    const std::wstring temporary = perUserFile + L".tmp";
    const std::wstring skin = choices.skin.substr(0, kChoiceLength);
    const std::wstring language = choices.language.substr(0, kChoiceLength);
    bool written =
        CopyFileW(perUserFile.c_str(), temporary.c_str(), FALSE) &&
        WritePrivateProfileStringW(L"Skin", L"DefaultSkin", skin.c_str(), temporary.c_str()) &&
        WritePrivateProfileStringW(L"Language", L"DefaultLanguage", language.c_str(),
                                   temporary.c_str());
    if (written) {
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, temporary.c_str()); // flush
        written = MoveFileExW(temporary.c_str(), perUserFile.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    }
    if (!written) {
        DebugPrint(L"***** SaveUserChoices: %s not written, error %d *****\n", perUserFile,
                   static_cast<int>(GetLastError()));
        SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(temporary.c_str());
    }
}

bool ReadRegionFile(const std::wstring& path, RegionFile& region) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxRegionFileSize) {
        DebugPrint(L"***** ReadRegionFile: %s cannot be read *****\n", path);
        return false;
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        DebugPrint(L"***** ReadRegionFile: %s cannot be read *****\n", path);
        return false;
    }
    int width = 0;
    int height = 0;
    const int result = CheckRegionBlock(bytes.data(), bytes.size(), width, height);
    if (result != RegionBlockOk) {
        DebugPrint(L"***** ReadRegionFile: %s: %s *****\n", path, RegionProblem(result));
        return false;
    }
    region.bytes = std::move(bytes);
    region.width = width;
    region.height = height;
    return true;
}

bool ApplyWindowRegion(Form& form, const RegionFile& region) {
    int width = 0;
    int height = 0;
    if (!form.Handle() ||
        CheckRegionBlock(region.bytes.data(), region.bytes.size(), width, height) != RegionBlockOk)
        return false;
    HRGN outline = ExtCreateRegion(nullptr, static_cast<DWORD>(region.bytes.size()),
                                   reinterpret_cast<const RGNDATA*>(region.bytes.data()));
    if (!outline) {
        DebugPrint(L"***** ApplyWindowRegion: the region cannot be made *****\n");
        return false;
    }
    // The window owns the region once it is set; until then it is ours to free.
    if (!form.SetRegion(outline)) {
        DeleteObject(outline);
        DebugPrint(L"***** ApplyWindowRegion: the region cannot be set *****\n");
        return false;
    }
    SetWindowPos(form.Handle(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void ApplyTextItem(TextItem& item, Label& label, bool useUpColour, const LanguageTexts& texts) {
    const TextItemLook look =
        ResolveTextItem(item, useUpColour, texts, ScreenDpi(), IsVistaOrLater());
    if (look.visible) {
        label.SetVisible(true);
        label.SetCaption(item.Text);
    } else {
        label.SetVisible(false);
    }
    if (look.hasColour) label.SetFontColor(look.colour);
    if (look.hasFontName) label.SetFontName(look.fontName);
    if (look.hasFontSize) label.SetFontSize(look.fontSize);
    if (item.HasLeft) label.SetLeft(item.Left);
    if (item.HasTop) label.SetTop(item.Top);
    // A size the file gives is kept when the panel writes another text into the label later.
    if (item.HasWidth || item.HasHeight) label.SetAutoSize(false);
    if (item.HasWidth) label.SetWidth(item.Width);
    if (item.HasHeight) label.SetHeight(item.Height);
}

#pragma once
// The skins and languages of the staged install folder, read as the panel reads them: layout and
// language files through the platform's profile reader, pictures through its decoder, paths built
// by plain concatenation of the folder values.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

std::wstring StageFolder();  // ends in a backslash
std::wstring SkinRoot();     // stage + "Skin\"
std::wstring LanguageRoot(); // stage + "Language\"

// The classes' resolution folders, the plain folder last.
extern const wchar_t* const kResolutionFolders[4];
// The shipped skins, and "" for the layout read while the user has chosen none.
extern const wchar_t* const kSkinNames[3];
extern const wchar_t* const kLanguageNames[3];

// A value as the profile reader gives it; kMissing when the key is not there at all.
extern const wchar_t* const kMissing;
std::wstring ProfileText(const std::wstring& file, const wchar_t* section, const wchar_t* key);
// The keys of a section in file order.
std::vector<std::wstring> SectionKeys(const std::wstring& file, const wchar_t* section);
std::vector<std::wstring> Fields(const std::wstring& value);
int Number(const std::wstring& field); // decimal or "0x" hexadecimal; -99999 when malformed

struct Box {
    int left = 0, top = 0, width = 0, height = 0;
    bool Overlaps(const Box& o) const {
        return left < o.left + o.width && o.left < left + width && top < o.top + o.height &&
               o.top < top + height;
    }
};

// One image key of a layout file.
struct SkinItem {
    bool shown = false; // a picture is named
    std::wstring file;
    Box box;
    int page = -1; // -1: no sixth field
};
SkinItem ReadSkinItem(const std::wstring& layout, const wchar_t* section, const wchar_t* key);

struct Picture {
    bool loaded = false;
    unsigned width = 0, height = 0;
    std::vector<uint32_t> pixels; // BGRA, only when asked for
    uint8_t Alpha(unsigned x, unsigned y) const { return pixels[y * width + x] >> 24; }
};
Picture LoadPicture(const std::wstring& path, bool withPixels);

struct LayoutFolder {
    std::wstring res, skin;
    std::wstring Layout() const { return SkinRoot() + res + skin + L"\\SkinSetting.ini"; }
    std::wstring PicturePath(const std::wstring& file) const {
        return SkinRoot() + res + L"\\" + skin + L"\\" + file;
    }
    std::wstring RegionFile() const {
        return SkinRoot() + res + L"\\" + skin + L"\\MainForm_Frame.rgn";
    }
    std::wstring Name() const;
};
std::vector<LayoutFolder> AllLayoutFolders();

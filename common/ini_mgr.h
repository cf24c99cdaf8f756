#pragma once
// The library's own reader for INI-style text: byte-order-mark detection, sections in file
// order, name/value pairs with duplicates kept, first match wins. It never writes files.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

enum class IniEncoding : int32_t {
    Ansi = 0,
    Utf8 = 1,
    Utf16LE = 2,
    Utf16BE = 3,
    Utf32LE = 4,
    Utf32BE = 5,
};

enum IniLoadResult {
    IniLoaded = 0,
    IniOpenFailed = 1,
    IniLengthFailed = 2,
    IniNoMemory = 3,
    IniReadFailed = 4,
    IniDecodeFailed = 5,
    IniSectionNoMemory = 6,
};

struct VALUE_NAME_DEFINE {
    std::wstring name;  // text before the first "=", kept exactly
    std::wstring value; // text after it
};

struct CIniSection {
    std::wstring name;
    std::vector<VALUE_NAME_DEFINE> values; // file order, duplicates kept
};

struct CIniSectionDefine {
    std::wstring name; // between the brackets of the header, not trimmed
    CIniSection section;
    std::vector<std::wstring> lines; // the header, then every non-empty, non-comment line
};

class CIniMgr {
  public:
    CIniMgr() = default;
    ~CIniMgr() { Clear(); }
    CIniMgr(const CIniMgr&) = delete;
    CIniMgr& operator=(const CIniMgr&) = delete;

    // Reads the whole file and replaces the content; an IniLoadResult.
    int Load(const std::wstring& path);
    // The same from bytes already in memory (the path is left alone); 0, 3, 5 or 6.
    int LoadBytes(const uint8_t* bytes, size_t count);
    void Clear();

    bool HasSection(const std::wstring& section) const;
    // Leaves names as it was when there is no such section.
    void GetValueNames(const std::wstring& section, std::vector<std::wstring>& names) const;
    std::wstring GetValue(const std::wstring& section, const std::wstring& name) const;

    IniEncoding encoding() const { return encoding_; }
    const std::wstring& path() const { return path_; }
    const std::vector<std::wstring>& lines() const { return lines_; }
    const std::vector<std::unique_ptr<CIniSectionDefine>>& sections() const { return sections_; }

  private:
    const CIniSectionDefine* FindSection(const std::wstring& section) const;

    IniEncoding encoding_ = IniEncoding::Ansi;
    std::wstring path_;
    std::vector<std::wstring> lines_;
    std::vector<std::unique_ptr<CIniSectionDefine>> sections_;
};

// Larger files are refused as if no buffer could be had for them (IniNoMemory): the files read
// this way hold a few kilobytes, and a bogus length must not turn into a huge allocation.
constexpr size_t kIniMaxFileBytes = 16u * 1024u * 1024u;

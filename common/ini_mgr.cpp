#include "ini_mgr.h"

#include "text_helpers.h"

#include <cstdio>
#include <cstring>
#include <new>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "The UTF-16 and UTF-32 decoders take units in little-endian host order"
#endif

namespace {

struct ByteOrderMark {
    IniEncoding encoding;
    uint8_t bytes[4];
    size_t size;
};

// Tested in this order, so that a UTF-32 little-endian mark is not taken for a UTF-16 one.
const ByteOrderMark kMarks[] = {
    {IniEncoding::Utf32LE, {0xFF, 0xFE, 0x00, 0x00}, 4},
    {IniEncoding::Utf32BE, {0x00, 0x00, 0xFE, 0xFF}, 4},
    {IniEncoding::Utf8, {0xEF, 0xBB, 0xBF, 0x00}, 3},
    {IniEncoding::Utf16LE, {0xFF, 0xFE, 0x00, 0x00}, 2},
    {IniEncoding::Utf16BE, {0xFE, 0xFF, 0x00, 0x00}, 2},
};

ByteOrderMark DetectMark(const uint8_t* bytes, size_t count) {
    for (const ByteOrderMark& mark : kMarks)
        if (count >= mark.size && std::memcmp(bytes, mark.bytes, mark.size) == 0) return mark;
    return {IniEncoding::Ansi, {0, 0, 0, 0}, 0};
}

// Whole 16-bit units only: a stray last byte (a line appended by a byte-oriented tool) is
// not part of any character and is left out, as the platform's profile reader does.
void DecodeUtf16(const uint8_t* bytes, size_t count, bool bigEndian, std::wstring& text) {
    std::vector<uint16_t> units(count / 2);
    if (!units.empty()) std::memcpy(units.data(), bytes, units.size() * 2);
    if (bigEndian) SwapBytes16(units.data(), units.size());
    text.assign(units.begin(), units.end());
}

int DecodeUtf32(const uint8_t* bytes, size_t count, bool bigEndian, std::wstring& text) {
    if (count % 4 != 0) return IniDecodeFailed;
    std::vector<uint32_t> units(count / 4);
    if (!units.empty()) std::memcpy(units.data(), bytes, count);
    if (bigEndian) SwapBytes32(units.data(), units.size());
    text.clear();
    text.reserve(units.size());
    for (uint32_t unit : units) {
        if (unit > 0xFFFF) return IniDecodeFailed;
        text.push_back(static_cast<wchar_t>(unit));
    }
    return 0;
}

// The text after the mark as UTF-16; 0, IniDecodeFailed or IniNoMemory.
int DecodeText(IniEncoding encoding, const uint8_t* bytes, size_t count, std::wstring& text) {
    switch (encoding) {
    case IniEncoding::Ansi:
        // Each byte becomes the character of the same number; the files hold ASCII.
        text.assign(bytes, bytes + count);
        return 0;
    case IniEncoding::Utf8:
        switch (Utf8ToUtf16(bytes, count, &text, nullptr)) {
        case Utf8Ok:
            return 0;
        case Utf8NoMemory:
            return IniNoMemory;
        default:
            return IniDecodeFailed;
        }
    case IniEncoding::Utf16LE:
    case IniEncoding::Utf16BE:
        DecodeUtf16(bytes, count, encoding == IniEncoding::Utf16BE, text);
        return 0;
    case IniEncoding::Utf32LE:
    case IniEncoding::Utf32BE:
        return DecodeUtf32(bytes, count, encoding == IniEncoding::Utf32BE, text);
    }
    return IniDecodeFailed;
}

// Pieces between line feeds, empty ones dropped; spaces are trimmed before carriage returns.
std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        if (end > start)
            lines.push_back(TrimChar(TrimChar(text.substr(start, end - start), L' '), L'\r'));
        start = end + 1;
    }
    return lines;
}

bool IsHeader(const std::wstring& line) {
    return !line.empty() && line.front() == L'[' && line.back() == L']';
}

bool IsSkipped(const std::wstring& line) {
    return line.empty() || line.front() == L';';
}

std::wstring HeaderName(const std::wstring& line) {
    return line.substr(1, line.size() - 2);
}

void BuildSection(CIniSectionDefine& define) {
    CIniSection& section = define.section;
    section.name = define.name;
    for (const std::wstring& raw : define.lines) {
        std::wstring line = TrimChar(TrimChar(TrimChar(raw, L' '), L'\r'), L'\n');
        if (IsSkipped(line)) continue;
        if (IsHeader(line)) {
            section.name = HeaderName(line);
            continue;
        }
        size_t equals = line.find(L'=');
        if (equals == std::wstring::npos || equals == 0) continue;
        section.values.push_back({line.substr(0, equals), line.substr(equals + 1)});
    }
}

#ifdef _WIN32
FILE* OpenForReading(const std::wstring& path) {
    return _wfopen(path.c_str(), L"rb");
}
#else
// Wide paths hold UTF-16 units; the host file system takes UTF-8.
std::string NarrowPath(const std::wstring& path) {
    std::string out;
    for (wchar_t w : path) {
        uint32_t c = static_cast<uint32_t>(w) & 0xFFFF;
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

FILE* OpenForReading(const std::wstring& path) {
    FILE* file = std::fopen(NarrowPath(path).c_str(), "rb");
    struct stat info;
    if (file && (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode))) {
        std::fclose(file); // a folder opens here but is no file to read
        return nullptr;
    }
    return file;
}
#endif

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

int ReadWholeFile(const std::wstring& path, std::vector<uint8_t>& bytes) {
    std::unique_ptr<FILE, FileCloser> file(OpenForReading(path));
    if (!file) return IniOpenFailed;
    if (std::fseek(file.get(), 0, SEEK_END) != 0) return IniLengthFailed;
    long length = std::ftell(file.get());
    if (length < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return IniLengthFailed;
    if (static_cast<unsigned long>(length) > kIniMaxFileBytes) return IniNoMemory;
    size_t size = static_cast<size_t>(length);
    try {
        bytes.resize(size);
    } catch (const std::bad_alloc&) {
        return IniNoMemory;
    }
    if (size > 0 && std::fread(bytes.data(), 1, size, file.get()) != size) return IniReadFailed;
    return IniLoaded;
}

} // namespace

int CIniMgr::Load(const std::wstring& path) {
    path_ = path;
    std::vector<uint8_t> bytes;
    int result = ReadWholeFile(path, bytes);
    if (result != IniLoaded) return result;
    return LoadBytes(bytes.data(), bytes.size());
}

int CIniMgr::LoadBytes(const uint8_t* bytes, size_t count) {
    // Decoded apart first, so that running out of memory keeps the earlier content.
    ByteOrderMark mark = DetectMark(bytes, count);
    std::vector<std::wstring> lines;
    try {
        std::wstring text;
        const uint8_t* body = mark.size > 0 ? bytes + mark.size : bytes;
        int result = DecodeText(mark.encoding, body, count - mark.size, text);
        if (result == IniDecodeFailed) {
            Clear();
            encoding_ = mark.encoding;
            return IniDecodeFailed;
        }
        if (result != 0) return result;
        lines = SplitLines(text);
    } catch (const std::bad_alloc&) {
        return IniNoMemory;
    }
    Clear();
    encoding_ = mark.encoding;
    lines_ = std::move(lines);

    try {
        for (const std::wstring& line : lines_) {
            if (IsSkipped(line)) continue;
            if (IsHeader(line)) {
                auto define = std::make_unique<CIniSectionDefine>();
                define->name = HeaderName(line);
                define->lines.push_back(line);
                sections_.push_back(std::move(define));
            } else if (!sections_.empty()) {
                sections_.back()->lines.push_back(line);
            }
        }
        for (auto& define : sections_)
            BuildSection(*define);
    } catch (const std::bad_alloc&) {
        return IniSectionNoMemory;
    }
    return IniLoaded;
}

void CIniMgr::Clear() {
    lines_.clear();
    sections_.clear();
}

const CIniSectionDefine* CIniMgr::FindSection(const std::wstring& section) const {
    for (const auto& define : sections_)
        if (define->name == section) return define.get();
    return nullptr;
}

bool CIniMgr::HasSection(const std::wstring& section) const {
    return FindSection(section) != nullptr;
}

void CIniMgr::GetValueNames(const std::wstring& section, std::vector<std::wstring>& names) const {
    const CIniSectionDefine* define = FindSection(section);
    if (!define) return;
    names.clear();
    for (const VALUE_NAME_DEFINE& value : define->section.values)
        names.push_back(value.name);
}

std::wstring CIniMgr::GetValue(const std::wstring& section, const std::wstring& name) const {
    const CIniSectionDefine* define = FindSection(section);
    if (!define || name.empty()) return std::wstring();
    for (const VALUE_NAME_DEFINE& value : define->section.values)
        if (value.name == name) return value.value;
    return std::wstring();
}

#include "staged_package.h"

#include "test_support.h"
#include "text_helpers.h"
#include "win_handles.h"

#include <wincodec.h>

#include <cwchar>

const wchar_t* const kResolutionFolders[4] = {L"1920x1080\\", L"1366x768\\", L"960x540\\", L""};
const wchar_t* const kSkinNames[3] = {L"Midnight", L"Daylight", L""};
const wchar_t* const kLanguageNames[3] = {L"English", L"German", L"SimplifiedChinese"};
const wchar_t* const kMissing = L"\x01(missing)";

std::wstring StageFolder() {
    return BinFolder() + L"..\\stage\\";
}
std::wstring SkinRoot() {
    return StageFolder() + L"Skin\\";
}
std::wstring LanguageRoot() {
    return StageFolder() + L"Language\\";
}

std::wstring ProfileText(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    wchar_t buffer[512];
    GetPrivateProfileStringW(section, key, kMissing, buffer, 512, file.c_str());
    return buffer;
}

std::vector<std::wstring> SectionKeys(const std::wstring& file, const wchar_t* section) {
    std::vector<wchar_t> buffer(65536);
    const DWORD n = GetPrivateProfileSectionW(section, buffer.data(),
                                              static_cast<DWORD>(buffer.size()), file.c_str());
    std::vector<std::wstring> keys;
    for (const wchar_t* p = buffer.data(); p < buffer.data() + n && *p; p += wcslen(p) + 1) {
        const std::wstring entry = p;
        if (entry[0] != L';') keys.push_back(entry.substr(0, entry.find(L'=')));
    }
    return keys;
}

std::vector<std::wstring> Fields(const std::wstring& value) {
    std::vector<std::wstring> fields;
    SplitByComma(value, fields);
    return fields;
}

int Number(const std::wstring& field) {
    if (field.empty()) return -99999;
    wchar_t* end = nullptr;
    const bool hex = field.size() > 2 && field[0] == L'0' && (field[1] == L'x' || field[1] == L'X');
    const long value = wcstol(field.c_str(), &end, hex ? 16 : 10);
    return *end == L'\0' ? static_cast<int>(value) : -99999;
}

SkinItem ReadSkinItem(const std::wstring& layout, const wchar_t* section, const wchar_t* key) {
    SkinItem item;
    const std::vector<std::wstring> f = Fields(ProfileText(layout, section, key));
    if (f.empty() || f[0].empty() || f[0] == kMissing) return item;
    item.shown = true;
    item.file = f[0];
    if (f.size() >= 5) item.box = {Number(f[1]), Number(f[2]), Number(f[3]), Number(f[4])};
    if (f.size() >= 6) item.page = Number(f[5]);
    return item;
}

Picture LoadPicture(const std::wstring& path, bool withPixels) {
    Picture picture;
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, factory.put_void())))
        return picture;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    if (FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, decoder.put())) ||
        FAILED(decoder->GetFrame(0, frame.put())) ||
        FAILED(frame->GetSize(&picture.width, &picture.height)))
        return picture;
    if (withPixels) {
        ComPtr<IWICBitmapSource> converted;
        if (FAILED(
                WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.get(), converted.put())))
            return picture;
        picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
        if (FAILED(converted->CopyPixels(nullptr, picture.width * 4,
                                         static_cast<UINT>(picture.pixels.size() * 4),
                                         reinterpret_cast<BYTE*>(picture.pixels.data()))))
            return picture;
    }
    picture.loaded = true;
    return picture;
}

std::wstring LayoutFolder::Name() const {
    return (res.empty() ? L"plain" : res) + (skin.empty() ? L"(default)" : skin);
}

std::vector<LayoutFolder> AllLayoutFolders() {
    std::vector<LayoutFolder> folders;
    for (const wchar_t* res : kResolutionFolders)
        for (const wchar_t* skin : kSkinNames)
            folders.push_back({res, skin});
    return folders;
}

#include "background_rules.h"

#include <cstdint>

namespace {

struct ResolutionClass {
    int64_t moreThan; // screen area in pixels
    const wchar_t* folder;
};

const ResolutionClass kResolutionClasses[] = {
    {1920 * 1080, L"1920x1080\\"},
    {1366 * 768, L"1366x768\\"},
    {960 * 540, L"960x540\\"},
};

} // namespace

std::wstring BackgroundResolutionFolder(int screenWidth, int screenHeight) {
    const int64_t area = static_cast<int64_t>(screenWidth) * screenHeight;
    for (const ResolutionClass& c : kResolutionClasses)
        if (area > c.moreThan) return c.folder;
    return std::wstring();
}

BackgroundGeometry BackgroundGeometryFor(int screenWidth, int screenHeight, int configWidth,
                                         int configHeight) {
    if (configWidth == 0 || configHeight == 0) return {0, 0, screenWidth, screenHeight, true};
    return {0, 0, configWidth, configHeight, false};
}

std::wstring BackgroundPicturePath(const std::wstring& programFolder,
                                   const std::wstring& skinFolderName,
                                   const std::wstring& resolutionFolder,
                                   const std::wstring& fileName,
                                   const std::function<bool(const std::wstring&)>& exists) {
    std::wstring path = programFolder + skinFolderName + L"\\" + resolutionFolder + fileName;
    if (exists(path)) return path;
    return programFolder + L"\\" + fileName;
}

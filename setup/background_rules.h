#pragma once
// Where the background window stands and which picture it shows: platform-neutral rules.
#include <functional>
#include <string>

// "1920x1080\", "1366x768\", "960x540\" or empty, from the screen's area in pixels: a screen
// of exactly 1920 x 1080 gets the next smaller folder.
std::wstring BackgroundResolutionFolder(int screenWidth, int screenHeight);

struct BackgroundGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool fullScreen = true;
};

// The whole screen unless the configuration gives both a width and a height.
BackgroundGeometry BackgroundGeometryFor(int screenWidth, int screenHeight, int configWidth,
                                         int configHeight);

// program folder + skin folder + "\" + resolution folder + file, or, when that file does not
// exist, program folder + "\" + file (the skin and resolution folders cleared).
std::wstring BackgroundPicturePath(const std::wstring& programFolder,
                                   const std::wstring& skinFolderName,
                                   const std::wstring& resolutionFolder,
                                   const std::wstring& fileName,
                                   const std::function<bool(const std::wstring&)>& exists);

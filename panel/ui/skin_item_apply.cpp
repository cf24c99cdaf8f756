#include "ui/skin_item_apply.h"

#include "debug_output.h"
#include "image.h"

void ApplySkinItemTo(const SkinItem& item, Image& image, const std::wstring& folder) {
    if (item.ImageFile.empty()) {
        image.SetVisible(false);
    } else {
        image.SetVisible(true);
        if (!image.LoadPicture(folder + item.ImageFile))
            DebugPrint(L"***** Load picture FAIL: %s *****\n", folder + item.ImageFile);
    }
    if (item.HasLeft) image.SetLeft(item.Left);
    if (item.HasTop) image.SetTop(item.Top);
    image.SetAutoSize(false);
    if (item.HasWidth) image.SetWidth(item.Width);
    if (item.HasHeight) image.SetHeight(item.Height);
    if (!item.HasWidth && !item.HasHeight) image.SetAutoSize(true);
}

std::wstring SkinNameFromCaption(const std::wstring& caption) {
    std::wstring name;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&') {
            if (i + 1 < caption.size()) name += caption[++i];
            continue;
        }
        name += caption[i];
    }
    return name.substr(0, 127);
}

std::wstring ChooseResolutionFolder(const std::wstring& skinRoot, const std::wstring& skinName,
                                    int screenWidth, int screenHeight) {
    std::wstring folder = ResolutionFolderFor(screenWidth, screenHeight);
    if (GetFileAttributesW((skinRoot + folder + skinName + L"\\SkinSetting.ini").c_str()) ==
        INVALID_FILE_ATTRIBUTES)
        folder.clear();
    return folder;
}

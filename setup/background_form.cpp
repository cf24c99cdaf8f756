#include "background_form.h"

#include "app_config.h"
#include "debug_output.h"
#include "wizard_form.h"

namespace {

const Color kDesignColour = 0x3A2A1E; // a dark blue behind the wizard until the picture loads

FormDesign BackgroundDesign() {
    FormDesign design;
    design.className = L"TBackgroundForm";
    design.caption = L"Setup";
    design.width = 651;
    design.height = 338;
    design.borderless = true;
    design.background = kDesignColour;
    return design;
}

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.rfind(L'\\') + 1);
}

} // namespace

TBackgroundForm::TBackgroundForm(const std::wstring& programFolder)
    : Form(BackgroundDesign()), Image_(Add<::Image>(L"Image")) {
    DebugPrint(L"==> %s\n", L"TBackgroundForm::TBackgroundForm");
    programFolder_ = programFolder.empty() ? OwnFolder() : programFolder;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN),
              screenHeight = GetSystemMetrics(SM_CYSCREEN);
    resolutionFolder_ = BackgroundResolutionFolder(screenWidth, screenHeight);
    const std::wstring config = programFolder_ + kAppConfigFileName;
    geometry_ = BackgroundGeometryFor(screenWidth, screenHeight,
                                      ReadConfigInt(config, L"Install", L"BackgroundWidth"),
                                      ReadConfigInt(config, L"Install", L"BackgroundHeight"));
    Image_.SetBounds({0, 0, ClientWidth(), ClientHeight()});
    Image_.SetStretch(true);
}

void TBackgroundForm::PlaceAtTopLeft() {
    SetWindowPos(Handle(), nullptr, geometry_.left, geometry_.top, geometry_.width,
                 geometry_.height, SWP_NOZORDER | SWP_NOACTIVATE);
    Image_.SetBounds({0, 0, ClientWidth(), ClientHeight()});
}

void TBackgroundForm::FormShow() {
    if (shown_) return;
    shown_ = true;
    DebugPrint(L"==> %s\n", L"TBackgroundForm::FormShow");
    const std::wstring config = programFolder_ + kAppConfigFileName;
    const std::wstring picture = ReadConfigText(config, L"Install", L"InstallBackgroundFileName");
    if (picture.empty()) {
        // Only the wizard is to be seen: the window's own colour becomes see-through.
        seeThrough_ = true;
        Image_.SetVisible(false);
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        SetBackground(face);
        SetWindowLongPtrW(Handle(), GWL_EXSTYLE,
                          GetWindowLongPtrW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
        SetLayeredWindowAttributes(Handle(), face, 0, LWA_COLORKEY);
    } else {
        const std::wstring skin = ReadConfigText(config, L"Skin", L"SkinFolderName");
        const std::wstring path = BackgroundPicturePath(
            programFolder_, skin, resolutionFolder_, picture, [](const std::wstring& p) {
                return GetFileAttributesW(p.c_str()) != INVALID_FILE_ATTRIBUTES;
            });
        // A picture missing everywhere leaves the window's own colour; the wizard still shows.
        if (!Image_.LoadPicture(path))
            DebugPrint(L"***** Background picture not loaded: %s *****\n", path);
    }
    if (wizard_) wizard_->Show();
}

std::wstring TBackgroundForm::InspectExtra() const {
    return L"background resolution=" + resolutionFolder_ + L" picture=" + PicturePath() +
           L" seethrough=" + (seeThrough_ ? L"1" : L"0") + L"\n";
}

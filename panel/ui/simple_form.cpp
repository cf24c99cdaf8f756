#include "ui/simple_form.h"

#include "application.h"
#include "debug_output.h"
#include "group_box.h"
#include "image.h"
#include "text_format.h"
#include "text_helpers.h"
#include "version_info.h"

namespace {
const wchar_t kBaseTitle[] = L"Simple Mode";

// The program file's version, or "?" when it carries none.
std::wstring ProgramVersion() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring version;
    if (GetFileVersionString(path, version) != 0 || version.empty()) version = L"?";
    return version;
}

} // namespace

TSimpleForm::TSimpleForm(std::wstring usbGroupKey, std::wstring hidGroupKey)
    : Form({L"TSimpleForm", kBaseTitle, 300, 160, false}), m_strUsbGroupKey(std::move(usbGroupKey)),
      m_strHidGroupKey(std::move(hidGroupKey)) {
    SetCaption(std::wstring(kBaseTitle) + FormatText(L" (V%s)", ProgramVersion()));
    // A group without choices: the mode is never chosen here.
    EffectModeRadioGroup = std::make_unique<GroupBox>(*this, L"EffectModeRadioGroup", L"Mode");
    EffectModeRadioGroup->SetBounds(12, 8, 140, 140);
    EffectModeRadioGroup->SetEnabled(false);
    EffectModeRadioGroup->SetVisible(true);
    EffectImage = &Add<Image>(L"EffectImage");
    EffectImage->SetBounds({164, 16, 124, 124});
}

TSimpleForm::~TSimpleForm() = default;

void TSimpleForm::FormShow() {
    WriteDebugText(L"TSimpleForm::FormShow");
    struct GroupLoad {
        CDeviceIdMgr& manager;
        const std::wstring& key;
        const wchar_t* failure;
    };
    const GroupLoad loads[] = {
        {m_UsbDeviceIdMgr, m_strUsbGroupKey, L"***** Get USB device ID from registry FAIL! *****"},
        {m_HidDeviceIdMgr, m_strHidGroupKey, L"***** Get HID device ID from registry FAIL! *****"}};
    for (const GroupLoad& load : loads)
        if (load.manager.LoadFromRegistry(load.key) != 0)
            MessageBoxW(Handle(), load.failure, L"Uninstall", MB_OK);
}

void TSimpleForm::FormActivate() {
    if (CommandLineHas(GetCommandLineW(), L"-start")) {
        Application().Minimize();
        Application().HideApplicationWindow();
    }
}

bool TSimpleForm::WndProc(UINT msg, WPARAM, LPARAM, LRESULT&) {
    // Closing this window first sends the panel to the notification area.
    if (msg == WM_CLOSE) {
        Application().Minimize();
        Application().HideApplicationWindow();
    }
    return false;
}

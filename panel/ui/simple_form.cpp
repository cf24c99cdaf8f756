#include "ui/simple_form.h"

#include "application.h"
#include "text_helpers.h"
#include "text_format.h"
#include "version_info.h"

namespace {
const wchar_t kBaseTitle[] = L"Simple Mode";

std::wstring ProgramVersion() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring version;
    if (GetFileVersionString(path, version) != 0 || version.empty()) version = L"?";
    return version;
}
} // namespace

TSimpleForm::TSimpleForm() : Form({L"TSimpleForm", kBaseTitle, 300, 160, false}) {
    SetCaption(std::wstring(kBaseTitle) + FormatText(L" (V%s)", ProgramVersion()));
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

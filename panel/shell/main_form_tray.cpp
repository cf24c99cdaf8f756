// The main window's tray icon and pop-up menu, its window buttons, and the plug-in menu
// that starts the package's additional programs.
#include "shell/audio_main_form.h"

#include "shell/app_messages.h"
#include "application.h"
#include "debug_output.h"

#include <shellapi.h>

void TAudioMainForm::CloseMenuClick() {
    BroadcastAppMessage(m_uEffectExitMessage, 100);
    Close();
}

// The close button keeps the panel running in the notification area.
void TAudioMainForm::CloseImageClick() {
    CTrayIcon->Minimize();
}

void TAudioMainForm::MinimizeImageClick() {
    Application().Minimize();
}

void TAudioMainForm::CTrayIconRestore() {
    bool pluginRunning = false;
    for (const auto& item : ModeMenu->Items())
        if (item->Checked) pluginRunning = true;
    if (pluginRunning) {
        Application().Minimize();
        Application().HideApplicationWindow();
    } else {
        Show();
    }
}

// One radio item for every subfolder of the plug-in folder that section "Application"
// switches on.
void TAudioMainForm::BuildPluginMenu() {
    ModeMenu->Clear();
    m_iPluginCount = 0;
    const std::wstring folder = m_strAppFolder + m_AppFolderPath.PluginFolderName + L"\\";
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        std::wstring name = entry.cFileName;
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || name == L"." || name == L"..")
            continue;
        if (ReadConfigInt(ConfigFilePath(), L"Application", name) == 0) continue;
        MenuItem& item = ModeMenu->Add(name, name);
        item.AutoCheck = true;
        item.RadioItem = true;
        item.OnClick = [this](MenuItem& clicked) { PluginMenuClick(clicked); };
        ++m_iPluginCount;
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

void TAudioMainForm::PluginMenuClick(MenuItem& item) {
    BroadcastAppMessage(m_uEffectExitMessage, 100);
    WriteDebugText(L"WM_APP_EXIT_RESUME");
    BroadcastAppMessage(m_uExitResumeMessage, 1000);
    Sleep(300);
    for (int i = 0; i < 2; ++i) {
        WriteDebugText(L"WM_APP_EXIT_EFFECT");
        BroadcastAppMessage(m_uEffectExitMessage, 1000);
        Sleep(300);
    }
    item.Checked = true;

    // Accelerator ampersands are not part of the folder's name.
    std::wstring name;
    for (wchar_t c : item.Caption)
        if (c != L'&') name += c;
    std::wstring path =
        m_strAppFolder + m_AppFolderPath.PluginFolderName + L"\\" + name + L"\\" + name + L".exe";
    WriteDebugText(path);

    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpFile = path.c_str();
    info.lpParameters = path.c_str();
    info.nShow = SW_HIDE;
    if (ShellExecuteExW(&info) && info.hProcess) CloseHandle(info.hProcess);
    Hide();
}

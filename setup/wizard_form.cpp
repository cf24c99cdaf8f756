#include "wizard_form.h"

#include "application.h"
#include "background_form.h"
#include "debug_output.h"
#include "exception.h"
#include "fs_redirection.h"
#include "profile_text.h"
#include "version_info.h"
#include "wizard_data.h"

#include <shellapi.h>

namespace {

const int kButtonTop = 119;
const int kButtonWidth = 75;
const int kButtonHeight = 25;

FormDesign WizardDesign() {
    FormDesign design;
    design.className = L"TMainForm";
    design.caption = L"TRV 7.1 USB Audio Setup";
    design.width = 430;
    design.height = 153;
    design.background = GetSysColor(COLOR_BTNFACE);
    return design;
}

std::wstring OwnPath() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

Label& AddLabel(Form& form, const wchar_t* name, const wchar_t* text, int left, int top) {
    Label& label = form.Add<Label>(name);
    label.SetFontName(L"Tahoma");
    label.SetFontSize(8);
    label.SetCaption(text);
    label.SetLeft(left);
    label.SetTop(top);
    return label;
}

// Sets the shutdown privilege of this process, so that the restart request is allowed.
void EnableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid))
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    CloseHandle(token);
}

} // namespace

TMainForm::TMainForm(TBackgroundForm& background)
    : Form(WizardDesign()), background_(background),
      SelectLangLabel(AddLabel(*this, L"SelectLangLabel", L"Select Language :", 16, 54)),
      VersionLabel(AddLabel(*this, L"VersionLabel", L"Select language version of 7.1 USB", 16, 14)),
      AudioExtLabel(AddLabel(*this, L"AudioExtLabel", L"Audio Extension for installation", 16, 30)),
      InstallLabel(AddLabel(*this, L"InstallLabel", L"Installing...", 16, 36)),
      RebootLabel(AddLabel(*this, L"RebootLabel",
                           L"Setup will reboot your computer to complete the Install", 16, 20)) {
    DebugPrint(L"==> %s\n", L"TMainForm::TMainForm");
    // A fixed dialog frame with the system menu only, owned by the background window so that it
    // always stays in front of it.
    SetWindowLongPtrW(Handle(), GWL_STYLE,
                      GetWindowLongPtrW(Handle(), GWL_STYLE) & ~WS_MINIMIZEBOX);
    SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(background.Handle()));

    const std::wstring own = OwnPath();
    GetFileVersionString(own, state_.version);
    state_.is64 = IsWow64();
    if (GetOsVersion(&state_.osFamily, &state_.osVersionCode, &state_.servicePack) != 0)
        DebugPrint(L"***** Get Windows Version FAIL! *****\n");
    LoadApplicationConfig(kAppConfigFileName, own, state_.folders, ConfigReader::Setup);
    icon_ = static_cast<HICON>(LoadImageW(
        nullptr, (state_.folders.SourceFolderFullPath + state_.folders.InstallIconFileName).c_str(),
        IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
    if (icon_) {
        Application().SetIcon(icon_);
        SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
        SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    }
    Application().SetTitle(state_.folders.InstallAppTitle);
    FillUninstallRecord(state_);

    font_ = CreateFontW(-MulDiv(8, 96, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH, L"Tahoma");
    auto button = [&](const wchar_t* name, const wchar_t* caption, int id, int left) {
        auto b = std::make_unique<Button>(*this, name, caption, id);
        b->SetBounds(left, kButtonTop, kButtonWidth, kButtonHeight);
        b->SetFont(font_);
        b->SetVisible(true);
        return b;
    };
    ComboBox = std::make_unique<::ComboBox>(*this, L"ComboBox");
    ComboBox->SetBounds(16, 74, 153, 200);
    ComboBox->SetFont(font_);
    ComboBox->OnChange = [this](::ComboBox&) { ComboBoxChange(); };
    ProgressBar = std::make_unique<::ProgressBar>(*this, L"ProgressBar");
    ProgressBar->SetBounds(16, 60, 361, 25);
    RebootRadioButton =
        std::make_unique<RadioButton>(*this, L"RebootRadioButton", L"Yes, reboot now");
    RebootRadioButton->SetBounds(16, 56, 250, 17);
    RebootRadioButton->SetFont(font_);
    NoRebootRadioButton =
        std::make_unique<RadioButton>(*this, L"NoRebootRadioButton", L"No, reboot later");
    NoRebootRadioButton->SetBounds(16, 76, 250, 17);
    NoRebootRadioButton->SetFont(font_);
    NoRebootRadioButton->SetChecked(true);
    // Created in tab order: the buttons follow the page's controls.
    BackBitBtn = button(L"BackBitBtn", L"< Back", BackButtonId, 8);
    NextBitBtn = button(L"NextBitBtn", L"Next >", NextButtonId, 120);
    FinishBitBtn = button(L"FinishBitBtn", L"Finish", FinishButtonId, 232);
    CancelBitBtn = button(L"CancelBitBtn", L"Cancel", CancelButtonId, 339);
    BackBitBtn->SetEnabled(false);
    BackBitBtn->SetVisible(false);
    FinishBitBtn->SetEnabled(false);
    NextBitBtn->OnClick = [this](Button&) { NextBitBtnClick(); };
    BackBitBtn->OnClick = [this](Button&) { BackBitBtnClick(); };
    CancelBitBtn->OnClick = [this](Button&) { CancelBitBtnClick(); };
    FinishBitBtn->OnClick = [this](Button&) { FinishBitBtnClick(); };
    RebootLabel.SetAutoSize(false);
    RebootLabel.SetBounds({16, 20, 398, 30});
    ShowPage(0);
    CenterOnScreen();
}

TMainForm::~TMainForm() {
    if (font_) DeleteObject(font_);
    if (icon_) DestroyIcon(icon_);
    if (worker_) CloseHandle(worker_);
}

bool TMainForm::InstallRunning() const {
    return worker_ && WaitForSingleObject(worker_, 0) == WAIT_TIMEOUT;
}

void TMainForm::ShowPage(int page) {
    page_ = page;
    for (Label* label : {&SelectLangLabel, &VersionLabel, &AudioExtLabel})
        label->SetVisible(page == 0 && !HidesLabel(label->Caption()));
    ComboBox->SetVisible(page == 0);
    InstallLabel.SetVisible(page == 1 && !HidesLabel(InstallLabel.Caption()));
    ProgressBar->SetVisible(page == 1);
    RebootLabel.SetVisible(page == 2 && !HidesLabel(RebootLabel.Caption()));
    // The restart choice stays hidden: the design always starts the panel.
    RebootRadioButton->SetVisible(false);
    NoRebootRadioButton->SetVisible(false);
    for (Button* b : {BackBitBtn.get(), NextBitBtn.get(), FinishBitBtn.get(), CancelBitBtn.get()})
        b->SetDefault(b == DefaultButton());
    InvalidateRect(Handle(), nullptr, TRUE);
}

Button* TMainForm::DefaultButton() const {
    if (page_ == 0) return NextBitBtn.get();
    if (page_ == 2) return FinishBitBtn.get();
    return nullptr;
}

void TMainForm::FormShow() {
    if (shown_) return;
    shown_ = true;
    DebugPrint(L"==> %s\n", L"TMainForm::FormShow");
    background_.PlaceAtTopLeft();
    if (!StoreDeviceIdGroups(state_)) {
        PostQuitMessage(0);
        return;
    }
    ShowPage(0);
    NextBitBtn->SetFocus();
    state_.userDataFolder = UserDataFolderFor(state_.folders);
    PrepareUserDataFolder(state_.userDataFolder, state_.folders.SourceFolderFullPath);
    std::wstring language;
    ReadProfileText(state_.userDataFolder + kAppConfigFileName, L"Language", L"DefaultLanguage",
                    language);
    FillLanguageList(language);
    // A user who never chose a language gets the texts of the entry shown, not none at all.
    if (language.empty() && ComboBox->ItemIndex() >= 0)
        language = OriginalComboBox[static_cast<size_t>(ComboBox->ItemIndex())];
    std::wstring badKey = LoadSetupTexts(state_.folders, language, state_.texts);
    ApplyTexts();
    ReadInstallFlags(state_);
    SaveDefaultSettings(state_.folders.SourceFolderFullPath);
    Sleep(100);
    // A bad number in the language file is reported once everything else is prepared.
    if (!badKey.empty())
        throw EConvertError(L"'" + badKey + L"' holds a value that is not a valid integer");
}

void TMainForm::FillLanguageList(const std::wstring& preselection) {
    ComboBox->SetItemIndex(-1);
    ComboBox->Clear();
    OriginalComboBox.clear();
    std::vector<LanguageChoice> list = LanguageList(state_.folders);
    for (const LanguageChoice& choice : list) {
        OriginalComboBox.push_back(choice.folder);
        ComboBox->AddItem(choice.displayName);
    }
    ComboBox->SetItemIndex(LanguageIndexFor(list, preselection));
}

void TMainForm::ApplyTexts() {
    const SetupTexts& t = state_.texts;
    const std::pair<Button*, SetupTextKey> buttons[] = {{BackBitBtn.get(), LabelBackBtn},
                                                        {NextBitBtn.get(), LabelNextBtn},
                                                        {FinishBitBtn.get(), LabelFinishBtn},
                                                        {CancelBitBtn.get(), LabelCancelBtn}};
    for (const auto& b : buttons)
        b.first->SetCaption(t[b.second].text);
    const std::pair<Label*, SetupTextKey> labels[] = {{&SelectLangLabel, LabelSelectLang},
                                                      {&VersionLabel, LabelVersion},
                                                      {&AudioExtLabel, LabelAudioExt},
                                                      {&InstallLabel, LabelInstall},
                                                      {&RebootLabel, LabelReboot}};
    for (const auto& l : labels) {
        const SetupTextEntry& e = t[l.second];
        Label& label = *l.first;
        label.SetCaption(e.text);
        if (e.hasUpColour) label.SetFontColor(e.upColour);
        if (e.hasFontName) label.SetFontName(e.fontName);
        if (e.hasFontSize) label.SetFontSize(e.fontSize);
        if (e.hasLeft) label.SetLeft(e.left);
        if (e.hasTop) label.SetTop(e.top);
        if (e.hasWidth) label.SetWidth(e.width);
        if (e.hasHeight) label.SetHeight(e.height);
    }
    RebootRadioButton->SetCaption(t[LabelRebootRadioBtn].text);
    NoRebootRadioButton->SetCaption(t[LabelNoRebootRadioBtn].text);
    SetCaption(t[LabelTitle].text + L" (V" + state_.version + L")");
    ShowPage(page_);
}

void TMainForm::LoadAndApplyTexts(const std::wstring& language) {
    std::wstring badKey = LoadSetupTexts(state_.folders, language, state_.texts);
    ApplyTexts();
    if (!badKey.empty())
        throw EConvertError(L"'" + badKey + L"' holds a value that is not a valid integer");
}

void TMainForm::ComboBoxChange() {
    int index = ComboBox->ItemIndex();
    if (index < 0 || index >= static_cast<int>(OriginalComboBox.size())) return;
    const std::wstring folder = OriginalComboBox[static_cast<size_t>(index)];
    // The choice is kept before the texts are applied, so a faulty language file cannot lose it.
    WriteProfileText(state_.userDataFolder + kAppConfigFileName, L"Language", L"DefaultLanguage",
                     folder);
    LoadAndApplyTexts(folder);
}

void TMainForm::NextBitBtnClick() {
    if (page_ != 0) return;
    const std::wstring& tip = state_.Text(AntivirusTip);
    if (!tip.empty() && !state_.antivirusTipShown) {
        MessageBoxW(Handle(), tip.c_str(), kMessageBoxCaption, MB_OK);
        state_.antivirusTipShown = true;
        return;
    }
    ShowPage(1);
    BackBitBtn->SetEnabled(false);
    NextBitBtn->SetEnabled(false);
    // Cancelling would end the program in the middle of a step and leave half a file behind.
    CancelBitBtn->SetEnabled(false);
    sequence_ = std::make_unique<InstallSequence>(state_, Handle());
    worker_ = CreateThread(nullptr, 0, InstallThreadProc, sequence_.get(), 0, nullptr);
}

void TMainForm::BackBitBtnClick() {
    if (page_ == 1 || page_ == 2) {
        ShowPage(page_ - 1);
        BackBitBtn->SetEnabled(false);
        NextBitBtn->SetEnabled(true);
    }
}

void TMainForm::CancelBitBtnClick() {
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

void TMainForm::FinishBitBtnClick() {
    if (RebootRadioButton->Checked()) {
        EnableShutdownPrivilege();
        ExitWindowsEx(EWX_REBOOT, SHTDN_REASON_MAJOR_APPLICATION | SHTDN_REASON_FLAG_PLANNED);
    } else {
        const std::wstring panel =
            state_.folders.InstallFolderFullPath + state_.folders.APPFileName + L".exe";
        const std::wstring parameter = L"\"" + OwnPath() + L"\"";
        ShellExecuteW(nullptr, L"open", panel.c_str(), parameter.c_str(), nullptr, SW_HIDE);
    }
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

bool TMainForm::WndProc(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (msg) {
    case WM_INSTALL_PROGRESS:
        ProgressBar->SetPosition(static_cast<int>(wParam));
        Application().ProcessMessages();
        return false;
    case WM_INSTALL_FINISHED: {
        ShowPage(2);
        for (Button* b : {BackBitBtn.get(), NextBitBtn.get(), CancelBitBtn.get()})
            b->SetEnabled(false);
        FinishBitBtn->SetEnabled(true);
        NextBitBtn->SetVisible(false);
        CancelBitBtn->SetVisible(false);
        FinishBitBtn->SetFocus();
        EnableMenuItem(GetSystemMenu(Handle(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
        return false;
    }
    case DM_GETDEFID:
        result = DefaultButton() ? MAKELRESULT(DefaultButton()->Id(), DC_HASDEFID) : 0;
        return true;
    case WM_COMMAND:
        // Return and Escape arrive as IDOK and IDCANCEL; a button only acts while enabled.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            Button* target = LOWORD(wParam) == IDOK ? DefaultButton() : CancelBitBtn.get();
            if (target) target->Click();
            result = 0;
            return true;
        }
        return false;
    case WM_CLOSE:
        // Closing the wizard closes the application's main window, which ends the program.
        background_.Close();
        result = 0;
        return true;
    }
    return false;
}

std::wstring TMainForm::InspectExtra() const {
    auto state = [](const NativeControl& c) {
        return std::wstring(c.Visible() ? L"visible" : L"hidden") +
               (c.Enabled() ? L",enabled" : L",disabled");
    };
    return L"wizard page=" + std::to_wstring(page_) + L" progress=" +
           std::to_wstring(ProgressBar->Position()) + L" back=" + state(*BackBitBtn) + L" next=" +
           state(*NextBitBtn) + L" finish=" + state(*FinishBitBtn) + L" cancel=" +
           state(*CancelBitBtn) + L"\n";
}

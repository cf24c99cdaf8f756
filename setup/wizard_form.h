#pragma once
// The setup wizard: language page, install page, finish page. It prepares the install state
// when first shown, starts the install worker on "Next >" and, on "Finish", restarts the
// computer or starts the control panel. It works from the keyboard as a dialog does: Return
// presses the page's default button, Escape cancels, Tab moves between controls.
#include "button.h"
#include "combo_box.h"
#include "form.h"
#include "install_sequence.h"
#include "label.h"
#include "progress_bar.h"
#include "radio_button.h"
#include "setup_state.h"

#include <memory>
#include <string>
#include <vector>

class TBackgroundForm;

class TMainForm : public Form {
  public:
    explicit TMainForm(TBackgroundForm& background);
    ~TMainForm() override;

    // The control IDs, so that the platform's dialog keys find the buttons.
    enum ButtonId {
        NextButtonId = 1001,
        FinishButtonId = 1002,
        BackButtonId = 1003,
        CancelButtonId = IDCANCEL
    };

    int Page() const { return page_; }
    bool InstallRunning() const;

    void NextBitBtnClick();
    void BackBitBtnClick();
    void CancelBitBtnClick();
    void FinishBitBtnClick();
    void ComboBoxChange();

  protected:
    void FormShow() override;
    bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    std::wstring InspectExtra() const override;

  private:
    void ShowPage(int page);
    void FillLanguageList(const std::wstring& preselection);
    void LoadAndApplyTexts(const std::wstring& language);
    void ApplyTexts();
    Button* DefaultButton() const;

    TBackgroundForm& background_;
    SetupState state_;
    int page_ = 0;
    bool shown_ = false;
    HFONT font_ = nullptr;
    HICON icon_ = nullptr;

    std::unique_ptr<Button> BackBitBtn, NextBitBtn, FinishBitBtn, CancelBitBtn;
    Label& SelectLangLabel;
    Label& VersionLabel;
    Label& AudioExtLabel;
    Label& InstallLabel;
    Label& RebootLabel;
    std::unique_ptr<::ComboBox> ComboBox;
    std::vector<std::wstring> OriginalComboBox; // the folder behind each entry of ComboBox
    std::unique_ptr<::ProgressBar> ProgressBar;
    std::unique_ptr<RadioButton> RebootRadioButton, NoRebootRadioButton;

    std::unique_ptr<InstallSequence> sequence_;
    HANDLE worker_ = nullptr;
};

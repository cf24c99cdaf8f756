#pragma once
// The wizard's text keys of section "Setup" of a language file, in file order. The wizard and the
// build's language maker both read this one list.
#include <array>
#include <cstddef>

enum SetupTextKey : size_t {
    LabelBackBtn,
    LabelNextBtn,
    LabelFinishBtn,
    LabelCancelBtn,
    LabelSelectLang,
    LabelVersion,
    LabelAudioExt,
    LabelInstall,
    LabelReboot,
    LabelRebootRadioBtn,
    LabelNoRebootRadioBtn,
    LabelTitle,
    LabelWarning1,
    LabelWarning2,
    LabelWarning3,
    LabelWarning4,
    AntivirusTip,
    KB3033929Tip,
    SetupTextKeyCount
};

// The key names, in the order of SetupTextKey.
extern const std::array<const wchar_t*, SetupTextKeyCount> kSetupTextKeyNames;

#include "setup_text_keys.h"

const std::array<const wchar_t*, SetupTextKeyCount> kSetupTextKeyNames = {
    L"LabelBackBtn",    L"LabelNextBtn",        L"LabelFinishBtn",        L"LabelCancelBtn",
    L"LabelSelectLang", L"LabelVersion",        L"LabelAudioExt",         L"LabelInstall",
    L"LabelReboot",     L"LabelRebootRadioBtn", L"LabelNoRebootRadioBtn", L"LabelTitle",
    L"LabelWarning1",   L"LabelWarning2",       L"LabelWarning3",         L"LabelWarning4",
    L"AntivirusTip",    L"KB3033929Tip",
};

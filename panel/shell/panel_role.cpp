#include "shell/panel_role.h"

#include "debug_output.h"

#include <cwctype>

namespace {
std::wstring LowerCase(std::wstring text) {
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towlower(c));
    return text;
}
} // namespace

PanelRole ChoosePanelRole(const std::vector<std::wstring>& params) {
    for (size_t j = 1; j < params.size(); ++j) {
        std::wstring parameter = LowerCase(params[j]);
        WriteDebugText(parameter);
        if (parameter.empty()) continue;
        if (parameter == L"-boot") return PanelRole::RelayBoot;
        if (parameter == L"-servicestart" || parameter == L"-serviceboot")
            return PanelRole::Running;
    }
    return PanelRole::RelayNoSwitch;
}

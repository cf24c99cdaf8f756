#pragma once
// The panel's command line decides between relaying a control code to the device service
// and running as the panel.
#include <string>
#include <vector>

enum class PanelRole {
    RelayBoot,     // "-boot": control code 196 to the service
    RelayNoSwitch, // no recognised switch: control code 193
    Running,       // "-servicestart" or "-serviceboot"
};

const unsigned kServiceCodeBoot = 196;
const unsigned kServiceCodeNoSwitch = 193;

// params[0] is the executable's path. The first parameter, in order, that is one of the
// switches (compared lower-cased and whole) decides. Each lower-cased parameter is logged.
PanelRole ChoosePanelRole(const std::vector<std::wstring>& params);

#pragma once
// What the wizard prepares before installing and the install worker reads: the configuration
// record, the device ID groups, the system facts, the install flags and the language texts.
// The GUI thread does not change it while the worker runs.
#include "app_config.h"
#include "device_id_mgr.h"
#include "registry_values.h"
#include "setup_texts.h"

#include <string>

struct SetupState {
    _APPLICATION_FOLDER_PATH folders;
    CDeviceIdMgr usbIds{MatchRule::Setup};
    CDeviceIdMgr hidIds{MatchRule::Setup};
    std::wstring version; // the setup program's own "a.b.c.d", empty when unreadable
    bool is64 = false;    // a 32-bit setup on a 64-bit system
    int osFamily = 2;     // stays 2 when the system cannot be asked
    int osVersionCode = 0;
    int servicePack = 0;
    std::wstring userDataFolder; // "APPDATA" + "\" + InstallFolderName + "\"
    _REG_UNINSTALL_INFO uninstall;
    int pluginFlag = 0;
    int desktopShortcutFlag = 0;
    int updateFlag = 0;
    bool antivirusTipShown = false;
    SetupTexts texts;

    const std::wstring& Text(SetupTextKey key) const { return texts[key].text; }
};

// The uninstall entry of the installation that this state describes.
void FillUninstallRecord(SetupState& state);
